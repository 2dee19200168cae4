// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include <benchmark/benchmark.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "benchmarks.hpp"
#include "fastcdr/Cdr.h"
#include "fastcdr/FastBuffer.h"
#include "payloads.hpp"
#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_fastrtps_c.h"
#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_fastrtps_cpp.hpp"
#include "rosidl_typesupport_fastrtps_cpp/message_type_support.h"

namespace quorvex_bench
{

namespace
{

using eprosima::fastcdr::Cdr;
using eprosima::fastcdr::FastBuffer;

// The encapsulation header that the middleware writes in front of every message body.
constexpr size_t kHeaderBytes = 4;

// The C library is reached as a middleware reaches it: through the callbacks of its handle.
const message_type_support_callbacks_t & callbacks()
{
  return *static_cast<const message_type_support_callbacks_t *>(
    ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
      rosidl_typesupport_fastrtps_c, quorvex, srv, PlanMotion_Response)()->data);
}

struct Subject
{
  CPtr<quorvex__srv__PlanMotion_Response> record;
  size_t bytes;
  // Written by the C++ library: the C library must write the same and read it back.
  std::vector<char> host_encoding;
};

void serialize(benchmark::State & state, const Subject & subject)
{
  std::vector<char> storage(kHeaderBytes + subject.bytes);
  FastBuffer buffer(storage.data(), storage.size());
  Cdr cdr(buffer, Cdr::DEFAULT_ENDIAN, Cdr::DDS_CDR);
  for (auto _ : state) {
    cdr.reset();
    cdr.serialize_encapsulation();
    callbacks().cdr_serialize(subject.record.get(), cdr);
    benchmark::DoNotOptimize(storage.data());
    benchmark::ClobberMemory();
  }
  require(storage == subject.host_encoding, "serialized bytes");
  report_payload(state, subject.bytes);
}

// A record of its own for each message, initialised and finalised with it, as the C++
// benchmark constructs and destroys one; the allocator keeps what the record frees (see main).
void deserialize_fresh(benchmark::State & state, const Subject & subject)
{
  std::vector<char> storage(subject.host_encoding);
  FastBuffer buffer(storage.data(), storage.size());
  Cdr cdr(buffer, Cdr::DEFAULT_ENDIAN, Cdr::DDS_CDR);
  bool read = true;
  for (auto _ : state) {
    cdr.reset();
    cdr.read_encapsulation();
    quorvex__srv__PlanMotion_Response record;
    read = quorvex__srv__PlanMotion_Response__init(&record) &&
      callbacks().cdr_deserialize(cdr, &record) && read;
    benchmark::DoNotOptimize(&record);
    benchmark::ClobberMemory();
    quorvex__srv__PlanMotion_Response__fini(&record);
  }
  require(read, "deserialized records");
  report_payload(state, subject.bytes);
}

// Each message lands in the record that held the previous one.
void deserialize_reused(benchmark::State & state, const Subject & subject)
{
  std::vector<char> storage(subject.host_encoding);
  FastBuffer buffer(storage.data(), storage.size());
  Cdr cdr(buffer, Cdr::DEFAULT_ENDIAN, Cdr::DDS_CDR);
  CPtr<quorvex__srv__PlanMotion_Response> record(quorvex__srv__PlanMotion_Response__create());
  require(record != nullptr, "record");
  bool read = true;
  for (auto _ : state) {
    cdr.reset();
    cdr.read_encapsulation();
    read = callbacks().cdr_deserialize(cdr, record.get()) && read;
    benchmark::DoNotOptimize(record.get());
    benchmark::ClobberMemory();
  }
  require(
    read && quorvex__srv__PlanMotion_Response__are_equal(record.get(), subject.record.get()),
    "deserialized record");
  report_payload(state, subject.bytes);
}

void register_message(const Shape & shape)
{
  const quorvex::srv::PlanMotion_Response response = make_response(shape);
  auto subject = std::make_shared<Subject>();
  subject->record = to_c_record(response);
  subject->bytes = payload_bytes(response);
  subject->host_encoding.resize(kHeaderBytes + subject->bytes);
  FastBuffer buffer(subject->host_encoding.data(), subject->host_encoding.size());
  Cdr cdr(buffer, Cdr::DEFAULT_ENDIAN, Cdr::DDS_CDR);
  cdr.serialize_encapsulation();
  quorvex::srv::typesupport_fastrtps_cpp::cdr_serialize(response, cdr);

  // Beside the C++ library's rows and the memcpy rows of the same payload.
  const std::string suffix = "/PlanMotion_Response/" + shape_label(shape);
  benchmark::RegisterBenchmark(
    ("cdr_c_serialize_host" + suffix).c_str(),
    [subject](benchmark::State & state) {serialize(state, *subject);});
  benchmark::RegisterBenchmark(
    ("cdr_c_deserialize_fresh" + suffix).c_str(),
    [subject](benchmark::State & state) {deserialize_fresh(state, *subject);});
  benchmark::RegisterBenchmark(
    ("cdr_c_deserialize_reused" + suffix).c_str(),
    [subject](benchmark::State & state) {deserialize_reused(state, *subject);});
}

}  // namespace

void register_cdr_c_benchmarks()
{
  for (const Shape & shape : response_shapes()) {
    register_message(shape);
  }
}

}  // namespace quorvex_bench
