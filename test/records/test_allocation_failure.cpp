// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// Fails each allocation of each function in turn, one per run, and checks the result, the state
// the arguments are left in, and that nothing leaks.

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "allocator_probe.hpp"
#include "record_traits.hpp"

using allocator_probe::Armed;
using allocator_probe::for_each_allocation_point;
using allocator_probe::injected;
using record_traits::Record;

namespace
{

// Index of the first member of `output` that differs from `input`, after checking that all
// members after it still equal `former`: the state of a copy that stopped at that member.
template<typename T>
size_t stopped_member(
  const typename T::Msg & output, const typename T::Msg & input, const typename T::Msg & former)
{
  const auto & members = T::members();
  size_t stop = 0;
  while (stop < members.size() && members[stop].same(output, input)) {
    ++stop;
  }
  for (size_t i = stop + 1; i < members.size(); ++i) {
    EXPECT_TRUE(members[i].same(output, former)) << members[i].name << " after the failure";
  }
  return stop;
}

// Fills elements [0, count) of a sequence with `seed`.
template<typename T>
void fill_elements(typename T::Seq & seq, size_t count, int seed)
{
  for (size_t i = 0; i < count; ++i) {
    T::fill(seq.data[i], seed);
  }
}

}  // namespace

template<typename T>
class AllocationFailure : public ::testing::Test {};
TYPED_TEST_SUITE(AllocationFailure, record_traits::AllMessages, record_traits::MessageName);

TYPED_TEST(AllocationFailure, InitReleasesWhatItBroughtToLife)
{
  using T = TypeParam;
  for_each_allocation_point(
    [](int k) {
      typename T::Msg msg;
      std::memset(&msg, 0x5A, sizeof(msg));
      bool ok;
      {
        Armed armed(k);
        ok = T::init(&msg);
      }
      EXPECT_EQ(!injected(), ok);
      if (ok) {
        T::fini(&msg);
      }
    });
}

TYPED_TEST(AllocationFailure, CreateReturnsNull)
{
  using T = TypeParam;
  const int points = for_each_allocation_point(
    [](int k) {
      typename T::Msg * msg;
      {
        Armed armed(k);
        msg = T::create();
      }
      EXPECT_EQ(injected(), nullptr == msg);
      T::destroy(msg);
    });
  EXPECT_GE(points, 1);
}

TYPED_TEST(AllocationFailure, CopyStopsAtTheFailingMember)
{
  using T = TypeParam;
  std::set<size_t> stopped;
  for_each_allocation_point(
    [&stopped](int k) {
      Record<T> input(2);
      Record<T> output(1);
      Record<T> former(1);
      bool ok;
      {
        Armed armed(k);
        ok = T::copy(&input.msg, &output.msg);
      }
      EXPECT_EQ(!injected(), ok);
      if (ok) {
        EXPECT_TRUE(T::are_equal(&input.msg, &output.msg));
        return;
      }
      stopped.insert(stopped_member<T>(output.msg, input.msg, former.msg));
      // The output stays a record that can be copied into again.
      EXPECT_TRUE(T::copy(&input.msg, &output.msg));
      EXPECT_TRUE(T::are_equal(&input.msg, &output.msg));
    });
  // Each string and sequence member is a point where the copy can stop, in member order.
  std::set<std::string> names;
  for (const size_t index : stopped) {
    ASSERT_LT(index, T::members().size());
    names.insert(T::members()[index].name);
  }
  // Members that own a buffer are those whose change allocates: strings and sequences.
  std::set<std::string> owning;
  for (const auto & member : T::members()) {
    Record<T> record(1);
    Armed count(-1);
    member.change(record.msg);
    if (allocator_probe::allocating_calls() > 0) {
      owning.insert(member.name);
    }
  }
  EXPECT_EQ(owning, names);
}

TYPED_TEST(AllocationFailure, SequenceInitLeavesTheArrayUntouched)
{
  using T = TypeParam;
  const int points = for_each_allocation_point(
    [](int k) {
      typename T::Msg sentinel;
      typename T::Seq seq{&sentinel, 7, 9};
      bool ok;
      {
        Armed armed(k);
        ok = T::seq_init(&seq, 3);
      }
      EXPECT_EQ(!injected(), ok);
      if (ok) {
        EXPECT_EQ(3u, seq.size);
        T::seq_fini(&seq);
      } else {
        EXPECT_EQ(&sentinel, seq.data);
        EXPECT_EQ(7u, seq.size);
        EXPECT_EQ(9u, seq.capacity);
      }
    });
  EXPECT_GE(points, 1);
}

TYPED_TEST(AllocationFailure, SequenceCreateReturnsNull)
{
  using T = TypeParam;
  const int points = for_each_allocation_point(
    [](int k) {
      typename T::Seq * seq;
      {
        Armed armed(k);
        seq = T::seq_create(3);
      }
      EXPECT_EQ(injected(), nullptr == seq);
      T::seq_destroy(seq);
    });
  EXPECT_GE(points, 2);
}

TYPED_TEST(AllocationFailure, SequenceCopyIntoEmptyKeepsItEmpty)
{
  using T = TypeParam;
  typename T::Seq input;
  ASSERT_TRUE(T::seq_init(&input, 3));
  fill_elements<T>(input, 3, 2);
  const int points = for_each_allocation_point(
    [&input](int k) {
      typename T::Seq output;
      ASSERT_TRUE(T::seq_init(&output, 0));
      bool ok;
      {
        Armed armed(k);
        ok = T::seq_copy(&input, &output);
      }
      EXPECT_EQ(!injected(), ok);
      if (!ok && 0 == output.capacity) {
        // Growth failed: the output is exactly the empty sequence it was.
        EXPECT_EQ(nullptr, output.data);
        EXPECT_EQ(0u, output.size);
      } else {
        // Grown; when an element copy failed the output is still a valid sequence.
        EXPECT_EQ(3u, output.size);
        EXPECT_EQ(3u, output.capacity);
        EXPECT_EQ(ok, T::seq_are_equal(&input, &output));
      }
      T::seq_fini(&output);
    });
  EXPECT_GE(points, 2);
  T::seq_fini(&input);
}

TYPED_TEST(AllocationFailure, SequenceCopyGrowingKeepsTheOldElements)
{
  using T = TypeParam;
  typename T::Seq input;
  ASSERT_TRUE(T::seq_init(&input, 3));
  fill_elements<T>(input, 3, 2);
  Record<T> former(1);
  const int points = for_each_allocation_point(
    [&input, &former](int k) {
      typename T::Seq output;
      ASSERT_TRUE(T::seq_init(&output, 1));
      T::fill(output.data[0], 1);
      bool ok;
      {
        Armed armed(k);
        ok = T::seq_copy(&input, &output);
      }
      EXPECT_EQ(!injected(), ok);
      if (!ok && 1 == output.capacity) {
        // Growth failed: old size and capacity, the old element in the (maybe moved) block.
        EXPECT_EQ(1u, output.size);
        EXPECT_TRUE(T::are_equal(&former.msg, &output.data[0]));
      } else {
        EXPECT_EQ(3u, output.size);
        EXPECT_EQ(3u, output.capacity);
        EXPECT_EQ(ok, T::seq_are_equal(&input, &output));
      }
      T::seq_fini(&output);
    });
  EXPECT_GE(points, 2);
  T::seq_fini(&input);
}

TYPED_TEST(AllocationFailure, SequenceCopyGrowingLeavesNoStaleBytesInUse)
{
  // When an element copy fails after the block grew, the new elements from the failing one on
  // are in use. Their plain members read as zero, never as bytes that reallocate left in the
  // block (a bool there could hold neither 0 nor 1).
  using T = TypeParam;
  typename T::Seq input;
  ASSERT_TRUE(T::seq_init(&input, 3));
  fill_elements<T>(input, 3, 2);
  Record<T> zero;
  bool seen = false;
  for_each_allocation_point(
    [&input, &zero, &seen](int k) {
      typename T::Seq output;
      ASSERT_TRUE(T::seq_init(&output, 0));
      bool ok;
      {
        Armed armed(k);
        ok = T::seq_copy(&input, &output);
      }
      if (!ok && 3 == output.capacity) {
        seen = true;
        size_t failed = 0;
        while (failed < 2 && T::are_equal(&input.data[failed], &output.data[failed])) {
          ++failed;
        }
        stopped_member<T>(output.data[failed], input.data[failed], zero.msg);
        for (size_t j = failed + 1; j < 3; ++j) {
          EXPECT_TRUE(T::are_equal(&zero.msg, &output.data[j])) << "element " << j;
        }
      }
      T::seq_fini(&output);
    });
  EXPECT_TRUE(seen);
  T::seq_fini(&input);
}

TYPED_TEST(AllocationFailure, SequenceCopyWithinCapacityStopsAtTheFailingElement)
{
  using T = TypeParam;
  typename T::Seq input;
  ASSERT_TRUE(T::seq_init(&input, 2));
  fill_elements<T>(input, 2, 2);
  Record<T> former(1);
  for_each_allocation_point(
    [&input, &former](int k) {
      typename T::Seq output;
      ASSERT_TRUE(T::seq_init(&output, 3));
      fill_elements<T>(output, 3, 1);
      const auto * block = output.data;
      bool ok;
      {
        Armed armed(k);
        ok = T::seq_copy(&input, &output);
      }
      EXPECT_EQ(!injected(), ok);
      EXPECT_EQ(block, output.data);
      EXPECT_EQ(2u, output.size);
      EXPECT_EQ(3u, output.capacity);
      EXPECT_TRUE(T::are_equal(&former.msg, &output.data[2]));
      if (!ok) {
        // Elements before the failing one are copies, those after it keep their contents.
        const bool first_copied = T::are_equal(&input.data[0], &output.data[0]);
        const bool second_kept = T::are_equal(&former.msg, &output.data[1]);
        EXPECT_TRUE(first_copied || second_kept);
      }
      T::seq_fini(&output);
    });
  T::seq_fini(&input);
}
