// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef FUZZ__FUZZ_ALLOCATOR_HPP_
#define FUZZ__FUZZ_ALLOCATOR_HPP_

#include <cstddef>

// The fuzz executables that link fuzz_allocator.cpp export their own
// rcutils_get_default_allocator(). The dynamic loader binds the record library's calls, and
// those of rosidl_runtime_c, to it, so every block of a C record passes through here: blocks
// are counted, and allocations fail where a step plans it.
namespace fuzz_allocator
{

/// Plans the failures of the next step: its `fail_at`-th allocation (counted from 1) fails,
/// and with `sticky` every one after it too. 0 plans none. Resets the step's counters.
void plan_failures(std::size_t fail_at, bool sticky);

/// Number of allocations refused since the last plan.
std::size_t failures();

/// Number of blocks handed out and not yet given back.
std::size_t live_blocks();

/// Size asked for a live block, or 0 for a pointer that is not a live block.
std::size_t block_size(const void * pointer);

/// Number of calls of deallocate with a null pointer.
std::size_t null_deallocations();

}  // namespace fuzz_allocator

#endif  // FUZZ__FUZZ_ALLOCATOR_HPP_
