// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__CDR_DECLARATIONS_HPP_
#define QUORVEX__SRV__DETAIL__CDR_DECLARATIONS_HPP_

#include <cstddef>

#include "fastcdr/Cdr.h"
#include "quorvex/msg/rosidl_typesupport_fastrtps_cpp__visibility_control.h"
#include "quorvex/srv/detail/type_support_getters.hpp"
#include "rosidl_typesupport_fastrtps_cpp/message_type_support_decl.hpp"
#include "rosidl_typesupport_fastrtps_cpp/service_type_support_decl.hpp"

/// Declares the exported CDR functions of the C++ record quorvex::srv::<Message>, in
/// quorvex::srv::typesupport_fastrtps_cpp. Every failure leaves them as a Fast-CDR exception;
/// they never return false.
/// - cdr_serialize(ros_message, cdr) appends the record to the stream; it throws
///   BadParamException, naming the member, for a sequence of 2^32 elements or more, and for a
///   string that holds a NUL byte within its length or is too long for a 32-bit length.
/// - cdr_deserialize(cdr, ros_message) reads one record from the stream, overwriting every
///   member.
/// - get_serialized_size(ros_message, current_alignment) gives the bytes of the record's
///   encoding from `current_alignment`, alignment included.
/// - max_serialized_size_<Message>(full_bounded, is_plain, current_alignment) gives the size of
///   the record with every string and sequence empty; both flags false, as the size has no
///   bound.
#define QUORVEX_CDR_DECLARE_MESSAGE(Message) \
  namespace quorvex::srv::typesupport_fastrtps_cpp \
  { \
  QUORVEX_CDR_MESSAGE_DECLARATIONS(Message) \
  }

/// The declarations of QUORVEX_CDR_DECLARE_MESSAGE, in quorvex::srv::typesupport_fastrtps_cpp.
#define QUORVEX_CDR_MESSAGE_DECLARATIONS(Message) \
  ROSIDL_TYPESUPPORT_FASTRTPS_CPP_PUBLIC_quorvex \
  bool cdr_serialize(const quorvex::srv::Message & ros_message, eprosima::fastcdr::Cdr & cdr); \
 \
  ROSIDL_TYPESUPPORT_FASTRTPS_CPP_PUBLIC_quorvex \
  bool cdr_deserialize(eprosima::fastcdr::Cdr & cdr, quorvex::srv::Message & ros_message); \
 \
  ROSIDL_TYPESUPPORT_FASTRTPS_CPP_PUBLIC_quorvex \
  size_t get_serialized_size(const quorvex::srv::Message & ros_message, size_t current_alignment); \
 \
  ROSIDL_TYPESUPPORT_FASTRTPS_CPP_PUBLIC_quorvex \
  size_t max_serialized_size_ ## Message( \
    bool & full_bounded, bool & is_plain, size_t current_alignment);

/// Declares the CDR functions of both messages of the service quorvex::srv::<Service> and the
/// getters of the handles of the service and its messages, e.g.
/// rosidl_typesupport_fastrtps_cpp__get_message_type_support_handle__quorvex__srv__SolveIK_Request.
#define QUORVEX_CDR_DECLARE_SERVICE(Service) \
  QUORVEX_CDR_DECLARE_MESSAGE(Service ## _Request) \
  QUORVEX_CDR_DECLARE_MESSAGE(Service ## _Response) \
  QUORVEX_SRV_DECLARE_GETTERS( \
    rosidl_typesupport_fastrtps_cpp, ROSIDL_TYPESUPPORT_FASTRTPS_CPP_PUBLIC_quorvex, Service)

#endif  // QUORVEX__SRV__DETAIL__CDR_DECLARATIONS_HPP_
