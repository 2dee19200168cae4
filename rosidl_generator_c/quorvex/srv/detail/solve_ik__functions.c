// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "quorvex/srv/detail/solve_ik__functions.h"

// The sequence finalisers' checks must stop the process in optimised builds too; <assert.h>
// defines assert anew at each inclusion, following NDEBUG at that point.
#undef NDEBUG
#include <assert.h>
#include <stdbool.h>
#include <stddef.h>
#include <string.h>

#include "quorvex/srv/detail/record_sequence.h"
#include "rcutils/allocator.h"
#include "rosidl_runtime_c/string_functions.h"

// SolveIK_Request

// Releases the first `count` string members, in member order.
static void
solve_ik_request_release(quorvex__srv__SolveIK_Request * msg, int count)
{
  if (count > 0) {
    rosidl_runtime_c__String__fini(&msg->pose_info_path);
  }
  if (count > 1) {
    rosidl_runtime_c__String__fini(&msg->stage_subset);
  }
  if (count > 2) {
    rosidl_runtime_c__String__fini(&msg->tool_type);
  }
}

bool
quorvex__srv__SolveIK_Request__init(quorvex__srv__SolveIK_Request * msg)
{
  if (!msg) {
    return false;
  }
  if (!rosidl_runtime_c__String__init(&msg->pose_info_path)) {
    return false;
  }
  if (!rosidl_runtime_c__String__init(&msg->stage_subset)) {
    solve_ik_request_release(msg, 1);
    return false;
  }
  if (!rosidl_runtime_c__String__init(&msg->tool_type)) {
    solve_ik_request_release(msg, 2);
    return false;
  }
  return true;
}

void
quorvex__srv__SolveIK_Request__fini(quorvex__srv__SolveIK_Request * msg)
{
  if (!msg) {
    return;
  }
  solve_ik_request_release(msg, 3);
}

quorvex__srv__SolveIK_Request *
quorvex__srv__SolveIK_Request__create(void)
{
  rcutils_allocator_t allocator = rcutils_get_default_allocator();
  quorvex__srv__SolveIK_Request * msg =
    allocator.allocate(sizeof(quorvex__srv__SolveIK_Request), allocator.state);
  if (!msg) {
    return NULL;
  }
  memset(msg, 0, sizeof(quorvex__srv__SolveIK_Request));
  if (!quorvex__srv__SolveIK_Request__init(msg)) {
    allocator.deallocate(msg, allocator.state);
    return NULL;
  }
  return msg;
}

void
quorvex__srv__SolveIK_Request__destroy(quorvex__srv__SolveIK_Request * msg)
{
  rcutils_allocator_t allocator = rcutils_get_default_allocator();
  if (msg) {
    quorvex__srv__SolveIK_Request__fini(msg);
  }
  allocator.deallocate(msg, allocator.state);
}

bool
quorvex__srv__SolveIK_Request__are_equal(
  const quorvex__srv__SolveIK_Request * lhs, const quorvex__srv__SolveIK_Request * rhs)
{
  if (!lhs || !rhs) {
    return false;
  }
  if (!rosidl_runtime_c__String__are_equal(&lhs->pose_info_path, &rhs->pose_info_path)) {
    return false;
  }
  if (!rosidl_runtime_c__String__are_equal(&lhs->stage_subset, &rhs->stage_subset)) {
    return false;
  }
  if (lhs->max_contact_poses != rhs->max_contact_poses) {
    return false;
  }
  if (lhs->return_seeds != rhs->return_seeds) {
    return false;
  }
  if (!rosidl_runtime_c__String__are_equal(&lhs->tool_type, &rhs->tool_type)) {
    return false;
  }
  if (lhs->position_tolerance != rhs->position_tolerance) {
    return false;
  }
  if (lhs->orientation_tolerance != rhs->orientation_tolerance) {
    return false;
  }
  if (lhs->conform_samples != rhs->conform_samples) {
    return false;
  }
  if (lhs->orientation_sample_range_deg != rhs->orientation_sample_range_deg) {
    return false;
  }
  if (lhs->orientation_sample_step_deg != rhs->orientation_sample_step_deg) {
    return false;
  }
  if (lhs->accept_feasible_path != rhs->accept_feasible_path) {
    return false;
  }
  if (lhs->max_joint_jump_rad != rhs->max_joint_jump_rad) {
    return false;
  }
  return true;
}

bool
quorvex__srv__SolveIK_Request__copy(
  const quorvex__srv__SolveIK_Request * input, quorvex__srv__SolveIK_Request * output)
{
  if (!input || !output) {
    return false;
  }
  if (input == output) {
    return true;
  }
  if (!rosidl_runtime_c__String__copy(&input->pose_info_path, &output->pose_info_path)) {
    return false;
  }
  if (!rosidl_runtime_c__String__copy(&input->stage_subset, &output->stage_subset)) {
    return false;
  }
  output->max_contact_poses = input->max_contact_poses;
  output->return_seeds = input->return_seeds;
  if (!rosidl_runtime_c__String__copy(&input->tool_type, &output->tool_type)) {
    return false;
  }
  output->position_tolerance = input->position_tolerance;
  output->orientation_tolerance = input->orientation_tolerance;
  output->conform_samples = input->conform_samples;
  output->orientation_sample_range_deg = input->orientation_sample_range_deg;
  output->orientation_sample_step_deg = input->orientation_sample_step_deg;
  output->accept_feasible_path = input->accept_feasible_path;
  output->max_joint_jump_rad = input->max_joint_jump_rad;
  return true;
}

// SolveIK_Request sequences

static bool
solve_ik_request_init_untyped(void * record)
{
  return quorvex__srv__SolveIK_Request__init(record);
}

static void
solve_ik_request_fini_untyped(void * record)
{
  quorvex__srv__SolveIK_Request__fini(record);
}

static bool
solve_ik_request_are_equal_untyped(const void * lhs, const void * rhs)
{
  return quorvex__srv__SolveIK_Request__are_equal(lhs, rhs);
}

static bool
solve_ik_request_copy_untyped(const void * input, void * output)
{
  return quorvex__srv__SolveIK_Request__copy(input, output);
}

static const quorvex__srv__RecordFunctions solve_ik_request_functions = {
  sizeof(quorvex__srv__SolveIK_Request),
  solve_ik_request_init_untyped,
  solve_ik_request_fini_untyped,
  solve_ik_request_are_equal_untyped,
  solve_ik_request_copy_untyped,
};

bool
quorvex__srv__SolveIK_Request__Sequence__init(
  quorvex__srv__SolveIK_Request__Sequence * array, size_t size)
{
  if (!array) {
    return false;
  }
  rcutils_allocator_t allocator = rcutils_get_default_allocator();
  void * data = NULL;
  if (!quorvex__srv__record_block__init(&solve_ik_request_functions, &allocator, size, &data)) {
    return false;
  }
  array->data = data;
  array->size = size;
  array->capacity = size;
  return true;
}

void
quorvex__srv__SolveIK_Request__Sequence__fini(
  quorvex__srv__SolveIK_Request__Sequence * array)
{
  if (!array) {
    return;
  }
  rcutils_allocator_t allocator = rcutils_get_default_allocator();
  if (array->data) {
    assert(array->capacity > 0);
    quorvex__srv__record_block__fini(
      &solve_ik_request_functions, &allocator, array->data, array->capacity);
    array->data = NULL;
    array->size = 0;
    array->capacity = 0;
  } else {
    assert(0 == array->size);
    assert(0 == array->capacity);
  }
}

quorvex__srv__SolveIK_Request__Sequence *
quorvex__srv__SolveIK_Request__Sequence__create(size_t size)
{
  rcutils_allocator_t allocator = rcutils_get_default_allocator();
  quorvex__srv__SolveIK_Request__Sequence * array =
    allocator.allocate(sizeof(quorvex__srv__SolveIK_Request__Sequence), allocator.state);
  if (!array) {
    return NULL;
  }
  if (!quorvex__srv__SolveIK_Request__Sequence__init(array, size)) {
    allocator.deallocate(array, allocator.state);
    return NULL;
  }
  return array;
}

void
quorvex__srv__SolveIK_Request__Sequence__destroy(
  quorvex__srv__SolveIK_Request__Sequence * array)
{
  rcutils_allocator_t allocator = rcutils_get_default_allocator();
  if (array) {
    quorvex__srv__SolveIK_Request__Sequence__fini(array);
  }
  allocator.deallocate(array, allocator.state);
}

bool
quorvex__srv__SolveIK_Request__Sequence__are_equal(
  const quorvex__srv__SolveIK_Request__Sequence * lhs,
  const quorvex__srv__SolveIK_Request__Sequence * rhs)
{
  if (!lhs || !rhs) {
    return false;
  }
  if (lhs->size != rhs->size) {
    return false;
  }
  return quorvex__srv__record_block__are_equal(
    &solve_ik_request_functions, lhs->data, rhs->data, lhs->size);
}

bool
quorvex__srv__SolveIK_Request__Sequence__copy(
  const quorvex__srv__SolveIK_Request__Sequence * input,
  quorvex__srv__SolveIK_Request__Sequence * output)
{
  if (!input || !output) {
    return false;
  }
  if (input == output) {
    return true;
  }
  if (output->capacity < input->size) {
    rcutils_allocator_t allocator = rcutils_get_default_allocator();
    void * data = output->data;
    const bool grown = quorvex__srv__record_block__grow(
      &solve_ik_request_functions, &allocator, &data, output->capacity, input->size);
    // The block may have moved even when growing failed.
    output->data = data;
    if (!grown) {
      return false;
    }
    output->capacity = input->size;
  }
  output->size = input->size;
  return quorvex__srv__record_block__copy(
    &solve_ik_request_functions, input->data, output->data, input->size);
}

// SolveIK_Response

// Releases the first `count` string members, in member order.
static void
solve_ik_response_release(quorvex__srv__SolveIK_Response * msg, int count)
{
  if (count > 0) {
    rosidl_runtime_c__String__fini(&msg->summary);
  }
  if (count > 1) {
    rosidl_runtime_c__String__fini(&msg->report_json);
  }
}

bool
quorvex__srv__SolveIK_Response__init(quorvex__srv__SolveIK_Response * msg)
{
  if (!msg) {
    return false;
  }
  if (!rosidl_runtime_c__String__init(&msg->summary)) {
    return false;
  }
  if (!rosidl_runtime_c__String__init(&msg->report_json)) {
    solve_ik_response_release(msg, 1);
    return false;
  }
  return true;
}

void
quorvex__srv__SolveIK_Response__fini(quorvex__srv__SolveIK_Response * msg)
{
  if (!msg) {
    return;
  }
  solve_ik_response_release(msg, 2);
}

quorvex__srv__SolveIK_Response *
quorvex__srv__SolveIK_Response__create(void)
{
  rcutils_allocator_t allocator = rcutils_get_default_allocator();
  quorvex__srv__SolveIK_Response * msg =
    allocator.allocate(sizeof(quorvex__srv__SolveIK_Response), allocator.state);
  if (!msg) {
    return NULL;
  }
  memset(msg, 0, sizeof(quorvex__srv__SolveIK_Response));
  if (!quorvex__srv__SolveIK_Response__init(msg)) {
    allocator.deallocate(msg, allocator.state);
    return NULL;
  }
  return msg;
}

void
quorvex__srv__SolveIK_Response__destroy(quorvex__srv__SolveIK_Response * msg)
{
  rcutils_allocator_t allocator = rcutils_get_default_allocator();
  if (msg) {
    quorvex__srv__SolveIK_Response__fini(msg);
  }
  allocator.deallocate(msg, allocator.state);
}

bool
quorvex__srv__SolveIK_Response__are_equal(
  const quorvex__srv__SolveIK_Response * lhs, const quorvex__srv__SolveIK_Response * rhs)
{
  if (!lhs || !rhs) {
    return false;
  }
  if (lhs->success != rhs->success) {
    return false;
  }
  if (!rosidl_runtime_c__String__are_equal(&lhs->summary, &rhs->summary)) {
    return false;
  }
  if (!rosidl_runtime_c__String__are_equal(&lhs->report_json, &rhs->report_json)) {
    return false;
  }
  return true;
}

bool
quorvex__srv__SolveIK_Response__copy(
  const quorvex__srv__SolveIK_Response * input, quorvex__srv__SolveIK_Response * output)
{
  if (!input || !output) {
    return false;
  }
  if (input == output) {
    return true;
  }
  output->success = input->success;
  if (!rosidl_runtime_c__String__copy(&input->summary, &output->summary)) {
    return false;
  }
  if (!rosidl_runtime_c__String__copy(&input->report_json, &output->report_json)) {
    return false;
  }
  return true;
}

// SolveIK_Response sequences

static bool
solve_ik_response_init_untyped(void * record)
{
  return quorvex__srv__SolveIK_Response__init(record);
}

static void
solve_ik_response_fini_untyped(void * record)
{
  quorvex__srv__SolveIK_Response__fini(record);
}

static bool
solve_ik_response_are_equal_untyped(const void * lhs, const void * rhs)
{
  return quorvex__srv__SolveIK_Response__are_equal(lhs, rhs);
}

static bool
solve_ik_response_copy_untyped(const void * input, void * output)
{
  return quorvex__srv__SolveIK_Response__copy(input, output);
}

static const quorvex__srv__RecordFunctions solve_ik_response_functions = {
  sizeof(quorvex__srv__SolveIK_Response),
  solve_ik_response_init_untyped,
  solve_ik_response_fini_untyped,
  solve_ik_response_are_equal_untyped,
  solve_ik_response_copy_untyped,
};

bool
quorvex__srv__SolveIK_Response__Sequence__init(
  quorvex__srv__SolveIK_Response__Sequence * array, size_t size)
{
  if (!array) {
    return false;
  }
  rcutils_allocator_t allocator = rcutils_get_default_allocator();
  void * data = NULL;
  if (!quorvex__srv__record_block__init(&solve_ik_response_functions, &allocator, size, &data)) {
    return false;
  }
  array->data = data;
  array->size = size;
  array->capacity = size;
  return true;
}

void
quorvex__srv__SolveIK_Response__Sequence__fini(
  quorvex__srv__SolveIK_Response__Sequence * array)
{
  if (!array) {
    return;
  }
  rcutils_allocator_t allocator = rcutils_get_default_allocator();
  if (array->data) {
    assert(array->capacity > 0);
    quorvex__srv__record_block__fini(
      &solve_ik_response_functions, &allocator, array->data, array->capacity);
    array->data = NULL;
    array->size = 0;
    array->capacity = 0;
  } else {
    assert(0 == array->size);
    assert(0 == array->capacity);
  }
}

quorvex__srv__SolveIK_Response__Sequence *
quorvex__srv__SolveIK_Response__Sequence__create(size_t size)
{
  rcutils_allocator_t allocator = rcutils_get_default_allocator();
  quorvex__srv__SolveIK_Response__Sequence * array =
    allocator.allocate(sizeof(quorvex__srv__SolveIK_Response__Sequence), allocator.state);
  if (!array) {
    return NULL;
  }
  if (!quorvex__srv__SolveIK_Response__Sequence__init(array, size)) {
    allocator.deallocate(array, allocator.state);
    return NULL;
  }
  return array;
}

void
quorvex__srv__SolveIK_Response__Sequence__destroy(
  quorvex__srv__SolveIK_Response__Sequence * array)
{
  rcutils_allocator_t allocator = rcutils_get_default_allocator();
  if (array) {
    quorvex__srv__SolveIK_Response__Sequence__fini(array);
  }
  allocator.deallocate(array, allocator.state);
}

bool
quorvex__srv__SolveIK_Response__Sequence__are_equal(
  const quorvex__srv__SolveIK_Response__Sequence * lhs,
  const quorvex__srv__SolveIK_Response__Sequence * rhs)
{
  if (!lhs || !rhs) {
    return false;
  }
  if (lhs->size != rhs->size) {
    return false;
  }
  return quorvex__srv__record_block__are_equal(
    &solve_ik_response_functions, lhs->data, rhs->data, lhs->size);
}

bool
quorvex__srv__SolveIK_Response__Sequence__copy(
  const quorvex__srv__SolveIK_Response__Sequence * input,
  quorvex__srv__SolveIK_Response__Sequence * output)
{
  if (!input || !output) {
    return false;
  }
  if (input == output) {
    return true;
  }
  if (output->capacity < input->size) {
    rcutils_allocator_t allocator = rcutils_get_default_allocator();
    void * data = output->data;
    const bool grown = quorvex__srv__record_block__grow(
      &solve_ik_response_functions, &allocator, &data, output->capacity, input->size);
    // The block may have moved even when growing failed.
    output->data = data;
    if (!grown) {
      return false;
    }
    output->capacity = input->size;
  }
  output->size = input->size;
  return quorvex__srv__record_block__copy(
    &solve_ik_response_functions, input->data, output->data, input->size);
}
