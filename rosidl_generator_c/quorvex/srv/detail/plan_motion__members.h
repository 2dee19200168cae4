// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__PLAN_MOTION__MEMBERS_H_
#define QUORVEX__SRV__DETAIL__PLAN_MOTION__MEMBERS_H_

// The member lists of the two PlanMotion messages, written once for the libraries that expand
// them. QUORVEX_<MESSAGE>_MEMBERS_WITH(X, context) calls X(context, member, KIND) for each member
// in declaration and wire order, passing `context` (e.g. the message's name) through;
// QUORVEX_<MESSAGE>_MEMBERS(X) calls X(member, KIND). KIND is one of BOOL, INT32, FLOAT64, STRING
// and FLOAT64_SEQUENCE, so a library can paste it onto its own prefix (e.g. WRITE_##KIND) to
// pick the step for that kind of member.

#ifndef QUORVEX_SRV_MEMBER_WITHOUT_CONTEXT
#define QUORVEX_SRV_MEMBER_WITHOUT_CONTEXT(X, member, KIND) X(member, KIND)
#endif

#define QUORVEX_PLAN_MOTION_REQUEST_MEMBERS_WITH(X, context) \
  X(context, start_joints, FLOAT64_SEQUENCE) \
  X(context, goal_joints, FLOAT64_SEQUENCE)

#define QUORVEX_PLAN_MOTION_RESPONSE_MEMBERS_WITH(X, context) \
  X(context, success, BOOL) \
  X(context, message, STRING) \
  X(context, waypoints_flat, FLOAT64_SEQUENCE) \
  X(context, velocities_flat, FLOAT64_SEQUENCE) \
  X(context, accelerations_flat, FLOAT64_SEQUENCE) \
  X(context, time_from_start, FLOAT64_SEQUENCE) \
  X(context, n_points, INT32) \
  X(context, n_joints, INT32)

#define QUORVEX_PLAN_MOTION_REQUEST_MEMBERS(X) \
  QUORVEX_PLAN_MOTION_REQUEST_MEMBERS_WITH(QUORVEX_SRV_MEMBER_WITHOUT_CONTEXT, X)
#define QUORVEX_PLAN_MOTION_RESPONSE_MEMBERS(X) \
  QUORVEX_PLAN_MOTION_RESPONSE_MEMBERS_WITH(QUORVEX_SRV_MEMBER_WITHOUT_CONTEXT, X)

#endif  // QUORVEX__SRV__DETAIL__PLAN_MOTION__MEMBERS_H_
