// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "record_model.hpp"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "quorvex/srv/detail/plan_motion__struct.h"
#include "quorvex/srv/detail/solve_ik__struct.h"
#include "rosidl_runtime_c/primitives_sequence_functions.h"
#include "rosidl_runtime_c/string_functions.h"

namespace record_model
{

namespace
{

#define RECORD_MEMBER(record, member, kind) {#member, Kind::kind, offsetof(record, member) \
}

template<typename T>
const T & at(const void * record, const Member & member)
{
  return *reinterpret_cast<const T *>(static_cast<const char *>(record) + member.offset);
}

template<typename T>
T & at(void * record, const Member & member)
{
  return *reinterpret_cast<T *>(static_cast<char *>(record) + member.offset);
}

std::size_t scalar_width(Kind kind)
{
  switch (kind) {
    case Kind::kBool: return sizeof(bool);
    case Kind::kInt32: return sizeof(std::int32_t);
    case Kind::kFloat64: return sizeof(double);
    default: return 0;
  }
}

double float64_from(ByteReader & input)
{
  // Values where IEEE-754 equality and bytewise equality part ways, and ordinary ones.
  static const double special[] = {
    0.0, -0.0, 1.0, std::numeric_limits<double>::quiet_NaN(),
    -std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
    -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::denorm_min(),
  };
  const std::uint8_t choice = input.byte();
  if (choice < sizeof(special) / sizeof(special[0])) {
    return special[choice];
  }
  double value;
  input.bytes(&value, sizeof(value));
  return value;
}

}  // namespace

const Layout & solve_ik_request()
{
  using R = quorvex__srv__SolveIK_Request;
  static const Layout layout{"SolveIK_Request", sizeof(R), {
      RECORD_MEMBER(R, pose_info_path, kString),
      RECORD_MEMBER(R, stage_subset, kString),
      RECORD_MEMBER(R, max_contact_poses, kInt32),
      RECORD_MEMBER(R, return_seeds, kInt32),
      RECORD_MEMBER(R, tool_type, kString),
      RECORD_MEMBER(R, position_tolerance, kFloat64),
      RECORD_MEMBER(R, orientation_tolerance, kFloat64),
      RECORD_MEMBER(R, conform_samples, kInt32),
      RECORD_MEMBER(R, orientation_sample_range_deg, kFloat64),
      RECORD_MEMBER(R, orientation_sample_step_deg, kFloat64),
      RECORD_MEMBER(R, accept_feasible_path, kBool),
      RECORD_MEMBER(R, max_joint_jump_rad, kFloat64),
    }};
  return layout;
}

const Layout & solve_ik_response()
{
  using R = quorvex__srv__SolveIK_Response;
  static const Layout layout{"SolveIK_Response", sizeof(R), {
      RECORD_MEMBER(R, success, kBool),
      RECORD_MEMBER(R, summary, kString),
      RECORD_MEMBER(R, report_json, kString),
    }};
  return layout;
}

const Layout & plan_motion_request()
{
  using R = quorvex__srv__PlanMotion_Request;
  static const Layout layout{"PlanMotion_Request", sizeof(R), {
      RECORD_MEMBER(R, start_joints, kDoubleSequence),
      RECORD_MEMBER(R, goal_joints, kDoubleSequence),
    }};
  return layout;
}

const Layout & plan_motion_response()
{
  using R = quorvex__srv__PlanMotion_Response;
  static const Layout layout{"PlanMotion_Response", sizeof(R), {
      RECORD_MEMBER(R, success, kBool),
      RECORD_MEMBER(R, message, kString),
      RECORD_MEMBER(R, waypoints_flat, kDoubleSequence),
      RECORD_MEMBER(R, velocities_flat, kDoubleSequence),
      RECORD_MEMBER(R, accelerations_flat, kDoubleSequence),
      RECORD_MEMBER(R, time_from_start, kDoubleSequence),
      RECORD_MEMBER(R, n_points, kInt32),
      RECORD_MEMBER(R, n_joints, kInt32),
    }};
  return layout;
}

bool owns_buffer(Kind kind)
{
  return kind == Kind::kString || kind == Kind::kDoubleSequence;
}

std::string value_of(const Member & member, const void * record)
{
  if (member.kind == Kind::kString) {
    const auto & text = at<rosidl_runtime_c__String>(record, member);
    return std::string(text.data, text.size);
  }
  if (member.kind == Kind::kDoubleSequence) {
    const auto & sequence = at<rosidl_runtime_c__double__Sequence>(record, member);
    return std::string(
      reinterpret_cast<const char *>(sequence.data), sequence.size * sizeof(double));
  }
  return std::string(
    static_cast<const char *>(record) + member.offset, scalar_width(member.kind));
}

std::vector<std::string> values_of(const Layout & layout, const void * record)
{
  std::vector<std::string> values;
  for (const Member & member : layout.members) {
    values.push_back(value_of(member, record));
  }
  return values;
}

std::vector<std::string> created_values(const Layout & layout)
{
  std::vector<std::string> values;
  for (const Member & member : layout.members) {
    values.emplace_back(scalar_width(member.kind), '\0');
  }
  return values;
}

std::string scalar_bytes(const Layout & layout, const void * record)
{
  std::string bytes;
  for (const Member & member : layout.members) {
    if (!owns_buffer(member.kind)) {
      bytes += value_of(member, record);
    }
  }
  return bytes;
}

bool is_valid(const Layout & layout, const void * record)
{
  for (const Member & member : layout.members) {
    if (member.kind == Kind::kString) {
      const auto & text = at<rosidl_runtime_c__String>(record, member);
      if (!text.data || text.size >= text.capacity || text.data[text.size] != '\0') {
        return false;
      }
    } else if (member.kind == Kind::kDoubleSequence) {
      const auto & sequence = at<rosidl_runtime_c__double__Sequence>(record, member);
      if ((sequence.data == nullptr) != (sequence.capacity == 0) ||
        sequence.size > sequence.capacity)
      {
        return false;
      }
    }
  }
  return true;
}

bool is_freshly_initialised(const Layout & layout, const void * record)
{
  for (const Member & member : layout.members) {
    if (member.kind == Kind::kString) {
      const auto & text = at<rosidl_runtime_c__String>(record, member);
      if (!text.data || text.size != 0 || text.data[0] != '\0') {
        return false;
      }
    } else if (member.kind == Kind::kDoubleSequence) {
      const auto & sequence = at<rosidl_runtime_c__double__Sequence>(record, member);
      if (sequence.data || sequence.size != 0 || sequence.capacity != 0) {
        return false;
      }
    }
  }
  return true;
}

bool scalars_are_zero(const Layout & layout, const void * record)
{
  for (char byte : scalar_bytes(layout, record)) {
    if (byte != 0) {
      return false;
    }
  }
  return true;
}

bool equal_by_value(const Layout & layout, const void * lhs, const void * rhs)
{
  for (const Member & member : layout.members) {
    if (member.kind == Kind::kFloat64) {
      if (at<double>(lhs, member) != at<double>(rhs, member)) {
        return false;
      }
    } else if (member.kind == Kind::kDoubleSequence) {
      const auto & left = at<rosidl_runtime_c__double__Sequence>(lhs, member);
      const auto & right = at<rosidl_runtime_c__double__Sequence>(rhs, member);
      if (left.size != right.size) {
        return false;
      }
      for (std::size_t i = 0; i < left.size; ++i) {
        if (left.data[i] != right.data[i]) {
          return false;
        }
      }
    } else if (value_of(member, lhs) != value_of(member, rhs)) {
      return false;
    }
  }
  return true;
}

std::size_t owned_buffers(const Layout & layout, const void * record)
{
  std::size_t count = 0;
  for (const Member & member : layout.members) {
    if (member.kind == Kind::kString) {
      count += at<rosidl_runtime_c__String>(record, member).data != nullptr;
    } else if (member.kind == Kind::kDoubleSequence) {
      count += at<rosidl_runtime_c__double__Sequence>(record, member).data != nullptr;
    }
  }
  return count;
}

bool fill(const Layout & layout, void * record, ByteReader & input)
{
  bool complete = true;
  for (const Member & member : layout.members) {
    switch (member.kind) {
      case Kind::kBool:
        at<bool>(record, member) = input.byte() & 1;
        break;
      case Kind::kInt32:
        input.bytes(&at<std::int32_t>(record, member), sizeof(std::int32_t));
        break;
      case Kind::kFloat64:
        at<double>(record, member) = float64_from(input);
        break;
      case Kind::kString: {
          char text[24];
          const std::size_t length = input.below(sizeof(text));
          input.bytes(text, length);
          complete &= rosidl_runtime_c__String__assignn(
            &at<rosidl_runtime_c__String>(record, member), text, length);
          break;
        }
      case Kind::kDoubleSequence: {
          auto & sequence = at<rosidl_runtime_c__double__Sequence>(record, member);
          rosidl_runtime_c__double__Sequence__fini(&sequence);
          if (!rosidl_runtime_c__double__Sequence__init(&sequence, input.below(9))) {
            complete = false;
            break;
          }
          for (std::size_t i = 0; i < sequence.size; ++i) {
            sequence.data[i] = float64_from(input);
          }
          break;
        }
    }
  }
  return complete;
}

}  // namespace record_model
