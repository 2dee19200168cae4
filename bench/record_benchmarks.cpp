// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include <benchmark/benchmark.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "benchmarks.hpp"
#include "payloads.hpp"

namespace quorvex_bench
{

namespace
{

// The record library's functions of one message, so that one template measures all messages.
template<typename CRecord>
struct CFunctions;

template<>
struct CFunctions<quorvex__srv__PlanMotion_Response>
{
  using Sequence = quorvex__srv__PlanMotion_Response__Sequence;
  static constexpr auto create = quorvex__srv__PlanMotion_Response__create;
  static constexpr auto copy = quorvex__srv__PlanMotion_Response__copy;
  static constexpr auto are_equal = quorvex__srv__PlanMotion_Response__are_equal;
  static constexpr auto sequence_create = quorvex__srv__PlanMotion_Response__Sequence__create;
  static constexpr auto sequence_copy = quorvex__srv__PlanMotion_Response__Sequence__copy;
};

template<>
struct CFunctions<quorvex__srv__SolveIK_Request>
{
  using Sequence = quorvex__srv__SolveIK_Request__Sequence;
  static constexpr auto create = quorvex__srv__SolveIK_Request__create;
  static constexpr auto copy = quorvex__srv__SolveIK_Request__copy;
  static constexpr auto are_equal = quorvex__srv__SolveIK_Request__are_equal;
  static constexpr auto sequence_create = quorvex__srv__SolveIK_Request__Sequence__create;
  static constexpr auto sequence_copy = quorvex__srv__SolveIK_Request__Sequence__copy;
};

template<typename CRecord>
struct Subject
{
  CPtr<CRecord> record;
  CPtr<typename CFunctions<CRecord>::Sequence> sequence;
  size_t bytes;
};

// Into an output that already holds a message of the same size, so that the steady state is
// measured: the first copy allocates, the timed ones reuse the buffers.
template<typename CRecord>
void copy(benchmark::State & state, const Subject<CRecord> & subject)
{
  using F = CFunctions<CRecord>;
  CPtr<CRecord> output(F::create());
  require(output != nullptr, "create");
  require(F::copy(subject.record.get(), output.get()), "warm-up copy");
  for (auto _ : state) {
    require(F::copy(subject.record.get(), output.get()), "copy");
    benchmark::ClobberMemory();
  }
  report_payload(state, subject.bytes);
}

// Two distinct records with equal contents: every member is compared.
template<typename CRecord>
void are_equal(benchmark::State & state, const Subject<CRecord> & subject)
{
  using F = CFunctions<CRecord>;
  CPtr<CRecord> other(F::create());
  require(other != nullptr, "create");
  require(F::copy(subject.record.get(), other.get()), "copy");
  for (auto _ : state) {
    require(F::are_equal(subject.record.get(), other.get()), "are_equal");
    benchmark::ClobberMemory();
  }
  report_payload(state, subject.bytes);
}

template<typename CRecord>
void sequence_copy(benchmark::State & state, const Subject<CRecord> & subject)
{
  using F = CFunctions<CRecord>;
  CPtr<typename F::Sequence> output(F::sequence_create(0));
  require(output != nullptr, "sequence create");
  require(F::sequence_copy(subject.sequence.get(), output.get()), "warm-up sequence copy");
  for (auto _ : state) {
    require(F::sequence_copy(subject.sequence.get(), output.get()), "sequence copy");
    benchmark::ClobberMemory();
  }
  report_payload(state, kSequenceLength * subject.bytes);
}

template<typename Record>
void register_message(const std::string & message, const std::string & size, const Record & record)
{
  using CRecord = typename decltype(to_c_record(record))::element_type;
  auto subject = std::make_shared<Subject<CRecord>>();
  subject->record = to_c_record(record);
  subject->sequence = to_c_sequence(*subject->record);
  subject->bytes = payload_bytes(record);
  const std::string suffix = "/" + message + "/" + size;
  const std::string sequence_size = std::to_string(kSequenceLength) + "_of_" + size;

  benchmark::RegisterBenchmark(
    ("c_copy" + suffix).c_str(),
    [subject](benchmark::State & state) {copy(state, *subject);});
  benchmark::RegisterBenchmark(
    ("c_are_equal" + suffix).c_str(),
    [subject](benchmark::State & state) {are_equal(state, *subject);});
  const std::vector<size_t> record_pieces = payload_pieces(record);
  std::vector<size_t> pieces;
  for (size_t i = 0; i < kSequenceLength; ++i) {
    pieces.insert(pieces.end(), record_pieces.begin(), record_pieces.end());
  }
  register_memcpy(message, sequence_size, pieces);
  benchmark::RegisterBenchmark(
    ("c_sequence_copy/" + message + "/" + sequence_size).c_str(),
    [subject](benchmark::State & state) {sequence_copy(state, *subject);});
}

}  // namespace

void register_record_benchmarks()
{
  for (const Shape & shape : response_shapes()) {
    register_message("PlanMotion_Response", shape_label(shape), make_response(shape));
  }
  register_message("SolveIK_Request", "typical", make_request());
}

}  // namespace quorvex_bench
