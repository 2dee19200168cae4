// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef ONE_WIRE__GENERIC_CDR_HPP_
#define ONE_WIRE__GENERIC_CDR_HPP_

// A writer and a reader that know a record only through its introspection descriptor, as a
// middleware that works from type descriptions does: they walk the member entries, reach each
// member at the record's address plus offset_, and go through the accessors for sequences. The
// same code serves the C descriptors over C records and the C++ descriptors over C++ records;
// the type ids of both are the same numbers.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

#include "fastcdr/Cdr.h"
#include "fastcdr/exceptions/BadParamException.h"
#include "fastcdr/exceptions/NotEnoughMemoryException.h"
#include "rosidl_runtime_c/string.h"
#include "rosidl_runtime_c/string_functions.h"
#include "rosidl_typesupport_introspection_c/field_types.h"
#include "rosidl_typesupport_introspection_c/message_introspection.h"
#include "rosidl_typesupport_introspection_cpp/message_introspection.hpp"

namespace one_wire
{

using CMember = rosidl_typesupport_introspection_c__MessageMember;
using CppMember = rosidl_typesupport_introspection_cpp::MessageMember;

// What differs between the two languages: the string type and whether resize reports failure.

inline const char * string_text(const CMember &, const void * field)
{
  return static_cast<const rosidl_runtime_c__String *>(field)->data;
}

inline const char * string_text(const CppMember &, const void * field)
{
  return static_cast<const std::string *>(field)->c_str();
}

/// Reads a string member; false if memory ran out.
inline bool read_string(const CMember &, eprosima::fastcdr::Cdr & cdr, void * field)
{
  std::string text;
  cdr.deserialize(text);
  return rosidl_runtime_c__String__assignn(
    static_cast<rosidl_runtime_c__String *>(field), text.data(), text.size());
}

inline bool read_string(const CppMember &, eprosima::fastcdr::Cdr & cdr, void * field)
{
  cdr.deserialize(*static_cast<std::string *>(field));
  return true;
}

inline bool resize(const CMember & entry, void * field, size_t size)
{
  return entry.resize_function(field, size);
}

inline bool resize(const CppMember & entry, void * field, size_t size)
{
  entry.resize_function(field, size);
  return true;
}

/// Appends the record to the stream, member by member.
/**
 * A float64[] goes as its 32-bit count and then its elements one by one, each aligned to 8 by
 * the stream (the first one alone needs padding); strings go as the stream writes a C string.
 */
template<typename MessageMembers>
void generic_write(
  const MessageMembers & members, const void * record, eprosima::fastcdr::Cdr & cdr)
{
  for (uint32_t k = 0; k < members.member_count_; ++k) {
    const auto & entry = members.members_[k];
    const void * field = static_cast<const char *>(record) + entry.offset_;
    if (entry.is_array_) {
      const size_t count = entry.size_function(field);
      if (count > std::numeric_limits<uint32_t>::max()) {
        throw eprosima::fastcdr::exception::BadParamException("sequence too long");
      }
      cdr.serialize(static_cast<uint32_t>(count));
      for (size_t i = 0; i < count; ++i) {
        double value;
        entry.fetch_function(field, i, &value);
        cdr.serialize(value);
      }
      continue;
    }
    switch (entry.type_id_) {
      case rosidl_typesupport_introspection_c__ROS_TYPE_BOOLEAN:
        cdr.serialize(*static_cast<const bool *>(field));
        break;
      case rosidl_typesupport_introspection_c__ROS_TYPE_INT32:
        cdr.serialize(*static_cast<const int32_t *>(field));
        break;
      case rosidl_typesupport_introspection_c__ROS_TYPE_DOUBLE:
        cdr.serialize(*static_cast<const double *>(field));
        break;
      case rosidl_typesupport_introspection_c__ROS_TYPE_STRING:
        cdr.serialize(string_text(entry, field));
        break;
      default:
        throw eprosima::fastcdr::exception::BadParamException("unexpected type id");
    }
  }
}

/// Reads one record from the stream into an initialised record, member by member; false if
/// memory ran out. `stream_size` is the length of the stream's buffer, so that a count larger
/// than the bytes left is refused before the sequence grows.
template<typename MessageMembers>
bool generic_read(
  const MessageMembers & members, eprosima::fastcdr::Cdr & cdr, size_t stream_size,
  void * record)
{
  for (uint32_t k = 0; k < members.member_count_; ++k) {
    const auto & entry = members.members_[k];
    void * field = static_cast<char *>(record) + entry.offset_;
    if (entry.is_array_) {
      uint32_t count = 0;
      cdr.deserialize(count);
      if (count > (stream_size - cdr.getSerializedDataLength()) / sizeof(double)) {
        throw eprosima::fastcdr::exception::NotEnoughMemoryException("count beyond the stream");
      }
      if (!resize(entry, field, count)) {
        return false;
      }
      for (uint32_t i = 0; i < count; ++i) {
        double value;
        cdr.deserialize(value);
        entry.assign_function(field, i, &value);
      }
      continue;
    }
    switch (entry.type_id_) {
      case rosidl_typesupport_introspection_c__ROS_TYPE_BOOLEAN: {
          uint8_t byte = 0;
          cdr.deserialize(byte);
          *static_cast<bool *>(field) = byte != 0;
          break;
        }
      case rosidl_typesupport_introspection_c__ROS_TYPE_INT32:
        cdr.deserialize(*static_cast<int32_t *>(field));
        break;
      case rosidl_typesupport_introspection_c__ROS_TYPE_DOUBLE:
        cdr.deserialize(*static_cast<double *>(field));
        break;
      case rosidl_typesupport_introspection_c__ROS_TYPE_STRING:
        if (!read_string(entry, cdr, field)) {
          return false;
        }
        break;
      default:
        throw eprosima::fastcdr::exception::BadParamException("unexpected type id");
    }
  }
  return true;
}

}  // namespace one_wire

#endif  // ONE_WIRE__GENERIC_CDR_HPP_
