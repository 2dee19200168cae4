// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef RECORDS__ALLOCATOR_PROBE_HPP_
#define RECORDS__ALLOCATOR_PROBE_HPP_

#include <gtest/gtest.h>

// The test executable defines rcutils_get_default_allocator itself and exports it, so the record
// library and rosidl_runtime_c reach these counting allocator functions instead of rcutils' own.
namespace allocator_probe
{

/// Blocks handed out and not given back yet.
int live_blocks();
/// Calls of allocate, zero_allocate and reallocate since the last arm().
int allocating_calls();
/// Calls of deallocate with a null pointer since the last arm().
int null_deallocations();
/// The largest block that allocate, zero_allocate or reallocate was asked for since the last
/// arm(), in bytes.
size_t largest_request();

/// Counts calls from now on and makes allocating call number `fail_at` (0-based) return null;
/// a negative `fail_at` fails none.
void arm(int fail_at);
/// Stops failing calls; returns whether a call was failed since arm().
bool disarm();
/// Whether a call was failed since the last arm().
bool injected();

/// Arms for the lifetime of a scope.
class Armed
{
public:
  explicit Armed(int fail_at) {arm(fail_at);}
  ~Armed() {disarm();}
  Armed(const Armed &) = delete;
  Armed & operator=(const Armed &) = delete;
};

/// Runs `body(k)` for k = 0, 1, ... where `body` arms with k around the call under test and
/// checks the outcome, until a run fails no call. Reports a failure for every run that leaks a
/// block, and returns the number of allocation points that were failed.
template<typename Body>
int for_each_allocation_point(Body body)
{
  for (int k = 0;; ++k) {
    const int live = live_blocks();
    body(k);
    EXPECT_EQ(live, live_blocks()) << "blocks leaked with allocation " << k << " failing";
    if (!injected()) {
      return k;
    }
  }
}

}  // namespace allocator_probe

#endif  // RECORDS__ALLOCATOR_PROBE_HPP_
