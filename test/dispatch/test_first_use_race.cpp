// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// Races the first lookups of every type support of every interface from 16 threads. It needs a
// process of its own, where nothing has been looked up yet, and is meant to run under
// ThreadSanitizer as well.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "dispatch_cases.hpp"

namespace
{

using dispatch_cases::Interface;
using dispatch_cases::TypeSupport;

/// Every (type support, interface) pair.
std::vector<std::pair<const TypeSupport *, const Interface *>> all_pairs()
{
  std::vector<std::pair<const TypeSupport *, const Interface *>> pairs;
  for (const TypeSupport & type_support : dispatch_cases::type_supports()) {
    for (const Interface & interface : dispatch_cases::interfaces()) {
      pairs.emplace_back(&type_support, &interface);
    }
  }
  return pairs;
}

/// The slot of the map entry of `type_support` in the dispatch handle of `interface`.
void * const & slot(const TypeSupport & type_support, const Interface & interface)
{
  const auto * map = static_cast<const type_support_map_t *>(
    dispatch_cases::handle_fields(
      interface, dispatch_cases::dispatch_handle(interface, type_support)).data);
  size_t entry = 0;
  while (std::string(map->typesupport_identifier[entry]) != type_support.identifier) {
    ++entry;
  }
  return map->data[entry];
}

TEST(FirstUseRace, SixteenThreadsLoadEachLibraryOnceAndSeeOneHandle)
{
  const auto pairs = all_pairs();
  for (const auto & pair : pairs) {
    EXPECT_EQ(nullptr, slot(*pair.first, *pair.second)) << "a slot is set before any lookup";
  }

  constexpr size_t kThreads = 16;
  std::atomic<size_t> ready{0};
  std::vector<std::vector<const void *>> seen(kThreads, std::vector<const void *>(pairs.size()));
  std::vector<std::thread> threads;
  for (size_t t = 0; t < kThreads; ++t) {
    threads.emplace_back(
      [&, t] {
        // Start together, each thread going through the pairs from a different one.
        ready.fetch_add(1);
        while (ready.load() < kThreads) {
          std::this_thread::yield();
        }
        for (size_t i = 0; i < pairs.size(); ++i) {
          const size_t p = (t * 3 + i) % pairs.size();
          const Interface & interface = *pairs[p].second;
          seen[t][p] = dispatch_cases::reach(
            interface, dispatch_cases::dispatch_handle(interface, *pairs[p].first),
            pairs[p].first->identifier);
        }
      });
  }
  for (std::thread & thread : threads) {
    thread.join();
  }

  for (size_t p = 0; p < pairs.size(); ++p) {
    const TypeSupport & type_support = *pairs[p].first;
    const Interface & interface = *pairs[p].second;
    SCOPED_TRACE(std::string(type_support.identifier) + " of " + interface.name);
    EXPECT_EQ(dispatch_cases::loaded_getter_result(type_support.identifier, interface), seen[0][p]);
    ASSERT_NE(nullptr, seen[0][p]);
    for (size_t t = 1; t < kThreads; ++t) {
      EXPECT_EQ(seen[0][p], seen[t][p]);
    }
    // The slot holds the loader's handle of the one copy of the library.
    void * library = dlopen(
      dispatch_cases::library_name(type_support.identifier).c_str(), RTLD_NOW | RTLD_NOLOAD);
    EXPECT_EQ(library, slot(type_support, interface));
    dlclose(library);
  }
}

}  // namespace
