// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_introspection_cpp.hpp"

#include <cstddef>

#include "member_entries.hpp"
#include "quorvex/srv/detail/plan_motion__members.h"
#include "quorvex/srv/detail/plan_motion__struct.hpp"
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

// PlanMotion_Request

#define PLAN_MOTION_REQUEST_ENTRY(member, KIND) \
  QUORVEX_INTROSPECTION_CPP_MEMBER(quorvex::srv::PlanMotion_Request, member, KIND),

constexpr MessageMember PlanMotion_Request_member_array[] = {
  QUORVEX_PLAN_MOTION_REQUEST_MEMBERS(PLAN_MOTION_REQUEST_ENTRY)
};

#undef PLAN_MOTION_REQUEST_ENTRY

constexpr MessageMembers PlanMotion_Request_members =
  message_members<quorvex::srv::PlanMotion_Request>(
  "PlanMotion_Request", PlanMotion_Request_member_array);

// PlanMotion_Response

#define PLAN_MOTION_RESPONSE_ENTRY(member, KIND) \
  QUORVEX_INTROSPECTION_CPP_MEMBER(quorvex::srv::PlanMotion_Response, member, KIND),

constexpr MessageMember PlanMotion_Response_member_array[] = {
  QUORVEX_PLAN_MOTION_RESPONSE_MEMBERS(PLAN_MOTION_RESPONSE_ENTRY)
};

#undef PLAN_MOTION_RESPONSE_ENTRY

constexpr MessageMembers PlanMotion_Response_members =
  message_members<quorvex::srv::PlanMotion_Response>(
  "PlanMotion_Response", PlanMotion_Response_member_array);

// PlanMotion

constexpr rosidl_typesupport_introspection_cpp::ServiceMembers PlanMotion_members = {
  namespace_text,
  "PlanMotion",
  &PlanMotion_Request_members,
  &PlanMotion_Response_members,
};

// The identifiers are set when the library is loaded.
rosidl_message_type_support_t PlanMotion_Request_handle = {
  nullptr,
  &PlanMotion_Request_members,
  &get_message_typesupport_handle_function,
};

rosidl_message_type_support_t PlanMotion_Response_handle = {
  nullptr,
  &PlanMotion_Response_members,
  &get_message_typesupport_handle_function,
};

rosidl_service_type_support_t PlanMotion_handle = {
  nullptr,
  &PlanMotion_members,
  &get_service_typesupport_handle_function,
};

// The identifier is a variable of another library, known only once that library is loaded: the
// loader runs this before any getter of this library can be reached.
struct BindPlanMotionHandles
{
  BindPlanMotionHandles()
  {
    PlanMotion_Request_handle.typesupport_identifier =
      rosidl_typesupport_introspection_cpp::typesupport_identifier;
    PlanMotion_Response_handle.typesupport_identifier =
      rosidl_typesupport_introspection_cpp::typesupport_identifier;
    PlanMotion_handle.typesupport_identifier =
      rosidl_typesupport_introspection_cpp::typesupport_identifier;
  }
};

const BindPlanMotionHandles bind_plan_motion_handles;

}  // namespace
}  // namespace typesupport_introspection_cpp
}  // namespace srv
}  // namespace quorvex

namespace rosidl_typesupport_introspection_cpp
{

template<>
const rosidl_message_type_support_t *
get_message_type_support_handle<quorvex::srv::PlanMotion_Request>()
{
  return &quorvex::srv::typesupport_introspection_cpp::PlanMotion_Request_handle;
}

template<>
const rosidl_message_type_support_t *
get_message_type_support_handle<quorvex::srv::PlanMotion_Response>()
{
  return &quorvex::srv::typesupport_introspection_cpp::PlanMotion_Response_handle;
}

template<>
const rosidl_service_type_support_t *
get_service_type_support_handle<quorvex::srv::PlanMotion>()
{
  return &quorvex::srv::typesupport_introspection_cpp::PlanMotion_handle;
}

}  // namespace rosidl_typesupport_introspection_cpp

extern "C"
{
const rosidl_message_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
  rosidl_typesupport_introspection_cpp, quorvex, srv, PlanMotion_Request)()
{
  return &quorvex::srv::typesupport_introspection_cpp::PlanMotion_Request_handle;
}

const rosidl_message_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
  rosidl_typesupport_introspection_cpp, quorvex, srv, PlanMotion_Response)()
{
  return &quorvex::srv::typesupport_introspection_cpp::PlanMotion_Response_handle;
}

const rosidl_service_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME(
  rosidl_typesupport_introspection_cpp, quorvex, srv, PlanMotion)()
{
  return &quorvex::srv::typesupport_introspection_cpp::PlanMotion_handle;
}
}  // extern "C"
