// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// The API that node code writes against: setters, the named-field builder, the pointer aliases,
// the traits and the deprecated names. The setters and the builder are driven by the member
// tables, so these calls compile only while both follow the tables' members and order.

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "cdr_test_support.hpp"
#include "quorvex/srv/detail/plan_motion__members.h"
#include "quorvex/srv/detail/solve_ik__members.h"

namespace
{

using cdr_test::PlanMotion_Request;
using cdr_test::PlanMotion_Response;
using cdr_test::SolveIK_Request;
using cdr_test::SolveIK_Response;
namespace traits = rosidl_generator_traits;

#define SET_FROM_SOURCE(member, KIND) .set__ ## member(source.member)
#define STEP_FROM_SOURCE(member, KIND) .member(source.member)

/// Fills a record through its setters and through its builder, member by member in table order.
template<typename Message>
struct ThroughTable;

#define THROUGH_TABLE(Message, MEMBERS) \
  template<> \
  struct ThroughTable<Message> \
  { \
    static Message & set(Message & target, const Message & source) \
    { \
      return target MEMBERS(SET_FROM_SOURCE); \
    } \
    static Message build(const Message & source) \
    { \
      return quorvex::build<Message>() MEMBERS(STEP_FROM_SOURCE); \
    } \
  };

THROUGH_TABLE(SolveIK_Request, QUORVEX_SOLVE_IK_REQUEST_MEMBERS)
THROUGH_TABLE(SolveIK_Response, QUORVEX_SOLVE_IK_RESPONSE_MEMBERS)
THROUGH_TABLE(PlanMotion_Request, QUORVEX_PLAN_MOTION_REQUEST_MEMBERS)
THROUGH_TABLE(PlanMotion_Response, QUORVEX_PLAN_MOTION_RESPONSE_MEMBERS)

template<typename Message>
class CppApi : public ::testing::Test {};
TYPED_TEST_SUITE(CppApi, cdr_test::AllMessages);

TYPED_TEST(CppApi, SettersAssignAndChainOnTheSameRecord)
{
  cdr_test::RandomFill fill(41);
  fill.allow_empty = false;
  for (int round = 0; round < 20; ++round) {
    const TypeParam source = fill.record<TypeParam>();
    // Over a record that already holds other values, so that a setter that missed its member
    // (or set a copy) leaves a difference.
    TypeParam target = fill.record<TypeParam>();
    TypeParam & result = ThroughTable<TypeParam>::set(target, source);
    EXPECT_EQ(&target, &result);
    EXPECT_EQ(source, target);
  }
}

TYPED_TEST(CppApi, BuilderGivesTheRecordFilledMemberByMember)
{
  // RandomFill sets the members one by one through their pointers-to-member.
  cdr_test::RandomFill fill(42);
  for (int round = 0; round < 20; ++round) {
    const TypeParam source = fill.record<TypeParam>();
    EXPECT_EQ(source, ThroughTable<TypeParam>::build(source));
  }
}

TEST(CppApiBuilder, StepsMoveTheirArgumentsAndTheRecord)
{
  // A trajectory handed in as an rvalue ends up in the record without a copy at any step.
  std::vector<double> waypoints(10000, 0.25);
  std::string message(1000, 'm');
  const double * const waypoints_data = waypoints.data();
  const char * const message_data = message.data();
  const PlanMotion_Response response = quorvex::build<PlanMotion_Response>()
    .success(true)
    .message(std::move(message))
    .waypoints_flat(std::move(waypoints))
    .velocities_flat({})
    .accelerations_flat({})
    .time_from_start({0.0})
    .n_points(1)
    .n_joints(10000);
  EXPECT_EQ(waypoints_data, response.waypoints_flat.data());
  EXPECT_EQ(message_data, response.message.data());
  EXPECT_EQ(10000u, response.waypoints_flat.size());
  EXPECT_EQ(std::vector<double>{0.0}, response.time_from_start);
  EXPECT_EQ(10000, response.n_joints);
}

TEST(CppApiBuilder, OnlyTheFirstStepCanBeMadeByTheCaller)
{
  using quorvex::srv::builder::Init_PlanMotion_Request_goal_joints;
  using quorvex::srv::builder::Init_PlanMotion_Request_start_joints;
  using quorvex::srv::builder::Init_SolveIK_Response_report_json;
  using quorvex::srv::builder::Init_SolveIK_Response_success;
  static_assert(std::is_default_constructible<Init_PlanMotion_Request_start_joints>::value, "");
  static_assert(std::is_default_constructible<Init_SolveIK_Response_success>::value, "");
  // A later step made directly, or from a record, would skip the members before it.
  static_assert(!std::is_default_constructible<Init_PlanMotion_Request_goal_joints>::value, "");
  static_assert(!std::is_default_constructible<Init_SolveIK_Response_report_json>::value, "");
  static_assert(
    !std::is_constructible<Init_PlanMotion_Request_goal_joints, PlanMotion_Request &&>::value, "");
  static_assert(
    !std::is_constructible<Init_PlanMotion_Request_start_joints, PlanMotion_Request &&>::value,
    "");
  // Each call gives the next step, and the last one the record.
  static_assert(
    std::is_same <
    decltype(Init_PlanMotion_Request_start_joints().start_joints({})),
    Init_PlanMotion_Request_goal_joints > ::value, "");
  static_assert(
    std::is_same <
    decltype(quorvex::build<PlanMotion_Request>().start_joints({}).goal_joints({})),
    PlanMotion_Request > ::value, "");
  // Steps are consumed: a step held in a variable must be moved to be called.
  using Held = Init_PlanMotion_Request_start_joints &;
  static_assert(
    !std::is_invocable<
      decltype(&Init_PlanMotion_Request_start_joints::start_joints), Held,
      PlanMotion_Request::_start_joints_type>::value, "");
}

/// Which of the kind traits hold for T, e.g. "message request".
template<typename T>
std::string kinds()
{
  std::string result;
  const auto add = [&result](bool holds, const char * kind) {
      if (holds) {
        result += result.empty() ? kind : std::string(" ") + kind;
      }
    };
  add(traits::is_message<T>::value, "message");
  add(traits::is_service<T>::value, "service");
  add(traits::is_service_request<T>::value, "request");
  add(traits::is_service_response<T>::value, "response");
  return result;
}

TEST(CppApiTraits, EachTypeIsExactlyWhatItIs)
{
  EXPECT_EQ("message request", kinds<SolveIK_Request>());
  EXPECT_EQ("message response", kinds<SolveIK_Response>());
  EXPECT_EQ("message request", kinds<PlanMotion_Request>());
  EXPECT_EQ("message response", kinds<PlanMotion_Response>());
  EXPECT_EQ("service", kinds<quorvex::srv::SolveIK>());
  EXPECT_EQ("service", kinds<quorvex::srv::PlanMotion>());

  static_assert(!traits::has_fixed_size<quorvex::srv::SolveIK>::value, "unbounded strings");
  static_assert(!traits::has_bounded_size<quorvex::srv::SolveIK>::value, "unbounded strings");
  EXPECT_STREQ("quorvex::srv::SolveIK", traits::data_type<quorvex::srv::SolveIK>());
  EXPECT_STREQ("quorvex/srv/SolveIK", traits::name<quorvex::srv::SolveIK>());
  EXPECT_STREQ("quorvex::srv::PlanMotion", traits::data_type<quorvex::srv::PlanMotion>());
}

// What code written against the older names gets: the same types and the same text.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

TYPED_TEST(CppApi, PointerAliases)
{
  static_assert(std::is_same<typename TypeParam::RawPtr, TypeParam *>::value, "");
  static_assert(std::is_same<typename TypeParam::ConstRawPtr, const TypeParam *>::value, "");
  static_assert(std::is_same<typename TypeParam::Ptr, typename TypeParam::SharedPtr>::value, "");
  static_assert(
    std::is_same<typename TypeParam::ConstPtr, std::shared_ptr<const TypeParam>>::value, "");
  static_assert(
    std::is_same<
      typename TypeParam::template UniquePtrWithDeleter<void (*)(TypeParam *)>,
      std::unique_ptr<TypeParam, void (*)(TypeParam *)>>::value, "");
  static_assert(
    std::is_same<typename TypeParam::ConstWeakPtr, std::weak_ptr<const TypeParam>>::value, "");
}

TYPED_TEST(CppApi, DeprecatedYamlGivesTheSameText)
{
  cdr_test::RandomFill fill(43);
  for (int round = 0; round < 5; ++round) {
    const TypeParam msg = fill.record<TypeParam>();
    EXPECT_EQ(quorvex::srv::to_yaml(msg), traits::to_yaml(msg));
    for (const size_t indentation : {0u, 3u}) {
      std::ostringstream deprecated;
      std::ostringstream current;
      traits::to_yaml(msg, deprecated, indentation);
      quorvex::srv::to_block_style_yaml(msg, current, indentation);
      EXPECT_EQ(current.str(), deprecated.str()) << "indentation " << indentation;
    }
  }
}

#pragma GCC diagnostic pop

}  // namespace
