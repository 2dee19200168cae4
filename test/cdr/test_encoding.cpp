// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// Byte layouts in both byte orders, round trips, and the reading and writing of single members.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "cdr_members.hpp"
#include "cdr_test_support.hpp"
#include "fastcdr/exceptions/BadParamException.h"
#include "fastcdr/exceptions/NotEnoughMemoryException.h"

namespace
{

using cdr_test::PlanMotion_Request;
using cdr_test::PlanMotion_Response;
using cdr_test::SolveIK_Request;
using cdr_test::SolveIK_Response;
using cdr_test::Stream;
using eprosima::fastcdr::exception::BadParamException;
using eprosima::fastcdr::exception::NotEnoughMemoryException;
using quorvex::srv::typesupport_fastrtps_cpp::cdr_deserialize;
using quorvex::srv::typesupport_fastrtps_cpp::cdr_serialize;

/// Writes `message` from the origin of a stream of `capacity` bytes; returns what was written.
template<typename Message>
std::vector<uint8_t> encode(const Message & message, bool big_endian, size_t capacity = 4096)
{
  Stream stream(capacity, big_endian);
  EXPECT_TRUE(cdr_serialize(message, stream.cdr));
  return stream.written();
}

/// Expects `actual` to equal `reference` wherever the reference's bytes carry meaning.
void expect_layout(const std::vector<uint8_t> & actual, const cdr_test::Reference & reference)
{
  ASSERT_EQ(reference.bytes().size(), actual.size());
  for (size_t i = reference.start(); i < actual.size(); ++i) {
    if (reference.meaningful()[i]) {
      EXPECT_EQ(reference.bytes()[i], actual[i]) << "at byte " << i;
    }
  }
}

std::vector<uint8_t> hex(std::initializer_list<int> bytes)
{
  return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

// Padding bytes are compared too here: the stream leaves a zeroed buffer untouched there.
TEST(CdrLayout, SmallRecordsLittleEndian)
{
  SolveIK_Response response;
  response.success = true;
  EXPECT_EQ(
    hex({1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0}),
    encode(response, false));

  PlanMotion_Request request;
  EXPECT_EQ(hex({0, 0, 0, 0, 0, 0, 0, 0}), encode(request, false));
  request.start_joints = {1.0};
  EXPECT_EQ(
    hex({1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F, 0, 0, 0, 0}),
    encode(request, false));
}

TEST(CdrLayout, EmptyRecordPositions)
{
  SolveIK_Request solve;
  solve.max_contact_poses = 0x01020304;
  solve.return_seeds = 0x05060708;
  solve.conform_samples = -2;
  solve.position_tolerance = 1.0;
  solve.orientation_tolerance = 2.0;
  solve.orientation_sample_range_deg = 4.0;
  solve.orientation_sample_step_deg = 8.0;
  solve.accept_feasible_path = true;
  solve.max_joint_jump_rad = -1.0;
  const std::vector<uint8_t> bytes = encode(solve, false);
  ASSERT_EQ(88u, bytes.size());
  for (size_t at : {0u, 8u, 24u}) {
    EXPECT_EQ(hex({1, 0, 0, 0, 0}), std::vector<uint8_t>(&bytes[at], &bytes[at + 5])) << at;
  }
  EXPECT_EQ(hex({4, 3, 2, 1}), std::vector<uint8_t>(&bytes[16], &bytes[20]));
  EXPECT_EQ(hex({8, 7, 6, 5}), std::vector<uint8_t>(&bytes[20], &bytes[24]));
  EXPECT_EQ(hex({0xFE, 0xFF, 0xFF, 0xFF}), std::vector<uint8_t>(&bytes[48], &bytes[52]));
  EXPECT_EQ(0x3F, bytes[39]);  // 1.0
  EXPECT_EQ(0x40, bytes[47]);  // 2.0
  EXPECT_EQ(0x40, bytes[63]);  // 4.0
  EXPECT_EQ(0x40, bytes[71]);  // 8.0
  EXPECT_EQ(1, bytes[72]);
  EXPECT_EQ(0xBF, bytes[87]);  // -1.0

  PlanMotion_Response plan;
  plan.success = true;
  plan.n_points = 2;
  plan.n_joints = 3;
  const std::vector<uint8_t> plan_bytes = encode(plan, false);
  ASSERT_EQ(36u, plan_bytes.size());
  EXPECT_EQ(1, plan_bytes[0]);
  EXPECT_EQ(1, plan_bytes[4]);  // length of the empty message
  for (size_t at : {12u, 16u, 20u, 24u}) {
    EXPECT_EQ(hex({0, 0, 0, 0}), std::vector<uint8_t>(&plan_bytes[at], &plan_bytes[at + 4]));
  }
  EXPECT_EQ(2, plan_bytes[28]);
  EXPECT_EQ(3, plan_bytes[32]);
}

template<typename Message>
class CdrMessage : public ::testing::Test {};
TYPED_TEST_SUITE(CdrMessage, cdr_test::AllMessages);

// Random records against the reference encoding, in both byte orders and from every start
// 0..15; then read back, with the padding filled with junk that the reader must pass over.
TYPED_TEST(CdrMessage, RandomRecordsMatchReferenceAndRoundTrip)
{
  cdr_test::RandomFill fill(20260);
  for (int round = 0; round < 200; ++round) {
    const TypeParam original = fill.record<TypeParam>();
    const bool big_endian = round % 2 == 1;
    const size_t start = static_cast<size_t>(round) % 16;
    const cdr_test::Reference reference = cdr_test::reference_encoding(original, big_endian, start);

    Stream out(reference.bytes().size(), big_endian);
    ASSERT_TRUE(out.cdr.jump(start));
    ASSERT_TRUE(cdr_serialize(original, out.cdr));
    expect_layout(out.written(), reference);

    Stream in(reference.with_padding(0xA5), big_endian);
    ASSERT_TRUE(in.cdr.jump(start));
    TypeParam decoded = fill.record<TypeParam>();
    ASSERT_TRUE(cdr_deserialize(in.cdr, decoded));
    EXPECT_EQ(original, decoded) << "round " << round;
    EXPECT_EQ(reference.bytes().size(), in.position());
    if (::testing::Test::HasFailure()) {
      return;
    }
  }
}

TEST(CdrMembers, BoolReadsEveryNonZeroByteAsTrue)
{
  Stream in(hex({2, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0}), false);
  SolveIK_Response response;
  ASSERT_TRUE(cdr_deserialize(in.cdr, response));
  EXPECT_TRUE(response.success);
  EXPECT_EQ(1, encode(response, false)[0]);
}

TEST(CdrMembers, StringKeepsBytesAfterAnInnerNulThatAnotherWriterSent)
{
  // Length 4: "a", NUL, "b" and the terminating NUL.
  Stream in(hex({0, 0, 0, 0, 4, 0, 0, 0, 'a', 0, 'b', 0, 1, 0, 0, 0, 0}), false);
  SolveIK_Response response;
  response.report_json = "old";
  ASSERT_TRUE(cdr_deserialize(in.cdr, response));
  EXPECT_EQ(std::string("a\0b", 3), response.summary);
  EXPECT_EQ("", response.report_json);
}

TEST(CdrMembers, ZeroCountEmptiesVectorAndKeepsItsStorage)
{
  PlanMotion_Request request;
  request.start_joints.assign(100, 1.0);
  request.goal_joints = {2.0};
  const size_t capacity = request.start_joints.capacity();
  Stream in(hex({0, 0, 0, 0, 0, 0, 0, 0}), false);
  ASSERT_TRUE(cdr_deserialize(in.cdr, request));
  EXPECT_TRUE(request.start_joints.empty());
  EXPECT_TRUE(request.goal_joints.empty());
  EXPECT_EQ(capacity, request.start_joints.capacity());
}

// Each string member in turn holds a NUL byte: nothing of it is written, the members before it
// are, and the exception names the member.
TEST(CdrMembers, StringWithInnerNulIsRefusedNamingTheMember)
{
  struct Case
  {
    const char * name;
    std::string SolveIK_Request::* member;
    size_t written_before;
  };
  const Case cases[] = {
    {"SolveIK_Request.pose_info_path", &SolveIK_Request::pose_info_path, 0},
    {"SolveIK_Request.stage_subset", &SolveIK_Request::stage_subset, 5},
    {"SolveIK_Request.tool_type", &SolveIK_Request::tool_type, 24},
  };
  for (const Case & c : cases) {
    SolveIK_Request request;
    request.*c.member = std::string("ab\0c", 4);
    Stream out(256, false);
    try {
      cdr_serialize(request, out.cdr);
      ADD_FAILURE() << c.name << " was written";
    } catch (const BadParamException & e) {
      EXPECT_NE(nullptr, std::strstr(e.what(), c.name)) << e.what();
    }
    EXPECT_EQ(c.written_before, out.position()) << c.name;
  }

  SolveIK_Response response;
  response.report_json = std::string("\0", 1);
  Stream out(256, true);
  EXPECT_THROW(cdr_serialize(response, out.cdr), BadParamException);
  EXPECT_EQ(9u, out.position());

  PlanMotion_Response plan;
  plan.message = std::string("x\0", 2);
  Stream plan_out(256, false);
  try {
    cdr_serialize(plan, plan_out.cdr);
    ADD_FAILURE() << "message was written";
  } catch (const BadParamException & e) {
    EXPECT_NE(nullptr, std::strstr(e.what(), "PlanMotion_Response.message")) << e.what();
  }
  EXPECT_EQ(1u, plan_out.position());
}

// The length field holds the length plus the NUL, the count field the element count, in 32 bits.
// Records that reach these limits need gigabytes, so the limits are checked on their own.
TEST(CdrMembers, LengthAndCountLimitsOfTheFormat)
{
  namespace ts = quorvex::srv::typesupport_fastrtps_cpp;
  const ts::StringMember member = QUORVEX_CDR_STRING_MEMBER(SolveIK_Request, tool_type);
  const size_t u32_max = std::numeric_limits<uint32_t>::max();
  EXPECT_NO_THROW(ts::check_string_length(u32_max - 1, member));
  try {
    ts::check_string_length(u32_max, member);
    ADD_FAILURE() << "a string of 2^32 - 1 bytes passed";
  } catch (const BadParamException & e) {
    EXPECT_NE(nullptr, std::strstr(e.what(), "SolveIK_Request.tool_type")) << e.what();
  }
  EXPECT_THROW(
    ts::check_string_length(std::numeric_limits<size_t>::max(), member), BadParamException);

  const char * sequence = QUORVEX_CDR_SEQUENCE_MEMBER(PlanMotion_Request, goal_joints);
  EXPECT_NO_THROW(ts::check_sequence_count(u32_max, sequence));
  try {
    ts::check_sequence_count(u32_max + 1, sequence);
    ADD_FAILURE() << "a sequence of 2^32 elements passed";
  } catch (const BadParamException & e) {
    EXPECT_NE(nullptr, std::strstr(e.what(), "PlanMotion_Request.goal_joints")) << e.what();
  }
}

}  // namespace
