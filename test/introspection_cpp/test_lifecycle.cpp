// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// init_function and fini_function in storage that the consumer owns, in every initialisation
// mode, known only through the descriptor as a middleware knows the record.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "message_cases.hpp"
#include "new_probe.hpp"
#include "rosidl_typesupport_introspection_cpp/field_types.hpp"

namespace
{

using message_cases::cpp_members;
using rosidl_runtime_cpp::MessageInitialization;
using Member = rosidl_typesupport_introspection_cpp::MessageMember;

constexpr unsigned char kGarbage = 0xa5;

/// Storage of a record, aligned for any member and filled with garbage.
class Storage
{
public:
  explicit Storage(size_t size)
  : bytes_(size / sizeof(std::max_align_t) + 1)
  {
    std::memset(bytes_.data(), kGarbage, size);
  }
  void * get() {return bytes_.data();}
  const unsigned char * at(const Member & entry) const
  {
    return reinterpret_cast<const unsigned char *>(bytes_.data()) + entry.offset_;
  }

private:
  std::vector<std::max_align_t> bytes_;
};

size_t scalar_width(uint8_t type_id)
{
  switch (type_id) {
    case rosidl_typesupport_introspection_cpp::ROS_TYPE_BOOLEAN:
      return 1;
    case rosidl_typesupport_introspection_cpp::ROS_TYPE_INT32:
      return 4;
    case rosidl_typesupport_introspection_cpp::ROS_TYPE_DOUBLE:
      return 8;
    default:
      ADD_FAILURE() << "unexpected type id " << static_cast<int>(type_id);
      return 0;
  }
}

bool all_bytes(const unsigned char * bytes, size_t width, unsigned char value)
{
  for (size_t i = 0; i < width; ++i) {
    if (bytes[i] != value) {
      return false;
    }
  }
  return true;
}

template<typename Record>
class Lifecycle : public ::testing::Test {};
TYPED_TEST_SUITE(Lifecycle, message_cases::AllMessages);

// ALL and ZERO zero the scalars; SKIP and DEFAULTS_ONLY (there are no defaults) leave them as the
// storage held them. Strings and sequences are empty in every mode.
TYPED_TEST(Lifecycle, EveryModeInPlacementStorage)
{
  const auto & members = cpp_members<TypeParam>();
  for (const MessageInitialization mode :
    {MessageInitialization::ALL, MessageInitialization::SKIP, MessageInitialization::ZERO,
      MessageInitialization::DEFAULTS_ONLY})
  {
    SCOPED_TRACE(static_cast<int>(mode));
    const bool zeroes = mode == MessageInitialization::ALL || mode == MessageInitialization::ZERO;
    Storage storage(members.size_of_);
    members.init_function(storage.get(), mode);
    for (uint32_t k = 0; k < members.member_count_; ++k) {
      const Member & entry = members.members_[k];
      SCOPED_TRACE(entry.name_);
      const unsigned char * field = storage.at(entry);
      if (entry.is_array_) {
        EXPECT_EQ(0u, entry.size_function(field));
      } else if (entry.type_id_ == rosidl_typesupport_introspection_cpp::ROS_TYPE_STRING) {
        EXPECT_TRUE(reinterpret_cast<const std::string *>(field)->empty());
      } else {
        EXPECT_TRUE(all_bytes(field, scalar_width(entry.type_id_), zeroes ? 0 : kGarbage));
      }
    }
    members.fini_function(storage.get());
  }
}

// What the record took is given back by fini_function, and the storage can hold a record again.
TYPED_TEST(Lifecycle, FiniReleasesWhatTheRecordHolds)
{
  const auto & members = cpp_members<TypeParam>();
  Storage storage(members.size_of_);
  const int64_t live = new_probe::live_blocks();
  for (int round = 0; round < 2; ++round) {
    members.init_function(storage.get(), MessageInitialization::ALL);
    EXPECT_EQ(live, new_probe::live_blocks()) << "construction allocated";
    for (uint32_t k = 0; k < members.member_count_; ++k) {
      const Member & entry = members.members_[k];
      void * field = const_cast<unsigned char *>(storage.at(entry));
      if (entry.is_array_) {
        entry.resize_function(field, 100 + k);
      } else if (entry.type_id_ == rosidl_typesupport_introspection_cpp::ROS_TYPE_STRING) {
        // Long enough to leave the string's inline buffer.
        static_cast<std::string *>(field)->assign(200, 'x');
      }
    }
    members.fini_function(storage.get());
    EXPECT_EQ(live, new_probe::live_blocks());
  }
}

TYPED_TEST(Lifecycle, NullRecordIsIgnored)
{
  const auto & members = cpp_members<TypeParam>();
  members.init_function(nullptr, MessageInitialization::ALL);
  members.fini_function(nullptr);
}

// A record constructed by init_function is the record the constructor makes.
TYPED_TEST(Lifecycle, InitMakesTheRecordsDefault)
{
  const auto & members = cpp_members<TypeParam>();
  Storage storage(members.size_of_);
  members.init_function(storage.get(), MessageInitialization::ALL);
  EXPECT_TRUE(*static_cast<TypeParam *>(storage.get()) == TypeParam());
  members.fini_function(storage.get());
}

}  // namespace
