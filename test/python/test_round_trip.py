# Copyright 2026 quorvex developers
# Licensed under the Apache License, Version 2.0
"""
Round trips through the rclpy path.

Python message -> C record (_CONVERT_FROM_PY) -> CDR bytes through _TYPE_SUPPORT and
rosidl_typesupport_fastrtps_c -> the same bytes as the C++ library writes for the equal C++
record -> read into a new record -> _CONVERT_TO_PY -> the same message, floats bit for bit.
"""

import array
import random
import struct

from conftest import from_py
from conftest import full_message
from conftest import MESSAGES
from conftest import same_message
from hypothesis import given
from hypothesis import settings
from hypothesis import strategies
import numpy
import pytest
from quorvex.srv import PlanMotion
from quorvex.srv import SolveIK

import _quorvex_test

INT32_LIMITS = (-2 ** 31, 2 ** 31 - 1)
SPECIAL_FLOATS = [
    0.0, -0.0, float('inf'), float('-inf'), float('nan'), 5e-324, -5e-324, 2.2250738585072009e-308,
    1.7976931348623157e308, struct.unpack('<d', struct.pack('<Q', 0x7ff0000000000123))[0],
    struct.unpack('<d', struct.pack('<Q', 0xfff8000000abcdef))[0]]

# Text that UTF-8 can encode: no lone surrogates, no NUL (both refused, see the hostile tests).
TEXTS = strategies.text(
    alphabet=strategies.characters(blacklist_categories=('Cs',), blacklist_characters='\0'),
    max_size=40)
FLOATS = strategies.floats(allow_nan=True, allow_infinity=True) | strategies.sampled_from(
    SPECIAL_FLOATS)
STRATEGIES = {
    'string': TEXTS,
    'boolean': strategies.booleans(),
    'int32': strategies.integers(*INT32_LIMITS),
    'double': FLOATS,
    'sequence<double>': strategies.lists(FLOATS, max_size=30).map(
        lambda values: array.array('d', values)),
}


def messages_of(message_class):
    members = {member: STRATEGIES[kind]
               for member, kind in message_class.get_fields_and_field_types().items()}
    return strategies.builds(message_class, **members)


def check_round_trip(message):
    record = from_py(message)
    record.check()
    for big_endian in (False, True):
        written = record.serialize(big_endian)
        assert written == _quorvex_test.cpp_serialize(message, big_endian)
        read = _quorvex_test.Record(type(message))
        read.deserialize(written, big_endian)
        read.check()
        back = read.to_py()
        assert same_message(back, message), (back, message)
    assert same_message(record.to_py(), message)


@pytest.mark.parametrize('message_class', MESSAGES, ids=lambda cls: cls.__name__)
def test_generated_messages(message_class):
    @settings(max_examples=150)
    @given(messages_of(message_class))
    def round_trip(message):
        check_round_trip(message)
    round_trip()


def large_message(message_class, seed):
    """Members at their sizes of interest: 70,000-byte strings and 20,000-value sequences."""
    generator = random.Random(seed)
    values = {}
    for member, kind in message_class.get_fields_and_field_types().items():
        if kind == 'string':
            values[member] = ''.join(
                generator.choice('abcdef\u00e9\u4e2d\U0001f916 ') for _ in range(70000))
            values[member] = values[member].encode()[:70000].decode(errors='ignore')
        elif kind == 'sequence<double>':
            values[member] = array.array('d', (
                generator.choice(SPECIAL_FLOATS) if generator.random() < 0.01 else
                generator.uniform(-1e6, 1e6) for _ in range(20000)))
        elif kind == 'int32':
            values[member] = generator.choice(INT32_LIMITS)
        elif kind == 'boolean':
            values[member] = True
        else:
            values[member] = generator.choice(SPECIAL_FLOATS)
    return message_class(**values)


@pytest.mark.parametrize('message_class', MESSAGES, ids=lambda cls: cls.__name__)
def test_large_and_empty_messages(message_class):
    check_round_trip(message_class())
    check_round_trip(large_message(message_class, seed=15))


def test_strings_at_both_ends_of_the_utf8_range():
    check_round_trip(SolveIK.Response(summary='\x01\x7f\x80\u07ff\u0800\uffff\U00010000\U0010ffff'))


def test_members_set_directly_as_lists_tuples_and_numpy_arrays():
    # Not through the properties: convert_from_py takes any sequence of floats, and any
    # C-contiguous buffer of float64 in one block.
    values = numpy.linspace(0.0, 1.0, 9)
    for start, goal in ((list(values), tuple(values)), (values, values[::2]),
                        (values.astype('>f8'), {0.5})):
        message = PlanMotion.Request()
        message._start_joints = start
        message._goal_joints = goal
        record = from_py(message)
        back = record.to_py()
        assert back.start_joints.tolist() == list(map(float, start))
        assert back.goal_joints.tolist() == list(map(float, goal))


def test_a_record_is_filled_again_with_longer_and_shorter_values():
    record = _quorvex_test.Record(PlanMotion.Response)
    for length in (3, 1000, 10, 0, 20000, 5):
        message = full_message(PlanMotion.Response, length=length, text='t' * length)
        record.from_py(message)
        record.check()
        assert record.serialize() == _quorvex_test.cpp_serialize(message)
        assert same_message(record.to_py(), message)


def test_text_that_is_not_utf8_decodes_with_replacement_characters():
    # A SolveIK_Response written by a peer: success, then 'a\xffb' and '\xc3' with their NULs.
    body = b'\x01\x00\x00\x00' + b'\x04\x00\x00\x00a\xffb\x00' + b'\x02\x00\x00\x00\xc3\x00'
    record = _quorvex_test.Record(SolveIK.Response)
    record.deserialize(body)
    message = record.to_py()
    assert (message.success, message.summary, message.report_json) == (
        True, 'a\ufffdb', '\ufffd')


def test_the_service_handle_leads_to_both_messages():
    # The same request through the service class's messages, as a client and a server see it.
    request = PlanMotion.Request(start_joints=[0.0, 0.5], goal_joints=[1.0, 1.5])
    record = from_py(request)
    read = _quorvex_test.Record(PlanMotion.Request)
    read.deserialize(record.serialize())
    assert read.to_py() == request
