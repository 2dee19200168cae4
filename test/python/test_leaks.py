# Copyright 2026 quorvex developers
# Licensed under the Apache License, Version 2.0
"""10,000 conversions each way of every message, failed ones included, leave memory flat."""

import gc
import os

from conftest import full_message

import _quorvex_test

ROUNDS = 10000


def resident_bytes():
    with open('/proc/self/statm') as statm:
        return int(statm.read().split()[1]) * os.sysconf('SC_PAGE_SIZE')


def refused_message(message_class):
    """A message whose last member cannot be converted, so that all the others are."""
    message = full_message(message_class, length=100, text='refused')
    last = list(message_class.get_fields_and_field_types())[-1]
    setattr(message, '_' + last, object())
    return message


def convert(message_class, message, refused):
    record = _quorvex_test.Record(message_class)
    record.from_py(message)
    back = record.to_py()
    try:
        record.from_py(refused)
    except TypeError:
        pass
    try:
        record.to_py(fail_at=3)
    except MemoryError:
        pass
    record.destroy()
    return back


def test_conversions_leave_memory_flat(message_class):
    message = full_message(message_class, length=1000, text='x' * 1000)
    refused = refused_message(message_class)
    for _ in range(500):
        convert(message_class, message, refused)
    # Failed conversions leave exceptions whose tracebacks are cycles: collected, they are gone.
    gc.collect()
    python_blocks = _quorvex_test.python_live_blocks()
    record_blocks = _quorvex_test.rcutils_live_blocks()
    resident = resident_bytes()
    for _ in range(ROUNDS):
        back = convert(message_class, message, refused)
    del back
    gc.collect()
    assert _quorvex_test.rcutils_live_blocks() == record_blocks
    # A block lost per round would be 10,000; caches, free lists and CPython's own paths under
    # the injected failures move by a few hundred at most.
    assert _quorvex_test.python_live_blocks() - python_blocks < 1000
    # Each round moves some 24 kB; a leak of any of it would show here. AddressSanitizer keeps
    # freed memory in quarantine, so the resident size is not telling under it.
    if not _quorvex_test.sanitized:
        assert resident_bytes() - resident < 8 * 1024 * 1024
