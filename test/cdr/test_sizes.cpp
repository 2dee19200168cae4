// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// Serialized sizes and size bounds.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "cdr_test_support.hpp"

namespace
{

using cdr_test::PlanMotion_Request;
using cdr_test::PlanMotion_Response;
using cdr_test::SolveIK_Request;
using cdr_test::SolveIK_Response;
using cdr_test::Stream;
using quorvex::srv::typesupport_fastrtps_cpp::cdr_serialize;
using quorvex::srv::typesupport_fastrtps_cpp::get_serialized_size;

template<typename Message>
class CdrSize : public ::testing::Test {};
TYPED_TEST_SUITE(CdrSize, cdr_test::AllMessages);

// Against the counting model for random records (empty sequences included) and starts that
// cover every residue mod 8, including starts that wrap at the top of the 64-bit range.
TYPED_TEST(CdrSize, MatchesModelFromEveryStart)
{
  cdr_test::RandomFill fill(3);
  const size_t top = std::numeric_limits<size_t>::max();
  for (int round = 0; round < 100; ++round) {
    const TypeParam message = fill.record<TypeParam>();
    for (const size_t start : {size_t{0}, size_t{1}, size_t{2}, size_t{3}, size_t{4}, size_t{5},
        size_t{6}, size_t{7}, size_t{8}, size_t{4099}, top - 6, top})
    {
      EXPECT_EQ(cdr_test::model_size(message, start), get_serialized_size(message, start))
        << "start " << start;
      EXPECT_EQ(get_serialized_size(message, start % 8), get_serialized_size(message, start));
    }
  }
}

// Without empty sequences and NUL bytes the size is exactly what the writer writes.
TYPED_TEST(CdrSize, EqualsBytesWrittenWhenNoSequenceIsEmpty)
{
  cdr_test::RandomFill fill(5);
  fill.allow_empty = false;
  for (int round = 0; round < 100; ++round) {
    const TypeParam message = fill.record<TypeParam>();
    for (size_t start = 0; start < 8; ++start) {
      Stream out(4096, round % 2 == 1);
      ASSERT_TRUE(out.cdr.jump(start));
      ASSERT_TRUE(cdr_serialize(message, out.cdr));
      EXPECT_EQ(out.position() - start, get_serialized_size(message, start)) << start;
    }
  }
}

TYPED_TEST(CdrSize, BoundForStartsZeroToSeven)
{
  // Rows by message: SolveIK_Request, SolveIK_Response, PlanMotion_Request, PlanMotion_Response.
  const std::vector<std::vector<size_t>> table = {
    {88, 95, 94, 93, 92, 91, 90, 89},
    {17, 16, 15, 14, 17, 16, 15, 14},
    {16, 15, 14, 13, 12, 19, 18, 17},
    {48, 47, 46, 45, 52, 51, 50, 49},
  };
  const std::string name = cdr_test::MessageInfo<TypeParam>::name;
  const size_t row = name == "SolveIK_Request" ? 0 : name == "SolveIK_Response" ? 1 :
    name == "PlanMotion_Request" ? 2 : 3;
  const TypeParam empty;
  for (size_t start = 0; start < 16; ++start) {
    bool full_bounded = true;
    bool is_plain = true;
    EXPECT_EQ(
      table[row][start % 8],
      cdr_test::MessageInfo<TypeParam>::max_size(full_bounded, is_plain, start)) << start;
    EXPECT_FALSE(full_bounded);
    EXPECT_FALSE(is_plain);
    EXPECT_EQ(table[row][start % 8], get_serialized_size(empty, start)) << start;
  }
}

TEST(CdrSizeExamples, SolveIK)
{
  SolveIK_Response response;
  for (const size_t length : {0u, 1u, 2u, 3u}) {
    response.summary.assign(length, 's');
    EXPECT_EQ(17u, get_serialized_size(response, 0)) << length;
  }
  response.summary = "abcd";
  EXPECT_EQ(21u, get_serialized_size(response, 0));
  response.report_json.assign(10, 'j');
  EXPECT_EQ(31u, get_serialized_size(response, 0));

  SolveIK_Request request;
  EXPECT_EQ(88u, get_serialized_size(request, 0));
  EXPECT_EQ(95u, get_serialized_size(request, 1));
  request.pose_info_path.assign(20, 'p');
  request.tool_type.assign(6, 't');
  EXPECT_EQ(112u, get_serialized_size(request, 0));

  // A string with an inner NUL counts its full length; the writer refuses it.
  response.summary = std::string("a\0b", 3);
  response.report_json.clear();
  EXPECT_EQ(17u, get_serialized_size(response, 0));
}

TEST(CdrSizeExamples, PlanMotion)
{
  PlanMotion_Request request;
  EXPECT_EQ(12u, get_serialized_size(request, 4));
  EXPECT_EQ(19u, get_serialized_size(request, 5));
  EXPECT_EQ(16u, get_serialized_size(request, 8));
  request.start_joints.assign(6, 0.5);
  request.goal_joints.assign(6, 0.25);
  EXPECT_EQ(112u, get_serialized_size(request, 0));
  EXPECT_EQ(109u, get_serialized_size(request, 3));

  PlanMotion_Response response;
  for (const size_t length : {0u, 2u, 3u}) {
    response.message.assign(length, 'm');
    EXPECT_EQ(48u, get_serialized_size(response, 0)) << length;
  }
  for (const size_t length : {6u, 7u, 11u}) {
    response.message.assign(length, 'm');
    EXPECT_EQ(56u, get_serialized_size(response, 0)) << length;
  }
  response.message.assign(4, 'm');
  response.waypoints_flat = {1.0};
  EXPECT_EQ(64u, get_serialized_size(response, 0));

  response.message.assign(7, 'm');
  response.waypoints_flat.assign(60, 1.0);
  response.velocities_flat.assign(60, 1.0);
  response.accelerations_flat.assign(60, 1.0);
  response.time_from_start.assign(10, 1.0);
  EXPECT_EQ(1576u, get_serialized_size(response, 0));
}

}  // namespace
