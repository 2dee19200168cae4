// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__YAML_HPP_
#define QUORVEX__SRV__DETAIL__YAML_HPP_

#include <cstddef>
#include <ostream>
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

#endif  // QUORVEX__SRV__DETAIL__YAML_HPP_
