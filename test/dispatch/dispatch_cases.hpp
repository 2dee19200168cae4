// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef DISPATCH__DISPATCH_CASES_HPP_
#define DISPATCH__DISPATCH_CASES_HPP_

#include <string>
#include <vector>

#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_c/service_type_support_struct.h"
#include "rosidl_typesupport_c/type_support_map.h"

// The six interfaces and four type supports as a middleware reaches them: from a dispatch
// handle, by identifier. Everything here is generic over the identifier.
namespace dispatch_cases
{

/// One of the package's type supports, reached through the dispatch of its language.
struct TypeSupport
{
  const char * identifier;
  /// Whether the C++ dispatch (rosidl_typesupport_cpp) leads to it, else the C one.
  bool cpp;
};

/// The four, in the order of the maps' entries: Fast-CDR, then introspection, per language.
const std::vector<TypeSupport> & type_supports();

/// A message or a service with its two dispatch handles.
struct Interface
{
  /// PlanMotion_Request, ..., PlanMotion, SolveIK.
  const char * name;
  bool is_service;
  const void * (* c_handle)();
  const void * (* cpp_handle)();
};

/// The four messages, then the two services.
const std::vector<Interface> & interfaces();

/// What a handle record holds; message and service handles share the layout.
struct Handle
{
  const char * typesupport_identifier;
  const void * data;
};

Handle handle_fields(const Interface & interface, const void * handle);

/// The dispatch handle of `interface` in the language of `type_support`.
const void * dispatch_handle(const Interface & interface, const TypeSupport & type_support);

/// The handle that get_message_typesupport_handle / get_service_typesupport_handle of
/// rosidl_runtime_c gives for `identifier` from `dispatch`, as a middleware asks for it.
const void * reach(const Interface & interface, const void * dispatch, const char * identifier);

/// lib<package>__<identifier>.so, the library the dispatch loads for `identifier`.
std::string library_name(const char * identifier);

/// The getter of `interface` in type support `identifier`, e.g.
/// rosidl_typesupport_fastrtps_cpp__get_message_type_support_handle__quorvex__srv__SolveIK_Request.
std::string getter_name(const char * identifier, const Interface & interface);

/// The handle returned by the getter of the library that the process already holds; null when
/// the process does not hold the library or it has no such getter.
const void * loaded_getter_result(const char * identifier, const Interface & interface);

/// The rcutils error message of this thread, which is then reset; empty when none is set.
std::string take_error();

}  // namespace dispatch_cases

#endif  // DISPATCH__DISPATCH_CASES_HPP_
