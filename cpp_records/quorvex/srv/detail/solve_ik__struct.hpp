// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__SOLVE_IK__STRUCT_HPP_
#define QUORVEX__SRV__DETAIL__SOLVE_IK__STRUCT_HPP_

#include <cstdint>
#include <memory>
#include <string>

#include "quorvex/srv/detail/solve_ik__members.h"
#include "quorvex/srv/detail/setters.hpp"
#include "rosidl_runtime_cpp/message_initialization.hpp"

namespace quorvex
{
namespace srv
{

/// Request of the service quorvex/srv/SolveIK.
template<class ContainerAllocator>
struct SolveIK_Request_
{
  using Type = SolveIK_Request_<ContainerAllocator>;

  using _string_type = std::basic_string<char, std::char_traits<char>,
      typename std::allocator_traits<ContainerAllocator>::template rebind_alloc<char>>;
  using _pose_info_path_type = _string_type;
  using _stage_subset_type = _string_type;
  using _max_contact_poses_type = int32_t;
  using _return_seeds_type = int32_t;
  using _tool_type_type = _string_type;
  using _position_tolerance_type = double;
  using _orientation_tolerance_type = double;
  using _conform_samples_type = int32_t;
  using _orientation_sample_range_deg_type = double;
  using _orientation_sample_step_deg_type = double;
  using _accept_feasible_path_type = bool;
  using _max_joint_jump_rad_type = double;

  explicit SolveIK_Request_(
    rosidl_runtime_cpp::MessageInitialization init = rosidl_runtime_cpp::MessageInitialization::ALL)
  {
    initialize_scalars(init);
  }

  explicit SolveIK_Request_(
    const ContainerAllocator & alloc,
    rosidl_runtime_cpp::MessageInitialization init = rosidl_runtime_cpp::MessageInitialization::ALL)
  : pose_info_path(alloc),
    stage_subset(alloc),
    tool_type(alloc)
  {
    initialize_scalars(init);
  }

  _pose_info_path_type pose_info_path;
  _stage_subset_type stage_subset;
  _max_contact_poses_type max_contact_poses;
  _return_seeds_type return_seeds;
  _tool_type_type tool_type;
  _position_tolerance_type position_tolerance;
  _orientation_tolerance_type orientation_tolerance;
  _conform_samples_type conform_samples;
  _orientation_sample_range_deg_type orientation_sample_range_deg;
  _orientation_sample_step_deg_type orientation_sample_step_deg;
  _accept_feasible_path_type accept_feasible_path;
  _max_joint_jump_rad_type max_joint_jump_rad;

  // set__<member>(value) for every member.
  QUORVEX_SOLVE_IK_REQUEST_MEMBERS(QUORVEX_SRV_SETTER)

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

  bool operator==(const SolveIK_Request_ & other) const
  {
    return pose_info_path == other.pose_info_path &&
           stage_subset == other.stage_subset &&
           max_contact_poses == other.max_contact_poses &&
           return_seeds == other.return_seeds &&
           tool_type == other.tool_type &&
           position_tolerance == other.position_tolerance &&
           orientation_tolerance == other.orientation_tolerance &&
           conform_samples == other.conform_samples &&
           orientation_sample_range_deg == other.orientation_sample_range_deg &&
           orientation_sample_step_deg == other.orientation_sample_step_deg &&
           accept_feasible_path == other.accept_feasible_path &&
           max_joint_jump_rad == other.max_joint_jump_rad;
  }

  bool operator!=(const SolveIK_Request_ & other) const
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
      max_contact_poses = 0;
      return_seeds = 0;
      position_tolerance = 0.0;
      orientation_tolerance = 0.0;
      conform_samples = 0;
      orientation_sample_range_deg = 0.0;
      orientation_sample_step_deg = 0.0;
      accept_feasible_path = false;
      max_joint_jump_rad = 0.0;
    }
  }
};

using SolveIK_Request = SolveIK_Request_<std::allocator<void>>;

/// Response of the service quorvex/srv/SolveIK.
template<class ContainerAllocator>
struct SolveIK_Response_
{
  using Type = SolveIK_Response_<ContainerAllocator>;

  using _string_type = std::basic_string<char, std::char_traits<char>,
      typename std::allocator_traits<ContainerAllocator>::template rebind_alloc<char>>;
  using _success_type = bool;
  using _summary_type = _string_type;
  using _report_json_type = _string_type;

  explicit SolveIK_Response_(
    rosidl_runtime_cpp::MessageInitialization init = rosidl_runtime_cpp::MessageInitialization::ALL)
  {
    initialize_scalars(init);
  }

  explicit SolveIK_Response_(
    const ContainerAllocator & alloc,
    rosidl_runtime_cpp::MessageInitialization init = rosidl_runtime_cpp::MessageInitialization::ALL)
  : summary(alloc),
    report_json(alloc)
  {
    initialize_scalars(init);
  }

  _success_type success;
  _summary_type summary;
  _report_json_type report_json;

  // set__<member>(value) for every member.
  QUORVEX_SOLVE_IK_RESPONSE_MEMBERS(QUORVEX_SRV_SETTER)

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

  bool operator==(const SolveIK_Response_ & other) const
  {
    return success == other.success &&
           summary == other.summary &&
           report_json == other.report_json;
  }

  bool operator!=(const SolveIK_Response_ & other) const
  {
    return !(*this == other);
  }

private:
  void initialize_scalars(rosidl_runtime_cpp::MessageInitialization init)
  {
    if (rosidl_runtime_cpp::MessageInitialization::ALL == init ||
      rosidl_runtime_cpp::MessageInitialization::ZERO == init)
    {
      success = false;
    }
  }
};

using SolveIK_Response = SolveIK_Response_<std::allocator<void>>;

/// The service quorvex/srv/SolveIK: selects its type support and names its two messages.
struct SolveIK
{
  using Request = quorvex::srv::SolveIK_Request;
  using Response = quorvex::srv::SolveIK_Response;
};

}  // namespace srv
}  // namespace quorvex

#endif  // QUORVEX__SRV__DETAIL__SOLVE_IK__STRUCT_HPP_
