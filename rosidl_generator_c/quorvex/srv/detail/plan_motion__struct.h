// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__PLAN_MOTION__STRUCT_H_
#define QUORVEX__SRV__DETAIL__PLAN_MOTION__STRUCT_H_

#ifdef __cplusplus
extern "C"
{
#endif

#include <stdbool.h>
#include <stddef.h>
#include <stdint.h>

#include "rosidl_runtime_c/primitives_sequence.h"
#include "rosidl_runtime_c/string.h"

/// Request of the service quorvex/srv/PlanMotion.
typedef struct quorvex__srv__PlanMotion_Request
{
  rosidl_runtime_c__double__Sequence start_joints;
  rosidl_runtime_c__double__Sequence goal_joints;
} quorvex__srv__PlanMotion_Request;

/// Growable array of quorvex__srv__PlanMotion_Request; all `capacity` elements are initialised.
typedef struct quorvex__srv__PlanMotion_Request__Sequence
{
  quorvex__srv__PlanMotion_Request * data;
  /// Number of elements in use.
  size_t size;
  /// Number of elements the block holds.
  size_t capacity;
} quorvex__srv__PlanMotion_Request__Sequence;

/// Response of the service quorvex/srv/PlanMotion.
/**
 * The *_flat sequences hold n_points x n_joints values; nothing in this package checks that.
 */
typedef struct quorvex__srv__PlanMotion_Response
{
  bool success;
  rosidl_runtime_c__String message;
  rosidl_runtime_c__double__Sequence waypoints_flat;
  rosidl_runtime_c__double__Sequence velocities_flat;
  rosidl_runtime_c__double__Sequence accelerations_flat;
  rosidl_runtime_c__double__Sequence time_from_start;
  int32_t n_points;
  int32_t n_joints;
} quorvex__srv__PlanMotion_Response;

/// Growable array of quorvex__srv__PlanMotion_Response; all `capacity` elements are initialised.
typedef struct quorvex__srv__PlanMotion_Response__Sequence
{
  quorvex__srv__PlanMotion_Response * data;
  /// Number of elements in use.
  size_t size;
  /// Number of elements the block holds.
  size_t capacity;
} quorvex__srv__PlanMotion_Response__Sequence;

#ifdef __cplusplus
}
#endif

#endif  // QUORVEX__SRV__DETAIL__PLAN_MOTION__STRUCT_H_
