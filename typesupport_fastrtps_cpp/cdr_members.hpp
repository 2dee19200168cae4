// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef CDR_MEMBERS_HPP_
#define CDR_MEMBERS_HPP_

// Mechanics shared by the two source units: writing and reading one member of each kind, the
// size each kind adds, and the records' common texts. Internal; not installed.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "fastcdr/Cdr.h"
#include "fastcdr/exceptions/BadParamException.h"
#include "quorvex/srv/detail/type_support_handles.h"
#include "rosidl_typesupport_fastrtps_cpp/message_type_support.h"
#include "rosidl_typesupport_fastrtps_cpp/service_type_support.h"

namespace quorvex
{
namespace srv
{
namespace typesupport_fastrtps_cpp
{

/// Namespace text of all six callbacks records: one object for both source units.
inline constexpr char namespace_text[] = "quorvex::srv";

/// Refusal texts of one string member. Fast-CDR exceptions keep only a pointer to their text,
/// so the texts must be literals; QUORVEX_CDR_STRING_MEMBER builds them.
struct StringMember
{
  const char * nul_inside;
  const char * too_long;
};

#define QUORVEX_CDR_STRING_MEMBER(message, member) \
  ::quorvex::srv::typesupport_fastrtps_cpp::StringMember{ \
    "cannot write quorvex::srv::" #message "." #member ": the string holds a NUL byte", \
    "cannot write quorvex::srv::" #message "." #member ": 2^32 - 1 bytes or more" \
  }

#define QUORVEX_CDR_SEQUENCE_MEMBER(message, member) \
  "cannot write quorvex::srv::" #message "." #member ": 2^32 elements or more"

/// Defines the callbacks record <Service>_callbacks of a service, whose messages' handles are
/// <Service>_Request_handle and <Service>_Response_handle, and its handle <Service>_handle.
#define QUORVEX_CDR_SERVICE_HANDLE(Service) \
  const service_type_support_callbacks_t Service ## _callbacks = { \
    ::quorvex::srv::typesupport_fastrtps_cpp::namespace_text, \
    #Service, \
    &Service ## _Request_handle, \
    &Service ## _Response_handle, \
  }; \
 \
  QUORVEX__SRV__DEFINE_HANDLE( \
    service, Service, &Service ## _callbacks, &get_service_typesupport_handle_function)

/// Refuses a string whose length plus its NUL does not fit the 32-bit length field.
inline void check_string_length(size_t length, const StringMember & member)
{
  if (length >= std::numeric_limits<uint32_t>::max()) {
    throw eprosima::fastcdr::exception::BadParamException(member.too_long);
  }
}

/// Refuses a sequence whose element count does not fit the 32-bit count field.
inline void check_sequence_count(size_t count, const char * member)
{
  if (count > std::numeric_limits<uint32_t>::max()) {
    throw eprosima::fastcdr::exception::BadParamException(member);
  }
}

/// Writes a string member; nothing of it is written if it is refused.
/**
 * The encoding ends a string at its first NUL, so a string holding one would arrive as a
 * different, shorter text: it is refused instead.
 */
inline void write_string(
  eprosima::fastcdr::Cdr & cdr, const std::string & value, const StringMember & member)
{
  check_string_length(value.size(), member);
  if (value.find('\0') != std::string::npos) {
    throw eprosima::fastcdr::exception::BadParamException(member.nul_inside);
  }
  cdr.serialize(value.c_str());
}

/// Reads a string member: the text up to the NUL that ends it, its previous content discarded.
inline void read_string(eprosima::fastcdr::Cdr & cdr, std::string & value)
{
  cdr.deserialize(value);
}

/// Reads a bool member; every non-zero byte is true.
inline void read_bool(eprosima::fastcdr::Cdr & cdr, bool & value)
{
  char byte = 0;
  cdr.deserialize(byte);
  value = (byte != 0);
}

/// Writes a float64 sequence member: count, then the elements as one block.
/**
 * Fast-CDR's vector writer puts the stream back before the count if the elements do not fit and
 * rethrows the exception with its own type.
 */
inline void write_sequence(
  eprosima::fastcdr::Cdr & cdr, const std::vector<double> & values, const char * member)
{
  check_sequence_count(values.size(), member);
  cdr.serialize(values);
}

/// Reads a float64 sequence member.
/**
 * Fast-CDR's vector reader refuses a count larger than the bytes left before the vector grows,
 * so a forged count cannot make it allocate; on every Fast-CDR failure it puts the stream back
 * before the count and rethrows the exception with its own type.
 */
inline void read_sequence(eprosima::fastcdr::Cdr & cdr, std::vector<double> & values)
{
  cdr.deserialize(values);
}

/// Padding before a value of `width` (1, 4 or 8) bytes at `position`, by the stream's own rule.
inline size_t alignment(size_t position, size_t width)
{
  return (width - position % width) & (width - 1);
}

// What each kind of member adds to the position: padding, then the value.

inline void add_bool(size_t & position)
{
  position += 1;
}

inline void add_int32(size_t & position)
{
  position += alignment(position, 4) + 4;
}

inline void add_float64(size_t & position)
{
  position += alignment(position, 8) + 8;
}

/// Length prefix, then the bytes and their NUL.
inline void add_string(size_t & position, size_t length)
{
  position += alignment(position, 4) + 4;
  position += length + 1;
}

/// Count, then padding to 8 and the elements; the padding is counted even for no elements.
inline void add_sequence(size_t & position, size_t count)
{
  position += alignment(position, 4) + 4;
  position += alignment(position, 8) + 8 * count;
}

/// The bounds-information byte of the two flags; plainness is tested first.
inline char bounds_info(bool full_bounded, bool is_plain)
{
  if (is_plain) {
    return ROSIDL_TYPESUPPORT_FASTRTPS_PLAIN_TYPE;
  }
  if (full_bounded) {
    return ROSIDL_TYPESUPPORT_FASTRTPS_BOUNDED_TYPE;
  }
  return ROSIDL_TYPESUPPORT_FASTRTPS_UNBOUNDED_TYPE;
}

}  // namespace typesupport_fastrtps_cpp
}  // namespace srv
}  // namespace quorvex

#endif  // CDR_MEMBERS_HPP_
