// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__MESSAGE_TRAITS_HPP_
#define QUORVEX__SRV__DETAIL__MESSAGE_TRAITS_HPP_

#include <type_traits>

#include "rosidl_runtime_cpp/traits.hpp"

// The rosidl_generator_traits of the messages and services, written once; each service's
// *__traits.hpp expands them.

// Whether a member of each kind keeps the message's size fixed, and bounded: strings and
// sequences are unbounded, so neither.
#define QUORVEX_SRV_FIXED_SIZE(Message, member, KIND) && QUORVEX_SRV_FIXED_SIZE_ ## KIND
#define QUORVEX_SRV_FIXED_SIZE_BOOL true
#define QUORVEX_SRV_FIXED_SIZE_INT32 true
#define QUORVEX_SRV_FIXED_SIZE_FLOAT64 true
#define QUORVEX_SRV_FIXED_SIZE_STRING false
#define QUORVEX_SRV_FIXED_SIZE_FLOAT64_SEQUENCE false

/// data_type<quorvex::srv::<Type>>() and name<...>(): "quorvex::srv::<Type>" and
/// "quorvex/srv/<Type>".
#define QUORVEX_SRV_DEFINE_NAMES(Type) \
  template<> \
  inline const char * data_type<quorvex::srv::Type>() \
  { \
    return "quorvex::srv::" #Type; \
  } \
 \
  template<> \
  inline const char * name<quorvex::srv::Type>() \
  { \
    return "quorvex/srv/" #Type; \
  }

/// Defines the traits of the message quorvex::srv::<Message>, whose member table `MEMBERS` is
/// the QUORVEX_<MESSAGE>_MEMBERS_WITH form: its names, its sizes (fixed and bounded when every
/// member is a bool, int32 or float64), is_message, and `role` (is_service_request or
/// is_service_response).
#define QUORVEX_SRV_DEFINE_MESSAGE_TRAITS(Message, MEMBERS, role) \
  namespace rosidl_generator_traits \
  { \
  QUORVEX_SRV_MESSAGE_TRAITS(Message, MEMBERS, role) \
  }

/// The traits of QUORVEX_SRV_DEFINE_MESSAGE_TRAITS, in namespace rosidl_generator_traits.
#define QUORVEX_SRV_MESSAGE_TRAITS(Message, MEMBERS, role) \
  QUORVEX_SRV_DEFINE_NAMES(Message) \
 \
  template<> \
  struct has_fixed_size<quorvex::srv::Message> \
    : std::integral_constant<bool, true MEMBERS(QUORVEX_SRV_FIXED_SIZE, Message)> {}; \
 \
  template<> \
  struct has_bounded_size<quorvex::srv::Message> \
    : std::integral_constant<bool, true MEMBERS(QUORVEX_SRV_FIXED_SIZE, Message)> {}; \
 \
  template<> \
  struct is_message<quorvex::srv::Message>: std::true_type {}; \
 \
  template<> \
  struct role<quorvex::srv::Message>: std::true_type {};

/// Defines the traits of the service quorvex::srv::<Service>, whose sizes are fixed or bounded
/// when both messages' are.
#define QUORVEX_SRV_DEFINE_SERVICE_TRAITS(Service) \
  namespace rosidl_generator_traits \
  { \
  QUORVEX_SRV_SERVICE_TRAITS(Service) \
  }

/// The traits of QUORVEX_SRV_DEFINE_SERVICE_TRAITS, in namespace rosidl_generator_traits.
#define QUORVEX_SRV_SERVICE_TRAITS(Service) \
  QUORVEX_SRV_DEFINE_NAMES(Service) \
 \
  template<> \
  struct has_fixed_size<quorvex::srv::Service> \
    : std::integral_constant<bool, \
      has_fixed_size<quorvex::srv::Service ## _Request>::value && \
      has_fixed_size<quorvex::srv::Service ## _Response>::value> {}; \
 \
  template<> \
  struct has_bounded_size<quorvex::srv::Service> \
    : std::integral_constant<bool, \
      has_bounded_size<quorvex::srv::Service ## _Request>::value && \
      has_bounded_size<quorvex::srv::Service ## _Response>::value> {}; \
 \
  template<> \
  struct is_service<quorvex::srv::Service>: std::true_type {};

#endif  // QUORVEX__SRV__DETAIL__MESSAGE_TRAITS_HPP_
