# Copyright 2026 quorvex developers
# Licensed under the Apache License, Version 2.0
"""The service quorvex/srv/SolveIK and its two messages."""

from quorvex import _support
from rosidl_parser.definition import BasicType
from rosidl_parser.definition import UnboundedString


class Metaclass_SolveIK_Request(_support.MessageMetaclass):
    """Holds the C type support of SolveIK_Request once it is imported."""

    _SNAKE_NAME = 'solve_ik__request'
    _LOGGER_NAME = 'quorvex.srv.SolveIK_Request'


class SolveIK_Request(_support.Message, metaclass=Metaclass_SolveIK_Request):
    """Request of quorvex/srv/SolveIK: a pose-information file and the solver settings."""

    __slots__ = [
        '_pose_info_path',
        '_stage_subset',
        '_max_contact_poses',
        '_return_seeds',
        '_tool_type',
        '_position_tolerance',
        '_orientation_tolerance',
        '_conform_samples',
        '_orientation_sample_range_deg',
        '_orientation_sample_step_deg',
        '_accept_feasible_path',
        '_max_joint_jump_rad',
    ]

    _fields_and_field_types = {
        'pose_info_path': 'string',
        'stage_subset': 'string',
        'max_contact_poses': 'int32',
        'return_seeds': 'int32',
        'tool_type': 'string',
        'position_tolerance': 'double',
        'orientation_tolerance': 'double',
        'conform_samples': 'int32',
        'orientation_sample_range_deg': 'double',
        'orientation_sample_step_deg': 'double',
        'accept_feasible_path': 'boolean',
        'max_joint_jump_rad': 'double',
    }

    SLOT_TYPES = (
        UnboundedString(),
        UnboundedString(),
        BasicType('int32'),
        BasicType('int32'),
        UnboundedString(),
        BasicType('double'),
        BasicType('double'),
        BasicType('int32'),
        BasicType('double'),
        BasicType('double'),
        BasicType('boolean'),
        BasicType('double'),
    )

    def __init__(self, **kwargs):
        _support.check_keywords(self, kwargs)
        self.pose_info_path = kwargs.get('pose_info_path', '')
        self.stage_subset = kwargs.get('stage_subset', '')
        self.max_contact_poses = kwargs.get('max_contact_poses', 0)
        self.return_seeds = kwargs.get('return_seeds', 0)
        self.tool_type = kwargs.get('tool_type', '')
        self.position_tolerance = kwargs.get('position_tolerance', 0.0)
        self.orientation_tolerance = kwargs.get('orientation_tolerance', 0.0)
        self.conform_samples = kwargs.get('conform_samples', 0)
        self.orientation_sample_range_deg = kwargs.get('orientation_sample_range_deg', 0.0)
        self.orientation_sample_step_deg = kwargs.get('orientation_sample_step_deg', 0.0)
        self.accept_feasible_path = kwargs.get('accept_feasible_path', False)
        self.max_joint_jump_rad = kwargs.get('max_joint_jump_rad', 0.0)

    pose_info_path = _support.member(
        'pose_info_path', _support.string, 'Path of a pose-information file (string).')
    stage_subset = _support.member('stage_subset', _support.string, 'A subset of stages (string).')
    max_contact_poses = _support.member(
        'max_contact_poses', _support.int32, 'Largest number of contact poses (int32).')
    return_seeds = _support.member('return_seeds', _support.int32, 'Seeds to return (int32).')
    tool_type = _support.member('tool_type', _support.string, 'Type of the tool (string).')
    position_tolerance = _support.member(
        'position_tolerance', _support.float64, 'Tolerance on position (float64).')
    orientation_tolerance = _support.member(
        'orientation_tolerance', _support.float64, 'Tolerance on orientation (float64).')
    conform_samples = _support.member(
        'conform_samples', _support.int32, 'Number of conform samples (int32).')
    orientation_sample_range_deg = _support.member(
        'orientation_sample_range_deg', _support.float64,
        'Range of orientation sampling, in degrees (float64).')
    orientation_sample_step_deg = _support.member(
        'orientation_sample_step_deg', _support.float64,
        'Step of orientation sampling, in degrees (float64).')
    accept_feasible_path = _support.member(
        'accept_feasible_path', _support.boolean, 'Whether a feasible path is accepted (boolean).')
    max_joint_jump_rad = _support.member(
        'max_joint_jump_rad', _support.float64, 'Largest joint jump, in radians (float64).')


class Metaclass_SolveIK_Response(_support.MessageMetaclass):
    """Holds the C type support of SolveIK_Response once it is imported."""

    _SNAKE_NAME = 'solve_ik__response'
    _LOGGER_NAME = 'quorvex.srv.SolveIK_Response'


class SolveIK_Response(_support.Message, metaclass=Metaclass_SolveIK_Response):
    """Response of quorvex/srv/SolveIK: success, a summary and a JSON report."""

    __slots__ = [
        '_success',
        '_summary',
        '_report_json',
    ]

    _fields_and_field_types = {
        'success': 'boolean',
        'summary': 'string',
        'report_json': 'string',
    }

    SLOT_TYPES = (
        BasicType('boolean'),
        UnboundedString(),
        UnboundedString(),
    )

    def __init__(self, **kwargs):
        _support.check_keywords(self, kwargs)
        self.success = kwargs.get('success', False)
        self.summary = kwargs.get('summary', '')
        self.report_json = kwargs.get('report_json', '')

    success = _support.member(
        'success', _support.boolean, 'Whether the request succeeded (boolean).')
    summary = _support.member('summary', _support.string, 'A summary text (string).')
    report_json = _support.member(
        'report_json', _support.string, 'A report, as JSON text (string).')


class Metaclass_SolveIK(_support.ServiceMetaclass):
    """Holds the C type support of the service SolveIK once it is imported."""

    _SNAKE_NAME = 'solve_ik'
    _LOGGER_NAME = 'quorvex.srv.SolveIK'
    _MESSAGES = (SolveIK_Request, SolveIK_Response)


class SolveIK(_support.Service, metaclass=Metaclass_SolveIK):
    """The service quorvex/srv/SolveIK: inverse kinematics driven by a pose-information file."""

    Request = SolveIK_Request
    Response = SolveIK_Response
