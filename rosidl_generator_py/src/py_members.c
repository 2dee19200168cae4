// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "quorvex/srv/detail/py_members.h"

#include <stdarg.h>
#include <stdbool.h>
#include <stdint.h>
#include <string.h>

#include "rosidl_runtime_c/primitives_sequence_functions.h"
#include "rosidl_runtime_c/string_functions.h"

// The member's name as users write it: the attribute without its leading underscore.
static const char *
member_name(const quorvex_py__Member * member)
{
  return member->attribute + 1;
}

// The member's attribute name as a Python string, borrowed; made once per interpreter, since
// making it for each access costs as much as the access. The caller holds the GIL, which guards
// the member's record. NULL with an exception set when it cannot be made.
static PyObject *
attribute_name(quorvex_py__Member * member)
{
  PyInterpreterState * interpreter = PyInterpreterState_Get();
  if (member->interpreter != interpreter) {
    PyObject * name = PyUnicode_InternFromString(member->attribute);
    if (name == NULL) {
      return NULL;
    }
    // Another interpreter's string is kept rather than released under this one.
    member->name = name;
    member->interpreter = interpreter;
  }
  return member->name;
}

// Replaces the pending exception with `type` and the text, keeping the former one as its cause,
// as `raise type(text) from former` does.
static void
raise_from_current(PyObject * type, const char * format, ...)
{
  PyObject * cause_type, * cause, * cause_traceback;
  PyErr_Fetch(&cause_type, &cause, &cause_traceback);
  PyErr_NormalizeException(&cause_type, &cause, &cause_traceback);
  if (cause != NULL && cause_traceback != NULL) {
    PyException_SetTraceback(cause, cause_traceback);
  }
  Py_XDECREF(cause_type);
  Py_XDECREF(cause_traceback);

  va_list arguments;
  va_start(arguments, format);
  PyErr_FormatV(type, format, arguments);
  va_end(arguments);

  PyObject * error_type, * error, * error_traceback;
  PyErr_Fetch(&error_type, &error, &error_traceback);
  PyErr_NormalizeException(&error_type, &error, &error_traceback);
  if (error != NULL && cause != NULL) {
    Py_INCREF(cause);
    PyException_SetContext(error, cause);
    PyException_SetCause(error, cause);  // steals the reference
  } else {
    Py_XDECREF(cause);
  }
  PyErr_Restore(error_type, error, error_traceback);
}

// The module `name`, a new reference: from sys.modules when it is there, else imported.
// PyImport_ImportModule would do, but it costs an AttributeError raised and caught on every call
// (the check of the module spec's _initializing), several times the rest of a small conversion.
static PyObject *
import_module(const char * name)
{
  PyObject * name_object = PyUnicode_FromString(name);
  if (name_object == NULL) {
    return NULL;
  }
  PyObject * module = PyDict_GetItemWithError(PyImport_GetModuleDict(), name_object);
  if (module != NULL) {
    Py_INCREF(module);
  } else if (!PyErr_Occurred()) {
    module = PyImport_Import(name_object);
  }
  Py_DECREF(name_object);
  return module;
}

// The message's class, a new reference; NULL with an exception set when the module cannot be
// imported or does not define it as a class.
static PyObject *
message_class(const quorvex_py__Message * message)
{
  PyObject * module = import_module(message->module);
  if (module == NULL) {
    return NULL;
  }
  PyObject * class_object = PyObject_GetAttrString(module, message->class_name);
  Py_DECREF(module);
  if (class_object != NULL && !PyType_Check(class_object)) {
    PyErr_Format(
      PyExc_TypeError, "%s.%s is not a class", message->module, message->class_name);
    Py_CLEAR(class_object);
  }
  return class_object;
}

bool
quorvex_py__check_from_py(
  const quorvex_py__Message * message, PyObject * py_message, const void * ros_message)
{
  if (py_message == NULL || ros_message == NULL) {
    PyErr_Format(
      PyExc_ValueError, "converting a %s needs a message and a record, not a null pointer",
      message->full_name);
    return false;
  }
  PyObject * class_object = message_class(message);
  if (class_object == NULL) {
    return false;
  }
  const bool is_instance = PyObject_TypeCheck(py_message, (PyTypeObject *)class_object);
  Py_DECREF(class_object);
  if (!is_instance) {
    PyErr_Format(
      PyExc_TypeError, "expected a %s, got an object of type '%.200s'", message->full_name,
      Py_TYPE(py_message)->tp_name);
    return false;
  }
  return true;
}

PyObject *
quorvex_py__new_instance(const quorvex_py__Message * message, const void * ros_message)
{
  if (ros_message == NULL) {
    PyErr_Format(
      PyExc_ValueError, "converting a %s needs a record, not a null pointer", message->full_name);
    return NULL;
  }
  PyObject * class_object = message_class(message);
  if (class_object == NULL) {
    return NULL;
  }
  // The class's own tp_new (object's) without __init__: every member is set from the record next.
  // Called as a slot, not through the attribute __new__, whose lookup allocates.
  PyTypeObject * type = (PyTypeObject *)class_object;
  if (type->tp_new == NULL) {
    PyErr_Format(PyExc_TypeError, "%s cannot be instantiated", message->full_name);
    Py_DECREF(class_object);
    return NULL;
  }
  PyObject * no_arguments = PyTuple_New(0);
  PyObject * instance = no_arguments != NULL ? type->tp_new(type, no_arguments, NULL) : NULL;
  Py_XDECREF(no_arguments);
  if (instance != NULL && !PyObject_TypeCheck(instance, type)) {
    PyErr_Format(PyExc_TypeError, "%s.__new__ made no %s", message->full_name, message->full_name);
    Py_CLEAR(instance);
  }
  Py_DECREF(class_object);
  return instance;
}

// --- from Python ---

// The value of the member, a new reference. A member that is not set (deleted, or never set by
// a subclass that skipped __init__) is a TypeError naming it.
static PyObject *
member_value(
  const quorvex_py__Message * message, PyObject * py_message,
  quorvex_py__Member * member)
{
  PyObject * name = attribute_name(member);
  PyObject * value = name != NULL ? PyObject_GetAttr(py_message, name) : NULL;
  if (value == NULL && PyErr_ExceptionMatches(PyExc_AttributeError)) {
    raise_from_current(
      PyExc_TypeError, "%s.%s: the member is not set", message->full_name,
      member_name(member));
  }
  return value;
}

// Sets the TypeError of a member holding a value of another type.
static void
refuse_type(
  const quorvex_py__Message * message, quorvex_py__Member * member, const char * expected,
  PyObject * value)
{
  PyErr_Format(
    PyExc_TypeError, "%s.%s must be of type '%s', not '%.200s'", message->full_name,
    member_name(member), expected, Py_TYPE(value)->tp_name);
}

bool
quorvex_py__from_py_BOOL(
  const quorvex_py__Message * message, PyObject * py_message, quorvex_py__Member * member,
  bool * value)
{
  PyObject * field = member_value(message, py_message, member);
  if (field == NULL) {
    return false;
  }
  const bool is_bool = PyBool_Check(field);
  if (is_bool) {
    *value = field == Py_True;
  } else {
    refuse_type(message, member, "bool", field);
  }
  Py_DECREF(field);
  return is_bool;
}

bool
quorvex_py__from_py_INT32(
  const quorvex_py__Message * message, PyObject * py_message, quorvex_py__Member * member,
  int32_t * value)
{
  PyObject * field = member_value(message, py_message, member);
  if (field == NULL) {
    return false;
  }
  if (!PyLong_Check(field)) {
    refuse_type(message, member, "int", field);
    Py_DECREF(field);
    return false;
  }
  // An int (or a subclass: bool too) is read without calling any of its methods.
  int overflow = 0;
  const long number = PyLong_AsLongAndOverflow(field, &overflow);  // NOLINT(runtime/int)
  Py_DECREF(field);
  if (number == -1 && PyErr_Occurred()) {
    return false;
  }
  if (overflow != 0 || number < INT32_MIN || number > INT32_MAX) {
    // The value itself is not quoted: an int of many digits would flood the message.
    PyErr_Format(
      PyExc_OverflowError, "%s.%s must be an int in [-2147483648, 2147483647]",
      message->full_name, member_name(member));
    return false;
  }
  *value = (int32_t)number;
  return true;
}

bool
quorvex_py__from_py_FLOAT64(
  const quorvex_py__Message * message, PyObject * py_message, quorvex_py__Member * member,
  double * value)
{
  PyObject * field = member_value(message, py_message, member);
  if (field == NULL) {
    return false;
  }
  const bool is_float = PyFloat_Check(field);
  if (is_float) {
    *value = PyFloat_AS_DOUBLE(field);
  } else {
    refuse_type(message, member, "float", field);
  }
  Py_DECREF(field);
  return is_float;
}

bool
quorvex_py__from_py_STRING(
  const quorvex_py__Message * message, PyObject * py_message, quorvex_py__Member * member,
  rosidl_runtime_c__String * value)
{
  PyObject * field = member_value(message, py_message, member);
  if (field == NULL) {
    return false;
  }
  if (!PyUnicode_Check(field)) {
    refuse_type(message, member, "str", field);
    Py_DECREF(field);
    return false;
  }
  Py_ssize_t size = 0;
  const char * text = PyUnicode_AsUTF8AndSize(field, &size);
  bool stored = false;
  if (text == NULL) {
    if (PyErr_ExceptionMatches(PyExc_UnicodeEncodeError)) {
      raise_from_current(
        PyExc_ValueError, "%s.%s: the text cannot be encoded as UTF-8 (it holds a lone "
        "surrogate)", message->full_name, member_name(member));
    }
  } else if (memchr(text, '\0', (size_t)size) != NULL) {
    // The wire format ends a string at its first NUL: the text would arrive cut short.
    PyErr_Format(
      PyExc_ValueError, "%s.%s: the text holds a NUL character, which a message string cannot "
      "carry", message->full_name, member_name(member));
  } else if (!rosidl_runtime_c__String__assignn(value, text, (size_t)size)) {
    PyErr_Format(
      PyExc_MemoryError, "%s.%s: no memory for a text of %zd bytes", message->full_name,
      member_name(member), size);
  } else {
    stored = true;
  }
  // The text belongs to the str object, which the message keeps alive only while it holds it.
  Py_DECREF(field);
  return stored;
}

// Whether a buffer's format describes native float64 values.
static bool
is_native_float64_format(const char * format)
{
  if (format == NULL) {
    return false;  // unsigned bytes
  }
  if (format[0] == '@' || format[0] == '=' ||
    format[0] == (PY_LITTLE_ENDIAN ? '<' : '>'))
  {
    ++format;
  }
  return strcmp(format, "d") == 0;
}

// Stores `count` values into the member: in its own block when that holds them, else in a new
// block that replaces the old one. The member is unchanged on failure.
static bool
store_float64s(
  const quorvex_py__Message * message, quorvex_py__Member * member, const double * values,
  size_t count, rosidl_runtime_c__double__Sequence * value)
{
  if (count <= value->capacity && (count == 0 || value->data != NULL)) {
    if (count > 0) {
      memcpy(value->data, values, count * sizeof(double));
    }
    value->size = count;
    return true;
  }
  rosidl_runtime_c__double__Sequence grown;
  if (!rosidl_runtime_c__double__Sequence__init(&grown, count)) {
    PyErr_Format(
      PyExc_MemoryError, "%s.%s: no memory for %zu float64 values", message->full_name,
      member_name(member), count);
    return false;
  }
  memcpy(grown.data, values, count * sizeof(double));
  rosidl_runtime_c__double__Sequence__fini(value);
  *value = grown;
  return true;
}

// A C-contiguous buffer of native float64 values (array.array('d'), a NumPy float64 vector) is
// copied in one block. Returns 1 when stored, 0 when `field` offers no such buffer (nothing is
// then pending) and -1 on failure with an exception set.
static int
from_float64_buffer(
  const quorvex_py__Message * message, PyObject * field, quorvex_py__Member * member,
  rosidl_runtime_c__double__Sequence * value)
{
  if (!PyObject_CheckBuffer(field)) {
    return 0;
  }
  Py_buffer view;
  if (PyObject_GetBuffer(field, &view, PyBUF_FULL_RO) != 0) {
    // An exporter that cannot describe its layout: taken element by element.
    PyErr_Clear();
    return 0;
  }
  int result = 0;
  if (view.ndim == 1 && view.itemsize == sizeof(double) &&
    is_native_float64_format(view.format) && PyBuffer_IsContiguous(&view, 'C'))
  {
    result = store_float64s(
      message, member, (const double *)view.buf, (size_t)view.len / sizeof(double), value) ?
      1 : -1;
  }
  PyBuffer_Release(&view);
  return result;
}

bool
quorvex_py__from_py_FLOAT64_SEQUENCE(
  const quorvex_py__Message * message, PyObject * py_message, quorvex_py__Member * member,
  rosidl_runtime_c__double__Sequence * value)
{
  PyObject * field = member_value(message, py_message, member);
  if (field == NULL) {
    return false;
  }
  const int from_buffer = from_float64_buffer(message, field, member, value);
  if (from_buffer != 0) {
    Py_DECREF(field);
    return from_buffer > 0;
  }
  if (PyUnicode_Check(field)) {
    refuse_type(message, member, "sequence of float", field);
    Py_DECREF(field);
    return false;
  }
  // Any other iterable of floats, as a list or tuple (a list, tuple or set set directly on
  // `_member`). Its items are checked before the member is touched.
  PyObject * items = PySequence_Fast(field, "");
  if (items == NULL) {
    if (PyErr_ExceptionMatches(PyExc_TypeError)) {
      PyErr_Clear();
      refuse_type(message, member, "sequence of float", field);
    }
    Py_DECREF(field);
    return false;
  }
  Py_DECREF(field);
  const Py_ssize_t count = PySequence_Fast_GET_SIZE(items);
  PyObject ** item = PySequence_Fast_ITEMS(items);
  double * values = count > 0 ? PyMem_New(double, (size_t)count) : NULL;
  if (count > 0 && values == NULL) {
    Py_DECREF(items);
    PyErr_NoMemory();
    return false;
  }
  bool stored = true;
  for (Py_ssize_t i = 0; i < count && stored; ++i) {
    if (PyFloat_Check(item[i])) {
      values[i] = PyFloat_AS_DOUBLE(item[i]);
    } else {
      PyErr_Format(
        PyExc_TypeError, "%s.%s must hold only values of type 'float'; element %zd is of type "
        "'%.200s'", message->full_name, member_name(member), i, Py_TYPE(item[i])->tp_name);
      stored = false;
    }
  }
  if (stored) {
    stored = store_float64s(message, member, values, (size_t)count, value);
  }
  PyMem_Free(values);
  Py_DECREF(items);
  return stored;
}

// --- to Python ---

// Sets the attribute to `object`, a new reference that this takes; false when `object` is NULL
// (its exception pending) or cannot be set.
static bool
set_member(PyObject * py_message, quorvex_py__Member * member, PyObject * object)
{
  if (object == NULL) {
    return false;
  }
  PyObject * name = attribute_name(member);
  const int result = name != NULL ? PyObject_SetAttr(py_message, name, object) : -1;
  Py_DECREF(object);
  return result == 0;
}

bool
quorvex_py__to_py_BOOL(PyObject * py_message, quorvex_py__Member * member, const bool * value)
{
  return set_member(py_message, member, PyBool_FromLong(*value));
}

bool
quorvex_py__to_py_INT32(PyObject * py_message, quorvex_py__Member * member, const int32_t * value)
{
  return set_member(py_message, member, PyLong_FromLong(*value));
}

bool
quorvex_py__to_py_FLOAT64(PyObject * py_message, quorvex_py__Member * member, const double * value)
{
  return set_member(py_message, member, PyFloat_FromDouble(*value));
}

bool
quorvex_py__to_py_STRING(
  PyObject * py_message, quorvex_py__Member * member, const rosidl_runtime_c__String * value)
{
  // A record left in zero bytes holds no text at all: the empty string. Bytes that are not UTF-8
  // (from a peer that wrote them) become replacement characters rather than an error.
  const bool has_text = value->data != NULL && value->size > 0;
  if (has_text && value->size > (size_t)PY_SSIZE_T_MAX) {
    PyErr_NoMemory();
    return false;
  }
  return set_member(
    py_message, member,
    PyUnicode_DecodeUTF8(
      has_text ? value->data : "", has_text ? (Py_ssize_t)value->size : 0, "replace"));
}

// What every float64[] member to Python needs: the type array.array, its type code 'd' and the
// name "frombytes".
// Looked up once per interpreter, since the lookups cost as much as a small conversion; the
// caller holds the GIL, which guards this.
typedef struct ArrayFunctions
{
  PyInterpreterState * interpreter;
  PyObject * array_type;
  PyObject * typecode;
  PyObject * frombytes;
} ArrayFunctions;

static ArrayFunctions g_array_functions;

// The functions for the running interpreter, borrowed; NULL with an exception set when the array
// module cannot be imported.
static const ArrayFunctions *
array_functions(void)
{
  PyInterpreterState * interpreter = PyInterpreterState_Get();
  if (g_array_functions.interpreter == interpreter) {
    return &g_array_functions;
  }
  PyObject * array_module = import_module("array");
  PyObject * array_type =
    array_module != NULL ? PyObject_GetAttrString(array_module, "array") : NULL;
  PyObject * typecode = array_type != NULL ? PyUnicode_FromString("d") : NULL;
  PyObject * frombytes = typecode != NULL ? PyUnicode_InternFromString("frombytes") : NULL;
  Py_XDECREF(array_module);
  if (frombytes == NULL) {
    Py_XDECREF(typecode);
    Py_XDECREF(array_type);
    return NULL;
  }
  // Another interpreter's objects are let go only while that interpreter may still exist: they
  // are kept (a small, bounded leak) rather than released under the wrong interpreter.
  g_array_functions.interpreter = interpreter;
  g_array_functions.array_type = array_type;
  g_array_functions.typecode = typecode;
  g_array_functions.frombytes = frombytes;
  return &g_array_functions;
}

// A new array.array('d') holding a copy of `count` values, filled in one block.
static PyObject *
new_float64_array(const double * values, size_t count)
{
  if (count > (size_t)PY_SSIZE_T_MAX / sizeof(double)) {
    return PyErr_NoMemory();
  }
  const ArrayFunctions * functions = array_functions();
  if (functions == NULL) {
    return NULL;
  }
  PyObject * array = PyObject_CallOneArg(functions->array_type, functions->typecode);
  if (array == NULL || count == 0) {
    return array;
  }
  // frombytes takes any buffer: a read-only view of the record's block, used only for the call,
  // which is made without a bound method (whose failure leaks inside CPython 3.11).
  PyObject * view = PyMemoryView_FromMemory(
    (char *)values, (Py_ssize_t)(count * sizeof(double)), PyBUF_READ);
  PyObject * result = view != NULL ?
    PyObject_CallMethodOneArg(array, functions->frombytes, view) : NULL;
  Py_XDECREF(view);
  if (result == NULL) {
    Py_CLEAR(array);
  }
  Py_XDECREF(result);
  return array;
}

bool
quorvex_py__to_py_FLOAT64_SEQUENCE(
  PyObject * py_message, quorvex_py__Member * member,
  const rosidl_runtime_c__double__Sequence * value)
{
  return set_member(
    py_message, member,
    new_float64_array(value->data, value->data != NULL ? value->size : 0));
}
