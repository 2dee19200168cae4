# Copyright 2026 quorvex developers
# Licensed under the Apache License, Version 2.0
"""The service quorvex/srv/SolveIK and its two messages."""

import copy

from quorvex import _support
from rosidl_parser.definition import BasicType
from rosidl_parser.definition import UnboundedString


class Metaclass_SolveIK_Request(type):
    """Holds the C type support of SolveIK_Request once it is imported."""

    _CREATE_ROS_MESSAGE = None
    _CONVERT_FROM_PY = None
    _CONVERT_TO_PY = None
    _DESTROY_ROS_MESSAGE = None
    _TYPE_SUPPORT = None

    @classmethod
    def __import_type_support__(cls):
        _support.import_message_type_support(
            cls, 'solve_ik__request', 'quorvex.srv.SolveIK_Request')


class SolveIK_Request(metaclass=Metaclass_SolveIK_Request):
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

    def __repr__(self):
        return _support.message_repr(self)

    def __eq__(self, other):
        return _support.messages_equal(self, other)

    @classmethod
    def get_fields_and_field_types(cls):
        return copy.copy(cls._fields_and_field_types)

    @property
    def pose_info_path(self):
        """Path of a pose-information file (string)."""
        return self._pose_info_path

    @pose_info_path.setter
    def pose_info_path(self, value):
        self._pose_info_path = _support.string(value, 'pose_info_path')

    @property
    def stage_subset(self):
        """A subset of stages (string)."""
        return self._stage_subset

    @stage_subset.setter
    def stage_subset(self, value):
        self._stage_subset = _support.string(value, 'stage_subset')

    @property
    def max_contact_poses(self):
        """Largest number of contact poses (int32)."""
        return self._max_contact_poses

    @max_contact_poses.setter
    def max_contact_poses(self, value):
        self._max_contact_poses = _support.int32(value, 'max_contact_poses')

    @property
    def return_seeds(self):
        """Seeds to return (int32)."""
        return self._return_seeds

    @return_seeds.setter
    def return_seeds(self, value):
        self._return_seeds = _support.int32(value, 'return_seeds')

    @property
    def tool_type(self):
        """Type of the tool (string)."""
        return self._tool_type

    @tool_type.setter
    def tool_type(self, value):
        self._tool_type = _support.string(value, 'tool_type')

    @property
    def position_tolerance(self):
        """Tolerance on position (float64)."""
        return self._position_tolerance

    @position_tolerance.setter
    def position_tolerance(self, value):
        self._position_tolerance = _support.float64(value, 'position_tolerance')

    @property
    def orientation_tolerance(self):
        """Tolerance on orientation (float64)."""
        return self._orientation_tolerance

    @orientation_tolerance.setter
    def orientation_tolerance(self, value):
        self._orientation_tolerance = _support.float64(value, 'orientation_tolerance')

    @property
    def conform_samples(self):
        """Number of conform samples (int32)."""
        return self._conform_samples

    @conform_samples.setter
    def conform_samples(self, value):
        self._conform_samples = _support.int32(value, 'conform_samples')

    @property
    def orientation_sample_range_deg(self):
        """Range of orientation sampling, in degrees (float64)."""
        return self._orientation_sample_range_deg

    @orientation_sample_range_deg.setter
    def orientation_sample_range_deg(self, value):
        self._orientation_sample_range_deg = _support.float64(value, 'orientation_sample_range_deg')

    @property
    def orientation_sample_step_deg(self):
        """Step of orientation sampling, in degrees (float64)."""
        return self._orientation_sample_step_deg

    @orientation_sample_step_deg.setter
    def orientation_sample_step_deg(self, value):
        self._orientation_sample_step_deg = _support.float64(value, 'orientation_sample_step_deg')

    @property
    def accept_feasible_path(self):
        """Whether a feasible path is accepted (boolean)."""
        return self._accept_feasible_path

    @accept_feasible_path.setter
    def accept_feasible_path(self, value):
        self._accept_feasible_path = _support.boolean(value, 'accept_feasible_path')

    @property
    def max_joint_jump_rad(self):
        """Largest joint jump, in radians (float64)."""
        return self._max_joint_jump_rad

    @max_joint_jump_rad.setter
    def max_joint_jump_rad(self, value):
        self._max_joint_jump_rad = _support.float64(value, 'max_joint_jump_rad')


class Metaclass_SolveIK_Response(type):
    """Holds the C type support of SolveIK_Response once it is imported."""

    _CREATE_ROS_MESSAGE = None
    _CONVERT_FROM_PY = None
    _CONVERT_TO_PY = None
    _DESTROY_ROS_MESSAGE = None
    _TYPE_SUPPORT = None

    @classmethod
    def __import_type_support__(cls):
        _support.import_message_type_support(
            cls, 'solve_ik__response', 'quorvex.srv.SolveIK_Response')


class SolveIK_Response(metaclass=Metaclass_SolveIK_Response):
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

    def __repr__(self):
        return _support.message_repr(self)

    def __eq__(self, other):
        return _support.messages_equal(self, other)

    @classmethod
    def get_fields_and_field_types(cls):
        return copy.copy(cls._fields_and_field_types)

    @property
    def success(self):
        """Whether the request succeeded (boolean)."""
        return self._success

    @success.setter
    def success(self, value):
        self._success = _support.boolean(value, 'success')

    @property
    def summary(self):
        """A summary text (string)."""
        return self._summary

    @summary.setter
    def summary(self, value):
        self._summary = _support.string(value, 'summary')

    @property
    def report_json(self):
        """A report, as JSON text (string)."""
        return self._report_json

    @report_json.setter
    def report_json(self, value):
        self._report_json = _support.string(value, 'report_json')


class Metaclass_SolveIK(type):
    """Holds the C type support of the service SolveIK once it is imported."""

    _TYPE_SUPPORT = None

    @classmethod
    def __import_type_support__(cls):
        _support.import_service_type_support(
            cls, 'solve_ik', 'quorvex.srv.SolveIK', (SolveIK_Request, SolveIK_Response))


class SolveIK(metaclass=Metaclass_SolveIK):
    """The service quorvex/srv/SolveIK: inverse kinematics driven by a pose-information file."""

    Request = SolveIK_Request
    Response = SolveIK_Response

    def __init__(self):
        raise NotImplementedError('Service classes can not be instantiated')
