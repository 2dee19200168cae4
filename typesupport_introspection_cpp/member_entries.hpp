// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef MEMBER_ENTRIES_HPP_
#define MEMBER_ENTRIES_HPP_

// What the two services' source units share: the float64-sequence accessors, the member entry of
// each kind of member, the lifecycle functions, the records' common texts, and the descriptors,
// handles and getters of a service, which each source expands over its member tables. Internal;
// not installed.
//
// Everything here is a constant expression, so the descriptors are complete in the library's
// image before any code runs; only the handles' identifier, a variable of another library, is
// set when the library is loaded.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <new>
#include <string>
#include <type_traits>
#include <vector>

#include "quorvex/srv/detail/type_support_getters.hpp"
#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_c/service_type_support_struct.h"
#include "rosidl_runtime_cpp/message_initialization.hpp"
#include "rosidl_typesupport_introspection_cpp/field_types.hpp"
#include "rosidl_typesupport_introspection_cpp/identifier.hpp"
#include "rosidl_typesupport_introspection_cpp/message_introspection.hpp"
#include "rosidl_typesupport_introspection_cpp/service_introspection.hpp"

namespace quorvex
{
namespace srv
{
namespace typesupport_introspection_cpp
{

using rosidl_typesupport_introspection_cpp::MessageMember;
using rosidl_typesupport_introspection_cpp::MessageMembers;

/// Namespace text of all six descriptors: one object for both source units.
inline constexpr char namespace_text[] = "quorvex::srv";

// Float64-sequence accessors. `untyped_member` is the address of a std::vector<double> inside a
// record; the slots promise that neither it nor the index is checked, so one set serves all six
// sequence members.

inline size_t float64_sequence_size(const void * untyped_member)
{
  return static_cast<const std::vector<double> *>(untyped_member)->size();
}

inline const void * float64_sequence_get_const(const void * untyped_member, size_t index)
{
  return static_cast<const std::vector<double> *>(untyped_member)->data() + index;
}

inline void * float64_sequence_get(void * untyped_member, size_t index)
{
  return static_cast<std::vector<double> *>(untyped_member)->data() + index;
}

// fetch and assign copy bytes, not doubles, so that signalling NaNs and NaN payloads pass
// through unchanged whatever the floating-point unit would do with them.

inline void float64_sequence_fetch(
  const void * untyped_member, size_t index, void * untyped_value)
{
  std::memcpy(untyped_value, float64_sequence_get_const(untyped_member, index), sizeof(double));
}

inline void float64_sequence_assign(
  void * untyped_member, size_t index, const void * untyped_value)
{
  std::memcpy(float64_sequence_get(untyped_member, index), untyped_value, sizeof(double));
}

/// Keeps the first `size` elements and appends zeros up to `size`, as std::vector::resize does.
/**
 * The slot returns nothing: a vector that cannot grow throws std::bad_alloc (std::length_error
 * beyond max_size()) and is left as it was.
 */
inline void float64_sequence_resize(void * untyped_member, size_t size)
{
  static_cast<std::vector<double> *>(untyped_member)->resize(size);
}

/// The kinds of member that the member tables (*__members.h) name.
enum class Kind
{
  BOOL,
  INT32,
  FLOAT64,
  STRING,
  FLOAT64_SEQUENCE,
};

/// The C++ record's type of a member of each kind, and the type id that describes it.
template<Kind kind>
struct KindInfo;

template<>
struct KindInfo<Kind::BOOL>
{
  using Field = bool;
  static constexpr uint8_t type_id = rosidl_typesupport_introspection_cpp::ROS_TYPE_BOOLEAN;
};

template<>
struct KindInfo<Kind::INT32>
{
  using Field = int32_t;
  static constexpr uint8_t type_id = rosidl_typesupport_introspection_cpp::ROS_TYPE_INT32;
};

template<>
struct KindInfo<Kind::FLOAT64>
{
  using Field = double;
  static constexpr uint8_t type_id = rosidl_typesupport_introspection_cpp::ROS_TYPE_DOUBLE;
};

template<>
struct KindInfo<Kind::STRING>
{
  using Field = std::string;
  static constexpr uint8_t type_id = rosidl_typesupport_introspection_cpp::ROS_TYPE_STRING;
};

/// A sequence carries its element's type id.
template<>
struct KindInfo<Kind::FLOAT64_SEQUENCE>
{
  using Field = std::vector<double>;
  static constexpr uint8_t type_id = rosidl_typesupport_introspection_cpp::ROS_TYPE_DOUBLE;
};

/// Entry of a member of kind `kind`, of type `Field` in its record, at `offset`.
/**
 * No member of these messages is bounded, fixed-size, nested or defaulted, so those fields are
 * zero in every entry. The checks catch a member table that drifts from the C++ records.
 */
template<Kind kind, typename Field, size_t offset>
constexpr MessageMember member_entry(const char * name)
{
  static_assert(
    std::is_same<Field, typename KindInfo<kind>::Field>::value,
    "the member table and the C++ record disagree on the member's type");
  static_assert(offset <= std::numeric_limits<uint32_t>::max(), "offset_ is 32 bits wide");
  constexpr bool sequence = kind == Kind::FLOAT64_SEQUENCE;
  return MessageMember{
    name,
    KindInfo<kind>::type_id,
    0,  // string_upper_bound_
    nullptr,  // members_
    sequence,  // is_array_
    0,  // array_size_
    false,  // is_upper_bound_
    static_cast<uint32_t>(offset),
    nullptr,  // default_value_
    sequence ? &float64_sequence_size : nullptr,
    sequence ? &float64_sequence_get_const : nullptr,
    sequence ? &float64_sequence_get : nullptr,
    sequence ? &float64_sequence_fetch : nullptr,
    sequence ? &float64_sequence_assign : nullptr,
    sequence ? &float64_sequence_resize : nullptr,
  };
}

/// Entry of `member` of the C++ record `Record`; `KIND` is the member table's kind.
#define QUORVEX_INTROSPECTION_CPP_MEMBER(Record, member, KIND) \
  ::quorvex::srv::typesupport_introspection_cpp::member_entry< \
    ::quorvex::srv::typesupport_introspection_cpp::Kind::KIND, \
    decltype(Record::member), offsetof(Record, member)>(#member)

/// Constructs a `Record` in the storage at `untyped_message`, initialised as `mode` says.
/**
 * The slot cannot report a failure, and needs none: no member has a default value, so the
 * records' constructors allocate nothing. A null pointer is ignored.
 */
template<typename Record>
void init_record(void * untyped_message, rosidl_runtime_cpp::MessageInitialization mode)
{
  if (untyped_message == nullptr) {
    return;
  }
  new (untyped_message) Record(mode);
}

/// Destroys the `Record` at `untyped_message`; a null pointer is ignored.
template<typename Record>
void fini_record(void * untyped_message)
{
  if (untyped_message == nullptr) {
    return;
  }
  static_cast<Record *>(untyped_message)->~Record();
}

/// Descriptor of the message `Record` named `name`, with its member entries.
template<typename Record, size_t count>
constexpr MessageMembers message_members(
  const char * name, const MessageMember (& members)[count])
{
  static_assert(count <= std::numeric_limits<uint32_t>::max(), "member_count_ is 32 bits wide");
  return MessageMembers{
    namespace_text,
    name,
    static_cast<uint32_t>(count),
    sizeof(Record),
    members,
    &init_record<Record>,
    &fini_record<Record>,
  };
}

}  // namespace typesupport_introspection_cpp
}  // namespace srv
}  // namespace quorvex

/// The entry that a member table X(Message, member, KIND) expands to.
#define QUORVEX_INTROSPECTION_CPP_ENTRY(Message, member, KIND) \
  QUORVEX_INTROSPECTION_CPP_MEMBER(quorvex::srv::Message, member, KIND),

/// Defines the descriptor <Message>_members of quorvex::srv::<Message>, whose member table
/// `MEMBERS` is the QUORVEX_<MESSAGE>_MEMBERS_WITH form, and its handle <Message>_handle.
#define QUORVEX_INTROSPECTION_CPP_DEFINE_MESSAGE(Message, MEMBERS) \
  constexpr MessageMember Message ## _member_array[] = { \
    MEMBERS(QUORVEX_INTROSPECTION_CPP_ENTRY, Message) \
  }; \
 \
  constexpr MessageMembers Message ## _members = \
    message_members<quorvex::srv::Message>(#Message, Message ## _member_array); \
 \
  QUORVEX__SRV__DEFINE_HANDLE( \
    message, Message, &Message ## _members, &get_message_typesupport_handle_function)

/// Defines the descriptors and handles of the service quorvex::srv::<Service> and its two
/// messages, whose member tables are `REQUEST_MEMBERS` and `RESPONSE_MEMBERS`, and their getters;
/// the handles' identifier is bound when the library is loaded.
#define QUORVEX_INTROSPECTION_CPP_DEFINE_SERVICE(Service, REQUEST_MEMBERS, RESPONSE_MEMBERS) \
  namespace quorvex::srv::typesupport_introspection_cpp \
  { \
  namespace \
  { \
  QUORVEX_INTROSPECTION_CPP_SERVICE_RECORDS(Service, REQUEST_MEMBERS, RESPONSE_MEMBERS) \
  } \
  } \
 \
  QUORVEX_SRV_DEFINE_GETTERS( \
    rosidl_typesupport_introspection_cpp, Service, quorvex::srv::typesupport_introspection_cpp)

/// The descriptors, handles and binding of QUORVEX_INTROSPECTION_CPP_DEFINE_SERVICE.
#define QUORVEX_INTROSPECTION_CPP_SERVICE_RECORDS(Service, REQUEST_MEMBERS, RESPONSE_MEMBERS) \
  QUORVEX_INTROSPECTION_CPP_DEFINE_MESSAGE(Service ## _Request, REQUEST_MEMBERS) \
  QUORVEX_INTROSPECTION_CPP_DEFINE_MESSAGE(Service ## _Response, RESPONSE_MEMBERS) \
 \
  constexpr rosidl_typesupport_introspection_cpp::ServiceMembers Service ## _members = { \
    namespace_text, \
    #Service, \
    &Service ## _Request_members, \
    &Service ## _Response_members, \
  }; \
 \
  QUORVEX__SRV__DEFINE_HANDLE( \
    service, Service, &Service ## _members, &get_service_typesupport_handle_function) \
 \
  QUORVEX__SRV__BIND_HANDLES( \
    Service, rosidl_typesupport_introspection_cpp::typesupport_identifier)

#endif  // MEMBER_ENTRIES_HPP_
