// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "fuzz_allocator.hpp"

#include <cstdlib>
#include <unordered_map>

#include "rcutils/allocator.h"

#include "fuzz_check.hpp"

namespace
{

// The allocator's state: every call must hand back the state of the record it was given.
int g_state_tag;

std::unordered_map<void *, std::size_t> & live()
{
  static std::unordered_map<void *, std::size_t> blocks;
  return blocks;
}

std::size_t g_fail_at = 0;
bool g_sticky = false;
std::size_t g_calls = 0;
std::size_t g_failures = 0;
std::size_t g_null_deallocations = 0;

bool refuse()
{
  ++g_calls;
  const bool fail = g_fail_at != 0 && (g_calls == g_fail_at || (g_sticky && g_calls > g_fail_at));
  if (fail) {
    ++g_failures;
  }
  return fail;
}

void * track(void * block, std::size_t size)
{
  if (block) {
    live()[block] = size;
  }
  return block;
}

void * fuzz_allocate(std::size_t size, void * state)
{
  FUZZ_REQUIRE(state == &g_state_tag);
  if (refuse()) {
    return nullptr;
  }
  return track(std::malloc(size == 0 ? 1 : size), size);
}

void * fuzz_zero_allocate(std::size_t count, std::size_t element_size, void * state)
{
  FUZZ_REQUIRE(state == &g_state_tag);
  if (refuse()) {
    return nullptr;
  }
  return track(
    std::calloc(count == 0 ? 1 : count, element_size == 0 ? 1 : element_size),
    count * element_size);
}

void * fuzz_reallocate(void * pointer, std::size_t size, void * state)
{
  FUZZ_REQUIRE(state == &g_state_tag);
  FUZZ_REQUIRE(pointer == nullptr || live().count(pointer) == 1);
  if (refuse()) {
    return nullptr;
  }
  void * block = std::realloc(pointer, size == 0 ? 1 : size);
  if (block && pointer) {
    live().erase(pointer);
  }
  return track(block, size);
}

void fuzz_deallocate(void * pointer, void * state)
{
  FUZZ_REQUIRE(state == &g_state_tag);
  if (!pointer) {
    ++g_null_deallocations;
    return;
  }
  // A block from elsewhere, or one given back twice, would corrupt a real allocator.
  FUZZ_REQUIRE(live().erase(pointer) == 1);
  std::free(pointer);
}

}  // namespace

extern "C" rcutils_allocator_t rcutils_get_default_allocator(void)
{
  rcutils_allocator_t allocator;
  allocator.allocate = fuzz_allocate;
  allocator.deallocate = fuzz_deallocate;
  allocator.reallocate = fuzz_reallocate;
  allocator.zero_allocate = fuzz_zero_allocate;
  allocator.state = &g_state_tag;
  return allocator;
}

namespace fuzz_allocator
{

void plan_failures(std::size_t fail_at, bool sticky)
{
  g_fail_at = fail_at;
  g_sticky = sticky;
  g_calls = 0;
  g_failures = 0;
}

std::size_t failures()
{
  return g_failures;
}

std::size_t live_blocks()
{
  return live().size();
}

std::size_t block_size(const void * pointer)
{
  auto found = live().find(const_cast<void *>(pointer));
  return found == live().end() ? 0 : found->second;
}

std::size_t null_deallocations()
{
  return g_null_deallocations;
}

}  // namespace fuzz_allocator
