// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// The Python interface's conversions of PlanMotion_Response, in an interpreter embedded in the
// benchmark program so that they run beside the memcpy rows of the same payload: convert_from_py
// from array.array('d') members, convert_to_py, the members set from Python lists against
// building the same array.array('d') from them, and the round trip of a Python message through
// the C records and the C Fast-CDR library against the C++ library's round trip.

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <benchmark/benchmark.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "benchmarks.hpp"
#include "fastcdr/Cdr.h"
#include "fastcdr/FastBuffer.h"
#include "payloads.hpp"
#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_fastrtps_c.h"
#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_fastrtps_cpp.hpp"
#include "quorvex/srv/detail/py_conversions.h"
#include "rosidl_typesupport_fastrtps_cpp/message_type_support.h"

#ifndef QUORVEX_PYTHON_BUILD_DIR
#error "QUORVEX_PYTHON_BUILD_DIR must name the folder of the built Python package"
#endif

namespace quorvex_bench
{

namespace
{

using eprosima::fastcdr::Cdr;
using eprosima::fastcdr::FastBuffer;

constexpr size_t kHeaderBytes = 4;

// Python objects built once per size: the message with array.array('d') members, the same
// values as lists, and the functions the list rows call.
struct Subject
{
  quorvex::srv::PlanMotion_Response response;
  size_t bytes;
  PyObject * message;
  PyObject * set_from_lists;   // () -> message with its four sequences set from the lists
  PyObject * arrays_from_lists;   // () -> the four array.array('d') built from the lists
};

const message_type_support_callbacks_t & c_callbacks()
{
  return *static_cast<const message_type_support_callbacks_t *>(
    ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
      rosidl_typesupport_fastrtps_c, quorvex, srv, PlanMotion_Response)()->data);
}

// Runs Python source defining `make(n_points, n_joints)`, which returns the subject's objects.
const char kSubjectSource[] =
  R"(
import array
from quorvex.srv import PlanMotion

def make(n_points, n_joints):
    count = n_points * n_joints
    lists = {
        'waypoints_flat': [0.001 * i for i in range(count)],
        'velocities_flat': [0.002 * i for i in range(count)],
        'accelerations_flat': [0.003 * i for i in range(count)],
        'time_from_start': [0.01 * i for i in range(n_points)],
    }
    message = PlanMotion.Response(
        success=True, message='trajectory found', n_points=n_points, n_joints=n_joints,
        **{name: array.array('d', values) for name, values in lists.items()})
    target = PlanMotion.Response()

    def set_from_lists():
        for name, values in lists.items():
            setattr(target, name, values)
        return target

    def arrays_from_lists():
        return [array.array('d', values) for values in lists.values()]

    return message, set_from_lists, arrays_from_lists
)";

PyObject * g_make = nullptr;

void require_python(bool ok, const char * what)
{
  if (!ok && PyErr_Occurred()) {
    PyErr_Print();
  }
  require(ok, what);
}

std::shared_ptr<Subject> make_subject(const Shape & shape)
{
  auto subject = std::make_shared<Subject>();
  subject->response = make_response(shape);
  subject->bytes = payload_bytes(subject->response);
  PyObject * made = PyObject_CallFunction(g_make, "ii", shape.n_points, shape.n_joints);
  require_python(
    made != nullptr && PyArg_ParseTuple(
      made, "OOO", &subject->message, &subject->set_from_lists, &subject->arrays_from_lists),
    "Python subject");
  Py_INCREF(subject->message);
  Py_INCREF(subject->set_from_lists);
  Py_INCREF(subject->arrays_from_lists);
  Py_DECREF(made);
  return subject;
}

// convert_from_py into a record that held the same message before, as a node that reuses its
// record; and into a new record made and destroyed each time, as rclpy does for each call.
void from_py_reused(benchmark::State & state, const Subject & subject)
{
  CPtr<quorvex__srv__PlanMotion_Response> record(quorvex__srv__PlanMotion_Response__create());
  bool converted = quorvex__srv__plan_motion__response__convert_from_py(
    subject.message, record.get());
  for (auto _ : state) {
    converted = quorvex__srv__plan_motion__response__convert_from_py(
      subject.message, record.get()) && converted;
    benchmark::DoNotOptimize(record.get());
    benchmark::ClobberMemory();
  }
  require_python(converted, "convert_from_py");
  require(record->waypoints_flat.size == subject.response.waypoints_flat.size(), "record");
  report_payload(state, subject.bytes);
}

void from_py_fresh(benchmark::State & state, const Subject & subject)
{
  bool converted = true;
  for (auto _ : state) {
    quorvex__srv__PlanMotion_Response * record = quorvex__srv__PlanMotion_Response__create();
    converted = record != nullptr &&
      quorvex__srv__plan_motion__response__convert_from_py(subject.message, record) && converted;
    benchmark::DoNotOptimize(record);
    benchmark::ClobberMemory();
    quorvex__srv__PlanMotion_Response__destroy(record);
  }
  require_python(converted, "convert_from_py");
  report_payload(state, subject.bytes);
}

// convert_to_py of a filled record: a new message with new arrays each time.
void to_py(benchmark::State & state, const Subject & subject)
{
  CPtr<quorvex__srv__PlanMotion_Response> record(to_c_record(subject.response));
  bool converted = true;
  for (auto _ : state) {
    PyObject * message = quorvex__srv__plan_motion__response__convert_to_py(record.get());
    converted = message != nullptr && converted;
    benchmark::DoNotOptimize(message);
    Py_XDECREF(message);
  }
  require_python(converted, "convert_to_py");
  report_payload(state, subject.bytes);
}

// Calls a Python function of the subject; with `convert`, converts the message it returns.
void python_call(
  benchmark::State & state, const Subject & subject, PyObject * function,
  bool convert)
{
  CPtr<quorvex__srv__PlanMotion_Response> record(quorvex__srv__PlanMotion_Response__create());
  bool called = true;
  for (auto _ : state) {
    PyObject * result = PyObject_CallNoArgs(function);
    called = result != nullptr && called;
    if (convert && result != nullptr) {
      called = quorvex__srv__plan_motion__response__convert_from_py(result, record.get()) &&
        called;
    }
    Py_XDECREF(result);
  }
  require_python(called, "Python call");
  report_payload(state, subject.bytes);
}

// The Python round trip: convert_from_py into a new record, cdr_serialize with the C library,
// cdr_deserialize into a new record, convert_to_py; the C++ round trip: cdr_serialize of the
// C++ record and cdr_deserialize into a new one.
void python_round_trip(benchmark::State & state, const Subject & subject)
{
  std::vector<char> storage(kHeaderBytes + subject.bytes);
  FastBuffer buffer(storage.data(), storage.size());
  Cdr cdr(buffer, Cdr::DEFAULT_ENDIAN, Cdr::DDS_CDR);
  bool done = true;
  for (auto _ : state) {
    quorvex__srv__PlanMotion_Response * sent = quorvex__srv__PlanMotion_Response__create();
    quorvex__srv__PlanMotion_Response * received = quorvex__srv__PlanMotion_Response__create();
    done = sent && received &&
      quorvex__srv__plan_motion__response__convert_from_py(subject.message, sent) && done;
    cdr.reset();
    cdr.serialize_encapsulation();
    c_callbacks().cdr_serialize(sent, cdr);
    cdr.reset();
    cdr.read_encapsulation();
    done = c_callbacks().cdr_deserialize(cdr, received) && done;
    PyObject * message = quorvex__srv__plan_motion__response__convert_to_py(received);
    done = message != nullptr && done;
    benchmark::DoNotOptimize(message);
    Py_XDECREF(message);
    quorvex__srv__PlanMotion_Response__destroy(sent);
    quorvex__srv__PlanMotion_Response__destroy(received);
  }
  require_python(done, "Python round trip");
  report_payload(state, subject.bytes);
}

void cpp_round_trip(benchmark::State & state, const Subject & subject)
{
  std::vector<char> storage(kHeaderBytes + subject.bytes);
  FastBuffer buffer(storage.data(), storage.size());
  Cdr cdr(buffer, Cdr::DEFAULT_ENDIAN, Cdr::DDS_CDR);
  for (auto _ : state) {
    cdr.reset();
    cdr.serialize_encapsulation();
    quorvex::srv::typesupport_fastrtps_cpp::cdr_serialize(subject.response, cdr);
    cdr.reset();
    cdr.read_encapsulation();
    quorvex::srv::PlanMotion_Response received;
    quorvex::srv::typesupport_fastrtps_cpp::cdr_deserialize(cdr, received);
    benchmark::DoNotOptimize(received.waypoints_flat.data());
    benchmark::ClobberMemory();
  }
  report_payload(state, subject.bytes);
}

bool start_python()
{
  Py_InitializeEx(0);
  PyObject * path = PySys_GetObject("path");  // borrowed
  PyObject * folder = PyUnicode_FromString(QUORVEX_PYTHON_BUILD_DIR);
  const bool added = path != nullptr && folder != nullptr && PyList_Insert(path, 0, folder) == 0;
  Py_XDECREF(folder);
  PyObject * globals = added ? PyDict_New() : nullptr;
  PyObject * ran = globals ? PyRun_String(kSubjectSource, Py_file_input, globals, globals) :
    nullptr;
  g_make = ran ? PyDict_GetItemString(globals, "make") : nullptr;
  Py_XINCREF(g_make);
  Py_XDECREF(ran);
  Py_XDECREF(globals);
  require_python(g_make != nullptr, "Python with quorvex.srv");
  return true;
}

}  // namespace

void register_python_benchmarks()
{
  start_python();
  for (const Shape & shape : response_shapes()) {
    const std::string label = shape_label(shape);
    std::shared_ptr<Subject> subject = make_subject(shape);
    const std::string suffix = "/PlanMotion_Response/" + label;
    benchmark::RegisterBenchmark(
      ("py_convert_from_py_reused" + suffix).c_str(),
      [subject](benchmark::State & state) {from_py_reused(state, *subject);});
    benchmark::RegisterBenchmark(
      ("py_convert_from_py_fresh" + suffix).c_str(),
      [subject](benchmark::State & state) {from_py_fresh(state, *subject);});
    benchmark::RegisterBenchmark(
      ("py_convert_to_py" + suffix).c_str(),
      [subject](benchmark::State & state) {to_py(state, *subject);});
    benchmark::RegisterBenchmark(
      ("py_arrays_from_lists" + suffix).c_str(),
      [subject](benchmark::State & state) {
        python_call(state, *subject, subject->arrays_from_lists, false);
      });
    benchmark::RegisterBenchmark(
      ("py_members_from_lists" + suffix).c_str(),
      [subject](benchmark::State & state) {
        python_call(state, *subject, subject->set_from_lists, false);
      });
    benchmark::RegisterBenchmark(
      ("py_members_from_lists_converted" + suffix).c_str(),
      [subject](benchmark::State & state) {
        python_call(state, *subject, subject->set_from_lists, true);
      });
    benchmark::RegisterBenchmark(
      ("py_round_trip" + suffix).c_str(),
      [subject](benchmark::State & state) {python_round_trip(state, *subject);});
    benchmark::RegisterBenchmark(
      ("cpp_round_trip" + suffix).c_str(),
      [subject](benchmark::State & state) {cpp_round_trip(state, *subject);});
  }
}

}  // namespace quorvex_bench
