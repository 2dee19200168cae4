// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// Handles bind at the first call of their getters and stay bound for the life of the process, so
// each case runs in a process of its own (see CMakeLists.txt) and makes the first calls itself.

#include <gtest/gtest.h>

#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_introspection_c.h"
#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_introspection_c.h"
#include "rosidl_typesupport_introspection_c/identifier.h"
#include "rosidl_typesupport_introspection_c/service_introspection.h"

namespace
{

struct Service
{
  const rosidl_service_type_support_t * (* get_service)();
  const rosidl_message_type_support_t * (* get_request)();
  const rosidl_message_type_support_t * (* get_response)();
};

const Service kServices[] = {
  {ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME(
      rosidl_typesupport_introspection_c, quorvex, srv, PlanMotion),
    ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
      rosidl_typesupport_introspection_c, quorvex, srv, PlanMotion_Request),
    ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
      rosidl_typesupport_introspection_c, quorvex, srv, PlanMotion_Response)},
  {ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME(
      rosidl_typesupport_introspection_c, quorvex, srv, SolveIK),
    ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
      rosidl_typesupport_introspection_c, quorvex, srv, SolveIK_Request),
    ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
      rosidl_typesupport_introspection_c, quorvex, srv, SolveIK_Response)},
};

const rosidl_typesupport_introspection_c__ServiceMembers & members_of(
  const rosidl_service_type_support_t * handle)
{
  return *static_cast<const rosidl_typesupport_introspection_c__ServiceMembers *>(handle->data);
}

// The state after the first calls, whichever order they came in.
void expect_bound(const Service & service, const rosidl_service_type_support_t * service_handle)
{
  const rosidl_message_type_support_t * request = service.get_request();
  const rosidl_message_type_support_t * response = service.get_response();
  EXPECT_EQ(rosidl_typesupport_introspection_c__identifier, request->typesupport_identifier);
  EXPECT_EQ(rosidl_typesupport_introspection_c__identifier, response->typesupport_identifier);
  EXPECT_EQ(
    rosidl_typesupport_introspection_c__identifier,
    service_handle->typesupport_identifier);
  EXPECT_EQ(request->data, members_of(service_handle).request_members_);
  EXPECT_EQ(response->data, members_of(service_handle).response_members_);
  EXPECT_EQ(service_handle, service.get_service());
}

TEST(Binding, ServiceGetterFirst)
{
  for (const Service & service : kServices) {
    const rosidl_service_type_support_t * handle = service.get_service();
    // The service's first call bound the message handles it reached.
    EXPECT_NE(nullptr, members_of(handle).request_members_);
    EXPECT_NE(nullptr, members_of(handle).response_members_);
    expect_bound(service, handle);
  }
}

TEST(Binding, MessageGettersFirst)
{
  for (const Service & service : kServices) {
    const rosidl_message_type_support_t * request = service.get_request();
    const rosidl_message_type_support_t * response = service.get_response();
    const rosidl_service_type_support_t * handle = service.get_service();
    // The service's first call left the bound message handles where they were.
    EXPECT_EQ(request, service.get_request());
    EXPECT_EQ(response, service.get_response());
    expect_bound(service, handle);
  }
}

}  // namespace
