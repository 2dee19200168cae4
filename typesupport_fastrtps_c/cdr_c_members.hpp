// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef CDR_C_MEMBERS_HPP_
#define CDR_C_MEMBERS_HPP_

// Mechanics shared by the two source units: writing, reading and sizing one member of a C record
// of each kind, the steps that the member tables expand to, and the untyped callbacks. The size
// rules, the refusal texts and the namespace text are the C++ library's own (cdr_members.hpp),
// so that both libraries put the same bytes on the wire and refuse the same records in the same
// words. Internal; not installed.
//
// Where this library behaves differently from the C++ library, the comment says so and why:
// - a string whose `data` is null (a record left in zero bytes) is written as the empty string;
// - reading, a string or sequence member that fails is left as it was, and the stream goes back
//   before its length or count, for a malformed stream and for a failed allocation alike;
// - a failed allocation returns false instead of throwing std::bad_alloc;
// - a string or sequence that its member cannot hold is read into a new block that grows as its
//   bytes arrive (read_new_block), since Fast-CDR tells no one but its own readers where the
//   received bytes end: a forged length or count costs at most the first step (64 KiB) or twice
//   the bytes that did arrive before it is refused, where the C++ library allocates nothing for
//   a count beyond the bytes left and at most 8 bytes per byte left otherwise. Nothing here
//   skips ahead with Cdr::jump(), which grows a FastBuffer that owns its memory instead of
//   failing, and so would read bytes that were never received as if they had been.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "cdr_members.hpp"
#include "fastcdr/Cdr.h"
#include "fastcdr/exceptions/BadParamException.h"
#include "fastcdr/exceptions/Exception.h"
#include "rcutils/allocator.h"
#include "rosidl_runtime_c/primitives_sequence.h"
#include "rosidl_runtime_c/primitives_sequence_functions.h"
#include "rosidl_runtime_c/string.h"
#include "rosidl_runtime_c/string_functions.h"
#include "rosidl_typesupport_fastrtps_cpp/message_type_support.h"

namespace quorvex
{
namespace srv
{
namespace typesupport_fastrtps_c
{

using typesupport_fastrtps_cpp::StringMember;
using typesupport_fastrtps_cpp::add_bool;
using typesupport_fastrtps_cpp::add_float64;
using typesupport_fastrtps_cpp::add_int32;
using typesupport_fastrtps_cpp::add_sequence;
using typesupport_fastrtps_cpp::add_string;
using typesupport_fastrtps_cpp::check_sequence_count;
using typesupport_fastrtps_cpp::check_string_length;
using typesupport_fastrtps_cpp::namespace_text;

/// The text of a string member and its length.
/**
 * A string whose `data` is null, as in a record left in zero bytes by a failed initialisation,
 * holds no text: it counts and is written as the empty string. The C++ records have no such
 * state.
 */
struct Text
{
  explicit Text(const rosidl_runtime_c__String & value)
  : data(value.data != nullptr ? value.data : ""),
    size(value.data != nullptr ? value.size : 0) {}

  const char * data;
  size_t size;
};

// Writing. Each writer refuses its member before writing anything of it.

/// Writes a string member: its length plus NUL, the text and the NUL, as the C++ library does.
/**
 * The encoding ends a string at its first NUL, so a string holding one within its `size` would
 * arrive as a different, shorter text: it is refused instead.
 */
inline void write_string(
  eprosima::fastcdr::Cdr & cdr, const rosidl_runtime_c__String & value,
  const StringMember & member)
{
  const Text text(value);
  check_string_length(text.size, member);
  if (std::memchr(text.data, '\0', text.size) != nullptr) {
    throw eprosima::fastcdr::exception::BadParamException(member.nul_inside);
  }
  // The very call the C++ library makes, so that the stream ends in the same state.
  cdr.serialize(text.data);
}

/// Writes a float64 sequence member: count, then the elements as one block.
/**
 * The steps of Fast-CDR's vector writer over the C storage: if the elements do not fit, the
 * stream goes back before the count and the exception is rethrown with its own type.
 */
inline void write_sequence(
  eprosima::fastcdr::Cdr & cdr, const rosidl_runtime_c__double__Sequence & value,
  const char * member)
{
  check_sequence_count(value.size, member);
  eprosima::fastcdr::Cdr::state before(cdr);
  cdr.serialize(static_cast<int32_t>(value.size));
  try {
    cdr.serializeArray(value.data, value.size);
  } catch (eprosima::fastcdr::exception::Exception & exception) {
    cdr.setState(before);
    exception.raise();
  }
}

// Reading. Each reader returns false only when memory runs out; a malformed stream throws the
// Fast-CDR exception. Either way the member keeps its previous value and the stream goes back
// before the member.

inline bool read_member(eprosima::fastcdr::Cdr & cdr, bool & value)
{
  typesupport_fastrtps_cpp::read_bool(cdr, value);
  return true;
}

inline bool read_member(eprosima::fastcdr::Cdr & cdr, int32_t & value)
{
  cdr.deserialize(value);
  return true;
}

inline bool read_member(eprosima::fastcdr::Cdr & cdr, double & value)
{
  cdr.deserialize(value);
  return true;
}

/// The first step of a block that grows as its elements arrive, in bytes.
inline constexpr size_t first_step_bytes = size_t{1} << 16;

/// Reads `count` elements (count > 0) into a new block of the rcutils default allocator, which
/// has room for `spare` more; the caller owns the block. Null when memory runs out; the Fast-CDR
/// exception when the stream ends too early. Either way the block is gone and the stream is back
/// at `before`.
/**
 * The block starts at the whole count or the first step, whichever is smaller, and doubles each
 * time that the elements read so far fill it, so a forged count costs at most the first step or
 * twice the bytes that did arrive. deserializeArray checks that a step's elements are all there
 * before it copies any of them, against the end of what the buffer holds, and never grows the
 * buffer. Steps after the first need no padding (the elements are all one width), so the stream
 * ends as one deserializeArray of all the elements would leave it.
 */
template<typename Element>
Element * read_new_block(
  eprosima::fastcdr::Cdr & cdr, eprosima::fastcdr::Cdr::state & before, size_t count,
  size_t spare)
{
  const rcutils_allocator_t allocator = rcutils_get_default_allocator();
  size_t held = std::min(count, first_step_bytes / sizeof(Element) - spare);
  auto * block =
    static_cast<Element *>(allocator.allocate((held + spare) * sizeof(Element), allocator.state));
  if (block == nullptr) {
    cdr.setState(before);
    return nullptr;
  }
  size_t read = 0;
  try {
    while (true) {
      cdr.deserializeArray(block + read, held - read);
      read = held;
      if (read == count) {
        return block;
      }
      held = std::min(count, 2 * held);
      void * grown =
        allocator.reallocate(block, (held + spare) * sizeof(Element), allocator.state);
      if (grown == nullptr) {
        allocator.deallocate(block, allocator.state);
        cdr.setState(before);
        return nullptr;
      }
      block = static_cast<Element *>(grown);
    }
  } catch (eprosima::fastcdr::exception::Exception &) {
    allocator.deallocate(block, allocator.state);
    cdr.setState(before);
    throw;
  }
}

/// Reads a string member: the bytes of its length, less the last one if it is the NUL.
/**
 * Fast-CDR's string reader gives a std::string, which would be copied once more; this reads the
 * length and the bytes itself, with the C++ library's outcome: the same text, the same
 * refusal of a length beyond the bytes left, and the stream back before the length then. The
 * text lands in the member's own block when that holds it and its NUL (no allocation, as a
 * std::string reuses its capacity); otherwise in a new block (read_new_block) that replaces the
 * member's once the text is read. The C++ library loses the member's previous text, and leaves
 * the stream after the string, when memory runs out; here both stay.
 */
inline bool read_member(eprosima::fastcdr::Cdr & cdr, rosidl_runtime_c__String & value)
{
  eprosima::fastcdr::Cdr::state before(cdr);
  uint32_t length = 0;
  cdr.deserialize(length);
  const bool fits = value.data != nullptr && length < value.capacity;
  if (length == 0) {
    // No text at all: the empty string, as Fast-CDR reads it.
    if (fits) {
      value.data[0] = '\0';
      value.size = 0;
    } else if (!rosidl_runtime_c__String__assignn(&value, "", 0)) {
      cdr.setState(before);
      return false;
    }
    return true;
  }
  char * text = value.data;
  if (fits) {
    // deserializeArray checks that all `length` bytes are there before it copies any of them.
    try {
      cdr.deserializeArray(text, length);
    } catch (eprosima::fastcdr::exception::Exception & exception) {
      cdr.setState(before);
      exception.raise();
    }
  } else {
    // Room for a NUL that the stream may lack.
    text = read_new_block<char>(cdr, before, length, 1);
    if (text == nullptr) {
      return false;
    }
    rosidl_runtime_c__String__fini(&value);
    value.data = text;
    value.capacity = static_cast<size_t>(length) + 1;
  }
  value.size = length - (text[length - 1] == '\0' ? 1 : 0);
  text[value.size] = '\0';
  return true;
}

/// Reads a float64 sequence member.
/**
 * The elements land in the member's own storage when it can hold them (no allocation: a record
 * that is read into again and again reuses its memory, as a std::vector does), otherwise in a
 * new block (read_new_block) that replaces the old one only once the elements are read. So a
 * failure leaves the member as it was, where the C++ library's vector may have been resized.
 * Either way a count beyond the bytes left is refused with Fast-CDR's NotEnoughMemoryException
 * and the stream back before the count, as the C++ library refuses it.
 */
inline bool read_member(eprosima::fastcdr::Cdr & cdr, rosidl_runtime_c__double__Sequence & value)
{
  eprosima::fastcdr::Cdr::state before(cdr);
  uint32_t count = 0;
  cdr.deserialize(count);
  if (count == 0) {
    // Keeps the storage, as the C++ library's vector keeps its capacity.
    value.size = 0;
    return true;
  }
  if (count <= value.capacity) {
    // deserializeArray checks that all elements are there before it copies any of them.
    try {
      cdr.deserializeArray(value.data, count);
    } catch (eprosima::fastcdr::exception::Exception & exception) {
      cdr.setState(before);
      exception.raise();
    }
    value.size = count;
    return true;
  }
  double * const elements = read_new_block<double>(cdr, before, count, 0);
  if (elements == nullptr) {
    return false;
  }
  rosidl_runtime_c__double__Sequence__fini(&value);
  value.data = elements;
  value.size = count;
  value.capacity = count;
  return true;
}

// Sizes: what each member adds to the position, by the C++ library's rules.

inline void add_member(size_t & position, bool) {add_bool(position);}
inline void add_member(size_t & position, int32_t) {add_int32(position);}
inline void add_member(size_t & position, double) {add_float64(position);}

inline void add_member(size_t & position, const rosidl_runtime_c__String & value)
{
  add_string(position, Text(value).size);
}

inline void add_member(size_t & position, const rosidl_runtime_c__double__Sequence & value)
{
  add_sequence(position, value.size);
}

// The steps of one member that the member tables X(member, KIND) expand to. The writing step
// also needs the message's name for its refusal texts: each source binds it, e.g.
//   #define WRITE(member, KIND) QUORVEX_CDR_C_WRITE_ ## KIND(PlanMotion_Request, member)
// The steps use the names `cdr`, `ros_message`, `current_alignment` and `full_bounded`.

#define QUORVEX_CDR_C_WRITE_BOOL(Message, member) cdr.serialize(ros_message.member);
#define QUORVEX_CDR_C_WRITE_INT32(Message, member) cdr.serialize(ros_message.member);
#define QUORVEX_CDR_C_WRITE_FLOAT64(Message, member) cdr.serialize(ros_message.member);
#define QUORVEX_CDR_C_WRITE_STRING(Message, member) \
  write_string(cdr, ros_message.member, QUORVEX_CDR_STRING_MEMBER(Message, member));
#define QUORVEX_CDR_C_WRITE_FLOAT64_SEQUENCE(Message, member) \
  write_sequence(cdr, ros_message.member, QUORVEX_CDR_SEQUENCE_MEMBER(Message, member));

/// Reads one member; returns false from the reading function if memory ran out.
#define QUORVEX_CDR_C_READ(member, KIND) \
  if (!read_member(cdr, ros_message.member)) { \
    return false; \
  }

#define QUORVEX_CDR_C_ADD_SIZE(member, KIND) add_member(current_alignment, ros_message.member);

/// Adds a member's share of the bound: its size when a string or sequence is empty, which also
/// means that the message has no bound.
#define QUORVEX_CDR_C_ADD_MAX_SIZE(member, KIND) QUORVEX_CDR_C_ADD_MAX_SIZE_ ## KIND
#define QUORVEX_CDR_C_ADD_MAX_SIZE_BOOL add_bool(current_alignment);
#define QUORVEX_CDR_C_ADD_MAX_SIZE_INT32 add_int32(current_alignment);
#define QUORVEX_CDR_C_ADD_MAX_SIZE_FLOAT64 add_float64(current_alignment);
#define QUORVEX_CDR_C_ADD_MAX_SIZE_STRING \
  add_string(current_alignment, 0); \
  full_bounded = false;
#define QUORVEX_CDR_C_ADD_MAX_SIZE_FLOAT64_SEQUENCE \
  add_sequence(current_alignment, 0); \
  full_bounded = false;

/// The untyped callbacks of a message whose typed steps `Steps` defines: `Record`, and the
/// static functions serialize, deserialize, size and max_size. Exceptions pass through them to
/// the middleware.
template<typename Steps>
struct Callbacks
{
  using Record = typename Steps::Record;

  static bool serialize(const void * untyped_ros_message, eprosima::fastcdr::Cdr & cdr)
  {
    return Steps::serialize(*static_cast<const Record *>(untyped_ros_message), cdr);
  }

  static bool deserialize(eprosima::fastcdr::Cdr & cdr, void * untyped_ros_message)
  {
    return Steps::deserialize(cdr, *static_cast<Record *>(untyped_ros_message));
  }

  static uint32_t serialized_size(const void * untyped_ros_message)
  {
    return static_cast<uint32_t>(Steps::size(*static_cast<const Record *>(untyped_ros_message), 0));
  }

  static size_t max_serialized_size(char & bounds_info)
  {
    bool full_bounded;
    bool is_plain;
    const size_t size = Steps::max_size(full_bounded, is_plain, 0);
    bounds_info = typesupport_fastrtps_cpp::bounds_info(full_bounded, is_plain);
    return size;
  }

  static constexpr message_type_support_callbacks_t record(const char * message_name)
  {
    return {namespace_text, message_name, &serialize, &deserialize, &serialized_size,
      &max_serialized_size};
  }
};

}  // namespace typesupport_fastrtps_c
}  // namespace srv
}  // namespace quorvex

#endif  // CDR_C_MEMBERS_HPP_
