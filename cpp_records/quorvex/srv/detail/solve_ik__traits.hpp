// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__SOLVE_IK__TRAITS_HPP_
#define QUORVEX__SRV__DETAIL__SOLVE_IK__TRAITS_HPP_

#include <cstddef>
#include <ostream>
#include <sstream>
#include <string>
#include <type_traits>

#include "quorvex/srv/detail/solve_ik__struct.hpp"
#include "quorvex/srv/detail/yaml.hpp"
#include "rosidl_runtime_cpp/traits.hpp"

namespace quorvex
{
namespace srv
{

/// Writes the request on one line: {pose_info_path: "...", ...}.
inline void to_flow_style_yaml(const SolveIK_Request & msg, std::ostream & out)
{
  out << "{";
  yaml::flow_member("pose_info_path", msg.pose_info_path, true, out);
  yaml::flow_member("stage_subset", msg.stage_subset, false, out);
  yaml::flow_member("max_contact_poses", msg.max_contact_poses, false, out);
  yaml::flow_member("return_seeds", msg.return_seeds, false, out);
  yaml::flow_member("tool_type", msg.tool_type, false, out);
  yaml::flow_member("position_tolerance", msg.position_tolerance, false, out);
  yaml::flow_member("orientation_tolerance", msg.orientation_tolerance, false, out);
  yaml::flow_member("conform_samples", msg.conform_samples, false, out);
  yaml::flow_member("orientation_sample_range_deg", msg.orientation_sample_range_deg, false, out);
  yaml::flow_member("orientation_sample_step_deg", msg.orientation_sample_step_deg, false, out);
  yaml::flow_member("accept_feasible_path", msg.accept_feasible_path, false, out);
  yaml::flow_member("max_joint_jump_rad", msg.max_joint_jump_rad, false, out);
  out << "}";
}

/// Writes the request one member per line, each indented by `indentation` spaces.
inline void to_block_style_yaml(
  const SolveIK_Request & msg, std::ostream & out, size_t indentation = 0)
{
  yaml::block_member("pose_info_path", msg.pose_info_path, indentation, out);
  yaml::block_member("stage_subset", msg.stage_subset, indentation, out);
  yaml::block_member("max_contact_poses", msg.max_contact_poses, indentation, out);
  yaml::block_member("return_seeds", msg.return_seeds, indentation, out);
  yaml::block_member("tool_type", msg.tool_type, indentation, out);
  yaml::block_member("position_tolerance", msg.position_tolerance, indentation, out);
  yaml::block_member("orientation_tolerance", msg.orientation_tolerance, indentation, out);
  yaml::block_member("conform_samples", msg.conform_samples, indentation, out);
  yaml::block_member(
    "orientation_sample_range_deg", msg.orientation_sample_range_deg, indentation, out);
  yaml::block_member(
    "orientation_sample_step_deg", msg.orientation_sample_step_deg, indentation, out);
  yaml::block_member("accept_feasible_path", msg.accept_feasible_path, indentation, out);
  yaml::block_member("max_joint_jump_rad", msg.max_joint_jump_rad, indentation, out);
}

/// The request as YAML text, block style unless `use_flow_style`.
inline std::string to_yaml(const SolveIK_Request & msg, bool use_flow_style = false)
{
  std::ostringstream out;
  if (use_flow_style) {
    to_flow_style_yaml(msg, out);
  } else {
    to_block_style_yaml(msg, out);
  }
  return out.str();
}

inline std::ostream & operator<<(std::ostream & out, const SolveIK_Request & msg)
{
  to_flow_style_yaml(msg, out);
  return out;
}

/// Writes the response on one line: {success: ..., summary: "...", report_json: "..."}.
inline void to_flow_style_yaml(const SolveIK_Response & msg, std::ostream & out)
{
  out << "{";
  yaml::flow_member("success", msg.success, true, out);
  yaml::flow_member("summary", msg.summary, false, out);
  yaml::flow_member("report_json", msg.report_json, false, out);
  out << "}";
}

/// Writes the response one member per line, each indented by `indentation` spaces.
inline void to_block_style_yaml(
  const SolveIK_Response & msg, std::ostream & out, size_t indentation = 0)
{
  yaml::block_member("success", msg.success, indentation, out);
  yaml::block_member("summary", msg.summary, indentation, out);
  yaml::block_member("report_json", msg.report_json, indentation, out);
}

/// The response as YAML text, block style unless `use_flow_style`.
inline std::string to_yaml(const SolveIK_Response & msg, bool use_flow_style = false)
{
  std::ostringstream out;
  if (use_flow_style) {
    to_flow_style_yaml(msg, out);
  } else {
    to_block_style_yaml(msg, out);
  }
  return out.str();
}

inline std::ostream & operator<<(std::ostream & out, const SolveIK_Response & msg)
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
  const quorvex::srv::SolveIK_Request & msg, std::ostream & out, size_t indentation = 0)
{
  quorvex::srv::to_block_style_yaml(msg, out, indentation);
}

[[deprecated("use quorvex::srv::to_yaml() instead")]]
inline std::string to_yaml(const quorvex::srv::SolveIK_Request & msg)
{
  return quorvex::srv::to_yaml(msg);
}

template<>
inline const char * data_type<quorvex::srv::SolveIK_Request>()
{
  return "quorvex::srv::SolveIK_Request";
}

template<>
inline const char * name<quorvex::srv::SolveIK_Request>()
{
  return "quorvex/srv/SolveIK_Request";
}

// Unbounded strings: neither the size nor a bound is fixed.
template<>
struct has_fixed_size<quorvex::srv::SolveIK_Request>: std::false_type {};

template<>
struct has_bounded_size<quorvex::srv::SolveIK_Request>: std::false_type {};

template<>
struct is_message<quorvex::srv::SolveIK_Request>: std::true_type {};

template<>
struct is_service_request<quorvex::srv::SolveIK_Request>: std::true_type {};

[[deprecated("use quorvex::srv::to_block_style_yaml() instead")]]
inline void to_yaml(
  const quorvex::srv::SolveIK_Response & msg, std::ostream & out, size_t indentation = 0)
{
  quorvex::srv::to_block_style_yaml(msg, out, indentation);
}

[[deprecated("use quorvex::srv::to_yaml() instead")]]
inline std::string to_yaml(const quorvex::srv::SolveIK_Response & msg)
{
  return quorvex::srv::to_yaml(msg);
}

template<>
inline const char * data_type<quorvex::srv::SolveIK_Response>()
{
  return "quorvex::srv::SolveIK_Response";
}

template<>
inline const char * name<quorvex::srv::SolveIK_Response>()
{
  return "quorvex/srv/SolveIK_Response";
}

template<>
struct has_fixed_size<quorvex::srv::SolveIK_Response>: std::false_type {};

template<>
struct has_bounded_size<quorvex::srv::SolveIK_Response>: std::false_type {};

template<>
struct is_message<quorvex::srv::SolveIK_Response>: std::true_type {};

template<>
struct is_service_response<quorvex::srv::SolveIK_Response>: std::true_type {};

template<>
inline const char * data_type<quorvex::srv::SolveIK>()
{
  return "quorvex::srv::SolveIK";
}

template<>
inline const char * name<quorvex::srv::SolveIK>()
{
  return "quorvex/srv/SolveIK";
}

template<>
struct has_fixed_size<quorvex::srv::SolveIK>
  : std::integral_constant<bool,
    has_fixed_size<quorvex::srv::SolveIK_Request>::value &&
    has_fixed_size<quorvex::srv::SolveIK_Response>::value> {};

template<>
struct has_bounded_size<quorvex::srv::SolveIK>
  : std::integral_constant<bool,
    has_bounded_size<quorvex::srv::SolveIK_Request>::value &&
    has_bounded_size<quorvex::srv::SolveIK_Response>::value> {};

template<>
struct is_service<quorvex::srv::SolveIK>: std::true_type {};

}  // namespace rosidl_generator_traits

#endif  // QUORVEX__SRV__DETAIL__SOLVE_IK__TRAITS_HPP_
