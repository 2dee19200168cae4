// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef CDR_C_FUNCTIONS_HPP_
#define CDR_C_FUNCTIONS_HPP_

// The steps, callbacks, handles and getters of a C record's message and of a service, written
// once and expanded by each service's source over its member tables; the steps of each kind of
// member are in cdr_c_members.hpp. Internal; not installed.

#include <cstddef>

#include "cdr_c_members.hpp"
#include "fastcdr/Cdr.h"
#include "quorvex/srv/detail/type_support_handles.h"
#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_c/service_type_support_struct.h"
#include "rosidl_typesupport_fastrtps_c/identifier.h"
#include "rosidl_typesupport_fastrtps_cpp/message_type_support.h"
#include "rosidl_typesupport_fastrtps_cpp/service_type_support.h"
#include "rosidl_typesupport_interface/macros.h"

// The member table X(Message, member, KIND) picks the step of the member's kind; the writing
// step also takes the message's name for its refusal texts.
#define QUORVEX_CDR_C_WRITE(Message, member, KIND) QUORVEX_CDR_C_WRITE_ ## KIND(Message, member)
#define QUORVEX_CDR_C_READ_MEMBER(Message, member, KIND) QUORVEX_CDR_C_READ(member, KIND)
#define QUORVEX_CDR_C_ADD_SIZE_MEMBER(Message, member, KIND) QUORVEX_CDR_C_ADD_SIZE(member, KIND)
#define QUORVEX_CDR_C_ADD_MAX_SIZE_MEMBER(Message, member, KIND) \
  QUORVEX_CDR_C_ADD_MAX_SIZE(member, KIND)

/// Defines, in the current namespace, the steps <Message>_steps of the C record
/// quorvex__srv__<Message> from its member table `MEMBERS` (the QUORVEX_<MESSAGE>_MEMBERS_WITH
/// form), its callbacks record and its handle <Message>_handle, whose identifier
/// QUORVEX_CDR_C_DEFINE_SERVICE binds. Its bound is never plain, as the C record is not laid out
/// as its encoding.
#define QUORVEX_CDR_C_DEFINE_MESSAGE(Message, MEMBERS) \
  struct Message ## _steps \
  { \
    using Record = quorvex__srv__ ## Message; \
 \
    static bool serialize(const Record & ros_message, eprosima::fastcdr::Cdr & cdr) \
    { \
      MEMBERS(QUORVEX_CDR_C_WRITE, Message) \
      return true; \
    } \
 \
    static bool deserialize(eprosima::fastcdr::Cdr & cdr, Record & ros_message) \
    { \
      MEMBERS(QUORVEX_CDR_C_READ_MEMBER, Message) \
      return true; \
    } \
 \
    static size_t size(const Record & ros_message, size_t current_alignment) \
    { \
      const size_t initial_alignment = current_alignment; \
      MEMBERS(QUORVEX_CDR_C_ADD_SIZE_MEMBER, Message) \
      return current_alignment - initial_alignment; \
    } \
 \
    /* Bounded until a string or sequence member says otherwise; never plain. */ \
    static size_t max_size(bool & full_bounded, bool & is_plain, size_t current_alignment) \
    { \
      full_bounded = true; \
      is_plain = false; \
      const size_t initial_alignment = current_alignment; \
      MEMBERS(QUORVEX_CDR_C_ADD_MAX_SIZE_MEMBER, Message) \
      return current_alignment - initial_alignment; \
    } \
  }; \
 \
  constexpr message_type_support_callbacks_t Message ## _callbacks = \
    Callbacks<Message ## _steps>::record(#Message); \
 \
  QUORVEX__SRV__DEFINE_HANDLE( \
    message, Message, &Message ## _callbacks, &get_message_typesupport_handle_function)

/// Defines the messages of the service `Service` (QUORVEX_CDR_C_DEFINE_MESSAGE over the member
/// tables `REQUEST_MEMBERS` and `RESPONSE_MEMBERS`), its callbacks record and handle, and the
/// getters of the three handles; the handles' identifier is bound when the library is loaded,
/// everything else is constant.
#define QUORVEX_CDR_C_DEFINE_SERVICE(Service, REQUEST_MEMBERS, RESPONSE_MEMBERS) \
  namespace quorvex::srv::typesupport_fastrtps_c \
  { \
  namespace \
  { \
  QUORVEX_CDR_C_SERVICE_RECORDS(Service, REQUEST_MEMBERS, RESPONSE_MEMBERS) \
  } \
  } \
 \
  QUORVEX__SRV__DEFINE_C_GETTER( \
    rosidl_typesupport_fastrtps_c, MESSAGE, message, Service ## _Request, \
    &quorvex::srv::typesupport_fastrtps_c::Service ## _Request_handle) \
  QUORVEX__SRV__DEFINE_C_GETTER( \
    rosidl_typesupport_fastrtps_c, MESSAGE, message, Service ## _Response, \
    &quorvex::srv::typesupport_fastrtps_c::Service ## _Response_handle) \
  QUORVEX__SRV__DEFINE_C_GETTER( \
    rosidl_typesupport_fastrtps_c, SERVICE, service, Service, \
    &quorvex::srv::typesupport_fastrtps_c::Service ## _handle)

/// The messages, records, handles and binding of QUORVEX_CDR_C_DEFINE_SERVICE.
#define QUORVEX_CDR_C_SERVICE_RECORDS(Service, REQUEST_MEMBERS, RESPONSE_MEMBERS) \
  QUORVEX_CDR_C_DEFINE_MESSAGE(Service ## _Request, REQUEST_MEMBERS) \
  QUORVEX_CDR_C_DEFINE_MESSAGE(Service ## _Response, RESPONSE_MEMBERS) \
 \
  QUORVEX_CDR_SERVICE_HANDLE(Service) \
 \
  QUORVEX__SRV__BIND_HANDLES(Service, rosidl_typesupport_fastrtps_c__identifier)

#endif  // CDR_C_FUNCTIONS_HPP_
