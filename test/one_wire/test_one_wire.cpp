// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// One wire: for random records of each message, at start offsets 0 to 7 and in both byte orders,
// four writers put identical bytes on the wire, and four readers read each writer's bytes back
// to a record equal bit for bit to the one written:
// - the C++ library's typed functions, on the C++ record;
// - the C library's callbacks, on the equal C record;
// - the generic writer and reader (generic_cdr.hpp) over the C introspection descriptors, on the
//   C record;
// - the same over the C++ introspection descriptors, on the C++ record.
//
// Positioning, the same for every writer and reader: a stream's alignment origin is the first
// byte of its buffer, and the record starts `offset` bytes after it, past a skip (Cdr::jump) that
// stands for what precedes the record in a larger payload. Buffers start zeroed, so the padding
// bytes that a writer skips are zeros for all of them.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "fastcdr/Cdr.h"
#include "fastcdr/FastBuffer.h"
#include "generic_cdr.hpp"
#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_fastrtps_c.h"
#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_fastrtps_cpp.hpp"
#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_introspection_c.h"
#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_introspection_cpp.hpp"
#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_fastrtps_c.h"
#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_fastrtps_cpp.hpp"
#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_introspection_c.h"
#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_introspection_cpp.hpp"
#include "rosidl_typesupport_fastrtps_cpp/message_type_support.h"
#include "wire_records.hpp"

namespace
{

using eprosima::fastcdr::Cdr;
using one_wire::Pair;
using quorvex::srv::PlanMotion_Request;
using quorvex::srv::PlanMotion_Response;
using quorvex::srv::SolveIK_Request;
using quorvex::srv::SolveIK_Response;
using Bytes = std::vector<char>;

constexpr size_t kRecords = 300;
constexpr size_t kOffsets = 8;

enum Side {kCppTyped, kCCallbacks, kGenericC, kGenericCpp, kSides};
const char * const kSideNames[kSides] = {
  "C++ library's typed functions", "C library's callbacks",
  "generic walk of the C descriptors", "generic walk of the C++ descriptors"};

/// The handles of one message in each type support.
template<typename Record>
struct Handles;

#define QUORVEX_ONE_WIRE_HANDLES(Message) \
  template<> \
  struct Handles<quorvex::srv::Message> \
  { \
    static const rosidl_message_type_support_t * fastrtps_c() \
    { \
      return ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME( \
        rosidl_typesupport_fastrtps_c, quorvex, srv, Message)(); \
    } \
    static const rosidl_message_type_support_t * fastrtps_cpp() \
    { \
      return ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME( \
        rosidl_typesupport_fastrtps_cpp, quorvex, srv, Message)(); \
    } \
    static const rosidl_message_type_support_t * introspection_c() \
    { \
      return ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME( \
        rosidl_typesupport_introspection_c, quorvex, srv, Message)(); \
    } \
  };

QUORVEX_ONE_WIRE_HANDLES(PlanMotion_Request)
QUORVEX_ONE_WIRE_HANDLES(PlanMotion_Response)
QUORVEX_ONE_WIRE_HANDLES(SolveIK_Request)
QUORVEX_ONE_WIRE_HANDLES(SolveIK_Response)

#undef QUORVEX_ONE_WIRE_HANDLES

/// A stream over a buffer of exactly the given bytes, positioned at the record's start.
class Stream
{
public:
  Stream(Bytes bytes, Cdr::Endianness order, size_t offset)
  : bytes_(std::move(bytes)),
    buffer_(bytes_.data(), bytes_.size()),
    cdr_(buffer_, order, Cdr::DDS_CDR)
  {
    cdr_.jump(offset);
  }

  Cdr & cdr() {return cdr_;}
  size_t size() const {return bytes_.size();}

  /// What was written so far, from the buffer's first byte.
  Bytes written() const
  {
    return Bytes(bytes_.begin(), bytes_.begin() + cdr_.getSerializedDataLength());
  }

private:
  Bytes bytes_;
  eprosima::fastcdr::FastBuffer buffer_;
  Cdr cdr_;
};

void init_all(const rosidl_typesupport_introspection_c__MessageMembers & members, void * record)
{
  members.init_function(record, ROSIDL_RUNTIME_C_MSG_INIT_ALL);
}

void init_all(const rosidl_typesupport_introspection_cpp::MessageMembers & members, void * record)
{
  members.init_function(record, rosidl_runtime_cpp::MessageInitialization::ALL);
}

/// Record storage that only a descriptor's init_function and fini_function bring to life and end.
template<typename MessageMembers>
class DescribedRecord
{
public:
  explicit DescribedRecord(const MessageMembers & members)
  : members_(members), storage_(members.size_of_ / sizeof(std::max_align_t) + 1)
  {
    init_all(members_, storage_.data());
  }
  ~DescribedRecord() {members_.fini_function(storage_.data());}
  DescribedRecord(const DescribedRecord &) = delete;
  DescribedRecord & operator=(const DescribedRecord &) = delete;

  void * get() {return storage_.data();}

private:
  const MessageMembers & members_;
  std::vector<std::max_align_t> storage_;
};

template<typename Record>
class OneWire : public ::testing::Test
{
protected:
  using C = typename Pair<Record>::C;
  using CMembers = rosidl_typesupport_introspection_c__MessageMembers;
  using CppMembers = rosidl_typesupport_introspection_cpp::MessageMembers;

  OneWire()
  : c_callbacks_(callbacks(Handles<Record>::fastrtps_c())),
    cpp_callbacks_(callbacks(Handles<Record>::fastrtps_cpp())),
    c_members_(*static_cast<const CMembers *>(Handles<Record>::introspection_c()->data)),
    cpp_members_(*static_cast<const CppMembers *>(
        rosidl_typesupport_introspection_cpp::get_message_type_support_handle<Record>()->data)),
    generic_c_record_(c_members_),
    generic_cpp_record_(cpp_members_)
  {
    EXPECT_TRUE(Pair<Record>::init(&c_record_));
    EXPECT_TRUE(Pair<Record>::init(&c_callbacks_record_));
  }

  ~OneWire() override
  {
    Pair<Record>::fini(&c_record_);
    Pair<Record>::fini(&c_callbacks_record_);
  }

  static const message_type_support_callbacks_t * callbacks(
    const rosidl_message_type_support_t * handle)
  {
    return static_cast<const message_type_support_callbacks_t *>(handle->data);
  }

  Bytes write(Side side, const Record & record, Cdr::Endianness order, size_t offset)
  {
    const size_t capacity =
      offset + quorvex::srv::typesupport_fastrtps_cpp::get_serialized_size(record, offset);
    Stream stream(Bytes(capacity, 0), order, offset);
    switch (side) {
      case kCppTyped:
        EXPECT_TRUE(quorvex::srv::typesupport_fastrtps_cpp::cdr_serialize(record, stream.cdr()));
        break;
      case kCCallbacks:
        EXPECT_TRUE(c_callbacks_->cdr_serialize(&c_record_, stream.cdr()));
        break;
      case kGenericC:
        one_wire::generic_write(c_members_, &c_record_, stream.cdr());
        break;
      case kGenericCpp:
        one_wire::generic_write(cpp_members_, &record, stream.cdr());
        break;
      default:
        ADD_FAILURE() << "no side " << side;
    }
    return stream.written();
  }

  /// Reads `bytes` with the reader of `side` into that reader's record, which holds whatever the
  /// previous read left; returns the record read, as a C++ record.
  Record read(Side side, const Bytes & bytes, Cdr::Endianness order, size_t offset)
  {
    Stream stream(bytes, order, offset);
    Record result;
    switch (side) {
      case kCppTyped:
        EXPECT_TRUE(
          quorvex::srv::typesupport_fastrtps_cpp::cdr_deserialize(stream.cdr(), cpp_typed_record_));
        result = cpp_typed_record_;
        break;
      case kCCallbacks:
        EXPECT_TRUE(c_callbacks_->cdr_deserialize(stream.cdr(), &c_callbacks_record_));
        result = one_wire::from_c_record<Record>(c_callbacks_record_);
        break;
      case kGenericC:
        EXPECT_TRUE(
          one_wire::generic_read(c_members_, stream.cdr(), stream.size(), generic_c_record_.get()));
        result = one_wire::from_c_record<Record>(*static_cast<C *>(generic_c_record_.get()));
        break;
      case kGenericCpp:
        EXPECT_TRUE(
          one_wire::generic_read(
            cpp_members_, stream.cdr(), stream.size(), generic_cpp_record_.get()));
        result = *static_cast<Record *>(generic_cpp_record_.get());
        break;
      default:
        ADD_FAILURE() << "no side " << side;
    }
    EXPECT_EQ(bytes.size(), stream.cdr().getSerializedDataLength())
      << kSideNames[side] << " did not read to the end of the record";
    return result;
  }

  /// Writes `record` with every writer and reads every writer's bytes with every reader.
  void check(const Record & record, Cdr::Endianness order, size_t offset)
  {
    ASSERT_TRUE(one_wire::to_c_record(record, c_record_));
    std::array<Bytes, kSides> written;
    for (int side = 0; side < kSides; ++side) {
      written[side] = write(static_cast<Side>(side), record, order, offset);
    }
    for (int side = 1; side < kSides; ++side) {
      // Not ASSERT_EQ: it would print every byte of both.
      ASSERT_TRUE(written[kCppTyped] == written[side])
        << kSideNames[side] << " wrote " << written[side].size() << " bytes, the "
        << kSideNames[kCppTyped] << " " << written[kCppTyped].size() << "; first difference at "
        << first_difference(written[kCppTyped], written[side]);
    }
    for (int reader = 0; reader < kSides; ++reader) {
      for (int writer = 0; writer < kSides; ++writer) {
        const Record back = read(static_cast<Side>(reader), written[writer], order, offset);
        ASSERT_TRUE(one_wire::same_record(record, back))
          << kSideNames[reader] << " read back another record from the bytes of the "
          << kSideNames[writer];
      }
    }
  }

  static size_t first_difference(const Bytes & a, const Bytes & b)
  {
    size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) {
      ++i;
    }
    return i;
  }

  const message_type_support_callbacks_t * c_callbacks_;
  const message_type_support_callbacks_t * cpp_callbacks_;
  const CMembers & c_members_;
  const CppMembers & cpp_members_;
  /// The C twin of the record being written.
  C c_record_;
  // The readers' records, reused from one read to the next.
  Record cpp_typed_record_;
  C c_callbacks_record_;
  DescribedRecord<CMembers> generic_c_record_;
  DescribedRecord<CppMembers> generic_cpp_record_;
};

using AllMessages =
  ::testing::Types<PlanMotion_Request, PlanMotion_Response, SolveIK_Request, SolveIK_Response>;
TYPED_TEST_SUITE(OneWire, AllMessages);

TYPED_TEST(OneWire, FourWritersOneWireFourReaders)
{
  // A fixed seed per message, so that a failure names a record that can be made again.
  one_wire::RandomValues random(0x5eed0000u + sizeof(TypeParam));
  for (size_t n = 0; n < kRecords; ++n) {
    // The first record is the empty one; the others are random.
    const TypeParam record = n == 0 ? TypeParam() : random.template record<TypeParam>();
    for (const Cdr::Endianness order : {Cdr::LITTLE_ENDIANNESS, Cdr::BIG_ENDIANNESS}) {
      for (size_t offset = 0; offset < kOffsets; ++offset) {
        std::ostringstream where;
        where << Pair<TypeParam>::name << " record " << n << ", offset " << offset << ", "
              << (order == Cdr::BIG_ENDIANNESS ? "big" : "little") << " endian";
        SCOPED_TRACE(where.str());
        this->check(record, order, offset);
        if (this->HasFatalFailure()) {
          return;
        }
      }
    }
    // The callbacks' sizes (from position 0) agree too.
    ASSERT_TRUE(one_wire::to_c_record(record, this->c_record_));
    EXPECT_EQ(
      this->cpp_callbacks_->get_serialized_size(&record),
      this->c_callbacks_->get_serialized_size(&this->c_record_)) << "record " << n;
  }
}

}  // namespace
