// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__PY_CONVERSIONS_H_
#define QUORVEX__SRV__DETAIL__PY_CONVERSIONS_H_

// Conversions between the Python message classes of quorvex.srv and the C records, as rclpy
// calls them through the capsules of the type-support extension modules. The caller holds the
// GIL.
//
// convert_from_py(message, record) fills an initialised C record from an instance of the
// message's class. It returns false with a Python exception set when the object is not such an
// instance (TypeError), a member holds a value that the type cannot carry (TypeError,
// ValueError, OverflowError, naming the message and the member), or memory runs out
// (MemoryError). The record then stays initialised: the members before the failing one hold the
// new values, the others their former ones.
//
// convert_to_py(record) returns a new instance of the message's class holding the record's
// values, or NULL with a Python exception set; never a partly filled instance.

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <stdbool.h>

#include "quorvex/msg/rosidl_generator_py__visibility_control.h"

#ifdef __cplusplus
extern "C"
{
#endif

ROSIDL_GENERATOR_PY_PUBLIC_quorvex
bool quorvex__srv__solve_ik__request__convert_from_py(PyObject * _pymsg, void * _ros_message);
ROSIDL_GENERATOR_PY_PUBLIC_quorvex
PyObject * quorvex__srv__solve_ik__request__convert_to_py(void * raw_ros_message);

ROSIDL_GENERATOR_PY_PUBLIC_quorvex
bool quorvex__srv__solve_ik__response__convert_from_py(PyObject * _pymsg, void * _ros_message);
ROSIDL_GENERATOR_PY_PUBLIC_quorvex
PyObject * quorvex__srv__solve_ik__response__convert_to_py(void * raw_ros_message);

ROSIDL_GENERATOR_PY_PUBLIC_quorvex
bool quorvex__srv__plan_motion__request__convert_from_py(PyObject * _pymsg, void * _ros_message);
ROSIDL_GENERATOR_PY_PUBLIC_quorvex
PyObject * quorvex__srv__plan_motion__request__convert_to_py(void * raw_ros_message);

ROSIDL_GENERATOR_PY_PUBLIC_quorvex
bool quorvex__srv__plan_motion__response__convert_from_py(PyObject * _pymsg, void * _ros_message);
ROSIDL_GENERATOR_PY_PUBLIC_quorvex
PyObject * quorvex__srv__plan_motion__response__convert_to_py(void * raw_ros_message);

#ifdef __cplusplus
}
#endif

#endif  // QUORVEX__SRV__DETAIL__PY_CONVERSIONS_H_
