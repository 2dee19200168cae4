// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__TYPE_SUPPORT_HANDLES_H_
#define QUORVEX__SRV__DETAIL__TYPE_SUPPORT_HANDLES_H_

// The handles of a service and of its two messages, their C-linkage getters and the binding of
// their identifiers, written once for every type support of the package (C and C++).

#include <stddef.h>

#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_c/service_type_support_struct.h"
#include "rosidl_typesupport_interface/macros.h"

#ifdef __cplusplus
#define QUORVEX__SRV__C_LINKAGE extern "C"
#else
#define QUORVEX__SRV__C_LINKAGE
#endif

/// Declares, exported with `PUBLIC`, the getters of the type support `typesupport` (e.g.
/// rosidl_typesupport_c) for the service `Service` and its two messages, e.g.
/// rosidl_typesupport_c__get_message_type_support_handle__quorvex__srv__PlanMotion_Request() and
/// rosidl_typesupport_c__get_service_type_support_handle__quorvex__srv__PlanMotion().
#define QUORVEX__SRV__DECLARE_C_GETTERS(typesupport, PUBLIC, Service) \
  QUORVEX__SRV__DECLARE_C_GETTER(typesupport, PUBLIC, MESSAGE, message, Service ## _Request) \
  QUORVEX__SRV__DECLARE_C_GETTER(typesupport, PUBLIC, MESSAGE, message, Service ## _Response) \
  QUORVEX__SRV__DECLARE_C_GETTER(typesupport, PUBLIC, SERVICE, service, Service)

/// Declares the getter of the handle of `Type`, a message (`KIND` MESSAGE, `kind` message) or a
/// service (SERVICE, service).
#define QUORVEX__SRV__DECLARE_C_GETTER(typesupport, PUBLIC, KIND, kind, Type) \
  PUBLIC \
  const rosidl_ ## kind ## _type_support_t * \
  ROSIDL_TYPESUPPORT_INTERFACE__ ## KIND ## _SYMBOL_NAME(typesupport, quorvex, srv, Type)(void);

/// Defines that getter, with C linkage, returning `handle`.
#define QUORVEX__SRV__DEFINE_C_GETTER(typesupport, KIND, kind, Type, handle) \
  QUORVEX__SRV__C_LINKAGE const rosidl_ ## kind ## _type_support_t * \
  ROSIDL_TYPESUPPORT_INTERFACE__ ## KIND ## _SYMBOL_NAME(typesupport, quorvex, srv, Type)(void) \
  { \
    return handle; \
  }

/// Defines the handle `Type`_handle of a message (`kind` message) or service (service) with the
/// type support's own record `data` and lookup function `func`; its typesupport_identifier is
/// bound when the library is loaded (QUORVEX__SRV__BIND_HANDLES).
#define QUORVEX__SRV__DEFINE_HANDLE(kind, Type, data, func) \
  rosidl_ ## kind ## _type_support_t Type ## _handle = {NULL, data, func};

/// Sets the typesupport_identifier of <Service>_Request_handle, <Service>_Response_handle and
/// <Service>_handle to `identifier` when the library is loaded. The identifier is a variable of
/// another library, known only once that library is loaded and not a constant for C: the loader
/// runs this before any getter of this library can be reached.
#define QUORVEX__SRV__BIND_HANDLES(Service, identifier) \
  __attribute__((constructor)) \
  static void \
  bind_ ## Service ## _handles(void) \
  { \
    Service ## _Request_handle.typesupport_identifier = identifier; \
    Service ## _Response_handle.typesupport_identifier = identifier; \
    Service ## _handle.typesupport_identifier = identifier; \
  }

#endif  // QUORVEX__SRV__DETAIL__TYPE_SUPPORT_HANDLES_H_
