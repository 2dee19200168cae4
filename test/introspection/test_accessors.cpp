// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "introspection_cases.hpp"
#include "rcutils/allocator.h"
#include "rosidl_runtime_c/primitives_sequence_functions.h"
#include "rosidl_runtime_c/string_functions.h"
#include "rosidl_typesupport_introspection_c/field_types.h"

// rosidl_runtime_c and the record library take their memory from rcutils_get_default_allocator.
// This executable exports its own, so the tests see every block that the accessors and adapters
// cause to be taken or given back, can fail any one of them, and get fresh blocks filled with a
// pattern that no element held before.
namespace probe
{

constexpr unsigned char kFresh = 0xcd;
int live_blocks = 0;
int allocations = 0;
int deallocations = 0;
int fail_at = -1;
bool failed = false;

void arm(int allocation) {allocations = deallocations = 0; fail_at = allocation; failed = false;}
void disarm() {fail_at = -1;}

bool may_allocate()
{
  if (allocations++ == fail_at) {
    failed = true;
    return false;
  }
  return true;
}

void * allocate(size_t size, void *)
{
  void * block = may_allocate() ? std::malloc(size) : nullptr;
  if (block != nullptr) {
    ++live_blocks;
    std::memset(block, kFresh, size);
  }
  return block;
}

void * zero_allocate(size_t count, size_t size, void *)
{
  void * block = may_allocate() ? std::calloc(count, size) : nullptr;
  live_blocks += block != nullptr;
  return block;
}

void * reallocate(void * pointer, size_t size, void *)
{
  if (!may_allocate()) {
    return nullptr;
  }
  void * block = std::realloc(pointer, size);
  live_blocks += pointer == nullptr && block != nullptr;
  return block;
}

void deallocate(void * pointer, void *)
{
  if (pointer != nullptr) {
    ++deallocations;
    --live_blocks;
  }
  std::free(pointer);
}

}  // namespace probe

extern "C" rcutils_allocator_t rcutils_get_default_allocator()
{
  return rcutils_allocator_t{
    probe::allocate, probe::deallocate, probe::reallocate, probe::zero_allocate, nullptr};
}

namespace
{

using introspection_cases::members_of;
using introspection_cases::message_cases;
using introspection_cases::MessageCase;
using Member = rosidl_typesupport_introspection_c__MessageMember;

void * at(void * record, const Member & entry)
{
  return static_cast<char *>(record) + entry.offset_;
}

std::vector<const Member *> sequence_entries(const MessageCase & message)
{
  std::vector<const Member *> entries;
  const auto & members = members_of(message);
  for (uint32_t k = 0; k < members.member_count_; ++k) {
    if (members.members_[k].is_array_) {
      entries.push_back(&members.members_[k]);
    }
  }
  return entries;
}

/// Fills a record knowing it only through its descriptor, as a middleware would.
void fill_generically(
  const rosidl_typesupport_introspection_c__MessageMembers & members,
  void * record)
{
  for (uint32_t k = 0; k < members.member_count_; ++k) {
    const Member & entry = members.members_[k];
    void * field = at(record, entry);
    SCOPED_TRACE(entry.name_);
    if (entry.is_array_) {
      const std::vector<double> values = introspection_cases::sequence_value(k);
      ASSERT_TRUE(entry.resize_function(field, values.size()));
      for (size_t i = 0; i < values.size(); ++i) {
        entry.assign_function(field, i, &values[i]);
      }
      continue;
    }
    switch (entry.type_id_) {
      case rosidl_typesupport_introspection_c__ROS_TYPE_BOOLEAN: {
          const bool value = introspection_cases::bool_value(k);
          std::memcpy(field, &value, sizeof(value));
          break;
        }
      case rosidl_typesupport_introspection_c__ROS_TYPE_INT32: {
          const int32_t value = introspection_cases::int32_value(k);
          std::memcpy(field, &value, sizeof(value));
          break;
        }
      case rosidl_typesupport_introspection_c__ROS_TYPE_DOUBLE: {
          const double value = introspection_cases::float64_value(k);
          std::memcpy(field, &value, sizeof(value));
          break;
        }
      case rosidl_typesupport_introspection_c__ROS_TYPE_STRING:
        ASSERT_TRUE(
          rosidl_runtime_c__String__assign(
            static_cast<rosidl_runtime_c__String *>(field),
            introspection_cases::string_value(k).c_str()));
        break;
      default:
        FAIL() << "unexpected type id " << static_cast<int>(entry.type_id_);
    }
  }
}

TEST(Accessors, GenericConsumerBuildsTheRecordTheCInterfaceBuilds)
{
  for (const MessageCase & message : message_cases()) {
    SCOPED_TRACE(message.name);
    const auto & members = members_of(message);
    const int live_before = probe::live_blocks;

    void * record = std::malloc(members.size_of_);
    ASSERT_NE(nullptr, record);
    std::memset(record, 0xa5, members.size_of_);
    members.init_function(record, ROSIDL_RUNTIME_C_MSG_INIT_ALL);
    for (const Member * entry : sequence_entries(message)) {
      EXPECT_EQ(0u, entry->size_function(at(record, *entry)));
    }
    fill_generically(members, record);

    std::vector<unsigned char> reference(message.record_size);
    ASSERT_TRUE(message.init(reference.data()));
    message.fill(reference.data());
    EXPECT_TRUE(message.are_equal(record, reference.data()));

    message.fini(reference.data());
    members.fini_function(record);
    std::free(record);
    EXPECT_EQ(live_before, probe::live_blocks);
  }
}

uint64_t bits_of(double value)
{
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof(bits));
  return bits;
}

double from_bits(uint64_t bits)
{
  double value;
  std::memcpy(&value, &bits, sizeof(value));
  return value;
}

TEST(Accessors, ElementsPassBitForBit)
{
  const std::vector<uint64_t> patterns{
    0x7ff8000000000123u,  // quiet NaN with a payload
    0x7ff0000000000001u,  // signalling NaN
    0xfff80000deadbeefu,  // negative NaN with a payload
    0x8000000000000000u,  // -0.0
    0x7ff0000000000000u,  // +infinity
    0xfff0000000000000u,  // -infinity
    0x0000000000000001u,  // smallest subnormal
    bits_of(std::numeric_limits<double>::max()),
  };
  for (const MessageCase & message : message_cases()) {
    std::vector<unsigned char> record(message.record_size);
    ASSERT_TRUE(message.init(record.data()));
    for (const Member * entry : sequence_entries(message)) {
      SCOPED_TRACE(entry->name_);
      void * field = at(record.data(), *entry);
      ASSERT_TRUE(entry->resize_function(field, patterns.size()));
      const auto * sequence = static_cast<rosidl_runtime_c__double__Sequence *>(field);
      for (size_t i = 0; i < patterns.size(); ++i) {
        EXPECT_EQ(sequence->data + i, entry->get_const_function(field, i));
        EXPECT_EQ(sequence->data + i, entry->get_function(field, i));
        const double in = from_bits(patterns[i]);
        entry->assign_function(field, i, &in);
      }
      for (size_t i = 0; i < patterns.size(); ++i) {
        double out = 0.0;
        entry->fetch_function(field, i, &out);
        EXPECT_EQ(patterns[i], bits_of(out)) << "element " << i;
      }
      // A write through get_function is what fetch_function reads.
      *static_cast<double *>(entry->get_function(field, 3)) = from_bits(patterns[0]);
      double out = 0.0;
      entry->fetch_function(field, 3, &out);
      EXPECT_EQ(patterns[0], bits_of(out));
    }
    message.fini(record.data());
  }
}

TEST(Accessors, EachAccessorTouchesOnlyItsMember)
{
  // Work on one member through its accessors and on a twin record through the record's fields;
  // the two records must stay equal, so every other member is untouched.
  for (const MessageCase & message : message_cases()) {
    for (const Member * entry : sequence_entries(message)) {
      SCOPED_TRACE(entry->name_);
      std::vector<unsigned char> record(message.record_size), twin(message.record_size);
      ASSERT_TRUE(message.init(record.data()));
      ASSERT_TRUE(message.init(twin.data()));
      message.fill(record.data());
      message.fill(twin.data());

      const double values[] = {42.0, -1.5};
      ASSERT_TRUE(entry->resize_function(at(record.data(), *entry), 2));
      entry->assign_function(at(record.data(), *entry), 0, &values[0]);
      entry->assign_function(at(record.data(), *entry), 1, &values[1]);
      auto * twin_sequence = static_cast<rosidl_runtime_c__double__Sequence *>(
        at(twin.data(), *entry));
      rosidl_runtime_c__double__Sequence__fini(twin_sequence);
      ASSERT_TRUE(rosidl_runtime_c__double__Sequence__init(twin_sequence, 2));
      twin_sequence->data[0] = values[0];
      twin_sequence->data[1] = values[1];
      EXPECT_TRUE(message.are_equal(record.data(), twin.data()));

      message.fini(record.data());
      message.fini(twin.data());
    }
  }
}

TEST(Accessors, ResizeDropsTheOldElementsAtEverySize)
{
  // A kept element would survive in place or through a reallocation; every element must come
  // fresh from the allocator instead, also when the size stays the same.
  const Member & entry = *sequence_entries(message_cases()[1]).front();
  uint64_t fresh;
  std::memset(&fresh, probe::kFresh, sizeof(fresh));
  rosidl_runtime_c__double__Sequence member;
  for (size_t before : {0u, 1u, 3u}) {
    for (size_t after : {0u, 1u, 3u, 5u}) {
      SCOPED_TRACE(std::to_string(before) + " -> " + std::to_string(after));
      ASSERT_TRUE(rosidl_runtime_c__double__Sequence__init(&member, before));
      for (size_t i = 0; i < before; ++i) {
        member.data[i] = 7.0;
      }
      probe::arm(-1);
      ASSERT_TRUE(entry.resize_function(&member, after));
      EXPECT_EQ(before > 0 ? 1 : 0, probe::deallocations);
      EXPECT_EQ(after > 0 ? 1 : 0, probe::allocations);
      EXPECT_EQ(after, entry.size_function(&member));
      for (size_t i = 0; i < after; ++i) {
        double value = 7.0;
        entry.fetch_function(&member, i, &value);
        EXPECT_EQ(fresh, bits_of(value)) << "element " << i;
      }
      rosidl_runtime_c__double__Sequence__fini(&member);
    }
  }
}

TEST(Accessors, FailedResizeLeavesTheMemberEmpty)
{
  const Member & entry = *sequence_entries(message_cases()[0]).front();
  const int live_before = probe::live_blocks;
  rosidl_runtime_c__double__Sequence member;
  ASSERT_TRUE(rosidl_runtime_c__double__Sequence__init(&member, 4));
  probe::arm(0);
  EXPECT_FALSE(entry.resize_function(&member, 3));
  probe::disarm();
  EXPECT_TRUE(probe::failed);
  EXPECT_EQ(nullptr, member.data);
  EXPECT_EQ(0u, member.size);
  EXPECT_EQ(0u, member.capacity);
  EXPECT_EQ(live_before, probe::live_blocks);
  ASSERT_TRUE(entry.resize_function(&member, 2));
  EXPECT_EQ(2u, entry.size_function(&member));
  rosidl_runtime_c__double__Sequence__fini(&member);
}

// What __init leaves in storage filled with `fill`: empty strings and sequences, every other
// byte as it was.
void expect_initialised(const MessageCase & message, const void * record)
{
  const auto & members = members_of(message);
  for (uint32_t k = 0; k < members.member_count_; ++k) {
    const Member & entry = members.members_[k];
    const void * field = static_cast<const char *>(record) + entry.offset_;
    SCOPED_TRACE(entry.name_);
    if (entry.is_array_) {
      const auto * sequence = static_cast<const rosidl_runtime_c__double__Sequence *>(field);
      EXPECT_EQ(nullptr, sequence->data);
      EXPECT_EQ(0u, sequence->size);
      EXPECT_EQ(0u, sequence->capacity);
    } else if (entry.type_id_ == rosidl_typesupport_introspection_c__ROS_TYPE_STRING) {
      const auto * string = static_cast<const rosidl_runtime_c__String *>(field);
      ASSERT_NE(nullptr, string->data);
      EXPECT_STREQ("", string->data);
      EXPECT_EQ(0u, string->size);
    } else {
      EXPECT_EQ(0xa5, *static_cast<const unsigned char *>(field));
    }
  }
}

TEST(Adapters, EveryModeInitialisesFully)
{
  for (const MessageCase & message : message_cases()) {
    SCOPED_TRACE(message.name);
    const auto & members = members_of(message);
    for (auto mode : {ROSIDL_RUNTIME_C_MSG_INIT_ALL, ROSIDL_RUNTIME_C_MSG_INIT_SKIP,
        ROSIDL_RUNTIME_C_MSG_INIT_ZERO, ROSIDL_RUNTIME_C_MSG_INIT_DEFAULTS_ONLY})
    {
      SCOPED_TRACE(static_cast<int>(mode));
      std::vector<unsigned char> record(message.record_size, 0xa5);
      members.init_function(record.data(), mode);
      expect_initialised(message, record.data());
      members.fini_function(record.data());
    }
    members.init_function(nullptr, ROSIDL_RUNTIME_C_MSG_INIT_ALL);
    members.fini_function(nullptr);
  }
}

TEST(Adapters, FailedInitLeavesARecordFiniAccepts)
{
  // The init slot cannot report a failure, and a consumer goes on to finalise the record.
  for (const MessageCase & message : message_cases()) {
    SCOPED_TRACE(message.name);
    const auto & members = members_of(message);
    const int live_before = probe::live_blocks;
    for (int fail_at = 0;; ++fail_at) {
      SCOPED_TRACE(fail_at);
      std::vector<unsigned char> record(message.record_size, 0xa5);
      probe::arm(fail_at);
      members.init_function(record.data(), ROSIDL_RUNTIME_C_MSG_INIT_ALL);
      probe::disarm();
      if (!probe::failed) {
        expect_initialised(message, record.data());
        members.fini_function(record.data());
        break;
      }
      EXPECT_EQ(live_before, probe::live_blocks);
      EXPECT_EQ(std::vector<unsigned char>(message.record_size, 0), record);
      members.fini_function(record.data());
    }
    EXPECT_EQ(live_before, probe::live_blocks);
  }
}

}  // namespace
