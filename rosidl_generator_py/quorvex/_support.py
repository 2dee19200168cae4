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


def boolean(value, member):
    if not isinstance(value, bool):
        refuse(TypeError, "The '%s' field must be of type 'bool', not '%s'" % (
            member, _type_name(value)))
    return value


def int32(value, member):
    if not isinstance(value, int):
        refuse(TypeError, "The '%s' field must be of type 'int', not '%s'" % (
            member, _type_name(value)))
    if not INT32_MIN <= value <= INT32_MAX:
        refuse(OverflowError, "The '%s' field must be an integer in [%d, %d]" % (
            member, INT32_MIN, INT32_MAX))
    return value


def float64(value, member):
    if not isinstance(value, float):
        refuse(TypeError, "The '%s' field must be of type 'float', not '%s'" % (
            member, _type_name(value)))
    return value


def string(value, member):
    if not isinstance(value, str):
        refuse(TypeError, "The '%s' field must be of type 'str', not '%s'" % (
            member, _type_name(value)))
    return value


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


def message_repr(message):
    """quorvex.srv.PlanMotion_Request(start_joints=array('d', [0.0]), goal_joints=array('d', []))."""
    message_class = type(message)
    package = message_class.__module__.rpartition('.')[0]
    members = []
    for member in message_class._fields_and_field_types:
        value = getattr(message, member)
        if isinstance(value, array.array):
            text = 'array(%r, %r)' % (value.typecode, value.tolist())
        else:
            text = repr(value)
        members.append('%s=%s' % (member, text))
    return '%s.%s(%s)' % (package, message_class.__name__, ', '.join(members))


def messages_equal(message, other):
    """Whether `other` is a message of the same class with every member equal."""
    if not isinstance(other, type(message)):
        return False
    return all(
        getattr(message, member) == getattr(other, member)
        for member in type(message)._fields_and_field_types)


def _import_type_support_module(logger_name):
    """The package's C type-support module, or None after logging why it cannot be imported."""
    try:
        from rosidl_generator_py import import_type_support
        return import_type_support('quorvex')
    except ImportError:
        logging.getLogger(logger_name).debug(
            'Failed to import needed modules for type support:\n%s', traceback.format_exc())
        return None


def import_message_type_support(metaclass, message_snake, logger_name):
    """Set the five type-support attributes of a message's metaclass from the extension."""
    module = _import_type_support_module(logger_name)
    if module is None:
        return
    suffix = '_msg__srv__' + message_snake
    create = getattr(module, 'create_ros_message' + suffix)
    convert_from_py = getattr(module, 'convert_from_py' + suffix)
    convert_to_py = getattr(module, 'convert_to_py' + suffix)
    destroy = getattr(module, 'destroy_ros_message' + suffix)
    type_support = getattr(module, 'type_support' + suffix)
    metaclass._CREATE_ROS_MESSAGE = create
    metaclass._CONVERT_FROM_PY = convert_from_py
    metaclass._CONVERT_TO_PY = convert_to_py
    metaclass._DESTROY_ROS_MESSAGE = destroy
    # Last: a caller that sees the handle set finds the functions set too.
    metaclass._TYPE_SUPPORT = type_support


def import_service_type_support(metaclass, service_snake, logger_name, messages):
    """Set a service metaclass's _TYPE_SUPPORT and import its messages' type support."""
    module = _import_type_support_module(logger_name)
    if module is None:
        return
    for message in messages:
        if message._TYPE_SUPPORT is None:
            message.__import_type_support__()
    metaclass._TYPE_SUPPORT = getattr(module, 'type_support_srv__srv__' + service_snake)
