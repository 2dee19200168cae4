// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// Races the first use of the library from many threads: each opens it by name, looks up the six
// getters and reads the handles and records they return. The program is not linked against the
// library, so the first dlopen loads it and runs the initialisers that complete the handles; it
// is meant to run under ThreadSanitizer as well. The dynamic loader runs those initialisers
// under its own lock, which every other dlopen takes before it returns, but ThreadSanitizer
// does not see that lock (it lives inside ld.so): the calls of dlopen are therefore serialised
// here with a mutex of the test's own. Calls of the getters and reads of the handles are not, so
// any write to a handle after its library is loaded (a lazy binding) would show up as a race.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_c/service_type_support_struct.h"
#include "rosidl_typesupport_fastrtps_cpp/message_type_support.h"
#include "rosidl_typesupport_fastrtps_cpp/service_type_support.h"

namespace
{

// What one thread saw: the handles, their identifiers and the names in their records.
struct Seen
{
  std::vector<const void *> handles;
  std::vector<std::string> texts;
};

std::mutex loading;

Seen use_the_library()
{
  Seen seen;
  void * library = nullptr;
  {
    std::lock_guard<std::mutex> lock(loading);
    library = dlopen("libquorvex__rosidl_typesupport_fastrtps_c.so", RTLD_NOW | RTLD_LOCAL);
  }
  if (library == nullptr) {
    return seen;
  }
  const std::string prefix = "rosidl_typesupport_fastrtps_c__get_";
  const std::string suffix = "_type_support_handle__quorvex__srv__";
  for (const char * message :
    {"SolveIK_Request", "SolveIK_Response", "PlanMotion_Request", "PlanMotion_Response"})
  {
    const auto getter = reinterpret_cast<const rosidl_message_type_support_t * (*)()>(
      dlsym(library, (prefix + "message" + suffix + message).c_str()));
    const rosidl_message_type_support_t * handle = getter();
    const auto * callbacks = static_cast<const message_type_support_callbacks_t *>(handle->data);
    seen.handles.push_back(handle);
    seen.texts.push_back(handle->typesupport_identifier);
    seen.texts.push_back(std::string(callbacks->message_namespace_) + callbacks->message_name_);
  }
  for (const char * service : {"SolveIK", "PlanMotion"}) {
    const auto getter = reinterpret_cast<const rosidl_service_type_support_t * (*)()>(
      dlsym(library, (prefix + "service" + suffix + service).c_str()));
    const rosidl_service_type_support_t * handle = getter();
    const auto * callbacks = static_cast<const service_type_support_callbacks_t *>(handle->data);
    seen.handles.push_back(handle);
    seen.handles.push_back(callbacks->request_members_);
    seen.handles.push_back(callbacks->response_members_);
    seen.texts.push_back(handle->typesupport_identifier);
    seen.texts.push_back(callbacks->request_members_->typesupport_identifier);
  }
  // The library stays loaded: the handles outlive this function.
  return seen;
}

TEST(FastrtpsCGetterRace, RacingFirstUsesAllSeeCompleteHandles)
{
  constexpr int kThreads = 8;
  std::atomic<int> waiting{kThreads};
  std::vector<Seen> seen(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back(
      [&, t] {
        waiting.fetch_sub(1);
        while (waiting.load() > 0) {
        }
        seen[t] = use_the_library();
      });
  }
  for (std::thread & thread : threads) {
    thread.join();
  }
  const std::string identifier = "rosidl_typesupport_fastrtps_c";
  const std::vector<std::string> expected = {
    identifier, "quorvex::srvSolveIK_Request", identifier, "quorvex::srvSolveIK_Response",
    identifier, "quorvex::srvPlanMotion_Request", identifier, "quorvex::srvPlanMotion_Response",
    identifier, identifier, identifier, identifier};
  ASSERT_EQ(expected, seen[0].texts) << dlerror();
  ASSERT_EQ(10u, seen[0].handles.size());
  for (int t = 1; t < kThreads; ++t) {
    EXPECT_EQ(seen[0].handles, seen[t].handles);
    EXPECT_EQ(seen[0].texts, seen[t].texts);
  }
}

}  // namespace
