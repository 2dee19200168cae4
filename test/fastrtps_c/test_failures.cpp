// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// The C reader on truncated, forged and malformed input, with each allocation failing in turn:
// the stated result, the record still valid with each member either read or as it was, the
// stream just after the last member read, and nothing leaked. Also the C writer on buffers that
// are too small.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

#include "allocator_probe.hpp"
#include "c_records.hpp"
#include "fastcdr/exceptions/Exception.h"
#include "fastcdr/exceptions/NotEnoughMemoryException.h"

namespace
{

using allocator_probe::Armed;
using allocator_probe::for_each_allocation_point;
using allocator_probe::injected;
using c_records::Owned;
using cdr_test::PlanMotion_Request;
using cdr_test::PlanMotion_Response;
using cdr_test::SolveIK_Response;
using cdr_test::Stream;
using eprosima::fastcdr::exception::NotEnoughMemoryException;

/// Number of members that end within the first `length` bytes.
size_t members_complete(const cdr_test::Reference & reference, size_t length)
{
  size_t count = 0;
  while (count < reference.member_ends().size() && reference.member_ends()[count] <= length) {
    ++count;
  }
  return count;
}

enum class Outcome {read, refused, out_of_memory};

/// Reads with the C callback; a NotEnoughMemoryException is the one expected exception.
template<typename Message>
Outcome read_c(Stream & in, Owned<Message> & record)
{
  try {
    return c_records::callbacks<Message>().cdr_deserialize(in.cdr, &record.message) ?
           Outcome::read : Outcome::out_of_memory;
  } catch (const NotEnoughMemoryException &) {
    return Outcome::refused;
  }
}

/// Checks a record after a read that stopped before member `stop`: the members before it hold
/// what was sent, the others what the record held before.
template<typename Message>
void expect_stopped_at(
  size_t stop, const Owned<Message> & record, const Message & sent, const Message & former)
{
  const std::vector<bool> as_sent = c_records::same_members(record.message, sent);
  const std::vector<bool> as_before = c_records::same_members(record.message, former);
  for (size_t i = 0; i < as_sent.size(); ++i) {
    if (i < stop) {
      EXPECT_TRUE(as_sent[i]) << "member " << i << " not read, stopped at " << stop;
    } else {
      EXPECT_TRUE(as_before[i]) << "member " << i << " changed, stopped at " << stop;
    }
  }
}

template<typename Message>
class FastrtpsCFailure : public ::testing::Test {};
TYPED_TEST_SUITE(FastrtpsCFailure, cdr_test::AllMessages);

// Every prefix of an encoding, into a fresh and into a used record, with each allocation failing
// in turn: a complete encoding reads unless memory runs out (false); a proper prefix throws
// NotEnoughMemoryException unless memory runs out before the bytes do. Either way the stream
// stops just after a member, the members before it are read and the others untouched, the
// record can be read into again, and nothing leaks.
TYPED_TEST(FastrtpsCFailure, EveryPrefixWithEachAllocationFailing)
{
  cdr_test::RandomFill fill(7);
  fill.allow_empty = false;
  for (const bool big_endian : {false, true}) {
    const TypeParam sent = fill.template record<TypeParam>();
    const TypeParam used = fill.template record<TypeParam>();
    const cdr_test::Reference reference = cdr_test::reference_encoding(sent, big_endian, 0);
    const std::vector<uint8_t> & bytes = reference.bytes();
    for (size_t length = 0; length <= bytes.size(); ++length) {
      const std::vector<uint8_t> prefix(bytes.begin(), bytes.begin() + length);
      for (const bool fresh : {true, false}) {
        const TypeParam former = fresh ? TypeParam() : used;
        for_each_allocation_point(
          [&](int k) {
            Owned<TypeParam> record(former);
            Stream in(prefix, big_endian);
            Outcome outcome;
            {
              Armed armed(k);
              outcome = read_c(in, record);
            }
            const size_t complete = members_complete(reference, length);
            const size_t stop = members_complete(reference, in.position());
            EXPECT_EQ(stop == 0 ? 0 : reference.member_ends()[stop - 1], in.position());
            switch (outcome) {
              case Outcome::read:
                EXPECT_EQ(bytes.size(), length);
                EXPECT_FALSE(injected());
                EXPECT_EQ(bytes.size(), in.position());
                break;
              case Outcome::refused:
                EXPECT_FALSE(injected());
                EXPECT_EQ(complete, stop);
                break;
              case Outcome::out_of_memory:
                EXPECT_TRUE(injected());
                EXPECT_LE(stop, complete);
                break;
            }
            expect_stopped_at(stop, record, sent, former);

            Stream again(bytes, big_endian);
            EXPECT_EQ(Outcome::read, read_c(again, record));
            EXPECT_TRUE(c_records::same_record(record.message, sent));
          });
        if (::testing::Test::HasFailure()) {
          FAIL() << "length " << length << (fresh ? " fresh" : " used") << " record";
        }
      }
    }
  }
}

// Every buffer shorter than the encoding: NotEnoughMemoryException, the complete members written
// as they should be, and the stream just after the last of them.
TYPED_TEST(FastrtpsCFailure, OutputBufferTooSmallAtEveryLength)
{
  cdr_test::RandomFill fill(11);
  fill.allow_empty = false;
  for (const bool big_endian : {false, true}) {
    const TypeParam message = fill.template record<TypeParam>();
    const Owned<TypeParam> record(message);
    const cdr_test::Reference reference = cdr_test::reference_encoding(message, big_endian, 0);
    for (size_t length = 0; length < reference.bytes().size(); ++length) {
      Stream out(length, big_endian);
      EXPECT_THROW(
        c_records::callbacks<TypeParam>().cdr_serialize(&record.message, out.cdr),
        NotEnoughMemoryException) << length;

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

// Random bytes, and encodings with random bytes changed, read by the C++ library and by the C
// library: the same outcome, the same stop, and the same values wherever both read. This covers
// lengths and counts of every size, strings without their NUL or with NULs inside, and any
// bool byte.
TYPED_TEST(FastrtpsCFailure, MalformedInputReadsAsTheCppLibraryReadsIt)
{
  std::mt19937 engine(23);
  cdr_test::RandomFill fill(29);
  TypeParam roomy;
  cdr_test::for_each_member(
    roomy, [](size_t, auto & value) {
      using Member = std::decay_t<decltype(value)>;
      if constexpr (std::is_same_v<Member, std::string>) {
        value.assign(300, 'r');
      } else if constexpr (std::is_same_v<Member, std::vector<double>>) {
        value.assign(300, 2.5);
      }
    });
  for (int round = 0; round < 2000; ++round) {
    std::vector<uint8_t> bytes;
    const bool big_endian = round % 2 == 1;
    if (round % 4 < 2) {
      bytes.resize(engine() % 96);
      for (uint8_t & byte : bytes) {
        // Mostly small values, so that lengths and counts often fit what follows.
        byte = static_cast<uint8_t>(engine() % 4 == 0 ? engine() : engine() % 8);
      }
    } else {
      bytes = cdr_test::reference_encoding(
        fill.template record<TypeParam>(), big_endian, 0).bytes();
      for (int change = 0; change < 3 && !bytes.empty(); ++change) {
        bytes[engine() % bytes.size()] = static_cast<uint8_t>(engine());
      }
    }
    Stream cpp_in(bytes, big_endian);
    TypeParam cpp_record;
    bool cpp_read = true;
    try {
      quorvex::srv::typesupport_fastrtps_cpp::cdr_deserialize(cpp_in.cdr, cpp_record);
    } catch (const eprosima::fastcdr::exception::Exception &) {
      cpp_read = false;
    }
    // Into a fresh record, and into a used one whose strings and sequences have room to spare.
    for (const bool fresh : {true, false}) {
      Stream c_in(bytes, big_endian);
      Owned<TypeParam> c_record(fresh ? TypeParam() : roomy);
      const Outcome outcome = read_c(c_in, c_record);
      ASSERT_EQ(cpp_read ? Outcome::read : Outcome::refused, outcome) << "round " << round;
      ASSERT_EQ(cpp_in.position(), c_in.position()) << "round " << round;
      if (cpp_read) {
        ASSERT_TRUE(c_records::same_record(c_record.message, cpp_record)) << "round " << round;
      }
    }
  }
}

PlanMotion_Request request_with_start_joints(const std::vector<double> & start_joints)
{
  PlanMotion_Request request;
  request.start_joints = start_joints;
  return request;
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

// The first step of the block that a string or sequence is read into when its member cannot
// hold it.
constexpr size_t kFirstStep = size_t{1} << 16;

// What such a string or sequence may cost before it is refused: a block of at most the first
// step or twice the bytes left, given back at once.
size_t bound(size_t bytes_left)
{
  return std::max(kFirstStep, 2 * bytes_left);
}

// A count beyond the bytes left is refused, however large, after at most one bounded block; the
// member keeps its storage and values, and the stream goes back before the count.
TEST(FastrtpsCForgedCount, CountBeyondBytesLeftCostsOneBoundedBlock)
{
  for (const uint32_t count : {3u, 1000u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu}) {
    Owned<PlanMotion_Request> request(request_with_start_joints({5.0, 6.0}));
    const double * storage = request.message.start_joints.data;
    const int live = allocator_probe::live_blocks();
    Stream in(forged(count, 2), false);
    Outcome outcome;
    {
      Armed counting(-1);
      outcome = read_c(in, request);
      EXPECT_GE(1, allocator_probe::allocating_calls()) << count;
      EXPECT_GE(bound(2), allocator_probe::largest_request()) << count;
    }
    EXPECT_EQ(live, allocator_probe::live_blocks()) << count;
    EXPECT_EQ(Outcome::refused, outcome) << count;
    EXPECT_EQ(storage, request.message.start_joints.data);
    EXPECT_EQ((std::vector<double>{5.0, 6.0}), request.value().start_joints);
    EXPECT_EQ(0u, in.position());
  }
}

// A count within the bytes left whose elements are not all there: the block made for them goes
// again, the member keeps its values and the stream goes back before the count.
TEST(FastrtpsCForgedCount, CountWithinBytesLeftButElementsMissing)
{
  const int live = allocator_probe::live_blocks();
  {
    Owned<PlanMotion_Request> request(request_with_start_joints({5.0}));
    Stream in(forged(3, 10), false);
    EXPECT_EQ(Outcome::refused, read_c(in, request));
    EXPECT_EQ(0u, in.position());
    EXPECT_EQ((std::vector<double>{5.0}), request.value().start_joints);

    // The same in the middle of a record: the earlier members stay read.
    std::vector<uint8_t> bytes = {1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 200, 0, 0, 0};
    bytes.resize(bytes.size() + 300, 0);
    Stream response_in(bytes, false);
    Owned<PlanMotion_Response> response;
    EXPECT_EQ(Outcome::refused, read_c(response_in, response));
    EXPECT_TRUE(response.message.success);
    EXPECT_EQ(9u, response_in.position());
    EXPECT_EQ(0u, response.message.waypoints_flat.size);
  }
  EXPECT_EQ(live, allocator_probe::live_blocks());
}

// A string length beyond the bytes left is refused after at most one bounded block.
TEST(FastrtpsCForgedCount, StringLengthBeyondBytesLeftCostsOneBoundedBlock)
{
  for (const uint32_t length : {2u, 7u, 0x80000000u, 0xFFFFFFFFu}) {
    std::vector<uint8_t> bytes = {1, 0, 0, 0};
    bytes.insert(
      bytes.end(), {
        static_cast<uint8_t>(length), static_cast<uint8_t>(length >> 8),
        static_cast<uint8_t>(length >> 16), static_cast<uint8_t>(length >> 24), 'a'});
    Owned<PlanMotion_Response> response;
    const int live = allocator_probe::live_blocks();
    Stream in(bytes, false);
    Outcome outcome;
    {
      Armed counting(-1);
      outcome = read_c(in, response);
      EXPECT_GE(1, allocator_probe::allocating_calls()) << length;
      EXPECT_GE(bound(1), allocator_probe::largest_request()) << length;
    }
    EXPECT_EQ(live, allocator_probe::live_blocks()) << length;
    EXPECT_EQ(Outcome::refused, outcome) << length;
    EXPECT_EQ(1u, in.position());
    EXPECT_TRUE(response.message.success);
    EXPECT_STREQ("", response.message.message.data);
  }
}

/// Members larger than the first step, read in steps: a PlanMotion_Request whose start_joints
/// and a SolveIK_Response whose report_json take four steps.
PlanMotion_Request large_request()
{
  PlanMotion_Request request;
  request.start_joints.resize(40000);
  for (size_t i = 0; i < request.start_joints.size(); ++i) {
    request.start_joints[i] = 0.25 * static_cast<double>(i);
  }
  request.goal_joints = {1.0, 2.0};
  return request;
}

SolveIK_Response large_response()
{
  SolveIK_Response response;
  response.success = true;
  response.summary = "large";
  response.report_json.resize(300000);
  for (size_t i = 0; i < response.report_json.size(); ++i) {
    response.report_json[i] = static_cast<char>('a' + i % 26);
  }
  return response;
}

template<typename Message>
class FastrtpsCLargeMember : public ::testing::Test
{
protected:
  static Message large();
};

template<>
PlanMotion_Request FastrtpsCLargeMember<PlanMotion_Request>::large() {return large_request();}
template<>
SolveIK_Response FastrtpsCLargeMember<SolveIK_Response>::large() {return large_response();}

using LargeMessages = ::testing::Types<PlanMotion_Request, SolveIK_Response>;
TYPED_TEST_SUITE(FastrtpsCLargeMember, LargeMessages);

// The whole encoding reads as sent, in both byte orders, into a fresh record and into one whose
// member is too small; with each allocation failing in turn it gives false, the record as it was
// and nothing leaked.
TYPED_TEST(FastrtpsCLargeMember, ReadsInStepsAndSurvivesEachAllocationFailing)
{
  const TypeParam sent = TestFixture::large();
  cdr_test::RandomFill fill(41);
  for (const bool big_endian : {false, true}) {
    const cdr_test::Reference reference = cdr_test::reference_encoding(sent, big_endian, 0);
    for (const bool fresh : {true, false}) {
      const TypeParam former = fresh ? TypeParam() : fill.template record<TypeParam>();
      const int points = for_each_allocation_point(
        [&](int k) {
          Owned<TypeParam> record(former);
          Stream in(reference.bytes(), big_endian);
          Outcome outcome;
          {
            Armed armed(k);
            outcome = read_c(in, record);
          }
          if (outcome == Outcome::read) {
            EXPECT_FALSE(injected());
            EXPECT_EQ(reference.bytes().size(), in.position());
            EXPECT_TRUE(c_records::same_record(record.message, sent));
          } else {
            EXPECT_EQ(Outcome::out_of_memory, outcome);
            const size_t stop = members_complete(reference, in.position());
            expect_stopped_at(stop, record, sent, former);
          }
        });
      // The first step, then three that double it.
      EXPECT_LE(4, points);
    }
  }
}

// Cut within each step: refused, the stream back before the member, the member as it was, no
// block larger than the bound, nothing leaked.
TYPED_TEST(FastrtpsCLargeMember, CutWithinEachStepIsRefused)
{
  const TypeParam sent = TestFixture::large();
  const cdr_test::Reference reference = cdr_test::reference_encoding(sent, false, 0);
  const std::vector<uint8_t> & bytes = reference.bytes();
  // The large member is the first or the third: it starts where the member before it ends.
  const size_t member = std::is_same_v<TypeParam, PlanMotion_Request> ? 0 : 2;
  const size_t start = member == 0 ? 0 : reference.member_ends()[member - 1];
  const size_t step = kFirstStep;
  for (const size_t cut : {start + 100, start + step, start + step + 8, start + 2 * step + 16,
      start + 4 * step, reference.member_ends()[member] - 1})
  {
    const std::vector<uint8_t> prefix(bytes.begin(), bytes.begin() + cut);
    Owned<TypeParam> record;
    const int live = allocator_probe::live_blocks();
    Stream in(prefix, false);
    Outcome outcome;
    {
      Armed counting(-1);
      outcome = read_c(in, record);
      EXPECT_GE(bound(cut - start), allocator_probe::largest_request()) << cut;
    }
    EXPECT_EQ(Outcome::refused, outcome) << cut;
    EXPECT_EQ(start, in.position()) << cut;
    EXPECT_EQ(live, allocator_probe::live_blocks()) << cut;
    expect_stopped_at(member, record, sent, TypeParam());
  }
}

}  // namespace
