# Copyright 2026 quorvex developers
# Licensed under the Apache License, Version 2.0
"""
Allocation failures at every allocation point of the conversions.

The rcutils allocator (the C records' memory) fails in convert_from_py, and Python's allocator in
both conversions, each allocation in turn: the call gives an exception (MemoryError for the
records' allocator) or succeeds whole, the record stays valid and nothing leaks.
"""

import gc

from conftest import full_message
from conftest import same_message
import pytest

import _quorvex_test


def sweep(call):
    """Calls call(k) for k = 0, 1, ... until a call has no allocation failed; returns k."""
    for fail_at in range(100000):
        call(fail_at)
        if not _quorvex_test.injected():
            return fail_at
    pytest.fail('the allocations never ended')


@pytest.mark.parametrize('former_length', [0, 3, 200], ids=lambda n: 'former %d' % n)
def test_records_allocator_fails_in_convert_from_py(message_class, former_length):
    message = full_message(message_class, length=100, text='new text')
    former = full_message(message_class, length=former_length, text='f' * former_length)

    def call(fail_at):
        live = _quorvex_test.rcutils_live_blocks()
        record = _quorvex_test.Record(message_class)
        record.from_py(former)
        try:
            record.from_py(message, fail_at=fail_at)
            assert not _quorvex_test.injected() or fail_at < 0
            assert same_message(record.to_py(), message)
        except MemoryError as error:
            assert _quorvex_test.injected()
            assert 'quorvex.srv.' + message_class.__name__ in str(error)
        record.check()
        record.serialize()
        record.destroy()
        assert _quorvex_test.rcutils_live_blocks() == live

    points = sweep(call)
    # Every string and sequence that has to grow takes an allocation.
    assert points >= (1 if former_length < 100 else 0)


def test_pythons_allocator_fails_in_convert_from_py(message_class):
    message = full_message(message_class, length=100, text='t\u00e9xt')

    def call(fail_at):
        record = _quorvex_test.Record(message_class)
        try:
            record.from_py(message, fail_at=fail_at, python=True)
            assert same_message(record.to_py(), message)
        except MemoryError:
            assert _quorvex_test.injected()
        record.check()
        record.destroy()

    sweep(call)


def test_pythons_allocator_fails_in_convert_to_py(message_class):
    message = full_message(message_class, length=100, text='t\u00e9xt')
    record = _quorvex_test.Record(message_class)
    record.from_py(message)

    def call(fail_at):
        try:
            result = record.to_py(fail_at=fail_at)
            assert same_message(result, message)
        except MemoryError:
            assert _quorvex_test.injected()
        record.check()

    points = sweep(call)
    assert points > 0
    # Nothing stays behind from a failed call. Repeated, the calls first fill Python's free lists
    # and caches (which keep blocks), then hold no more: a leak would keep blocks every round.
    for fail_at in range(points):
        kept = []
        while not kept or (kept[-1] >= 20 and len(kept) < 8):
            gc.collect()
            live = _quorvex_test.python_live_blocks()
            for _ in range(200):
                call(fail_at)
            gc.collect()
            kept.append(_quorvex_test.python_live_blocks() - live)
        assert kept[-1] < 20, 'allocation %d: blocks kept by rounds of 200 calls: %s' % (
            fail_at, kept)
