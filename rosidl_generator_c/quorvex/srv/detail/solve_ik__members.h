// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__SOLVE_IK__MEMBERS_H_
#define QUORVEX__SRV__DETAIL__SOLVE_IK__MEMBERS_H_

// The member lists of the two SolveIK messages, written once for the libraries that expand them.
// X(member, KIND) is called for each member in declaration and wire order; KIND is one of BOOL,
// INT32, FLOAT64, STRING and FLOAT64_SEQUENCE, so a library can paste it onto its own prefix
// (e.g. WRITE_##KIND) to pick the step for that kind of member.

#define QUORVEX_SOLVE_IK_REQUEST_MEMBERS(X) \
  X(pose_info_path, STRING) \
  X(stage_subset, STRING) \
  X(max_contact_poses, INT32) \
  X(return_seeds, INT32) \
  X(tool_type, STRING) \
  X(position_tolerance, FLOAT64) \
  X(orientation_tolerance, FLOAT64) \
  X(conform_samples, INT32) \
  X(orientation_sample_range_deg, FLOAT64) \
  X(orientation_sample_step_deg, FLOAT64) \
  X(accept_feasible_path, BOOL) \
  X(max_joint_jump_rad, FLOAT64)

#define QUORVEX_SOLVE_IK_RESPONSE_MEMBERS(X) \
  X(success, BOOL) \
  X(summary, STRING) \
  X(report_json, STRING)

#endif  // QUORVEX__SRV__DETAIL__SOLVE_IK__MEMBERS_H_
