# Copyright 2026 quorvex developers
# Licensed under the Apache License, Version 2.0
"""Shared by the Python tests: the message classes, rclpy's steps and message builders."""

import array
import struct

from hypothesis import settings
import pytest

import _quorvex_test
from quorvex.srv import PlanMotion
from quorvex.srv import SolveIK

# Generated cases come from a fixed seed and leave nothing behind.
settings.register_profile('quorvex', database=None, derandomize=True, deadline=None)
settings.load_profile('quorvex')

SERVICES = (SolveIK, PlanMotion)
MESSAGES = (SolveIK.Request, SolveIK.Response, PlanMotion.Request, PlanMotion.Response)
SNAKE_NAMES = {
    SolveIK.Request: 'solve_ik__request',
    SolveIK.Response: 'solve_ik__response',
    PlanMotion.Request: 'plan_motion__request',
    PlanMotion.Response: 'plan_motion__response',
}

for _service in SERVICES:
    _service.__import_type_support__()


def refusal(error_type):
    """The exception a property raises for a value it refuses: an AssertionError unless -O."""
    return AssertionError if __debug__ else error_type


def bits(value):
    """A float64 as its bits, so that NaN payloads and -0.0 compare exactly."""
    return struct.pack('<d', value)


def same_message(left, right):
    """Equal class and members, floats compared bit for bit."""
    if type(left) is not type(right):
        return False
    for member in type(left).get_fields_and_field_types():
        a = getattr(left, member)
        b = getattr(right, member)
        if isinstance(a, array.array):
            if not isinstance(b, array.array) or a.typecode != 'd' or b.typecode != 'd':
                return False
            if a.tobytes() != b.tobytes():
                return False
        elif isinstance(a, float):
            if type(b) is not float or bits(a) != bits(b):
                return False
        elif type(a) is not type(b) or a != b:
            return False
    return True


def from_py(message):
    """A C record filled from `message` as rclpy fills it."""
    record = _quorvex_test.Record(type(message))
    record.from_py(message)
    return record


def full_message(message_class, length=3, text='text'):
    """A message with every member set to something other than its default."""
    values = []
    for member, kind in message_class.get_fields_and_field_types().items():
        if kind == 'sequence<double>':
            value = array.array('d', (0.5 + i for i in range(length)))
        elif kind == 'string':
            value = text + '-' + member
        elif kind == 'boolean':
            value = True
        elif kind == 'int32':
            value = -7
        else:
            value = 2.5
        values.append((member, value))
    return message_class(**dict(values))


@pytest.fixture(params=MESSAGES, ids=lambda message_class: message_class.__name__)
def message_class(request):
    return request.param
