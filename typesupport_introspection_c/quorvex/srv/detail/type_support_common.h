// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__TYPE_SUPPORT_COMMON_H_
#define QUORVEX__SRV__DETAIL__TYPE_SUPPORT_COMMON_H_

// What the two services' type-support sources share: the float64-sequence accessor mechanics,
// the entry of each kind of member, and the definitions of a message and of a service, which
// each source expands over its member tables, with the lazy binding of handles in the getters.

#include <stdbool.h>
#include <stddef.h>
#include <stdint.h>
#include <string.h>
#include <pthread.h>

#include "quorvex/msg/rosidl_typesupport_introspection_c__symbol_names.h"
#include "quorvex/srv/detail/type_support_handles.h"
#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_c/service_type_support_struct.h"
#include "rosidl_runtime_c/primitives_sequence.h"
#include "rosidl_runtime_c/primitives_sequence_functions.h"
#include "rosidl_typesupport_introspection_c/field_types.h"
#include "rosidl_typesupport_introspection_c/identifier.h"
#include "rosidl_typesupport_introspection_c/message_introspection.h"
#include "rosidl_typesupport_introspection_c/service_introspection.h"
#include "rosidl_typesupport_interface/macros.h"

// Float64-sequence mechanics. `untyped_member` is the address of a
// rosidl_runtime_c__double__Sequence inside a record; the slots promise nothing is checked.

static inline size_t
float64_sequence_size(const void * untyped_member)
{
  const rosidl_runtime_c__double__Sequence * member = untyped_member;
  return member->size;
}

static inline const void *
float64_sequence_get_const(const void * untyped_member, size_t index)
{
  const rosidl_runtime_c__double__Sequence * member = untyped_member;
  return member->data + index;
}

static inline void *
float64_sequence_get(void * untyped_member, size_t index)
{
  rosidl_runtime_c__double__Sequence * member = untyped_member;
  return member->data + index;
}

// fetch and assign copy bytes, not doubles, so that signalling NaNs and NaN payloads pass
// through unchanged whatever the floating-point unit would do with them.

static inline void
float64_sequence_fetch(const void * untyped_member, size_t index, void * untyped_value)
{
  memcpy(untyped_value, float64_sequence_get_const(untyped_member, index), sizeof(double));
}

static inline void
float64_sequence_assign(void * untyped_member, size_t index, const void * untyped_value)
{
  memcpy(float64_sequence_get(untyped_member, index), untyped_value, sizeof(double));
}

static inline bool
float64_sequence_resize(void * untyped_member, size_t size)
{
  rosidl_runtime_c__double__Sequence * member = untyped_member;
  // The old elements go at every size: consumers resize first and then assign every element.
  // After fini the member is empty, which is also what a failed init leaves.
  rosidl_runtime_c__double__Sequence__fini(member);
  return rosidl_runtime_c__double__Sequence__init(member, size);
}

/// Defines the six exported accessors of one float64-sequence member on the mechanics above.
#define DEFINE_FLOAT64_SEQUENCE_ACCESSORS(Message, member) \
  size_t QUORVEX__SRV__INTROSPECTION_C__ACCESSOR(Message, size_function, member)( \
    const void * untyped_member) \
  { \
    return float64_sequence_size(untyped_member); \
  } \
  const void * QUORVEX__SRV__INTROSPECTION_C__ACCESSOR(Message, get_const_function, member)( \
    const void * untyped_member, size_t index) \
  { \
    return float64_sequence_get_const(untyped_member, index); \
  } \
  void * QUORVEX__SRV__INTROSPECTION_C__ACCESSOR(Message, get_function, member)( \
    void * untyped_member, size_t index) \
  { \
    return float64_sequence_get(untyped_member, index); \
  } \
  void QUORVEX__SRV__INTROSPECTION_C__ACCESSOR(Message, fetch_function, member)( \
    const void * untyped_member, size_t index, void * untyped_value) \
  { \
    float64_sequence_fetch(untyped_member, index, untyped_value); \
  } \
  void QUORVEX__SRV__INTROSPECTION_C__ACCESSOR(Message, assign_function, member)( \
    void * untyped_member, size_t index, const void * untyped_value) \
  { \
    float64_sequence_assign(untyped_member, index, untyped_value); \
  } \
  bool QUORVEX__SRV__INTROSPECTION_C__ACCESSOR(Message, resize_function, member)( \
    void * untyped_member, size_t size) \
  { \
    return float64_sequence_resize(untyped_member, size); \
  }

// Member entries. No member of these messages is bounded, fixed-size, nested or defaulted, so
// those fields are zero in every entry; the name is the record field's own name.

/// Entry of a bool, int32, float64 or string member of quorvex__srv__<Message>; `type` is the
/// suffix of its rosidl_typesupport_introspection_c__ROS_TYPE_ constant.
#define PLAIN_MEMBER(Message, member, type) \
  { \
    .name_ = #member, \
    .type_id_ = rosidl_typesupport_introspection_c__ROS_TYPE_ ## type, \
    .string_upper_bound_ = 0, \
    .members_ = NULL, \
    .is_array_ = false, \
    .array_size_ = 0, \
    .is_upper_bound_ = false, \
    .offset_ = (uint32_t)offsetof(quorvex__srv__ ## Message, member), \
    .default_value_ = NULL, \
    .size_function = NULL, \
    .get_const_function = NULL, \
    .get_function = NULL, \
    .fetch_function = NULL, \
    .assign_function = NULL, \
    .resize_function = NULL, \
  }

/// Entry of an unbounded float64-sequence member of quorvex__srv__<Message>, with its accessors.
#define FLOAT64_SEQUENCE_MEMBER(Message, member) \
  { \
    .name_ = #member, \
    .type_id_ = rosidl_typesupport_introspection_c__ROS_TYPE_DOUBLE, \
    .string_upper_bound_ = 0, \
    .members_ = NULL, \
    .is_array_ = true, \
    .array_size_ = 0, \
    .is_upper_bound_ = false, \
    .offset_ = (uint32_t)offsetof(quorvex__srv__ ## Message, member), \
    .default_value_ = NULL, \
    .size_function = QUORVEX__SRV__INTROSPECTION_C__ACCESSOR(Message, size_function, member), \
    .get_const_function = \
      QUORVEX__SRV__INTROSPECTION_C__ACCESSOR(Message, get_const_function, member), \
    .get_function = QUORVEX__SRV__INTROSPECTION_C__ACCESSOR(Message, get_function, member), \
    .fetch_function = QUORVEX__SRV__INTROSPECTION_C__ACCESSOR(Message, fetch_function, member), \
    .assign_function = \
      QUORVEX__SRV__INTROSPECTION_C__ACCESSOR(Message, assign_function, member), \
    .resize_function = \
      QUORVEX__SRV__INTROSPECTION_C__ACCESSOR(Message, resize_function, member), \
  }

// The definitions that a member table X(Message, member, KIND) expands to: the accessors of a
// float64-sequence member (none for another kind), and the member's entry.

#define QUORVEX__SRV__INTROSPECTION_C__DEFINE_ACCESSORS(Message, member, KIND) \
  QUORVEX__SRV__INTROSPECTION_C__DEFINE_ACCESSORS_ ## KIND(Message, member)
#define QUORVEX__SRV__INTROSPECTION_C__DEFINE_ACCESSORS_BOOL(Message, member)
#define QUORVEX__SRV__INTROSPECTION_C__DEFINE_ACCESSORS_INT32(Message, member)
#define QUORVEX__SRV__INTROSPECTION_C__DEFINE_ACCESSORS_FLOAT64(Message, member)
#define QUORVEX__SRV__INTROSPECTION_C__DEFINE_ACCESSORS_STRING(Message, member)
#define QUORVEX__SRV__INTROSPECTION_C__DEFINE_ACCESSORS_FLOAT64_SEQUENCE(Message, member) \
  DEFINE_FLOAT64_SEQUENCE_ACCESSORS(Message, member)

#define QUORVEX__SRV__INTROSPECTION_C__ENTRY(Message, member, KIND) \
  QUORVEX__SRV__INTROSPECTION_C__ENTRY_ ## KIND(Message, member),
#define QUORVEX__SRV__INTROSPECTION_C__ENTRY_BOOL(Message, member) \
  PLAIN_MEMBER(Message, member, BOOLEAN)
#define QUORVEX__SRV__INTROSPECTION_C__ENTRY_INT32(Message, member) \
  PLAIN_MEMBER(Message, member, INT32)
#define QUORVEX__SRV__INTROSPECTION_C__ENTRY_FLOAT64(Message, member) \
  PLAIN_MEMBER(Message, member, DOUBLE)
#define QUORVEX__SRV__INTROSPECTION_C__ENTRY_STRING(Message, member) \
  PLAIN_MEMBER(Message, member, STRING)
#define QUORVEX__SRV__INTROSPECTION_C__ENTRY_FLOAT64_SEQUENCE(Message, member) \
  FLOAT64_SEQUENCE_MEMBER(Message, member)

// Lazy binding. The getters complete their handle (and a service getter its descriptor) at
// their first call, without a lock, and callers may race through that call. Each record is
// completed inside a pthread_once of its own: callers that lose the race wait until the winner is
// done, and the completion happens before every getter's return, so the plain reads that
// consumers make of the records afterwards never overlap a write. Per-field atomic stores would
// leave a caller that found one field set reading the record while another caller still wrote.

/// Defines the handle `Type`_handle of a message (`KIND` MESSAGE, `kind` message) or a service
/// (SERVICE, service) with the descriptor `data`, and its exported getter, which completes the
/// handle with bind_<Type>() (the caller's) inside a pthread_once of its own.
#define QUORVEX__SRV__INTROSPECTION_C__LAZY_HANDLE(KIND, kind, Type, data) \
  static QUORVEX__SRV__DEFINE_HANDLE( \
    kind, Type, data, get_ ## kind ## _typesupport_handle_function) \
  static pthread_once_t Type ## _bound = PTHREAD_ONCE_INIT; \
  static void bind_ ## Type(void); \
  QUORVEX__SRV__DEFINE_C_GETTER( \
    rosidl_typesupport_introspection_c, KIND, kind, Type, \
    (pthread_once(&Type ## _bound, bind_ ## Type), &Type ## _handle))

/// Defines everything of the message quorvex__srv__<Message>, whose member table `MEMBERS` is the
/// QUORVEX_<MESSAGE>_MEMBERS_WITH form: the accessors of its members, its init and fini adapters,
/// its member entries and descriptor, its handle and the handle's getter.
/**
 * The init adapter means the full initialisation in every mode, as the record has no default
 * values. Its slot cannot report a failed __init, so the record is then left in zero bytes,
 * which fini accepts. The getter binds the handle's typesupport_identifier.
 */
#define QUORVEX__SRV__INTROSPECTION_C__DEFINE_MESSAGE(Message, MEMBERS) \
  MEMBERS(QUORVEX__SRV__INTROSPECTION_C__DEFINE_ACCESSORS, Message) \
 \
  void QUORVEX__SRV__INTROSPECTION_C__ADAPTER(Message, init_function)( \
    void * untyped_message, enum rosidl_runtime_c__message_initialization mode) \
  { \
    (void)mode; \
    if (!quorvex__srv__ ## Message ## __init(untyped_message) && NULL != untyped_message) { \
      memset(untyped_message, 0, sizeof(quorvex__srv__ ## Message)); \
    } \
  } \
 \
  void QUORVEX__SRV__INTROSPECTION_C__ADAPTER(Message, fini_function)(void * untyped_message) \
  { \
    quorvex__srv__ ## Message ## __fini(untyped_message); \
  } \
 \
  static const rosidl_typesupport_introspection_c__MessageMember \
    Message ## _member_array[] = { \
    MEMBERS(QUORVEX__SRV__INTROSPECTION_C__ENTRY, Message) \
  }; \
 \
  static const rosidl_typesupport_introspection_c__MessageMembers Message ## _members = { \
    .message_namespace_ = "quorvex__srv", \
    .message_name_ = #Message, \
    .member_count_ = sizeof(Message ## _member_array) / sizeof(Message ## _member_array[0]), \
    .size_of_ = sizeof(quorvex__srv__ ## Message), \
    .members_ = Message ## _member_array, \
    .init_function = QUORVEX__SRV__INTROSPECTION_C__ADAPTER(Message, init_function), \
    .fini_function = QUORVEX__SRV__INTROSPECTION_C__ADAPTER(Message, fini_function), \
  }; \
 \
  QUORVEX__SRV__INTROSPECTION_C__LAZY_HANDLE(MESSAGE, message, Message, &Message ## _members) \
 \
  static void \
  bind_ ## Message(void) \
  { \
    Message ## _handle.typesupport_identifier = rosidl_typesupport_introspection_c__identifier; \
  }

/// Defines the descriptor, the handle and the getter of the service `Service`.
/**
 * The getter binds the handle's typesupport_identifier and the descriptor's request_members_
 * and response_members_; binding the descriptor calls the message getters by name, which binds
 * their handles too.
 */
#define QUORVEX__SRV__INTROSPECTION_C__DEFINE_SERVICE(Service) \
  static rosidl_typesupport_introspection_c__ServiceMembers Service ## _service_members = { \
    .service_namespace_ = "quorvex__srv", \
    .service_name_ = #Service, \
    .request_members_ = NULL, \
    .response_members_ = NULL, \
  }; \
 \
  QUORVEX__SRV__INTROSPECTION_C__LAZY_HANDLE( \
    SERVICE, service, Service, &Service ## _service_members) \
 \
  static void \
  bind_ ## Service(void) \
  { \
    Service ## _handle.typesupport_identifier = rosidl_typesupport_introspection_c__identifier; \
    Service ## _service_members.request_members_ = \
      ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME( \
      rosidl_typesupport_introspection_c, quorvex, srv, Service ## _Request)()->data; \
    Service ## _service_members.response_members_ = \
      ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME( \
      rosidl_typesupport_introspection_c, quorvex, srv, Service ## _Response)()->data; \
  }

#endif  // QUORVEX__SRV__DETAIL__TYPE_SUPPORT_COMMON_H_
