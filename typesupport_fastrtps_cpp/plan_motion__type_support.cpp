// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_fastrtps_cpp.hpp"

#include <cstddef>
#include <cstdint>

#include "cdr_members.hpp"
#include "fastcdr/Cdr.h"
#include "quorvex/srv/detail/plan_motion__struct.hpp"
#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_c/service_type_support_struct.h"
#include "rosidl_typesupport_interface/macros.h"
#include "rosidl_typesupport_fastrtps_cpp/identifier.hpp"
#include "rosidl_typesupport_fastrtps_cpp/message_type_support.h"
#include "rosidl_typesupport_fastrtps_cpp/service_type_support.h"

namespace quorvex
{
namespace srv
{
namespace typesupport_fastrtps_cpp
{

bool cdr_serialize(
  const quorvex::srv::PlanMotion_Request & ros_message, eprosima::fastcdr::Cdr & cdr)
{
  write_sequence(
    cdr, ros_message.start_joints,
    QUORVEX_CDR_SEQUENCE_MEMBER(PlanMotion_Request, start_joints));
  write_sequence(
    cdr, ros_message.goal_joints,
    QUORVEX_CDR_SEQUENCE_MEMBER(PlanMotion_Request, goal_joints));
  return true;
}

bool cdr_deserialize(
  eprosima::fastcdr::Cdr & cdr, quorvex::srv::PlanMotion_Request & ros_message)
{
  read_sequence(cdr, ros_message.start_joints);
  read_sequence(cdr, ros_message.goal_joints);
  return true;
}

size_t get_serialized_size(
  const quorvex::srv::PlanMotion_Request & ros_message, size_t current_alignment)
{
  const size_t initial_alignment = current_alignment;
  add_sequence(current_alignment, ros_message.start_joints.size());
  add_sequence(current_alignment, ros_message.goal_joints.size());
  return current_alignment - initial_alignment;
}

size_t max_serialized_size_PlanMotion_Request(
  bool & full_bounded, bool & is_plain, size_t current_alignment)
{
  // Unbounded sequences: the bound counts each as empty and says that there is no bound.
  full_bounded = false;
  is_plain = false;
  const size_t initial_alignment = current_alignment;
  add_sequence(current_alignment, 0);  // start_joints
  add_sequence(current_alignment, 0);  // goal_joints
  return current_alignment - initial_alignment;
}

bool cdr_serialize(
  const quorvex::srv::PlanMotion_Response & ros_message, eprosima::fastcdr::Cdr & cdr)
{
  cdr.serialize(ros_message.success);
  write_string(
    cdr, ros_message.message,
    QUORVEX_CDR_STRING_MEMBER(PlanMotion_Response, message));
  write_sequence(
    cdr, ros_message.waypoints_flat,
    QUORVEX_CDR_SEQUENCE_MEMBER(PlanMotion_Response, waypoints_flat));
  write_sequence(
    cdr, ros_message.velocities_flat,
    QUORVEX_CDR_SEQUENCE_MEMBER(PlanMotion_Response, velocities_flat));
  write_sequence(
    cdr, ros_message.accelerations_flat,
    QUORVEX_CDR_SEQUENCE_MEMBER(PlanMotion_Response, accelerations_flat));
  write_sequence(
    cdr, ros_message.time_from_start,
    QUORVEX_CDR_SEQUENCE_MEMBER(PlanMotion_Response, time_from_start));
  cdr.serialize(ros_message.n_points);
  cdr.serialize(ros_message.n_joints);
  return true;
}

bool cdr_deserialize(
  eprosima::fastcdr::Cdr & cdr, quorvex::srv::PlanMotion_Response & ros_message)
{
  read_bool(cdr, ros_message.success);
  read_string(cdr, ros_message.message);
  read_sequence(cdr, ros_message.waypoints_flat);
  read_sequence(cdr, ros_message.velocities_flat);
  read_sequence(cdr, ros_message.accelerations_flat);
  read_sequence(cdr, ros_message.time_from_start);
  cdr.deserialize(ros_message.n_points);
  cdr.deserialize(ros_message.n_joints);
  return true;
}

size_t get_serialized_size(
  const quorvex::srv::PlanMotion_Response & ros_message, size_t current_alignment)
{
  const size_t initial_alignment = current_alignment;
  add_bool(current_alignment);  // success
  add_string(current_alignment, ros_message.message.size());
  add_sequence(current_alignment, ros_message.waypoints_flat.size());
  add_sequence(current_alignment, ros_message.velocities_flat.size());
  add_sequence(current_alignment, ros_message.accelerations_flat.size());
  add_sequence(current_alignment, ros_message.time_from_start.size());
  add_int32(current_alignment);  // n_points
  add_int32(current_alignment);  // n_joints
  return current_alignment - initial_alignment;
}

size_t max_serialized_size_PlanMotion_Response(
  bool & full_bounded, bool & is_plain, size_t current_alignment)
{
  full_bounded = false;
  is_plain = false;
  const size_t initial_alignment = current_alignment;
  add_bool(current_alignment);  // success
  add_string(current_alignment, 0);  // message
  add_sequence(current_alignment, 0);  // waypoints_flat
  add_sequence(current_alignment, 0);  // velocities_flat
  add_sequence(current_alignment, 0);  // accelerations_flat
  add_sequence(current_alignment, 0);  // time_from_start
  add_int32(current_alignment);  // n_points
  add_int32(current_alignment);  // n_joints
  return current_alignment - initial_alignment;
}

namespace
{

// Untyped callbacks of the callbacks records; exceptions pass through them to the middleware.

bool cdr_serialize_callback_PlanMotion_Request(
  const void * untyped_ros_message, eprosima::fastcdr::Cdr & cdr)
{
  return cdr_serialize(
    *static_cast<const quorvex::srv::PlanMotion_Request *>(untyped_ros_message), cdr);
}

bool cdr_deserialize_callback_PlanMotion_Request(
  eprosima::fastcdr::Cdr & cdr, void * untyped_ros_message)
{
  return cdr_deserialize(
    cdr, *static_cast<quorvex::srv::PlanMotion_Request *>(untyped_ros_message));
}

uint32_t serialized_size_callback_PlanMotion_Request(const void * untyped_ros_message)
{
  return static_cast<uint32_t>(get_serialized_size(
           *static_cast<const quorvex::srv::PlanMotion_Request *>(untyped_ros_message), 0));
}

size_t max_serialized_size_callback_PlanMotion_Request(char & bounds_info)
{
  bool full_bounded;
  bool is_plain;
  const size_t size = max_serialized_size_PlanMotion_Request(full_bounded, is_plain, 0);
  bounds_info = typesupport_fastrtps_cpp::bounds_info(full_bounded, is_plain);
  return size;
}

bool cdr_serialize_callback_PlanMotion_Response(
  const void * untyped_ros_message, eprosima::fastcdr::Cdr & cdr)
{
  return cdr_serialize(
    *static_cast<const quorvex::srv::PlanMotion_Response *>(untyped_ros_message), cdr);
}

bool cdr_deserialize_callback_PlanMotion_Response(
  eprosima::fastcdr::Cdr & cdr, void * untyped_ros_message)
{
  return cdr_deserialize(
    cdr, *static_cast<quorvex::srv::PlanMotion_Response *>(untyped_ros_message));
}

uint32_t serialized_size_callback_PlanMotion_Response(const void * untyped_ros_message)
{
  return static_cast<uint32_t>(get_serialized_size(
           *static_cast<const quorvex::srv::PlanMotion_Response *>(untyped_ros_message), 0));
}

size_t max_serialized_size_callback_PlanMotion_Response(char & bounds_info)
{
  bool full_bounded;
  bool is_plain;
  const size_t size = max_serialized_size_PlanMotion_Response(full_bounded, is_plain, 0);
  bounds_info = typesupport_fastrtps_cpp::bounds_info(full_bounded, is_plain);
  return size;
}

const message_type_support_callbacks_t PlanMotion_Request_callbacks = {
  namespace_text,
  "PlanMotion_Request",
  &cdr_serialize_callback_PlanMotion_Request,
  &cdr_deserialize_callback_PlanMotion_Request,
  &serialized_size_callback_PlanMotion_Request,
  &max_serialized_size_callback_PlanMotion_Request,
};

const message_type_support_callbacks_t PlanMotion_Response_callbacks = {
  namespace_text,
  "PlanMotion_Response",
  &cdr_serialize_callback_PlanMotion_Response,
  &cdr_deserialize_callback_PlanMotion_Response,
  &serialized_size_callback_PlanMotion_Response,
  &max_serialized_size_callback_PlanMotion_Response,
};

// The identifiers and the service's message handles are completed when the library is loaded.
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

service_type_support_callbacks_t PlanMotion_callbacks = {
  namespace_text,
  "PlanMotion",
  nullptr,
  nullptr,
};

rosidl_service_type_support_t PlanMotion_handle = {
  nullptr,
  &PlanMotion_callbacks,
  &get_service_typesupport_handle_function,
};

}  // namespace

}  // namespace typesupport_fastrtps_cpp
}  // namespace srv
}  // namespace quorvex

namespace rosidl_typesupport_fastrtps_cpp
{

template<>
const rosidl_message_type_support_t *
get_message_type_support_handle<quorvex::srv::PlanMotion_Request>()
{
  return &quorvex::srv::typesupport_fastrtps_cpp::PlanMotion_Request_handle;
}

template<>
const rosidl_message_type_support_t *
get_message_type_support_handle<quorvex::srv::PlanMotion_Response>()
{
  return &quorvex::srv::typesupport_fastrtps_cpp::PlanMotion_Response_handle;
}

template<>
const rosidl_service_type_support_t *
get_service_type_support_handle<quorvex::srv::PlanMotion>()
{
  return &quorvex::srv::typesupport_fastrtps_cpp::PlanMotion_handle;
}

}  // namespace rosidl_typesupport_fastrtps_cpp

extern "C"
{
const rosidl_message_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
  rosidl_typesupport_fastrtps_cpp, quorvex, srv, PlanMotion_Request)()
{
  return &quorvex::srv::typesupport_fastrtps_cpp::PlanMotion_Request_handle;
}

const rosidl_message_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
  rosidl_typesupport_fastrtps_cpp, quorvex, srv, PlanMotion_Response)()
{
  return &quorvex::srv::typesupport_fastrtps_cpp::PlanMotion_Response_handle;
}

const rosidl_service_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME(
  rosidl_typesupport_fastrtps_cpp, quorvex, srv, PlanMotion)()
{
  return &quorvex::srv::typesupport_fastrtps_cpp::PlanMotion_handle;
}
}  // extern "C"

namespace
{

// The identifier is a variable of another library, known only once that library is loaded: the
// loader runs this before any getter of this library can be reached.
struct BindPlanMotionHandles
{
  BindPlanMotionHandles()
  {
    using quorvex::srv::typesupport_fastrtps_cpp::PlanMotion_Request_handle;
    using quorvex::srv::typesupport_fastrtps_cpp::PlanMotion_Response_handle;
    using quorvex::srv::typesupport_fastrtps_cpp::PlanMotion_callbacks;
    using quorvex::srv::typesupport_fastrtps_cpp::PlanMotion_handle;
    PlanMotion_Request_handle.typesupport_identifier =
      rosidl_typesupport_fastrtps_cpp::typesupport_identifier;
    PlanMotion_Response_handle.typesupport_identifier =
      rosidl_typesupport_fastrtps_cpp::typesupport_identifier;
    PlanMotion_callbacks.request_members_ =
      ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
      rosidl_typesupport_fastrtps_cpp, quorvex, srv, PlanMotion_Request)();
    PlanMotion_callbacks.response_members_ =
      ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
      rosidl_typesupport_fastrtps_cpp, quorvex, srv, PlanMotion_Response)();
    PlanMotion_handle.typesupport_identifier =
      rosidl_typesupport_fastrtps_cpp::typesupport_identifier;
  }
};

const BindPlanMotionHandles bind_plan_motion_handles;

}  // namespace
