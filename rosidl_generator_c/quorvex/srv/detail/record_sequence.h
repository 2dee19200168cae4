// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__RECORD_SEQUENCE_H_
#define QUORVEX__SRV__DETAIL__RECORD_SEQUENCE_H_

// Block mechanics shared by the sequence functions of all messages: allocation, growth,
// element-wise init/fini/compare/copy and unwinding. Internal to the record library (hidden
// symbols, not installed); the sequence functions keep the sequence record's own fields.

#include <stdbool.h>
#include <stddef.h>

#include "quorvex/srv/detail/record_functions.h"
#include "rcutils/allocator.h"

#ifdef __cplusplus
extern "C"
{
#endif

/// The element functions of one message, taking untyped records.
typedef struct quorvex__srv__RecordFunctions
{
  /// Size in bytes of one C record.
  size_t size;
  bool (* init)(void * record);
  void (* fini)(void * record);
  bool (* are_equal)(const void * lhs, const void * rhs);
  bool (* copy)(const void * input, void * output);
} quorvex__srv__RecordFunctions;

/// Take a zero-filled block of \p count records and initialise them in index order.
/**
 * With \p count 0 nothing is allocated and \p *block is set to null. When an element's init
 * fails, the elements before it are finalised in reverse order and the block is given back.
 * \p *block is written only on success.
 */
bool
quorvex__srv__record_block__init(
  const quorvex__srv__RecordFunctions * functions, const rcutils_allocator_t * allocator,
  size_t count, void ** block);

/// Finalise all \p capacity records of a block and give the block back.
void
quorvex__srv__record_block__fini(
  const quorvex__srv__RecordFunctions * functions, const rcutils_allocator_t * allocator,
  void * block, size_t capacity);

/// Grow a block of \p capacity records to exactly \p new_capacity initialised records.
/**
 * On false \p *block holds the records the caller had, possibly moved: when the byte size
 * overflows or reallocate fails it is unchanged; when an element's init fails the elements
 * initialised here are finalised in reverse order, and a block grown from nothing is given
 * back (\p *block null again) so that an empty sequence stays empty.
 */
bool
quorvex__srv__record_block__grow(
  const quorvex__srv__RecordFunctions * functions, const rcutils_allocator_t * allocator,
  void ** block, size_t capacity, size_t new_capacity);

/// Compare the first \p count records of two blocks; false at the first difference.
bool
quorvex__srv__record_block__are_equal(
  const quorvex__srv__RecordFunctions * functions, const void * lhs, const void * rhs,
  size_t count);

/// Copy the first \p count records of \p input onto \p output in index order.
/**
 * Stops with false at the first failing copy; the records after it keep their contents.
 */
bool
quorvex__srv__record_block__copy(
  const quorvex__srv__RecordFunctions * functions, const void * input, void * output,
  size_t count);

#ifdef __cplusplus
}
#endif

/// Defines the six sequence functions of quorvex__srv__<Message> on the block mechanics above,
/// with the file-local untyped element functions that they hand to the mechanics.
/**
 * The finaliser checks the sequence's invariants with assert, whose report names the source
 * file where this is expanded and the finaliser; the including source undefines NDEBUG before
 * <assert.h> so that the checks stay in optimised builds.
 */
#define QUORVEX__SRV__DEFINE_SEQUENCE_FUNCTIONS(Message) \
  static bool \
  quorvex__srv__ ## Message ## __init_untyped(void * record) \
  { \
    return quorvex__srv__ ## Message ## __init(record); \
  } \
 \
  static void \
    quorvex__srv__ ## Message ## __fini_untyped(void * record) \
  { \
    quorvex__srv__ ## Message ## __fini(record); \
  } \
 \
  static bool \
    quorvex__srv__ ## Message ## __are_equal_untyped(const void * lhs, const void * rhs) \
  { \
    return quorvex__srv__ ## Message ## __are_equal(lhs, rhs); \
  } \
 \
  static bool \
    quorvex__srv__ ## Message ## __copy_untyped(const void * input, void * output) \
  { \
    return quorvex__srv__ ## Message ## __copy(input, output); \
  } \
 \
  static const quorvex__srv__RecordFunctions quorvex__srv__ ## Message ## __element_functions = { \
    sizeof(quorvex__srv__ ## Message), \
    quorvex__srv__ ## Message ## __init_untyped, \
    quorvex__srv__ ## Message ## __fini_untyped, \
    quorvex__srv__ ## Message ## __are_equal_untyped, \
    quorvex__srv__ ## Message ## __copy_untyped, \
  }; \
 \
  bool \
    quorvex__srv__ ## Message ## __Sequence__init( \
    quorvex__srv__ ## Message ## __Sequence * array, size_t size) \
  { \
    if (!array) { \
      return false; \
    } \
    rcutils_allocator_t allocator = rcutils_get_default_allocator(); \
    void * data = NULL; \
    if (!quorvex__srv__record_block__init( \
        &quorvex__srv__ ## Message ## __element_functions, &allocator, size, &data)) \
    { \
      return false; \
    } \
    array->data = data; \
    array->size = size; \
    array->capacity = size; \
    return true; \
  } \
 \
  void \
    quorvex__srv__ ## Message ## __Sequence__fini(quorvex__srv__ ## Message ## __Sequence * array) \
  { \
    if (!array) { \
      return; \
    } \
    rcutils_allocator_t allocator = rcutils_get_default_allocator(); \
    if (array->data) { \
      assert(array->capacity > 0); \
      quorvex__srv__record_block__fini( \
        &quorvex__srv__ ## Message ## __element_functions, &allocator, array->data, \
        array->capacity); \
      array->data = NULL; \
      array->size = 0; \
      array->capacity = 0; \
    } else { \
      assert(0 == array->size); \
      assert(0 == array->capacity); \
    } \
  } \
 \
  quorvex__srv__ ## Message ## __Sequence * \
  quorvex__srv__ ## Message ## __Sequence__create(size_t size) \
  { \
    rcutils_allocator_t allocator = rcutils_get_default_allocator(); \
    quorvex__srv__ ## Message ## __Sequence * array = \
      allocator.allocate(sizeof(quorvex__srv__ ## Message ## __Sequence), allocator.state); \
    if (!array) { \
      return NULL; \
    } \
    if (!quorvex__srv__ ## Message ## __Sequence__init(array, size)) { \
      allocator.deallocate(array, allocator.state); \
      return NULL; \
    } \
    return array; \
  } \
 \
  QUORVEX__SRV__DEFINE_DESTROY(quorvex__srv__ ## Message ## __Sequence) \
 \
  bool \
  quorvex__srv__ ## Message ## __Sequence__are_equal( \
    const quorvex__srv__ ## Message ## __Sequence * lhs, \
    const quorvex__srv__ ## Message ## __Sequence * rhs) \
  { \
    if (!lhs || !rhs) { \
      return false; \
    } \
    if (lhs->size != rhs->size) { \
      return false; \
    } \
    return quorvex__srv__record_block__are_equal( \
      &quorvex__srv__ ## Message ## __element_functions, lhs->data, rhs->data, lhs->size); \
  } \
 \
  bool \
    quorvex__srv__ ## Message ## __Sequence__copy( \
    const quorvex__srv__ ## Message ## __Sequence * input, \
    quorvex__srv__ ## Message ## __Sequence * output) \
  { \
    if (!input || !output) { \
      return false; \
    } \
    if (input == output) { \
      return true; \
    } \
    if (output->capacity < input->size) { \
      rcutils_allocator_t allocator = rcutils_get_default_allocator(); \
      void * data = output->data; \
      const bool grown = quorvex__srv__record_block__grow( \
        &quorvex__srv__ ## Message ## __element_functions, &allocator, &data, \
        output->capacity, input->size); \
      /* The block may have moved even when growing failed. */ \
      output->data = data; \
      if (!grown) { \
        return false; \
      } \
      output->capacity = input->size; \
    } \
    output->size = input->size; \
    return quorvex__srv__record_block__copy( \
      &quorvex__srv__ ## Message ## __element_functions, input->data, output->data, \
      input->size); \
  }

#endif  // QUORVEX__SRV__DETAIL__RECORD_SEQUENCE_H_
