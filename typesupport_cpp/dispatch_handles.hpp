// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef DISPATCH_HANDLES_HPP_
#define DISPATCH_HANDLES_HPP_

// The C++ dispatch handles of a service and its two messages, written once for both services.
// Internal; not installed.

#include "quorvex/srv/detail/dispatch_map.h"
#include "quorvex/srv/detail/type_support_getters.hpp"
#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_c/service_type_support_struct.h"
#include "rosidl_typesupport_cpp/identifier.hpp"
#include "rosidl_typesupport_cpp/message_type_support_dispatch.hpp"
#include "rosidl_typesupport_cpp/service_type_support_dispatch.hpp"

/// Defines the C++ dispatch handle `Type`_handle of `Type` (`KIND` MESSAGE or SERVICE, `kind`
/// message or service) and its map.
#define QUORVEX__SRV__DISPATCH__DEFINE_CPP_HANDLE(Type, KIND, kind) \
  QUORVEX__SRV__DISPATCH__DEFINE_MAP(Type ## _map, cpp, KIND, Type) \
 \
  const rosidl_ ## kind ## _type_support_t Type ## _handle = { \
    ::rosidl_typesupport_cpp::typesupport_identifier, \
    &Type ## _map, \
    &::rosidl_typesupport_cpp::get_ ## kind ## _typesupport_handle_function, \
  };

/// Defines the C++ dispatch handles of the service quorvex::srv::<Service> and its two messages,
/// their maps and getters. The identifier is a variable of another library, so the handles are
/// initialised when the loader loads this library, before any getter can be reached; the maps
/// are constants.
#define QUORVEX__SRV__DISPATCH__DEFINE_CPP_SERVICE(Service) \
  namespace quorvex::srv::typesupport_cpp \
  { \
  namespace \
  { \
  QUORVEX__SRV__DISPATCH__DEFINE_CPP_HANDLE(Service ## _Request, MESSAGE, message) \
  QUORVEX__SRV__DISPATCH__DEFINE_CPP_HANDLE(Service ## _Response, MESSAGE, message) \
  QUORVEX__SRV__DISPATCH__DEFINE_CPP_HANDLE(Service, SERVICE, service) \
  } \
  } \
 \
  QUORVEX_SRV_DEFINE_GETTERS(rosidl_typesupport_cpp, Service, quorvex::srv::typesupport_cpp)

#endif  // DISPATCH_HANDLES_HPP_
