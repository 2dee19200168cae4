// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "payloads.hpp"

#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <string>
#include <vector>

#include "fastcdr/Cdr.h"
#include "fastcdr/FastBuffer.h"
#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_fastrtps_cpp.hpp"
#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_fastrtps_cpp.hpp"
#include "rosidl_runtime_c/primitives_sequence_functions.h"
#include "rosidl_runtime_c/string_functions.h"

namespace quorvex_bench
{

namespace
{

std::vector<double> ramp(size_t count, double start, double step)
{
  std::vector<double> values(count);
  for (size_t i = 0; i < count; ++i) {
    values[i] = start + step * static_cast<double>(i);
  }
  return values;
}

void assign(rosidl_runtime_c__String * out, const std::string & in)
{
  require(rosidl_runtime_c__String__assignn(out, in.data(), in.size()), "string assign");
}

void assign(rosidl_runtime_c__double__Sequence * out, const std::vector<double> & in)
{
  rosidl_runtime_c__double__Sequence__fini(out);
  require(rosidl_runtime_c__double__Sequence__init(out, in.size()), "sequence init");
  for (size_t i = 0; i < in.size(); ++i) {
    out->data[i] = in[i];
  }
}

// Length of the record's encoding as the CDR library writes it, header not counted.
template<typename Record>
size_t encoded_bytes(const Record & record)
{
  eprosima::fastcdr::FastBuffer buffer;  // owns and grows its storage
  eprosima::fastcdr::Cdr cdr(buffer);
  quorvex::srv::typesupport_fastrtps_cpp::cdr_serialize(record, cdr);
  return cdr.getSerializedDataLength();
}

}  // namespace

void require(bool ok, const char * what)
{
  if (!ok) {
    std::fprintf(stderr, "benchmark failed: %s\n", what);
    std::abort();
  }
}

const std::vector<Shape> & response_shapes()
{
  static const std::vector<Shape> shapes{{10, 7}, {100, 7}, {1000, 7}, {10000, 7}};
  return shapes;
}

std::string shape_label(const Shape & shape)
{
  return std::to_string(shape.n_points) + "x" + std::to_string(shape.n_joints);
}

void CRecordDeleter::operator()(quorvex__srv__PlanMotion_Response * record) const
{
  quorvex__srv__PlanMotion_Response__destroy(record);
}

void CRecordDeleter::operator()(quorvex__srv__SolveIK_Request * record) const
{
  quorvex__srv__SolveIK_Request__destroy(record);
}

void CRecordDeleter::operator()(quorvex__srv__PlanMotion_Response__Sequence * sequence) const
{
  quorvex__srv__PlanMotion_Response__Sequence__destroy(sequence);
}

void CRecordDeleter::operator()(quorvex__srv__SolveIK_Request__Sequence * sequence) const
{
  quorvex__srv__SolveIK_Request__Sequence__destroy(sequence);
}

quorvex::srv::PlanMotion_Response make_response(const Shape & shape)
{
  const size_t values = static_cast<size_t>(shape.n_points) * static_cast<size_t>(shape.n_joints);
  quorvex::srv::PlanMotion_Response response;
  response.success = true;
  response.message = "trajectory found";  // 16 bytes: one past the short-string buffer
  response.waypoints_flat = ramp(values, -1.5, 1e-4);
  response.velocities_flat = ramp(values, 0.25, -2e-5);
  response.accelerations_flat = ramp(values, 3.0, 7e-6);
  response.time_from_start = ramp(static_cast<size_t>(shape.n_points), 0.0, 0.01);
  response.n_points = shape.n_points;
  response.n_joints = shape.n_joints;
  return response;
}

quorvex::srv::SolveIK_Request make_request()
{
  quorvex::srv::SolveIK_Request request;
  request.pose_info_path = "/var/lib/quorvex/cells/cell_04/pose_info_2026-12-01.yaml";
  request.stage_subset = "approach,grasp,lift,retreat";
  request.max_contact_poses = 64;
  request.return_seeds = 8;
  request.tool_type = "parallel_gripper";
  request.position_tolerance = 5e-4;
  request.orientation_tolerance = 1e-2;
  request.conform_samples = 24;
  request.orientation_sample_range_deg = 30.0;
  request.orientation_sample_step_deg = 2.5;
  request.accept_feasible_path = true;
  request.max_joint_jump_rad = 0.35;
  return request;
}

CPtr<quorvex__srv__PlanMotion_Response> to_c_record(const quorvex::srv::PlanMotion_Response & in)
{
  CPtr<quorvex__srv__PlanMotion_Response> out(quorvex__srv__PlanMotion_Response__create());
  require(out != nullptr, "PlanMotion_Response create");
  out->success = in.success;
  assign(&out->message, in.message);
  assign(&out->waypoints_flat, in.waypoints_flat);
  assign(&out->velocities_flat, in.velocities_flat);
  assign(&out->accelerations_flat, in.accelerations_flat);
  assign(&out->time_from_start, in.time_from_start);
  out->n_points = in.n_points;
  out->n_joints = in.n_joints;
  return out;
}

CPtr<quorvex__srv__SolveIK_Request> to_c_record(const quorvex::srv::SolveIK_Request & in)
{
  CPtr<quorvex__srv__SolveIK_Request> out(quorvex__srv__SolveIK_Request__create());
  require(out != nullptr, "SolveIK_Request create");
  assign(&out->pose_info_path, in.pose_info_path);
  assign(&out->stage_subset, in.stage_subset);
  out->max_contact_poses = in.max_contact_poses;
  out->return_seeds = in.return_seeds;
  assign(&out->tool_type, in.tool_type);
  out->position_tolerance = in.position_tolerance;
  out->orientation_tolerance = in.orientation_tolerance;
  out->conform_samples = in.conform_samples;
  out->orientation_sample_range_deg = in.orientation_sample_range_deg;
  out->orientation_sample_step_deg = in.orientation_sample_step_deg;
  out->accept_feasible_path = in.accept_feasible_path;
  out->max_joint_jump_rad = in.max_joint_jump_rad;
  return out;
}

CPtr<quorvex__srv__PlanMotion_Response__Sequence> to_c_sequence(
  const quorvex__srv__PlanMotion_Response & element)
{
  CPtr<quorvex__srv__PlanMotion_Response__Sequence> out(
    quorvex__srv__PlanMotion_Response__Sequence__create(kSequenceLength));
  require(out != nullptr, "PlanMotion_Response sequence create");
  for (size_t i = 0; i < out->size; ++i) {
    require(quorvex__srv__PlanMotion_Response__copy(&element, &out->data[i]), "element copy");
  }
  return out;
}

CPtr<quorvex__srv__SolveIK_Request__Sequence> to_c_sequence(
  const quorvex__srv__SolveIK_Request & element)
{
  CPtr<quorvex__srv__SolveIK_Request__Sequence> out(
    quorvex__srv__SolveIK_Request__Sequence__create(kSequenceLength));
  require(out != nullptr, "SolveIK_Request sequence create");
  for (size_t i = 0; i < out->size; ++i) {
    require(quorvex__srv__SolveIK_Request__copy(&element, &out->data[i]), "element copy");
  }
  return out;
}

size_t payload_bytes(const quorvex::srv::PlanMotion_Response & record)
{
  return encoded_bytes(record);
}

size_t payload_bytes(const quorvex::srv::SolveIK_Request & record)
{
  return encoded_bytes(record);
}

std::vector<size_t> payload_pieces(const quorvex::srv::PlanMotion_Response & record)
{
  std::vector<size_t> pieces{0};
  for (const auto * sequence : {&record.waypoints_flat, &record.velocities_flat,
      &record.accelerations_flat, &record.time_from_start})
  {
    pieces.push_back(sequence->size() * sizeof(double));
  }
  pieces[0] = payload_bytes(record) - std::accumulate(pieces.begin(), pieces.end(), size_t{0});
  return pieces;
}

std::vector<size_t> payload_pieces(const quorvex::srv::SolveIK_Request & record)
{
  // Three short strings and scalars: small enough that one piece represents it.
  return {payload_bytes(record)};
}

}  // namespace quorvex_bench
