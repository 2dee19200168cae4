// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__MSG__ROSIDL_TYPESUPPORT_C__VISIBILITY_CONTROL_H_
#define QUORVEX__MSG__ROSIDL_TYPESUPPORT_C__VISIBILITY_CONTROL_H_

// The C dispatch library is built with hidden visibility; only what carries this mark is
// exported.
#if defined _WIN32 || defined __CYGWIN__
  #ifdef ROSIDL_TYPESUPPORT_C_BUILDING_DLL_quorvex
    #define ROSIDL_TYPESUPPORT_C_PUBLIC_quorvex __declspec(dllexport)
  #else
    #define ROSIDL_TYPESUPPORT_C_PUBLIC_quorvex __declspec(dllimport)
  #endif
#else
  #define ROSIDL_TYPESUPPORT_C_PUBLIC_quorvex __attribute__ ((visibility("default")))
#endif

#endif  // QUORVEX__MSG__ROSIDL_TYPESUPPORT_C__VISIBILITY_CONTROL_H_
