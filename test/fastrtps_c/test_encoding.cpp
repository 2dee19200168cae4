// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// The C library against the C++ library's typed functions: the same bytes for equal records in
// both byte orders and at every start offset, the same sizes and bounds, the same refusals, and
// the C reader reading back what the C++ writer wrote.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

#include "c_records.hpp"
#include "fastcdr/exceptions/BadParamException.h"

namespace
{

using c_records::CRecord;
using c_records::Owned;
using cdr_test::Stream;
using eprosima::fastcdr::Cdr;
using eprosima::fastcdr::exception::BadParamException;
namespace typed = quorvex::srv::typesupport_fastrtps_cpp;

/// Puts the values that trip encoders into a random record now and then: NaN payloads, -0.0,
/// extreme integers, long sequences and long strings.
class Extremes
{
public:
  explicit Extremes(uint32_t seed)
  : engine_(seed) {}

  void operator()(size_t, bool &) {}
  void operator()(size_t, int32_t & value)
  {
    static const int32_t extremes[] = {
      std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(), -1, 0};
    if (chance(3)) {
      value = extremes[engine_() % 4];
    }
  }
  void operator()(size_t, double & value)
  {
    if (chance(3)) {
      value = special();
    }
  }
  void operator()(size_t, std::string & value)
  {
    if (chance(6)) {
      value.assign(200 + engine_() % 300, static_cast<char>('a' + engine_() % 26));
    }
  }
  void operator()(size_t, std::vector<double> & values)
  {
    if (chance(8)) {
      values.resize(1000 + engine_() % 200);
    }
    for (double & value : values) {
      if (chance(4)) {
        value = special();
      }
    }
  }

private:
  bool chance(uint32_t one_in) {return engine_() % one_in == 0;}

  double special()
  {
    const uint64_t patterns[] = {
      0x7FF8000000000000ull,  // quiet NaN
      0x7FF0000000000001ull,  // signalling NaN
      0xFFF8DEADBEEF0001ull,  // negative NaN with a payload
      0x8000000000000000ull,  // -0.0
      0x0000000000000001ull,  // smallest subnormal
      0xFFF0000000000000ull,  // -infinity
    };
    double value;
    std::memcpy(&value, &patterns[engine_() % 6], sizeof(value));
    return value;
  }

  std::mt19937 engine_;
};

template<typename Message>
Message random_record(uint32_t seed)
{
  cdr_test::RandomFill fill(seed);
  Message message = fill.template record<Message>();
  Extremes extremes(seed);
  cdr_test::for_each_member(message, extremes);
  return message;
}

template<typename Message>
class FastrtpsCEncoding : public ::testing::Test {};
TYPED_TEST_SUITE(FastrtpsCEncoding, cdr_test::AllMessages);

TYPED_TEST(FastrtpsCEncoding, SameBytesAndSizesAsTheCppLibraryAndReadsThemBack)
{
  const message_type_support_callbacks_t & callbacks = c_records::callbacks<TypeParam>();
  Owned<TypeParam> reused;
  for (uint32_t seed = 0; seed < 300; ++seed) {
    const TypeParam original = random_record<TypeParam>(seed);
    Owned<TypeParam> record(original);
    const size_t size = typed::get_serialized_size(original, 0);
    ASSERT_EQ(size, callbacks.get_serialized_size(&record.message)) << seed;
    for (const bool big_endian : {false, true}) {
      for (size_t start = 0; start < 16; ++start) {
        // Exactly the room that the C++ library says the record takes from `start`.
        const size_t room = start + typed::get_serialized_size(original, start);
        const auto expected = c_records::written_after(
          start, big_endian, room, [&](Cdr & cdr) {typed::cdr_serialize(original, cdr);});
        const auto written = c_records::written_after(
          start, big_endian, room, [&](Cdr & cdr) {
            EXPECT_TRUE(callbacks.cdr_serialize(&record.message, cdr));
          });
        ASSERT_EQ(expected, written) << "seed " << seed << " start " << start;

        // Read back with every padding byte set, as another writer may leave it.
        const cdr_test::Reference reference =
          cdr_test::reference_encoding(original, big_endian, start);
        ASSERT_EQ(expected.size(), reference.bytes().size());
        Stream in(reference.with_padding(0xA5), big_endian);
        for (size_t i = 0; i < start; ++i) {
          char octet;
          in.cdr.deserialize(octet);
        }
        Owned<TypeParam> fresh;
        ASSERT_TRUE(callbacks.cdr_deserialize(in.cdr, &fresh.message));
        ASSERT_EQ(expected.size(), in.position());
        ASSERT_TRUE(c_records::same_record(fresh.message, original)) << seed;

        // Into a record that held the previous message: nothing of it may show through.
        in.cdr.reset();
        for (size_t i = 0; i < start; ++i) {
          char octet;
          in.cdr.deserialize(octet);
        }
        ASSERT_TRUE(callbacks.cdr_deserialize(in.cdr, &reused.message));
        ASSERT_TRUE(c_records::same_record(reused.message, original)) << seed;
      }
    }
  }
}

TYPED_TEST(FastrtpsCEncoding, SameBoundAsTheCppLibrary)
{
  const auto * cpp_callbacks = static_cast<const message_type_support_callbacks_t *>(
    cdr_test::MessageInfo<TypeParam>::handle()->data);
  char cpp_bounds = 0x7F;
  char c_bounds = 0x6E;
  EXPECT_EQ(
    cpp_callbacks->max_serialized_size(cpp_bounds),
    c_records::callbacks<TypeParam>().max_serialized_size(c_bounds));
  EXPECT_EQ(cpp_bounds, c_bounds);
  EXPECT_EQ(ROSIDL_TYPESUPPORT_FASTRTPS_UNBOUNDED_TYPE, c_bounds);
}

// A record left in zero bytes (what the introspection init adapter leaves when __init fails)
// has strings without storage: it is sized and written as the default C++ record.
TYPED_TEST(FastrtpsCEncoding, RecordOfZeroBytesIsWrittenAsTheDefaultRecord)
{
  typename CRecord<TypeParam>::type zeroed;
  std::memset(&zeroed, 0, sizeof(zeroed));
  const TypeParam defaults{};
  const message_type_support_callbacks_t & callbacks = c_records::callbacks<TypeParam>();
  const size_t size = typed::get_serialized_size(defaults, 0);
  EXPECT_EQ(size, callbacks.get_serialized_size(&zeroed));
  const size_t room = 3 + typed::get_serialized_size(defaults, 3);
  for (const bool big_endian : {false, true}) {
    EXPECT_EQ(
      c_records::written_after(
        3, big_endian, room, [&](Cdr & cdr) {typed::cdr_serialize(defaults, cdr);}),
      c_records::written_after(
        3, big_endian, room, [&](Cdr & cdr) {callbacks.cdr_serialize(&zeroed, cdr);}));
  }
}

/// Calls `forge(c_member)` on member `index` of the C record.
template<typename Message, typename Forge>
void at_member(typename CRecord<Message>::type & record, size_t index, Forge forge)
{
  Message unused;
  size_t i = 0;
  CRecord<Message>::each(
    record, unused, [&](auto & member, const auto &) {
      if (i++ == index) {
        forge(member);
      }
    });
}

/// The text of the BadParamException that `write` throws, or "" if it throws none.
template<typename Write>
std::string refusal(Write write)
{
  try {
    write();
  } catch (const BadParamException & exception) {
    return exception.what();
  }
  return "";
}

/// Expects the C writer to refuse the record for member `index`; returns the expected text.
template<typename Message>
std::string expect_refused(
  size_t index, const std::string & why, const std::vector<size_t> & member_ends,
  Owned<Message> & record)
{
  const std::string text = "cannot write quorvex::srv::" +
    std::string(cdr_test::MessageInfo<Message>::name) + "." +
    CRecord<Message>::names()[index] + ": " + why;
  for (const bool big_endian : {false, true}) {
    Stream out(4096, big_endian);
    EXPECT_EQ(
      text, refusal(
        [&] {c_records::callbacks<Message>().cdr_serialize(&record.message, out.cdr);}));
    // Nothing of the refused member is written, not even the padding before it.
    EXPECT_EQ(index == 0 ? 0u : member_ends[index - 1], out.position()) << text;
  }
  return text;
}

TYPED_TEST(FastrtpsCEncoding, RefusesWhatCannotBeWrittenFaithfullyNamingTheMember)
{
  cdr_test::RandomFill fill(5);
  fill.allow_empty = false;
  const TypeParam original = fill.template record<TypeParam>();
  const std::vector<size_t> member_ends =
    cdr_test::reference_encoding(original, false, 0).member_ends();
  size_t refusals = 0;
  for (size_t index = 0; index < cdr_test::member_count<TypeParam>(); ++index) {
    Owned<TypeParam> record(original);
    at_member<TypeParam>(
      record.message, index, [&](auto & member) {
        using Member = std::decay_t<decltype(member)>;
        if constexpr (std::is_same_v<Member, rosidl_runtime_c__String>) {
          // A NUL within the size, as the C++ library refuses it for a std::string.
          ASSERT_TRUE(rosidl_runtime_c__String__assignn(&member, "ab\0cd", 5));
          const std::string text =
          expect_refused(index, "the string holds a NUL byte", member_ends, record);
          // The C++ library refuses the equal record in the same words.
          TypeParam cpp = original;
          cdr_test::for_each_member(
            cpp, [&](size_t i, auto & value) {
              if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>) {
                if (i == index) {
                  value.assign("ab\0cd", 5);
                }
              }
            });
          Stream out(4096, false);
          EXPECT_EQ(text, refusal([&] {typed::cdr_serialize(cpp, out.cdr);}));
          // A length that does not fit the field, checked before the text is looked at.
          const size_t size = member.size;
          member.size = std::numeric_limits<uint32_t>::max();
          expect_refused(index, "2^32 - 1 bytes or more", member_ends, record);
          member.size = size;
          refusals += 2;
        } else if constexpr (std::is_same_v<Member, rosidl_runtime_c__double__Sequence>) {
          const size_t size = member.size;
          member.size = size_t{1} << 32;
          expect_refused(index, "2^32 elements or more", member_ends, record);
          member.size = size;
          ++refusals;
        }
      });
  }
  EXPECT_GT(refusals, 0u);
}

}  // namespace
