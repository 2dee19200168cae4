// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_introspection_cpp.hpp"

#include <cstddef>

#include "member_entries.hpp"
#include "quorvex/srv/detail/solve_ik__members.h"
#include "quorvex/srv/detail/solve_ik__struct.hpp"
#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_c/service_type_support_struct.h"
#include "rosidl_typesupport_interface/macros.h"
#include "rosidl_typesupport_introspection_cpp/identifier.hpp"
#include "rosidl_typesupport_introspection_cpp/message_introspection.hpp"
#include "rosidl_typesupport_introspection_cpp/service_introspection.hpp"

namespace quorvex
{
namespace srv
{
namespace typesupport_introspection_cpp
{
namespace
{

// SolveIK_Request

#define SOLVE_IK_REQUEST_ENTRY(member, KIND) \
  QUORVEX_INTROSPECTION_CPP_MEMBER(quorvex::srv::SolveIK_Request, member, KIND),

constexpr MessageMember SolveIK_Request_member_array[] = {
  QUORVEX_SOLVE_IK_REQUEST_MEMBERS(SOLVE_IK_REQUEST_ENTRY)
};

#undef SOLVE_IK_REQUEST_ENTRY

constexpr MessageMembers SolveIK_Request_members =
  message_members<quorvex::srv::SolveIK_Request>(
  "SolveIK_Request", SolveIK_Request_member_array);

// SolveIK_Response

#define SOLVE_IK_RESPONSE_ENTRY(member, KIND) \
  QUORVEX_INTROSPECTION_CPP_MEMBER(quorvex::srv::SolveIK_Response, member, KIND),

constexpr MessageMember SolveIK_Response_member_array[] = {
  QUORVEX_SOLVE_IK_RESPONSE_MEMBERS(SOLVE_IK_RESPONSE_ENTRY)
};

#undef SOLVE_IK_RESPONSE_ENTRY

constexpr MessageMembers SolveIK_Response_members =
  message_members<quorvex::srv::SolveIK_Response>(
  "SolveIK_Response", SolveIK_Response_member_array);

// SolveIK

constexpr rosidl_typesupport_introspection_cpp::ServiceMembers SolveIK_members = {
  namespace_text,
  "SolveIK",
  &SolveIK_Request_members,
  &SolveIK_Response_members,
};

// The identifiers are set when the library is loaded.
rosidl_message_type_support_t SolveIK_Request_handle = {
  nullptr,
  &SolveIK_Request_members,
  &get_message_typesupport_handle_function,
};

rosidl_message_type_support_t SolveIK_Response_handle = {
  nullptr,
  &SolveIK_Response_members,
  &get_message_typesupport_handle_function,
};

rosidl_service_type_support_t SolveIK_handle = {
  nullptr,
  &SolveIK_members,
  &get_service_typesupport_handle_function,
};

// The identifier is a variable of another library, known only once that library is loaded: the
// loader runs this before any getter of this library can be reached.
struct BindSolveIKHandles
{
  BindSolveIKHandles()
  {
    SolveIK_Request_handle.typesupport_identifier =
      rosidl_typesupport_introspection_cpp::typesupport_identifier;
    SolveIK_Response_handle.typesupport_identifier =
      rosidl_typesupport_introspection_cpp::typesupport_identifier;
    SolveIK_handle.typesupport_identifier =
      rosidl_typesupport_introspection_cpp::typesupport_identifier;
  }
};

const BindSolveIKHandles bind_solve_ik_handles;

}  // namespace
}  // namespace typesupport_introspection_cpp
}  // namespace srv
}  // namespace quorvex

namespace rosidl_typesupport_introspection_cpp
{

template<>
const rosidl_message_type_support_t *
get_message_type_support_handle<quorvex::srv::SolveIK_Request>()
{
  return &quorvex::srv::typesupport_introspection_cpp::SolveIK_Request_handle;
}

template<>
const rosidl_message_type_support_t *
get_message_type_support_handle<quorvex::srv::SolveIK_Response>()
{
  return &quorvex::srv::typesupport_introspection_cpp::SolveIK_Response_handle;
}

template<>
const rosidl_service_type_support_t *
get_service_type_support_handle<quorvex::srv::SolveIK>()
{
  return &quorvex::srv::typesupport_introspection_cpp::SolveIK_handle;
}

}  // namespace rosidl_typesupport_introspection_cpp

extern "C"
{
const rosidl_message_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
  rosidl_typesupport_introspection_cpp, quorvex, srv, SolveIK_Request)()
{
  return &quorvex::srv::typesupport_introspection_cpp::SolveIK_Request_handle;
}

const rosidl_message_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
  rosidl_typesupport_introspection_cpp, quorvex, srv, SolveIK_Response)()
{
  return &quorvex::srv::typesupport_introspection_cpp::SolveIK_Response_handle;
}

const rosidl_service_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME(
  rosidl_typesupport_introspection_cpp, quorvex, srv, SolveIK)()
{
  return &quorvex::srv::typesupport_introspection_cpp::SolveIK_handle;
}
}  // extern "C"
