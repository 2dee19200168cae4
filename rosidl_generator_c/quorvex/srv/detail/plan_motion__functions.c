// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "quorvex/srv/detail/plan_motion__functions.h"

// The sequence finalisers' checks must stop the process in optimised builds too; <assert.h>
// defines assert anew at each inclusion, following NDEBUG at that point.
#undef NDEBUG
#include <assert.h>
#include <stdbool.h>
#include <stddef.h>
#include <string.h>

#include "quorvex/srv/detail/record_sequence.h"
#include "rcutils/allocator.h"
#include "rosidl_runtime_c/primitives_sequence_functions.h"
#include "rosidl_runtime_c/string_functions.h"

// PlanMotion_Request

// Releases the first `count` sequence members, in member order.
static void
plan_motion_request_release(quorvex__srv__PlanMotion_Request * msg, int count)
{
  if (count > 0) {
    rosidl_runtime_c__double__Sequence__fini(&msg->start_joints);
  }
  if (count > 1) {
    rosidl_runtime_c__double__Sequence__fini(&msg->goal_joints);
  }
}

bool
quorvex__srv__PlanMotion_Request__init(quorvex__srv__PlanMotion_Request * msg)
{
  if (!msg) {
    return false;
  }
  if (!rosidl_runtime_c__double__Sequence__init(&msg->start_joints, 0)) {
    return false;
  }
  if (!rosidl_runtime_c__double__Sequence__init(&msg->goal_joints, 0)) {
    plan_motion_request_release(msg, 1);
    return false;
  }
  return true;
}

void
quorvex__srv__PlanMotion_Request__fini(quorvex__srv__PlanMotion_Request * msg)
{
  if (!msg) {
    return;
  }
  plan_motion_request_release(msg, 2);
}

quorvex__srv__PlanMotion_Request *
quorvex__srv__PlanMotion_Request__create(void)
{
  rcutils_allocator_t allocator = rcutils_get_default_allocator();
  quorvex__srv__PlanMotion_Request * msg =
    allocator.allocate(sizeof(quorvex__srv__PlanMotion_Request), allocator.state);
  if (!msg) {
    return NULL;
  }
  memset(msg, 0, sizeof(quorvex__srv__PlanMotion_Request));
  if (!quorvex__srv__PlanMotion_Request__init(msg)) {
    allocator.deallocate(msg, allocator.state);
    return NULL;
  }
  return msg;
}

void
quorvex__srv__PlanMotion_Request__destroy(quorvex__srv__PlanMotion_Request * msg)
{
  rcutils_allocator_t allocator = rcutils_get_default_allocator();
  if (msg) {
    quorvex__srv__PlanMotion_Request__fini(msg);
  }
  allocator.deallocate(msg, allocator.state);
}

bool
quorvex__srv__PlanMotion_Request__are_equal(
  const quorvex__srv__PlanMotion_Request * lhs, const quorvex__srv__PlanMotion_Request * rhs)
{
  if (!lhs || !rhs) {
    return false;
  }
  if (!rosidl_runtime_c__double__Sequence__are_equal(&lhs->start_joints, &rhs->start_joints)) {
    return false;
  }
  if (!rosidl_runtime_c__double__Sequence__are_equal(&lhs->goal_joints, &rhs->goal_joints)) {
    return false;
  }
  return true;
}

bool
quorvex__srv__PlanMotion_Request__copy(
  const quorvex__srv__PlanMotion_Request * input, quorvex__srv__PlanMotion_Request * output)
{
  if (!input || !output) {
    return false;
  }
  if (input == output) {
    return true;
  }
  if (!rosidl_runtime_c__double__Sequence__copy(&input->start_joints, &output->start_joints)) {
    return false;
  }
  if (!rosidl_runtime_c__double__Sequence__copy(&input->goal_joints, &output->goal_joints)) {
    return false;
  }
  return true;
}

// PlanMotion_Request sequences

static bool
plan_motion_request_init_untyped(void * record)
{
  return quorvex__srv__PlanMotion_Request__init(record);
}

static void
plan_motion_request_fini_untyped(void * record)
{
  quorvex__srv__PlanMotion_Request__fini(record);
}

static bool
plan_motion_request_are_equal_untyped(const void * lhs, const void * rhs)
{
  return quorvex__srv__PlanMotion_Request__are_equal(lhs, rhs);
}

static bool
plan_motion_request_copy_untyped(const void * input, void * output)
{
  return quorvex__srv__PlanMotion_Request__copy(input, output);
}

static const quorvex__srv__RecordFunctions plan_motion_request_functions = {
  sizeof(quorvex__srv__PlanMotion_Request),
  plan_motion_request_init_untyped,
  plan_motion_request_fini_untyped,
  plan_motion_request_are_equal_untyped,
  plan_motion_request_copy_untyped,
};

bool
quorvex__srv__PlanMotion_Request__Sequence__init(
  quorvex__srv__PlanMotion_Request__Sequence * array, size_t size)
{
  if (!array) {
    return false;
  }
  rcutils_allocator_t allocator = rcutils_get_default_allocator();
  void * data = NULL;
  if (!quorvex__srv__record_block__init(&plan_motion_request_functions, &allocator, size, &data)) {
    return false;
  }
  array->data = data;
  array->size = size;
  array->capacity = size;
  return true;
}

void
quorvex__srv__PlanMotion_Request__Sequence__fini(
  quorvex__srv__PlanMotion_Request__Sequence * array)
{
  if (!array) {
    return;
  }
  rcutils_allocator_t allocator = rcutils_get_default_allocator();
  if (array->data) {
    assert(array->capacity > 0);
    quorvex__srv__record_block__fini(
      &plan_motion_request_functions, &allocator, array->data, array->capacity);
    array->data = NULL;
    array->size = 0;
    array->capacity = 0;
  } else {
    assert(0 == array->size);
    assert(0 == array->capacity);
  }
}

quorvex__srv__PlanMotion_Request__Sequence *
quorvex__srv__PlanMotion_Request__Sequence__create(size_t size)
{
  rcutils_allocator_t allocator = rcutils_get_default_allocator();
  quorvex__srv__PlanMotion_Request__Sequence * array =
    allocator.allocate(sizeof(quorvex__srv__PlanMotion_Request__Sequence), allocator.state);
  if (!array) {
    return NULL;
  }
  if (!quorvex__srv__PlanMotion_Request__Sequence__init(array, size)) {
    allocator.deallocate(array, allocator.state);
    return NULL;
  }
  return array;
}

void
quorvex__srv__PlanMotion_Request__Sequence__destroy(
  quorvex__srv__PlanMotion_Request__Sequence * array)
{
  rcutils_allocator_t allocator = rcutils_get_default_allocator();
  if (array) {
    quorvex__srv__PlanMotion_Request__Sequence__fini(array);
  }
  allocator.deallocate(array, allocator.state);
}

bool
quorvex__srv__PlanMotion_Request__Sequence__are_equal(
  const quorvex__srv__PlanMotion_Request__Sequence * lhs,
  const quorvex__srv__PlanMotion_Request__Sequence * rhs)
{
  if (!lhs || !rhs) {
    return false;
  }
  if (lhs->size != rhs->size) {
    return false;
  }
  return quorvex__srv__record_block__are_equal(
    &plan_motion_request_functions, lhs->data, rhs->data, lhs->size);
}

bool
quorvex__srv__PlanMotion_Request__Sequence__copy(
  const quorvex__srv__PlanMotion_Request__Sequence * input,
  quorvex__srv__PlanMotion_Request__Sequence * output)
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
      &plan_motion_request_functions, &allocator, &data, output->capacity, input->size);
    // The block may have moved even when growing failed.
    output->data = data;
    if (!grown) {
      return false;
    }
    output->capacity = input->size;
  }
  output->size = input->size;
  return quorvex__srv__record_block__copy(
    &plan_motion_request_functions, input->data, output->data, input->size);
}

// PlanMotion_Response

// Releases the first `count` string and sequence members, in member order.
static void
plan_motion_response_release(quorvex__srv__PlanMotion_Response * msg, int count)
{
  if (count > 0) {
    rosidl_runtime_c__String__fini(&msg->message);
  }
  if (count > 1) {
    rosidl_runtime_c__double__Sequence__fini(&msg->waypoints_flat);
  }
  if (count > 2) {
    rosidl_runtime_c__double__Sequence__fini(&msg->velocities_flat);
  }
  if (count > 3) {
    rosidl_runtime_c__double__Sequence__fini(&msg->accelerations_flat);
  }
  if (count > 4) {
    rosidl_runtime_c__double__Sequence__fini(&msg->time_from_start);
  }
}

bool
quorvex__srv__PlanMotion_Response__init(quorvex__srv__PlanMotion_Response * msg)
{
  if (!msg) {
    return false;
  }
  if (!rosidl_runtime_c__String__init(&msg->message)) {
    return false;
  }
  if (!rosidl_runtime_c__double__Sequence__init(&msg->waypoints_flat, 0)) {
    plan_motion_response_release(msg, 1);
    return false;
  }
  if (!rosidl_runtime_c__double__Sequence__init(&msg->velocities_flat, 0)) {
    plan_motion_response_release(msg, 2);
    return false;
  }
  if (!rosidl_runtime_c__double__Sequence__init(&msg->accelerations_flat, 0)) {
    plan_motion_response_release(msg, 3);
    return false;
  }
  if (!rosidl_runtime_c__double__Sequence__init(&msg->time_from_start, 0)) {
    plan_motion_response_release(msg, 4);
    return false;
  }
  return true;
}

void
quorvex__srv__PlanMotion_Response__fini(quorvex__srv__PlanMotion_Response * msg)
{
  if (!msg) {
    return;
  }
  plan_motion_response_release(msg, 5);
}

quorvex__srv__PlanMotion_Response *
quorvex__srv__PlanMotion_Response__create(void)
{
  rcutils_allocator_t allocator = rcutils_get_default_allocator();
  quorvex__srv__PlanMotion_Response * msg =
    allocator.allocate(sizeof(quorvex__srv__PlanMotion_Response), allocator.state);
  if (!msg) {
    return NULL;
  }
  memset(msg, 0, sizeof(quorvex__srv__PlanMotion_Response));
  if (!quorvex__srv__PlanMotion_Response__init(msg)) {
    allocator.deallocate(msg, allocator.state);
    return NULL;
  }
  return msg;
}

void
quorvex__srv__PlanMotion_Response__destroy(quorvex__srv__PlanMotion_Response * msg)
{
  rcutils_allocator_t allocator = rcutils_get_default_allocator();
  if (msg) {
    quorvex__srv__PlanMotion_Response__fini(msg);
  }
  allocator.deallocate(msg, allocator.state);
}

bool
quorvex__srv__PlanMotion_Response__are_equal(
  const quorvex__srv__PlanMotion_Response * lhs, const quorvex__srv__PlanMotion_Response * rhs)
{
  if (!lhs || !rhs) {
    return false;
  }
  if (lhs->success != rhs->success) {
    return false;
  }
  if (!rosidl_runtime_c__String__are_equal(&lhs->message, &rhs->message)) {
    return false;
  }
  if (!rosidl_runtime_c__double__Sequence__are_equal(
      &lhs->waypoints_flat, &rhs->waypoints_flat))
  {
    return false;
  }
  if (!rosidl_runtime_c__double__Sequence__are_equal(
      &lhs->velocities_flat, &rhs->velocities_flat))
  {
    return false;
  }
  if (!rosidl_runtime_c__double__Sequence__are_equal(
      &lhs->accelerations_flat, &rhs->accelerations_flat))
  {
    return false;
  }
  if (!rosidl_runtime_c__double__Sequence__are_equal(
      &lhs->time_from_start, &rhs->time_from_start))
  {
    return false;
  }
  if (lhs->n_points != rhs->n_points) {
    return false;
  }
  if (lhs->n_joints != rhs->n_joints) {
    return false;
  }
  return true;
}

bool
quorvex__srv__PlanMotion_Response__copy(
  const quorvex__srv__PlanMotion_Response * input, quorvex__srv__PlanMotion_Response * output)
{
  if (!input || !output) {
    return false;
  }
  if (input == output) {
    return true;
  }
  output->success = input->success;
  if (!rosidl_runtime_c__String__copy(&input->message, &output->message)) {
    return false;
  }
  if (!rosidl_runtime_c__double__Sequence__copy(&input->waypoints_flat, &output->waypoints_flat)) {
    return false;
  }
  if (!rosidl_runtime_c__double__Sequence__copy(
      &input->velocities_flat, &output->velocities_flat))
  {
    return false;
  }
  if (!rosidl_runtime_c__double__Sequence__copy(
      &input->accelerations_flat, &output->accelerations_flat))
  {
    return false;
  }
  if (!rosidl_runtime_c__double__Sequence__copy(
      &input->time_from_start, &output->time_from_start))
  {
    return false;
  }
  output->n_points = input->n_points;
  output->n_joints = input->n_joints;
  return true;
}

// PlanMotion_Response sequences

static bool
plan_motion_response_init_untyped(void * record)
{
  return quorvex__srv__PlanMotion_Response__init(record);
}

static void
plan_motion_response_fini_untyped(void * record)
{
  quorvex__srv__PlanMotion_Response__fini(record);
}

static bool
plan_motion_response_are_equal_untyped(const void * lhs, const void * rhs)
{
  return quorvex__srv__PlanMotion_Response__are_equal(lhs, rhs);
}

static bool
plan_motion_response_copy_untyped(const void * input, void * output)
{
  return quorvex__srv__PlanMotion_Response__copy(input, output);
}

static const quorvex__srv__RecordFunctions plan_motion_response_functions = {
  sizeof(quorvex__srv__PlanMotion_Response),
  plan_motion_response_init_untyped,
  plan_motion_response_fini_untyped,
  plan_motion_response_are_equal_untyped,
  plan_motion_response_copy_untyped,
};

bool
quorvex__srv__PlanMotion_Response__Sequence__init(
  quorvex__srv__PlanMotion_Response__Sequence * array, size_t size)
{
  if (!array) {
    return false;
  }
  rcutils_allocator_t allocator = rcutils_get_default_allocator();
  void * data = NULL;
  if (!quorvex__srv__record_block__init(&plan_motion_response_functions, &allocator, size, &data)) {
    return false;
  }
  array->data = data;
  array->size = size;
  array->capacity = size;
  return true;
}

void
quorvex__srv__PlanMotion_Response__Sequence__fini(
  quorvex__srv__PlanMotion_Response__Sequence * array)
{
  if (!array) {
    return;
  }
  rcutils_allocator_t allocator = rcutils_get_default_allocator();
  if (array->data) {
    assert(array->capacity > 0);
    quorvex__srv__record_block__fini(
      &plan_motion_response_functions, &allocator, array->data, array->capacity);
    array->data = NULL;
    array->size = 0;
    array->capacity = 0;
  } else {
    assert(0 == array->size);
    assert(0 == array->capacity);
  }
}

quorvex__srv__PlanMotion_Response__Sequence *
quorvex__srv__PlanMotion_Response__Sequence__create(size_t size)
{
  rcutils_allocator_t allocator = rcutils_get_default_allocator();
  quorvex__srv__PlanMotion_Response__Sequence * array =
    allocator.allocate(sizeof(quorvex__srv__PlanMotion_Response__Sequence), allocator.state);
  if (!array) {
    return NULL;
  }
  if (!quorvex__srv__PlanMotion_Response__Sequence__init(array, size)) {
    allocator.deallocate(array, allocator.state);
    return NULL;
  }
  return array;
}

void
quorvex__srv__PlanMotion_Response__Sequence__destroy(
  quorvex__srv__PlanMotion_Response__Sequence * array)
{
  rcutils_allocator_t allocator = rcutils_get_default_allocator();
  if (array) {
    quorvex__srv__PlanMotion_Response__Sequence__fini(array);
  }
  allocator.deallocate(array, allocator.state);
}

bool
quorvex__srv__PlanMotion_Response__Sequence__are_equal(
  const quorvex__srv__PlanMotion_Response__Sequence * lhs,
  const quorvex__srv__PlanMotion_Response__Sequence * rhs)
{
  if (!lhs || !rhs) {
    return false;
  }
  if (lhs->size != rhs->size) {
    return false;
  }
  return quorvex__srv__record_block__are_equal(
    &plan_motion_response_functions, lhs->data, rhs->data, lhs->size);
}

bool
quorvex__srv__PlanMotion_Response__Sequence__copy(
  const quorvex__srv__PlanMotion_Response__Sequence * input,
  quorvex__srv__PlanMotion_Response__Sequence * output)
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
      &plan_motion_response_functions, &allocator, &data, output->capacity, input->size);
    // The block may have moved even when growing failed.
    output->data = data;
    if (!grown) {
      return false;
    }
    output->capacity = input->size;
  }
  output->size = input->size;
  return quorvex__srv__record_block__copy(
    &plan_motion_response_functions, input->data, output->data, input->size);
}
