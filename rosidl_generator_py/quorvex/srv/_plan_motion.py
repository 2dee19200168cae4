# Copyright 2026 quorvex developers
# Licensed under the Apache License, Version 2.0
"""The service quorvex/srv/PlanMotion and its two messages."""

import array

from quorvex import _support
from rosidl_parser.definition import BasicType
from rosidl_parser.definition import UnboundedSequence
from rosidl_parser.definition import UnboundedString


class Metaclass_PlanMotion_Request(_support.MessageMetaclass):
    """Holds the C type support of PlanMotion_Request once it is imported."""

    _SNAKE_NAME = 'plan_motion__request'
    _LOGGER_NAME = 'quorvex.srv.PlanMotion_Request'


class PlanMotion_Request(_support.Message, metaclass=Metaclass_PlanMotion_Request):
    """Request of quorvex/srv/PlanMotion: the joint values to move from and to."""

    __slots__ = [
        '_start_joints',
        '_goal_joints',
    ]

    _fields_and_field_types = {
        'start_joints': 'sequence<double>',
        'goal_joints': 'sequence<double>',
    }

    SLOT_TYPES = (
        UnboundedSequence(BasicType('double')),
        UnboundedSequence(BasicType('double')),
    )

    def __init__(self, **kwargs):
        _support.check_keywords(self, kwargs)
        self.start_joints = kwargs.get('start_joints', array.array('d'))
        self.goal_joints = kwargs.get('goal_joints', array.array('d'))

    start_joints = _support.member(
        'start_joints', _support.float64_array, 'Joint values at the start (float64[]).')
    goal_joints = _support.member(
        'goal_joints', _support.float64_array, 'Joint values at the goal (float64[]).')


class Metaclass_PlanMotion_Response(_support.MessageMetaclass):
    """Holds the C type support of PlanMotion_Response once it is imported."""

    _SNAKE_NAME = 'plan_motion__response'
    _LOGGER_NAME = 'quorvex.srv.PlanMotion_Response'


class PlanMotion_Response(_support.Message, metaclass=Metaclass_PlanMotion_Response):
    """
    Response of quorvex/srv/PlanMotion: a trajectory of n_points points of n_joints joints.

    The *_flat members hold n_points x n_joints values, point-major in the demo's server;
    nothing in this package checks that.
    """

    __slots__ = [
        '_success',
        '_message',
        '_waypoints_flat',
        '_velocities_flat',
        '_accelerations_flat',
        '_time_from_start',
        '_n_points',
        '_n_joints',
    ]

    _fields_and_field_types = {
        'success': 'boolean',
        'message': 'string',
        'waypoints_flat': 'sequence<double>',
        'velocities_flat': 'sequence<double>',
        'accelerations_flat': 'sequence<double>',
        'time_from_start': 'sequence<double>',
        'n_points': 'int32',
        'n_joints': 'int32',
    }

    SLOT_TYPES = (
        BasicType('boolean'),
        UnboundedString(),
        UnboundedSequence(BasicType('double')),
        UnboundedSequence(BasicType('double')),
        UnboundedSequence(BasicType('double')),
        UnboundedSequence(BasicType('double')),
        BasicType('int32'),
        BasicType('int32'),
    )

    def __init__(self, **kwargs):
        _support.check_keywords(self, kwargs)
        self.success = kwargs.get('success', False)
        self.message = kwargs.get('message', '')
        self.waypoints_flat = kwargs.get('waypoints_flat', array.array('d'))
        self.velocities_flat = kwargs.get('velocities_flat', array.array('d'))
        self.accelerations_flat = kwargs.get('accelerations_flat', array.array('d'))
        self.time_from_start = kwargs.get('time_from_start', array.array('d'))
        self.n_points = kwargs.get('n_points', 0)
        self.n_joints = kwargs.get('n_joints', 0)

    success = _support.member(
        'success', _support.boolean, 'Whether the request succeeded (boolean).')
    message = _support.member('message', _support.string, 'A message text (string).')
    waypoints_flat = _support.member(
        'waypoints_flat', _support.float64_array, 'Waypoints, flattened (float64[]).')
    velocities_flat = _support.member(
        'velocities_flat', _support.float64_array, 'Velocities, flattened (float64[]).')
    accelerations_flat = _support.member(
        'accelerations_flat', _support.float64_array, 'Accelerations, flattened (float64[]).')
    time_from_start = _support.member(
        'time_from_start', _support.float64_array,
        'Time of each point from the start (float64[]).')
    n_points = _support.member('n_points', _support.int32, 'Number of points (int32).')
    n_joints = _support.member('n_joints', _support.int32, 'Number of joints (int32).')


class Metaclass_PlanMotion(_support.ServiceMetaclass):
    """Holds the C type support of the service PlanMotion once it is imported."""

    _SNAKE_NAME = 'plan_motion'
    _LOGGER_NAME = 'quorvex.srv.PlanMotion'
    _MESSAGES = (PlanMotion_Request, PlanMotion_Response)


class PlanMotion(_support.Service, metaclass=Metaclass_PlanMotion):
    """The service quorvex/srv/PlanMotion: a joint-space motion from start to goal."""

    Request = PlanMotion_Request
    Response = PlanMotion_Response
