// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__PLAN_MOTION__ROSIDL_TYPESUPPORT_FASTRTPS_CPP_HPP_
#define QUORVEX__SRV__DETAIL__PLAN_MOTION__ROSIDL_TYPESUPPORT_FASTRTPS_CPP_HPP_

#include <cstddef>

#include "fastcdr/Cdr.h"
#include "quorvex/msg/rosidl_typesupport_fastrtps_cpp__visibility_control.h"
#include "quorvex/srv/detail/plan_motion__struct.hpp"
#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_c/service_type_support_struct.h"
#include "rosidl_typesupport_interface/macros.h"
#include "rosidl_typesupport_fastrtps_cpp/message_type_support_decl.hpp"
#include "rosidl_typesupport_fastrtps_cpp/service_type_support_decl.hpp"

namespace quorvex
{
namespace srv
{
namespace typesupport_fastrtps_cpp
{

// Every failure leaves these functions as a Fast-CDR exception; they never return false.

/// Appends the request to the stream; throws BadParamException for a sequence of 2^32 elements
/// or more, which a 32-bit count cannot hold.
ROSIDL_TYPESUPPORT_FASTRTPS_CPP_PUBLIC_quorvex
bool cdr_serialize(
  const quorvex::srv::PlanMotion_Request & ros_message,
  eprosima::fastcdr::Cdr & cdr);

/// Reads one request from the stream, overwriting every member.
ROSIDL_TYPESUPPORT_FASTRTPS_CPP_PUBLIC_quorvex
bool cdr_deserialize(eprosima::fastcdr::Cdr & cdr, quorvex::srv::PlanMotion_Request & ros_message);

/// Bytes of the request's encoding from `current_alignment`, alignment included.
ROSIDL_TYPESUPPORT_FASTRTPS_CPP_PUBLIC_quorvex
size_t get_serialized_size(
  const quorvex::srv::PlanMotion_Request & ros_message, size_t current_alignment);

/// Size of a request whose sequences are empty; both flags false, as the size has no bound.
ROSIDL_TYPESUPPORT_FASTRTPS_CPP_PUBLIC_quorvex
size_t max_serialized_size_PlanMotion_Request(
  bool & full_bounded, bool & is_plain, size_t current_alignment);

/// Appends the response to the stream; throws BadParamException for a sequence as the request's
/// writer does, and for a string that holds a NUL byte within its length or is too long for a
/// 32-bit length.
ROSIDL_TYPESUPPORT_FASTRTPS_CPP_PUBLIC_quorvex
bool cdr_serialize(
  const quorvex::srv::PlanMotion_Response & ros_message,
  eprosima::fastcdr::Cdr & cdr);

/// Reads one response from the stream, overwriting every member.
ROSIDL_TYPESUPPORT_FASTRTPS_CPP_PUBLIC_quorvex
bool cdr_deserialize(eprosima::fastcdr::Cdr & cdr, quorvex::srv::PlanMotion_Response & ros_message);

/// Bytes of the response's encoding from `current_alignment`, alignment included.
ROSIDL_TYPESUPPORT_FASTRTPS_CPP_PUBLIC_quorvex
size_t get_serialized_size(
  const quorvex::srv::PlanMotion_Response & ros_message, size_t current_alignment);

/// Size of a response whose string and sequences are empty; both flags false: no bound.
ROSIDL_TYPESUPPORT_FASTRTPS_CPP_PUBLIC_quorvex
size_t max_serialized_size_PlanMotion_Response(
  bool & full_bounded, bool & is_plain, size_t current_alignment);

}  // namespace typesupport_fastrtps_cpp
}  // namespace srv
}  // namespace quorvex

namespace rosidl_typesupport_fastrtps_cpp
{

template<>
ROSIDL_TYPESUPPORT_FASTRTPS_CPP_PUBLIC_quorvex
const rosidl_message_type_support_t *
get_message_type_support_handle<quorvex::srv::PlanMotion_Request>();

template<>
ROSIDL_TYPESUPPORT_FASTRTPS_CPP_PUBLIC_quorvex
const rosidl_message_type_support_t *
get_message_type_support_handle<quorvex::srv::PlanMotion_Response>();

template<>
ROSIDL_TYPESUPPORT_FASTRTPS_CPP_PUBLIC_quorvex
const rosidl_service_type_support_t *
get_service_type_support_handle<quorvex::srv::PlanMotion>();

}  // namespace rosidl_typesupport_fastrtps_cpp

// C-linkage getters, e.g.
// rosidl_typesupport_fastrtps_cpp__get_message_type_support_handle__quorvex__srv__SolveIK_Request.
#ifdef __cplusplus
extern "C"
{
#endif

ROSIDL_TYPESUPPORT_FASTRTPS_CPP_PUBLIC_quorvex
const rosidl_message_type_support_t *
  ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
  rosidl_typesupport_fastrtps_cpp, quorvex, srv, PlanMotion_Request)();

ROSIDL_TYPESUPPORT_FASTRTPS_CPP_PUBLIC_quorvex
const rosidl_message_type_support_t *
  ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
  rosidl_typesupport_fastrtps_cpp, quorvex, srv, PlanMotion_Response)();

ROSIDL_TYPESUPPORT_FASTRTPS_CPP_PUBLIC_quorvex
const rosidl_service_type_support_t *
  ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME(
  rosidl_typesupport_fastrtps_cpp, quorvex, srv, PlanMotion)();

#ifdef __cplusplus
}
#endif

#endif  // QUORVEX__SRV__DETAIL__PLAN_MOTION__ROSIDL_TYPESUPPORT_FASTRTPS_CPP_HPP_
