# Copyright 2026 quorvex developers
# Licensed under the Apache License, Version 2.0
"""
What the message classes of quorvex.srv share: member checks, repr, equality, type support.

Every member value is checked whether or not Python runs with assertions. While it does
(`__debug__`), a refused value raises AssertionError, as ROS 2 users expect of message classes;
under `python3 -O` it raises the TypeError, ValueError or OverflowError that the C conversions
raise for the same value.
"""

import array
from collections import UserList
from collections import UserString
from collections.abc import Sequence
from collections.abc import Set
import logging
import sys
import traceback

from quorvex import _sequences

INT32_MIN = -2 ** 31
INT32_MAX = 2 ** 31 - 1

# Formats under which a buffer (a NumPy array, a memoryview) holds native float64 values.
_NATIVE_FLOAT64_FORMATS = ('d', '@d', '=d', '<d' if sys.byteorder == 'little' else '>d')


def refuse(error_type, text):
    """Refuse a value: AssertionError while assertions are on, else `error_type`."""
    if __debug__:
        raise AssertionError(text)
    raise error_type(text)


def check_keywords(message, keywords):
    """Refuse keyword arguments that name no member of the message, naming them all, sorted."""
    unknown = sorted(key for key in keywords if key not in message._fields_and_field_types)
    if unknown:
        refuse(TypeError, 'Invalid arguments passed to constructor: %s' % ', '.join(unknown))


def _type_name(value):
    return type(value).__name__


def _of_type(value, member, value_type):
    """`value` when it is a `value_type` (a subclass too), else refused naming the member."""
    if not isinstance(value, value_type):
        refuse(TypeError, "The '%s' field must be of type '%s', not '%s'" % (
            member, value_type.__name__, _type_name(value)))
    return value


def boolean(value, member):
    return _of_type(value, member, bool)


def int32(value, member):
    if not INT32_MIN <= _of_type(value, member, int) <= INT32_MAX:
        refuse(OverflowError, "The '%s' field must be an integer in [%d, %d]" % (
            member, INT32_MIN, INT32_MAX))
    return value


def float64(value, member):
    return _of_type(value, member, float)


def string(value, member):
    return _of_type(value, member, str)


def _refuse_items(values, member):
    for index, item in enumerate(values):
        if not isinstance(item, float):
            refuse(TypeError, (
                "The '%s' field must be a set or sequence of values of type 'float'; "
                "element %d is of type '%s'") % (member, index, _type_name(item)))


def _float64_buffer(value):
    """The values of a 1-D buffer of float64 (e.g. a NumPy array); None for another object."""
    try:
        view = memoryview(value)
    except TypeError:
        return None
    with view:
        if view.ndim != 1:
            return None
        if view.format in _NATIVE_FLOAT64_FORMATS and view.c_contiguous:
            values = array.array('d')
            values.frombytes(view.cast('B'))
            return values
        # Another byte order or a stride: element by element, the elements checked as floats.
        return tuple(value)


def float64_array(value, member):
    """
    The array.array('d') that a float64[] member holds for `value`.

    An array.array('d') is taken as it is; any other sequence or set of floats, or a 1-D buffer
    of float64 such as a NumPy array, is copied into a new one. A str, an array of another type
    code and any element that is not a float (an int included) are refused.
    """
    if isinstance(value, array.array):
        if value.typecode != 'd':
            refuse(TypeError, "The '%s' array.array() must have the type code of 'd', not '%s'" % (
                member, value.typecode))
        return value
    if isinstance(value, (str, UserString)):
        refuse(TypeError, "The '%s' field must be a set or sequence of float, not '%s'" % (
            member, _type_name(value)))
    converted = _sequences.float64_array(value)
    if converted is not None:
        return converted
    if isinstance(value, (Sequence, Set, UserList)):
        values = tuple(value)
    else:
        values = _float64_buffer(value)
        if isinstance(values, array.array):
            return values
    if values is None:
        refuse(TypeError, "The '%s' field must be a set or sequence of float, not '%s'" % (
            member, _type_name(value)))
    converted = _sequences.float64_array(values)
    if converted is None:
        _refuse_items(values, member)
    return converted


def member(name, check, doc):
    """The property of member `name`: reads its slot `_<name>`, sets it to check(value, name)."""
    slot = '_' + name

    def get(message):
        return getattr(message, slot)

    def set_(message, value):
        setattr(message, slot, check(value, name))

    return property(get, set_, doc=doc)


class Message:
    """What every message class shares: repr, equality and the description of its members."""

    __slots__ = ()

    def __repr__(self):
        """quorvex.srv.PlanMotion_Request(start_joints=array('d', [0.0]), goal_joints=...)."""
        message_class = type(self)
        package = message_class.__module__.rpartition('.')[0]
        members = []
        for name in message_class._fields_and_field_types:
            value = getattr(self, name)
            if isinstance(value, array.array):
                text = 'array(%r, %r)' % (value.typecode, value.tolist())
            else:
                text = repr(value)
            members.append('%s=%s' % (name, text))
        return '%s.%s(%s)' % (package, message_class.__name__, ', '.join(members))

    def __eq__(self, other):
        """Whether `other` is a message of this class with every member equal."""
        if not isinstance(other, type(self)):
            return False
        return all(getattr(self, name) == getattr(other, name)
                   for name in type(self)._fields_and_field_types)

    @classmethod
    def get_fields_and_field_types(cls):
        """{member: interface type}, a copy."""
        return dict(cls._fields_and_field_types)


def _import_type_support_module(logger_name):
    """The package's C type-support module, or None after logging why it cannot be imported."""
    try:
        from rosidl_generator_py import import_type_support
        return import_type_support('quorvex')
    except ImportError:
        logging.getLogger(logger_name).debug(
            'Failed to import needed modules for type support:\n%s', traceback.format_exc())
        return None


class MessageMetaclass(type):
    """
    The base of each message's metaclass: what rclpy takes from the class, None until
    __import_type_support__() sets it from the package's extension module.

    A message's metaclass names its message in the capsules (`_SNAKE_NAME`, e.g.
    'plan_motion__request') and its logger (`_LOGGER_NAME`).
    """

    _CREATE_ROS_MESSAGE = None
    _CONVERT_FROM_PY = None
    _CONVERT_TO_PY = None
    _DESTROY_ROS_MESSAGE = None
    _TYPE_SUPPORT = None

    @classmethod
    def __import_type_support__(cls):
        module = _import_type_support_module(cls._LOGGER_NAME)
        if module is None:
            return
        suffix = '_msg__srv__' + cls._SNAKE_NAME
        create = getattr(module, 'create_ros_message' + suffix)
        convert_from_py = getattr(module, 'convert_from_py' + suffix)
        convert_to_py = getattr(module, 'convert_to_py' + suffix)
        destroy = getattr(module, 'destroy_ros_message' + suffix)
        type_support = getattr(module, 'type_support' + suffix)
        cls._CREATE_ROS_MESSAGE = create
        cls._CONVERT_FROM_PY = convert_from_py
        cls._CONVERT_TO_PY = convert_to_py
        cls._DESTROY_ROS_MESSAGE = destroy
        # Last: a caller that sees the handle set finds the functions set too.
        cls._TYPE_SUPPORT = type_support


class ServiceMetaclass(type):
    """
    The base of each service's metaclass: _TYPE_SUPPORT, set with the messages' type support by
    __import_type_support__(). A service's metaclass names it (`_SNAKE_NAME`, `_LOGGER_NAME`) and
    its two message classes (`_MESSAGES`).
    """

    _TYPE_SUPPORT = None

    @classmethod
    def __import_type_support__(cls):
        module = _import_type_support_module(cls._LOGGER_NAME)
        if module is None:
            return
        for message_class in cls._MESSAGES:
            if message_class._TYPE_SUPPORT is None:
                message_class.__import_type_support__()
        cls._TYPE_SUPPORT = getattr(module, 'type_support_srv__srv__' + cls._SNAKE_NAME)


class Service:
    """What every service class shares: it is never instantiated."""

    def __init__(self):
        raise NotImplementedError('Service classes can not be instantiated')
