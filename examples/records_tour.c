// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// A tour of the C records of quorvex: creates, fills, copies, compares, prints and destroys a
// record of each of the four messages, then does the same with a sequence of each.
// Exits with 1 as soon as a step does not behave as expected.

#include <stdbool.h>
#include <stdio.h>
#include <stdlib.h>

#include "quorvex/srv/plan_motion.h"
#include "quorvex/srv/solve_ik.h"
#include "rosidl_runtime_c/primitives_sequence_functions.h"
#include "rosidl_runtime_c/string_functions.h"

static void check(bool ok, const char * step)
{
  if (!ok) {
    fprintf(stderr, "records_tour: %s failed\n", step);
    exit(1);
  }
}

static void set_text(rosidl_runtime_c__String * str, const char * text)
{
  check(rosidl_runtime_c__String__assign(str, text), "assigning a string");
}

static void set_values(
  rosidl_runtime_c__double__Sequence * seq, const double * values, size_t count)
{
  rosidl_runtime_c__double__Sequence__fini(seq);
  check(rosidl_runtime_c__double__Sequence__init(seq, count), "sizing a float64 sequence");
  for (size_t i = 0; i < count; ++i) {
    seq->data[i] = values[i];
  }
}

static void print_values(const char * name, const rosidl_runtime_c__double__Sequence * seq)
{
  printf("  %s: [", name);
  for (size_t i = 0; i < seq->size; ++i) {
    printf("%s%g", i ? ", " : "", seq->data[i]);
  }
  printf("]\n");
}

static const char * yes_no(bool value)
{
  return value ? "yes" : "no";
}

// SolveIK

static void fill_solve_ik_request(quorvex__srv__SolveIK_Request * msg)
{
  set_text(&msg->pose_info_path, "/opt/cell_a/poses.txt");
  set_text(&msg->stage_subset, "approach,contact");
  msg->max_contact_poses = 8;
  msg->return_seeds = 2;
  set_text(&msg->tool_type, "parallel_gripper");
  msg->position_tolerance = 0.0005;
  msg->orientation_tolerance = 0.01;
  msg->conform_samples = 16;
  msg->orientation_sample_range_deg = 30.0;
  msg->orientation_sample_step_deg = 5.0;
  msg->accept_feasible_path = true;
  msg->max_joint_jump_rad = 0.35;
}

static void print_solve_ik_request(const quorvex__srv__SolveIK_Request * msg)
{
  printf("SolveIK_Request:\n");
  printf("  pose_info_path: \"%s\"\n", msg->pose_info_path.data);
  printf("  stage_subset: \"%s\"\n", msg->stage_subset.data);
  printf("  max_contact_poses: %d\n", (int)msg->max_contact_poses);
  printf("  return_seeds: %d\n", (int)msg->return_seeds);
  printf("  tool_type: \"%s\"\n", msg->tool_type.data);
  printf("  position_tolerance: %g\n", msg->position_tolerance);
  printf("  orientation_tolerance: %g\n", msg->orientation_tolerance);
  printf("  conform_samples: %d\n", (int)msg->conform_samples);
  printf("  orientation_sample_range_deg: %g\n", msg->orientation_sample_range_deg);
  printf("  orientation_sample_step_deg: %g\n", msg->orientation_sample_step_deg);
  printf("  accept_feasible_path: %s\n", msg->accept_feasible_path ? "true" : "false");
  printf("  max_joint_jump_rad: %g\n", msg->max_joint_jump_rad);
}

static void tour_solve_ik_request(void)
{
  quorvex__srv__SolveIK_Request * original = quorvex__srv__SolveIK_Request__create();
  quorvex__srv__SolveIK_Request * copy = quorvex__srv__SolveIK_Request__create();
  check(original && copy, "creating SolveIK_Request records");
  fill_solve_ik_request(original);
  check(quorvex__srv__SolveIK_Request__copy(original, copy), "copying a SolveIK_Request");
  print_solve_ik_request(copy);
  const bool equal = quorvex__srv__SolveIK_Request__are_equal(original, copy);
  printf("  copy equals original: %s\n", yes_no(equal));
  check(equal, "comparing a SolveIK_Request with its copy");
  set_text(&copy->tool_type, "suction_cup");
  const bool still_equal = quorvex__srv__SolveIK_Request__are_equal(original, copy);
  printf("  after changing the copy's tool_type, equal: %s\n", yes_no(still_equal));
  check(!still_equal, "comparing SolveIK_Request records that differ");
  quorvex__srv__SolveIK_Request__destroy(copy);
  quorvex__srv__SolveIK_Request__destroy(original);
}

static void tour_solve_ik_response(void)
{
  quorvex__srv__SolveIK_Response * original = quorvex__srv__SolveIK_Response__create();
  quorvex__srv__SolveIK_Response * copy = quorvex__srv__SolveIK_Response__create();
  check(original && copy, "creating SolveIK_Response records");
  original->success = true;
  set_text(&original->summary, "3 of 3 stages solved");
  set_text(&original->report_json, "{\"stages\": 3, \"seeds\": 2}");
  check(quorvex__srv__SolveIK_Response__copy(original, copy), "copying a SolveIK_Response");
  printf("SolveIK_Response:\n");
  printf("  success: %s\n", copy->success ? "true" : "false");
  printf("  summary: \"%s\"\n", copy->summary.data);
  printf("  report_json: %s\n", copy->report_json.data);
  const bool equal = quorvex__srv__SolveIK_Response__are_equal(original, copy);
  printf("  copy equals original: %s\n", yes_no(equal));
  check(equal, "comparing a SolveIK_Response with its copy");
  quorvex__srv__SolveIK_Response__destroy(copy);
  quorvex__srv__SolveIK_Response__destroy(original);
}

// PlanMotion

static void fill_plan_motion_request(quorvex__srv__PlanMotion_Request * msg, double offset)
{
  const double start[] = {0.0 + offset, -0.5, 1.2, 0.0, 0.8, 0.0};
  const double goal[] = {0.6 + offset, -0.2, 0.9, 0.1, 1.1, -0.3};
  set_values(&msg->start_joints, start, 6);
  set_values(&msg->goal_joints, goal, 6);
}

static void tour_plan_motion_request(void)
{
  quorvex__srv__PlanMotion_Request * original = quorvex__srv__PlanMotion_Request__create();
  quorvex__srv__PlanMotion_Request * copy = quorvex__srv__PlanMotion_Request__create();
  check(original && copy, "creating PlanMotion_Request records");
  fill_plan_motion_request(original, 0.0);
  check(quorvex__srv__PlanMotion_Request__copy(original, copy), "copying a PlanMotion_Request");
  printf("PlanMotion_Request:\n");
  print_values("start_joints", &copy->start_joints);
  print_values("goal_joints", &copy->goal_joints);
  const bool equal = quorvex__srv__PlanMotion_Request__are_equal(original, copy);
  printf("  copy equals original: %s\n", yes_no(equal));
  check(equal, "comparing a PlanMotion_Request with its copy");
  quorvex__srv__PlanMotion_Request__destroy(copy);
  quorvex__srv__PlanMotion_Request__destroy(original);
}

// Two points of two joints, the *_flat sequences listing point after point.
static void fill_plan_motion_response(quorvex__srv__PlanMotion_Response * msg)
{
  const double waypoints[] = {0.0, -0.5, 0.6, -0.2};
  const double velocities[] = {0.0, 0.0, 0.0, 0.0};
  const double accelerations[] = {0.4, 0.2, -0.4, -0.2};
  const double times[] = {0.0, 1.5};
  msg->success = true;
  set_text(&msg->message, "planned 2 points");
  set_values(&msg->waypoints_flat, waypoints, 4);
  set_values(&msg->velocities_flat, velocities, 4);
  set_values(&msg->accelerations_flat, accelerations, 4);
  set_values(&msg->time_from_start, times, 2);
  msg->n_points = 2;
  msg->n_joints = 2;
}

static void tour_plan_motion_response(void)
{
  quorvex__srv__PlanMotion_Response * original = quorvex__srv__PlanMotion_Response__create();
  quorvex__srv__PlanMotion_Response * copy = quorvex__srv__PlanMotion_Response__create();
  check(original && copy, "creating PlanMotion_Response records");
  fill_plan_motion_response(original);
  check(quorvex__srv__PlanMotion_Response__copy(original, copy), "copying a PlanMotion_Response");
  printf("PlanMotion_Response:\n");
  printf("  success: %s\n", copy->success ? "true" : "false");
  printf("  message: \"%s\"\n", copy->message.data);
  print_values("waypoints_flat", &copy->waypoints_flat);
  print_values("velocities_flat", &copy->velocities_flat);
  print_values("accelerations_flat", &copy->accelerations_flat);
  print_values("time_from_start", &copy->time_from_start);
  printf("  n_points: %d\n", (int)copy->n_points);
  printf("  n_joints: %d\n", (int)copy->n_joints);
  const bool equal = quorvex__srv__PlanMotion_Response__are_equal(original, copy);
  printf("  copy equals original: %s\n", yes_no(equal));
  check(equal, "comparing a PlanMotion_Response with its copy");
  quorvex__srv__PlanMotion_Response__destroy(copy);
  quorvex__srv__PlanMotion_Response__destroy(original);
}

// Sequences: one of each message, filled, copied into an empty sequence and compared.

static void report_sequence(const char * name, size_t size, bool equal)
{
  printf("%s__Sequence of %zu: copy equals original: %s\n", name, size, yes_no(equal));
  check(equal, "comparing a sequence with its copy");
}

static void tour_sequences(void)
{
  quorvex__srv__SolveIK_Request__Sequence * requests =
    quorvex__srv__SolveIK_Request__Sequence__create(3);
  quorvex__srv__SolveIK_Request__Sequence * request_copies =
    quorvex__srv__SolveIK_Request__Sequence__create(0);
  check(requests && request_copies, "creating SolveIK_Request sequences");
  for (size_t i = 0; i < requests->size; ++i) {
    fill_solve_ik_request(&requests->data[i]);
    requests->data[i].return_seeds = (int32_t)i + 1;
  }
  check(
    quorvex__srv__SolveIK_Request__Sequence__copy(requests, request_copies),
    "copying a SolveIK_Request sequence");
  report_sequence(
    "SolveIK_Request", request_copies->size,
    quorvex__srv__SolveIK_Request__Sequence__are_equal(requests, request_copies));
  quorvex__srv__SolveIK_Request__Sequence__destroy(request_copies);
  quorvex__srv__SolveIK_Request__Sequence__destroy(requests);

  quorvex__srv__SolveIK_Response__Sequence * responses =
    quorvex__srv__SolveIK_Response__Sequence__create(2);
  quorvex__srv__SolveIK_Response__Sequence * response_copies =
    quorvex__srv__SolveIK_Response__Sequence__create(0);
  check(responses && response_copies, "creating SolveIK_Response sequences");
  responses->data[1].success = true;
  set_text(&responses->data[1].summary, "solved");
  check(
    quorvex__srv__SolveIK_Response__Sequence__copy(responses, response_copies),
    "copying a SolveIK_Response sequence");
  report_sequence(
    "SolveIK_Response", response_copies->size,
    quorvex__srv__SolveIK_Response__Sequence__are_equal(responses, response_copies));
  quorvex__srv__SolveIK_Response__Sequence__destroy(response_copies);
  quorvex__srv__SolveIK_Response__Sequence__destroy(responses);

  quorvex__srv__PlanMotion_Request__Sequence * motions =
    quorvex__srv__PlanMotion_Request__Sequence__create(4);
  quorvex__srv__PlanMotion_Request__Sequence * motion_copies =
    quorvex__srv__PlanMotion_Request__Sequence__create(0);
  check(motions && motion_copies, "creating PlanMotion_Request sequences");
  for (size_t i = 0; i < motions->size; ++i) {
    fill_plan_motion_request(&motions->data[i], 0.1 * (double)i);
  }
  check(
    quorvex__srv__PlanMotion_Request__Sequence__copy(motions, motion_copies),
    "copying a PlanMotion_Request sequence");
  report_sequence(
    "PlanMotion_Request", motion_copies->size,
    quorvex__srv__PlanMotion_Request__Sequence__are_equal(motions, motion_copies));
  quorvex__srv__PlanMotion_Request__Sequence__destroy(motion_copies);
  quorvex__srv__PlanMotion_Request__Sequence__destroy(motions);

  quorvex__srv__PlanMotion_Response__Sequence * plans =
    quorvex__srv__PlanMotion_Response__Sequence__create(2);
  quorvex__srv__PlanMotion_Response__Sequence * plan_copies =
    quorvex__srv__PlanMotion_Response__Sequence__create(0);
  check(plans && plan_copies, "creating PlanMotion_Response sequences");
  fill_plan_motion_response(&plans->data[0]);
  check(
    quorvex__srv__PlanMotion_Response__Sequence__copy(plans, plan_copies),
    "copying a PlanMotion_Response sequence");
  report_sequence(
    "PlanMotion_Response", plan_copies->size,
    quorvex__srv__PlanMotion_Response__Sequence__are_equal(plans, plan_copies));
  quorvex__srv__PlanMotion_Response__Sequence__destroy(plan_copies);
  quorvex__srv__PlanMotion_Response__Sequence__destroy(plans);
}

int main(void)
{
  tour_solve_ik_request();
  tour_solve_ik_response();
  tour_plan_motion_request();
  tour_plan_motion_response();
  tour_sequences();
  printf("records tour complete\n");
  return 0;
}
