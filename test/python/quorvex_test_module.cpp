// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// The built-in module _quorvex_test of the Python test runner: what rclpy does with a message
// class (Record), the middleware's CDR encoding through the handle it resolves, the C++
// library's encoding of an equal C++ record, the records' invariants, and probes that fail the
// rcutils allocator or Python's at a chosen allocation.

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <atomic>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "allocator_probe.hpp"
#include "fastcdr/Cdr.h"
#include "fastcdr/FastBuffer.h"
#include "fastcdr/exceptions/Exception.h"
#include "quorvex/srv/detail/plan_motion__members.h"
#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_fastrtps_c.h"
#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_fastrtps_cpp.hpp"
#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_introspection_c.h"
#include "quorvex/srv/detail/plan_motion__type_support.h"
#include "quorvex/srv/detail/solve_ik__members.h"
#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_fastrtps_c.h"
#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_fastrtps_cpp.hpp"
#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_introspection_c.h"
#include "quorvex/srv/detail/solve_ik__type_support.h"
#include "quorvex/srv/plan_motion.hpp"
#include "quorvex/srv/solve_ik.hpp"
#include "quorvex_test_module.hpp"
#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_c/primitives_sequence.h"
#include "rosidl_runtime_c/string.h"
#include "rosidl_typesupport_fastrtps_c/identifier.h"
#include "rosidl_typesupport_fastrtps_cpp/message_type_support.h"
#include "rosidl_typesupport_introspection_c/field_types.h"
#include "rosidl_typesupport_introspection_c/identifier.h"
#include "rosidl_typesupport_introspection_c/message_introspection.h"

namespace
{

// --- the Python allocator probe ---

// Wraps the allocators of Python's three domains: counts the blocks they hold and, once armed,
// makes allocating call number `fail_at` (0-based, over all domains) return null.
struct PythonProbe
{
  PyMemAllocatorEx original[3];
  std::atomic<int64_t> live{0};
  std::atomic<int64_t> calls{0};
  std::atomic<int64_t> fail_at{-1};
  std::atomic<bool> injected{false};

  bool fail_now()
  {
    const int64_t target = fail_at.load();
    if (target < 0) {
      return false;
    }
    if (calls.fetch_add(1) == target) {
      injected = true;
      return true;
    }
    return false;
  }
};

PythonProbe g_python_probe;

void * probe_malloc(void * context, size_t size)
{
  auto original = static_cast<PyMemAllocatorEx *>(context);
  if (g_python_probe.fail_now()) {
    return nullptr;
  }
  void * block = original->malloc(original->ctx, size);
  g_python_probe.live += block != nullptr ? 1 : 0;
  return block;
}

void * probe_calloc(void * context, size_t count, size_t size)
{
  auto original = static_cast<PyMemAllocatorEx *>(context);
  if (g_python_probe.fail_now()) {
    return nullptr;
  }
  void * block = original->calloc(original->ctx, count, size);
  g_python_probe.live += block != nullptr ? 1 : 0;
  return block;
}

void * probe_realloc(void * context, void * pointer, size_t size)
{
  auto original = static_cast<PyMemAllocatorEx *>(context);
  if (g_python_probe.fail_now()) {
    return nullptr;
  }
  void * block = original->realloc(original->ctx, pointer, size);
  g_python_probe.live += (block != nullptr && pointer == nullptr) ? 1 : 0;
  return block;
}

void probe_free(void * context, void * pointer)
{
  auto original = static_cast<PyMemAllocatorEx *>(context);
  g_python_probe.live -= pointer != nullptr ? 1 : 0;
  original->free(original->ctx, pointer);
}

// Blocks allocated before the hooks are freed through them too: the counts are differences.
void install_python_probe()
{
  const PyMemAllocatorDomain domains[3] = {
    PYMEM_DOMAIN_RAW, PYMEM_DOMAIN_MEM, PYMEM_DOMAIN_OBJ};
  for (int i = 0; i < 3; ++i) {
    PyMem_GetAllocator(domains[i], &g_python_probe.original[i]);
    PyMemAllocatorEx hook = {
      &g_python_probe.original[i], probe_malloc, probe_calloc, probe_realloc, probe_free};
    PyMem_SetAllocator(domains[i], &hook);
  }
}

// Fails allocation `fail_at` of the chosen allocator for the lifetime of a scope.
class Armed
{
public:
  Armed(bool python, int fail_at)
  : python_(python), active_(fail_at >= 0)
  {
    if (!active_) {
      return;
    }
    if (python_) {
      g_python_probe.calls = 0;
      g_python_probe.injected = false;
      g_python_probe.fail_at = fail_at;
    } else {
      allocator_probe::arm(fail_at);
    }
  }
  ~Armed()
  {
    if (!active_) {
      return;
    }
    if (python_) {
      g_python_probe.fail_at = -1;
      g_last_injected = g_python_probe.injected;
    } else {
      g_last_injected = allocator_probe::disarm();
    }
  }
  Armed(const Armed &) = delete;
  Armed & operator=(const Armed &) = delete;

  static bool g_last_injected;

private:
  bool python_;
  bool active_;
};

bool Armed::g_last_injected = false;

// --- helpers ---

// The capsule's pointer stored in attribute `name` of `holder` (a class, found through its
// metaclass), as rclpy takes it; NULL with an exception set when it is missing.
void * capsule_attribute(PyObject * holder, const char * name)
{
  PyObject * capsule = PyObject_GetAttrString(holder, name);
  if (capsule == nullptr) {
    return nullptr;
  }
  void * pointer = nullptr;
  if (capsule == Py_None) {
    PyErr_Format(PyExc_RuntimeError, "%s is None: the type support is not imported", name);
  } else {
    pointer = PyCapsule_GetPointer(capsule, nullptr);
  }
  Py_DECREF(capsule);
  return pointer;
}

template<typename Function>
Function function_attribute(PyObject * holder, const char * name)
{
  return reinterpret_cast<Function>(capsule_attribute(holder, name));
}

// The handle of `identifier` behind a message class's _TYPE_SUPPORT, as a middleware resolves
// it through the C dispatch.
const rosidl_message_type_support_t * resolved_handle(PyObject * message_class, const char * id)
{
  auto dispatch = static_cast<const rosidl_message_type_support_t *>(
    capsule_attribute(message_class, "_TYPE_SUPPORT"));
  if (dispatch == nullptr) {
    return nullptr;
  }
  const rosidl_message_type_support_t * handle = get_message_typesupport_handle(dispatch, id);
  if (handle == nullptr) {
    PyErr_Format(PyExc_RuntimeError, "the dispatch has no %s handle", id);
  }
  return handle;
}

PyObject * bytes_of(const std::vector<char> & buffer, size_t length)
{
  return PyBytes_FromStringAndSize(buffer.data(), static_cast<Py_ssize_t>(length));
}

// Runs `step` on a CDR stream over `buffer` in the byte order asked and returns what it returns;
// a Fast-CDR refusal becomes a ValueError.
template<typename Step>
PyObject * on_stream(std::vector<char> & buffer, bool big_endian, Step step)
{
  eprosima::fastcdr::FastBuffer fast_buffer(buffer.data(), buffer.size());
  eprosima::fastcdr::Cdr cdr(
    fast_buffer,
    big_endian ? eprosima::fastcdr::Cdr::BIG_ENDIANNESS : eprosima::fastcdr::Cdr::LITTLE_ENDIANNESS,
    eprosima::fastcdr::Cdr::DDS_CDR);
  try {
    return step(cdr);
  } catch (const eprosima::fastcdr::exception::Exception & error) {
    PyErr_SetString(PyExc_ValueError, error.what());
    return nullptr;
  }
}

// Encodes with `serialize` into a zeroed buffer of `size` bytes, the size function's bound
// (Fast-CDR leaves the padding as it finds it).
template<typename Serialize>
PyObject * encode(size_t size, bool big_endian, Serialize serialize)
{
  std::vector<char> buffer(size, 0);
  return on_stream(
    buffer, big_endian, [&buffer, &serialize](eprosima::fastcdr::Cdr & cdr) {
      serialize(cdr);
      return bytes_of(buffer, cdr.getSerializedDataLength());
    });
}

// --- Record: a C record handled as rclpy handles it ---

struct Record
{
  PyObject_HEAD
  PyObject * message_class;
  void * ros_message;
  void (* destroy)(void *);
};

void record_release(Record * self)
{
  if (self->ros_message != nullptr) {
    self->destroy(self->ros_message);
    self->ros_message = nullptr;
  }
}

int record_init(Record * self, PyObject * args, PyObject *)
{
  PyObject * message_class = nullptr;
  if (!PyArg_ParseTuple(args, "O", &message_class)) {
    return -1;
  }
  auto create = function_attribute<void * (*)()>(message_class, "_CREATE_ROS_MESSAGE");
  auto destroy = function_attribute<void (*)(void *)>(message_class, "_DESTROY_ROS_MESSAGE");
  if (create == nullptr || destroy == nullptr) {
    return -1;
  }
  record_release(self);
  void * ros_message = create();
  if (ros_message == nullptr) {
    PyErr_SetString(PyExc_MemoryError, "_CREATE_ROS_MESSAGE returned null");
    return -1;
  }
  Py_INCREF(message_class);
  Py_XSETREF(self->message_class, message_class);
  self->ros_message = ros_message;
  self->destroy = destroy;
  return 0;
}

void record_dealloc(Record * self)
{
  PyTypeObject * type = Py_TYPE(self);
  record_release(self);
  Py_XDECREF(self->message_class);
  type->tp_free(reinterpret_cast<PyObject *>(self));
  Py_DECREF(type);  // instances of a heap type hold a reference to it
}

bool record_alive(Record * self)
{
  if (self->ros_message == nullptr) {
    PyErr_SetString(PyExc_RuntimeError, "the record is destroyed");
    return false;
  }
  return true;
}

// from_py(message, fail_at=-1, python=False): _CONVERT_FROM_PY of type(message), as rclpy calls
// it; with fail_at >= 0 that allocation of the rcutils (or Python's) allocator fails.
PyObject * record_from_py(Record * self, PyObject * args, PyObject * keywords)
{
  static const char * names[] = {"message", "fail_at", "python", nullptr};
  PyObject * message = nullptr;
  int fail_at = -1;
  int python = 0;
  if (!PyArg_ParseTupleAndKeywords(
      args, keywords, "O|ip", const_cast<char **>(names), &message, &fail_at, &python) ||
    !record_alive(self))
  {
    return nullptr;
  }
  auto convert = function_attribute<bool (*)(PyObject *, void *)>(
    reinterpret_cast<PyObject *>(Py_TYPE(message)), "_CONVERT_FROM_PY");
  if (convert == nullptr) {
    return nullptr;
  }
  bool converted;
  {
    Armed armed(python != 0, fail_at);
    converted = convert(message, self->ros_message);
  }
  if (converted == (PyErr_Occurred() != nullptr)) {
    PyErr_Format(
      PyExc_SystemError, "_CONVERT_FROM_PY returned %s %s an exception set",
      converted ? "true" : "false", converted ? "with" : "without");
    return nullptr;
  }
  return converted ? Py_NewRef(Py_None) : nullptr;
}

// to_py(fail_at=-1, python=True): _CONVERT_TO_PY of the record's class.
PyObject * record_to_py(Record * self, PyObject * args, PyObject * keywords)
{
  static const char * names[] = {"fail_at", "python", nullptr};
  int fail_at = -1;
  int python = 1;
  if (!PyArg_ParseTupleAndKeywords(
      args, keywords, "|ip", const_cast<char **>(names), &fail_at, &python) ||
    !record_alive(self))
  {
    return nullptr;
  }
  auto convert = function_attribute<PyObject * (*)(void *)>(self->message_class, "_CONVERT_TO_PY");
  if (convert == nullptr) {
    return nullptr;
  }
  PyObject * result;
  {
    Armed armed(python != 0, fail_at);
    result = convert(self->ros_message);
  }
  if ((result == nullptr) != (PyErr_Occurred() != nullptr)) {
    Py_XDECREF(result);
    PyErr_SetString(PyExc_SystemError, "_CONVERT_TO_PY returned inconsistently with the error");
    return nullptr;
  }
  return result;
}

const message_type_support_callbacks_t * fastrtps_c_callbacks(Record * self)
{
  const rosidl_message_type_support_t * handle =
    resolved_handle(self->message_class, rosidl_typesupport_fastrtps_c__identifier);
  return handle != nullptr ?
         static_cast<const message_type_support_callbacks_t *>(handle->data) : nullptr;
}

// serialize(big_endian=False) -> bytes through rosidl_typesupport_fastrtps_c.
PyObject * record_serialize(Record * self, PyObject * args)
{
  int big_endian = 0;
  if (!PyArg_ParseTuple(args, "|p", &big_endian) || !record_alive(self)) {
    return nullptr;
  }
  const message_type_support_callbacks_t * callbacks = fastrtps_c_callbacks(self);
  if (callbacks == nullptr) {
    return nullptr;
  }
  void * ros_message = self->ros_message;
  return encode(
    callbacks->get_serialized_size(ros_message), big_endian != 0,
    [callbacks, ros_message](eprosima::fastcdr::Cdr & cdr) {
      callbacks->cdr_serialize(ros_message, cdr);
    });
}

// deserialize(data, big_endian=False) through rosidl_typesupport_fastrtps_c.
PyObject * record_deserialize(Record * self, PyObject * args)
{
  Py_buffer data;
  int big_endian = 0;
  if (!PyArg_ParseTuple(args, "y*|p", &data, &big_endian)) {
    return nullptr;
  }
  const message_type_support_callbacks_t * callbacks =
    record_alive(self) ? fastrtps_c_callbacks(self) : nullptr;
  std::vector<char> buffer(
    static_cast<const char *>(data.buf), static_cast<const char *>(data.buf) + data.len);
  PyBuffer_Release(&data);
  if (callbacks == nullptr) {
    return nullptr;
  }
  void * ros_message = self->ros_message;
  return on_stream(
    buffer, big_endian != 0, [callbacks, ros_message](eprosima::fastcdr::Cdr & cdr) {
      if (!callbacks->cdr_deserialize(cdr, ros_message)) {
        return PyErr_NoMemory();
      }
      return Py_NewRef(Py_None);
    });
}

// check(): raises AssertionError unless every string and sequence of the record is valid (it
// can be finalised and read), walked through the introspection type support.
PyObject * record_check(Record * self, PyObject *)
{
  if (!record_alive(self)) {
    return nullptr;
  }
  const rosidl_message_type_support_t * handle =
    resolved_handle(self->message_class, rosidl_typesupport_introspection_c__identifier);
  if (handle == nullptr) {
    return nullptr;
  }
  auto members =
    static_cast<const rosidl_typesupport_introspection_c__MessageMembers *>(handle->data);
  auto record = static_cast<const char *>(self->ros_message);
  for (uint32_t i = 0; i < members->member_count_; ++i) {
    const rosidl_typesupport_introspection_c__MessageMember & member = members->members_[i];
    const void * field = record + member.offset_;
    bool valid = true;
    if (member.is_array_) {
      auto sequence = static_cast<const rosidl_runtime_c__double__Sequence *>(field);
      valid = sequence->size <= sequence->capacity &&
        (sequence->capacity == 0 || sequence->data != nullptr);
    } else if (member.type_id_ == rosidl_typesupport_introspection_c__ROS_TYPE_STRING) {
      auto text = static_cast<const rosidl_runtime_c__String *>(field);
      valid = text->data != nullptr && text->size < text->capacity &&
        text->data[text->size] == '\0';
    }
    if (!valid) {
      PyErr_Format(PyExc_AssertionError, "member %s of the record is not valid", member.name_);
      return nullptr;
    }
  }
  Py_RETURN_NONE;
}

PyObject * record_destroy(Record * self, PyObject *)
{
  record_release(self);
  Py_RETURN_NONE;
}

PyMethodDef record_methods[] = {
  {"from_py", reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(record_from_py)),
    METH_VARARGS | METH_KEYWORDS, "from_py(message, fail_at=-1, python=False)"},
  {"to_py", reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(record_to_py)),
    METH_VARARGS | METH_KEYWORDS, "to_py(fail_at=-1, python=True) -> message"},
  {"serialize", reinterpret_cast<PyCFunction>(record_serialize), METH_VARARGS,
    "serialize(big_endian=False) -> bytes"},
  {"deserialize", reinterpret_cast<PyCFunction>(record_deserialize), METH_VARARGS,
    "deserialize(data, big_endian=False)"},
  {"check", reinterpret_cast<PyCFunction>(record_check), METH_NOARGS, "check()"},
  {"destroy", reinterpret_cast<PyCFunction>(record_destroy), METH_NOARGS, "destroy()"},
  {nullptr, nullptr, 0, nullptr},
};

PyType_Slot record_slots[] = {
  {Py_tp_doc, const_cast<char *>("Record(message_class): a C record made by _CREATE_ROS_MESSAGE")},
  {Py_tp_new, reinterpret_cast<void *>(PyType_GenericNew)},
  {Py_tp_init, reinterpret_cast<void *>(record_init)},
  {Py_tp_dealloc, reinterpret_cast<void *>(record_dealloc)},
  {Py_tp_methods, record_methods},
  {0, nullptr},
};

PyType_Spec record_spec = {
  "_quorvex_test.Record", sizeof(Record), 0, Py_TPFLAGS_DEFAULT, record_slots};

// --- the C++ library's encoding of an equal C++ record ---

// Each member read from the Python message through its public attribute, independently of the
// conversions under test.
bool read_member(PyObject * value, bool & out)
{
  if (!PyBool_Check(value)) {
    PyErr_SetString(PyExc_TypeError, "not a bool");
    return false;
  }
  out = value == Py_True;
  return true;
}

bool read_member(PyObject * value, int32_t & out)
{
  const long number = PyLong_AsLong(value);  // NOLINT(runtime/int)
  out = static_cast<int32_t>(number);
  return !(number == -1 && PyErr_Occurred());
}

bool read_member(PyObject * value, double & out)
{
  out = PyFloat_AsDouble(value);
  return !(out == -1.0 && PyErr_Occurred());
}

bool read_member(PyObject * value, std::string & out)
{
  Py_ssize_t size = 0;
  const char * text = PyUnicode_AsUTF8AndSize(value, &size);
  if (text != nullptr) {
    out.assign(text, static_cast<size_t>(size));
  }
  return text != nullptr;
}

bool read_member(PyObject * value, std::vector<double> & out)
{
  PyObject * iterator = PyObject_GetIter(value);
  if (iterator == nullptr) {
    return false;
  }
  out.clear();
  while (PyObject * item = PyIter_Next(iterator)) {
    out.push_back(PyFloat_AsDouble(item));
    Py_DECREF(item);
  }
  Py_DECREF(iterator);
  return PyErr_Occurred() == nullptr;
}

#define QUORVEX_TEST_READ(member, KIND) \
  if (ok) { \
    PyObject * value = PyObject_GetAttrString(message, #member); \
    ok = value != nullptr && read_member(value, record.member); \
    Py_XDECREF(value); \
  }

template<typename Record>
PyObject * cpp_encode(const Record & record, bool big_endian)
{
  using namespace quorvex::srv::typesupport_fastrtps_cpp;  // NOLINT(build/namespaces)
  return encode(
    get_serialized_size(record, 0), big_endian,
    [&record](eprosima::fastcdr::Cdr & cdr) {cdr_serialize(record, cdr);});
}

#define QUORVEX_TEST_CPP_ENCODE(Message, TABLE) \
  if (name == #Message) { \
    quorvex::srv::Message record; \
    bool ok = true; \
    TABLE(QUORVEX_TEST_READ) \
    return ok ? cpp_encode(record, big_endian != 0) : nullptr; \
  }

// cpp_serialize(message, big_endian=False) -> bytes of the equal C++ record.
PyObject * cpp_serialize(PyObject *, PyObject * args)
{
  PyObject * message = nullptr;
  int big_endian = 0;
  if (!PyArg_ParseTuple(args, "O|p", &message, &big_endian)) {
    return nullptr;
  }
  const std::string name = Py_TYPE(message)->tp_name;
  QUORVEX_TEST_CPP_ENCODE(SolveIK_Request, QUORVEX_SOLVE_IK_REQUEST_MEMBERS)
  QUORVEX_TEST_CPP_ENCODE(SolveIK_Response, QUORVEX_SOLVE_IK_RESPONSE_MEMBERS)
  QUORVEX_TEST_CPP_ENCODE(PlanMotion_Request, QUORVEX_PLAN_MOTION_REQUEST_MEMBERS)
  QUORVEX_TEST_CPP_ENCODE(PlanMotion_Response, QUORVEX_PLAN_MOTION_RESPONSE_MEMBERS)
  PyErr_Format(PyExc_TypeError, "no C++ record for %s", name.c_str());
  return nullptr;
}

// --- handles and capsules ---

// getter_handles(type_support) -> {name: address} of the handles the package's getters return,
// for 'rosidl_typesupport_c', 'rosidl_typesupport_fastrtps_c' or
// 'rosidl_typesupport_introspection_c'; messages by their snake names, services too.
#define QUORVEX_TEST_HANDLES(ts) \
  { \
    {"solve_ik__request", \
      ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(ts, quorvex, srv, SolveIK_Request)()}, \
    {"solve_ik__response", \
      ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(ts, quorvex, srv, SolveIK_Response)()}, \
    {"plan_motion__request", \
      ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(ts, quorvex, srv, PlanMotion_Request)()}, \
    {"plan_motion__response", \
      ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(ts, quorvex, srv, PlanMotion_Response)()}, \
    {"solve_ik", ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME(ts, quorvex, srv, SolveIK)()}, \
    {"plan_motion", \
      ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME(ts, quorvex, srv, PlanMotion)()}, \
  }

struct NamedHandle
{
  const char * name;
  const void * handle;
};

PyObject * handle_dict(std::initializer_list<NamedHandle> handles)
{
  PyObject * result = PyDict_New();
  for (const NamedHandle & entry : handles) {
    PyObject * address = PyLong_FromVoidPtr(const_cast<void *>(entry.handle));
    if (result == nullptr || address == nullptr ||
      PyDict_SetItemString(result, entry.name, address) != 0)
    {
      Py_XDECREF(address);
      Py_XDECREF(result);
      return nullptr;
    }
    Py_DECREF(address);
  }
  return result;
}

PyObject * getter_handles(PyObject *, PyObject * args)
{
  const char * type_support = nullptr;
  if (!PyArg_ParseTuple(args, "s", &type_support)) {
    return nullptr;
  }
  const std::string wanted = type_support;
  if (wanted == "rosidl_typesupport_c") {
    return handle_dict(QUORVEX_TEST_HANDLES(rosidl_typesupport_c));
  } else if (wanted == "rosidl_typesupport_fastrtps_c") {
    return handle_dict(QUORVEX_TEST_HANDLES(rosidl_typesupport_fastrtps_c));
  } else if (wanted == "rosidl_typesupport_introspection_c") {
    return handle_dict(QUORVEX_TEST_HANDLES(rosidl_typesupport_introspection_c));
  }
  PyErr_Format(PyExc_ValueError, "unknown type support %s", type_support);
  return nullptr;
}

// capsule_pointer(capsule) -> (address, name or None).
PyObject * capsule_pointer(PyObject *, PyObject * capsule)
{
  if (!PyCapsule_CheckExact(capsule)) {
    PyErr_SetString(PyExc_TypeError, "not a capsule");
    return nullptr;
  }
  const char * name = PyCapsule_GetName(capsule);
  void * pointer = PyCapsule_GetPointer(capsule, name);
  if (pointer == nullptr) {
    return nullptr;
  }
  return Py_BuildValue("(Nz)", PyLong_FromVoidPtr(pointer), name);
}

// --- probes ---

PyObject * injected(PyObject *, PyObject *)
{
  return PyBool_FromLong(Armed::g_last_injected);
}

PyObject * rcutils_live_blocks(PyObject *, PyObject *)
{
  return PyLong_FromLong(allocator_probe::live_blocks());
}

PyObject * python_live_blocks(PyObject *, PyObject *)
{
  return PyLong_FromLongLong(g_python_probe.live.load());
}

PyMethodDef module_methods[] = {
  {"cpp_serialize", cpp_serialize, METH_VARARGS,
    "cpp_serialize(message, big_endian=False) -> bytes of the equal C++ record"},
  {"getter_handles", getter_handles, METH_VARARGS,
    "getter_handles(type_support) -> {name: address of the getter's handle}"},
  {"capsule_pointer", capsule_pointer, METH_O, "capsule_pointer(capsule) -> (address, name)"},
  {"injected", injected, METH_NOARGS,
    "injected() -> whether the last armed call had an allocation failed"},
  {"rcutils_live_blocks", rcutils_live_blocks, METH_NOARGS,
    "rcutils_live_blocks() -> blocks held from the rcutils allocator"},
  {"python_live_blocks", python_live_blocks, METH_NOARGS,
    "python_live_blocks() -> blocks held from Python's allocators since the module was loaded"},
  {nullptr, nullptr, 0, nullptr},
};

PyModuleDef module_definition = {
  PyModuleDef_HEAD_INIT, "_quorvex_test",
  "What rclpy and a middleware do with quorvex's Python messages, and allocator probes.", -1,
  module_methods, nullptr, nullptr, nullptr, nullptr,
};

}  // namespace

PyObject * PyInit__quorvex_test()
{
  PyObject * module = PyModule_Create(&module_definition);
  PyObject * record_type = module != nullptr ? PyType_FromSpec(&record_spec) : nullptr;
  if (record_type == nullptr || PyModule_AddObjectRef(module, "Record", record_type) != 0) {
    Py_XDECREF(record_type);
    Py_XDECREF(module);
    return nullptr;
  }
  Py_DECREF(record_type);
#if defined(__SANITIZE_ADDRESS__)
  PyObject * sanitized = Py_True;
#else
  PyObject * sanitized = Py_False;
#endif
  // Whether the program runs under AddressSanitizer, whose quarantine holds freed memory.
  if (PyModule_AddObjectRef(module, "sanitized", sanitized) != 0) {
    Py_DECREF(module);
    return nullptr;
  }
  install_python_probe();
  return module;
}
