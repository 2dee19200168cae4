// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__SOLVE_IK__FUNCTIONS_H_
#define QUORVEX__SRV__DETAIL__SOLVE_IK__FUNCTIONS_H_

#ifdef __cplusplus
extern "C"
{
#endif

#include <stdbool.h>
#include <stddef.h>

#include "quorvex/msg/rosidl_generator_c__visibility_control.h"
#include "quorvex/srv/detail/solve_ik__struct.h"

/// Bring the string and sequence members of a SolveIK_Request to life (empty).
/**
 * Takes storage; the bool, int32 and float64 members are not written.
 * On failure the members already brought to life are released again and the record owns nothing.
 * \param[out] msg storage for the record
 * \return true on success, false when \p msg is null or a member could not be initialised
 */
ROSIDL_GENERATOR_C_PUBLIC_quorvex
bool
quorvex__srv__SolveIK_Request__init(quorvex__srv__SolveIK_Request * msg);

/// Release the buffers of an initialised SolveIK_Request; does nothing for null.
ROSIDL_GENERATOR_C_PUBLIC_quorvex
void
quorvex__srv__SolveIK_Request__fini(quorvex__srv__SolveIK_Request * msg);

/// Allocate a zero-filled, initialised SolveIK_Request with the default allocator.
/**
 * \return the record, to be given back with quorvex__srv__SolveIK_Request__destroy, or null
 */
ROSIDL_GENERATOR_C_PUBLIC_quorvex
quorvex__srv__SolveIK_Request *
quorvex__srv__SolveIK_Request__create(void);

/// Finalise and free a record from quorvex__srv__SolveIK_Request__create; null is accepted.
ROSIDL_GENERATOR_C_PUBLIC_quorvex
void
quorvex__srv__SolveIK_Request__destroy(quorvex__srv__SolveIK_Request * msg);

/// Compare two initialised SolveIK_Request records member by member.
/**
 * float64 members compare as IEEE-754 values: NaN equals nothing, +0.0 equals -0.0.
 * \return true when all members are equal, false when they differ or a pointer is null
 */
ROSIDL_GENERATOR_C_PUBLIC_quorvex
bool
quorvex__srv__SolveIK_Request__are_equal(
  const quorvex__srv__SolveIK_Request * lhs, const quorvex__srv__SolveIK_Request * rhs);

/// Copy an initialised SolveIK_Request onto another initialised one, member by member.
/**
 * On failure the members before the failing one hold the input's values and those after it
 * keep their former values; the output stays initialised. Copying a record onto itself
 * succeeds and changes nothing.
 * \return true when every member was copied, false on failure or a null pointer
 */
ROSIDL_GENERATOR_C_PUBLIC_quorvex
bool
quorvex__srv__SolveIK_Request__copy(
  const quorvex__srv__SolveIK_Request * input, quorvex__srv__SolveIK_Request * output);

/// Initialise a sequence of \p size initialised SolveIK_Request records.
/**
 * With \p size 0 nothing is allocated and the sequence is empty.
 * \return true on success; on failure \p array is left untouched
 */
ROSIDL_GENERATOR_C_PUBLIC_quorvex
bool
quorvex__srv__SolveIK_Request__Sequence__init(
  quorvex__srv__SolveIK_Request__Sequence * array, size_t size);

/// Finalise all `capacity` elements of a sequence and free its block; null is accepted.
/**
 * A sequence whose data, size and capacity disagree stops the process with an assertion.
 */
ROSIDL_GENERATOR_C_PUBLIC_quorvex
void
quorvex__srv__SolveIK_Request__Sequence__fini(
  quorvex__srv__SolveIK_Request__Sequence * array);

/// Allocate and initialise a sequence of \p size records.
/**
 * \return the sequence, or null; give it back with
 * quorvex__srv__SolveIK_Request__Sequence__destroy
 */
ROSIDL_GENERATOR_C_PUBLIC_quorvex
quorvex__srv__SolveIK_Request__Sequence *
quorvex__srv__SolveIK_Request__Sequence__create(size_t size);

/// Finalise and free a sequence from
/// quorvex__srv__SolveIK_Request__Sequence__create; null is accepted.
ROSIDL_GENERATOR_C_PUBLIC_quorvex
void
quorvex__srv__SolveIK_Request__Sequence__destroy(
  quorvex__srv__SolveIK_Request__Sequence * array);

/// Compare the first `size` elements of two sequences; capacities are not compared.
ROSIDL_GENERATOR_C_PUBLIC_quorvex
bool
quorvex__srv__SolveIK_Request__Sequence__are_equal(
  const quorvex__srv__SolveIK_Request__Sequence * lhs,
  const quorvex__srv__SolveIK_Request__Sequence * rhs);

/// Copy the elements of one sequence onto another, growing the output's block when needed.
/**
 * The block grows to exactly the input's size and never shrinks. When growing fails the output
 * keeps its size, capacity and elements; when an element copy fails the output holds the
 * input's size, the elements before the failing one hold copies and the output remains a valid
 * sequence. Copying a sequence onto itself succeeds and changes nothing.
 * \return true on success, false on failure or a null pointer
 */
ROSIDL_GENERATOR_C_PUBLIC_quorvex
bool
quorvex__srv__SolveIK_Request__Sequence__copy(
  const quorvex__srv__SolveIK_Request__Sequence * input,
  quorvex__srv__SolveIK_Request__Sequence * output);

/// Bring the string and sequence members of a SolveIK_Response to life (empty).
/**
 * Takes storage; the bool, int32 and float64 members are not written.
 * On failure the members already brought to life are released again and the record owns nothing.
 * \param[out] msg storage for the record
 * \return true on success, false when \p msg is null or a member could not be initialised
 */
ROSIDL_GENERATOR_C_PUBLIC_quorvex
bool
quorvex__srv__SolveIK_Response__init(quorvex__srv__SolveIK_Response * msg);

/// Release the buffers of an initialised SolveIK_Response; does nothing for null.
ROSIDL_GENERATOR_C_PUBLIC_quorvex
void
quorvex__srv__SolveIK_Response__fini(quorvex__srv__SolveIK_Response * msg);

/// Allocate a zero-filled, initialised SolveIK_Response with the default allocator.
/**
 * \return the record, to be given back with quorvex__srv__SolveIK_Response__destroy, or null
 */
ROSIDL_GENERATOR_C_PUBLIC_quorvex
quorvex__srv__SolveIK_Response *
quorvex__srv__SolveIK_Response__create(void);

/// Finalise and free a record from quorvex__srv__SolveIK_Response__create; null is accepted.
ROSIDL_GENERATOR_C_PUBLIC_quorvex
void
quorvex__srv__SolveIK_Response__destroy(quorvex__srv__SolveIK_Response * msg);

/// Compare two initialised SolveIK_Response records member by member.
/**
 * float64 members compare as IEEE-754 values: NaN equals nothing, +0.0 equals -0.0.
 * \return true when all members are equal, false when they differ or a pointer is null
 */
ROSIDL_GENERATOR_C_PUBLIC_quorvex
bool
quorvex__srv__SolveIK_Response__are_equal(
  const quorvex__srv__SolveIK_Response * lhs, const quorvex__srv__SolveIK_Response * rhs);

/// Copy an initialised SolveIK_Response onto another initialised one, member by member.
/**
 * On failure the members before the failing one hold the input's values and those after it
 * keep their former values; the output stays initialised. Copying a record onto itself
 * succeeds and changes nothing.
 * \return true when every member was copied, false on failure or a null pointer
 */
ROSIDL_GENERATOR_C_PUBLIC_quorvex
bool
quorvex__srv__SolveIK_Response__copy(
  const quorvex__srv__SolveIK_Response * input, quorvex__srv__SolveIK_Response * output);

/// Initialise a sequence of \p size initialised SolveIK_Response records.
/**
 * With \p size 0 nothing is allocated and the sequence is empty.
 * \return true on success; on failure \p array is left untouched
 */
ROSIDL_GENERATOR_C_PUBLIC_quorvex
bool
quorvex__srv__SolveIK_Response__Sequence__init(
  quorvex__srv__SolveIK_Response__Sequence * array, size_t size);

/// Finalise all `capacity` elements of a sequence and free its block; null is accepted.
/**
 * A sequence whose data, size and capacity disagree stops the process with an assertion.
 */
ROSIDL_GENERATOR_C_PUBLIC_quorvex
void
quorvex__srv__SolveIK_Response__Sequence__fini(
  quorvex__srv__SolveIK_Response__Sequence * array);

/// Allocate and initialise a sequence of \p size records.
/**
 * \return the sequence, or null; give it back with
 * quorvex__srv__SolveIK_Response__Sequence__destroy
 */
ROSIDL_GENERATOR_C_PUBLIC_quorvex
quorvex__srv__SolveIK_Response__Sequence *
quorvex__srv__SolveIK_Response__Sequence__create(size_t size);

/// Finalise and free a sequence from
/// quorvex__srv__SolveIK_Response__Sequence__create; null is accepted.
ROSIDL_GENERATOR_C_PUBLIC_quorvex
void
quorvex__srv__SolveIK_Response__Sequence__destroy(
  quorvex__srv__SolveIK_Response__Sequence * array);

/// Compare the first `size` elements of two sequences; capacities are not compared.
ROSIDL_GENERATOR_C_PUBLIC_quorvex
bool
quorvex__srv__SolveIK_Response__Sequence__are_equal(
  const quorvex__srv__SolveIK_Response__Sequence * lhs,
  const quorvex__srv__SolveIK_Response__Sequence * rhs);

/// Copy the elements of one sequence onto another, growing the output's block when needed.
/**
 * The block grows to exactly the input's size and never shrinks. When growing fails the output
 * keeps its size, capacity and elements; when an element copy fails the output holds the
 * input's size, the elements before the failing one hold copies and the output remains a valid
 * sequence. Copying a sequence onto itself succeeds and changes nothing.
 * \return true on success, false on failure or a null pointer
 */
ROSIDL_GENERATOR_C_PUBLIC_quorvex
bool
quorvex__srv__SolveIK_Response__Sequence__copy(
  const quorvex__srv__SolveIK_Response__Sequence * input,
  quorvex__srv__SolveIK_Response__Sequence * output);

#ifdef __cplusplus
}
#endif

#endif  // QUORVEX__SRV__DETAIL__SOLVE_IK__FUNCTIONS_H_
