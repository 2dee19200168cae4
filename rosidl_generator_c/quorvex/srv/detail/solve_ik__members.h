// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__SOLVE_IK__MEMBERS_H_
#define QUORVEX__SRV__DETAIL__SOLVE_IK__MEMBERS_H_

// The member lists of the two SolveIK messages, written once for the libraries that expand
// them. QUORVEX_<MESSAGE>_MEMBERS_WITH(X, context) calls X(context, member, KIND) for each member
// in declaration and wire order, passing `context` (e.g. the message's name) through;
// QUORVEX_<MESSAGE>_MEMBERS(X) calls X(member, KIND). KIND is one of BOOL, INT32, FLOAT64, STRING
// and FLOAT64_SEQUENCE, so a library can paste it onto its own prefix (e.g. WRITE_##KIND) to
// pick the step for that kind of member.

#ifndef QUORVEX_SRV_MEMBER_WITHOUT_CONTEXT
#define QUORVEX_SRV_MEMBER_WITHOUT_CONTEXT(X, member, KIND) X(member, KIND)
#endif

#define QUORVEX_SOLVE_IK_REQUEST_MEMBERS_WITH(X, context) \
  X(context, pose_info_path, STRING) \
  X(context, stage_subset, STRING) \
  X(context, max_contact_poses, INT32) \
  X(context, return_seeds, INT32) \
  X(context, tool_type, STRING) \
  X(context, position_tolerance, FLOAT64) \
  X(context, orientation_tolerance, FLOAT64) \
  X(context, conform_samples, INT32) \
  X(context, orientation_sample_range_deg, FLOAT64) \
  X(context, orientation_sample_step_deg, FLOAT64) \
  X(context, accept_feasible_path, BOOL) \
  X(context, max_joint_jump_rad, FLOAT64)

#define QUORVEX_SOLVE_IK_RESPONSE_MEMBERS_WITH(X, context) \
  X(context, success, BOOL) \
  X(context, summary, STRING) \
  X(context, report_json, STRING)

#define QUORVEX_SOLVE_IK_REQUEST_MEMBERS(X) \
  QUORVEX_SOLVE_IK_REQUEST_MEMBERS_WITH(QUORVEX_SRV_MEMBER_WITHOUT_CONTEXT, X)
#define QUORVEX_SOLVE_IK_RESPONSE_MEMBERS(X) \
  QUORVEX_SOLVE_IK_RESPONSE_MEMBERS_WITH(QUORVEX_SRV_MEMBER_WITHOUT_CONTEXT, X)

#endif  // QUORVEX__SRV__DETAIL__SOLVE_IK__MEMBERS_H_
