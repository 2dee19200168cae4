// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// The member tables (*__members.h), which the libraries expand, against the C introspection
// library's descriptors, which are written member by member from the C records: a table that
// drifts from the records (a member missing, added, moved or of another kind) fails here.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quorvex/srv/detail/plan_motion__members.h"
#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_introspection_c.h"
#include "quorvex/srv/detail/solve_ik__members.h"
#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_introspection_c.h"
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

struct TableCase
{
  const char * message;
  std::vector<TableEntry> table;
  const rosidl_message_type_support_t * (* c_getter)();
};

const std::vector<TableCase> & table_cases()
{
  static const std::vector<TableCase> cases{
    {"PlanMotion_Request",
      {QUORVEX_PLAN_MOTION_REQUEST_MEMBERS(QUORVEX_TEST_TABLE_ENTRY)},
      ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
        rosidl_typesupport_introspection_c, quorvex, srv, PlanMotion_Request)},
    {"PlanMotion_Response",
      {QUORVEX_PLAN_MOTION_RESPONSE_MEMBERS(QUORVEX_TEST_TABLE_ENTRY)},
      ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
        rosidl_typesupport_introspection_c, quorvex, srv, PlanMotion_Response)},
    {"SolveIK_Request",
      {QUORVEX_SOLVE_IK_REQUEST_MEMBERS(QUORVEX_TEST_TABLE_ENTRY)},
      ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
        rosidl_typesupport_introspection_c, quorvex, srv, SolveIK_Request)},
    {"SolveIK_Response",
      {QUORVEX_SOLVE_IK_RESPONSE_MEMBERS(QUORVEX_TEST_TABLE_ENTRY)},
      ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
        rosidl_typesupport_introspection_c, quorvex, srv, SolveIK_Response)},
  };
  return cases;
}

#undef QUORVEX_TEST_TABLE_ENTRY

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

}  // namespace
