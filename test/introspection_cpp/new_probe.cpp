// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "new_probe.hpp"

#include <cstdlib>
#include <new>

namespace new_probe
{
namespace
{

int64_t g_live = 0;
int g_allocations = 0;
int g_fail_at = -1;
bool g_armed = false;
bool g_injected = false;

void * allocate(std::size_t size)
{
  if (g_armed && g_allocations++ == g_fail_at) {
    g_injected = true;
    throw std::bad_alloc();
  }
  void * block = std::malloc(size == 0 ? 1 : size);
  if (block == nullptr) {
    throw std::bad_alloc();
  }
  ++g_live;
  return block;
}

void deallocate(void * block)
{
  if (block != nullptr) {
    --g_live;
    std::free(block);
  }
}

}  // namespace

int64_t live_blocks() {return g_live;}

void arm(int fail_at)
{
  g_allocations = 0;
  g_fail_at = fail_at;
  g_injected = false;
  g_armed = true;
}

bool disarm()
{
  g_armed = false;
  return g_injected;
}

}  // namespace new_probe

void * operator new(std::size_t size) {return new_probe::allocate(size);}
void * operator new[](std::size_t size) {return new_probe::allocate(size);}
void operator delete(void * block) noexcept {new_probe::deallocate(block);}
void operator delete[](void * block) noexcept {new_probe::deallocate(block);}
void operator delete(void * block, std::size_t) noexcept {new_probe::deallocate(block);}
void operator delete[](void * block, std::size_t) noexcept {new_probe::deallocate(block);}
