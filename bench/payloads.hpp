// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef BENCH__PAYLOADS_HPP_
#define BENCH__PAYLOADS_HPP_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "quorvex/srv/plan_motion.h"
#include "quorvex/srv/plan_motion.hpp"
#include "quorvex/srv/solve_ik.h"
#include "quorvex/srv/solve_ik.hpp"

namespace quorvex_bench
{

/// Stops the run when `ok` is false: a failed call would time an early return, and a missing
/// input measures nothing.
void require(bool ok, const char * what);

/// Size of a PlanMotion_Response: three sequences of n_points * n_joints values and
/// time_from_start of n_points values.
struct Shape
{
  int32_t n_points;
  int32_t n_joints;
};

/// The trajectory sizes that every operation is measured at.
const std::vector<Shape> & response_shapes();

/// "1000x7" for 1000 points of 7 joints.
std::string shape_label(const Shape & shape);

/// Number of records that the sequence copies hold.
constexpr size_t kSequenceLength = 100;

/// Owned C records and sequences, released through the record library's own destroy functions.
struct CRecordDeleter
{
  void operator()(quorvex__srv__PlanMotion_Response * record) const;
  void operator()(quorvex__srv__SolveIK_Request * record) const;
  void operator()(quorvex__srv__PlanMotion_Response__Sequence * sequence) const;
  void operator()(quorvex__srv__SolveIK_Request__Sequence * sequence) const;
};

template<typename T>
using CPtr = std::unique_ptr<T, CRecordDeleter>;

/// A filled response with values that differ from element to element.
quorvex::srv::PlanMotion_Response make_response(const Shape & shape);

/// A request with strings of the lengths that clients send in practice.
quorvex::srv::SolveIK_Request make_request();

/// The same message as a C record created by the record library; aborts if it cannot be made.
CPtr<quorvex__srv__PlanMotion_Response> to_c_record(const quorvex::srv::PlanMotion_Response & in);
CPtr<quorvex__srv__SolveIK_Request> to_c_record(const quorvex::srv::SolveIK_Request & in);

/// A sequence of kSequenceLength copies of one C record; aborts if it cannot be made.
CPtr<quorvex__srv__PlanMotion_Response__Sequence> to_c_sequence(
  const quorvex__srv__PlanMotion_Response & element);
CPtr<quorvex__srv__SolveIK_Request__Sequence> to_c_sequence(
  const quorvex__srv__SolveIK_Request & element);

/// Bytes of the message body in CDR, from the alignment origin: the payload that memcpy moves.
size_t payload_bytes(const quorvex::srv::PlanMotion_Response & record);
size_t payload_bytes(const quorvex::srv::SolveIK_Request & record);

/// The payload cut where the record holds it in separate buffers: each float64 sequence's
/// elements, and the rest of the encoding as one piece. The pieces add up to payload_bytes().
std::vector<size_t> payload_pieces(const quorvex::srv::PlanMotion_Response & record);
std::vector<size_t> payload_pieces(const quorvex::srv::SolveIK_Request & record);

}  // namespace quorvex_bench

#endif  // BENCH__PAYLOADS_HPP_
