// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__DISPATCH_MAP_H_
#define QUORVEX__SRV__DETAIL__DISPATCH_MAP_H_

// The type support maps of the package's dispatch handles, shared by the C and the C++ dispatch
// libraries. The map of a handle of language `c` or `cpp` has two entries, in this order:
// rosidl_typesupport_fastrtps_<language> and rosidl_typesupport_introspection_<language>.

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

#endif  // QUORVEX__SRV__DETAIL__DISPATCH_MAP_H_
