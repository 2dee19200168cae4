// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// The C reader against the C++ reader over every kind of Fast-CDR buffer: memory of the
// caller's, a FastBuffer that owns and grows its memory, and one reserved larger than what it
// holds. Whatever the buffer, both must come to the same outcome, with the same exception, at
// the same stream position, and neither may grow the buffer: a buffer that grew would hand the
// reader bytes that were never received.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <typeinfo>
#include <type_traits>
#include <vector>

#include "c_records.hpp"
#include "fastcdr/Cdr.h"
#include "fastcdr/FastBuffer.h"
#include "fastcdr/exceptions/Exception.h"

namespace
{

using c_records::Owned;
using cdr_test::PlanMotion_Request;
using cdr_test::SolveIK_Response;
using eprosima::fastcdr::Cdr;
using eprosima::fastcdr::FastBuffer;
namespace typed = quorvex::srv::typesupport_fastrtps_cpp;

enum class Kind {external, growable, reserved};

const char * name(Kind kind)
{
  switch (kind) {
    case Kind::external: return "external memory";
    case Kind::growable: return "growable FastBuffer";
    default: return "FastBuffer reserved larger";
  }
}

// What a buffer holds beyond the bytes of the message, where it holds more.
constexpr char kFiller = '\x5a';
// How much larger than the message a reserved buffer is.
constexpr size_t kReservedExtra = 256;

/// A FastBuffer of one kind holding `bytes`, and the stream that reads it.
class Received
{
public:
  Received(Kind kind, const std::vector<uint8_t> & bytes, bool big_endian)
  : storage_(bytes.begin(), bytes.end())
  {
    const Cdr::Endianness endianness = big_endian ? Cdr::BIG_ENDIANNESS : Cdr::LITTLE_ENDIANNESS;
    switch (kind) {
      case Kind::external:
        buffer_ = std::make_unique<FastBuffer>(
          reinterpret_cast<char *>(storage_.data()), storage_.size());
        break;
      case Kind::growable: {
          // As a writer leaves it: grown in steps, so it usually holds more than was written.
          buffer_ = std::make_unique<FastBuffer>();
          Cdr writer(*buffer_, endianness, Cdr::DDS_CDR);
          if (!bytes.empty()) {
            writer.serializeArray(reinterpret_cast<const char *>(bytes.data()), bytes.size());
          }
          fill_beyond(bytes.size());
          break;
        }
      case Kind::reserved:
        buffer_ = std::make_unique<FastBuffer>();
        EXPECT_TRUE(buffer_->reserve(bytes.size() + kReservedExtra));
        if (!bytes.empty()) {
          std::memcpy(buffer_->getBuffer(), bytes.data(), bytes.size());
        }
        fill_beyond(bytes.size());
        break;
    }
    size_ = buffer_->getBufferSize();
    memory_ = buffer_->getBuffer();
    cdr_ = std::make_unique<Cdr>(*buffer_, endianness, Cdr::DDS_CDR);
  }

  Cdr & cdr() {return *cdr_;}
  size_t position() const {return cdr_->getSerializedDataLength();}

  /// Whether the buffer still has the memory and size it had when the message arrived.
  bool unchanged() const
  {
    return buffer_->getBufferSize() == size_ && buffer_->getBuffer() == memory_;
  }

private:
  // Bytes beyond the message are defined, so that readers that go there read the same.
  void fill_beyond(size_t length)
  {
    // A FastBuffer that was never written to has no memory at all.
    if (buffer_->getBufferSize() > length) {
      std::memset(buffer_->getBuffer() + length, kFiller, buffer_->getBufferSize() - length);
    }
  }

  std::vector<uint8_t> storage_;
  std::unique_ptr<FastBuffer> buffer_;
  std::unique_ptr<Cdr> cdr_;
  size_t size_ = 0;
  const char * memory_ = nullptr;
};

/// How a read ended: read, or the exception's type and text.
struct Ending
{
  bool read = false;
  std::string exception;
  size_t position = 0;
};

template<typename Message>
Ending read_cpp(Received & in, Message & record)
{
  Ending ending;
  try {
    typed::cdr_deserialize(in.cdr(), record);
    ending.read = true;
  } catch (const eprosima::fastcdr::exception::Exception & exception) {
    ending.exception = std::string(typeid(exception).name()) + ": " + exception.what();
  }
  ending.position = in.position();
  return ending;
}

template<typename Message>
Ending read_c(Received & in, Owned<Message> & record)
{
  Ending ending;
  try {
    ending.read = c_records::callbacks<Message>().cdr_deserialize(in.cdr(), &record.message);
    EXPECT_TRUE(ending.read) << "no allocation may fail here";
  } catch (const eprosima::fastcdr::exception::Exception & exception) {
    ending.exception = std::string(typeid(exception).name()) + ": " + exception.what();
  }
  ending.position = in.position();
  return ending;
}

/// Reads `bytes` over each kind of buffer with both libraries, into a fresh record and into
/// `used`: the same ending, the same values where both read, and no buffer grown. Returns the
/// endings of the C reader over each kind, fresh record first.
template<typename Message>
std::vector<Ending> read_alike(
  const std::vector<uint8_t> & bytes, bool big_endian, const Message & used,
  const std::string & what)
{
  std::vector<Ending> endings;
  for (const Kind kind : {Kind::external, Kind::growable, Kind::reserved}) {
    for (const bool fresh : {true, false}) {
      SCOPED_TRACE(
        what + " over a " + name(kind) + (big_endian ? ", big-endian" : ", little-endian") +
        (fresh ? ", fresh record" : ", used record"));
      Received cpp_in(kind, bytes, big_endian);
      Message cpp_record = fresh ? Message() : used;
      const Ending cpp = read_cpp(cpp_in, cpp_record);
      EXPECT_TRUE(cpp_in.unchanged()) << "the C++ reader grew the buffer";

      Received c_in(kind, bytes, big_endian);
      Owned<Message> c_record(fresh ? Message() : used);
      const Ending c = read_c(c_in, c_record);
      EXPECT_TRUE(c_in.unchanged()) << "the C reader grew the buffer";

      EXPECT_EQ(cpp.read, c.read);
      EXPECT_EQ(cpp.exception, c.exception);
      EXPECT_EQ(cpp.position, c.position);
      if (cpp.read && c.read) {
        EXPECT_TRUE(c_records::same_record(c_record.message, cpp_record));
      }
      endings.push_back(c);
    }
  }
  return endings;
}

/// The bytes that a Fast-CDR writer makes, in a buffer of the caller's.
template<typename Write>
std::vector<uint8_t> encode(bool big_endian, Write write)
{
  cdr_test::Stream out(64, big_endian);
  write(out.cdr);
  return out.written();
}

// A SolveIK_Response whose report_json declares 5000 bytes of which one arrived.
TEST(FastrtpsCBufferKinds, StringLongerThanTheBytesReceived)
{
  SolveIK_Response used;
  used.summary = "an earlier summary";
  used.report_json = std::string(6000, 'j');
  for (const bool big_endian : {false, true}) {
    const std::vector<uint8_t> bytes = encode(
      big_endian, [](Cdr & cdr) {
        cdr.serialize(true);
        cdr.serialize("ok");
        cdr.serialize(static_cast<uint32_t>(5000));
        cdr.serialize('{');
      });
    for (const Ending & c : read_alike(bytes, big_endian, used, "report_json of 5000 bytes")) {
      EXPECT_FALSE(c.read);
      // Back before the length of report_json: after the bool, the padding and "ok".
      EXPECT_EQ(11u, c.position);
    }
  }
}

// A PlanMotion_Request whose start_joints count is 0xFFFFFFF0, followed by one double.
TEST(FastrtpsCBufferKinds, CountFarBeyondTheBytesReceived)
{
  PlanMotion_Request used;
  used.start_joints = {1.0, 2.0, 3.0};
  for (const bool big_endian : {false, true}) {
    const std::vector<uint8_t> bytes = encode(
      big_endian, [](Cdr & cdr) {
        cdr.serialize(static_cast<uint32_t>(0xFFFFFFF0u));
        cdr.serialize(0.5);
      });
    for (const Ending & c : read_alike(bytes, big_endian, used, "start_joints of 0xFFFFFFF0")) {
      EXPECT_FALSE(c.read);
      EXPECT_EQ(0u, c.position);
    }
  }
}

template<typename Message>
class FastrtpsCBufferKindsRandom : public ::testing::Test {};
TYPED_TEST_SUITE(FastrtpsCBufferKindsRandom, cdr_test::AllMessages);

// Encodings with random bytes changed, cut short or not, over every kind of buffer: lengths and
// counts of every size, some reaching into what a larger buffer holds beyond the message.
TYPED_TEST(FastrtpsCBufferKindsRandom, MalformedInputReadsAlike)
{
  std::mt19937 engine(31);
  cdr_test::RandomFill fill(37);
  const TypeParam used = fill.template record<TypeParam>();
  for (int round = 0; round < 300; ++round) {
    const bool big_endian = round % 2 == 1;
    std::vector<uint8_t> bytes =
      cdr_test::reference_encoding(fill.template record<TypeParam>(), big_endian, 0).bytes();
    for (int change = 0; change < 2 && !bytes.empty(); ++change) {
      // Mostly small values, so that lengths and counts often end near the buffer's end.
      bytes[engine() % bytes.size()] =
        static_cast<uint8_t>(engine() % 2 == 0 ? engine() : engine() % 64);
    }
    if (round % 3 == 0 && !bytes.empty()) {
      bytes.resize(engine() % bytes.size());
    }
    read_alike(bytes, big_endian, used, "round " + std::to_string(round));
    if (::testing::Test::HasFailure()) {
      return;
    }
  }
}

}  // namespace
