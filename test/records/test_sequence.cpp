// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "allocator_probe.hpp"
#include "record_traits.hpp"

using allocator_probe::Armed;
using record_traits::Record;

template<typename T>
class Sequence : public ::testing::Test
{
protected:
  using Seq = typename T::Seq;

  // A sequence of `size` elements filled with `seed`.
  static Seq make(size_t size, int seed)
  {
    Seq seq{};
    EXPECT_TRUE(T::seq_init(&seq, size));
    for (size_t i = 0; i < size; ++i) {
      T::fill(seq.data[i], seed + static_cast<int>(i));
    }
    return seq;
  }
};
TYPED_TEST_SUITE(Sequence, record_traits::AllMessages, record_traits::MessageName);

TYPED_TEST(Sequence, EmptySequencesAllocateNothing)
{
  using T = TypeParam;
  typename T::Seq seq;
  {
    Armed count(-1);
    ASSERT_TRUE(T::seq_init(&seq, 0));
    EXPECT_EQ(0, allocator_probe::allocating_calls());
  }
  EXPECT_EQ(nullptr, seq.data);
  EXPECT_EQ(0u, seq.size);
  EXPECT_EQ(0u, seq.capacity);
  T::seq_fini(&seq);
  T::seq_fini(&seq);

  Armed count(-1);
  typename T::Seq * created = T::seq_create(0);
  ASSERT_NE(nullptr, created);
  EXPECT_EQ(1, allocator_probe::allocating_calls());
  EXPECT_EQ(nullptr, created->data);
  EXPECT_EQ(0u, created->size);
  EXPECT_EQ(0u, created->capacity);
  T::seq_destroy(created);
}

TYPED_TEST(Sequence, NullPointersAreRefused)
{
  using T = TypeParam;
  typename T::Seq seq = this->make(1, 1);
  EXPECT_FALSE(T::seq_init(nullptr, 2));
  T::seq_fini(nullptr);
  EXPECT_FALSE(T::seq_are_equal(&seq, nullptr));
  EXPECT_FALSE(T::seq_are_equal(nullptr, &seq));
  EXPECT_FALSE(T::seq_are_equal(nullptr, nullptr));
  EXPECT_FALSE(T::seq_copy(&seq, nullptr));
  EXPECT_FALSE(T::seq_copy(nullptr, &seq));
  {
    Armed count(-1);
    T::seq_destroy(nullptr);
    EXPECT_EQ(1, allocator_probe::null_deallocations());
  }
  T::seq_fini(&seq);
}

TYPED_TEST(Sequence, CopyIntoEmptyGrowsToTheInput)
{
  using T = TypeParam;
  typename T::Seq input = this->make(3, 1);
  typename T::Seq output = this->make(0, 0);
  ASSERT_TRUE(T::seq_copy(&input, &output));
  EXPECT_EQ(3u, output.size);
  EXPECT_EQ(3u, output.capacity);
  EXPECT_TRUE(T::seq_are_equal(&input, &output));
  T::seq_fini(&output);
  T::seq_fini(&input);
}

TYPED_TEST(Sequence, GrowthIsExactAndOnlyWhenNeeded)
{
  using T = TypeParam;
  typename T::Seq two = this->make(2, 4);
  typename T::Seq output = this->make(1, 1);
  ASSERT_TRUE(T::seq_copy(&two, &output));
  EXPECT_EQ(2u, output.capacity);
  const auto * block = output.data;
  ASSERT_TRUE(T::seq_copy(&two, &output));
  EXPECT_EQ(block, output.data);
  EXPECT_EQ(2u, output.capacity);
  T::seq_fini(&output);
  T::seq_fini(&two);
}

TYPED_TEST(Sequence, CopyOfFewerKeepsTheSpareElements)
{
  using T = TypeParam;
  typename T::Seq input = this->make(1, 5);
  typename T::Seq output = this->make(3, 1);
  typename T::Seq former = this->make(3, 1);
  const auto * block = output.data;
  ASSERT_TRUE(T::seq_copy(&input, &output));
  EXPECT_EQ(block, output.data);
  EXPECT_EQ(1u, output.size);
  EXPECT_EQ(3u, output.capacity);
  EXPECT_TRUE(T::are_equal(&input.data[0], &output.data[0]));
  EXPECT_TRUE(T::are_equal(&former.data[1], &output.data[1]));
  EXPECT_TRUE(T::are_equal(&former.data[2], &output.data[2]));

  typename T::Seq empty = this->make(0, 0);
  ASSERT_TRUE(T::seq_copy(&empty, &output));
  EXPECT_EQ(block, output.data);
  EXPECT_EQ(0u, output.size);
  EXPECT_EQ(3u, output.capacity);
  // The spare elements are released with the sequence (the leak checks would tell otherwise).
  T::seq_fini(&output);
  T::seq_fini(&former);
  T::seq_fini(&input);
}

TYPED_TEST(Sequence, CopyOntoItselfChangesNothing)
{
  using T = TypeParam;
  typename T::Seq seq = this->make(2, 1);
  typename T::Seq before = this->make(2, 1);
  const auto * block = seq.data;
  {
    Armed count(-1);
    EXPECT_TRUE(T::seq_copy(&seq, &seq));
    EXPECT_EQ(0, allocator_probe::allocating_calls());
  }
  EXPECT_EQ(block, seq.data);
  EXPECT_EQ(2u, seq.size);
  EXPECT_TRUE(T::seq_are_equal(&before, &seq));
  T::seq_fini(&before);
  T::seq_fini(&seq);
}

TYPED_TEST(Sequence, GrowthWhoseByteSizeOverflowsFails)
{
  using T = TypeParam;
  typename T::Msg element;
  // Never read: the byte size is refused before any element is touched.
  const typename T::Seq huge{
    &element, std::numeric_limits<size_t>::max() / sizeof(typename T::Msg) + 1,
    std::numeric_limits<size_t>::max() / sizeof(typename T::Msg) + 1};
  typename T::Seq output = this->make(1, 1);
  Record<T> former(1);
  const auto * block = output.data;
  {
    Armed count(-1);
    EXPECT_FALSE(T::seq_copy(&huge, &output));
    EXPECT_EQ(0, allocator_probe::allocating_calls());
  }
  EXPECT_EQ(block, output.data);
  EXPECT_EQ(1u, output.size);
  EXPECT_EQ(1u, output.capacity);
  EXPECT_TRUE(T::are_equal(&former.msg, &output.data[0]));
  T::seq_fini(&output);
}

TYPED_TEST(Sequence, EqualityLooksAtSizeAndElementsInUse)
{
  using T = TypeParam;
  typename T::Seq empty = this->make(0, 0);
  typename T::Seq spare = this->make(2, 1);
  typename T::Seq none{};
  ASSERT_TRUE(T::seq_copy(&none, &spare));
  EXPECT_TRUE(T::seq_are_equal(&empty, &spare));

  typename T::Seq one = this->make(1, 1);
  typename T::Seq two = this->make(2, 1);
  EXPECT_FALSE(T::seq_are_equal(&one, &two));
  EXPECT_FALSE(T::seq_are_equal(&two, &one));
  typename T::Seq other = this->make(2, 1);
  EXPECT_TRUE(T::seq_are_equal(&two, &other));
  T::fill(other.data[1], 7);
  EXPECT_FALSE(T::seq_are_equal(&two, &other));
  for (auto * seq : {&empty, &spare, &one, &two, &other}) {
    T::seq_fini(seq);
  }
}

TEST(SolveIKRequestSequence, ElementsStartEmptyAndZero)
{
  quorvex__srv__SolveIK_Request__Sequence seq;
  ASSERT_TRUE(quorvex__srv__SolveIK_Request__Sequence__init(&seq, 3));
  EXPECT_EQ(3u, seq.size);
  EXPECT_EQ(3u, seq.capacity);
  for (size_t i = 0; i < 3; ++i) {
    const quorvex__srv__SolveIK_Request & msg = seq.data[i];
    EXPECT_EQ(0u, msg.pose_info_path.size);
    EXPECT_EQ(0u, msg.stage_subset.size);
    EXPECT_EQ(0u, msg.tool_type.size);
    EXPECT_EQ(0, msg.max_contact_poses);
    EXPECT_EQ(0.0, msg.position_tolerance);
    EXPECT_FALSE(msg.accept_feasible_path);
    EXPECT_EQ(0.0, msg.max_joint_jump_rad);
  }
  // A NaN element makes the sequence unequal to itself.
  seq.data[1].orientation_tolerance = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(quorvex__srv__SolveIK_Request__Sequence__are_equal(&seq, &seq));
  quorvex__srv__SolveIK_Request__Sequence__fini(&seq);
  EXPECT_EQ(nullptr, seq.data);
  EXPECT_EQ(0u, seq.size);
  EXPECT_EQ(0u, seq.capacity);
}
