#!/usr/bin/env python3
# Copyright 2026 quorvex developers
# Licensed under the Apache License, Version 2.0
"""Writes the seed corpora of the fuzz targets into fuzz/corpus/<target>/.

The CDR seeds are the byte layouts of the four messages (empty members, short contents, both
byte orders); the program seeds exercise every operation once, with and without failures.
Run it again after changing the input format of a target.
"""

import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def write(target, name, data):
    folder = os.path.join(HERE, 'corpus', target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), 'wb') as f:
        f.write(bytes(data))


class Cdr:
    """A CDR writer with the alignment rules of the messages' encoding."""

    def __init__(self, big_endian=False):
        self.order = '>' if big_endian else '<'
        self.out = bytearray()

    def align(self, n):
        self.out += b'\0' * ((n - len(self.out) % n) & (n - 1))

    def bool(self, v):
        self.out += bytes([1 if v else 0])

    def int32(self, v):
        self.align(4)
        self.out += struct.pack(self.order + 'i', v)

    def float64(self, v):
        self.align(8)
        self.out += struct.pack(self.order + 'd', v)

    def string(self, text):
        self.align(4)
        data = text.encode()
        self.out += struct.pack(self.order + 'I', len(data) + 1) + data + b'\0'

    def sequence(self, values):
        self.align(4)
        self.out += struct.pack(self.order + 'I', len(values))
        if values:
            self.align(8)
            for v in values:
                self.out += struct.pack(self.order + 'd', v)


def solve_ik_request(c, path='', subset='', tool=''):
    c.string(path)
    c.string(subset)
    c.int32(3)
    c.int32(-1)
    c.string(tool)
    c.float64(0.001)
    c.float64(0.01)
    c.int32(8)
    c.float64(30.0)
    c.float64(5.0)
    c.bool(True)
    c.float64(0.5)


def solve_ik_response(c, summary='', report=''):
    c.bool(True)
    c.string(summary)
    c.string(report)


def plan_motion_request(c, start=(), goal=()):
    c.sequence(start)
    c.sequence(goal)


def plan_motion_response(c, message='', points=0, joints=0):
    c.bool(True)
    c.string(message)
    c.sequence([0.1 * i for i in range(points * joints)])
    c.sequence([0.2] * (points * joints))
    c.sequence([-0.3] * (points * joints))
    c.sequence([float(i) for i in range(points)])
    c.int32(points)
    c.int32(joints)


def cdr_seeds():
    cases = [
        (0, 'solve_ik_request_empty', lambda c: solve_ik_request(c)),
        (0, 'solve_ik_request', lambda c: solve_ik_request(c, 'poses/cell_a.yaml', '1,2', 'gun')),
        (1, 'solve_ik_response_empty', lambda c: solve_ik_response(c)),
        (1, 'solve_ik_response', lambda c: solve_ik_response(c, 'ok', '{"seeds": 2}')),
        (2, 'plan_motion_request_empty', lambda c: plan_motion_request(c)),
        (2, 'plan_motion_request_one', lambda c: plan_motion_request(c, [1.0])),
        (2, 'plan_motion_request', lambda c: plan_motion_request(c, [0.0] * 6, [1.5] * 6)),
        (3, 'plan_motion_response_empty', lambda c: plan_motion_response(c)),
        (3, 'plan_motion_response', lambda c: plan_motion_response(c, 'planned', 2, 3)),
    ]
    for selector, name, encode in cases:
        for big_endian in (False, True):
            c = Cdr(big_endian)
            encode(c)
            write('cdr_fuzzer', name + ('_be' if big_endian else '_le'),
                  bytes([selector]) + c.out)


# Operations of records_fuzzer.cpp, in the order of its Operation enum.
(CREATE, INIT, RELEASE, FILL, COPY, ARE_EQUAL, NULL_ARGUMENTS, SEQUENCE_INIT, SEQUENCE_CREATE,
 SEQUENCE_RELEASE, SEQUENCE_FILL, SEQUENCE_COPY, SEQUENCE_ARE_EQUAL) = range(13)
NO_FAILURE = 0


def fail_at(n, sticky=False):
    return 0x80 | (0x40 if sticky else 0) | (n - 1)


def records_seeds():
    # Record sizes on x86-64, for the storage bytes that init and sequence init read.
    sizes = [136, 56, 48, 136]
    fill = [7] * 64
    for message in range(4):
        storage = [0x5a] * sizes[message]
        # Steps: operation, failure plan, two operands, then what the operation reads.
        programs = {
            'lifecycle': [
                CREATE, NO_FAILURE, 0, 0,
                FILL, NO_FAILURE, 0, 0, *fill,
                INIT, NO_FAILURE, 1, 0, *storage,
                COPY, NO_FAILURE, 0, 1,
                ARE_EQUAL, NO_FAILURE, 0, 1,
                NULL_ARGUMENTS, NO_FAILURE, 0, 0,
                RELEASE, NO_FAILURE, 1, 0,
            ],
            'failures': [
                CREATE, fail_at(1), 0, 0,
                CREATE, fail_at(2), 0, 0,
                INIT, fail_at(2), 1, 0, *storage,
                CREATE, NO_FAILURE, 0, 0,
                FILL, NO_FAILURE, 0, 0, *fill,
                CREATE, NO_FAILURE, 2, 0,
                COPY, fail_at(2), 0, 2,
            ],
            'sequences': [
                SEQUENCE_CREATE, NO_FAILURE, 0, 3,
                SEQUENCE_FILL, NO_FAILURE, 0, 1, *fill,
                SEQUENCE_INIT, NO_FAILURE, 1, 0, *([0] * 24),
                SEQUENCE_COPY, NO_FAILURE, 0, 1,
                SEQUENCE_ARE_EQUAL, NO_FAILURE, 0, 1,
                SEQUENCE_RELEASE, NO_FAILURE, 1, 1,
            ],
            'sequence_failures': [
                SEQUENCE_CREATE, fail_at(3), 0, 3,
                SEQUENCE_CREATE, NO_FAILURE, 0, 4,
                SEQUENCE_FILL, NO_FAILURE, 0, 3, *fill,
                SEQUENCE_CREATE, NO_FAILURE, 1, 1,
                SEQUENCE_COPY, fail_at(1), 0, 1,
                SEQUENCE_COPY, fail_at(4), 0, 1,
                SEQUENCE_COPY, NO_FAILURE, 0, 1,
            ],
        }
        for name, program in programs.items():
            write('records_fuzzer', '%d_%s' % (message, name), [message] + program)


def introspection_seeds():
    sizes = [136, 56, 48, 136]
    member_counts = [12, 3, 2, 8]
    for message in range(4):
        steps = []
        for member in range(member_counts[message]):
            # A sequence gets resized to 4 and one element assigned; others get a value.
            steps += [member, NO_FAILURE, 1, 4]
            steps += [member, NO_FAILURE, 0, 2] + list(struct.pack('<d', 2.5))
            steps += [member, fail_at(1), 1, 9]
        write('introspection_fuzzer', '%d_walk' % message,
              [message] + [0x33] * sizes[message] + [0, NO_FAILURE] + steps)
        write('introspection_fuzzer', '%d_init_fails' % message,
              [message] + [0] * sizes[message] + [1, fail_at(1)])


if __name__ == '__main__':
    cdr_seeds()
    records_seeds()
    introspection_seeds()
