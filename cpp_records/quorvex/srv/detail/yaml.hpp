// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__YAML_HPP_
#define QUORVEX__SRV__DETAIL__YAML_HPP_

#include <cstddef>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "rosidl_runtime_cpp/traits.hpp"

namespace quorvex
{
namespace srv
{
namespace yaml
{

// Member writers shared by the to_yaml functions of the four messages. Values are formatted by
// rosidl_runtime_cpp, so the text matches that of every other ROS 2 message.

/// Writes `name: value` in flow style, preceded by ", " unless it is the first member.
template<typename T>
void flow_member(const char * name, const T & value, bool first, std::ostream & out)
{
  if (!first) {
    out << ", ";
  }
  out << name << ": ";
  rosidl_generator_traits::value_to_yaml(value, out);
}

/// Writes `name: [v1, v2, ...]` in flow style.
inline void flow_member(
  const char * name, const std::vector<double> & values, bool first, std::ostream & out)
{
  if (!first) {
    out << ", ";
  }
  out << name << ": [";
  for (size_t i = 0; i < values.size(); ++i) {
    if (i > 0) {
      out << ", ";
    }
    rosidl_generator_traits::value_to_yaml(values[i], out);
  }
  out << "]";
}

/// Writes one indented `name: value` line in block style.
template<typename T>
void block_member(const char * name, const T & value, size_t indentation, std::ostream & out)
{
  out << std::string(indentation, ' ') << name << ": ";
  rosidl_generator_traits::value_to_yaml(value, out);
  out << "\n";
}

/// Writes a sequence in block style: `name: []` when empty, else one `- value` line per element.
inline void block_member(
  const char * name, const std::vector<double> & values, size_t indentation, std::ostream & out)
{
  const std::string indent(indentation, ' ');
  if (values.empty()) {
    out << indent << name << ": []\n";
    return;
  }
  out << indent << name << ":\n";
  for (const double value : values) {
    out << indent << "- ";
    rosidl_generator_traits::value_to_yaml(value, out);
    out << "\n";
  }
}

}  // namespace yaml
}  // namespace srv
}  // namespace quorvex

// The steps that a member table X(Message, member, KIND) expands to in the writers below; they
// use the names `msg`, `out`, `first` and `indentation`.
#define QUORVEX_SRV_YAML_FLOW_MEMBER(Message, member, KIND) \
  ::quorvex::srv::yaml::flow_member(#member, msg.member, first, out); \
  first = false;
#define QUORVEX_SRV_YAML_BLOCK_MEMBER(Message, member, KIND) \
  ::quorvex::srv::yaml::block_member(#member, msg.member, indentation, out);

/// Defines the YAML writers of quorvex::srv::<Message>, whose member table `MEMBERS` is the
/// QUORVEX_<MESSAGE>_MEMBERS_WITH form, at namespace scope:
/// - quorvex::srv::to_flow_style_yaml(msg, out) writes the members on one line, in member order:
///   {name: value, name: [v1, v2], ...};
/// - quorvex::srv::to_block_style_yaml(msg, out, indentation = 0) writes one member per line,
///   each indented by `indentation` spaces;
/// - quorvex::srv::to_yaml(msg, use_flow_style = false) gives the text, block style unless
///   `use_flow_style`; operator<< writes the flow style;
/// - rosidl_generator_traits::to_yaml, the writers' former names, deprecated.
#define QUORVEX_SRV_DEFINE_YAML(Message, MEMBERS) \
  namespace quorvex::srv \
  { \
  QUORVEX_SRV_YAML_WRITERS(Message, MEMBERS) \
  } \
 \
  namespace rosidl_generator_traits \
  { \
  QUORVEX_SRV_DEPRECATED_YAML_WRITERS(Message) \
  }

/// The writers of QUORVEX_SRV_DEFINE_YAML, in namespace quorvex::srv.
#define QUORVEX_SRV_YAML_WRITERS(Message, MEMBERS) \
  inline void to_flow_style_yaml(const Message & msg, std::ostream & out) \
  { \
    bool first = true; \
    out << "{"; \
    MEMBERS(QUORVEX_SRV_YAML_FLOW_MEMBER, Message) \
    out << "}"; \
  } \
 \
  inline void to_block_style_yaml( \
    const Message & msg, std::ostream & out, size_t indentation = 0) \
  { \
    MEMBERS(QUORVEX_SRV_YAML_BLOCK_MEMBER, Message) \
  } \
 \
  inline std::string to_yaml(const Message & msg, bool use_flow_style = false) \
  { \
    std::ostringstream out; \
    if (use_flow_style) { \
      to_flow_style_yaml(msg, out); \
    } else { \
      to_block_style_yaml(msg, out); \
    } \
    return out.str(); \
  } \
 \
  inline std::ostream & operator<<(std::ostream & out, const Message & msg) \
  { \
    to_flow_style_yaml(msg, out); \
    return out; \
  }

/// The writers' former names, in namespace rosidl_generator_traits.
#define QUORVEX_SRV_DEPRECATED_YAML_WRITERS(Message) \
  [[deprecated("use quorvex::srv::to_block_style_yaml() instead")]] \
  inline void to_yaml( \
    const quorvex::srv::Message & msg, std::ostream & out, size_t indentation = 0) \
  { \
    quorvex::srv::to_block_style_yaml(msg, out, indentation); \
  } \
 \
  [[deprecated("use quorvex::srv::to_yaml() instead")]] \
  inline std::string to_yaml(const quorvex::srv::Message & msg) \
  { \
    return quorvex::srv::to_yaml(msg); \
  }

#endif  // QUORVEX__SRV__DETAIL__YAML_HPP_
