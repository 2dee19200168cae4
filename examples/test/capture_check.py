#!/usr/bin/env python3
"""Looks for a demo client's request content in a capture of the link.

Usage: capture_check.py CAPTURE MARKER JOINTS present|absent

The content is the MARKER text (part of a SolveIK pose path) and the raw bytes of the first
round's PlanMotion start joints as the client computes them (0.5 * sin(j) for j < JOINTS, as
little-endian doubles, one after the other as CDR lays out a sequence of them). 'present' passes
when both are found, 'absent' when neither is, and the capture holds RTPS traffic at all.
"""

import math
import struct
import sys


def main(arguments):
    if len(arguments) != 4 or arguments[3] not in ('present', 'absent'):
        sys.stderr.write(__doc__)
        return 2
    path, marker, joints, expect = arguments[0], arguments[1].encode(), int(arguments[2]), \
        arguments[3]
    with open(path, 'rb') as capture:
        data = capture.read()
    joint_bytes = b''.join(struct.pack('<d', 0.5 * math.sin(j)) for j in range(joints))
    found = {
        'RTPS messages': data.count(b'RTPS'),
        'the marker': data.count(marker),
        'the joint values': data.count(joint_bytes),
    }
    for what, count in found.items():
        print('%s: %d' % (what, count))
    if found['RTPS messages'] == 0:
        print('the capture holds no RTPS traffic: nothing was checked')
        return 1
    content = [found['the marker'], found['the joint values']]
    if expect == 'present':
        return 0 if all(content) else 1
    return 0 if not any(content) else 1


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
