// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__PLAN_MOTION__STRUCT_HPP_
#define QUORVEX__SRV__DETAIL__PLAN_MOTION__STRUCT_HPP_

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "quorvex/srv/detail/plan_motion__members.h"
#include "quorvex/srv/detail/setters.hpp"
#include "rosidl_runtime_cpp/message_initialization.hpp"

namespace quorvex
{
namespace srv
{

/// Request of the service quorvex/srv/PlanMotion.
template<class ContainerAllocator>
struct PlanMotion_Request_
{
  using Type = PlanMotion_Request_<ContainerAllocator>;

  using _double_sequence_type = std::vector<double,
      typename std::allocator_traits<ContainerAllocator>::template rebind_alloc<double>>;
  using _start_joints_type = _double_sequence_type;
  using _goal_joints_type = _double_sequence_type;

  // There are no scalars to initialise, so every MessageInitialization gives empty sequences.
  explicit PlanMotion_Request_(
    rosidl_runtime_cpp::MessageInitialization init = rosidl_runtime_cpp::MessageInitialization::ALL)
  {
    (void)init;
  }

  explicit PlanMotion_Request_(
    const ContainerAllocator & alloc,
    rosidl_runtime_cpp::MessageInitialization init = rosidl_runtime_cpp::MessageInitialization::ALL)
  : start_joints(alloc),
    goal_joints(alloc)
  {
    (void)init;
  }

  _start_joints_type start_joints;
  _goal_joints_type goal_joints;

  // set__<member>(value) for every member.
  QUORVEX_PLAN_MOTION_REQUEST_MEMBERS(QUORVEX_SRV_SETTER)

  using RawPtr = Type *;
  using ConstRawPtr = const Type *;
  using SharedPtr = std::shared_ptr<Type>;
  using ConstSharedPtr = std::shared_ptr<Type const>;
  template<typename Deleter = std::default_delete<Type>>
  using UniquePtrWithDeleter = std::unique_ptr<Type, Deleter>;
  using UniquePtr = UniquePtrWithDeleter<>;
  template<typename Deleter = std::default_delete<Type>>
  using ConstUniquePtrWithDeleter = std::unique_ptr<Type const, Deleter>;
  using ConstUniquePtr = ConstUniquePtrWithDeleter<>;
  using WeakPtr = std::weak_ptr<Type>;
  using ConstWeakPtr = std::weak_ptr<Type const>;
  // The names ROS 1 used, kept for code written against them.
  using Ptr [[deprecated("use SharedPtr instead")]] = std::shared_ptr<Type>;
  using ConstPtr [[deprecated("use ConstSharedPtr instead")]] = std::shared_ptr<Type const>;

  bool operator==(const PlanMotion_Request_ & other) const
  {
    return start_joints == other.start_joints &&
           goal_joints == other.goal_joints;
  }

  bool operator!=(const PlanMotion_Request_ & other) const
  {
    return !(*this == other);
  }
};

using PlanMotion_Request = PlanMotion_Request_<std::allocator<void>>;

/// Response of the service quorvex/srv/PlanMotion.
/**
 * The *_flat sequences hold n_points x n_joints values; nothing in this package checks that.
 */
template<class ContainerAllocator>
struct PlanMotion_Response_
{
  using Type = PlanMotion_Response_<ContainerAllocator>;

  using _string_type = std::basic_string<char, std::char_traits<char>,
      typename std::allocator_traits<ContainerAllocator>::template rebind_alloc<char>>;
  using _double_sequence_type = std::vector<double,
      typename std::allocator_traits<ContainerAllocator>::template rebind_alloc<double>>;
  using _success_type = bool;
  using _message_type = _string_type;
  using _waypoints_flat_type = _double_sequence_type;
  using _velocities_flat_type = _double_sequence_type;
  using _accelerations_flat_type = _double_sequence_type;
  using _time_from_start_type = _double_sequence_type;
  using _n_points_type = int32_t;
  using _n_joints_type = int32_t;

  explicit PlanMotion_Response_(
    rosidl_runtime_cpp::MessageInitialization init = rosidl_runtime_cpp::MessageInitialization::ALL)
  {
    initialize_scalars(init);
  }

  explicit PlanMotion_Response_(
    const ContainerAllocator & alloc,
    rosidl_runtime_cpp::MessageInitialization init = rosidl_runtime_cpp::MessageInitialization::ALL)
  : message(alloc),
    waypoints_flat(alloc),
    velocities_flat(alloc),
    accelerations_flat(alloc),
    time_from_start(alloc)
  {
    initialize_scalars(init);
  }

  _success_type success;
  _message_type message;
  _waypoints_flat_type waypoints_flat;
  _velocities_flat_type velocities_flat;
  _accelerations_flat_type accelerations_flat;
  _time_from_start_type time_from_start;
  _n_points_type n_points;
  _n_joints_type n_joints;

  // set__<member>(value) for every member.
  QUORVEX_PLAN_MOTION_RESPONSE_MEMBERS(QUORVEX_SRV_SETTER)

  using RawPtr = Type *;
  using ConstRawPtr = const Type *;
  using SharedPtr = std::shared_ptr<Type>;
  using ConstSharedPtr = std::shared_ptr<Type const>;
  template<typename Deleter = std::default_delete<Type>>
  using UniquePtrWithDeleter = std::unique_ptr<Type, Deleter>;
  using UniquePtr = UniquePtrWithDeleter<>;
  template<typename Deleter = std::default_delete<Type>>
  using ConstUniquePtrWithDeleter = std::unique_ptr<Type const, Deleter>;
  using ConstUniquePtr = ConstUniquePtrWithDeleter<>;
  using WeakPtr = std::weak_ptr<Type>;
  using ConstWeakPtr = std::weak_ptr<Type const>;
  // The names ROS 1 used, kept for code written against them.
  using Ptr [[deprecated("use SharedPtr instead")]] = std::shared_ptr<Type>;
  using ConstPtr [[deprecated("use ConstSharedPtr instead")]] = std::shared_ptr<Type const>;

  bool operator==(const PlanMotion_Response_ & other) const
  {
    return success == other.success &&
           message == other.message &&
           waypoints_flat == other.waypoints_flat &&
           velocities_flat == other.velocities_flat &&
           accelerations_flat == other.accelerations_flat &&
           time_from_start == other.time_from_start &&
           n_points == other.n_points &&
           n_joints == other.n_joints;
  }

  bool operator!=(const PlanMotion_Response_ & other) const
  {
    return !(*this == other);
  }

private:
  // No member has a default value: ALL and ZERO zero the scalars, SKIP and DEFAULTS_ONLY leave
  // them as the caller asked.
  void initialize_scalars(rosidl_runtime_cpp::MessageInitialization init)
  {
    if (rosidl_runtime_cpp::MessageInitialization::ALL == init ||
      rosidl_runtime_cpp::MessageInitialization::ZERO == init)
    {
      success = false;
      n_points = 0;
      n_joints = 0;
    }
  }
};

using PlanMotion_Response = PlanMotion_Response_<std::allocator<void>>;

/// The service quorvex/srv/PlanMotion: selects its type support and names its two messages.
struct PlanMotion
{
  using Request = quorvex::srv::PlanMotion_Request;
  using Response = quorvex::srv::PlanMotion_Response;
};

}  // namespace srv
}  // namespace quorvex

#endif  // QUORVEX__SRV__DETAIL__PLAN_MOTION__STRUCT_HPP_
