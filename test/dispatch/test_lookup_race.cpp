// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// Races the first lookups of the probe library through the four dispatch functions from 16
// threads, then checks that each slot was loaded by exactly one dlopen. It needs a process of its
// own, where the probe library is not loaded yet, and is meant to run under ThreadSanitizer too.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "probe_dispatch.hpp"

namespace
{

using probe_dispatch::kProbeLibrary;
using probe_dispatch::ProbeHandle;

TEST(LookupRace, SixteenThreadsOpenTheLibraryOncePerSlot)
{
  ASSERT_EQ(nullptr, dlopen(kProbeLibrary, RTLD_NOW | RTLD_NOLOAD));

  ProbeHandle<probe_dispatch::CMessage> c_message;
  ProbeHandle<probe_dispatch::CService> c_service;
  ProbeHandle<probe_dispatch::CppMessage> cpp_message;
  ProbeHandle<probe_dispatch::CppService> cpp_service;

  constexpr size_t kThreads = 16;
  std::atomic<size_t> ready{0};
  std::vector<std::vector<const void *>> seen(kThreads, std::vector<const void *>(4));
  std::vector<std::thread> threads;
  for (size_t t = 0; t < kThreads; ++t) {
    threads.emplace_back(
      [&, t] {
        ready.fetch_add(1);
        while (ready.load() < kThreads) {
          std::this_thread::yield();
        }
        // Half the threads go one way round, half the other.
        if (t % 2 == 0) {
          seen[t] = {c_message.lookup(), c_service.lookup(), cpp_message.lookup(),
            cpp_service.lookup()};
        } else {
          const void * cpp_service_seen = cpp_service.lookup();
          const void * cpp_message_seen = cpp_message.lookup();
          const void * c_service_seen = c_service.lookup();
          seen[t] = {c_message.lookup(), c_service_seen, cpp_message_seen, cpp_service_seen};
        }
      });
  }
  for (std::thread & thread : threads) {
    thread.join();
  }

  for (size_t t = 0; t < kThreads; ++t) {
    for (size_t i = 0; i < 4; ++i) {
      ASSERT_NE(nullptr, seen[t][i]);
      EXPECT_EQ(seen[0][i], seen[t][i]);
    }
  }
  // Each slot holds one reference to the library: dropping one per slot unloads it, which a
  // second dlopen of any slot would have prevented.
  for (void * slot : {c_message.slots[1], c_service.slots[1], cpp_message.slots[1],
      cpp_service.slots[1]})
  {
    ASSERT_NE(nullptr, slot);
    EXPECT_EQ(0, dlclose(slot));
  }
  void * still_loaded = dlopen(kProbeLibrary, RTLD_NOW | RTLD_NOLOAD);
  EXPECT_EQ(nullptr, still_loaded) << "a slot's library was opened more than once";
  if (still_loaded != nullptr) {
    dlclose(still_loaded);
  }
}

}  // namespace
