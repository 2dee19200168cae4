// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// A generic consumer: it knows a C record only through the introspection descriptor of its
// message (byte 0 picks it), brings it to life through the init adapter, then runs the input as
// steps that resize and assign the sequences, assign the strings and write the plain members,
// with allocation failures injected. After every step the record, read back both through the
// accessors and through the C record's own declaration, must hold exactly what was written.
// The fini adapter must leave nothing allocated.
//
// Step: [member] [failure plan] [operands...]; the failure plan as in records_fuzzer.cpp.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_introspection_c.h"
#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_introspection_c.h"
#include "quorvex/srv/plan_motion.h"
#include "quorvex/srv/solve_ik.h"
#include "rosidl_runtime_c/string_functions.h"
#include "rosidl_typesupport_introspection_c/field_types.h"
#include "rosidl_typesupport_introspection_c/identifier.h"
#include "rosidl_typesupport_introspection_c/message_introspection.h"
#include "rosidl_typesupport_introspection_c/service_introspection.h"

#include "byte_reader.hpp"
#include "fuzz_allocator.hpp"
#include "fuzz_check.hpp"
#include "record_model.hpp"

namespace
{

using MessageMember = rosidl_typesupport_introspection_c__MessageMember;
using MessageMembers = rosidl_typesupport_introspection_c__MessageMembers;
using record_model::Kind;
using record_model::Layout;

struct Message
{
  const rosidl_message_type_support_t * (* getter)();
  const Layout & layout;
};

const Message & message(std::size_t index)
{
  static const Message messages[] = {
    {ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
        rosidl_typesupport_introspection_c, quorvex, srv, SolveIK_Request),
      record_model::solve_ik_request()},
    {ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
        rosidl_typesupport_introspection_c, quorvex, srv, SolveIK_Response),
      record_model::solve_ik_response()},
    {ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
        rosidl_typesupport_introspection_c, quorvex, srv, PlanMotion_Request),
      record_model::plan_motion_request()},
    {ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
        rosidl_typesupport_introspection_c, quorvex, srv, PlanMotion_Response),
      record_model::plan_motion_response()},
  };
  return messages[index];
}

const MessageMembers & descriptor_of(const Message & m)
{
  const rosidl_message_type_support_t * handle = m.getter();
  FUZZ_REQUIRE(handle && handle == m.getter());
  FUZZ_REQUIRE(handle->typesupport_identifier == rosidl_typesupport_introspection_c__identifier);
  return *static_cast<const MessageMembers *>(handle->data);
}

std::uint8_t type_id_of(Kind kind)
{
  switch (kind) {
    case Kind::kBool: return rosidl_typesupport_introspection_c__ROS_TYPE_BOOLEAN;
    case Kind::kInt32: return rosidl_typesupport_introspection_c__ROS_TYPE_INT32;
    case Kind::kString: return rosidl_typesupport_introspection_c__ROS_TYPE_STRING;
    default: return rosidl_typesupport_introspection_c__ROS_TYPE_DOUBLE;
  }
}

// The descriptor says what the C record's declaration says.
void check_descriptor(const MessageMembers & descriptor, const Layout & layout)
{
  FUZZ_REQUIRE(std::strcmp(descriptor.message_namespace_, "quorvex__srv") == 0);
  FUZZ_REQUIRE(std::strcmp(descriptor.message_name_, layout.name) == 0);
  FUZZ_REQUIRE(descriptor.member_count_ == layout.members.size());
  FUZZ_REQUIRE(descriptor.size_of_ == layout.size);
  FUZZ_REQUIRE(descriptor.init_function && descriptor.fini_function);
  for (std::size_t i = 0; i < layout.members.size(); ++i) {
    const MessageMember & entry = descriptor.members_[i];
    const record_model::Member & member = layout.members[i];
    const bool sequence = member.kind == Kind::kDoubleSequence;
    FUZZ_REQUIRE(std::strcmp(entry.name_, member.name) == 0);
    FUZZ_REQUIRE(entry.type_id_ == type_id_of(member.kind));
    FUZZ_REQUIRE(entry.offset_ == member.offset);
    FUZZ_REQUIRE(entry.is_array_ == sequence);
    FUZZ_REQUIRE(!entry.members_ && !entry.default_value_ && !entry.is_upper_bound_);
    FUZZ_REQUIRE(entry.array_size_ == 0 && entry.string_upper_bound_ == 0);
    const bool accessors[] = {
      entry.size_function != nullptr, entry.get_const_function != nullptr,
      entry.get_function != nullptr, entry.fetch_function != nullptr,
      entry.assign_function != nullptr, entry.resize_function != nullptr};
    for (bool present : accessors) {
      FUZZ_REQUIRE(present == sequence);
    }
  }
}

void check_service(
  const rosidl_service_type_support_t * handle, const char * name,
  const Message & request, const Message & response)
{
  FUZZ_REQUIRE(handle->typesupport_identifier == rosidl_typesupport_introspection_c__identifier);
  const auto * service =
    static_cast<const rosidl_typesupport_introspection_c__ServiceMembers *>(handle->data);
  FUZZ_REQUIRE(std::strcmp(service->service_namespace_, "quorvex__srv") == 0);
  FUZZ_REQUIRE(std::strcmp(service->service_name_, name) == 0);
  FUZZ_REQUIRE(service->request_members_ == &descriptor_of(request));
  FUZZ_REQUIRE(service->response_members_ == &descriptor_of(response));
}

std::size_t width_of(std::uint8_t type_id)
{
  switch (type_id) {
    case rosidl_typesupport_introspection_c__ROS_TYPE_BOOLEAN: return sizeof(bool);
    case rosidl_typesupport_introspection_c__ROS_TYPE_INT32: return sizeof(std::int32_t);
    default: return sizeof(double);
  }
}

class Consumer
{
public:
  Consumer(const MessageMembers & descriptor, const Layout & layout, ByteReader & input)
  : descriptor_(descriptor), layout_(layout), input_(input) {}

  void run()
  {
    const std::size_t live_at_start = fuzz_allocator::live_blocks();
    record_ = static_cast<char *>(std::malloc(descriptor_.size_of_));
    input_.bytes(record_, descriptor_.size_of_);
    for (std::uint32_t i = 0; i < descriptor_.member_count_; ++i) {
      if (descriptor_.members_[i].type_id_ ==
        rosidl_typesupport_introspection_c__ROS_TYPE_BOOLEAN)
      {
        record_[descriptor_.members_[i].offset_] &= 1;
      }
    }
    const std::string scalars = record_model::scalar_bytes(layout_, record_);
    // Every mode leads to the same full initialisation.
    const auto mode = static_cast<rosidl_runtime_c__message_initialization>(input_.below(4));
    plan_failures(input_.byte());
    descriptor_.init_function(record_, mode);
    if (fuzz_allocator::failures() != 0) {
      // The adapter cannot report it; what matters is that nothing was kept.
      fuzz_allocator::plan_failures(0, false);
      FUZZ_REQUIRE(fuzz_allocator::live_blocks() == live_at_start);
      std::free(record_);
      return;
    }
    FUZZ_REQUIRE(record_model::is_freshly_initialised(layout_, record_));
    FUZZ_REQUIRE(record_model::scalar_bytes(layout_, record_) == scalars);
    expected_ = record_model::values_of(layout_, record_);

    while (!input_.at_end()) {
      step();
      fuzz_allocator::plan_failures(0, false);
      FUZZ_REQUIRE(record_model::values_of(layout_, record_) == expected_);
      FUZZ_REQUIRE(read_through_accessors() == expected_);
    }
    descriptor_.fini_function(record_);
    FUZZ_REQUIRE(fuzz_allocator::live_blocks() == live_at_start);
    std::free(record_);
  }

private:
  static void plan_failures(std::uint8_t plan)
  {
    if (plan & 0x80) {
      fuzz_allocator::plan_failures((plan & 0x1f) + 1, plan & 0x40);
    } else {
      fuzz_allocator::plan_failures(0, false);
    }
  }

  void step()
  {
    const std::size_t index = input_.below(descriptor_.member_count_);
    const MessageMember & member = descriptor_.members_[index];
    void * field = record_ + member.offset_;
    const std::uint8_t plan = input_.byte();
    if (member.is_array_) {
      if (input_.byte() & 1) {
        resize(member, field, index, plan);
      } else {
        assign(member, field, index);
      }
    } else if (member.type_id_ == rosidl_typesupport_introspection_c__ROS_TYPE_STRING) {
      char text[40];
      const std::size_t length = input_.below(sizeof(text));
      input_.bytes(text, length);
      plan_failures(plan);
      const bool assigned = rosidl_runtime_c__String__assignn(
        static_cast<rosidl_runtime_c__String *>(field), text, length);
      FUZZ_REQUIRE(assigned == (fuzz_allocator::failures() == 0));
      if (assigned) {
        expected_[index] = std::string(text, length);
      }
    } else {
      std::string bytes(width_of(member.type_id_), '\0');
      input_.bytes(&bytes[0], bytes.size());
      if (member.type_id_ == rosidl_typesupport_introspection_c__ROS_TYPE_BOOLEAN) {
        bytes[0] &= 1;
      }
      std::memcpy(field, bytes.data(), bytes.size());
      expected_[index] = bytes;
    }
  }

  void resize(const MessageMember & member, void * field, std::size_t index, std::uint8_t plan)
  {
    const std::size_t size = input_.below(33);
    plan_failures(plan);
    const bool resized = member.resize_function(field, size);
    FUZZ_REQUIRE(resized == (fuzz_allocator::failures() == 0));
    // The old elements are gone either way. The new ones hold whatever
    // rosidl_runtime_c__double__Sequence__init gives them, which need not be zeros.
    FUZZ_REQUIRE(member.size_function(field) == (resized ? size : 0));
    expected_[index] = record_model::value_of(layout_.members[index], record_);
  }

  void assign(const MessageMember & member, void * field, std::size_t index)
  {
    const std::size_t size = member.size_function(field);
    if (size == 0) {
      return;
    }
    const std::size_t element = input_.below(256) % size;
    double value;
    input_.bytes(&value, sizeof(value));
    member.assign_function(field, element, &value);
    double fetched;
    member.fetch_function(field, element, &fetched);
    FUZZ_REQUIRE(std::memcmp(&fetched, &value, sizeof(double)) == 0);
    const void * address = member.get_const_function(field, element);
    FUZZ_REQUIRE(address == member.get_function(field, element));
    FUZZ_REQUIRE(std::memcmp(address, &value, sizeof(double)) == 0);
    expected_[index].replace(
      element * sizeof(double), sizeof(double),
      reinterpret_cast<const char *>(&value), sizeof(double));
  }

  std::vector<std::string> read_through_accessors() const
  {
    std::vector<std::string> values;
    for (std::uint32_t i = 0; i < descriptor_.member_count_; ++i) {
      const MessageMember & member = descriptor_.members_[i];
      const char * field = record_ + member.offset_;
      if (member.is_array_) {
        std::string bytes;
        for (std::size_t e = 0; e < member.size_function(field); ++e) {
          double value;
          member.fetch_function(field, e, &value);
          bytes.append(reinterpret_cast<const char *>(&value), sizeof(double));
        }
        values.push_back(bytes);
      } else if (member.type_id_ == rosidl_typesupport_introspection_c__ROS_TYPE_STRING) {
        const auto * text = reinterpret_cast<const rosidl_runtime_c__String *>(field);
        values.emplace_back(text->data, text->size);
      } else {
        values.emplace_back(field, width_of(member.type_id_));
      }
    }
    return values;
  }

  const MessageMembers & descriptor_;
  const Layout & layout_;
  ByteReader & input_;
  char * record_ = nullptr;
  std::vector<std::string> expected_;
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
  // The descriptors are fixed at load; checking them once covers every input.
  check_service(
    ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME(
      rosidl_typesupport_introspection_c, quorvex, srv, SolveIK)(),
    "SolveIK", message(0), message(1));
  check_service(
    ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME(
      rosidl_typesupport_introspection_c, quorvex, srv, PlanMotion)(),
    "PlanMotion", message(2), message(3));
  for (std::size_t i = 0; i < 4; ++i) {
    check_descriptor(descriptor_of(message(i)), message(i).layout);
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t * data, std::size_t size)
{
  ByteReader input(data, size);
  const Message & m = message(input.below(4));
  Consumer(descriptor_of(m), m.layout, input).run();
  return 0;
}
