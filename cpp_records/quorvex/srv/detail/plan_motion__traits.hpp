// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__PLAN_MOTION__TRAITS_HPP_
#define QUORVEX__SRV__DETAIL__PLAN_MOTION__TRAITS_HPP_

#include <cstddef>
#include <ostream>
#include <sstream>
#include <string>
#include <type_traits>

#include "quorvex/srv/detail/plan_motion__struct.hpp"
#include "quorvex/srv/detail/yaml.hpp"
#include "rosidl_runtime_cpp/traits.hpp"

namespace quorvex
{
namespace srv
{

/// Writes the request on one line: {start_joints: [...], goal_joints: [...]}.
inline void to_flow_style_yaml(const PlanMotion_Request & msg, std::ostream & out)
{
  out << "{";
  yaml::flow_member("start_joints", msg.start_joints, true, out);
  yaml::flow_member("goal_joints", msg.goal_joints, false, out);
  out << "}";
}

/// Writes the request one member per line, each indented by `indentation` spaces.
inline void to_block_style_yaml(
  const PlanMotion_Request & msg, std::ostream & out, size_t indentation = 0)
{
  yaml::block_member("start_joints", msg.start_joints, indentation, out);
  yaml::block_member("goal_joints", msg.goal_joints, indentation, out);
}

/// The request as YAML text, block style unless `use_flow_style`.
inline std::string to_yaml(const PlanMotion_Request & msg, bool use_flow_style = false)
{
  std::ostringstream out;
  if (use_flow_style) {
    to_flow_style_yaml(msg, out);
  } else {
    to_block_style_yaml(msg, out);
  }
  return out.str();
}

inline std::ostream & operator<<(std::ostream & out, const PlanMotion_Request & msg)
{
  to_flow_style_yaml(msg, out);
  return out;
}

/// Writes the response on one line: {success: ..., message: "...", waypoints_flat: [...], ...}.
inline void to_flow_style_yaml(const PlanMotion_Response & msg, std::ostream & out)
{
  out << "{";
  yaml::flow_member("success", msg.success, true, out);
  yaml::flow_member("message", msg.message, false, out);
  yaml::flow_member("waypoints_flat", msg.waypoints_flat, false, out);
  yaml::flow_member("velocities_flat", msg.velocities_flat, false, out);
  yaml::flow_member("accelerations_flat", msg.accelerations_flat, false, out);
  yaml::flow_member("time_from_start", msg.time_from_start, false, out);
  yaml::flow_member("n_points", msg.n_points, false, out);
  yaml::flow_member("n_joints", msg.n_joints, false, out);
  out << "}";
}

/// Writes the response one member per line, each indented by `indentation` spaces.
inline void to_block_style_yaml(
  const PlanMotion_Response & msg, std::ostream & out, size_t indentation = 0)
{
  yaml::block_member("success", msg.success, indentation, out);
  yaml::block_member("message", msg.message, indentation, out);
  yaml::block_member("waypoints_flat", msg.waypoints_flat, indentation, out);
  yaml::block_member("velocities_flat", msg.velocities_flat, indentation, out);
  yaml::block_member("accelerations_flat", msg.accelerations_flat, indentation, out);
  yaml::block_member("time_from_start", msg.time_from_start, indentation, out);
  yaml::block_member("n_points", msg.n_points, indentation, out);
  yaml::block_member("n_joints", msg.n_joints, indentation, out);
}

/// The response as YAML text, block style unless `use_flow_style`.
inline std::string to_yaml(const PlanMotion_Response & msg, bool use_flow_style = false)
{
  std::ostringstream out;
  if (use_flow_style) {
    to_flow_style_yaml(msg, out);
  } else {
    to_block_style_yaml(msg, out);
  }
  return out.str();
}

inline std::ostream & operator<<(std::ostream & out, const PlanMotion_Response & msg)
{
  to_flow_style_yaml(msg, out);
  return out;
}

}  // namespace srv
}  // namespace quorvex

namespace rosidl_generator_traits
{

// The YAML writers' former names, kept for code written against them.

[[deprecated("use quorvex::srv::to_block_style_yaml() instead")]]
inline void to_yaml(
  const quorvex::srv::PlanMotion_Request & msg, std::ostream & out, size_t indentation = 0)
{
  quorvex::srv::to_block_style_yaml(msg, out, indentation);
}

[[deprecated("use quorvex::srv::to_yaml() instead")]]
inline std::string to_yaml(const quorvex::srv::PlanMotion_Request & msg)
{
  return quorvex::srv::to_yaml(msg);
}

template<>
inline const char * data_type<quorvex::srv::PlanMotion_Request>()
{
  return "quorvex::srv::PlanMotion_Request";
}

template<>
inline const char * name<quorvex::srv::PlanMotion_Request>()
{
  return "quorvex/srv/PlanMotion_Request";
}

// Unbounded sequences: neither the size nor a bound is fixed.
template<>
struct has_fixed_size<quorvex::srv::PlanMotion_Request>: std::false_type {};

template<>
struct has_bounded_size<quorvex::srv::PlanMotion_Request>: std::false_type {};

template<>
struct is_message<quorvex::srv::PlanMotion_Request>: std::true_type {};

template<>
struct is_service_request<quorvex::srv::PlanMotion_Request>: std::true_type {};

[[deprecated("use quorvex::srv::to_block_style_yaml() instead")]]
inline void to_yaml(
  const quorvex::srv::PlanMotion_Response & msg, std::ostream & out, size_t indentation = 0)
{
  quorvex::srv::to_block_style_yaml(msg, out, indentation);
}

[[deprecated("use quorvex::srv::to_yaml() instead")]]
inline std::string to_yaml(const quorvex::srv::PlanMotion_Response & msg)
{
  return quorvex::srv::to_yaml(msg);
}

template<>
inline const char * data_type<quorvex::srv::PlanMotion_Response>()
{
  return "quorvex::srv::PlanMotion_Response";
}

template<>
inline const char * name<quorvex::srv::PlanMotion_Response>()
{
  return "quorvex/srv/PlanMotion_Response";
}

template<>
struct has_fixed_size<quorvex::srv::PlanMotion_Response>: std::false_type {};

template<>
struct has_bounded_size<quorvex::srv::PlanMotion_Response>: std::false_type {};

template<>
struct is_message<quorvex::srv::PlanMotion_Response>: std::true_type {};

template<>
struct is_service_response<quorvex::srv::PlanMotion_Response>: std::true_type {};

template<>
inline const char * data_type<quorvex::srv::PlanMotion>()
{
  return "quorvex::srv::PlanMotion";
}

template<>
inline const char * name<quorvex::srv::PlanMotion>()
{
  return "quorvex/srv/PlanMotion";
}

template<>
struct has_fixed_size<quorvex::srv::PlanMotion>
  : std::integral_constant<bool,
    has_fixed_size<quorvex::srv::PlanMotion_Request>::value &&
    has_fixed_size<quorvex::srv::PlanMotion_Response>::value> {};

template<>
struct has_bounded_size<quorvex::srv::PlanMotion>
  : std::integral_constant<bool,
    has_bounded_size<quorvex::srv::PlanMotion_Request>::value &&
    has_bounded_size<quorvex::srv::PlanMotion_Response>::value> {};

template<>
struct is_service<quorvex::srv::PlanMotion>: std::true_type {};

}  // namespace rosidl_generator_traits

#endif  // QUORVEX__SRV__DETAIL__PLAN_MOTION__TRAITS_HPP_
