// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// A sequence finaliser given a sequence whose data, size and capacity disagree stops the process
// with an assertion report; this holds in builds with NDEBUG too.

#include <gtest/gtest.h>

#include <string>

#include "record_traits.hpp"

template<typename T>
class FiniChecks : public ::testing::Test
{
protected:
  void SetUp() override
  {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
  }

  // The glibc assertion report for `condition` in the message's sequence finaliser.
  static std::string report(const std::string & condition)
  {
    return std::string("rosidl_generator_c/quorvex/srv/detail/") + T::source + "\\.c:[0-9]+: " +
           "quorvex__srv__" + T::name + "__Sequence__fini: Assertion .(" + condition +
           "). failed";
  }
};
TYPED_TEST_SUITE(FiniChecks, record_traits::AllMessages, record_traits::MessageName);

TYPED_TEST(FiniChecks, DataWithoutCapacity)
{
  using T = TypeParam;
  typename T::Msg element{};
  typename T::Seq seq{&element, 0, 0};
  EXPECT_DEATH(T::seq_fini(&seq), this->report("array->capacity > 0"));
}

TYPED_TEST(FiniChecks, SizeWithoutData)
{
  using T = TypeParam;
  typename T::Seq seq{nullptr, 2, 2};
  EXPECT_DEATH(T::seq_fini(&seq), this->report("0 == array->size"));
}

TYPED_TEST(FiniChecks, CapacityWithoutData)
{
  using T = TypeParam;
  typename T::Seq seq{nullptr, 0, 2};
  EXPECT_DEATH(T::seq_fini(&seq), this->report("0 == array->capacity"));
}
