// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// The C library's reader and writer against the C++ library's. The input is that of cdr_fuzzer:
// byte 0 picks the message (its low two bits) and an allocation to refuse (bits 2 to 4, 0 for
// none; bit 5 refuses every later one too), the rest is the CDR body. In both byte orders, the
// C callback reads the body into a fresh and into a used C record: the outcome, the position
// and the values must be those of the C++ reader (a Fast-CDR exception where it throws one).
// With an allocation refused, the callback returns false, every member holds what was sent or
// what it held before, and the record reads again. All of this over two kinds of buffer: the
// input's own block, and a FastBuffer that owns its memory and grew as a writer filled it, so
// that it holds more than the input; neither reader may grow it. What reads is written by both
// libraries at every start offset in both byte orders: the same bytes, or the same refusal. No
// block is left.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "fastcdr/Cdr.h"
#include "fastcdr/FastBuffer.h"
#include "fastcdr/exceptions/BadParamException.h"
#include "fastcdr/exceptions/Exception.h"
#include "quorvex/srv/detail/plan_motion__members.h"
#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_fastrtps_c.h"
#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_fastrtps_cpp.hpp"
#include "quorvex/srv/detail/solve_ik__members.h"
#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_fastrtps_c.h"
#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_fastrtps_cpp.hpp"
#include "quorvex/srv/plan_motion.h"
#include "quorvex/srv/plan_motion.hpp"
#include "quorvex/srv/solve_ik.h"
#include "quorvex/srv/solve_ik.hpp"
#include "rosidl_runtime_c/primitives_sequence_functions.h"
#include "rosidl_runtime_c/string_functions.h"
#include "rosidl_typesupport_fastrtps_cpp/message_type_support.h"

#include "fuzz_allocator.hpp"
#include "fuzz_check.hpp"

namespace
{

using eprosima::fastcdr::Cdr;
using eprosima::fastcdr::FastBuffer;
namespace cdr_exception = eprosima::fastcdr::exception;
namespace typesupport = quorvex::srv::typesupport_fastrtps_cpp;

// --- one member of each kind: the C value against the C++ value, bit for bit ---

bool same(bool c, bool cpp) {return c == cpp;}
bool same(std::int32_t c, std::int32_t cpp) {return c == cpp;}
bool same(double c, double cpp) {return std::memcmp(&c, &cpp, sizeof(double)) == 0;}
bool same(const rosidl_runtime_c__String & c, const std::string & cpp)
{
  return c.data != nullptr && c.size == cpp.size() && c.data[c.size] == '\0' &&
         std::memcmp(c.data, cpp.data(), cpp.size()) == 0;
}
bool same(const rosidl_runtime_c__double__Sequence & c, const std::vector<double> & cpp)
{
  return c.size == cpp.size() && c.size <= c.capacity &&
         (cpp.empty() || std::memcmp(c.data, cpp.data(), cpp.size() * sizeof(double)) == 0);
}

// Values unlike anything a short input decodes to, with storage to be reused.
void make_dirty(bool & value) {value = true;}
void make_dirty(std::int32_t & value) {value = -7;}
void make_dirty(double & value) {value = -3.25;}
void make_dirty(std::string & text) {text = "left over from an earlier message";}
void make_dirty(std::vector<double> & values) {values.assign(40, 1.5);}

void set(bool & c, bool cpp) {c = cpp;}
void set(std::int32_t & c, std::int32_t cpp) {c = cpp;}
void set(double & c, double cpp) {c = cpp;}
void set(rosidl_runtime_c__String & c, const std::string & cpp)
{
  FUZZ_REQUIRE(rosidl_runtime_c__String__assignn(&c, cpp.data(), cpp.size()));
}
void set(rosidl_runtime_c__double__Sequence & c, const std::vector<double> & cpp)
{
  rosidl_runtime_c__double__Sequence__fini(&c);
  FUZZ_REQUIRE(rosidl_runtime_c__double__Sequence__init(&c, cpp.size()));
  if (!cpp.empty()) {
    std::memcpy(c.data, cpp.data(), cpp.size() * sizeof(double));
  }
}

// --- the C record of each C++ record, from the member tables ---

template<typename Cpp>
struct CRecord;

#define CDR_C_FUZZER_EACH_MEMBER(member, KIND) f(c.member, cpp.member);

#define CDR_C_FUZZER_RECORD(Message, TABLE) \
  template<> \
  struct CRecord<quorvex::srv::Message> \
  { \
    using type = quorvex__srv__ ## Message; \
    static bool init(type * message) {return quorvex__srv__ ## Message ## __init(message);} \
    static void fini(type * message) {quorvex__srv__ ## Message ## __fini(message);} \
    static const message_type_support_callbacks_t & callbacks() \
    { \
      return *static_cast<const message_type_support_callbacks_t *>( \
        ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME( \
          rosidl_typesupport_fastrtps_c, quorvex, srv, Message)()->data); \
    } \
    template<typename C, typename Cpp, typename F> \
    static void each(C & c, Cpp & cpp, F && f) {TABLE(CDR_C_FUZZER_EACH_MEMBER)} \
  };

CDR_C_FUZZER_RECORD(SolveIK_Request, QUORVEX_SOLVE_IK_REQUEST_MEMBERS)
CDR_C_FUZZER_RECORD(SolveIK_Response, QUORVEX_SOLVE_IK_RESPONSE_MEMBERS)
CDR_C_FUZZER_RECORD(PlanMotion_Request, QUORVEX_PLAN_MOTION_REQUEST_MEMBERS)
CDR_C_FUZZER_RECORD(PlanMotion_Response, QUORVEX_PLAN_MOTION_RESPONSE_MEMBERS)

/// An initialised C record holding `value`, finalised with the scope.
template<typename Cpp>
struct Owned
{
  explicit Owned(const Cpp & value)
  {
    FUZZ_REQUIRE(CRecord<Cpp>::init(&message));
    CRecord<Cpp>::each(message, value, [](auto & c, const auto & cpp) {set(c, cpp);});
  }
  ~Owned() {CRecord<Cpp>::fini(&message);}
  Owned(const Owned &) = delete;
  Owned & operator=(const Owned &) = delete;

  typename CRecord<Cpp>::type message;
};

template<typename Cpp>
std::vector<bool> same_members(const typename CRecord<Cpp>::type & c, const Cpp & cpp)
{
  std::vector<bool> result;
  CRecord<Cpp>::each(
    c, cpp, [&result](const auto & cm, const auto & cppm) {result.push_back(same(cm, cppm));});
  return result;
}

template<typename Cpp>
bool same_record(const typename CRecord<Cpp>::type & c, const Cpp & cpp)
{
  for (const bool member : same_members(c, cpp)) {
    if (!member) {
      return false;
    }
  }
  return true;
}

// --- reading and writing ---

enum class Outcome {read, refused, out_of_memory};

struct Read
{
  Outcome outcome;
  std::size_t position;
};

/// The buffer a reader reads the input from.
enum class Kind {external, growable};

/// A FastBuffer holding the input `bytes`: over that block itself, of exactly the input's size
/// so that any read past its end is reported, or one that owns its memory and grew in steps as a
/// writer filled it, holding a filler beyond the input that both readers then see alike.
class Received
{
public:
  Received(char * bytes, std::size_t size, Kind kind)
  {
    if (kind == Kind::external) {
      buffer_ = std::make_unique<FastBuffer>(bytes, size);
    } else {
      buffer_ = std::make_unique<FastBuffer>();
      Cdr writer(*buffer_);
      if (size > 0) {
        writer.serializeArray(bytes, size);
      }
      if (buffer_->getBufferSize() > size) {
        std::memset(buffer_->getBuffer() + size, 0x5a, buffer_->getBufferSize() - size);
      }
    }
    size_ = buffer_->getBufferSize();
  }

  FastBuffer & buffer() {return *buffer_;}
  /// Whether a reader made the buffer larger, handing itself bytes that never arrived.
  bool grown() const {return buffer_->getBufferSize() != size_;}

private:
  std::unique_ptr<FastBuffer> buffer_;
  std::size_t size_ = 0;
};

template<typename Cpp>
Read read_cpp(Received & in, Cdr::Endianness order, Cpp & record)
{
  Cdr cdr(in.buffer(), order);
  Read read{Outcome::read, 0};
  try {
    typesupport::cdr_deserialize(cdr, record);
  } catch (const cdr_exception::Exception &) {
    read.outcome = Outcome::refused;
  }
  read.position = cdr.getSerializedDataLength();
  FUZZ_REQUIRE(!in.grown());
  return read;
}

template<typename Cpp>
Read read_c(Received & in, Cdr::Endianness order, typename CRecord<Cpp>::type & record)
{
  Cdr cdr(in.buffer(), order);
  Read read{Outcome::read, 0};
  try {
    if (!CRecord<Cpp>::callbacks().cdr_deserialize(cdr, &record)) {
      read.outcome = Outcome::out_of_memory;
    }
  } catch (const cdr_exception::Exception &) {
    read.outcome = Outcome::refused;
  }
  read.position = cdr.getSerializedDataLength();
  FUZZ_REQUIRE(!in.grown());
  return read;
}

/// The bytes after `start` octets, or the refusal's text prefixed with '!'.
template<typename Write>
std::string written(std::size_t start, std::size_t room, Cdr::Endianness order, Write write)
{
  std::vector<char> out(start + room);
  FastBuffer buffer(out.data(), out.size());
  Cdr cdr(buffer, order);
  for (std::size_t i = 0; i < start; ++i) {
    cdr.serialize('\0');
  }
  try {
    write(cdr);
  } catch (const cdr_exception::BadParamException & exception) {
    return std::string("!") + exception.what();
  }
  return std::string(out.data(), cdr.getSerializedDataLength());
}

template<typename Cpp>
void check_writers(const Cpp & sent, const typename CRecord<Cpp>::type & record)
{
  const auto & callbacks = CRecord<Cpp>::callbacks();
  FUZZ_REQUIRE(
    callbacks.get_serialized_size(&record) ==
    static_cast<std::uint32_t>(typesupport::get_serialized_size(sent, 0)));
  for (const Cdr::Endianness order : {Cdr::LITTLE_ENDIANNESS, Cdr::BIG_ENDIANNESS}) {
    for (std::size_t start = 0; start < 8; ++start) {
      const std::size_t room = typesupport::get_serialized_size(sent, start);
      FUZZ_REQUIRE(
        written(start, room, order, [&](Cdr & cdr) {typesupport::cdr_serialize(sent, cdr);}) ==
        written(start, room, order, [&](Cdr & cdr) {callbacks.cdr_serialize(&record, cdr);}));
    }
  }
}

/// Reads the input in one byte order over one kind of buffer: the C reader against the C++
/// reader, into a fresh record, and into a used one with allocations refused as planned.
template<typename Cpp>
void check_reading(
  char * bytes, std::size_t size, Kind kind, Cdr::Endianness order, const Cpp & dirty,
  std::size_t fail_at, bool sticky)
{
  Cpp sent;
  Received cpp_in(bytes, size, kind);
  const Read expected = read_cpp(cpp_in, order, sent);
  {
    Owned<Cpp> fresh{Cpp()};
    Received c_in(bytes, size, kind);
    const Read read = read_c<Cpp>(c_in, order, fresh.message);
    FUZZ_REQUIRE(read.outcome == expected.outcome && read.position == expected.position);
    if (read.outcome == Outcome::read) {
      FUZZ_REQUIRE(same_record(fresh.message, sent));
      check_writers(sent, fresh.message);
    }
  }
  Owned<Cpp> used(dirty);
  fuzz_allocator::plan_failures(fail_at, sticky);
  Received used_in(bytes, size, kind);
  const Read read = read_c<Cpp>(used_in, order, used.message);
  const std::size_t failures = fuzz_allocator::failures();
  fuzz_allocator::plan_failures(0, false);
  if (failures == 0) {
    FUZZ_REQUIRE(read.outcome == expected.outcome && read.position == expected.position);
    FUZZ_REQUIRE(read.outcome != Outcome::read || same_record(used.message, sent));
  } else {
    FUZZ_REQUIRE(read.outcome == Outcome::out_of_memory);
    FUZZ_REQUIRE(read.position <= expected.position);
    // Each member was read completely or not at all, in order.
    const std::vector<bool> as_sent = same_members(used.message, sent);
    const std::vector<bool> as_before = same_members(used.message, dirty);
    bool stopped = false;
    for (std::size_t i = 0; i < as_sent.size(); ++i) {
      stopped = stopped || !as_sent[i];
      FUZZ_REQUIRE(stopped ? as_before[i] : as_sent[i]);
    }
  }
  // Still a record that reads as it should.
  Received again_in(bytes, size, kind);
  const Read again = read_c<Cpp>(again_in, order, used.message);
  FUZZ_REQUIRE(again.outcome == expected.outcome && again.position == expected.position);
}

template<typename Cpp>
void check(const std::uint8_t * data, std::size_t size, std::size_t fail_at, bool sticky)
{
  // A block of exactly the input's size, so that any read past its end is reported.
  std::unique_ptr<char[]> bytes(new char[size]);
  if (size > 0) {
    std::memcpy(bytes.get(), data, size);
  }
  Cpp dirty;
  CRecord<Cpp>::each(dirty, dirty, [](auto & member, auto &) {make_dirty(member);});

  const std::size_t live = fuzz_allocator::live_blocks();
  for (const Cdr::Endianness order : {Cdr::LITTLE_ENDIANNESS, Cdr::BIG_ENDIANNESS}) {
    for (const Kind kind : {Kind::external, Kind::growable}) {
      check_reading<Cpp>(bytes.get(), size, kind, order, dirty, fail_at, sticky);
    }
  }
  FUZZ_REQUIRE(fuzz_allocator::live_blocks() == live);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t * data, std::size_t size)
{
  if (size == 0) {
    return 0;
  }
  const std::size_t fail_at = (data[0] >> 2) & 0x7;
  const bool sticky = (data[0] & 0x20) != 0;
  switch (data[0] % 4) {
    case 0: check<quorvex::srv::SolveIK_Request>(data + 1, size - 1, fail_at, sticky); break;
    case 1: check<quorvex::srv::SolveIK_Response>(data + 1, size - 1, fail_at, sticky); break;
    case 2: check<quorvex::srv::PlanMotion_Request>(data + 1, size - 1, fail_at, sticky); break;
    case 3: check<quorvex::srv::PlanMotion_Response>(data + 1, size - 1, fail_at, sticky); break;
  }
  return 0;
}
