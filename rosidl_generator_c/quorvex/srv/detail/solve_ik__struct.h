// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__SOLVE_IK__STRUCT_H_
#define QUORVEX__SRV__DETAIL__SOLVE_IK__STRUCT_H_

#ifdef __cplusplus
extern "C"
{
#endif

#include <stdbool.h>
#include <stddef.h>
#include <stdint.h>

#include "rosidl_runtime_c/string.h"

/// Request of the service quorvex/srv/SolveIK.
typedef struct quorvex__srv__SolveIK_Request
{
  rosidl_runtime_c__String pose_info_path;
  rosidl_runtime_c__String stage_subset;
  int32_t max_contact_poses;
  int32_t return_seeds;
  rosidl_runtime_c__String tool_type;
  double position_tolerance;
  double orientation_tolerance;
  int32_t conform_samples;
  double orientation_sample_range_deg;
  double orientation_sample_step_deg;
  bool accept_feasible_path;
  double max_joint_jump_rad;
} quorvex__srv__SolveIK_Request;

/// Growable array of quorvex__srv__SolveIK_Request; all `capacity` elements are initialised.
typedef struct quorvex__srv__SolveIK_Request__Sequence
{
  quorvex__srv__SolveIK_Request * data;
  /// Number of elements in use.
  size_t size;
  /// Number of elements the block holds.
  size_t capacity;
} quorvex__srv__SolveIK_Request__Sequence;

/// Response of the service quorvex/srv/SolveIK.
typedef struct quorvex__srv__SolveIK_Response
{
  bool success;
  rosidl_runtime_c__String summary;
  rosidl_runtime_c__String report_json;
} quorvex__srv__SolveIK_Response;

/// Growable array of quorvex__srv__SolveIK_Response; all `capacity` elements are initialised.
typedef struct quorvex__srv__SolveIK_Response__Sequence
{
  quorvex__srv__SolveIK_Response * data;
  /// Number of elements in use.
  size_t size;
  /// Number of elements the block holds.
  size_t capacity;
} quorvex__srv__SolveIK_Response__Sequence;

#ifdef __cplusplus
}
#endif

#endif  // QUORVEX__SRV__DETAIL__SOLVE_IK__STRUCT_H_
