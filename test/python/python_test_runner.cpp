// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// The interpreter that runs the Python tests: python3 itself (Py_BytesMain, so it takes python3's
// options, -m pytest included) with the built-in module _quorvex_test. It defines and exports
// rcutils_get_default_allocator (test/records' allocator probe), so that the C records' memory
// comes from a counting allocator that can fail on demand; and in a sanitizer build it is the
// instrumented program into which the instrumented extension modules are loaded.

#include "quorvex_test_module.hpp"

int main(int argc, char ** argv)
{
  if (PyImport_AppendInittab("_quorvex_test", PyInit__quorvex_test) != 0) {
    return 1;
  }
  return Py_BytesMain(argc, argv);
}
