// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef ROSIDL_TYPESUPPORT_CPP__MESSAGE_TYPE_SUPPORT_DISPATCH_HPP_
#define ROSIDL_TYPESUPPORT_CPP__MESSAGE_TYPE_SUPPORT_DISPATCH_HPP_

#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_typesupport_cpp/visibility_control.h"

namespace rosidl_typesupport_cpp
{

/// The `func` of C++ dispatch message handles: the handle of type support `identifier`.
/**
 * Returns `handle` itself when `identifier` is its own identifier. Otherwise `handle` must be a
 * C++ dispatch handle whose `data` is a type_support_map_t: the library of the entry named
 * `identifier` is loaded by name through the loader's search path at the first lookup, and the
 * handle its getter returns is returned. Returns null with an rcutils error message for a null
 * argument, a handle of another type support, an unknown identifier, or a library or getter
 * that cannot be found.
 */
ROSIDL_TYPESUPPORT_CPP_PUBLIC
const rosidl_message_type_support_t *
get_message_typesupport_handle_function(
  const rosidl_message_type_support_t * handle, const char * identifier);

}  // namespace rosidl_typesupport_cpp

#endif  // ROSIDL_TYPESUPPORT_CPP__MESSAGE_TYPE_SUPPORT_DISPATCH_HPP_
