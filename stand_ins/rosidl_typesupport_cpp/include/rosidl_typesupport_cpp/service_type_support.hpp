// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef ROSIDL_TYPESUPPORT_CPP__SERVICE_TYPE_SUPPORT_HPP_
#define ROSIDL_TYPESUPPORT_CPP__SERVICE_TYPE_SUPPORT_HPP_

// rosidl_runtime_cpp ships a header of the same path and guard declaring the same template, so
// whichever of the two the include path finds first, the other is skipped.

#include "rosidl_runtime_c/service_type_support_struct.h"

namespace rosidl_typesupport_cpp
{

/// Specialised by each interface package for each of its service types: the C++ dispatch
/// handle, which leads to the type supports the package offers.
template<typename T>
const rosidl_service_type_support_t * get_service_type_support_handle();

}  // namespace rosidl_typesupport_cpp

#endif  // ROSIDL_TYPESUPPORT_CPP__SERVICE_TYPE_SUPPORT_HPP_
