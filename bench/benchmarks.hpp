// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef BENCH__BENCHMARKS_HPP_
#define BENCH__BENCHMARKS_HPP_

#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>
#include <vector>

namespace quorvex_bench
{

// Every benchmark is named "<operation>/<message>/<size>" and carries the counter "bytes", the
// payload that it moves; the report sets each operation against the memcpy of the same
// message and size.

/// Records the payload of a finished benchmark: its throughput and the counter "bytes".
void report_payload(benchmark::State & state, size_t bytes);

/// The physical limit of a payload: memcpy of all its bytes as one block and, when the
/// payload lies in several pieces, one memcpy per piece (the copy routine's strategy depends on
/// the size of each call, so either can be the faster).
void register_memcpy(
  const std::string & message, const std::string & size, const std::vector<size_t> & pieces);

/// cdr_serialize, cdr_deserialize and get_serialized_size of every measured message.
void register_cdr_benchmarks();

/// The C library's cdr_serialize and cdr_deserialize callbacks, beside the C++ library's, for
/// every measured PlanMotion_Response.
void register_cdr_c_benchmarks();

/// __copy, __are_equal and __Sequence__copy of the C records of every measured message.
void register_record_benchmarks();

/// The Python conversions of every measured PlanMotion_Response, in an embedded interpreter,
/// and the Python and C++ round trips.
void register_python_benchmarks();

}  // namespace quorvex_bench

#endif  // BENCH__BENCHMARKS_HPP_
