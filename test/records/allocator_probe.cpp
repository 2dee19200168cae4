// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "allocator_probe.hpp"

#include <algorithm>
#include <cstdlib>

#include "rcutils/allocator.h"

namespace allocator_probe
{
namespace
{

int g_live = 0;
int g_allocating_calls = 0;
int g_null_deallocations = 0;
size_t g_largest_request = 0;
int g_fail_at = -1;
bool g_armed = false;
bool g_injected = false;

// True when this allocating call, of `size` bytes, is the one to fail.
bool fail_now(size_t size)
{
  g_largest_request = std::max(g_largest_request, size);
  const int call = g_allocating_calls++;
  if (g_armed && call == g_fail_at) {
    g_injected = true;
    return true;
  }
  return false;
}

void * probe_allocate(size_t size, void *)
{
  if (fail_now(size)) {
    return nullptr;
  }
  void * block = std::malloc(size);
  g_live += block ? 1 : 0;
  return block;
}

void * probe_zero_allocate(size_t count, size_t size, void *)
{
  if (fail_now(count * size)) {
    return nullptr;
  }
  void * block = std::calloc(count, size);
  g_live += block ? 1 : 0;
  return block;
}

void * probe_reallocate(void * pointer, size_t size, void *)
{
  if (fail_now(size)) {
    return nullptr;
  }
  void * block = std::realloc(pointer, size);
  g_live += (block && !pointer) ? 1 : 0;
  return block;
}

void probe_deallocate(void * pointer, void *)
{
  if (pointer) {
    --g_live;
  } else {
    ++g_null_deallocations;
  }
  std::free(pointer);
}

}  // namespace

int live_blocks() {return g_live;}
int allocating_calls() {return g_allocating_calls;}
int null_deallocations() {return g_null_deallocations;}
size_t largest_request() {return g_largest_request;}
bool injected() {return g_injected;}

void arm(int fail_at)
{
  g_allocating_calls = 0;
  g_null_deallocations = 0;
  g_largest_request = 0;
  g_fail_at = fail_at;
  g_injected = false;
  g_armed = true;
}

bool disarm()
{
  g_armed = false;
  return g_injected;
}

}  // namespace allocator_probe

extern "C" rcutils_allocator_t rcutils_get_default_allocator(void)
{
  rcutils_allocator_t allocator;
  allocator.allocate = allocator_probe::probe_allocate;
  allocator.deallocate = allocator_probe::probe_deallocate;
  allocator.reallocate = allocator_probe::probe_reallocate;
  allocator.zero_allocate = allocator_probe::probe_zero_allocate;
  allocator.state = nullptr;
  return allocator;
}
