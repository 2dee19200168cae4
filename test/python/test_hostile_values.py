# Copyright 2026 quorvex developers
# Licensed under the Apache License, Version 2.0
"""
Values a message cannot carry, refused by the properties and by convert_from_py.

Run twice: with assertions on, where the properties refuse with AssertionError, and with
PYTHONOPTIMIZE=1 (as `python3 -O`), where they refuse with TypeError, ValueError or
OverflowError. convert_from_py refuses the same whatever the mode, also values set directly on
`_member`, and leaves the record valid.
"""

import array
from collections import UserString

from conftest import full_message
from conftest import MESSAGES
from conftest import refusal
from conftest import same_message
import numpy
import pytest
from quorvex.srv import PlanMotion
from quorvex.srv import SolveIK

import _quorvex_test

# (kind, value, error of convert_from_py, error of the property under -O); None: accepted.
HOSTILE = {
    'boolean': [(1, TypeError), (None, TypeError), ('true', TypeError), (numpy.bool_(True),
                                                                           TypeError)],
    'int32': [(2 ** 31, OverflowError), (-2 ** 31 - 1, OverflowError), (10 ** 100, OverflowError),
              (1.0, TypeError), ('1', TypeError), (numpy.int32(1), TypeError), (None, TypeError)],
    'double': [(1, TypeError), ('1.0', TypeError), (None, TypeError), (numpy.float32(1.0),
                                                                      TypeError)],
    'string': [(b'bytes', TypeError), (None, TypeError), (1, TypeError),
               (UserString('x'), TypeError)],
    'sequence<double>': [
        ([1.0, 2], TypeError), ([1], TypeError), ('1.0', TypeError), ([True], TypeError),
        (array.array('q', [1]), TypeError),
        (numpy.zeros((2, 2)), TypeError), (numpy.zeros(3, dtype=numpy.float32), TypeError),
        (b'\x00' * 8, TypeError), (None, TypeError), (1.0, TypeError), ([None], TypeError)],
}

# Strings the property takes (a str) but a message cannot carry.
UNSENDABLE_TEXT = ['a\0b', '\0', 'lone \ud800 surrogate', '\udfff']


def members_of_kind(message_class, kind):
    return [member for member, member_kind in message_class.get_fields_and_field_types().items()
            if member_kind == kind]


def cases():
    for message_class in MESSAGES:
        for kind, values in HOSTILE.items():
            for member in members_of_kind(message_class, kind)[:2]:
                for value, error in values:
                    yield pytest.param(
                        message_class, member, value, error,
                        id='%s.%s=%r' % (message_class.__name__, member, value)[:80])


def test_property_refuses_arrays_of_another_type_code():
    message = PlanMotion.Request()
    with pytest.raises(refusal(TypeError)) as raised:
        message.start_joints = array.array('f', [1.0])
    assert "'start_joints'" in str(raised.value) and "'d'" in str(raised.value)


@pytest.mark.parametrize('message_class, member, value, error', cases())
def test_property_refuses(message_class, member, value, error):
    message = full_message(message_class)
    before = getattr(message, member)
    with pytest.raises(refusal(error)) as raised:
        setattr(message, member, value)
    assert "'%s'" % member in str(raised.value)
    assert getattr(message, member) is before


def full_name(message_class):
    return 'quorvex.srv.' + message_class.__name__


def check_refused(message, error, member):
    """convert_from_py refuses `message` with `error` naming the member; the record stays valid."""
    record = _quorvex_test.Record(type(message))
    record.from_py(full_message(type(message), length=50, text='former'))
    with pytest.raises(error) as raised:
        record.from_py(message)
    assert '%s.%s' % (full_name(type(message)), member) in str(raised.value)
    record.check()
    record.serialize()
    # The record takes a good message again afterwards.
    good = full_message(type(message), length=7)
    record.from_py(good)
    assert same_message(record.to_py(), good)
    record.destroy()


@pytest.mark.parametrize('message_class, member, value, error', cases())
def test_convert_from_py_refuses_a_member_set_directly(message_class, member, value, error):
    message = full_message(message_class)
    setattr(message, '_' + member, value)
    check_refused(message, error, member)


@pytest.mark.parametrize('text', UNSENDABLE_TEXT, ids=repr)
def test_convert_from_py_refuses_text_a_message_cannot_carry(text):
    for message_class in MESSAGES:
        for member in members_of_kind(message_class, 'string'):
            message = full_message(message_class)
            setattr(message, member, text)
            check_refused(message, ValueError, member)


def test_convert_from_py_refuses_a_member_that_is_not_set(message_class):
    for member in message_class.get_fields_and_field_types():
        message = full_message(message_class)
        delattr(message, '_' + member)
        check_refused(message, TypeError, member)


def test_convert_from_py_refuses_another_class():
    record = _quorvex_test.Record(PlanMotion.Request)
    convert = PlanMotion.Request._CONVERT_FROM_PY
    # The record's class takes the message's own _CONVERT_FROM_PY: rclpy takes it from
    # type(msg), so a mismatch only arises when a caller mixes them; the capsule refuses it.
    with pytest.raises(TypeError) as raised:
        _call_from_py_with(convert, record, SolveIK.Request())
    assert 'quorvex.srv.PlanMotion_Request' in str(raised.value)
    record.check()


def _call_from_py_with(convert, record, message):
    """Calls `convert` on `message` by giving the message's class that capsule for a moment."""
    metaclass = type(type(message))
    own = metaclass._CONVERT_FROM_PY
    metaclass._CONVERT_FROM_PY = convert
    try:
        record.from_py(message)
    finally:
        metaclass._CONVERT_FROM_PY = own


def test_subclasses_and_float_subclasses_are_taken():
    class Joints(PlanMotion.Request):
        __slots__ = ()

    message = Joints(start_joints=[numpy.float64(0.25)])
    message._goal_joints = [numpy.float64(0.5), 1.5]
    record = _quorvex_test.Record(PlanMotion.Request)
    record.from_py(message)
    back = record.to_py()
    assert back.start_joints.tolist() == [0.25] and back.goal_joints.tolist() == [0.5, 1.5]
    assert type(back) is PlanMotion.Request
