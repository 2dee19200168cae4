// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// Races the first calls of all twelve getters from many threads, in a process where no getter
// has been called yet: each caller must find its handle complete. Meant to run under
// ThreadSanitizer, which checks that no caller reads what another thread still writes.

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <thread>
#include <vector>

#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_introspection_cpp.hpp"
#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_introspection_cpp.hpp"
#include "rosidl_typesupport_introspection_cpp/identifier.hpp"
#include "rosidl_typesupport_introspection_cpp/service_introspection.hpp"

namespace
{

using rosidl_typesupport_introspection_cpp::get_message_type_support_handle;
using rosidl_typesupport_introspection_cpp::get_service_type_support_handle;
using rosidl_typesupport_introspection_cpp::MessageMembers;
using rosidl_typesupport_introspection_cpp::ServiceMembers;

// What one caller saw of a handle, read right after its getter returned.
struct Seen
{
  const void * handle;
  const char * identifier;
  const void * data;
  const char * name;
  const void * request_members;
  const void * response_members;
};

Seen see(const rosidl_message_type_support_t * handle)
{
  const auto * members = static_cast<const MessageMembers *>(handle->data);
  return Seen{handle, handle->typesupport_identifier, handle->data, members->message_name_,
    nullptr, nullptr};
}

Seen see(const rosidl_service_type_support_t * handle)
{
  const auto * members = static_cast<const ServiceMembers *>(handle->data);
  return Seen{handle, handle->typesupport_identifier, handle->data, members->service_name_,
    members->request_members_, members->response_members_};
}

// Each handle twice: through its template getter and its C-linkage getter.
constexpr size_t kGetters = 12;
const std::array<Seen (*)(), kGetters> kGetterCalls{
  [] {return see(get_service_type_support_handle<quorvex::srv::PlanMotion>());},
  [] {return see(get_message_type_support_handle<quorvex::srv::PlanMotion_Request>());},
  [] {return see(get_message_type_support_handle<quorvex::srv::PlanMotion_Response>());},
  [] {return see(get_service_type_support_handle<quorvex::srv::SolveIK>());},
  [] {return see(get_message_type_support_handle<quorvex::srv::SolveIK_Request>());},
  [] {return see(get_message_type_support_handle<quorvex::srv::SolveIK_Response>());},
  [] {
    return see(
      ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME(
        rosidl_typesupport_introspection_cpp, quorvex, srv, PlanMotion)());
  },
  [] {
    return see(
      ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
        rosidl_typesupport_introspection_cpp, quorvex, srv, PlanMotion_Request)());
  },
  [] {
    return see(
      ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
        rosidl_typesupport_introspection_cpp, quorvex, srv, PlanMotion_Response)());
  },
  [] {
    return see(
      ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME(
        rosidl_typesupport_introspection_cpp, quorvex, srv, SolveIK)());
  },
  [] {
    return see(
      ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
        rosidl_typesupport_introspection_cpp, quorvex, srv, SolveIK_Request)());
  },
  [] {
    return see(
      ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
        rosidl_typesupport_introspection_cpp, quorvex, srv, SolveIK_Response)());
  },
};

TEST(GetterRace, RacingFirstCallsAllSeeCompleteHandles)
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

  for (size_t g = 0; g < kGetters; ++g) {
    SCOPED_TRACE(g);
    // The two getters of one handle return the same handle.
    EXPECT_EQ(seen[0][g % 6].handle, seen[0][g].handle);
    for (size_t t = 0; t < kThreads; ++t) {
      const Seen & one = seen[t][g];
      EXPECT_EQ(seen[0][g].handle, one.handle);
      EXPECT_EQ(rosidl_typesupport_introspection_cpp::typesupport_identifier, one.identifier);
      EXPECT_NE(nullptr, one.data);
      EXPECT_NE(nullptr, one.name);
    }
  }
  // Each service descriptor holds its messages' descriptors.
  for (size_t service : {0u, 3u}) {
    EXPECT_EQ(seen[0][service + 1].data, seen[0][service].request_members);
    EXPECT_EQ(seen[0][service + 2].data, seen[0][service].response_members);
  }
}

}  // namespace
