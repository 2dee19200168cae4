// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__RECORD_FUNCTIONS_H_
#define QUORVEX__SRV__DETAIL__RECORD_FUNCTIONS_H_

// The lifecycle functions of a message (__init, __fini, __create, __destroy, __are_equal,
// __copy), written once and expanded over the message's member table (<service>__members.h).
// Internal to the record library; not installed.
//
// Each kind of member has one step per function, below; the table calls X(member, KIND) in
// member order, so every function visits the members in that order. Only string and sequence
// members own memory: __init brings them to life, __fini releases them, and the bool, int32 and
// float64 members are neither written by __init nor by __fini.

#include <stdbool.h>
#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include "rcutils/allocator.h"
#include "rosidl_runtime_c/primitives_sequence_functions.h"
#include "rosidl_runtime_c/string_functions.h"

// __init: brings one member to life and counts it in `alive`; on failure goes to `undo`, which
// releases the `alive` members brought to life before it. The steps use `msg` and `alive`.

#define QUORVEX__SRV__RECORD_INIT_BOOL(member)
#define QUORVEX__SRV__RECORD_INIT_INT32(member)
#define QUORVEX__SRV__RECORD_INIT_FLOAT64(member)
#define QUORVEX__SRV__RECORD_INIT_STRING(member) \
  QUORVEX__SRV__RECORD_INIT_OWNER(rosidl_runtime_c__String__init(&msg->member))
#define QUORVEX__SRV__RECORD_INIT_FLOAT64_SEQUENCE(member) \
  QUORVEX__SRV__RECORD_INIT_OWNER(rosidl_runtime_c__double__Sequence__init(&msg->member, 0))
#define QUORVEX__SRV__RECORD_INIT_OWNER(brought_to_life) \
  if (!(brought_to_life)) { \
    goto undo; \
  } \
  ++alive;

// Release: finalises one owning member if fewer than `count` were released before it. The steps
// use `msg`, `count` and `released`.

#define QUORVEX__SRV__RECORD_RELEASE_BOOL(member)
#define QUORVEX__SRV__RECORD_RELEASE_INT32(member)
#define QUORVEX__SRV__RECORD_RELEASE_FLOAT64(member)
#define QUORVEX__SRV__RECORD_RELEASE_STRING(member) \
  QUORVEX__SRV__RECORD_RELEASE_OWNER(rosidl_runtime_c__String__fini(&msg->member))
#define QUORVEX__SRV__RECORD_RELEASE_FLOAT64_SEQUENCE(member) \
  QUORVEX__SRV__RECORD_RELEASE_OWNER(rosidl_runtime_c__double__Sequence__fini(&msg->member))
#define QUORVEX__SRV__RECORD_RELEASE_OWNER(finalise) \
  if (released < count) { \
    finalise; \
    ++released; \
  }

// __are_equal: returns false from __are_equal at the first member that differs. float64 members
// compare as IEEE-754 values. The steps use `lhs` and `rhs`.

#define QUORVEX__SRV__RECORD_ARE_EQUAL_BOOL(member) QUORVEX__SRV__RECORD_ARE_EQUAL_VALUE(member)
#define QUORVEX__SRV__RECORD_ARE_EQUAL_INT32(member) QUORVEX__SRV__RECORD_ARE_EQUAL_VALUE(member)
#define QUORVEX__SRV__RECORD_ARE_EQUAL_FLOAT64(member) QUORVEX__SRV__RECORD_ARE_EQUAL_VALUE(member)
#define QUORVEX__SRV__RECORD_ARE_EQUAL_STRING(member) \
  QUORVEX__SRV__RECORD_ARE_EQUAL_OWNER(rosidl_runtime_c__String__are_equal, member)
#define QUORVEX__SRV__RECORD_ARE_EQUAL_FLOAT64_SEQUENCE(member) \
  QUORVEX__SRV__RECORD_ARE_EQUAL_OWNER(rosidl_runtime_c__double__Sequence__are_equal, member)
#define QUORVEX__SRV__RECORD_ARE_EQUAL_VALUE(member) \
  if (lhs->member != rhs->member) { \
    return false; \
  }
#define QUORVEX__SRV__RECORD_ARE_EQUAL_OWNER(are_equal_member, member) \
  if (!are_equal_member(&lhs->member, &rhs->member)) { \
    return false; \
  }

// __copy: assigns a bool, int32 or float64 member; copies a string or sequence member and
// returns false from __copy at once if that fails. The steps use `input` and `output`.

#define QUORVEX__SRV__RECORD_COPY_BOOL(member) output->member = input->member;
#define QUORVEX__SRV__RECORD_COPY_INT32(member) output->member = input->member;
#define QUORVEX__SRV__RECORD_COPY_FLOAT64(member) output->member = input->member;
#define QUORVEX__SRV__RECORD_COPY_STRING(member) \
  QUORVEX__SRV__RECORD_COPY_OWNER(rosidl_runtime_c__String__copy, member)
#define QUORVEX__SRV__RECORD_COPY_FLOAT64_SEQUENCE(member) \
  QUORVEX__SRV__RECORD_COPY_OWNER(rosidl_runtime_c__double__Sequence__copy, member)
#define QUORVEX__SRV__RECORD_COPY_OWNER(copy_member, member) \
  if (!copy_member(&input->member, &output->member)) { \
    return false; \
  }

/// Defines `Type`__destroy(pointer): finalises a record from `Type`__create with `Type`__fini and
/// gives its storage back to the default allocator; a null pointer is not finalised but is given
/// back too.
#define QUORVEX__SRV__DEFINE_DESTROY(Type) \
  void \
  Type ## __destroy(Type * pointer) \
  { \
    rcutils_allocator_t allocator = rcutils_get_default_allocator(); \
    if (pointer) { \
      Type ## __fini(pointer); \
    } \
    allocator.deallocate(pointer, allocator.state); \
  }

// The C record's type of a member of each kind, which QUORVEX__SRV__RECORD_CHECK compares with
// the record's own declaration.
#define QUORVEX__SRV__RECORD_TYPE_BOOL bool
#define QUORVEX__SRV__RECORD_TYPE_INT32 int32_t
#define QUORVEX__SRV__RECORD_TYPE_FLOAT64 double
#define QUORVEX__SRV__RECORD_TYPE_STRING rosidl_runtime_c__String
#define QUORVEX__SRV__RECORD_TYPE_FLOAT64_SEQUENCE rosidl_runtime_c__double__Sequence

// The member table X(Message, member, KIND) picks the step of the member's kind.
#define QUORVEX__SRV__RECORD_CHECK(Message, member, KIND) \
  _Static_assert( \
    _Generic( \
      ((quorvex__srv__ ## Message *)NULL)->member, \
      QUORVEX__SRV__RECORD_TYPE_ ## KIND: 1, default: 0), \
    "the member table and the C record disagree on the type of " #Message "." #member);
#define QUORVEX__SRV__RECORD_INIT(Message, member, KIND) QUORVEX__SRV__RECORD_INIT_ ## KIND(member)
#define QUORVEX__SRV__RECORD_RELEASE(Message, member, KIND) \
  QUORVEX__SRV__RECORD_RELEASE_ ## KIND(member)
#define QUORVEX__SRV__RECORD_ARE_EQUAL(Message, member, KIND) \
  QUORVEX__SRV__RECORD_ARE_EQUAL_ ## KIND(member)
#define QUORVEX__SRV__RECORD_COPY(Message, member, KIND) QUORVEX__SRV__RECORD_COPY_ ## KIND(member)

/// Defines the six lifecycle functions of quorvex__srv__<Message> from its member table
/// `MEMBERS` (the QUORVEX_<MESSAGE>_MEMBERS_WITH form), and the file-local release function that
/// __init and __fini share. A member whose type in the C record is not that of its kind in the
/// table fails to compile.
/**
 * release finalises the first `count` string and sequence members in member order: a failing
 * __init releases those it brought to life before the failing one, and __fini releases all.
 * __copy of a record onto itself changes nothing and succeeds.
 */
#define QUORVEX__SRV__DEFINE_RECORD_FUNCTIONS(Message, MEMBERS) \
  MEMBERS(QUORVEX__SRV__RECORD_CHECK, Message) \
 \
  static void \
  quorvex__srv__ ## Message ## __release(quorvex__srv__ ## Message * msg, size_t count) \
  { \
    size_t released = 0; \
    MEMBERS(QUORVEX__SRV__RECORD_RELEASE, Message) \
    (void)msg; \
    (void)count; \
    (void)released; \
  } \
 \
  bool \
    quorvex__srv__ ## Message ## __init(quorvex__srv__ ## Message * msg) \
  { \
    if (!msg) { \
      return false; \
    } \
    size_t alive = 0; \
    MEMBERS(QUORVEX__SRV__RECORD_INIT, Message) \
    return true; \
 \
undo: \
    quorvex__srv__ ## Message ## __release(msg, alive); \
    return false; \
  } \
 \
  void \
    quorvex__srv__ ## Message ## __fini(quorvex__srv__ ## Message * msg) \
  { \
    if (!msg) { \
      return; \
    } \
    quorvex__srv__ ## Message ## __release(msg, SIZE_MAX); \
  } \
 \
  quorvex__srv__ ## Message * \
  quorvex__srv__ ## Message ## __create(void) \
  { \
    rcutils_allocator_t allocator = rcutils_get_default_allocator(); \
    quorvex__srv__ ## Message * msg = \
      allocator.allocate(sizeof(quorvex__srv__ ## Message), allocator.state); \
    if (!msg) { \
      return NULL; \
    } \
    memset(msg, 0, sizeof(quorvex__srv__ ## Message)); \
    if (!quorvex__srv__ ## Message ## __init(msg)) { \
      allocator.deallocate(msg, allocator.state); \
      return NULL; \
    } \
    return msg; \
  } \
 \
  QUORVEX__SRV__DEFINE_DESTROY(quorvex__srv__ ## Message) \
 \
  bool \
  quorvex__srv__ ## Message ## __are_equal( \
    const quorvex__srv__ ## Message * lhs, const quorvex__srv__ ## Message * rhs) \
  { \
    if (!lhs || !rhs) { \
      return false; \
    } \
    MEMBERS(QUORVEX__SRV__RECORD_ARE_EQUAL, Message) \
    return true; \
  } \
 \
  bool \
    quorvex__srv__ ## Message ## __copy( \
    const quorvex__srv__ ## Message * input, quorvex__srv__ ## Message * output) \
  { \
    if (!input || !output) { \
      return false; \
    } \
    if (input == output) { \
      return true; \
    } \
    MEMBERS(QUORVEX__SRV__RECORD_COPY, Message) \
    return true; \
  }

#endif  // QUORVEX__SRV__DETAIL__RECORD_FUNCTIONS_H_
