// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "allocator_probe.hpp"
#include "record_traits.hpp"

using record_traits::Record;

template<typename T>
class Lifecycle : public ::testing::Test {};
TYPED_TEST_SUITE(Lifecycle, record_traits::AllMessages, record_traits::MessageName);

TYPED_TEST(Lifecycle, CreatedRecordsAreZeroedAndEqual)
{
  using T = TypeParam;
  typename T::Msg * a = T::create();
  typename T::Msg * b = T::create();
  ASSERT_NE(nullptr, a);
  ASSERT_NE(nullptr, b);
  EXPECT_TRUE(T::are_equal(a, b));
  // Same as zero-filled storage brought to life: scalars zero, strings and sequences empty.
  Record<T> zeroed;
  for (const auto & member : T::members()) {
    EXPECT_TRUE(member.same(*a, zeroed.msg)) << member.name;
  }
  T::destroy(a);
  T::destroy(b);
}

TYPED_TEST(Lifecycle, NullPointersAreRefused)
{
  using T = TypeParam;
  Record<T> record(1);
  EXPECT_FALSE(T::init(nullptr));
  T::fini(nullptr);
  EXPECT_FALSE(T::are_equal(&record.msg, nullptr));
  EXPECT_FALSE(T::are_equal(nullptr, &record.msg));
  EXPECT_FALSE(T::are_equal(nullptr, nullptr));
  EXPECT_FALSE(T::copy(&record.msg, nullptr));
  EXPECT_FALSE(T::copy(nullptr, &record.msg));

  allocator_probe::Armed count(-1);
  T::destroy(nullptr);
  EXPECT_EQ(1, allocator_probe::null_deallocations());
}

TYPED_TEST(Lifecycle, CopyReproducesEveryMember)
{
  using T = TypeParam;
  for (const int output_seed : {0, 1, 3}) {
    Record<T> input(2);
    Record<T> output(output_seed);
    ASSERT_TRUE(T::copy(&input.msg, &output.msg));
    EXPECT_TRUE(T::are_equal(&input.msg, &output.msg));
    for (const auto & member : T::members()) {
      EXPECT_TRUE(member.same(input.msg, output.msg)) << member.name << " from " << output_seed;
    }
  }
}

TYPED_TEST(Lifecycle, EveryMemberTakesPartInComparison)
{
  using T = TypeParam;
  for (const auto & member : T::members()) {
    Record<T> a(1);
    Record<T> b(1);
    ASSERT_TRUE(T::are_equal(&a.msg, &b.msg));
    member.change(b.msg);
    EXPECT_FALSE(T::are_equal(&a.msg, &b.msg)) << member.name;
    EXPECT_FALSE(T::are_equal(&b.msg, &a.msg)) << member.name;
  }
}

TYPED_TEST(Lifecycle, CopyOntoItselfChangesNothing)
{
  using T = TypeParam;
  Record<T> record(2);
  Record<T> before(2);
  {
    allocator_probe::Armed count(-1);
    EXPECT_TRUE(T::copy(&record.msg, &record.msg));
    EXPECT_EQ(0, allocator_probe::allocating_calls());
  }
  for (const auto & member : T::members()) {
    EXPECT_TRUE(member.same(record.msg, before.msg)) << member.name;
  }
}

TEST(SolveIKRequest, InitLeavesScalarMembersAlone)
{
  quorvex__srv__SolveIK_Request msg;
  std::memset(&msg, 0xA5, sizeof(msg));
  quorvex__srv__SolveIK_Request pattern;
  std::memset(&pattern, 0xA5, sizeof(pattern));
  ASSERT_TRUE(quorvex__srv__SolveIK_Request__init(&msg));
  EXPECT_EQ(0u, msg.pose_info_path.size);
  EXPECT_EQ(0u, msg.stage_subset.size);
  EXPECT_EQ(0u, msg.tool_type.size);
#define EXPECT_UNTOUCHED(member) \
  EXPECT_EQ(0, std::memcmp(&msg.member, &pattern.member, sizeof(msg.member))) << #member
  EXPECT_UNTOUCHED(max_contact_poses);
  EXPECT_UNTOUCHED(return_seeds);
  EXPECT_UNTOUCHED(position_tolerance);
  EXPECT_UNTOUCHED(orientation_tolerance);
  EXPECT_UNTOUCHED(conform_samples);
  EXPECT_UNTOUCHED(orientation_sample_range_deg);
  EXPECT_UNTOUCHED(orientation_sample_step_deg);
  EXPECT_UNTOUCHED(accept_feasible_path);
  EXPECT_UNTOUCHED(max_joint_jump_rad);
#undef EXPECT_UNTOUCHED
  quorvex__srv__SolveIK_Request__fini(&msg);
}

TEST(SolveIKRequest, FloatMembersCompareAsNumbers)
{
  Record<record_traits::SolveIKRequest> a(1);
  Record<record_traits::SolveIKRequest> b(1);
  a.msg.position_tolerance = 0.0;
  b.msg.position_tolerance = -0.0;
  EXPECT_TRUE(quorvex__srv__SolveIK_Request__are_equal(&a.msg, &b.msg));
  a.msg.position_tolerance = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(quorvex__srv__SolveIK_Request__are_equal(&a.msg, &a.msg));
}

TEST(PlanMotionResponse, CreatedRecordOwnsNoBuffers)
{
  quorvex__srv__PlanMotion_Response * msg = quorvex__srv__PlanMotion_Response__create();
  ASSERT_NE(nullptr, msg);
  EXPECT_FALSE(msg->success);
  EXPECT_EQ(0u, msg->message.size);
  for (const auto * seq : {&msg->waypoints_flat, &msg->velocities_flat,
      &msg->accelerations_flat, &msg->time_from_start})
  {
    EXPECT_EQ(nullptr, seq->data);
    EXPECT_EQ(0u, seq->size);
    EXPECT_EQ(0u, seq->capacity);
  }
  EXPECT_EQ(0, msg->n_points);
  EXPECT_EQ(0, msg->n_joints);
  quorvex__srv__PlanMotion_Response__destroy(msg);
}
