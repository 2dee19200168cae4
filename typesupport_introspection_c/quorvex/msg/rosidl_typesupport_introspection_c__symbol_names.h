// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__MSG__ROSIDL_TYPESUPPORT_INTROSPECTION_C__SYMBOL_NAMES_H_
#define QUORVEX__MSG__ROSIDL_TYPESUPPORT_INTROSPECTION_C__SYMBOL_NAMES_H_

#include <stdbool.h>
#include <stddef.h>

#include "quorvex/msg/rosidl_typesupport_introspection_c__visibility_control.h"
#include "rosidl_runtime_c/message_initialization.h"
#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_c/service_type_support_struct.h"
#include "rosidl_typesupport_interface/macros.h"

// The exported names of the introspection library are longer than a source line, so its headers
// and sources spell them, and declare the functions, through these macros. The getters' names
// come from ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME and __SERVICE_SYMBOL_NAME.

/// Name of the accessor `kind` of the float64-sequence member `member` of `Message`.
/**
 * `kind` is size_function, get_const_function, get_function, fetch_function, assign_function or
 * resize_function. For example (Message PlanMotion_Request, kind size_function, member
 * start_joints):
 * quorvex__srv__PlanMotion_Request__rosidl_typesupport_introspection_c__size_function__
 * PlanMotion_Request__start_joints (one word).
 */
#define QUORVEX__SRV__INTROSPECTION_C__ACCESSOR(Message, kind, member) \
  quorvex__srv__ ## Message ## __rosidl_typesupport_introspection_c__ ## kind ## __ ## \
  Message ## __ ## member

/// Name of the init adapter (`kind` init_function) or fini adapter (fini_function) of `Message`.
/**
 * For example quorvex__srv__SolveIK_Request__rosidl_typesupport_introspection_c__
 * SolveIK_Request_init_function (one word).
 */
#define QUORVEX__SRV__INTROSPECTION_C__ADAPTER(Message, kind) \
  quorvex__srv__ ## Message ## __rosidl_typesupport_introspection_c__ ## Message ## _ ## kind

/// Declares the six exported accessors of the float64-sequence member `member` of `Message`.
/**
 * Each takes the member's address (the record's address plus the entry's offset_) and checks
 * neither the pointer nor the index:
 * - size_function: the number of elements;
 * - get_const_function, get_function: the address of element `index`;
 * - fetch_function: copies element `index` bit for bit to the double at `untyped_value`;
 * - assign_function: copies the double at `untyped_value` bit for bit into element `index`;
 * - resize_function: drops every element, whatever the new size, then makes `size` elements as
 *   rosidl_runtime_c__double__Sequence__init does; on false (no memory) the member is empty.
 */
#define QUORVEX__SRV__INTROSPECTION_C__DECLARE_FLOAT64_SEQUENCE_ACCESSORS(Message, member) \
  ROSIDL_TYPESUPPORT_INTROSPECTION_C_PUBLIC_quorvex \
  size_t QUORVEX__SRV__INTROSPECTION_C__ACCESSOR(Message, size_function, member)( \
    const void * untyped_member); \
  ROSIDL_TYPESUPPORT_INTROSPECTION_C_PUBLIC_quorvex \
  const void * QUORVEX__SRV__INTROSPECTION_C__ACCESSOR(Message, get_const_function, member)( \
    const void * untyped_member, size_t index); \
  ROSIDL_TYPESUPPORT_INTROSPECTION_C_PUBLIC_quorvex \
  void * QUORVEX__SRV__INTROSPECTION_C__ACCESSOR(Message, get_function, member)( \
    void * untyped_member, size_t index); \
  ROSIDL_TYPESUPPORT_INTROSPECTION_C_PUBLIC_quorvex \
  void QUORVEX__SRV__INTROSPECTION_C__ACCESSOR(Message, fetch_function, member)( \
    const void * untyped_member, size_t index, void * untyped_value); \
  ROSIDL_TYPESUPPORT_INTROSPECTION_C_PUBLIC_quorvex \
  void QUORVEX__SRV__INTROSPECTION_C__ACCESSOR(Message, assign_function, member)( \
    void * untyped_member, size_t index, const void * untyped_value); \
  ROSIDL_TYPESUPPORT_INTROSPECTION_C_PUBLIC_quorvex \
  bool QUORVEX__SRV__INTROSPECTION_C__ACCESSOR(Message, resize_function, member)( \
    void * untyped_member, size_t size);

/// Declares the exported init and fini adapters of `Message`.
/**
 * The init adapter calls quorvex__srv__<Message>__init whatever the mode: the records have no
 * default values, so every mode means the same full initialisation. Its slot cannot report a
 * failure, so a record that __init could not bring to life is left filled with zero bytes, a
 * state the fini adapter accepts. The fini adapter calls quorvex__srv__<Message>__fini.
 */
#define QUORVEX__SRV__INTROSPECTION_C__DECLARE_ADAPTERS(Message) \
  ROSIDL_TYPESUPPORT_INTROSPECTION_C_PUBLIC_quorvex \
  void QUORVEX__SRV__INTROSPECTION_C__ADAPTER(Message, init_function)( \
    void * untyped_message, enum rosidl_runtime_c__message_initialization mode); \
  ROSIDL_TYPESUPPORT_INTROSPECTION_C_PUBLIC_quorvex \
  void QUORVEX__SRV__INTROSPECTION_C__ADAPTER(Message, fini_function)(void * untyped_message);

/// Declares the exported accessors of a member of `Message` of the member table's kind `KIND`:
/// the six above for a float64 sequence, none for a member of another kind.
#define QUORVEX__SRV__INTROSPECTION_C__DECLARE_MEMBER_ACCESSORS(Message, member, KIND) \
  QUORVEX__SRV__INTROSPECTION_C__DECLARE_ACCESSORS_ ## KIND(Message, member)
#define QUORVEX__SRV__INTROSPECTION_C__DECLARE_ACCESSORS_BOOL(Message, member)
#define QUORVEX__SRV__INTROSPECTION_C__DECLARE_ACCESSORS_INT32(Message, member)
#define QUORVEX__SRV__INTROSPECTION_C__DECLARE_ACCESSORS_FLOAT64(Message, member)
#define QUORVEX__SRV__INTROSPECTION_C__DECLARE_ACCESSORS_STRING(Message, member)
#define QUORVEX__SRV__INTROSPECTION_C__DECLARE_ACCESSORS_FLOAT64_SEQUENCE(Message, member) \
  QUORVEX__SRV__INTROSPECTION_C__DECLARE_FLOAT64_SEQUENCE_ACCESSORS(Message, member)

/// Declares the exported functions of `Message`, whose member table `MEMBERS` is the
/// QUORVEX_<MESSAGE>_MEMBERS_WITH form: the accessors of its members, its adapters and the getter
/// of its handle, whose data is the record's MessageMembers.
#define QUORVEX__SRV__INTROSPECTION_C__DECLARE_MESSAGE(Message, MEMBERS) \
  MEMBERS(QUORVEX__SRV__INTROSPECTION_C__DECLARE_MEMBER_ACCESSORS, Message) \
  QUORVEX__SRV__INTROSPECTION_C__DECLARE_ADAPTERS(Message) \
  ROSIDL_TYPESUPPORT_INTROSPECTION_C_PUBLIC_quorvex \
  const rosidl_message_type_support_t * \
  ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME( \
    rosidl_typesupport_introspection_c, quorvex, srv, Message)(void);

/// Declares the getter of the handle of the service `Service`, whose data is a ServiceMembers
/// with both messages' members.
#define QUORVEX__SRV__INTROSPECTION_C__DECLARE_SERVICE(Service) \
  ROSIDL_TYPESUPPORT_INTROSPECTION_C_PUBLIC_quorvex \
  const rosidl_service_type_support_t * \
  ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME( \
    rosidl_typesupport_introspection_c, quorvex, srv, Service)(void);

#endif  // QUORVEX__MSG__ROSIDL_TYPESUPPORT_INTROSPECTION_C__SYMBOL_NAMES_H_
