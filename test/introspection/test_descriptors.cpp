// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "introspection_cases.hpp"
#include "rosidl_typesupport_introspection_c/field_types.h"
#include "rosidl_typesupport_introspection_c/identifier.h"
#include "rosidl_typesupport_introspection_c/service_introspection.h"

namespace
{

using introspection_cases::members_of;
using introspection_cases::message_cases;
using introspection_cases::MessageCase;

// The type ids as numbers, which consumers compare with, not only as the stand-in's names.
constexpr uint8_t kFloat64 = 2;
constexpr uint8_t kBool = 6;
constexpr uint8_t kInt32 = 13;
constexpr uint8_t kString = 16;
static_assert(rosidl_typesupport_introspection_c__ROS_TYPE_DOUBLE == kFloat64, "type id");
static_assert(rosidl_typesupport_introspection_c__ROS_TYPE_BOOLEAN == kBool, "type id");
static_assert(rosidl_typesupport_introspection_c__ROS_TYPE_INT32 == kInt32, "type id");
static_assert(rosidl_typesupport_introspection_c__ROS_TYPE_STRING == kString, "type id");

struct Accessors
{
  size_t (* size)(const void *);
  const void * (* get_const)(const void *, size_t);
  void * (* get)(void *, size_t);
  void (* fetch)(const void *, size_t, void *);
  void (* assign)(void *, size_t, const void *);
  bool (* resize)(void *, size_t);
};

#define ACCESSORS(Message, member) \
  Accessors{ \
    QUORVEX__SRV__INTROSPECTION_C__ACCESSOR(Message, size_function, member), \
    QUORVEX__SRV__INTROSPECTION_C__ACCESSOR(Message, get_const_function, member), \
    QUORVEX__SRV__INTROSPECTION_C__ACCESSOR(Message, get_function, member), \
    QUORVEX__SRV__INTROSPECTION_C__ACCESSOR(Message, fetch_function, member), \
    QUORVEX__SRV__INTROSPECTION_C__ACCESSOR(Message, assign_function, member), \
    QUORVEX__SRV__INTROSPECTION_C__ACCESSOR(Message, resize_function, member)}

struct ExpectedMember
{
  std::string name;
  uint8_t type_id;
  size_t offset;
  bool is_sequence;
  Accessors accessors;
};

#define PLAIN(Record, member, type_id) \
  ExpectedMember{#member, type_id, offsetof(Record, member), false, Accessors{}}
#define SEQUENCE(Message, member) \
  ExpectedMember{#member, kFloat64, offsetof(quorvex__srv__ ## Message, member), true, \
    ACCESSORS(Message, member)}

struct ExpectedMessage
{
  std::vector<ExpectedMember> members;
  void (* init)(void *, enum rosidl_runtime_c__message_initialization);
  void (* fini)(void *);
};

// Indexed like message_cases(); the members as the records declare them, in that order.
const std::vector<ExpectedMessage> & expected_messages()
{
  using PlanMotionResponse = quorvex__srv__PlanMotion_Response;
  using SolveIKRequest = quorvex__srv__SolveIK_Request;
  using SolveIKResponse = quorvex__srv__SolveIK_Response;
  static const std::vector<ExpectedMessage> expected{
    {{SEQUENCE(PlanMotion_Request, start_joints), SEQUENCE(PlanMotion_Request, goal_joints)},
      QUORVEX__SRV__INTROSPECTION_C__ADAPTER(PlanMotion_Request, init_function),
      QUORVEX__SRV__INTROSPECTION_C__ADAPTER(PlanMotion_Request, fini_function)},
    {{PLAIN(PlanMotionResponse, success, kBool),
      PLAIN(PlanMotionResponse, message, kString),
      SEQUENCE(PlanMotion_Response, waypoints_flat),
      SEQUENCE(PlanMotion_Response, velocities_flat),
      SEQUENCE(PlanMotion_Response, accelerations_flat),
      SEQUENCE(PlanMotion_Response, time_from_start),
      PLAIN(PlanMotionResponse, n_points, kInt32),
      PLAIN(PlanMotionResponse, n_joints, kInt32)},
      QUORVEX__SRV__INTROSPECTION_C__ADAPTER(PlanMotion_Response, init_function),
      QUORVEX__SRV__INTROSPECTION_C__ADAPTER(PlanMotion_Response, fini_function)},
    {{PLAIN(SolveIKRequest, pose_info_path, kString),
      PLAIN(SolveIKRequest, stage_subset, kString),
      PLAIN(SolveIKRequest, max_contact_poses, kInt32),
      PLAIN(SolveIKRequest, return_seeds, kInt32),
      PLAIN(SolveIKRequest, tool_type, kString),
      PLAIN(SolveIKRequest, position_tolerance, kFloat64),
      PLAIN(SolveIKRequest, orientation_tolerance, kFloat64),
      PLAIN(SolveIKRequest, conform_samples, kInt32),
      PLAIN(SolveIKRequest, orientation_sample_range_deg, kFloat64),
      PLAIN(SolveIKRequest, orientation_sample_step_deg, kFloat64),
      PLAIN(SolveIKRequest, accept_feasible_path, kBool),
      PLAIN(SolveIKRequest, max_joint_jump_rad, kFloat64)},
      QUORVEX__SRV__INTROSPECTION_C__ADAPTER(SolveIK_Request, init_function),
      QUORVEX__SRV__INTROSPECTION_C__ADAPTER(SolveIK_Request, fini_function)},
    {{PLAIN(SolveIKResponse, success, kBool),
      PLAIN(SolveIKResponse, summary, kString),
      PLAIN(SolveIKResponse, report_json, kString)},
      QUORVEX__SRV__INTROSPECTION_C__ADAPTER(SolveIK_Response, init_function),
      QUORVEX__SRV__INTROSPECTION_C__ADAPTER(SolveIK_Response, fini_function)},
  };
  return expected;
}

TEST(Descriptors, MessageHandlesCarryTheirRecordsDescriptors)
{
  ASSERT_EQ(message_cases().size(), expected_messages().size());
  for (size_t m = 0; m < message_cases().size(); ++m) {
    const MessageCase & message = message_cases()[m];
    const ExpectedMessage & expected = expected_messages()[m];
    SCOPED_TRACE(message.name);

    const rosidl_message_type_support_t * handle = message.get_handle();
    ASSERT_NE(nullptr, handle);
    EXPECT_EQ(rosidl_typesupport_introspection_c__identifier, handle->typesupport_identifier);
    EXPECT_EQ(&get_message_typesupport_handle_function, handle->func);
    EXPECT_EQ(handle, message.get_handle());

    const auto & members = members_of(message);
    EXPECT_STREQ("quorvex__srv", members.message_namespace_);
    EXPECT_STREQ(message.name, members.message_name_);
    EXPECT_EQ(message.record_size, members.size_of_);
    EXPECT_EQ(expected.init, members.init_function);
    EXPECT_EQ(expected.fini, members.fini_function);
    ASSERT_EQ(expected.members.size(), members.member_count_);

    for (size_t k = 0; k < expected.members.size(); ++k) {
      const ExpectedMember & want = expected.members[k];
      const rosidl_typesupport_introspection_c__MessageMember & entry = members.members_[k];
      SCOPED_TRACE(want.name);
      EXPECT_EQ(want.name, entry.name_);
      EXPECT_EQ(want.type_id, entry.type_id_);
      EXPECT_EQ(want.offset, entry.offset_);
      EXPECT_EQ(want.is_sequence, entry.is_array_);
      EXPECT_EQ(0u, entry.string_upper_bound_);
      EXPECT_EQ(nullptr, entry.members_);
      EXPECT_EQ(0u, entry.array_size_);
      EXPECT_FALSE(entry.is_upper_bound_);
      EXPECT_EQ(nullptr, entry.default_value_);
      EXPECT_EQ(want.accessors.size, entry.size_function);
      EXPECT_EQ(want.accessors.get_const, entry.get_const_function);
      EXPECT_EQ(want.accessors.get, entry.get_function);
      EXPECT_EQ(want.accessors.fetch, entry.fetch_function);
      EXPECT_EQ(want.accessors.assign, entry.assign_function);
      EXPECT_EQ(want.accessors.resize, entry.resize_function);
    }
  }
}

TEST(Descriptors, ServiceHandlesPairRequestAndResponse)
{
  struct ServiceCase
  {
    const char * name;
    const rosidl_service_type_support_t * (* get_handle)();
    const MessageCase & request;
    const MessageCase & response;
  };
  const ServiceCase services[] = {
    {"PlanMotion",
      ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME(
        rosidl_typesupport_introspection_c, quorvex, srv, PlanMotion),
      message_cases()[0], message_cases()[1]},
    {"SolveIK",
      ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME(
        rosidl_typesupport_introspection_c, quorvex, srv, SolveIK),
      message_cases()[2], message_cases()[3]},
  };
  for (const ServiceCase & service : services) {
    SCOPED_TRACE(service.name);
    const rosidl_service_type_support_t * handle = service.get_handle();
    ASSERT_NE(nullptr, handle);
    EXPECT_EQ(handle, service.get_handle());
    EXPECT_EQ(rosidl_typesupport_introspection_c__identifier, handle->typesupport_identifier);
    EXPECT_EQ(&get_service_typesupport_handle_function, handle->func);
    const auto * members =
      static_cast<const rosidl_typesupport_introspection_c__ServiceMembers *>(handle->data);
    EXPECT_STREQ("quorvex__srv", members->service_namespace_);
    EXPECT_STREQ(service.name, members->service_name_);
    EXPECT_EQ(&members_of(service.request), members->request_members_);
    EXPECT_EQ(&members_of(service.response), members->response_members_);
  }
}

}  // namespace
