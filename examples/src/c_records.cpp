// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "quorvex_examples/c_records.hpp"

#include <cstring>
#include <string>
#include <vector>

#include "quorvex/srv/detail/plan_motion__members.h"
#include "quorvex/srv/detail/solve_ik__members.h"
#include "rosidl_runtime_c/primitives_sequence_functions.h"
#include "rosidl_runtime_c/string_functions.h"

namespace quorvex_examples
{

namespace
{

bool copy_to_c(const std::string & from, rosidl_runtime_c__String & to)
{
  return rosidl_runtime_c__String__assignn(&to, from.data(), from.size());
}

bool copy_to_c(const std::vector<double> & from, rosidl_runtime_c__double__Sequence & to)
{
  rosidl_runtime_c__double__Sequence copy;
  if (!rosidl_runtime_c__double__Sequence__init(&copy, from.size())) {
    return false;
  }
  if (!from.empty()) {
    std::memcpy(copy.data, from.data(), from.size() * sizeof(double));
  }
  rosidl_runtime_c__double__Sequence__fini(&to);
  to = copy;
  return true;
}

void copy_from_c(const rosidl_runtime_c__String & from, std::string & to)
{
  to.assign(from.data == nullptr ? "" : from.data, from.size);
}

void copy_from_c(const rosidl_runtime_c__double__Sequence & from, std::vector<double> & to)
{
  to.assign(from.data, from.data + from.size);
}

}  // namespace

// The members come from the package's tables: values are assigned, strings and sequences copied.
#define QUORVEX_EXAMPLES_TO_C_BOOL(member) to.member = from.member;
#define QUORVEX_EXAMPLES_TO_C_INT32(member) to.member = from.member;
#define QUORVEX_EXAMPLES_TO_C_FLOAT64(member) to.member = from.member;
#define QUORVEX_EXAMPLES_TO_C_STRING(member) ok = ok && copy_to_c(from.member, to.member);
#define QUORVEX_EXAMPLES_TO_C_FLOAT64_SEQUENCE(member) ok = ok && copy_to_c(from.member, to.member);
#define QUORVEX_EXAMPLES_TO_C(member, KIND) QUORVEX_EXAMPLES_TO_C_ ## KIND(member)

#define QUORVEX_EXAMPLES_FROM_C_BOOL(member) to.member = from.member;
#define QUORVEX_EXAMPLES_FROM_C_INT32(member) to.member = from.member;
#define QUORVEX_EXAMPLES_FROM_C_FLOAT64(member) to.member = from.member;
#define QUORVEX_EXAMPLES_FROM_C_STRING(member) copy_from_c(from.member, to.member);
#define QUORVEX_EXAMPLES_FROM_C_FLOAT64_SEQUENCE(member) copy_from_c(from.member, to.member);
#define QUORVEX_EXAMPLES_FROM_C(member, KIND) QUORVEX_EXAMPLES_FROM_C_ ## KIND(member)

bool to_c(const quorvex::srv::PlanMotion_Request & from, quorvex__srv__PlanMotion_Request & to)
{
  bool ok = true;
  QUORVEX_PLAN_MOTION_REQUEST_MEMBERS(QUORVEX_EXAMPLES_TO_C)
  return ok;
}

bool to_c(const quorvex::srv::SolveIK_Request & from, quorvex__srv__SolveIK_Request & to)
{
  bool ok = true;
  QUORVEX_SOLVE_IK_REQUEST_MEMBERS(QUORVEX_EXAMPLES_TO_C)
  return ok;
}

void from_c(const quorvex__srv__PlanMotion_Response & from, quorvex::srv::PlanMotion_Response & to)
{
  QUORVEX_PLAN_MOTION_RESPONSE_MEMBERS(QUORVEX_EXAMPLES_FROM_C)
}

void from_c(const quorvex__srv__SolveIK_Response & from, quorvex::srv::SolveIK_Response & to)
{
  QUORVEX_SOLVE_IK_RESPONSE_MEMBERS(QUORVEX_EXAMPLES_FROM_C)
}

}  // namespace quorvex_examples
