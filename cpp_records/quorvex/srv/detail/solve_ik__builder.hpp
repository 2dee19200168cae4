// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__SOLVE_IK__BUILDER_HPP_
#define QUORVEX__SRV__DETAIL__SOLVE_IK__BUILDER_HPP_

#include <utility>

#include "quorvex/srv/detail/solve_ik__struct.hpp"

namespace quorvex
{
namespace srv
{
namespace builder
{

// Named-field builders: quorvex::build<Message>() gives the first step, and each step's only
// call sets one member, in member order, and gives the next step; the last call gives the
// record. A step can be reached only from the one before it, so no member can be skipped, and
// each call consumes its step (call it on the temporary that the previous call returned).
// The classes are written last step first because each step returns the next one by value.

// SolveIK_Request

/// Step 12 of 12: sets max_joint_jump_rad and returns the finished record.
class Init_SolveIK_Request_max_joint_jump_rad
{
public:
  SolveIK_Request max_joint_jump_rad(SolveIK_Request::_max_joint_jump_rad_type arg) &&
  {
    msg_.max_joint_jump_rad = std::move(arg);
    return std::move(msg_);
  }

private:
  friend class Init_SolveIK_Request_accept_feasible_path;

  explicit Init_SolveIK_Request_max_joint_jump_rad(SolveIK_Request && msg)
  : msg_(std::move(msg)) {}

  SolveIK_Request msg_;
};

/// Step 11 of 12: sets accept_feasible_path.
class Init_SolveIK_Request_accept_feasible_path
{
public:
  Init_SolveIK_Request_max_joint_jump_rad accept_feasible_path(
    SolveIK_Request::_accept_feasible_path_type arg) &&
  {
    msg_.accept_feasible_path = std::move(arg);
    return Init_SolveIK_Request_max_joint_jump_rad(std::move(msg_));
  }

private:
  friend class Init_SolveIK_Request_orientation_sample_step_deg;

  explicit Init_SolveIK_Request_accept_feasible_path(SolveIK_Request && msg)
  : msg_(std::move(msg)) {}

  SolveIK_Request msg_;
};

/// Step 10 of 12: sets orientation_sample_step_deg.
class Init_SolveIK_Request_orientation_sample_step_deg
{
public:
  Init_SolveIK_Request_accept_feasible_path orientation_sample_step_deg(
    SolveIK_Request::_orientation_sample_step_deg_type arg) &&
  {
    msg_.orientation_sample_step_deg = std::move(arg);
    return Init_SolveIK_Request_accept_feasible_path(std::move(msg_));
  }

private:
  friend class Init_SolveIK_Request_orientation_sample_range_deg;

  explicit Init_SolveIK_Request_orientation_sample_step_deg(SolveIK_Request && msg)
  : msg_(std::move(msg)) {}

  SolveIK_Request msg_;
};

/// Step 9 of 12: sets orientation_sample_range_deg.
class Init_SolveIK_Request_orientation_sample_range_deg
{
public:
  Init_SolveIK_Request_orientation_sample_step_deg orientation_sample_range_deg(
    SolveIK_Request::_orientation_sample_range_deg_type arg) &&
  {
    msg_.orientation_sample_range_deg = std::move(arg);
    return Init_SolveIK_Request_orientation_sample_step_deg(std::move(msg_));
  }

private:
  friend class Init_SolveIK_Request_conform_samples;

  explicit Init_SolveIK_Request_orientation_sample_range_deg(SolveIK_Request && msg)
  : msg_(std::move(msg)) {}

  SolveIK_Request msg_;
};

/// Step 8 of 12: sets conform_samples.
class Init_SolveIK_Request_conform_samples
{
public:
  Init_SolveIK_Request_orientation_sample_range_deg conform_samples(
    SolveIK_Request::_conform_samples_type arg) &&
  {
    msg_.conform_samples = std::move(arg);
    return Init_SolveIK_Request_orientation_sample_range_deg(std::move(msg_));
  }

private:
  friend class Init_SolveIK_Request_orientation_tolerance;

  explicit Init_SolveIK_Request_conform_samples(SolveIK_Request && msg)
  : msg_(std::move(msg)) {}

  SolveIK_Request msg_;
};

/// Step 7 of 12: sets orientation_tolerance.
class Init_SolveIK_Request_orientation_tolerance
{
public:
  Init_SolveIK_Request_conform_samples orientation_tolerance(
    SolveIK_Request::_orientation_tolerance_type arg) &&
  {
    msg_.orientation_tolerance = std::move(arg);
    return Init_SolveIK_Request_conform_samples(std::move(msg_));
  }

private:
  friend class Init_SolveIK_Request_position_tolerance;

  explicit Init_SolveIK_Request_orientation_tolerance(SolveIK_Request && msg)
  : msg_(std::move(msg)) {}

  SolveIK_Request msg_;
};

/// Step 6 of 12: sets position_tolerance.
class Init_SolveIK_Request_position_tolerance
{
public:
  Init_SolveIK_Request_orientation_tolerance position_tolerance(
    SolveIK_Request::_position_tolerance_type arg) &&
  {
    msg_.position_tolerance = std::move(arg);
    return Init_SolveIK_Request_orientation_tolerance(std::move(msg_));
  }

private:
  friend class Init_SolveIK_Request_tool_type;

  explicit Init_SolveIK_Request_position_tolerance(SolveIK_Request && msg)
  : msg_(std::move(msg)) {}

  SolveIK_Request msg_;
};

/// Step 5 of 12: sets tool_type.
class Init_SolveIK_Request_tool_type
{
public:
  Init_SolveIK_Request_position_tolerance tool_type(SolveIK_Request::_tool_type_type arg) &&
  {
    msg_.tool_type = std::move(arg);
    return Init_SolveIK_Request_position_tolerance(std::move(msg_));
  }

private:
  friend class Init_SolveIK_Request_return_seeds;

  explicit Init_SolveIK_Request_tool_type(SolveIK_Request && msg)
  : msg_(std::move(msg)) {}

  SolveIK_Request msg_;
};

/// Step 4 of 12: sets return_seeds.
class Init_SolveIK_Request_return_seeds
{
public:
  Init_SolveIK_Request_tool_type return_seeds(SolveIK_Request::_return_seeds_type arg) &&
  {
    msg_.return_seeds = std::move(arg);
    return Init_SolveIK_Request_tool_type(std::move(msg_));
  }

private:
  friend class Init_SolveIK_Request_max_contact_poses;

  explicit Init_SolveIK_Request_return_seeds(SolveIK_Request && msg)
  : msg_(std::move(msg)) {}

  SolveIK_Request msg_;
};

/// Step 3 of 12: sets max_contact_poses.
class Init_SolveIK_Request_max_contact_poses
{
public:
  Init_SolveIK_Request_return_seeds max_contact_poses(
    SolveIK_Request::_max_contact_poses_type arg) &&
  {
    msg_.max_contact_poses = std::move(arg);
    return Init_SolveIK_Request_return_seeds(std::move(msg_));
  }

private:
  friend class Init_SolveIK_Request_stage_subset;

  explicit Init_SolveIK_Request_max_contact_poses(SolveIK_Request && msg)
  : msg_(std::move(msg)) {}

  SolveIK_Request msg_;
};

/// Step 2 of 12: sets stage_subset.
class Init_SolveIK_Request_stage_subset
{
public:
  Init_SolveIK_Request_max_contact_poses stage_subset(SolveIK_Request::_stage_subset_type arg) &&
  {
    msg_.stage_subset = std::move(arg);
    return Init_SolveIK_Request_max_contact_poses(std::move(msg_));
  }

private:
  friend class Init_SolveIK_Request_pose_info_path;

  explicit Init_SolveIK_Request_stage_subset(SolveIK_Request && msg)
  : msg_(std::move(msg)) {}

  SolveIK_Request msg_;
};

/// Step 1 of 12: sets pose_info_path.
class Init_SolveIK_Request_pose_info_path
{
public:
  Init_SolveIK_Request_pose_info_path() = default;

  Init_SolveIK_Request_stage_subset pose_info_path(SolveIK_Request::_pose_info_path_type arg) &&
  {
    msg_.pose_info_path = std::move(arg);
    return Init_SolveIK_Request_stage_subset(std::move(msg_));
  }

private:
  SolveIK_Request msg_;
};

// SolveIK_Response

/// Step 3 of 3: sets report_json and returns the finished record.
class Init_SolveIK_Response_report_json
{
public:
  SolveIK_Response report_json(SolveIK_Response::_report_json_type arg) &&
  {
    msg_.report_json = std::move(arg);
    return std::move(msg_);
  }

private:
  friend class Init_SolveIK_Response_summary;

  explicit Init_SolveIK_Response_report_json(SolveIK_Response && msg)
  : msg_(std::move(msg)) {}

  SolveIK_Response msg_;
};

/// Step 2 of 3: sets summary.
class Init_SolveIK_Response_summary
{
public:
  Init_SolveIK_Response_report_json summary(SolveIK_Response::_summary_type arg) &&
  {
    msg_.summary = std::move(arg);
    return Init_SolveIK_Response_report_json(std::move(msg_));
  }

private:
  friend class Init_SolveIK_Response_success;

  explicit Init_SolveIK_Response_summary(SolveIK_Response && msg)
  : msg_(std::move(msg)) {}

  SolveIK_Response msg_;
};

/// Step 1 of 3: sets success.
class Init_SolveIK_Response_success
{
public:
  Init_SolveIK_Response_success() = default;

  Init_SolveIK_Response_summary success(SolveIK_Response::_success_type arg) &&
  {
    msg_.success = std::move(arg);
    return Init_SolveIK_Response_summary(std::move(msg_));
  }

private:
  SolveIK_Response msg_;
};

}  // namespace builder
}  // namespace srv

/// The first step of the named-field builder of MessageType; specialised for each message.
template<typename MessageType>
auto build();

template<>
inline auto build<::quorvex::srv::SolveIK_Request>()
{
  return ::quorvex::srv::builder::Init_SolveIK_Request_pose_info_path();
}

template<>
inline auto build<::quorvex::srv::SolveIK_Response>()
{
  return ::quorvex::srv::builder::Init_SolveIK_Response_success();
}

}  // namespace quorvex

#endif  // QUORVEX__SRV__DETAIL__SOLVE_IK__BUILDER_HPP_
