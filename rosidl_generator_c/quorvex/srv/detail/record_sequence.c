// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "quorvex/srv/detail/record_sequence.h"

#include <stdint.h>
#include <string.h>

static void *
record_at(const quorvex__srv__RecordFunctions * functions, void * block, size_t index)
{
  return (char *)block + index * functions->size;
}

static const void *
const_record_at(const quorvex__srv__RecordFunctions * functions, const void * block, size_t index)
{
  return (const char *)block + index * functions->size;
}

// Finalises records first..end-1 in reverse order, undoing an init loop that stopped at end.
static void
fini_range_reverse(
  const quorvex__srv__RecordFunctions * functions, void * block, size_t first, size_t end)
{
  for (size_t i = end; i > first; --i) {
    functions->fini(record_at(functions, block, i - 1));
  }
}

// Initialises records first..end-1 in index order; on failure finalises those done here.
static bool
init_range(
  const quorvex__srv__RecordFunctions * functions, void * block, size_t first, size_t end)
{
  for (size_t i = first; i < end; ++i) {
    if (!functions->init(record_at(functions, block, i))) {
      fini_range_reverse(functions, block, first, i);
      return false;
    }
  }
  return true;
}

bool
quorvex__srv__record_block__init(
  const quorvex__srv__RecordFunctions * functions, const rcutils_allocator_t * allocator,
  size_t count, void ** block)
{
  if (0 == count) {
    *block = NULL;
    return true;
  }
  void * records = allocator->zero_allocate(count, functions->size, allocator->state);
  if (!records) {
    return false;
  }
  if (!init_range(functions, records, 0, count)) {
    allocator->deallocate(records, allocator->state);
    return false;
  }
  *block = records;
  return true;
}

void
quorvex__srv__record_block__fini(
  const quorvex__srv__RecordFunctions * functions, const rcutils_allocator_t * allocator,
  void * block, size_t capacity)
{
  for (size_t i = 0; i < capacity; ++i) {
    functions->fini(record_at(functions, block, i));
  }
  allocator->deallocate(block, allocator->state);
}

bool
quorvex__srv__record_block__grow(
  const quorvex__srv__RecordFunctions * functions, const rcutils_allocator_t * allocator,
  void ** block, size_t capacity, size_t new_capacity)
{
  if (new_capacity > SIZE_MAX / functions->size) {
    return false;
  }
  void * records =
    allocator->reallocate(*block, new_capacity * functions->size, allocator->state);
  if (!records) {
    return false;
  }
  // The old pointer may be gone now: from here on the caller's block is the grown one.
  *block = records;
  // reallocate leaves the new part unset. Zeroed, the new records' plain members hold defined
  // values (a valid bool) even when a later element copy fails and leaves them in use.
  memset(record_at(functions, records, capacity), 0, (new_capacity - capacity) * functions->size);
  if (!init_range(functions, records, capacity, new_capacity)) {
    if (0 == capacity) {
      // A block held by a sequence with capacity 0 would break its invariant and leak.
      allocator->deallocate(records, allocator->state);
      *block = NULL;
    }
    return false;
  }
  return true;
}

bool
quorvex__srv__record_block__are_equal(
  const quorvex__srv__RecordFunctions * functions, const void * lhs, const void * rhs,
  size_t count)
{
  for (size_t i = 0; i < count; ++i) {
    if (!functions->are_equal(
        const_record_at(functions, lhs, i), const_record_at(functions, rhs, i)))
    {
      return false;
    }
  }
  return true;
}

bool
quorvex__srv__record_block__copy(
  const quorvex__srv__RecordFunctions * functions, const void * input, void * output,
  size_t count)
{
  for (size_t i = 0; i < count; ++i) {
    if (!functions->copy(const_record_at(functions, input, i), record_at(functions, output, i))) {
      return false;
    }
  }
  return true;
}
