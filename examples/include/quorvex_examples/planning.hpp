// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX_EXAMPLES__PLANNING_HPP_
#define QUORVEX_EXAMPLES__PLANNING_HPP_

#include <cstddef>
#include <cstdint>
#include <string>

#include "quorvex/srv/plan_motion.hpp"
#include "quorvex/srv/solve_ik.hpp"

namespace quorvex_examples
{

/// Bounds of what the example server plans: a trajectory has at least two points (start and
/// goal), and an answer holds at most kMaxTrajectoryValues joint values per array (24 MB in all).
constexpr int32_t kMinPoints = 2;
constexpr int32_t kMaxPoints = 100000;
constexpr size_t kMaxTrajectoryValues = 1000000;
/// A trajectory lasts long enough that no joint exceeds this speed (rad/s), and at least
/// kMinDuration (s).
constexpr double kMaxJointSpeed = 1.0;
constexpr double kMinDuration = 1.0;
/// Pose-information files larger than this are refused rather than read.
constexpr size_t kMaxPoseInfoBytes = 16u * 1024u * 1024u;

/// Answers a PlanMotion request with a quintic time scaling from start to goal over `n_points`
/// points (kMinPoints..kMaxPoints). The *_flat arrays are point-major: the value of joint j at
/// point i is at index i * n_joints + j. A request that cannot be planned gets success false,
/// a message saying why, empty arrays and zero counts.
void plan_motion(
  const quorvex::srv::PlanMotion_Request & request, int32_t n_points,
  quorvex::srv::PlanMotion_Response & response);

/// Answers a SolveIK request. There is no robot model here: the answer describes the request and
/// the pose-information file it names. success is false when that file cannot be read; report_json
/// is valid JSON either way.
void solve_ik(
  const quorvex::srv::SolveIK_Request & request,
  quorvex::srv::SolveIK_Response & response);

/// Checks a response against what plan_motion gives for the same request and point count.
/// Returns an empty string when it matches bit for bit, else what differs.
std::string check_plan_motion_response(
  const quorvex::srv::PlanMotion_Request & request,
  const quorvex::srv::PlanMotion_Response & response);

/// Checks that a SolveIK response reports exactly the request that was sent and the file as this
/// process sees it. Returns an empty string when it does, else what differs.
std::string check_solve_ik_response(
  const quorvex::srv::SolveIK_Request & request, const quorvex::srv::SolveIK_Response & response);

}  // namespace quorvex_examples

#endif  // QUORVEX_EXAMPLES__PLANNING_HPP_
