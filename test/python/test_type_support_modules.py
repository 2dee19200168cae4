# Copyright 2026 quorvex developers
# Licensed under the Apache License, Version 2.0
"""The extension modules' capsules and the conversion library's exports."""

import importlib
import os
import subprocess

from conftest import MESSAGES
from conftest import SNAKE_NAMES
import pytest
from quorvex.srv import PlanMotion
from quorvex.srv import SolveIK

import _quorvex_test

TYPE_SUPPORTS = (
    'rosidl_typesupport_c', 'rosidl_typesupport_fastrtps_c', 'rosidl_typesupport_introspection_c')
SERVICE_SNAKE_NAMES = {SolveIK: 'solve_ik', PlanMotion: 'plan_motion'}
KINDS = ('create_ros_message', 'destroy_ros_message', 'convert_from_py', 'convert_to_py',
         'type_support')


def capsules(module):
    """{name: (address, capsule name)} of the module's capsules."""
    return {
        name: _quorvex_test.capsule_pointer(value) for name, value in vars(module).items()
        if type(value).__name__ == 'PyCapsule'}


@pytest.mark.parametrize('type_support', TYPE_SUPPORTS)
def test_module_holds_every_capsule_without_a_name(type_support):
    module = importlib.import_module('quorvex.quorvex_s__' + type_support)
    held = capsules(module)
    expected = {'%s_msg__srv__%s' % (kind, snake)
                for snake in SNAKE_NAMES.values() for kind in KINDS}
    expected |= {'type_support_srv__srv__' + snake for snake in SERVICE_SNAKE_NAMES.values()}
    assert set(held) == expected
    assert all(name is None and address != 0 for address, name in held.values())
    handles = _quorvex_test.getter_handles(type_support)
    for snake, address in handles.items():
        kind = 'msg' if '__' in snake else 'srv'
        assert held['type_support_%s__srv__%s' % (kind, snake)][0] == address, snake


def test_conversions_are_the_same_in_every_module():
    held = [capsules(importlib.import_module('quorvex.quorvex_s__' + type_support))
            for type_support in TYPE_SUPPORTS]
    for name in held[0]:
        if name.startswith('convert_'):
            assert held[0][name] == held[1][name] == held[2][name], name


def test_message_classes_hold_the_dispatch_module_capsules(message_class):
    held = capsules(importlib.import_module('quorvex.quorvex_s__rosidl_typesupport_c'))
    suffix = '_msg__srv__' + SNAKE_NAMES[message_class]
    for attribute, kind in (('_CREATE_ROS_MESSAGE', 'create_ros_message'),
                            ('_DESTROY_ROS_MESSAGE', 'destroy_ros_message'),
                            ('_CONVERT_FROM_PY', 'convert_from_py'),
                            ('_CONVERT_TO_PY', 'convert_to_py'),
                            ('_TYPE_SUPPORT', 'type_support')):
        capsule = getattr(message_class, attribute)
        assert _quorvex_test.capsule_pointer(capsule) == held[kind + suffix], attribute


def test_service_classes_hold_the_dispatch_service_handles():
    handles = _quorvex_test.getter_handles('rosidl_typesupport_c')
    for service, snake in SERVICE_SNAKE_NAMES.items():
        assert _quorvex_test.capsule_pointer(service._TYPE_SUPPORT)[0] == handles[snake]


def test_a_record_from_create_is_initialised(message_class):
    record = _quorvex_test.Record(message_class)
    record.check()
    assert record.to_py() == message_class()


def test_conversion_library_exports_exactly_the_eight_conversions():
    library = os.environ['QUORVEX_GENERATOR_PY_LIBRARY']
    output = subprocess.run(
        ['nm', '-D', '--defined-only', library], capture_output=True, text=True, check=True,
        timeout=60).stdout
    exported = {line.split()[-1] for line in output.splitlines() if line.strip()}
    expected = {'quorvex__srv__%s__convert_%s' % (SNAKE_NAMES[cls], way)
                for cls in MESSAGES for way in ('from_py', 'to_py')}
    assert exported == expected
