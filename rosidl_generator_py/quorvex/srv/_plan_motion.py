# Copyright 2026 quorvex developers
# Licensed under the Apache License, Version 2.0
"""The service quorvex/srv/PlanMotion and its two messages."""

import array
import copy

from quorvex import _support
from rosidl_parser.definition import BasicType
from rosidl_parser.definition import UnboundedSequence
from rosidl_parser.definition import UnboundedString


class Metaclass_PlanMotion_Request(type):
    """Holds the C type support of PlanMotion_Request once it is imported."""

    _CREATE_ROS_MESSAGE = None
    _CONVERT_FROM_PY = None
    _CONVERT_TO_PY = None
    _DESTROY_ROS_MESSAGE = None
    _TYPE_SUPPORT = None

    @classmethod
    def __import_type_support__(cls):
        _support.import_message_type_support(
            cls, 'plan_motion__request', 'quorvex.srv.PlanMotion_Request')


class PlanMotion_Request(metaclass=Metaclass_PlanMotion_Request):
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

    def __repr__(self):
        return _support.message_repr(self)

    def __eq__(self, other):
        return _support.messages_equal(self, other)

    @classmethod
    def get_fields_and_field_types(cls):
        return copy.copy(cls._fields_and_field_types)

    @property
    def start_joints(self):
        """Joint values at the start (float64[], an array.array('d'))."""
        return self._start_joints

    @start_joints.setter
    def start_joints(self, value):
        self._start_joints = _support.float64_array(value, 'start_joints')

    @property
    def goal_joints(self):
        """Joint values at the goal (float64[], an array.array('d'))."""
        return self._goal_joints

    @goal_joints.setter
    def goal_joints(self, value):
        self._goal_joints = _support.float64_array(value, 'goal_joints')


class Metaclass_PlanMotion_Response(type):
    """Holds the C type support of PlanMotion_Response once it is imported."""

    _CREATE_ROS_MESSAGE = None
    _CONVERT_FROM_PY = None
    _CONVERT_TO_PY = None
    _DESTROY_ROS_MESSAGE = None
    _TYPE_SUPPORT = None

    @classmethod
    def __import_type_support__(cls):
        _support.import_message_type_support(
            cls, 'plan_motion__response', 'quorvex.srv.PlanMotion_Response')


class PlanMotion_Response(metaclass=Metaclass_PlanMotion_Response):
    """
    Response of quorvex/srv/PlanMotion: a trajectory of n_points points of n_joints joints.

    The *_flat members hold n_points x n_joints values, point-major in the demo's server; nothing
    in this package checks that.
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
    def message(self):
        """A message text (string)."""
        return self._message

    @message.setter
    def message(self, value):
        self._message = _support.string(value, 'message')

    @property
    def waypoints_flat(self):
        """Waypoints, flattened (float64[], an array.array('d'))."""
        return self._waypoints_flat

    @waypoints_flat.setter
    def waypoints_flat(self, value):
        self._waypoints_flat = _support.float64_array(value, 'waypoints_flat')

    @property
    def velocities_flat(self):
        """Velocities, flattened (float64[], an array.array('d'))."""
        return self._velocities_flat

    @velocities_flat.setter
    def velocities_flat(self, value):
        self._velocities_flat = _support.float64_array(value, 'velocities_flat')

    @property
    def accelerations_flat(self):
        """Accelerations, flattened (float64[], an array.array('d'))."""
        return self._accelerations_flat

    @accelerations_flat.setter
    def accelerations_flat(self, value):
        self._accelerations_flat = _support.float64_array(value, 'accelerations_flat')

    @property
    def time_from_start(self):
        """Time of each point from the start (float64[], an array.array('d'))."""
        return self._time_from_start

    @time_from_start.setter
    def time_from_start(self, value):
        self._time_from_start = _support.float64_array(value, 'time_from_start')

    @property
    def n_points(self):
        """Number of points (int32)."""
        return self._n_points

    @n_points.setter
    def n_points(self, value):
        self._n_points = _support.int32(value, 'n_points')

    @property
    def n_joints(self):
        """Number of joints (int32)."""
        return self._n_joints

    @n_joints.setter
    def n_joints(self, value):
        self._n_joints = _support.int32(value, 'n_joints')


class Metaclass_PlanMotion(type):
    """Holds the C type support of the service PlanMotion once it is imported."""

    _TYPE_SUPPORT = None

    @classmethod
    def __import_type_support__(cls):
        _support.import_service_type_support(
            cls, 'plan_motion', 'quorvex.srv.PlanMotion',
            (PlanMotion_Request, PlanMotion_Response))


class PlanMotion(metaclass=Metaclass_PlanMotion):
    """The service quorvex/srv/PlanMotion: a joint-space motion from start to goal."""

    Request = PlanMotion_Request
    Response = PlanMotion_Response

    def __init__(self):
        raise NotImplementedError('Service classes can not be instantiated')
