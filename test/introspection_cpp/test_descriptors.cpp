// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// The descriptors against the C++ records (sizeof, offsetof) and against the C library's
// descriptors of the C twins; the handles and the getters that reach them.

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>

#include "message_cases.hpp"
#include "rosidl_typesupport_introspection_c/field_types.h"
#include "rosidl_typesupport_introspection_c/service_introspection.h"
#include "rosidl_typesupport_introspection_cpp/field_types.hpp"
#include "rosidl_typesupport_introspection_cpp/identifier.hpp"
#include "rosidl_typesupport_introspection_cpp/service_introspection.hpp"
#include "rosidl_typesupport_introspection_cpp/service_type_support_decl.hpp"

namespace
{

using message_cases::c_members;
using message_cases::Case;
using message_cases::cpp_members;

// Consumers of both type supports compare one set of ids.
#define QUORVEX_SAME_ID(name) \
  static_assert( \
    rosidl_typesupport_introspection_cpp::ROS_TYPE_ ## name == \
    rosidl_typesupport_introspection_c__ROS_TYPE_ ## name, #name)
QUORVEX_SAME_ID(FLOAT);
QUORVEX_SAME_ID(DOUBLE);
QUORVEX_SAME_ID(LONG_DOUBLE);
QUORVEX_SAME_ID(CHAR);
QUORVEX_SAME_ID(WCHAR);
QUORVEX_SAME_ID(BOOLEAN);
QUORVEX_SAME_ID(OCTET);
QUORVEX_SAME_ID(UINT8);
QUORVEX_SAME_ID(INT8);
QUORVEX_SAME_ID(UINT16);
QUORVEX_SAME_ID(INT16);
QUORVEX_SAME_ID(UINT32);
QUORVEX_SAME_ID(INT32);
QUORVEX_SAME_ID(UINT64);
QUORVEX_SAME_ID(INT64);
QUORVEX_SAME_ID(STRING);
QUORVEX_SAME_ID(WSTRING);
QUORVEX_SAME_ID(MESSAGE);
QUORVEX_SAME_ID(BOOL);
QUORVEX_SAME_ID(BYTE);
QUORVEX_SAME_ID(FLOAT32);
QUORVEX_SAME_ID(FLOAT64);
#undef QUORVEX_SAME_ID
static_assert(rosidl_typesupport_introspection_cpp::ROS_TYPE_FLOAT64 == 2, "type id");
static_assert(rosidl_typesupport_introspection_cpp::ROS_TYPE_STRING == 16, "type id");

TEST(Identifier, TextOfTheStandIn)
{
  EXPECT_STREQ(
    "rosidl_typesupport_introspection_cpp",
    rosidl_typesupport_introspection_cpp::typesupport_identifier);
}

template<typename Record>
class Descriptors : public ::testing::Test {};
TYPED_TEST_SUITE(Descriptors, message_cases::AllMessages);

TYPED_TEST(Descriptors, BothGettersReachOneCompleteHandle)
{
  const rosidl_message_type_support_t * handle =
    rosidl_typesupport_introspection_cpp::get_message_type_support_handle<TypeParam>();
  ASSERT_NE(nullptr, handle);
  EXPECT_EQ(handle, Case<TypeParam>::cpp_c_linkage_getter());
  EXPECT_EQ(
    rosidl_typesupport_introspection_cpp::typesupport_identifier,
    handle->typesupport_identifier);
  EXPECT_EQ(&get_message_typesupport_handle_function, handle->func);
  // The handle answers for its own identifier only.
  EXPECT_EQ(handle, handle->func(handle, "rosidl_typesupport_introspection_cpp"));
  EXPECT_EQ(nullptr, handle->func(handle, "rosidl_typesupport_introspection_c"));
}

TYPED_TEST(Descriptors, MessageTextsSizeAndLifecycle)
{
  const auto & members = cpp_members<TypeParam>();
  EXPECT_STREQ("quorvex::srv", members.message_namespace_);
  EXPECT_STREQ(Case<TypeParam>::name, members.message_name_);
  EXPECT_EQ(sizeof(TypeParam), members.size_of_);
  EXPECT_NE(nullptr, members.init_function);
  EXPECT_NE(nullptr, members.fini_function);
  // The C library names the same package and message in C spelling.
  EXPECT_STREQ("quorvex__srv", c_members<TypeParam>().message_namespace_);
  EXPECT_STREQ(c_members<TypeParam>().message_name_, members.message_name_);
}

TYPED_TEST(Descriptors, MembersAsTheCLibraryDescribesThemAtTheRecordsOffsets)
{
  const auto & members = cpp_members<TypeParam>();
  const auto & c = c_members<TypeParam>();
  const std::map<std::string, size_t> offsets = Case<TypeParam>::offsets();
  ASSERT_EQ(c.member_count_, members.member_count_);
  ASSERT_EQ(offsets.size(), members.member_count_);
  std::set<std::string> seen;
  for (uint32_t k = 0; k < members.member_count_; ++k) {
    const rosidl_typesupport_introspection_cpp::MessageMember & entry = members.members_[k];
    const rosidl_typesupport_introspection_c__MessageMember & c_entry = c.members_[k];
    SCOPED_TRACE(c_entry.name_);
    EXPECT_STREQ(c_entry.name_, entry.name_);
    EXPECT_EQ(c_entry.type_id_, entry.type_id_);
    EXPECT_EQ(c_entry.is_array_, entry.is_array_);
    ASSERT_EQ(1u, offsets.count(entry.name_));
    EXPECT_EQ(offsets.at(entry.name_), entry.offset_);
    seen.insert(entry.name_);

    EXPECT_EQ(0u, entry.string_upper_bound_);
    EXPECT_EQ(nullptr, entry.members_);
    EXPECT_EQ(0u, entry.array_size_);
    EXPECT_FALSE(entry.is_upper_bound_);
    EXPECT_EQ(nullptr, entry.default_value_);
    // Accessors on the sequences, and only there.
    const bool sequence = entry.is_array_;
    EXPECT_EQ(sequence, entry.size_function != nullptr);
    EXPECT_EQ(sequence, entry.get_const_function != nullptr);
    EXPECT_EQ(sequence, entry.get_function != nullptr);
    EXPECT_EQ(sequence, entry.fetch_function != nullptr);
    EXPECT_EQ(sequence, entry.assign_function != nullptr);
    EXPECT_EQ(sequence, entry.resize_function != nullptr);
    if (sequence) {
      EXPECT_EQ(rosidl_typesupport_introspection_cpp::ROS_TYPE_DOUBLE, entry.type_id_);
    }
  }
  EXPECT_EQ(offsets.size(), seen.size()) << "a member is described twice";
}

struct ServiceCase
{
  const char * name;
  const rosidl_service_type_support_t * template_handle;
  const rosidl_service_type_support_t * c_linkage_handle;
  const rosidl_message_type_support_t * request;
  const rosidl_message_type_support_t * response;
  const rosidl_service_type_support_t * c_handle;
};

TEST(ServiceDescriptors, PairTheMessagesDescriptors)
{
  using rosidl_typesupport_introspection_cpp::get_message_type_support_handle;
  using rosidl_typesupport_introspection_cpp::get_service_type_support_handle;
  const ServiceCase services[] = {
    {"PlanMotion", get_service_type_support_handle<quorvex::srv::PlanMotion>(),
      ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME(
        rosidl_typesupport_introspection_cpp, quorvex, srv, PlanMotion)(),
      get_message_type_support_handle<quorvex::srv::PlanMotion_Request>(),
      get_message_type_support_handle<quorvex::srv::PlanMotion_Response>(),
      ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME(
        rosidl_typesupport_introspection_c, quorvex, srv, PlanMotion)()},
    {"SolveIK", get_service_type_support_handle<quorvex::srv::SolveIK>(),
      ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME(
        rosidl_typesupport_introspection_cpp, quorvex, srv, SolveIK)(),
      get_message_type_support_handle<quorvex::srv::SolveIK_Request>(),
      get_message_type_support_handle<quorvex::srv::SolveIK_Response>(),
      ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME(
        rosidl_typesupport_introspection_c, quorvex, srv, SolveIK)()},
  };
  for (const ServiceCase & service : services) {
    SCOPED_TRACE(service.name);
    const rosidl_service_type_support_t * handle = service.template_handle;
    ASSERT_NE(nullptr, handle);
    EXPECT_EQ(handle, service.c_linkage_handle);
    EXPECT_EQ(
      rosidl_typesupport_introspection_cpp::typesupport_identifier,
      handle->typesupport_identifier);
    EXPECT_EQ(&get_service_typesupport_handle_function, handle->func);
    const auto & members =
      *static_cast<const rosidl_typesupport_introspection_cpp::ServiceMembers *>(handle->data);
    EXPECT_STREQ("quorvex::srv", members.service_namespace_);
    EXPECT_STREQ(service.name, members.service_name_);
    EXPECT_EQ(service.request->data, members.request_members_);
    EXPECT_EQ(service.response->data, members.response_members_);
    const auto & c_members =
      *static_cast<const rosidl_typesupport_introspection_c__ServiceMembers *>(
      service.c_handle->data);
    EXPECT_STREQ("quorvex__srv", c_members.service_namespace_);
    EXPECT_STREQ(c_members.service_name_, members.service_name_);
  }
}

}  // namespace
