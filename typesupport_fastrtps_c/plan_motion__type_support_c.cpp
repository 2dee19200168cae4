// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_fastrtps_c.h"

#include <cstddef>

#include "cdr_c_members.hpp"
#include "fastcdr/Cdr.h"
#include "quorvex/srv/detail/plan_motion__members.h"
#include "quorvex/srv/detail/plan_motion__struct.h"
#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_c/service_type_support_struct.h"
#include "rosidl_typesupport_fastrtps_c/identifier.h"
#include "rosidl_typesupport_fastrtps_cpp/message_type_support.h"
#include "rosidl_typesupport_fastrtps_cpp/service_type_support.h"
#include "rosidl_typesupport_interface/macros.h"

namespace quorvex
{
namespace srv
{
namespace typesupport_fastrtps_c
{
namespace
{

using eprosima::fastcdr::Cdr;

// The steps of each message, expanded from its member table; see cdr_c_members.hpp.

struct PlanMotion_Request_steps
{
  using Record = quorvex__srv__PlanMotion_Request;

  static bool serialize(const Record & ros_message, Cdr & cdr)
  {
#define WRITE(member, KIND) QUORVEX_CDR_C_WRITE_ ## KIND(PlanMotion_Request, member)
    QUORVEX_PLAN_MOTION_REQUEST_MEMBERS(WRITE)
#undef WRITE
    return true;
  }

  static bool deserialize(Cdr & cdr, Record & ros_message)
  {
    QUORVEX_PLAN_MOTION_REQUEST_MEMBERS(QUORVEX_CDR_C_READ)
    return true;
  }

  static size_t size(const Record & ros_message, size_t current_alignment)
  {
    const size_t initial_alignment = current_alignment;
    QUORVEX_PLAN_MOTION_REQUEST_MEMBERS(QUORVEX_CDR_C_ADD_SIZE)
    return current_alignment - initial_alignment;
  }

  static size_t max_size(bool & full_bounded, bool & is_plain, size_t current_alignment)
  {
    // Bounded until a string or sequence member says otherwise; never plain, as the C record
    // is not laid out as its encoding.
    full_bounded = true;
    is_plain = false;
    const size_t initial_alignment = current_alignment;
    QUORVEX_PLAN_MOTION_REQUEST_MEMBERS(QUORVEX_CDR_C_ADD_MAX_SIZE)
    return current_alignment - initial_alignment;
  }
};

struct PlanMotion_Response_steps
{
  using Record = quorvex__srv__PlanMotion_Response;

  static bool serialize(const Record & ros_message, Cdr & cdr)
  {
#define WRITE(member, KIND) QUORVEX_CDR_C_WRITE_ ## KIND(PlanMotion_Response, member)
    QUORVEX_PLAN_MOTION_RESPONSE_MEMBERS(WRITE)
#undef WRITE
    return true;
  }

  static bool deserialize(Cdr & cdr, Record & ros_message)
  {
    QUORVEX_PLAN_MOTION_RESPONSE_MEMBERS(QUORVEX_CDR_C_READ)
    return true;
  }

  static size_t size(const Record & ros_message, size_t current_alignment)
  {
    const size_t initial_alignment = current_alignment;
    QUORVEX_PLAN_MOTION_RESPONSE_MEMBERS(QUORVEX_CDR_C_ADD_SIZE)
    return current_alignment - initial_alignment;
  }

  static size_t max_size(bool & full_bounded, bool & is_plain, size_t current_alignment)
  {
    // Bounded until a string or sequence member says otherwise; never plain, as the C record
    // is not laid out as its encoding.
    full_bounded = true;
    is_plain = false;
    const size_t initial_alignment = current_alignment;
    QUORVEX_PLAN_MOTION_RESPONSE_MEMBERS(QUORVEX_CDR_C_ADD_MAX_SIZE)
    return current_alignment - initial_alignment;
  }
};

constexpr message_type_support_callbacks_t PlanMotion_Request_callbacks =
  Callbacks<PlanMotion_Request_steps>::record("PlanMotion_Request");

constexpr message_type_support_callbacks_t PlanMotion_Response_callbacks =
  Callbacks<PlanMotion_Response_steps>::record("PlanMotion_Response");

// The identifiers are completed when the library is loaded; everything else is constant.
rosidl_message_type_support_t PlanMotion_Request_handle = {
  nullptr,
  &PlanMotion_Request_callbacks,
  &get_message_typesupport_handle_function,
};

rosidl_message_type_support_t PlanMotion_Response_handle = {
  nullptr,
  &PlanMotion_Response_callbacks,
  &get_message_typesupport_handle_function,
};

const service_type_support_callbacks_t PlanMotion_callbacks = {
  namespace_text,
  "PlanMotion",
  &PlanMotion_Request_handle,
  &PlanMotion_Response_handle,
};

rosidl_service_type_support_t PlanMotion_handle = {
  nullptr,
  &PlanMotion_callbacks,
  &get_service_typesupport_handle_function,
};

// The identifier is a variable of another library, known only once that library is loaded: the
// loader runs this before any getter of this library can be reached.
struct BindPlanMotionHandles
{
  BindPlanMotionHandles()
  {
    PlanMotion_Request_handle.typesupport_identifier = rosidl_typesupport_fastrtps_c__identifier;
    PlanMotion_Response_handle.typesupport_identifier = rosidl_typesupport_fastrtps_c__identifier;
    PlanMotion_handle.typesupport_identifier = rosidl_typesupport_fastrtps_c__identifier;
  }
};

const BindPlanMotionHandles bind_plan_motion_handles;

}  // namespace
}  // namespace typesupport_fastrtps_c
}  // namespace srv
}  // namespace quorvex

extern "C"
{
const rosidl_message_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
  rosidl_typesupport_fastrtps_c, quorvex, srv, PlanMotion_Request)(void)
{
  return &quorvex::srv::typesupport_fastrtps_c::PlanMotion_Request_handle;
}

const rosidl_message_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
  rosidl_typesupport_fastrtps_c, quorvex, srv, PlanMotion_Response)(void)
{
  return &quorvex::srv::typesupport_fastrtps_c::PlanMotion_Response_handle;
}

const rosidl_service_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME(
  rosidl_typesupport_fastrtps_c, quorvex, srv, PlanMotion)(void)
{
  return &quorvex::srv::typesupport_fastrtps_c::PlanMotion_handle;
}
}  // extern "C"
