// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// The extension module quorvex._sequences: the check and conversion of a list or tuple of floats
// into an array.array('d') in one pass, for the float64[] properties of the message classes.
// Python alone needs a second pass over the values to refuse ints, which costs more than building
// the array.

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <stdint.h>

// float64_array(values) -> array.array('d') holding the values of a list or tuple whose items
// are all floats, or None when `values` is not a list or tuple or holds anything else; the
// caller then takes the general way, which also names the first wrong item.
static PyObject *
float64_array(PyObject * module, PyObject * values)
{
  (void)module;
  if (!PyList_CheckExact(values) && !PyTuple_CheckExact(values)) {
    Py_RETURN_NONE;
  }
  // Checking an item calls no Python code, so the list cannot change during the loop.
  const Py_ssize_t count = PySequence_Fast_GET_SIZE(values);
  PyObject ** items = PySequence_Fast_ITEMS(values);
  if (count > PY_SSIZE_T_MAX / (Py_ssize_t)sizeof(double)) {
    return PyErr_NoMemory();
  }
  PyObject * bytes = PyBytes_FromStringAndSize(NULL, count * (Py_ssize_t)sizeof(double));
  if (bytes == NULL) {
    return NULL;
  }
  double * out = (double *)PyBytes_AS_STRING(bytes);
  for (Py_ssize_t i = 0; i < count; ++i) {
    if (!PyFloat_Check(items[i])) {
      Py_DECREF(bytes);
      Py_RETURN_NONE;
    }
    out[i] = PyFloat_AS_DOUBLE(items[i]);
  }
  PyObject * array_module = PyImport_ImportModule("array");
  PyObject * array = array_module != NULL ?
    PyObject_CallMethod(array_module, "array", "sO", "d", bytes) : NULL;
  Py_XDECREF(array_module);
  Py_DECREF(bytes);
  return array;
}

static PyMethodDef module_methods[] = {
  {"float64_array", float64_array, METH_O,
    "float64_array(values) -> array.array('d') of a list or tuple of floats, else None"},
  {NULL, NULL, 0, NULL},
};

static PyModuleDef_Slot module_slots[] = {
  {0, NULL},
};

static struct PyModuleDef module_definition = {
  PyModuleDef_HEAD_INIT,
  .m_name = "quorvex._sequences",
  .m_doc = "Fast conversions of the float64[] members of the quorvex messages.",
  .m_size = 0,
  .m_methods = module_methods,
  .m_slots = module_slots,
};

PyMODINIT_FUNC
PyInit__sequences(void)
{
  return PyModuleDef_Init(&module_definition);
}
