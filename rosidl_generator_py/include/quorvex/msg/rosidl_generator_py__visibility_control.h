// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__MSG__ROSIDL_GENERATOR_PY__VISIBILITY_CONTROL_H_
#define QUORVEX__MSG__ROSIDL_GENERATOR_PY__VISIBILITY_CONTROL_H_

// The Python conversions are built with hidden visibility; only what carries this mark is
// exported.
#if defined _WIN32 || defined __CYGWIN__
  #ifdef ROSIDL_GENERATOR_PY_BUILDING_DLL_quorvex
    #define ROSIDL_GENERATOR_PY_PUBLIC_quorvex __declspec(dllexport)
  #else
    #define ROSIDL_GENERATOR_PY_PUBLIC_quorvex __declspec(dllimport)
  #endif
#else
  #define ROSIDL_GENERATOR_PY_PUBLIC_quorvex __attribute__ ((visibility("default")))
#endif

#endif  // QUORVEX__MSG__ROSIDL_GENERATOR_PY__VISIBILITY_CONTROL_H_
