// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef ROSIDL_TYPESUPPORT_INTROSPECTION_CPP__MESSAGE_INTROSPECTION_HPP_
#define ROSIDL_TYPESUPPORT_INTROSPECTION_CPP__MESSAGE_INTROSPECTION_HPP_

#include <cstddef>
#include <cstdint>

#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_cpp/message_initialization.hpp"

namespace rosidl_typesupport_introspection_cpp
{

/// Description of one member of a C++ message record.
/**
 * Plain members are reached at `offset_` alone; arrays and sequences also carry accessors that
 * take the member's address (record address plus `offset_`).
 */
typedef struct MessageMember_s
{
  /// Field name as in the interface definition.
  const char * name_;
  /// One of the ROS_TYPE_* ids of field_types.hpp; for arrays, the element's type.
  uint8_t type_id_;
  /// Upper bound of a bounded string, 0 when unbounded.
  size_t string_upper_bound_;
  /// Handle of a nested message type, null otherwise.
  const rosidl_message_type_support_t * members_;
  /// Whether the member is an array or a sequence.
  bool is_array_;
  /// Length of an array, bound of a bounded sequence, 0 otherwise.
  size_t array_size_;
  /// Whether array_size_ is the bound of a sequence.
  bool is_upper_bound_;
  /// Byte offset of the member inside the message record.
  uint32_t offset_;
  /// Default value of the member, null when it has none.
  const void * default_value_;
  /// Number of elements.
  size_t (* size_function)(const void *);
  /// Address of an element, read only.
  const void * (*get_const_function)(const void *, size_t index);
  /// Address of an element.
  void * (*get_function)(void *, size_t index);
  /// Copies an element out to the value pointer.
  void (* fetch_function)(const void *, size_t index, void *);
  /// Copies the value pointer's value into an element.
  void (* assign_function)(void *, size_t index, const void *);
  /// Gives the member `size` elements; a container that cannot grow throws (std::bad_alloc).
  void (* resize_function)(void *, size_t size);
} MessageMember;

/// Description of a C++ message record: its size, its members in order, its lifecycle.
typedef struct MessageMembers_s
{
  /// Package and interface kind as a C++ namespace, e.g. "pkg::msg".
  const char * message_namespace_;
  /// Message name.
  const char * message_name_;
  /// Number of entries in members_.
  uint32_t member_count_;
  /// Size of the message record in bytes.
  size_t size_of_;
  /// First of member_count_ member entries.
  const MessageMember * members_;
  /// Constructs a record in storage of size_of_ bytes, initialised as the mode says.
  void (* init_function)(void *, rosidl_runtime_cpp::MessageInitialization);
  /// Destroys a record; its storage stays the caller's.
  void (* fini_function)(void *);
} MessageMembers;

}  // namespace rosidl_typesupport_introspection_cpp

#endif  // ROSIDL_TYPESUPPORT_INTROSPECTION_CPP__MESSAGE_INTROSPECTION_HPP_
