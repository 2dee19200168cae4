// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef INTROSPECTION_CPP__NEW_PROBE_HPP_
#define INTROSPECTION_CPP__NEW_PROBE_HPP_

#include <cstddef>
#include <cstdint>

// The test executable replaces the global operator new and delete, so the tests see every block
// that the C++ records take through std::allocator and can make any one allocation throw
// std::bad_alloc, as a full heap would.
namespace new_probe
{

/// Blocks handed out and not given back yet.
int64_t live_blocks();

/// Counts allocations from now on and makes allocation number `fail_at` (0-based) throw
/// std::bad_alloc; a negative `fail_at` fails none.
void arm(int fail_at);
/// Stops failing allocations; returns whether one was failed since arm().
bool disarm();

/// Arms for the lifetime of a scope.
class Armed
{
public:
  explicit Armed(int fail_at) {arm(fail_at);}
  ~Armed() {disarm();}
  Armed(const Armed &) = delete;
  Armed & operator=(const Armed &) = delete;
};

}  // namespace new_probe

#endif  // INTROSPECTION_CPP__NEW_PROBE_HPP_
