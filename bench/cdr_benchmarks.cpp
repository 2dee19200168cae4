// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "benchmarks.hpp"
#include "fastcdr/Cdr.h"
#include "fastcdr/FastBuffer.h"
#include "payloads.hpp"
#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_fastrtps_cpp.hpp"
#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_fastrtps_cpp.hpp"

namespace quorvex_bench
{

namespace
{

using eprosima::fastcdr::Cdr;
using eprosima::fastcdr::FastBuffer;
using quorvex::srv::typesupport_fastrtps_cpp::cdr_deserialize;
using quorvex::srv::typesupport_fastrtps_cpp::cdr_serialize;
using quorvex::srv::typesupport_fastrtps_cpp::get_serialized_size;

// The encapsulation header that the middleware writes in front of every message body.
constexpr size_t kHeaderBytes = 4;

Cdr::Endianness swapped_order()
{
  return Cdr::DEFAULT_ENDIAN == Cdr::LITTLE_ENDIANNESS ?
         Cdr::BIG_ENDIANNESS : Cdr::LITTLE_ENDIANNESS;
}

template<typename Record>
struct Subject
{
  Record record;
  size_t bytes;
  std::vector<char> host_encoding;
  std::vector<char> swapped_encoding;
};

// The message as a middleware sends it: encapsulation header, then the body.
template<typename Record>
std::vector<char> encode(const Record & record, size_t bytes, Cdr::Endianness order)
{
  std::vector<char> storage(kHeaderBytes + bytes);
  FastBuffer buffer(storage.data(), storage.size());
  Cdr cdr(buffer, order, Cdr::DDS_CDR);
  cdr.serialize_encapsulation();
  cdr_serialize(record, cdr);
  return storage;
}

// The record that an encoding made by encode() holds.
template<typename Record>
Record decode(const std::vector<char> & encoding)
{
  std::vector<char> storage(encoding);
  FastBuffer buffer(storage.data(), storage.size());
  Cdr cdr(buffer, Cdr::DEFAULT_ENDIAN, Cdr::DDS_CDR);
  cdr.read_encapsulation();
  Record record;
  cdr_deserialize(cdr, record);
  return record;
}

// Into a preallocated buffer that never has to grow; the alignment origin follows the
// header as in the middleware.
template<typename Record>
void serialize(benchmark::State & state, const Subject<Record> & subject, Cdr::Endianness order)
{
  std::vector<char> storage(kHeaderBytes + subject.bytes);
  FastBuffer buffer(storage.data(), storage.size());
  Cdr cdr(buffer, order, Cdr::DDS_CDR);
  for (auto _ : state) {
    cdr.reset();
    cdr.serialize_encapsulation();
    cdr_serialize(subject.record, cdr);
    benchmark::DoNotOptimize(storage.data());
    benchmark::ClobberMemory();
  }
  require(
    storage == (order == Cdr::DEFAULT_ENDIAN ? subject.host_encoding : subject.swapped_encoding),
    "serialized bytes");
  report_payload(state, subject.bytes);
}

// Each message lands in a record of its own, which is constructed and destroyed with it. The
// allocator keeps what the record frees (see main), so the next record reuses that memory.
// With `return_memory` the allocator gives its free memory back to the kernel after each
// message, as glibc does by default when a small process frees buffers at the top of its heap
// (or unmaps a buffer above its mapping threshold); the next message faults the pages in again.
template<typename Record>
void deserialize_fresh(
  benchmark::State & state, const Subject<Record> & subject, bool return_memory)
{
  std::vector<char> storage(subject.host_encoding);
  FastBuffer buffer(storage.data(), storage.size());
  Cdr cdr(buffer, Cdr::DEFAULT_ENDIAN, Cdr::DDS_CDR);
  for (auto _ : state) {
    cdr.reset();
    cdr.read_encapsulation();
    {
      Record record;
      cdr_deserialize(cdr, record);
      benchmark::DoNotOptimize(&record);
      benchmark::ClobberMemory();
    }
    if (return_memory) {
      malloc_trim(0);
    }
  }
  report_payload(state, subject.bytes);
}

// Each message lands in the record that held the previous one, as a subscriber that keeps
// its message does.
template<typename Record>
void deserialize_reused(
  benchmark::State & state, const Subject<Record> & subject, const std::vector<char> & encoding)
{
  std::vector<char> storage(encoding);
  FastBuffer buffer(storage.data(), storage.size());
  Cdr cdr(buffer, Cdr::DEFAULT_ENDIAN, Cdr::DDS_CDR);
  Record record;
  cdr.read_encapsulation();
  cdr_deserialize(cdr, record);
  for (auto _ : state) {
    cdr.reset();
    cdr.read_encapsulation();
    cdr_deserialize(cdr, record);
    benchmark::DoNotOptimize(&record);
    benchmark::ClobberMemory();
  }
  require(record == subject.record, "deserialized record");
  report_payload(state, subject.bytes);
}

template<typename Record>
void serialized_size(benchmark::State & state, const Subject<Record> & subject)
{
  require(get_serialized_size(subject.record, 0) == subject.bytes, "serialized size");
  for (auto _ : state) {
    size_t size = get_serialized_size(subject.record, 0);
    benchmark::DoNotOptimize(size);
  }
  report_payload(state, subject.bytes);
}

template<typename Record>
void register_message(const std::string & message, const std::string & size, Record record)
{
  auto subject = std::make_shared<Subject<Record>>();
  subject->record = std::move(record);
  subject->bytes = payload_bytes(subject->record);
  subject->host_encoding = encode(subject->record, subject->bytes, Cdr::DEFAULT_ENDIAN);
  subject->swapped_encoding = encode(subject->record, subject->bytes, swapped_order());
  // Every timed path starts from encodings that read back to the record; the fresh-record
  // benchmarks rely on this check, the others also check their own results.
  require(decode<Record>(subject->host_encoding) == subject->record, "host order round trip");
  require(
    decode<Record>(subject->swapped_encoding) == subject->record, "swapped order round trip");
  const std::string suffix = "/" + message + "/" + size;

  register_memcpy(message, size, payload_pieces(subject->record));
  benchmark::RegisterBenchmark(
    ("cdr_serialize_host" + suffix).c_str(),
    [subject](benchmark::State & state) {serialize(state, *subject, Cdr::DEFAULT_ENDIAN);});
  benchmark::RegisterBenchmark(
    ("cdr_serialize_swapped" + suffix).c_str(),
    [subject](benchmark::State & state) {serialize(state, *subject, swapped_order());});
  benchmark::RegisterBenchmark(
    ("cdr_deserialize_fresh" + suffix).c_str(),
    [subject](benchmark::State & state) {deserialize_fresh(state, *subject, false);});
  // Smaller messages stay below glibc's default trim threshold, 128 KiB.
  if (subject->bytes >= 128 * 1024) {
    benchmark::RegisterBenchmark(
      ("cdr_deserialize_fresh_returned" + suffix).c_str(),
      [subject](benchmark::State & state) {deserialize_fresh(state, *subject, true);});
  }
  benchmark::RegisterBenchmark(
    ("cdr_deserialize_reused" + suffix).c_str(),
    [subject](benchmark::State & state) {
      deserialize_reused(state, *subject, subject->host_encoding);
    });
  benchmark::RegisterBenchmark(
    ("cdr_deserialize_reused_swapped" + suffix).c_str(),
    [subject](benchmark::State & state) {
      deserialize_reused(state, *subject, subject->swapped_encoding);
    });
  benchmark::RegisterBenchmark(
    ("get_serialized_size" + suffix).c_str(),
    [subject](benchmark::State & state) {serialized_size(state, *subject);});
}

}  // namespace

void register_cdr_benchmarks()
{
  for (const Shape & shape : response_shapes()) {
    register_message("PlanMotion_Response", shape_label(shape), make_response(shape));
  }
  register_message("SolveIK_Request", "typical", make_request());
}

}  // namespace quorvex_bench
