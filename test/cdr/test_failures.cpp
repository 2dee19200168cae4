// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// Truncated input, output buffers that cannot grow, and forged sequence counts.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "cdr_test_support.hpp"
#include "fastcdr/exceptions/NotEnoughMemoryException.h"

namespace
{

using cdr_test::PlanMotion_Request;
using cdr_test::PlanMotion_Response;
using cdr_test::Stream;
using eprosima::fastcdr::exception::NotEnoughMemoryException;
using quorvex::srv::typesupport_fastrtps_cpp::cdr_deserialize;
using quorvex::srv::typesupport_fastrtps_cpp::cdr_serialize;

/// Number of members that end within the first `length` bytes.
size_t members_complete(const cdr_test::Reference & reference, size_t length)
{
  size_t count = 0;
  while (count < reference.member_ends().size() && reference.member_ends()[count] <= length) {
    ++count;
  }
  return count;
}

template<typename Message>
class CdrFailure : public ::testing::Test {};
TYPED_TEST_SUITE(CdrFailure, cdr_test::AllMessages);

// Every proper prefix of an encoding: NotEnoughMemoryException, the members before the failing
// one decoded, those after it untouched, and the stream just after the last complete member
// (a failing string or sequence puts the stream back before its length or count).
TYPED_TEST(CdrFailure, TruncatedInputAtEveryLength)
{
  cdr_test::RandomFill fill(7);
  fill.allow_empty = false;
  for (const bool big_endian : {false, true}) {
    const TypeParam original = fill.record<TypeParam>();
    const TypeParam untouched = fill.record<TypeParam>();
    const cdr_test::Reference reference = cdr_test::reference_encoding(original, big_endian, 0);
    for (size_t length = 0; length < reference.bytes().size(); ++length) {
      std::vector<uint8_t> prefix(reference.bytes().begin(), reference.bytes().begin() + length);
      Stream in(prefix, big_endian);
      TypeParam decoded = untouched;
      EXPECT_THROW(cdr_deserialize(in.cdr, decoded), NotEnoughMemoryException) << length;

      const size_t complete = members_complete(reference, length);
      const size_t expected_position = complete == 0 ? 0 : reference.member_ends()[complete - 1];
      EXPECT_EQ(expected_position, in.position()) << "length " << length;
      for (size_t i = 0; i < cdr_test::member_count<TypeParam>(); ++i) {
        if (i < complete) {
          EXPECT_TRUE(cdr_test::member_equal(i, original, decoded)) << "member " << i;
        } else if (i > complete) {
          EXPECT_TRUE(cdr_test::member_equal(i, untouched, decoded)) << "member " << i;
        }
      }
      if (::testing::Test::HasFailure()) {
        return;
      }
    }
  }
}

// Every buffer shorter than the encoding: NotEnoughMemoryException, the complete members written
// as they should be, and the stream just after the last of them.
TYPED_TEST(CdrFailure, OutputBufferTooSmallAtEveryLength)
{
  cdr_test::RandomFill fill(11);
  fill.allow_empty = false;
  for (const bool big_endian : {false, true}) {
    const TypeParam message = fill.record<TypeParam>();
    const cdr_test::Reference reference = cdr_test::reference_encoding(message, big_endian, 0);
    for (size_t length = 0; length < reference.bytes().size(); ++length) {
      Stream out(length, big_endian);
      EXPECT_THROW(cdr_serialize(message, out.cdr), NotEnoughMemoryException) << length;

      const size_t complete = members_complete(reference, length);
      const size_t expected_position = complete == 0 ? 0 : reference.member_ends()[complete - 1];
      ASSERT_EQ(expected_position, out.position()) << "length " << length;
      for (size_t i = 0; i < expected_position; ++i) {
        if (reference.meaningful()[i]) {
          EXPECT_EQ(reference.bytes()[i], out.storage[i]) << "byte " << i;
        }
      }
      if (::testing::Test::HasFailure()) {
        return;
      }
    }
  }
}

/// A PlanMotion_Request stream: `count` as the first count, then `tail` more bytes.
std::vector<uint8_t> forged(uint32_t count, size_t tail)
{
  std::vector<uint8_t> bytes = {
    static_cast<uint8_t>(count), static_cast<uint8_t>(count >> 8),
    static_cast<uint8_t>(count >> 16), static_cast<uint8_t>(count >> 24)};
  bytes.resize(4 + tail, 0);
  return bytes;
}

// A count beyond the bytes left is refused before the vector is touched, however large.
TEST(CdrForgedCount, CountBeyondBytesLeftLeavesVectorUntouched)
{
  for (const uint32_t count : {3u, 1000u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu}) {
    Stream in(forged(count, 2), false);
    PlanMotion_Request request;
    request.start_joints = {5.0, 6.0};
    const double * storage = request.start_joints.data();
    EXPECT_THROW(cdr_deserialize(in.cdr, request), NotEnoughMemoryException) << count;
    EXPECT_EQ((std::vector<double>{5.0, 6.0}), request.start_joints);
    EXPECT_EQ(storage, request.start_joints.data());
    EXPECT_EQ(0u, in.position());
  }
}

// A count within the bytes left but whose elements are not all there: the vector may grow to
// the count (never beyond the bytes received), and the stream goes back before the count.
TEST(CdrForgedCount, CountWithinBytesLeftButElementsMissing)
{
  Stream in(forged(3, 10), false);
  PlanMotion_Request request;
  EXPECT_THROW(cdr_deserialize(in.cdr, request), NotEnoughMemoryException);
  EXPECT_EQ(0u, in.position());
  EXPECT_LE(request.start_joints.size(), 10u);

  // The same in the middle of a record: the earlier members stay decoded.
  std::vector<uint8_t> bytes = {1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 200, 0, 0, 0};
  bytes.resize(bytes.size() + 300, 0);
  Stream response_in(bytes, false);
  PlanMotion_Response response;
  EXPECT_THROW(cdr_deserialize(response_in.cdr, response), NotEnoughMemoryException);
  EXPECT_TRUE(response.success);
  EXPECT_EQ(9u, response_in.position());
  EXPECT_LE(response.waypoints_flat.size(), 300u);
}

}  // namespace
