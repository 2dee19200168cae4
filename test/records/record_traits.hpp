// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef RECORDS__RECORD_TRAITS_HPP_
#define RECORDS__RECORD_TRAITS_HPP_

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quorvex/srv/plan_motion.h"
#include "quorvex/srv/solve_ik.h"

// The four messages seen alike by typed tests: their functions, a way to give every member a
// distinct value, and a per-member comparison in member order, written here independently of
// the library.
namespace record_traits
{

void set_string(rosidl_runtime_c__String & str, const std::string & value);
void set_doubles(rosidl_runtime_c__double__Sequence & seq, const std::vector<double> & values);
bool same_string(const rosidl_runtime_c__String & lhs, const rosidl_runtime_c__String & rhs);
bool same_doubles(
  const rosidl_runtime_c__double__Sequence & lhs, const rosidl_runtime_c__double__Sequence & rhs);

template<typename Msg>
struct Member
{
  const char * name;
  bool (* same)(const Msg & lhs, const Msg & rhs);
  /// Changes the member's value (and only it).
  void (* change)(Msg & msg);
};

#define RECORD_TRAITS_FUNCTIONS(MSG, SOURCE) \
  using Msg = quorvex__srv__ ## MSG; \
  using Seq = quorvex__srv__ ## MSG ## __Sequence; \
  static constexpr const char * name = #MSG; \
  static constexpr const char * source = SOURCE; \
  static constexpr auto init = &quorvex__srv__ ## MSG ## __init; \
  static constexpr auto fini = &quorvex__srv__ ## MSG ## __fini; \
  static constexpr auto create = &quorvex__srv__ ## MSG ## __create; \
  static constexpr auto destroy = &quorvex__srv__ ## MSG ## __destroy; \
  static constexpr auto are_equal = &quorvex__srv__ ## MSG ## __are_equal; \
  static constexpr auto copy = &quorvex__srv__ ## MSG ## __copy; \
  static constexpr auto seq_init = &quorvex__srv__ ## MSG ## __Sequence__init; \
  static constexpr auto seq_fini = &quorvex__srv__ ## MSG ## __Sequence__fini; \
  static constexpr auto seq_create = &quorvex__srv__ ## MSG ## __Sequence__create; \
  static constexpr auto seq_destroy = &quorvex__srv__ ## MSG ## __Sequence__destroy; \
  static constexpr auto seq_are_equal = &quorvex__srv__ ## MSG ## __Sequence__are_equal; \
  static constexpr auto seq_copy = &quorvex__srv__ ## MSG ## __Sequence__copy; \
  /* Gives every member a value depending on seed; a larger seed gives longer buffers. */ \
  static void fill(Msg & msg, int seed); \
  static const std::vector<Member<Msg>> & members();

struct SolveIKRequest
{
  RECORD_TRAITS_FUNCTIONS(SolveIK_Request, "solve_ik__functions")
};
struct SolveIKResponse
{
  RECORD_TRAITS_FUNCTIONS(SolveIK_Response, "solve_ik__functions")
};
struct PlanMotionRequest
{
  RECORD_TRAITS_FUNCTIONS(PlanMotion_Request, "plan_motion__functions")
};
struct PlanMotionResponse
{
  RECORD_TRAITS_FUNCTIONS(PlanMotion_Response, "plan_motion__functions")
};

#undef RECORD_TRAITS_FUNCTIONS

using AllMessages =
  ::testing::Types<SolveIKRequest, SolveIKResponse, PlanMotionRequest, PlanMotionResponse>;

struct MessageName
{
  template<typename T>
  static std::string GetName(int) {return T::name;}
};

/// An initialised record on the stack, filled with `seed` (or empty for a negative seed).
template<typename T>
class Record
{
public:
  explicit Record(int seed = -1)
  {
    EXPECT_TRUE(T::init(&msg));
    if (seed >= 0) {
      T::fill(msg, seed);
    }
  }
  ~Record() {T::fini(&msg);}
  Record(const Record &) = delete;
  Record & operator=(const Record &) = delete;

  typename T::Msg msg{};
};

}  // namespace record_traits

#endif  // RECORDS__RECORD_TRAITS_HPP_
