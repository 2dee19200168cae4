// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__DISPATCH_MAP_H_
#define QUORVEX__SRV__DETAIL__DISPATCH_MAP_H_

// The type support maps of the package's dispatch handles, shared by the C and the C++ dispatch
// libraries, and the C library's handles. The map of a handle of language `c` or `cpp` has two
// entries, in this order: rosidl_typesupport_fastrtps_<language> and
// rosidl_typesupport_introspection_<language>.

#include "quorvex/srv/detail/type_support_handles.h"
#include "rosidl_typesupport_c/identifier.h"
#include "rosidl_typesupport_c/message_type_support_dispatch.h"
#include "rosidl_typesupport_c/service_type_support_dispatch.h"
#include "rosidl_typesupport_c/type_support_map.h"
#include "rosidl_typesupport_interface/macros.h"

#define QUORVEX__SRV__DISPATCH__TEXT_(...) #__VA_ARGS__
// Expands the argument, then makes it a string literal.
#define QUORVEX__SRV__DISPATCH__TEXT(...) QUORVEX__SRV__DISPATCH__TEXT_(__VA_ARGS__)

/// Text of the getter of `Type` in type support `typesupport`; `KIND` is MESSAGE or SERVICE.
/**
 * For example (MESSAGE, rosidl_typesupport_fastrtps_c, SolveIK_Request):
 * "rosidl_typesupport_fastrtps_c__get_message_type_support_handle__quorvex__srv__SolveIK_Request".
 */
#define QUORVEX__SRV__DISPATCH__SYMBOL_TEXT(KIND, typesupport, Type) \
  QUORVEX__SRV__DISPATCH__TEXT( \
    ROSIDL_TYPESUPPORT_INTERFACE__ ## KIND ## _SYMBOL_NAME(typesupport, quorvex, srv, Type))

/// Defines `name`, the map of the `language` dispatch handle of `Type`, and its lists.
/**
 * `language` is c or cpp, `KIND` is MESSAGE or SERVICE. The slots (name_libraries) are null
 * until the dispatch loads a library into them.
 */
#define QUORVEX__SRV__DISPATCH__DEFINE_MAP(name, language, KIND, Type) \
  static const char * const name ## _identifiers[] = { \
    QUORVEX__SRV__DISPATCH__TEXT(rosidl_typesupport_fastrtps_ ## language), \
    QUORVEX__SRV__DISPATCH__TEXT(rosidl_typesupport_introspection_ ## language), \
  }; \
  static const char * const name ## _symbols[] = { \
    QUORVEX__SRV__DISPATCH__SYMBOL_TEXT(KIND, rosidl_typesupport_fastrtps_ ## language, Type), \
    QUORVEX__SRV__DISPATCH__SYMBOL_TEXT( \
      KIND, rosidl_typesupport_introspection_ ## language, Type), \
  }; \
  static void * name ## _libraries[2]; \
  static const type_support_map_t name = { \
    2, \
    "quorvex", \
    name ## _identifiers, \
    name ## _symbols, \
    name ## _libraries, \
  };

/// Defines the C dispatch handle `Type`_handle of `Type` (`KIND` MESSAGE or SERVICE, `kind`
/// message or service), its map and its exported getter.
#define QUORVEX__SRV__DISPATCH__DEFINE_C_HANDLE(Type, KIND, kind) \
  QUORVEX__SRV__DISPATCH__DEFINE_MAP(Type ## _map, c, KIND, Type) \
  static QUORVEX__SRV__DEFINE_HANDLE( \
    kind, Type, &Type ## _map, rosidl_typesupport_c__get_ ## kind ## _typesupport_handle_function) \
  QUORVEX__SRV__DEFINE_C_GETTER(rosidl_typesupport_c, KIND, kind, Type, &Type ## _handle)

/// Defines the C dispatch handles of the service `Service` and its two messages, their maps and
/// getters, and binds the handles' identifier when the library is loaded.
#define QUORVEX__SRV__DISPATCH__DEFINE_C_SERVICE(Service) \
  QUORVEX__SRV__DISPATCH__DEFINE_C_HANDLE(Service ## _Request, MESSAGE, message) \
  QUORVEX__SRV__DISPATCH__DEFINE_C_HANDLE(Service ## _Response, MESSAGE, message) \
  QUORVEX__SRV__DISPATCH__DEFINE_C_HANDLE(Service, SERVICE, service) \
  QUORVEX__SRV__BIND_HANDLES(Service, rosidl_typesupport_c__typesupport_identifier)

#endif  // QUORVEX__SRV__DETAIL__DISPATCH_MAP_H_
