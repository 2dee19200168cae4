// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__PLAN_MOTION__BUILDER_HPP_
#define QUORVEX__SRV__DETAIL__PLAN_MOTION__BUILDER_HPP_

#include <utility>

#include "quorvex/srv/detail/plan_motion__struct.hpp"

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

// PlanMotion_Request

/// Step 2 of 2: sets goal_joints and returns the finished record.
class Init_PlanMotion_Request_goal_joints
{
public:
  PlanMotion_Request goal_joints(PlanMotion_Request::_goal_joints_type arg) &&
  {
    msg_.goal_joints = std::move(arg);
    return std::move(msg_);
  }

private:
  friend class Init_PlanMotion_Request_start_joints;

  explicit Init_PlanMotion_Request_goal_joints(PlanMotion_Request && msg)
  : msg_(std::move(msg)) {}

  PlanMotion_Request msg_;
};

/// Step 1 of 2: sets start_joints.
class Init_PlanMotion_Request_start_joints
{
public:
  Init_PlanMotion_Request_start_joints() = default;

  Init_PlanMotion_Request_goal_joints start_joints(PlanMotion_Request::_start_joints_type arg) &&
  {
    msg_.start_joints = std::move(arg);
    return Init_PlanMotion_Request_goal_joints(std::move(msg_));
  }

private:
  PlanMotion_Request msg_;
};

// PlanMotion_Response

/// Step 8 of 8: sets n_joints and returns the finished record.
class Init_PlanMotion_Response_n_joints
{
public:
  PlanMotion_Response n_joints(PlanMotion_Response::_n_joints_type arg) &&
  {
    msg_.n_joints = std::move(arg);
    return std::move(msg_);
  }

private:
  friend class Init_PlanMotion_Response_n_points;

  explicit Init_PlanMotion_Response_n_joints(PlanMotion_Response && msg)
  : msg_(std::move(msg)) {}

  PlanMotion_Response msg_;
};

/// Step 7 of 8: sets n_points.
class Init_PlanMotion_Response_n_points
{
public:
  Init_PlanMotion_Response_n_joints n_points(PlanMotion_Response::_n_points_type arg) &&
  {
    msg_.n_points = std::move(arg);
    return Init_PlanMotion_Response_n_joints(std::move(msg_));
  }

private:
  friend class Init_PlanMotion_Response_time_from_start;

  explicit Init_PlanMotion_Response_n_points(PlanMotion_Response && msg)
  : msg_(std::move(msg)) {}

  PlanMotion_Response msg_;
};

/// Step 6 of 8: sets time_from_start.
class Init_PlanMotion_Response_time_from_start
{
public:
  Init_PlanMotion_Response_n_points time_from_start(
    PlanMotion_Response::_time_from_start_type arg) &&
  {
    msg_.time_from_start = std::move(arg);
    return Init_PlanMotion_Response_n_points(std::move(msg_));
  }

private:
  friend class Init_PlanMotion_Response_accelerations_flat;

  explicit Init_PlanMotion_Response_time_from_start(PlanMotion_Response && msg)
  : msg_(std::move(msg)) {}

  PlanMotion_Response msg_;
};

/// Step 5 of 8: sets accelerations_flat.
class Init_PlanMotion_Response_accelerations_flat
{
public:
  Init_PlanMotion_Response_time_from_start accelerations_flat(
    PlanMotion_Response::_accelerations_flat_type arg) &&
  {
    msg_.accelerations_flat = std::move(arg);
    return Init_PlanMotion_Response_time_from_start(std::move(msg_));
  }

private:
  friend class Init_PlanMotion_Response_velocities_flat;

  explicit Init_PlanMotion_Response_accelerations_flat(PlanMotion_Response && msg)
  : msg_(std::move(msg)) {}

  PlanMotion_Response msg_;
};

/// Step 4 of 8: sets velocities_flat.
class Init_PlanMotion_Response_velocities_flat
{
public:
  Init_PlanMotion_Response_accelerations_flat velocities_flat(
    PlanMotion_Response::_velocities_flat_type arg) &&
  {
    msg_.velocities_flat = std::move(arg);
    return Init_PlanMotion_Response_accelerations_flat(std::move(msg_));
  }

private:
  friend class Init_PlanMotion_Response_waypoints_flat;

  explicit Init_PlanMotion_Response_velocities_flat(PlanMotion_Response && msg)
  : msg_(std::move(msg)) {}

  PlanMotion_Response msg_;
};

/// Step 3 of 8: sets waypoints_flat.
class Init_PlanMotion_Response_waypoints_flat
{
public:
  Init_PlanMotion_Response_velocities_flat waypoints_flat(
    PlanMotion_Response::_waypoints_flat_type arg) &&
  {
    msg_.waypoints_flat = std::move(arg);
    return Init_PlanMotion_Response_velocities_flat(std::move(msg_));
  }

private:
  friend class Init_PlanMotion_Response_message;

  explicit Init_PlanMotion_Response_waypoints_flat(PlanMotion_Response && msg)
  : msg_(std::move(msg)) {}

  PlanMotion_Response msg_;
};

/// Step 2 of 8: sets message.
class Init_PlanMotion_Response_message
{
public:
  Init_PlanMotion_Response_waypoints_flat message(PlanMotion_Response::_message_type arg) &&
  {
    msg_.message = std::move(arg);
    return Init_PlanMotion_Response_waypoints_flat(std::move(msg_));
  }

private:
  friend class Init_PlanMotion_Response_success;

  explicit Init_PlanMotion_Response_message(PlanMotion_Response && msg)
  : msg_(std::move(msg)) {}

  PlanMotion_Response msg_;
};

/// Step 1 of 8: sets success.
class Init_PlanMotion_Response_success
{
public:
  Init_PlanMotion_Response_success() = default;

  Init_PlanMotion_Response_message success(PlanMotion_Response::_success_type arg) &&
  {
    msg_.success = std::move(arg);
    return Init_PlanMotion_Response_message(std::move(msg_));
  }

private:
  PlanMotion_Response msg_;
};

}  // namespace builder
}  // namespace srv

/// The first step of the named-field builder of MessageType; specialised for each message.
template<typename MessageType>
auto build();

template<>
inline auto build<::quorvex::srv::PlanMotion_Request>()
{
  return ::quorvex::srv::builder::Init_PlanMotion_Request_start_joints();
}

template<>
inline auto build<::quorvex::srv::PlanMotion_Response>()
{
  return ::quorvex::srv::builder::Init_PlanMotion_Response_success();
}

}  // namespace quorvex

#endif  // QUORVEX__SRV__DETAIL__PLAN_MOTION__BUILDER_HPP_
