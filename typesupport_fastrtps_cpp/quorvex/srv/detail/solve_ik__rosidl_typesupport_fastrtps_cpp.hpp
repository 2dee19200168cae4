// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__SOLVE_IK__ROSIDL_TYPESUPPORT_FASTRTPS_CPP_HPP_
#define QUORVEX__SRV__DETAIL__SOLVE_IK__ROSIDL_TYPESUPPORT_FASTRTPS_CPP_HPP_

#include <cstddef>

#include "fastcdr/Cdr.h"
#include "quorvex/msg/rosidl_typesupport_fastrtps_cpp__visibility_control.h"
#include "quorvex/srv/detail/solve_ik__struct.hpp"
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

/// Appends the request to the stream; throws BadParamException for a string that holds a NUL
/// byte within its length or cannot be given a 32-bit length.
ROSIDL_TYPESUPPORT_FASTRTPS_CPP_PUBLIC_quorvex
bool cdr_serialize(const quorvex::srv::SolveIK_Request & ros_message, eprosima::fastcdr::Cdr & cdr);

/// Reads one request from the stream, overwriting every member.
ROSIDL_TYPESUPPORT_FASTRTPS_CPP_PUBLIC_quorvex
bool cdr_deserialize(eprosima::fastcdr::Cdr & cdr, quorvex::srv::SolveIK_Request & ros_message);

/// Bytes of the request's encoding from `current_alignment`, alignment included.
ROSIDL_TYPESUPPORT_FASTRTPS_CPP_PUBLIC_quorvex
size_t get_serialized_size(
  const quorvex::srv::SolveIK_Request & ros_message, size_t current_alignment);

/// Size of a request whose strings are empty; both flags false, as the size has no bound.
ROSIDL_TYPESUPPORT_FASTRTPS_CPP_PUBLIC_quorvex
size_t max_serialized_size_SolveIK_Request(
  bool & full_bounded, bool & is_plain, size_t current_alignment);

/// Appends the response to the stream; refuses strings as the request's writer does.
ROSIDL_TYPESUPPORT_FASTRTPS_CPP_PUBLIC_quorvex
bool cdr_serialize(
  const quorvex::srv::SolveIK_Response & ros_message,
  eprosima::fastcdr::Cdr & cdr);

/// Reads one response from the stream, overwriting every member.
ROSIDL_TYPESUPPORT_FASTRTPS_CPP_PUBLIC_quorvex
bool cdr_deserialize(eprosima::fastcdr::Cdr & cdr, quorvex::srv::SolveIK_Response & ros_message);

/// Bytes of the response's encoding from `current_alignment`, alignment included.
ROSIDL_TYPESUPPORT_FASTRTPS_CPP_PUBLIC_quorvex
size_t get_serialized_size(
  const quorvex::srv::SolveIK_Response & ros_message, size_t current_alignment);

/// Size of a response whose strings are empty; both flags false, as the size has no bound.
ROSIDL_TYPESUPPORT_FASTRTPS_CPP_PUBLIC_quorvex
size_t max_serialized_size_SolveIK_Response(
  bool & full_bounded, bool & is_plain, size_t current_alignment);

}  // namespace typesupport_fastrtps_cpp
}  // namespace srv
}  // namespace quorvex

namespace rosidl_typesupport_fastrtps_cpp
{

template<>
ROSIDL_TYPESUPPORT_FASTRTPS_CPP_PUBLIC_quorvex
const rosidl_message_type_support_t *
get_message_type_support_handle<quorvex::srv::SolveIK_Request>();

template<>
ROSIDL_TYPESUPPORT_FASTRTPS_CPP_PUBLIC_quorvex
const rosidl_message_type_support_t *
get_message_type_support_handle<quorvex::srv::SolveIK_Response>();

template<>
ROSIDL_TYPESUPPORT_FASTRTPS_CPP_PUBLIC_quorvex
const rosidl_service_type_support_t *
get_service_type_support_handle<quorvex::srv::SolveIK>();

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
  rosidl_typesupport_fastrtps_cpp, quorvex, srv, SolveIK_Request)();

ROSIDL_TYPESUPPORT_FASTRTPS_CPP_PUBLIC_quorvex
const rosidl_message_type_support_t *
  ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
  rosidl_typesupport_fastrtps_cpp, quorvex, srv, SolveIK_Response)();

ROSIDL_TYPESUPPORT_FASTRTPS_CPP_PUBLIC_quorvex
const rosidl_service_type_support_t *
  ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME(
  rosidl_typesupport_fastrtps_cpp, quorvex, srv, SolveIK)();

#ifdef __cplusplus
}
#endif

#endif  // QUORVEX__SRV__DETAIL__SOLVE_IK__ROSIDL_TYPESUPPORT_FASTRTPS_CPP_HPP_
