// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef ROSIDL_TYPESUPPORT_INTROSPECTION_C__MESSAGE_INTROSPECTION_H_
#define ROSIDL_TYPESUPPORT_INTROSPECTION_C__MESSAGE_INTROSPECTION_H_

#include <stdbool.h>
#include <stddef.h>
#include <stdint.h>

#include "rosidl_runtime_c/message_initialization.h"
#include "rosidl_runtime_c/message_type_support_struct.h"

#ifdef __cplusplus
extern "C"
{
#endif

/// Description of one member of a message record.
/**
 * Plain members are reached at `offset_` alone; arrays and sequences also carry accessors that
 * take the member's address (record address plus `offset_`).
 */
typedef struct rosidl_typesupport_introspection_c__MessageMember_s
{
  /// Field name as in the interface definition.
  const char * name_;
  /// One of rosidl_typesupport_introspection_c_field_types; for arrays, the element's type.
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
  /// Gives the member `size` elements.
  bool (* resize_function)(void *, size_t size);
} rosidl_typesupport_introspection_c__MessageMember;

/// Description of a message record: its size, its members in order, its lifecycle.
typedef struct rosidl_typesupport_introspection_c__MessageMembers_s
{
  /// Package and interface kind, e.g. "pkg__msg".
  const char * message_namespace_;
  /// Message name.
  const char * message_name_;
  /// Number of entries in members_.
  uint32_t member_count_;
  /// Size of the message record in bytes.
  size_t size_of_;
  /// First of member_count_ member entries.
  const rosidl_typesupport_introspection_c__MessageMember * members_;
  /// Brings a record in storage of size_of_ bytes to life.
  void (* init_function)(void *, enum rosidl_runtime_c__message_initialization);
  /// Releases what a record owns; its storage stays the caller's.
  void (* fini_function)(void *);
} rosidl_typesupport_introspection_c__MessageMembers;

#ifdef __cplusplus
}
#endif

#endif  // ROSIDL_TYPESUPPORT_INTROSPECTION_C__MESSAGE_INTROSPECTION_H_
