// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__PY_MEMBERS_H_
#define QUORVEX__SRV__DETAIL__PY_MEMBERS_H_

// The conversion of one member of each kind between a Python message and a C record, and the
// steps that the member tables X(member, KIND) expand to. Internal; not installed.
//
// Every function checks the Python value itself, so that the conversions are sound whatever the
// message holds: also under `python3 -O`, where the properties' assertions are gone, and when a
// caller set `_member` directly. Strings and sequences are filled through rosidl_runtime_c, so
// their memory comes from the record's allocator.

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <stdbool.h>
#include <stdint.h>

#include "rosidl_runtime_c/primitives_sequence.h"
#include "rosidl_runtime_c/string.h"

#ifdef __cplusplus
extern "C"
{
#endif

/// Where the Python class of a message lives, to find it and to name it in errors.
typedef struct quorvex_py__Message
{
  /// The module that defines the class, e.g. "quorvex.srv._plan_motion".
  const char * module;
  /// The class as users name it, e.g. "quorvex.srv.PlanMotion_Request".
  const char * full_name;
  /// The class's name in its module, e.g. "PlanMotion_Request".
  const char * class_name;
} quorvex_py__Message;

/// A member as the conversions reach it: its attribute, e.g. "_start_joints", and that name as a
/// Python string, made at the first use in each interpreter. One for each step of each message.
typedef struct quorvex_py__Member
{
  const char * attribute;
  PyInterpreterState * interpreter;
  PyObject * name;
} quorvex_py__Member;

/// The description of the class `Message` defined in quorvex/srv/<module>.py.
#define QUORVEX_PY_MESSAGE(module, Message) \
  {"quorvex.srv." module, "quorvex.srv." #Message, #Message}

/// Checks the arguments of a convert_from_py: neither is null and `py_message` is an instance
/// of the message's class. False with a Python exception set otherwise.
bool quorvex_py__check_from_py(
  const quorvex_py__Message * message, PyObject * py_message, const void * ros_message);

/// A new instance of the message's class with no member set yet, to be filled by the to_py
/// steps; NULL with a Python exception set when `ros_message` is null or there is no class.
PyObject * quorvex_py__new_instance(const quorvex_py__Message * message, const void * ros_message);

// From Python: each reads the member's attribute ("_<member>") of `py_message` and stores its
// value in the record's member. On failure the member keeps its value and an exception naming
// the message and the member is set.

bool quorvex_py__from_py_BOOL(
  const quorvex_py__Message * message, PyObject * py_message, quorvex_py__Member * member,
  bool * value);
bool quorvex_py__from_py_INT32(
  const quorvex_py__Message * message, PyObject * py_message, quorvex_py__Member * member,
  int32_t * value);
bool quorvex_py__from_py_FLOAT64(
  const quorvex_py__Message * message, PyObject * py_message, quorvex_py__Member * member,
  double * value);
bool quorvex_py__from_py_STRING(
  const quorvex_py__Message * message, PyObject * py_message, quorvex_py__Member * member,
  rosidl_runtime_c__String * value);
bool quorvex_py__from_py_FLOAT64_SEQUENCE(
  const quorvex_py__Message * message, PyObject * py_message, quorvex_py__Member * member,
  rosidl_runtime_c__double__Sequence * value);

// To Python: each sets the member's attribute of `py_message` to a new object holding its
// value; false with a Python exception set when that object cannot be made.

bool quorvex_py__to_py_BOOL(PyObject * py_message, quorvex_py__Member * member, const bool * value);
bool quorvex_py__to_py_INT32(
  PyObject * py_message, quorvex_py__Member * member,
  const int32_t * value);
bool quorvex_py__to_py_FLOAT64(
  PyObject * py_message, quorvex_py__Member * member,
  const double * value);
bool quorvex_py__to_py_STRING(
  PyObject * py_message, quorvex_py__Member * member, const rosidl_runtime_c__String * value);
bool quorvex_py__to_py_FLOAT64_SEQUENCE(
  PyObject * py_message, quorvex_py__Member * member,
  const rosidl_runtime_c__double__Sequence * value);

// The steps of one member. They use the names `message` (the quorvex_py__Message),
// `py_message` and `ros_message` (the typed record).

/// Converts one member from Python; returns false from the calling function on failure.
#define QUORVEX_PY_FROM_PY(member, KIND) \
  { \
    static quorvex_py__Member member_ = {"_" #member, NULL, NULL}; \
    if (!quorvex_py__from_py_ ## KIND(&message, py_message, &member_, &ros_message->member)) { \
      return false; \
    } \
  }

/// Converts one member to Python; drops the unfinished instance and returns NULL on failure.
#define QUORVEX_PY_TO_PY(member, KIND) \
  { \
    static quorvex_py__Member member_ = {"_" #member, NULL, NULL}; \
    if (!quorvex_py__to_py_ ## KIND(py_message, &member_, &ros_message->member)) { \
      Py_DECREF(py_message); \
      return NULL; \
    } \
  }

#ifdef __cplusplus
}
#endif

#endif  // QUORVEX__SRV__DETAIL__PY_MEMBERS_H_
