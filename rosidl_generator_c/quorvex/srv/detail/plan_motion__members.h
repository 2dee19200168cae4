// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__PLAN_MOTION__MEMBERS_H_
#define QUORVEX__SRV__DETAIL__PLAN_MOTION__MEMBERS_H_

// The member lists of the two PlanMotion messages, written once for the libraries that expand
// them. X(member, KIND) is called for each member in declaration and wire order; KIND is one of
// BOOL, INT32, FLOAT64, STRING and FLOAT64_SEQUENCE.

#define QUORVEX_PLAN_MOTION_REQUEST_MEMBERS(X) \
  X(start_joints, FLOAT64_SEQUENCE) \
  X(goal_joints, FLOAT64_SEQUENCE)

#define QUORVEX_PLAN_MOTION_RESPONSE_MEMBERS(X) \
  X(success, BOOL) \
  X(message, STRING) \
  X(waypoints_flat, FLOAT64_SEQUENCE) \
  X(velocities_flat, FLOAT64_SEQUENCE) \
  X(accelerations_flat, FLOAT64_SEQUENCE) \
  X(time_from_start, FLOAT64_SEQUENCE) \
  X(n_points, INT32) \
  X(n_joints, INT32)

#endif  // QUORVEX__SRV__DETAIL__PLAN_MOTION__MEMBERS_H_
