// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef ROSIDL_TYPESUPPORT_FASTRTPS_CPP__MESSAGE_TYPE_SUPPORT_H_
#define ROSIDL_TYPESUPPORT_FASTRTPS_CPP__MESSAGE_TYPE_SUPPORT_H_

#include <cstddef>
#include <cstdint>

#include "fastcdr/Cdr.h"
#include "rosidl_runtime_c/message_type_support_struct.h"

// Values of the bounds-information byte reported by max_serialized_size.
#define ROSIDL_TYPESUPPORT_FASTRTPS_UNBOUNDED_TYPE 0x00
#define ROSIDL_TYPESUPPORT_FASTRTPS_BOUNDED_TYPE 0x01
#define ROSIDL_TYPESUPPORT_FASTRTPS_PLAIN_TYPE 0x03

/// What a message handle of this type support carries in its `data`.
typedef struct message_type_support_callbacks_t
{
  const char * message_namespace_;
  const char * message_name_;

  /// Appends the message to the stream.
  bool (* cdr_serialize)(const void * untyped_ros_message, eprosima::fastcdr::Cdr & cdr);

  /// Reads one message from the stream.
  bool (* cdr_deserialize)(eprosima::fastcdr::Cdr & cdr, void * untyped_ros_message);

  /// Serialized size of the message from position 0.
  uint32_t (* get_serialized_size)(const void * untyped_ros_message);

  /// Size bound of the type; sets bounds_info to one of the ROSIDL_TYPESUPPORT_FASTRTPS_* values.
  size_t (* max_serialized_size)(char & bounds_info);
} message_type_support_callbacks_t;

#endif  // ROSIDL_TYPESUPPORT_FASTRTPS_CPP__MESSAGE_TYPE_SUPPORT_H_
