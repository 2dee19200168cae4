// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef ROSIDL_TYPESUPPORT_INTROSPECTION_CPP__IDENTIFIER_HPP_
#define ROSIDL_TYPESUPPORT_INTROSPECTION_CPP__IDENTIFIER_HPP_

#include "rosidl_typesupport_introspection_cpp/visibility_control.h"

namespace rosidl_typesupport_introspection_cpp
{

/// Text that marks a handle as C++ introspection type support:
/// "rosidl_typesupport_introspection_cpp".
ROSIDL_TYPESUPPORT_INTROSPECTION_CPP_PUBLIC
extern const char * typesupport_identifier;

}  // namespace rosidl_typesupport_introspection_cpp

#endif  // ROSIDL_TYPESUPPORT_INTROSPECTION_CPP__IDENTIFIER_HPP_
