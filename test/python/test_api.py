# Copyright 2026 quorvex developers
# Licensed under the Apache License, Version 2.0
"""The Python API as a ROS 2 user's code touches it: classes, members, defaults, repr, copies."""

import array
from collections import UserList
import copy
import math
import pickle
import subprocess
import sys
import textwrap

from conftest import MESSAGES
import numpy
import pytest
from quorvex.srv import PlanMotion
from quorvex.srv import SolveIK
from rosidl_parser.definition import BasicType
from rosidl_parser.definition import UnboundedSequence
from rosidl_parser.definition import UnboundedString

DOUBLES = UnboundedSequence(BasicType('double'))

EXPECTED_MEMBERS = {
    SolveIK.Request: [
        ('pose_info_path', 'string', UnboundedString(), ''),
        ('stage_subset', 'string', UnboundedString(), ''),
        ('max_contact_poses', 'int32', BasicType('int32'), 0),
        ('return_seeds', 'int32', BasicType('int32'), 0),
        ('tool_type', 'string', UnboundedString(), ''),
        ('position_tolerance', 'double', BasicType('double'), 0.0),
        ('orientation_tolerance', 'double', BasicType('double'), 0.0),
        ('conform_samples', 'int32', BasicType('int32'), 0),
        ('orientation_sample_range_deg', 'double', BasicType('double'), 0.0),
        ('orientation_sample_step_deg', 'double', BasicType('double'), 0.0),
        ('accept_feasible_path', 'boolean', BasicType('boolean'), False),
        ('max_joint_jump_rad', 'double', BasicType('double'), 0.0),
    ],
    SolveIK.Response: [
        ('success', 'boolean', BasicType('boolean'), False),
        ('summary', 'string', UnboundedString(), ''),
        ('report_json', 'string', UnboundedString(), ''),
    ],
    PlanMotion.Request: [
        ('start_joints', 'sequence<double>', DOUBLES, array.array('d')),
        ('goal_joints', 'sequence<double>', DOUBLES, array.array('d')),
    ],
    PlanMotion.Response: [
        ('success', 'boolean', BasicType('boolean'), False),
        ('message', 'string', UnboundedString(), ''),
        ('waypoints_flat', 'sequence<double>', DOUBLES, array.array('d')),
        ('velocities_flat', 'sequence<double>', DOUBLES, array.array('d')),
        ('accelerations_flat', 'sequence<double>', DOUBLES, array.array('d')),
        ('time_from_start', 'sequence<double>', DOUBLES, array.array('d')),
        ('n_points', 'int32', BasicType('int32'), 0),
        ('n_joints', 'int32', BasicType('int32'), 0),
    ],
}


def test_package_exports_the_services():
    import quorvex.srv
    assert quorvex.srv.SolveIK is SolveIK and quorvex.srv.PlanMotion is PlanMotion
    from quorvex.srv._plan_motion import PlanMotion_Request, PlanMotion_Response
    from quorvex.srv._solve_ik import SolveIK_Request, SolveIK_Response
    assert (PlanMotion.Request, PlanMotion.Response) == (PlanMotion_Request, PlanMotion_Response)
    assert (SolveIK.Request, SolveIK.Response) == (SolveIK_Request, SolveIK_Response)


@pytest.mark.parametrize('service', [SolveIK, PlanMotion])
def test_services_are_not_instantiated(service):
    with pytest.raises(NotImplementedError):
        service()
    assert type(service).__name__ == 'Metaclass_' + service.__name__
    assert service._TYPE_SUPPORT is not None


def test_members_in_order_with_types_and_defaults(message_class):
    expected = EXPECTED_MEMBERS[message_class]
    assert message_class.__slots__ == ['_' + name for name, _, _, _ in expected]
    assert list(message_class._fields_and_field_types.items()) == [
        (name, kind) for name, kind, _, _ in expected]
    assert message_class.SLOT_TYPES == tuple(slot for _, _, slot, _ in expected)
    message = message_class()
    for name, _, _, default in expected:
        value = getattr(message, name)
        assert type(value) is type(default) and value == default, name
        if isinstance(value, array.array):
            assert value.typecode == 'd'
    # Each message has its own arrays.
    if isinstance(expected[0][3], array.array):
        assert getattr(message, expected[0][0]) is not getattr(message_class(), expected[0][0])


def test_field_types_are_a_copy(message_class):
    fields = message_class.get_fields_and_field_types()
    assert fields == message_class._fields_and_field_types
    fields.clear()
    assert message_class.get_fields_and_field_types()


def test_metaclass_and_type_support_attributes(message_class):
    assert type(message_class).__name__ == 'Metaclass_' + message_class.__name__
    for attribute in ('_CREATE_ROS_MESSAGE', '_CONVERT_FROM_PY', '_CONVERT_TO_PY',
                      '_DESTROY_ROS_MESSAGE', '_TYPE_SUPPORT'):
        assert type(getattr(message_class, attribute)).__name__ == 'PyCapsule', attribute


def test_keyword_arguments_only(message_class):
    with pytest.raises(TypeError):
        message_class(1)
    with pytest.raises(AssertionError if __debug__ else TypeError) as error:
        message_class(zeta=1, alpha=2)
    assert str(error.value) == 'Invalid arguments passed to constructor: alpha, zeta'


def test_constructor_sets_each_member():
    message = PlanMotion.Response(
        success=True, message='planned', waypoints_flat=[1.0, 2.0], n_points=1, n_joints=2)
    assert message.success is True and message.message == 'planned'
    assert message.waypoints_flat == array.array('d', [1.0, 2.0])
    assert (message.n_points, message.n_joints) == (1, 2)
    assert message.velocities_flat == array.array('d')


def test_float64_sequences_accept_sequences_of_floats():
    given = array.array('d', [1.0, 2.0])
    message = PlanMotion.Request(start_joints=given)
    assert message.start_joints is given
    specials = [math.nan, math.inf, -math.inf, -0.0, 5e-324]
    for value in ([0.5, 1.5], (0.5, 1.5), UserList([0.5, 1.5]), {0.5}, specials,
                  memoryview(array.array('d', [0.5, 1.5])), [numpy.float64(0.5)]):
        message.goal_joints = value
        assert isinstance(message.goal_joints, array.array)
        assert message.goal_joints.typecode == 'd'
        assert [repr(v) for v in message.goal_joints] == [repr(float(v)) for v in value]


def test_float64_sequences_accept_one_dimensional_numpy_arrays():
    message = PlanMotion.Request()
    values = numpy.linspace(-1.0, 1.0, 7)
    for given in (values, values[::2], values.astype('>f8'), numpy.ascontiguousarray(values)):
        message.start_joints = given
        assert isinstance(message.start_joints, array.array)
        assert message.start_joints.tolist() == given.tolist()
    values[0] = 99.0
    assert message.start_joints[0] == -1.0, 'the message holds a copy'


def test_repr():
    message = PlanMotion.Request(start_joints=[0.0, 1.0])
    assert repr(message) == (
        "quorvex.srv.PlanMotion_Request(start_joints=array('d', [0.0, 1.0]), "
        "goal_joints=array('d', []))")
    assert repr(SolveIK.Response(success=True, summary="it's")) == (
        'quorvex.srv.SolveIK_Response(success=True, summary="it\'s", report_json=\'\')')


def test_equality(message_class):
    assert message_class() == message_class()
    assert message_class() != object()
    for member, kind in message_class.get_fields_and_field_types().items():
        changed = message_class()
        setattr(changed, member, {
            'sequence<double>': [1.0], 'string': 'x', 'boolean': True, 'int32': 1,
            'double': 1.0}[kind])
        assert changed != message_class(), member
    other = [cls for cls in MESSAGES if cls is not message_class][0]
    assert message_class() != other()


@pytest.mark.parametrize('duplicate', [copy.copy, copy.deepcopy,
                                       lambda m: pickle.loads(pickle.dumps(m))])
def test_copies_and_pickle(message_class, duplicate):
    from conftest import full_message
    message = full_message(message_class)
    duplicated = duplicate(message)
    assert type(duplicated) is message_class and duplicated == message


def test_stand_in_definitions():
    assert BasicType('double') == BasicType('double') != BasicType('int32')
    assert UnboundedSequence(BasicType('double')) == DOUBLES
    assert UnboundedString() == UnboundedString() != BasicType('boolean')
    assert repr(DOUBLES) == "UnboundedSequence(BasicType('double'))"
    assert repr(UnboundedString()) == 'UnboundedString()'
    assert hash(BasicType('int32')) == hash(BasicType('int32'))


def test_import_type_support_imports_the_c_dispatch_module():
    from rosidl_generator_py import import_type_support
    module = import_type_support('quorvex')
    assert module.__name__ == 'quorvex.quorvex_s__rosidl_typesupport_c'
    with pytest.raises(ImportError):
        import_type_support('no_such_package')


def run_python(script):
    """Runs `script` in a new interpreter of the same kind as this one."""
    result = subprocess.run(
        [sys.executable, '-c', textwrap.dedent(script)], capture_output=True, text=True,
        timeout=60)
    assert result.returncode == 0, result.stderr
    return result.stdout


def test_attributes_are_none_until_the_type_support_is_imported():
    output = run_python("""
        from quorvex.srv import PlanMotion
        names = ('_CREATE_ROS_MESSAGE', '_CONVERT_FROM_PY', '_CONVERT_TO_PY',
                 '_DESTROY_ROS_MESSAGE', '_TYPE_SUPPORT')
        messages = (PlanMotion.Request, PlanMotion.Response)
        assert all(getattr(m, n) is None for m in messages for n in names)
        assert PlanMotion._TYPE_SUPPORT is None
        PlanMotion.__import_type_support__()
        assert all(getattr(m, n) is not None for m in messages for n in names)
        print(type(PlanMotion._TYPE_SUPPORT).__name__)
        """)
    assert output.strip() == 'PyCapsule'


def test_failed_import_is_logged_at_debug_level_and_leaves_none():
    output = run_python("""
        import logging, sys
        records = []
        class Keep(logging.Handler):
            def emit(self, record):
                records.append(record)
        logging.getLogger().addHandler(Keep())
        logging.getLogger().setLevel(logging.DEBUG)
        # What a missing or unloadable extension module gives.
        sys.modules['quorvex.quorvex_s__rosidl_typesupport_c'] = None
        from quorvex.srv import SolveIK
        SolveIK.Request.__import_type_support__()
        SolveIK.__import_type_support__()
        assert SolveIK.Request._TYPE_SUPPORT is None and SolveIK._TYPE_SUPPORT is None
        assert SolveIK.Request._CREATE_ROS_MESSAGE is None
        for record in records:
            print(record.name, record.levelname, 'quorvex_s__' in record.getMessage())
        """)
    assert output.split('\n')[:2] == [
        'quorvex.srv.SolveIK_Request DEBUG True', 'quorvex.srv.SolveIK DEBUG True']
