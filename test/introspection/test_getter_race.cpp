// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// Races the first calls of all six getters from many threads. It needs a process of its own,
// where no getter has been called yet, and is meant to run under ThreadSanitizer as well.

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <thread>
#include <vector>

#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_introspection_c.h"
#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_introspection_c.h"
#include "rosidl_typesupport_introspection_c/identifier.h"
#include "rosidl_typesupport_introspection_c/service_introspection.h"

namespace
{

// What one caller saw of a handle: its address and the fields that the first calls bind, read
// right after its getter returned.
struct Seen
{
  const void * handle;
  const char * identifier;
  const void * request_members;
  const void * response_members;
};

Seen see(const rosidl_message_type_support_t * handle)
{
  return Seen{handle, handle->typesupport_identifier, nullptr, nullptr};
}

Seen see(const rosidl_service_type_support_t * handle)
{
  const auto * members =
    static_cast<const rosidl_typesupport_introspection_c__ServiceMembers *>(handle->data);
  return Seen{handle, handle->typesupport_identifier, members->request_members_,
    members->response_members_};
}

constexpr size_t kGetters = 6;
const std::array<Seen (*)(), kGetters> kGetterCalls{
  [] {
    return see(
      ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME(
        rosidl_typesupport_introspection_c, quorvex, srv, PlanMotion)());
  },
  [] {
    return see(
      ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
        rosidl_typesupport_introspection_c, quorvex, srv, PlanMotion_Request)());
  },
  [] {
    return see(
      ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
        rosidl_typesupport_introspection_c, quorvex, srv, PlanMotion_Response)());
  },
  [] {
    return see(
      ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME(
        rosidl_typesupport_introspection_c, quorvex, srv, SolveIK)());
  },
  [] {
    return see(
      ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
        rosidl_typesupport_introspection_c, quorvex, srv, SolveIK_Request)());
  },
  [] {
    return see(
      ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
        rosidl_typesupport_introspection_c, quorvex, srv, SolveIK_Response)());
  },
};

TEST(GetterRace, RacingFirstCallsAllSeeOneBoundState)
{
  constexpr size_t kThreads = 16;
  std::atomic<size_t> ready{0};
  std::vector<std::array<Seen, kGetters>> seen(kThreads);
  std::vector<std::thread> threads;
  for (size_t t = 0; t < kThreads; ++t) {
    threads.emplace_back(
      [&, t] {
        // Start together, each thread going through the getters from a different one.
        ready.fetch_add(1);
        while (ready.load() < kThreads) {
          std::this_thread::yield();
        }
        for (size_t i = 0; i < kGetters; ++i) {
          const size_t g = (t + i) % kGetters;
          seen[t][g] = kGetterCalls[g]();
        }
      });
  }
  for (std::thread & thread : threads) {
    thread.join();
  }

  const std::array<Seen, kGetters> & first = seen[0];
  for (size_t g = 0; g < kGetters; ++g) {
    SCOPED_TRACE(g);
    EXPECT_EQ(rosidl_typesupport_introspection_c__identifier, first[g].identifier);
    for (size_t t = 1; t < kThreads; ++t) {
      EXPECT_EQ(first[g].handle, seen[t][g].handle);
      EXPECT_EQ(first[g].identifier, seen[t][g].identifier);
      EXPECT_EQ(first[g].request_members, seen[t][g].request_members);
      EXPECT_EQ(first[g].response_members, seen[t][g].response_members);
    }
  }
  // Each service descriptor holds its messages' descriptors.
  for (size_t service : {0u, 3u}) {
    const auto * request = static_cast<const rosidl_message_type_support_t *>(
      first[service + 1].handle);
    const auto * response = static_cast<const rosidl_message_type_support_t *>(
      first[service + 2].handle);
    EXPECT_EQ(request->data, first[service].request_members);
    EXPECT_EQ(response->data, first[service].response_members);
  }
}

}  // namespace
