// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "introspection_cases.hpp"

#include <string>
#include <vector>

#include "rosidl_runtime_c/primitives_sequence_functions.h"
#include "rosidl_runtime_c/string_functions.h"
#include "rosidl_typesupport_interface/macros.h"

namespace introspection_cases
{

bool bool_value(size_t k) {return k % 2 == 0;}
int32_t int32_value(size_t k) {return -1000 * static_cast<int32_t>(k) - 7;}
double float64_value(size_t k) {return -0.125 - static_cast<double>(k);}
std::string string_value(size_t k) {return "text of member " + std::to_string(k);}

std::vector<double> sequence_value(size_t k)
{
  std::vector<double> values;
  for (size_t i = 0; i <= k; ++i) {
    values.push_back(static_cast<double>(k) * 100.0 + static_cast<double>(i) + 0.5);
  }
  return values;
}

namespace
{

void set(rosidl_runtime_c__String & member, size_t k)
{
  rosidl_runtime_c__String__assign(&member, string_value(k).c_str());
}

void set(rosidl_runtime_c__double__Sequence & member, size_t k)
{
  const std::vector<double> values = sequence_value(k);
  rosidl_runtime_c__double__Sequence__fini(&member);
  rosidl_runtime_c__double__Sequence__init(&member, values.size());
  for (size_t i = 0; i < values.size(); ++i) {
    member.data[i] = values[i];
  }
}

void fill_plan_motion_request(quorvex__srv__PlanMotion_Request & r)
{
  set(r.start_joints, 0);
  set(r.goal_joints, 1);
}

void fill_plan_motion_response(quorvex__srv__PlanMotion_Response & r)
{
  r.success = bool_value(0);
  set(r.message, 1);
  set(r.waypoints_flat, 2);
  set(r.velocities_flat, 3);
  set(r.accelerations_flat, 4);
  set(r.time_from_start, 5);
  r.n_points = int32_value(6);
  r.n_joints = int32_value(7);
}

void fill_solve_ik_request(quorvex__srv__SolveIK_Request & r)
{
  set(r.pose_info_path, 0);
  set(r.stage_subset, 1);
  r.max_contact_poses = int32_value(2);
  r.return_seeds = int32_value(3);
  set(r.tool_type, 4);
  r.position_tolerance = float64_value(5);
  r.orientation_tolerance = float64_value(6);
  r.conform_samples = int32_value(7);
  r.orientation_sample_range_deg = float64_value(8);
  r.orientation_sample_step_deg = float64_value(9);
  r.accept_feasible_path = bool_value(10);
  r.max_joint_jump_rad = float64_value(11);
}

void fill_solve_ik_response(quorvex__srv__SolveIK_Response & r)
{
  r.success = bool_value(0);
  set(r.summary, 1);
  set(r.report_json, 2);
}

template<typename Record, bool(*Init)(Record *), void(*Fini)(Record *),
  bool(*AreEqual)(const Record *, const Record *), void(*Fill)(Record &)>
MessageCase make_case(
  const char * name, const rosidl_message_type_support_t * (*get_handle)())
{
  return MessageCase{
    name, get_handle, sizeof(Record),
    [](void * record) {return Init(static_cast<Record *>(record));},
    [](void * record) {Fini(static_cast<Record *>(record));},
    [](const void * lhs, const void * rhs) {
      return AreEqual(static_cast<const Record *>(lhs), static_cast<const Record *>(rhs));
    },
    [](void * record) {Fill(*static_cast<Record *>(record));}};
}

}  // namespace

const std::vector<MessageCase> & message_cases()
{
  static const std::vector<MessageCase> cases{
    make_case<quorvex__srv__PlanMotion_Request, quorvex__srv__PlanMotion_Request__init,
      quorvex__srv__PlanMotion_Request__fini, quorvex__srv__PlanMotion_Request__are_equal,
      fill_plan_motion_request>(
      "PlanMotion_Request",
      ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
        rosidl_typesupport_introspection_c, quorvex, srv, PlanMotion_Request)),
    make_case<quorvex__srv__PlanMotion_Response, quorvex__srv__PlanMotion_Response__init,
      quorvex__srv__PlanMotion_Response__fini, quorvex__srv__PlanMotion_Response__are_equal,
      fill_plan_motion_response>(
      "PlanMotion_Response",
      ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
        rosidl_typesupport_introspection_c, quorvex, srv, PlanMotion_Response)),
    make_case<quorvex__srv__SolveIK_Request, quorvex__srv__SolveIK_Request__init,
      quorvex__srv__SolveIK_Request__fini, quorvex__srv__SolveIK_Request__are_equal,
      fill_solve_ik_request>(
      "SolveIK_Request",
      ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
        rosidl_typesupport_introspection_c, quorvex, srv, SolveIK_Request)),
    make_case<quorvex__srv__SolveIK_Response, quorvex__srv__SolveIK_Response__init,
      quorvex__srv__SolveIK_Response__fini, quorvex__srv__SolveIK_Response__are_equal,
      fill_solve_ik_response>(
      "SolveIK_Response",
      ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
        rosidl_typesupport_introspection_c, quorvex, srv, SolveIK_Response)),
  };
  return cases;
}

}  // namespace introspection_cases
