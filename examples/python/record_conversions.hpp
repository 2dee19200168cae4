// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef EXAMPLES__PYTHON__RECORD_CONVERSIONS_HPP_
#define EXAMPLES__PYTHON__RECORD_CONVERSIONS_HPP_

// The C++ record equal to a Python message of quorvex.srv, read member by member through the
// message's properties, for the C++ checks of the demo's client.

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <cstdint>
#include <string>
#include <vector>

#include "quorvex/srv/detail/plan_motion__members.h"
#include "quorvex/srv/detail/solve_ik__members.h"
#include "quorvex/srv/plan_motion.hpp"
#include "quorvex/srv/solve_ik.hpp"

namespace quorvex_examples_dds
{

inline bool read_value(PyObject * value, bool & out)
{
  const int truth = PyObject_IsTrue(value);
  out = truth == 1;
  return truth >= 0;
}

inline bool read_value(PyObject * value, int32_t & out)
{
  const long number = PyLong_AsLong(value);  // NOLINT(runtime/int)
  out = static_cast<int32_t>(number);
  return !(number == -1 && PyErr_Occurred());
}

inline bool read_value(PyObject * value, double & out)
{
  out = PyFloat_AsDouble(value);
  return !(out == -1.0 && PyErr_Occurred());
}

inline bool read_value(PyObject * value, std::string & out)
{
  Py_ssize_t size = 0;
  const char * text = PyUnicode_AsUTF8AndSize(value, &size);
  if (text != nullptr) {
    out.assign(text, static_cast<size_t>(size));
  }
  return text != nullptr;
}

inline bool read_value(PyObject * value, std::vector<double> & out)
{
  PyObject * items = PySequence_Fast(value, "a float64[] member must be a sequence");
  if (items == nullptr) {
    return false;
  }
  const Py_ssize_t count = PySequence_Fast_GET_SIZE(items);
  out.resize(static_cast<size_t>(count));
  for (Py_ssize_t i = 0; i < count; ++i) {
    out[static_cast<size_t>(i)] = PyFloat_AsDouble(PySequence_Fast_GET_ITEM(items, i));
  }
  Py_DECREF(items);
  return PyErr_Occurred() == nullptr;
}

#define QUORVEX_EXAMPLES_DDS_READ(member, KIND) \
  if (ok) { \
    PyObject * value = PyObject_GetAttrString(message, #member); \
    ok = value != nullptr && read_value(value, record.member); \
    Py_XDECREF(value); \
  }

#define QUORVEX_EXAMPLES_DDS_TO_CPP(Message, TABLE) \
  inline bool to_cpp(PyObject * message, quorvex::srv::Message & record) \
  { \
    bool ok = true; \
    TABLE(QUORVEX_EXAMPLES_DDS_READ) \
    return ok; \
  }

/// Fills `record` from the Python message's members; false with a Python exception set when a
/// member is missing or of another type.
QUORVEX_EXAMPLES_DDS_TO_CPP(SolveIK_Request, QUORVEX_SOLVE_IK_REQUEST_MEMBERS)
QUORVEX_EXAMPLES_DDS_TO_CPP(SolveIK_Response, QUORVEX_SOLVE_IK_RESPONSE_MEMBERS)
QUORVEX_EXAMPLES_DDS_TO_CPP(PlanMotion_Request, QUORVEX_PLAN_MOTION_REQUEST_MEMBERS)
QUORVEX_EXAMPLES_DDS_TO_CPP(PlanMotion_Response, QUORVEX_PLAN_MOTION_RESPONSE_MEMBERS)

#undef QUORVEX_EXAMPLES_DDS_TO_CPP

}  // namespace quorvex_examples_dds

#endif  // EXAMPLES__PYTHON__RECORD_CONVERSIONS_HPP_
