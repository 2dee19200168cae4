// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef INTROSPECTION_CPP__MESSAGE_CASES_HPP_
#define INTROSPECTION_CPP__MESSAGE_CASES_HPP_

#include <gtest/gtest.h>

#include <cstddef>
#include <map>
#include <string>

#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_introspection_c.h"
#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_introspection_cpp.hpp"
#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_introspection_c.h"
#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_introspection_cpp.hpp"
#include "quorvex/srv/plan_motion.hpp"
#include "quorvex/srv/solve_ik.hpp"
#include "rosidl_typesupport_interface/macros.h"
#include "rosidl_typesupport_introspection_c/message_introspection.h"
#include "rosidl_typesupport_introspection_cpp/message_introspection.hpp"

// The four C++ records with what the tests know of each independently of the library: its
// name, the offsets of its members by offsetof, and the C library's handle of its C twin.
namespace message_cases
{

using quorvex::srv::PlanMotion_Request;
using quorvex::srv::PlanMotion_Response;
using quorvex::srv::SolveIK_Request;
using quorvex::srv::SolveIK_Response;

template<typename Record>
struct Case;

#define QUORVEX_TEST_OFFSET(Record, member) {#member, offsetof(Record, member)}

template<>
struct Case<PlanMotion_Request>
{
  static constexpr const char * name = "PlanMotion_Request";
  static std::map<std::string, size_t> offsets()
  {
    return {
      QUORVEX_TEST_OFFSET(PlanMotion_Request, start_joints),
      QUORVEX_TEST_OFFSET(PlanMotion_Request, goal_joints)};
  }
  static const rosidl_message_type_support_t * c_getter()
  {
    return ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
      rosidl_typesupport_introspection_c, quorvex, srv, PlanMotion_Request)();
  }
  static const rosidl_message_type_support_t * cpp_c_linkage_getter()
  {
    return ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
      rosidl_typesupport_introspection_cpp, quorvex, srv, PlanMotion_Request)();
  }
};

template<>
struct Case<PlanMotion_Response>
{
  static constexpr const char * name = "PlanMotion_Response";
  static std::map<std::string, size_t> offsets()
  {
    return {
      QUORVEX_TEST_OFFSET(PlanMotion_Response, success),
      QUORVEX_TEST_OFFSET(PlanMotion_Response, message),
      QUORVEX_TEST_OFFSET(PlanMotion_Response, waypoints_flat),
      QUORVEX_TEST_OFFSET(PlanMotion_Response, velocities_flat),
      QUORVEX_TEST_OFFSET(PlanMotion_Response, accelerations_flat),
      QUORVEX_TEST_OFFSET(PlanMotion_Response, time_from_start),
      QUORVEX_TEST_OFFSET(PlanMotion_Response, n_points),
      QUORVEX_TEST_OFFSET(PlanMotion_Response, n_joints)};
  }
  static const rosidl_message_type_support_t * c_getter()
  {
    return ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
      rosidl_typesupport_introspection_c, quorvex, srv, PlanMotion_Response)();
  }
  static const rosidl_message_type_support_t * cpp_c_linkage_getter()
  {
    return ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
      rosidl_typesupport_introspection_cpp, quorvex, srv, PlanMotion_Response)();
  }
};

template<>
struct Case<SolveIK_Request>
{
  static constexpr const char * name = "SolveIK_Request";
  static std::map<std::string, size_t> offsets()
  {
    return {
      QUORVEX_TEST_OFFSET(SolveIK_Request, pose_info_path),
      QUORVEX_TEST_OFFSET(SolveIK_Request, stage_subset),
      QUORVEX_TEST_OFFSET(SolveIK_Request, max_contact_poses),
      QUORVEX_TEST_OFFSET(SolveIK_Request, return_seeds),
      QUORVEX_TEST_OFFSET(SolveIK_Request, tool_type),
      QUORVEX_TEST_OFFSET(SolveIK_Request, position_tolerance),
      QUORVEX_TEST_OFFSET(SolveIK_Request, orientation_tolerance),
      QUORVEX_TEST_OFFSET(SolveIK_Request, conform_samples),
      QUORVEX_TEST_OFFSET(SolveIK_Request, orientation_sample_range_deg),
      QUORVEX_TEST_OFFSET(SolveIK_Request, orientation_sample_step_deg),
      QUORVEX_TEST_OFFSET(SolveIK_Request, accept_feasible_path),
      QUORVEX_TEST_OFFSET(SolveIK_Request, max_joint_jump_rad)};
  }
  static const rosidl_message_type_support_t * c_getter()
  {
    return ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
      rosidl_typesupport_introspection_c, quorvex, srv, SolveIK_Request)();
  }
  static const rosidl_message_type_support_t * cpp_c_linkage_getter()
  {
    return ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
      rosidl_typesupport_introspection_cpp, quorvex, srv, SolveIK_Request)();
  }
};

template<>
struct Case<SolveIK_Response>
{
  static constexpr const char * name = "SolveIK_Response";
  static std::map<std::string, size_t> offsets()
  {
    return {
      QUORVEX_TEST_OFFSET(SolveIK_Response, success),
      QUORVEX_TEST_OFFSET(SolveIK_Response, summary),
      QUORVEX_TEST_OFFSET(SolveIK_Response, report_json)};
  }
  static const rosidl_message_type_support_t * c_getter()
  {
    return ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
      rosidl_typesupport_introspection_c, quorvex, srv, SolveIK_Response)();
  }
  static const rosidl_message_type_support_t * cpp_c_linkage_getter()
  {
    return ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
      rosidl_typesupport_introspection_cpp, quorvex, srv, SolveIK_Response)();
  }
};

#undef QUORVEX_TEST_OFFSET

using AllMessages =
  ::testing::Types<PlanMotion_Request, PlanMotion_Response, SolveIK_Request, SolveIK_Response>;

/// The C++ descriptor of `Record`, reached through the template getter.
template<typename Record>
const rosidl_typesupport_introspection_cpp::MessageMembers & cpp_members()
{
  return *static_cast<const rosidl_typesupport_introspection_cpp::MessageMembers *>(
    rosidl_typesupport_introspection_cpp::get_message_type_support_handle<Record>()->data);
}

/// The C library's descriptor of the C twin of `Record`.
template<typename Record>
const rosidl_typesupport_introspection_c__MessageMembers & c_members()
{
  return *static_cast<const rosidl_typesupport_introspection_c__MessageMembers *>(
    Case<Record>::c_getter()->data);
}

}  // namespace message_cases

#endif  // INTROSPECTION_CPP__MESSAGE_CASES_HPP_
