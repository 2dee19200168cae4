// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// What the C++ records give beyond their data members: construction, comparison, traits, YAML.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "cdr_test_support.hpp"

namespace
{

using cdr_test::PlanMotion_Request;
using cdr_test::PlanMotion_Response;
using cdr_test::SolveIK_Request;
using cdr_test::SolveIK_Response;
namespace traits = rosidl_generator_traits;

/// Changes one member value so that it differs from before.
struct Change
{
  void operator()(bool & value) const {value = !value;}
  void operator()(int32_t & value) const {value += 1;}
  void operator()(double & value) const {value += 1.0;}
  void operator()(std::string & value) const {value += 'x';}
  void operator()(std::vector<double> & values) const {values.push_back(0.0);}
};

template<typename Message>
class CppRecord : public ::testing::Test {};
TYPED_TEST_SUITE(CppRecord, cdr_test::AllMessages);

TYPED_TEST(CppRecord, ComparisonSeesEveryMember)
{
  cdr_test::RandomFill fill(23);
  const TypeParam original = fill.record<TypeParam>();
  EXPECT_EQ(original, TypeParam(original));
  for (size_t changed = 0; changed < cdr_test::member_count<TypeParam>(); ++changed) {
    TypeParam other = original;
    cdr_test::for_each_member(
      other, [&](size_t index, auto & value) {
        if (index == changed) {
          Change()(value);
        }
      });
    EXPECT_TRUE(original != other) << "member " << changed;
    EXPECT_FALSE(original == other) << "member " << changed;
  }
}

TYPED_TEST(CppRecord, ZeroInitialisedAndTraits)
{
  const TypeParam zeroed(rosidl_runtime_cpp::MessageInitialization::ZERO);
  TypeParam with_allocator(std::allocator<void>{});
  EXPECT_EQ(TypeParam(), zeroed);
  EXPECT_EQ(zeroed, with_allocator);
  cdr_test::for_each_member(
    zeroed, [](size_t index, const auto & value) {
      EXPECT_EQ(std::decay_t<decltype(value)>{}, value) << "member " << index;
    });

  using Info = cdr_test::MessageInfo<TypeParam>;
  EXPECT_EQ(std::string("quorvex/srv/") + Info::name, traits::name<TypeParam>());
  EXPECT_EQ(std::string("quorvex::srv::") + Info::name, traits::data_type<TypeParam>());
  static_assert(traits::is_message<TypeParam>::value, "a message");
  static_assert(!traits::has_fixed_size<TypeParam>::value, "unbounded members");
  static_assert(!traits::has_bounded_size<TypeParam>::value, "unbounded members");
  static_assert(
    std::is_same<typename TypeParam::SharedPtr, std::shared_ptr<TypeParam>>::value, "alias");
  static_assert(
    std::is_same<typename TypeParam::ConstUniquePtr::element_type, const TypeParam>::value,
    "alias");
}

TEST(CppRecordService, ServiceTypesNameTheirMessages)
{
  static_assert(traits::is_service<quorvex::srv::SolveIK>::value, "a service");
  static_assert(traits::is_service<quorvex::srv::PlanMotion>::value, "a service");
  static_assert(std::is_same<quorvex::srv::SolveIK::Request, SolveIK_Request>::value, "request");
  static_assert(
    std::is_same<quorvex::srv::PlanMotion::Response, PlanMotion_Response>::value, "response");
  static_assert(!traits::has_bounded_size<quorvex::srv::PlanMotion>::value, "unbounded");
  EXPECT_STREQ("quorvex/srv/PlanMotion", traits::name<quorvex::srv::PlanMotion>());
}

TEST(CppRecordYaml, FlowAndBlockStyle)
{
  PlanMotion_Response response;
  response.success = true;
  response.message = "say \"hi\"";
  response.waypoints_flat = {1.5, -2.0};
  response.n_points = 1;
  response.n_joints = 2;
  EXPECT_EQ(
    "{success: true, message: \"say \\\"hi\\\"\", waypoints_flat: [1.50000, -2.00000], "
    "velocities_flat: [], accelerations_flat: [], time_from_start: [], n_points: 1, "
    "n_joints: 2}",
    quorvex::srv::to_yaml(response, true));
  EXPECT_EQ(
    "success: true\n"
    "message: \"say \\\"hi\\\"\"\n"
    "waypoints_flat:\n"
    "- 1.50000\n"
    "- -2.00000\n"
    "velocities_flat: []\n"
    "accelerations_flat: []\n"
    "time_from_start: []\n"
    "n_points: 1\n"
    "n_joints: 2\n",
    quorvex::srv::to_yaml(response));

  SolveIK_Response solve;
  std::ostringstream indented;
  quorvex::srv::to_block_style_yaml(solve, indented, 2);
  EXPECT_EQ("  success: false\n  summary: \"\"\n  report_json: \"\"\n", indented.str());
}

}  // namespace
