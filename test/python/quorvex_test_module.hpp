// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef PYTHON__QUORVEX_TEST_MODULE_HPP_
#define PYTHON__QUORVEX_TEST_MODULE_HPP_

#define PY_SSIZE_T_CLEAN
#include <Python.h>

/// Creates the built-in module _quorvex_test; installs the Python allocator probe.
PyObject * PyInit__quorvex_test();

#endif  // PYTHON__QUORVEX_TEST_MODULE_HPP_
