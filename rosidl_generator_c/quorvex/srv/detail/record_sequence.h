// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__RECORD_SEQUENCE_H_
#define QUORVEX__SRV__DETAIL__RECORD_SEQUENCE_H_

// Block mechanics shared by the sequence functions of all messages: allocation, growth,
// element-wise init/fini/compare/copy and unwinding. Internal to the record library (hidden
// symbols, not installed); the sequence functions keep the sequence record's own fields.

#include <stdbool.h>
#include <stddef.h>

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

#endif  // QUORVEX__SRV__DETAIL__RECORD_SEQUENCE_H_
