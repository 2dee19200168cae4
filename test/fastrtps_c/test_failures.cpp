// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// The C reader on truncated, forged and malformed input, with each allocation failing in turn:
// the stated result, the record still valid with each member either read or as it was, the
// stream just after the last member read, and nothing leaked. Also the C writer on buffers that
// are too small.

#include <gtest/gtest.h>

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

// A count beyond the bytes left is refused before anything is allocated, however large, and
// the member keeps its storage and values.
TEST(FastrtpsCForgedCount, CountBeyondBytesLeftAllocatesNothing)
{
  for (const uint32_t count : {3u, 1000u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu}) {
    Owned<PlanMotion_Request> request(request_with_start_joints({5.0, 6.0}));
    const double * storage = request.message.start_joints.data;
    Stream in(forged(count, 2), false);
    Outcome outcome;
    {
      Armed counting(-1);
      outcome = read_c(in, request);
      EXPECT_EQ(0, allocator_probe::allocating_calls()) << count;
    }
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

// A string length beyond the bytes left is refused before anything is allocated.
TEST(FastrtpsCForgedCount, StringLengthBeyondBytesLeftAllocatesNothing)
{
  for (const uint32_t length : {2u, 7u, 0x80000000u, 0xFFFFFFFFu}) {
    std::vector<uint8_t> bytes = {1, 0, 0, 0};
    bytes.insert(
      bytes.end(), {
        static_cast<uint8_t>(length), static_cast<uint8_t>(length >> 8),
        static_cast<uint8_t>(length >> 16), static_cast<uint8_t>(length >> 24), 'a'});
    Owned<PlanMotion_Response> response;
    Stream in(bytes, false);
    Outcome outcome;
    {
      Armed counting(-1);
      outcome = read_c(in, response);
      EXPECT_EQ(0, allocator_probe::allocating_calls()) << length;
    }
    EXPECT_EQ(Outcome::refused, outcome) << length;
    EXPECT_EQ(1u, in.position());
    EXPECT_TRUE(response.message.success);
    EXPECT_STREQ("", response.message.message.data);
  }
}

}  // namespace
