// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// The sequence accessors over the std::vector<double> members of real records, as a consumer
// reaches them: the record's address plus the entry's offset_.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "message_cases.hpp"
#include "new_probe.hpp"

namespace
{

using message_cases::cpp_members;
using Member = rosidl_typesupport_introspection_cpp::MessageMember;

uint64_t bits_of(double value)
{
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof(bits));
  return bits;
}

double from_bits(uint64_t bits)
{
  double value;
  std::memcpy(&value, &bits, sizeof(value));
  return value;
}

const std::vector<uint64_t> kPatterns{
  0x7ff8000000000123u,  // quiet NaN with a payload
  0x7ff0000000000001u,  // signalling NaN
  0xfff80000deadbeefu,  // negative NaN with a payload
  0x8000000000000000u,  // -0.0
  0x7ff0000000000000u,  // +infinity
  0x0000000000000001u,  // smallest subnormal
  0x3ff0000000000000u,  // 1.0
};

template<typename Record>
class Accessors : public ::testing::Test
{
protected:
  /// The sequence entries of the record's descriptor.
  static std::vector<const Member *> sequences()
  {
    std::vector<const Member *> entries;
    const auto & members = cpp_members<Record>();
    for (uint32_t k = 0; k < members.member_count_; ++k) {
      if (members.members_[k].is_array_) {
        entries.push_back(&members.members_[k]);
      }
    }
    return entries;
  }

  static std::vector<double> & vector_at(Record & record, const Member & entry)
  {
    return *reinterpret_cast<std::vector<double> *>(
      reinterpret_cast<char *>(&record) + entry.offset_);
  }
};

// Only the PlanMotion messages have sequences; the SolveIK ones are covered by the descriptor
// tests (no accessors at all).
using SequenceMessages =
  ::testing::Types<message_cases::PlanMotion_Request, message_cases::PlanMotion_Response>;
TYPED_TEST_SUITE(Accessors, SequenceMessages);

TYPED_TEST(Accessors, SizeAndElementAddressesAreTheVectors)
{
  for (const Member * entry : TestFixture::sequences()) {
    SCOPED_TRACE(entry->name_);
    TypeParam record;
    std::vector<double> & vector = TestFixture::vector_at(record, *entry);
    void * field = &vector;
    EXPECT_EQ(0u, entry->size_function(field));
    vector = {1.0, 2.0, 3.0};
    EXPECT_EQ(3u, entry->size_function(field));
    for (size_t i = 0; i < vector.size(); ++i) {
      EXPECT_EQ(&vector[i], entry->get_function(field, i));
      EXPECT_EQ(&vector[i], entry->get_const_function(field, i));
    }
    // A write through get_function is the vector's element.
    *static_cast<double *>(entry->get_function(field, 1)) = -4.5;
    EXPECT_EQ(-4.5, vector[1]);
  }
}

TYPED_TEST(Accessors, FetchAndAssignPassBitForBit)
{
  for (const Member * entry : TestFixture::sequences()) {
    SCOPED_TRACE(entry->name_);
    TypeParam record;
    void * field = &TestFixture::vector_at(record, *entry);
    entry->resize_function(field, kPatterns.size());
    for (size_t i = 0; i < kPatterns.size(); ++i) {
      const double in = from_bits(kPatterns[i]);
      entry->assign_function(field, i, &in);
    }
    for (size_t i = 0; i < kPatterns.size(); ++i) {
      double out = 0.0;
      entry->fetch_function(field, i, &out);
      EXPECT_EQ(kPatterns[i], bits_of(out)) << "element " << i;
      EXPECT_EQ(kPatterns[i], bits_of(TestFixture::vector_at(record, *entry)[i]));
    }
  }
}

TYPED_TEST(Accessors, ResizeKeepsThePrefixAndZeroesNewElements)
{
  for (const Member * entry : TestFixture::sequences()) {
    SCOPED_TRACE(entry->name_);
    TypeParam record;
    std::vector<double> & vector = TestFixture::vector_at(record, *entry);
    vector = {1.5, -0.0, 3.5};
    entry->resize_function(&vector, 5);
    EXPECT_EQ(5u, entry->size_function(&vector));
    EXPECT_EQ(bits_of(-0.0), bits_of(vector[1]));
    EXPECT_EQ((std::vector<double>{1.5, -0.0, 3.5, 0.0, 0.0}), vector);
    entry->resize_function(&vector, 5);
    EXPECT_EQ(5u, vector.size());
    entry->resize_function(&vector, 2);
    EXPECT_EQ((std::vector<double>{1.5, -0.0}), vector);
    entry->resize_function(&vector, 0);
    EXPECT_TRUE(vector.empty());
    entry->resize_function(&vector, 1);
    EXPECT_EQ(std::vector<double>{0.0}, vector);
  }
}

TYPED_TEST(Accessors, ResizeThatCannotGrowThrowsAndChangesNothing)
{
  for (const Member * entry : TestFixture::sequences()) {
    SCOPED_TRACE(entry->name_);
    TypeParam record;
    std::vector<double> & vector = TestFixture::vector_at(record, *entry);
    vector = {1.0, 2.0};
    vector.shrink_to_fit();
    const double * data = vector.data();
    const int64_t live = new_probe::live_blocks();
    {
      new_probe::Armed armed(0);
      EXPECT_THROW(entry->resize_function(&vector, 1000), std::bad_alloc);
    }
    EXPECT_EQ(live, new_probe::live_blocks());
    EXPECT_EQ(data, vector.data());
    EXPECT_EQ((std::vector<double>{1.0, 2.0}), vector);
    // Beyond what any vector can hold: refused before anything is allocated.
    EXPECT_THROW(
      entry->resize_function(&vector, std::numeric_limits<size_t>::max()), std::length_error);
    EXPECT_EQ((std::vector<double>{1.0, 2.0}), vector);
    // Shrinking allocates nothing, so it cannot fail.
    {
      new_probe::Armed armed(0);
      entry->resize_function(&vector, 1);
      EXPECT_FALSE(new_probe::disarm());
    }
    EXPECT_EQ(std::vector<double>{1.0}, vector);
  }
}

}  // namespace
