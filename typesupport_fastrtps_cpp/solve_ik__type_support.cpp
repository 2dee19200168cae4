// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_fastrtps_cpp.hpp"

#include <cstddef>
#include <cstdint>

#include "cdr_members.hpp"
#include "fastcdr/Cdr.h"
#include "quorvex/srv/detail/solve_ik__struct.hpp"
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

bool cdr_serialize(const quorvex::srv::SolveIK_Request & ros_message, eprosima::fastcdr::Cdr & cdr)
{
  write_string(
    cdr, ros_message.pose_info_path,
    QUORVEX_CDR_STRING_MEMBER(SolveIK_Request, pose_info_path));
  write_string(
    cdr, ros_message.stage_subset,
    QUORVEX_CDR_STRING_MEMBER(SolveIK_Request, stage_subset));
  cdr.serialize(ros_message.max_contact_poses);
  cdr.serialize(ros_message.return_seeds);
  write_string(
    cdr, ros_message.tool_type,
    QUORVEX_CDR_STRING_MEMBER(SolveIK_Request, tool_type));
  cdr.serialize(ros_message.position_tolerance);
  cdr.serialize(ros_message.orientation_tolerance);
  cdr.serialize(ros_message.conform_samples);
  cdr.serialize(ros_message.orientation_sample_range_deg);
  cdr.serialize(ros_message.orientation_sample_step_deg);
  cdr.serialize(ros_message.accept_feasible_path);
  cdr.serialize(ros_message.max_joint_jump_rad);
  return true;
}

bool cdr_deserialize(eprosima::fastcdr::Cdr & cdr, quorvex::srv::SolveIK_Request & ros_message)
{
  read_string(cdr, ros_message.pose_info_path);
  read_string(cdr, ros_message.stage_subset);
  cdr.deserialize(ros_message.max_contact_poses);
  cdr.deserialize(ros_message.return_seeds);
  read_string(cdr, ros_message.tool_type);
  cdr.deserialize(ros_message.position_tolerance);
  cdr.deserialize(ros_message.orientation_tolerance);
  cdr.deserialize(ros_message.conform_samples);
  cdr.deserialize(ros_message.orientation_sample_range_deg);
  cdr.deserialize(ros_message.orientation_sample_step_deg);
  read_bool(cdr, ros_message.accept_feasible_path);
  cdr.deserialize(ros_message.max_joint_jump_rad);
  return true;
}

size_t get_serialized_size(
  const quorvex::srv::SolveIK_Request & ros_message, size_t current_alignment)
{
  const size_t initial_alignment = current_alignment;
  add_string(current_alignment, ros_message.pose_info_path.size());
  add_string(current_alignment, ros_message.stage_subset.size());
  add_int32(current_alignment);  // max_contact_poses
  add_int32(current_alignment);  // return_seeds
  add_string(current_alignment, ros_message.tool_type.size());
  add_float64(current_alignment);  // position_tolerance
  add_float64(current_alignment);  // orientation_tolerance
  add_int32(current_alignment);  // conform_samples
  add_float64(current_alignment);  // orientation_sample_range_deg
  add_float64(current_alignment);  // orientation_sample_step_deg
  add_bool(current_alignment);  // accept_feasible_path
  add_float64(current_alignment);  // max_joint_jump_rad
  return current_alignment - initial_alignment;
}

size_t max_serialized_size_SolveIK_Request(
  bool & full_bounded, bool & is_plain, size_t current_alignment)
{
  // Unbounded strings: the bound counts each as empty and says that there is no bound.
  full_bounded = false;
  is_plain = false;
  const size_t initial_alignment = current_alignment;
  add_string(current_alignment, 0);  // pose_info_path
  add_string(current_alignment, 0);  // stage_subset
  add_int32(current_alignment);  // max_contact_poses
  add_int32(current_alignment);  // return_seeds
  add_string(current_alignment, 0);  // tool_type
  add_float64(current_alignment);  // position_tolerance
  add_float64(current_alignment);  // orientation_tolerance
  add_int32(current_alignment);  // conform_samples
  add_float64(current_alignment);  // orientation_sample_range_deg
  add_float64(current_alignment);  // orientation_sample_step_deg
  add_bool(current_alignment);  // accept_feasible_path
  add_float64(current_alignment);  // max_joint_jump_rad
  return current_alignment - initial_alignment;
}

bool cdr_serialize(const quorvex::srv::SolveIK_Response & ros_message, eprosima::fastcdr::Cdr & cdr)
{
  cdr.serialize(ros_message.success);
  write_string(
    cdr, ros_message.summary,
    QUORVEX_CDR_STRING_MEMBER(SolveIK_Response, summary));
  write_string(
    cdr, ros_message.report_json,
    QUORVEX_CDR_STRING_MEMBER(SolveIK_Response, report_json));
  return true;
}

bool cdr_deserialize(eprosima::fastcdr::Cdr & cdr, quorvex::srv::SolveIK_Response & ros_message)
{
  read_bool(cdr, ros_message.success);
  read_string(cdr, ros_message.summary);
  read_string(cdr, ros_message.report_json);
  return true;
}

size_t get_serialized_size(
  const quorvex::srv::SolveIK_Response & ros_message, size_t current_alignment)
{
  const size_t initial_alignment = current_alignment;
  add_bool(current_alignment);  // success
  add_string(current_alignment, ros_message.summary.size());
  add_string(current_alignment, ros_message.report_json.size());
  return current_alignment - initial_alignment;
}

size_t max_serialized_size_SolveIK_Response(
  bool & full_bounded, bool & is_plain, size_t current_alignment)
{
  full_bounded = false;
  is_plain = false;
  const size_t initial_alignment = current_alignment;
  add_bool(current_alignment);  // success
  add_string(current_alignment, 0);  // summary
  add_string(current_alignment, 0);  // report_json
  return current_alignment - initial_alignment;
}

namespace
{

// Untyped callbacks of the callbacks records; exceptions pass through them to the middleware.

bool cdr_serialize_callback_SolveIK_Request(
  const void * untyped_ros_message, eprosima::fastcdr::Cdr & cdr)
{
  return cdr_serialize(
    *static_cast<const quorvex::srv::SolveIK_Request *>(untyped_ros_message),
    cdr);
}

bool cdr_deserialize_callback_SolveIK_Request(
  eprosima::fastcdr::Cdr & cdr, void * untyped_ros_message)
{
  return cdr_deserialize(cdr, *static_cast<quorvex::srv::SolveIK_Request *>(untyped_ros_message));
}

uint32_t serialized_size_callback_SolveIK_Request(const void * untyped_ros_message)
{
  return static_cast<uint32_t>(get_serialized_size(
           *static_cast<const quorvex::srv::SolveIK_Request *>(untyped_ros_message), 0));
}

size_t max_serialized_size_callback_SolveIK_Request(char & bounds_info)
{
  bool full_bounded;
  bool is_plain;
  const size_t size = max_serialized_size_SolveIK_Request(full_bounded, is_plain, 0);
  bounds_info = typesupport_fastrtps_cpp::bounds_info(full_bounded, is_plain);
  return size;
}

bool cdr_serialize_callback_SolveIK_Response(
  const void * untyped_ros_message, eprosima::fastcdr::Cdr & cdr)
{
  return cdr_serialize(
    *static_cast<const quorvex::srv::SolveIK_Response *>(untyped_ros_message), cdr);
}

bool cdr_deserialize_callback_SolveIK_Response(
  eprosima::fastcdr::Cdr & cdr, void * untyped_ros_message)
{
  return cdr_deserialize(cdr, *static_cast<quorvex::srv::SolveIK_Response *>(untyped_ros_message));
}

uint32_t serialized_size_callback_SolveIK_Response(const void * untyped_ros_message)
{
  return static_cast<uint32_t>(get_serialized_size(
           *static_cast<const quorvex::srv::SolveIK_Response *>(untyped_ros_message), 0));
}

size_t max_serialized_size_callback_SolveIK_Response(char & bounds_info)
{
  bool full_bounded;
  bool is_plain;
  const size_t size = max_serialized_size_SolveIK_Response(full_bounded, is_plain, 0);
  bounds_info = typesupport_fastrtps_cpp::bounds_info(full_bounded, is_plain);
  return size;
}

const message_type_support_callbacks_t SolveIK_Request_callbacks = {
  namespace_text,
  "SolveIK_Request",
  &cdr_serialize_callback_SolveIK_Request,
  &cdr_deserialize_callback_SolveIK_Request,
  &serialized_size_callback_SolveIK_Request,
  &max_serialized_size_callback_SolveIK_Request,
};

const message_type_support_callbacks_t SolveIK_Response_callbacks = {
  namespace_text,
  "SolveIK_Response",
  &cdr_serialize_callback_SolveIK_Response,
  &cdr_deserialize_callback_SolveIK_Response,
  &serialized_size_callback_SolveIK_Response,
  &max_serialized_size_callback_SolveIK_Response,
};

// The identifiers and the service's message handles are completed when the library is loaded.
rosidl_message_type_support_t SolveIK_Request_handle = {
  nullptr,
  &SolveIK_Request_callbacks,
  &get_message_typesupport_handle_function,
};

rosidl_message_type_support_t SolveIK_Response_handle = {
  nullptr,
  &SolveIK_Response_callbacks,
  &get_message_typesupport_handle_function,
};

service_type_support_callbacks_t SolveIK_callbacks = {
  namespace_text,
  "SolveIK",
  nullptr,
  nullptr,
};

rosidl_service_type_support_t SolveIK_handle = {
  nullptr,
  &SolveIK_callbacks,
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
get_message_type_support_handle<quorvex::srv::SolveIK_Request>()
{
  return &quorvex::srv::typesupport_fastrtps_cpp::SolveIK_Request_handle;
}

template<>
const rosidl_message_type_support_t *
get_message_type_support_handle<quorvex::srv::SolveIK_Response>()
{
  return &quorvex::srv::typesupport_fastrtps_cpp::SolveIK_Response_handle;
}

template<>
const rosidl_service_type_support_t *
get_service_type_support_handle<quorvex::srv::SolveIK>()
{
  return &quorvex::srv::typesupport_fastrtps_cpp::SolveIK_handle;
}

}  // namespace rosidl_typesupport_fastrtps_cpp

extern "C"
{
const rosidl_message_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
  rosidl_typesupport_fastrtps_cpp, quorvex, srv, SolveIK_Request)()
{
  return &quorvex::srv::typesupport_fastrtps_cpp::SolveIK_Request_handle;
}

const rosidl_message_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
  rosidl_typesupport_fastrtps_cpp, quorvex, srv, SolveIK_Response)()
{
  return &quorvex::srv::typesupport_fastrtps_cpp::SolveIK_Response_handle;
}

const rosidl_service_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME(
  rosidl_typesupport_fastrtps_cpp, quorvex, srv, SolveIK)()
{
  return &quorvex::srv::typesupport_fastrtps_cpp::SolveIK_handle;
}
}  // extern "C"

namespace
{

// The identifier is a variable of another library, known only once that library is loaded: the
// loader runs this before any getter of this library can be reached.
struct BindSolveIKHandles
{
  BindSolveIKHandles()
  {
    using quorvex::srv::typesupport_fastrtps_cpp::SolveIK_Request_handle;
    using quorvex::srv::typesupport_fastrtps_cpp::SolveIK_Response_handle;
    using quorvex::srv::typesupport_fastrtps_cpp::SolveIK_callbacks;
    using quorvex::srv::typesupport_fastrtps_cpp::SolveIK_handle;
    SolveIK_Request_handle.typesupport_identifier =
      rosidl_typesupport_fastrtps_cpp::typesupport_identifier;
    SolveIK_Response_handle.typesupport_identifier =
      rosidl_typesupport_fastrtps_cpp::typesupport_identifier;
    SolveIK_callbacks.request_members_ =
      ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
      rosidl_typesupport_fastrtps_cpp, quorvex, srv, SolveIK_Request)();
    SolveIK_callbacks.response_members_ =
      ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
      rosidl_typesupport_fastrtps_cpp, quorvex, srv, SolveIK_Response)();
    SolveIK_handle.typesupport_identifier = rosidl_typesupport_fastrtps_cpp::typesupport_identifier;
  }
};

const BindSolveIKHandles bind_solve_ik_handles;

}  // namespace
