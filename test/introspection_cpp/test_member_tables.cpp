// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// The member tables (*__members.h), which the libraries expand, against the C records, which are
// written out by hand: the C introspection library's descriptors give the tables' names and
// kinds with the records' offsets and size, so a table that drifts from its record (a member
// missing, added or moved) leaves a gap or an overlap in the layout that they describe. A member
// of another type fails to compile in the record library.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "quorvex/srv/detail/plan_motion__members.h"
#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_introspection_c.h"
#include "quorvex/srv/detail/solve_ik__members.h"
#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_introspection_c.h"
#include "rosidl_runtime_c/primitives_sequence.h"
#include "rosidl_runtime_c/string.h"
#include "rosidl_typesupport_interface/macros.h"
#include "rosidl_typesupport_introspection_c/field_types.h"
#include "rosidl_typesupport_introspection_c/message_introspection.h"

namespace
{

enum class Kind {BOOL, INT32, FLOAT64, STRING, FLOAT64_SEQUENCE};

struct TableEntry
{
  std::string name;
  Kind kind;
};

#define QUORVEX_TEST_TABLE_ENTRY(member, KIND) TableEntry{#member, Kind::KIND},
// The same through the form that passes a context (here a message name) to each row.
#define QUORVEX_TEST_TABLE_ENTRY_WITH(context, member, KIND) \
  TableEntry{std::string(context) + "." + #member, Kind::KIND},

struct TableCase
{
  const char * message;
  std::vector<TableEntry> table;
  const rosidl_message_type_support_t * (* c_getter)();
  std::vector<TableEntry> table_with_context;
};

const std::vector<TableCase> & table_cases()
{
  static const std::vector<TableCase> cases{
    {"PlanMotion_Request",
      {QUORVEX_PLAN_MOTION_REQUEST_MEMBERS(QUORVEX_TEST_TABLE_ENTRY)},
      ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
        rosidl_typesupport_introspection_c, quorvex, srv, PlanMotion_Request),
      {QUORVEX_PLAN_MOTION_REQUEST_MEMBERS_WITH(
          QUORVEX_TEST_TABLE_ENTRY_WITH,
          "PlanMotion_Request")}},
    {"PlanMotion_Response",
      {QUORVEX_PLAN_MOTION_RESPONSE_MEMBERS(QUORVEX_TEST_TABLE_ENTRY)},
      ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
        rosidl_typesupport_introspection_c, quorvex, srv, PlanMotion_Response),
      {QUORVEX_PLAN_MOTION_RESPONSE_MEMBERS_WITH(
          QUORVEX_TEST_TABLE_ENTRY_WITH,
          "PlanMotion_Response")}},
    {"SolveIK_Request",
      {QUORVEX_SOLVE_IK_REQUEST_MEMBERS(QUORVEX_TEST_TABLE_ENTRY)},
      ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
        rosidl_typesupport_introspection_c, quorvex, srv, SolveIK_Request),
      {QUORVEX_SOLVE_IK_REQUEST_MEMBERS_WITH(QUORVEX_TEST_TABLE_ENTRY_WITH, "SolveIK_Request")}},
    {"SolveIK_Response",
      {QUORVEX_SOLVE_IK_RESPONSE_MEMBERS(QUORVEX_TEST_TABLE_ENTRY)},
      ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
        rosidl_typesupport_introspection_c, quorvex, srv, SolveIK_Response),
      {QUORVEX_SOLVE_IK_RESPONSE_MEMBERS_WITH(QUORVEX_TEST_TABLE_ENTRY_WITH, "SolveIK_Response")}},
  };
  return cases;
}

#undef QUORVEX_TEST_TABLE_ENTRY
#undef QUORVEX_TEST_TABLE_ENTRY_WITH

/// The type id and sequence flag a C descriptor gives a member of each kind.
void expect_kind(Kind kind, const rosidl_typesupport_introspection_c__MessageMember & entry)
{
  switch (kind) {
    case Kind::BOOL:
      EXPECT_EQ(rosidl_typesupport_introspection_c__ROS_TYPE_BOOLEAN, entry.type_id_);
      EXPECT_FALSE(entry.is_array_);
      break;
    case Kind::INT32:
      EXPECT_EQ(rosidl_typesupport_introspection_c__ROS_TYPE_INT32, entry.type_id_);
      EXPECT_FALSE(entry.is_array_);
      break;
    case Kind::FLOAT64:
      EXPECT_EQ(rosidl_typesupport_introspection_c__ROS_TYPE_DOUBLE, entry.type_id_);
      EXPECT_FALSE(entry.is_array_);
      break;
    case Kind::STRING:
      EXPECT_EQ(rosidl_typesupport_introspection_c__ROS_TYPE_STRING, entry.type_id_);
      EXPECT_FALSE(entry.is_array_);
      break;
    case Kind::FLOAT64_SEQUENCE:
      EXPECT_EQ(rosidl_typesupport_introspection_c__ROS_TYPE_DOUBLE, entry.type_id_);
      EXPECT_TRUE(entry.is_array_);
      EXPECT_EQ(0u, entry.array_size_);
      EXPECT_FALSE(entry.is_upper_bound_);
      break;
  }
}

TEST(MemberTables, MatchTheCDescriptorsInNameOrderAndKind)
{
  for (const TableCase & message : table_cases()) {
    SCOPED_TRACE(message.message);
    const auto & members = *static_cast<const rosidl_typesupport_introspection_c__MessageMembers *>(
      message.c_getter()->data);
    ASSERT_EQ(message.table.size(), members.member_count_);
    for (size_t k = 0; k < message.table.size(); ++k) {
      SCOPED_TRACE(message.table[k].name);
      EXPECT_EQ(message.table[k].name, members.members_[k].name_);
      expect_kind(message.table[k].kind, members.members_[k]);
    }
  }
}

TEST(MemberTables, BothFormsListTheSameMembers)
{
  for (const TableCase & message : table_cases()) {
    SCOPED_TRACE(message.message);
    ASSERT_EQ(message.table.size(), message.table_with_context.size());
    for (size_t k = 0; k < message.table.size(); ++k) {
      EXPECT_EQ(
        std::string(message.message) + "." + message.table[k].name,
        message.table_with_context[k].name);
      EXPECT_EQ(message.table[k].kind, message.table_with_context[k].kind);
    }
  }
}

/// Size and alignment in a C record of a member that a C descriptor describes.
std::pair<size_t, size_t> c_member_layout(
  const rosidl_typesupport_introspection_c__MessageMember & entry)
{
  if (entry.is_array_) {
    return {sizeof(rosidl_runtime_c__double__Sequence),
      alignof(rosidl_runtime_c__double__Sequence)};
  }
  switch (entry.type_id_) {
    case rosidl_typesupport_introspection_c__ROS_TYPE_BOOLEAN:
      return {sizeof(bool), alignof(bool)};
    case rosidl_typesupport_introspection_c__ROS_TYPE_INT32:
      return {sizeof(int32_t), alignof(int32_t)};
    case rosidl_typesupport_introspection_c__ROS_TYPE_DOUBLE:
      return {sizeof(double), alignof(double)};
    case rosidl_typesupport_introspection_c__ROS_TYPE_STRING:
      return {sizeof(rosidl_runtime_c__String), alignof(rosidl_runtime_c__String)};
  }
  ADD_FAILURE() << "unexpected type id " << static_cast<int>(entry.type_id_);
  return {0, 1};
}

size_t align_up(size_t position, size_t alignment)
{
  return (position + alignment - 1) / alignment * alignment;
}

TEST(MemberTables, DescribeTheWholeCRecordInItsOrder)
{
  for (const TableCase & message : table_cases()) {
    SCOPED_TRACE(message.message);
    const auto & members = *static_cast<const rosidl_typesupport_introspection_c__MessageMembers *>(
      message.c_getter()->data);
    // Each member starts where the one before it ends, plus only the padding its alignment asks
    // for; the record ends after the last, plus only the padding of the widest alignment.
    size_t end = 0;
    size_t record_alignment = 1;
    for (uint32_t k = 0; k < members.member_count_; ++k) {
      SCOPED_TRACE(members.members_[k].name_);
      const auto layout = c_member_layout(members.members_[k]);
      EXPECT_EQ(align_up(end, layout.second), members.members_[k].offset_);
      end = members.members_[k].offset_ + layout.first;
      record_alignment = std::max(record_alignment, layout.second);
    }
    EXPECT_EQ(align_up(end, record_alignment), members.size_of_);
  }
}

}  // namespace
