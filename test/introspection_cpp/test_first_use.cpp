// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// Threads race to load the library by name and to call its getters at once, as middleware
// threads do on first use. Each must find every handle complete: identifier, descriptors and
// the service's message descriptors.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_c/service_type_support_struct.h"
#include "rosidl_typesupport_introspection_cpp/identifier.hpp"
#include "rosidl_typesupport_introspection_cpp/service_introspection.hpp"

namespace
{

constexpr const char * kLibrary = "libquorvex__rosidl_typesupport_introspection_cpp.so";
constexpr const char * kPrefix = "rosidl_typesupport_introspection_cpp__get_";

struct ServiceNames
{
  const char * service;
  const char * request;
  const char * response;
};

constexpr ServiceNames kServices[] = {
  {"PlanMotion", "PlanMotion_Request", "PlanMotion_Response"},
  {"SolveIK", "SolveIK_Request", "SolveIK_Response"},
};

using MessageGetter = const rosidl_message_type_support_t * (*)();
using ServiceGetter = const rosidl_service_type_support_t * (*)();

template<typename Getter>
Getter find(void * library, const std::string & kind, const std::string & name)
{
  return reinterpret_cast<Getter>(
    dlsym(library, (kPrefix + kind + "_type_support_handle__quorvex__srv__" + name).c_str()));
}

// What one thread saw of one service, read right after its getters returned.
struct Seen
{
  bool found = false;
  const char * service_identifier = nullptr;
  const char * request_identifier = nullptr;
  const char * response_identifier = nullptr;
  const void * request_data = nullptr;
  const void * response_data = nullptr;
  const void * service_request_members = nullptr;
  const void * service_response_members = nullptr;
  std::string request_name;
  std::string service_name;
};

Seen see(void * library, const ServiceNames & names)
{
  Seen seen;
  const auto get_service = find<ServiceGetter>(library, "service", names.service);
  const auto get_request = find<MessageGetter>(library, "message", names.request);
  const auto get_response = find<MessageGetter>(library, "message", names.response);
  if (!get_service || !get_request || !get_response) {
    return seen;
  }
  seen.found = true;
  const rosidl_service_type_support_t * service = get_service();
  const rosidl_message_type_support_t * request = get_request();
  const rosidl_message_type_support_t * response = get_response();
  const auto * service_members =
    static_cast<const rosidl_typesupport_introspection_cpp::ServiceMembers *>(service->data);
  seen.service_identifier = service->typesupport_identifier;
  seen.request_identifier = request->typesupport_identifier;
  seen.response_identifier = response->typesupport_identifier;
  seen.request_data = request->data;
  seen.response_data = response->data;
  seen.service_request_members = service_members->request_members_;
  seen.service_response_members = service_members->response_members_;
  seen.service_name = service_members->service_name_;
  seen.request_name = service_members->request_members_->message_name_;
  return seen;
}

TEST(FirstUse, RacingLoadsAndFirstCallsSeeCompleteHandles)
{
  ASSERT_EQ(nullptr, dlopen(kLibrary, RTLD_NOW | RTLD_NOLOAD)) << "loaded before the race";

  constexpr size_t kThreads = 12;
  std::atomic<size_t> ready{0};
  std::vector<void *> libraries(kThreads, nullptr);
  std::vector<std::array<Seen, 2>> seen(kThreads);
  std::vector<std::thread> threads;
  for (size_t t = 0; t < kThreads; ++t) {
    threads.emplace_back(
      [&, t] {
        ready.fetch_add(1);
        while (ready.load() < kThreads) {
          std::this_thread::yield();
        }
        libraries[t] = dlopen(kLibrary, RTLD_NOW);
        if (libraries[t] != nullptr) {
          // Half the threads start with the other service.
          for (size_t i = 0; i < 2; ++i) {
            const size_t s = (t + i) % 2;
            seen[t][s] = see(libraries[t], kServices[s]);
          }
        }
      });
  }
  for (std::thread & thread : threads) {
    thread.join();
  }

  for (size_t t = 0; t < kThreads; ++t) {
    ASSERT_NE(nullptr, libraries[t]) << dlerror();
    EXPECT_EQ(libraries[0], libraries[t]);
    for (size_t s = 0; s < 2; ++s) {
      SCOPED_TRACE(kServices[s].service);
      const Seen & one = seen[t][s];
      ASSERT_TRUE(one.found);
      const char * identifier = rosidl_typesupport_introspection_cpp::typesupport_identifier;
      EXPECT_EQ(identifier, one.service_identifier);
      EXPECT_EQ(identifier, one.request_identifier);
      EXPECT_EQ(identifier, one.response_identifier);
      EXPECT_EQ(one.request_data, one.service_request_members);
      EXPECT_EQ(one.response_data, one.service_response_members);
      EXPECT_EQ(kServices[s].service, one.service_name);
      EXPECT_EQ(kServices[s].request, one.request_name);
      EXPECT_EQ(seen[0][s].request_data, one.request_data);
    }
  }
  for (void * library : libraries) {
    EXPECT_EQ(0, dlclose(library));
  }
}

}  // namespace
