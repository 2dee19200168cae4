// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "record_traits.hpp"

#include <cstring>
#include <string>
#include <vector>

#include "rosidl_runtime_c/primitives_sequence_functions.h"
#include "rosidl_runtime_c/string_functions.h"

namespace record_traits
{

void set_string(rosidl_runtime_c__String & str, const std::string & value)
{
  ASSERT_TRUE(rosidl_runtime_c__String__assignn(&str, value.data(), value.size()));
}

void set_doubles(rosidl_runtime_c__double__Sequence & seq, const std::vector<double> & values)
{
  rosidl_runtime_c__double__Sequence__fini(&seq);
  ASSERT_TRUE(rosidl_runtime_c__double__Sequence__init(&seq, values.size()));
  for (size_t i = 0; i < values.size(); ++i) {
    seq.data[i] = values[i];
  }
}

bool same_string(const rosidl_runtime_c__String & lhs, const rosidl_runtime_c__String & rhs)
{
  return lhs.size == rhs.size && (0 == lhs.size || 0 == std::memcmp(lhs.data, rhs.data, lhs.size));
}

bool same_doubles(
  const rosidl_runtime_c__double__Sequence & lhs, const rosidl_runtime_c__double__Sequence & rhs)
{
  if (lhs.size != rhs.size) {
    return false;
  }
  for (size_t i = 0; i < lhs.size; ++i) {
    if (lhs.data[i] != rhs.data[i]) {
      return false;
    }
  }
  return true;
}

namespace
{

std::string text(const char * prefix, int seed)
{
  return prefix + std::string(static_cast<size_t>(seed) * 16, static_cast<char>('a' + seed % 26));
}

std::vector<double> values(double first, int seed)
{
  std::vector<double> result;
  for (int i = 0; i < seed + 2; ++i) {
    result.push_back(first + seed + 0.25 * i);
  }
  return result;
}

}  // namespace

#define SCALAR_MEMBER(T, member) \
  {#member, [](const T & lhs, const T & rhs) {return lhs.member == rhs.member;}, \
    [](T & msg) {msg.member += 1;}}
#define BOOL_MEMBER(T, member) \
  {#member, [](const T & lhs, const T & rhs) {return lhs.member == rhs.member;}, \
    [](T & msg) {msg.member = !msg.member;}}
#define STRING_MEMBER(T, member) \
  {#member, [](const T & lhs, const T & rhs) {return same_string(lhs.member, rhs.member);}, \
    [](T & msg) {set_string(msg.member, std::string(msg.member.data, msg.member.size) + "~");}}
#define DOUBLES_MEMBER(T, member) \
  {#member, [](const T & lhs, const T & rhs) {return same_doubles(lhs.member, rhs.member);}, \
    [](T & msg) { \
      std::vector<double> changed(msg.member.data, msg.member.data + msg.member.size); \
      changed.push_back(-0.5); \
      set_doubles(msg.member, changed); \
    }}

void SolveIKRequest::fill(Msg & msg, int seed)
{
  set_string(msg.pose_info_path, text("/poses/", seed));
  set_string(msg.stage_subset, text("stages-", seed));
  msg.max_contact_poses = seed + 1;
  msg.return_seeds = -seed - 1;
  set_string(msg.tool_type, text("tool-", seed));
  msg.position_tolerance = 0.001 * (seed + 1);
  msg.orientation_tolerance = 0.01 * (seed + 1);
  msg.conform_samples = 10 + seed;
  msg.orientation_sample_range_deg = 30.0 + seed;
  msg.orientation_sample_step_deg = 0.5 + seed;
  msg.accept_feasible_path = 1 == seed % 2;
  msg.max_joint_jump_rad = 0.25 + seed;
}

const std::vector<Member<SolveIKRequest::Msg>> & SolveIKRequest::members()
{
  static const std::vector<Member<Msg>> list = {
    STRING_MEMBER(Msg, pose_info_path),
    STRING_MEMBER(Msg, stage_subset),
    SCALAR_MEMBER(Msg, max_contact_poses),
    SCALAR_MEMBER(Msg, return_seeds),
    STRING_MEMBER(Msg, tool_type),
    SCALAR_MEMBER(Msg, position_tolerance),
    SCALAR_MEMBER(Msg, orientation_tolerance),
    SCALAR_MEMBER(Msg, conform_samples),
    SCALAR_MEMBER(Msg, orientation_sample_range_deg),
    SCALAR_MEMBER(Msg, orientation_sample_step_deg),
    BOOL_MEMBER(Msg, accept_feasible_path),
    SCALAR_MEMBER(Msg, max_joint_jump_rad),
  };
  return list;
}

void SolveIKResponse::fill(Msg & msg, int seed)
{
  msg.success = 1 == seed % 2;
  set_string(msg.summary, text("summary ", seed));
  set_string(msg.report_json, text("{\"report\": ", seed) + "}");
}

const std::vector<Member<SolveIKResponse::Msg>> & SolveIKResponse::members()
{
  static const std::vector<Member<Msg>> list = {
    BOOL_MEMBER(Msg, success),
    STRING_MEMBER(Msg, summary),
    STRING_MEMBER(Msg, report_json),
  };
  return list;
}

void PlanMotionRequest::fill(Msg & msg, int seed)
{
  set_doubles(msg.start_joints, values(0.0, seed));
  set_doubles(msg.goal_joints, values(-1.0, seed));
}

const std::vector<Member<PlanMotionRequest::Msg>> & PlanMotionRequest::members()
{
  static const std::vector<Member<Msg>> list = {
    DOUBLES_MEMBER(Msg, start_joints),
    DOUBLES_MEMBER(Msg, goal_joints),
  };
  return list;
}

void PlanMotionResponse::fill(Msg & msg, int seed)
{
  msg.success = 1 == seed % 2;
  set_string(msg.message, text("planned ", seed));
  set_doubles(msg.waypoints_flat, values(1.0, seed));
  set_doubles(msg.velocities_flat, values(2.0, seed));
  set_doubles(msg.accelerations_flat, values(3.0, seed));
  set_doubles(msg.time_from_start, values(4.0, seed));
  msg.n_points = seed + 2;
  msg.n_joints = seed + 3;
}

const std::vector<Member<PlanMotionResponse::Msg>> & PlanMotionResponse::members()
{
  static const std::vector<Member<Msg>> list = {
    BOOL_MEMBER(Msg, success),
    STRING_MEMBER(Msg, message),
    DOUBLES_MEMBER(Msg, waypoints_flat),
    DOUBLES_MEMBER(Msg, velocities_flat),
    DOUBLES_MEMBER(Msg, accelerations_flat),
    DOUBLES_MEMBER(Msg, time_from_start),
    SCALAR_MEMBER(Msg, n_points),
    SCALAR_MEMBER(Msg, n_joints),
  };
  return list;
}

}  // namespace record_traits
