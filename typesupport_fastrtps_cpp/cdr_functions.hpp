// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef CDR_FUNCTIONS_HPP_
#define CDR_FUNCTIONS_HPP_

// The functions, callbacks and handles of a message and of a service, written once and expanded
// over each message's member table (<service>__members.h). Each kind of member has one overload
// per step below (write, read, size, bound), on the C++ record's type of that member, so a table
// step names the member only. Internal; not installed.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "cdr_members.hpp"
#include "fastcdr/Cdr.h"
#include "quorvex/srv/detail/type_support_getters.hpp"
#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_c/service_type_support_struct.h"
#include "rosidl_typesupport_fastrtps_cpp/identifier.hpp"
#include "rosidl_typesupport_fastrtps_cpp/message_type_support.h"
#include "rosidl_typesupport_fastrtps_cpp/service_type_support.h"
#include "rosidl_typesupport_interface/macros.h"

namespace quorvex
{
namespace srv
{
namespace typesupport_fastrtps_cpp
{

/// Refusal texts of one member: those of a string and of a sequence, one of which its kind uses.
struct MemberTexts
{
  StringMember string;
  const char * sequence;
};

/// The refusal texts of `member` of `Message`, literals built from the two names.
#define QUORVEX_CDR_MEMBER_TEXTS(Message, member) \
  ::quorvex::srv::typesupport_fastrtps_cpp::MemberTexts{ \
    QUORVEX_CDR_STRING_MEMBER(Message, member), QUORVEX_CDR_SEQUENCE_MEMBER(Message, member) \
  }

// Writing one member.

inline void write_member(eprosima::fastcdr::Cdr & cdr, bool value, const MemberTexts &)
{
  cdr.serialize(value);
}

inline void write_member(eprosima::fastcdr::Cdr & cdr, int32_t value, const MemberTexts &)
{
  cdr.serialize(value);
}

inline void write_member(eprosima::fastcdr::Cdr & cdr, double value, const MemberTexts &)
{
  cdr.serialize(value);
}

inline void write_member(
  eprosima::fastcdr::Cdr & cdr, const std::string & value, const MemberTexts & member)
{
  write_string(cdr, value, member.string);
}

inline void write_member(
  eprosima::fastcdr::Cdr & cdr, const std::vector<double> & values, const MemberTexts & member)
{
  write_sequence(cdr, values, member.sequence);
}

// Reading one member, overwriting it.

inline void read_member(eprosima::fastcdr::Cdr & cdr, bool & value) {read_bool(cdr, value);}
inline void read_member(eprosima::fastcdr::Cdr & cdr, int32_t & value) {cdr.deserialize(value);}
inline void read_member(eprosima::fastcdr::Cdr & cdr, double & value) {cdr.deserialize(value);}
inline void read_member(eprosima::fastcdr::Cdr & cdr, std::string & value)
{
  read_string(cdr, value);
}
inline void read_member(eprosima::fastcdr::Cdr & cdr, std::vector<double> & values)
{
  read_sequence(cdr, values);
}

// What one member adds to the serialized size.

inline void add_member(size_t & position, bool) {add_bool(position);}
inline void add_member(size_t & position, int32_t) {add_int32(position);}
inline void add_member(size_t & position, double) {add_float64(position);}
inline void add_member(size_t & position, const std::string & value)
{
  add_string(position, value.size());
}
inline void add_member(size_t & position, const std::vector<double> & values)
{
  add_sequence(position, values.size());
}

/// What a member of type `Field` adds to the bound: its size when a string or sequence is
/// empty, which also means that the message has no bound.
template<typename Field>
void add_bound(size_t & position, bool & full_bounded);

template<>
inline void add_bound<bool>(size_t & position, bool &) {add_bool(position);}
template<>
inline void add_bound<int32_t>(size_t & position, bool &) {add_int32(position);}
template<>
inline void add_bound<double>(size_t & position, bool &) {add_float64(position);}
template<>
inline void add_bound<std::string>(size_t & position, bool & full_bounded)
{
  add_string(position, 0);
  full_bounded = false;
}
template<>
inline void add_bound<std::vector<double>>(size_t & position, bool & full_bounded)
{
  add_sequence(position, 0);
  full_bounded = false;
}

// The steps that a member table X(Message, member, KIND) expands to inside the functions below
// (QUORVEX_<MESSAGE>_MEMBERS_WITH(X, Message)); they use the names `cdr`, `ros_message`,
// `current_alignment` and `full_bounded`.

#define QUORVEX_CDR_WRITE(Message, member, KIND) \
  write_member(cdr, ros_message.member, QUORVEX_CDR_MEMBER_TEXTS(Message, member));
#define QUORVEX_CDR_READ(Message, member, KIND) read_member(cdr, ros_message.member);
#define QUORVEX_CDR_ADD_SIZE(Message, member, KIND) \
  add_member(current_alignment, ros_message.member);
#define QUORVEX_CDR_ADD_BOUND(Message, member, KIND) \
  add_bound<decltype(::quorvex::srv::Message::member)>(current_alignment, full_bounded);

}  // namespace typesupport_fastrtps_cpp
}  // namespace srv
}  // namespace quorvex

/// Defines, for the C++ record quorvex::srv::<Message> whose member table is `MEMBERS` (the
/// QUORVEX_<MESSAGE>_MEMBERS_WITH form), the exported cdr_serialize, cdr_deserialize,
/// get_serialized_size and max_serialized_size_<Message>, the file-local untyped callbacks of its
/// callbacks record and its handle <Message>_handle, whose identifier and getters
/// QUORVEX_CDR_DEFINE_SERVICE gives. Expanded at namespace scope, before the service's
/// QUORVEX_CDR_DEFINE_SERVICE.
#define QUORVEX_CDR_DEFINE_MESSAGE(Message, MEMBERS) \
  namespace quorvex::srv::typesupport_fastrtps_cpp \
  { \
  QUORVEX_CDR_MESSAGE_FUNCTIONS(Message, MEMBERS) \
  namespace \
  { \
  QUORVEX_CDR_MESSAGE_CALLBACKS(Message) \
  } \
  }

/// The exported functions of QUORVEX_CDR_DEFINE_MESSAGE.
#define QUORVEX_CDR_MESSAGE_FUNCTIONS(Message, MEMBERS) \
  bool cdr_serialize(const quorvex::srv::Message & ros_message, eprosima::fastcdr::Cdr & cdr) \
  { \
    MEMBERS(QUORVEX_CDR_WRITE, Message) \
    return true; \
  } \
 \
  bool cdr_deserialize(eprosima::fastcdr::Cdr & cdr, quorvex::srv::Message & ros_message) \
  { \
    MEMBERS(QUORVEX_CDR_READ, Message) \
    return true; \
  } \
 \
  size_t get_serialized_size( \
    const quorvex::srv::Message & ros_message, size_t current_alignment) \
  { \
    const size_t initial_alignment = current_alignment; \
    MEMBERS(QUORVEX_CDR_ADD_SIZE, Message) \
    return current_alignment - initial_alignment; \
  } \
 \
  size_t max_serialized_size_ ## Message( \
    bool & full_bounded, bool & is_plain, size_t current_alignment) \
  { \
    /* Bounded until a string or sequence member says otherwise; never plain. */ \
    full_bounded = true; \
    is_plain = false; \
    const size_t initial_alignment = current_alignment; \
    MEMBERS(QUORVEX_CDR_ADD_BOUND, Message) \
    return current_alignment - initial_alignment; \
  }

/// The untyped callbacks, the callbacks record and the handle of QUORVEX_CDR_DEFINE_MESSAGE;
/// exceptions pass through the callbacks to the middleware.
#define QUORVEX_CDR_MESSAGE_CALLBACKS(Message) \
  bool cdr_serialize_callback_ ## Message( \
    const void * untyped_ros_message, eprosima::fastcdr::Cdr & cdr) \
  { \
    return cdr_serialize(*static_cast<const quorvex::srv::Message *>(untyped_ros_message), cdr); \
  } \
 \
  bool cdr_deserialize_callback_ ## Message( \
    eprosima::fastcdr::Cdr & cdr, void * untyped_ros_message) \
  { \
    return cdr_deserialize(cdr, *static_cast<quorvex::srv::Message *>(untyped_ros_message)); \
  } \
 \
  uint32_t serialized_size_callback_ ## Message(const void * untyped_ros_message) \
  { \
    return static_cast<uint32_t>(get_serialized_size( \
             *static_cast<const quorvex::srv::Message *>(untyped_ros_message), 0)); \
  } \
 \
  size_t max_serialized_size_callback_ ## Message(char & bounds_info) \
  { \
    bool full_bounded; \
    bool is_plain; \
    const size_t size = max_serialized_size_ ## Message(full_bounded, is_plain, 0); \
    bounds_info = typesupport_fastrtps_cpp::bounds_info(full_bounded, is_plain); \
    return size; \
  } \
 \
  const message_type_support_callbacks_t Message ## _callbacks = { \
    namespace_text, \
    #Message, \
    &cdr_serialize_callback_ ## Message, \
    &cdr_deserialize_callback_ ## Message, \
    &serialized_size_callback_ ## Message, \
    &max_serialized_size_callback_ ## Message, \
  }; \
 \
  QUORVEX__SRV__DEFINE_HANDLE( \
    message, Message, &Message ## _callbacks, &get_message_typesupport_handle_function)

/// Defines the callbacks record and the handle of the service quorvex::srv::<Service>, the
/// getters of it and of its two messages, and binds the identifiers of its handle and of its two
/// messages' handles (QUORVEX_CDR_DEFINE_MESSAGE) when the library is loaded.
#define QUORVEX_CDR_DEFINE_SERVICE(Service) \
  namespace quorvex::srv::typesupport_fastrtps_cpp \
  { \
  namespace \
  { \
  QUORVEX_CDR_SERVICE_RECORDS(Service) \
  } \
  } \
 \
  QUORVEX_SRV_DEFINE_GETTERS( \
    rosidl_typesupport_fastrtps_cpp, Service, quorvex::srv::typesupport_fastrtps_cpp)

/// The callbacks record and the handle of QUORVEX_CDR_DEFINE_SERVICE, and the binding.
#define QUORVEX_CDR_SERVICE_RECORDS(Service) \
  QUORVEX_CDR_SERVICE_HANDLE(Service) \
 \
  QUORVEX__SRV__BIND_HANDLES(Service, rosidl_typesupport_fastrtps_cpp::typesupport_identifier)

#endif  // CDR_FUNCTIONS_HPP_
