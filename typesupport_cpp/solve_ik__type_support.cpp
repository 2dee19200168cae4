// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_cpp.hpp"

#include "quorvex/srv/detail/dispatch_map.h"
#include "quorvex/srv/detail/solve_ik__struct.hpp"
#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_c/service_type_support_struct.h"
#include "rosidl_typesupport_cpp/identifier.hpp"
#include "rosidl_typesupport_cpp/message_type_support_dispatch.hpp"
#include "rosidl_typesupport_cpp/service_type_support_dispatch.hpp"
#include "rosidl_typesupport_interface/macros.h"

namespace quorvex
{
namespace srv
{
namespace typesupport_cpp
{
namespace
{

// The identifier is a variable of another library, so the handles are initialised when the
// loader loads this library, before any getter can be reached; the maps are constants.

QUORVEX__SRV__DISPATCH__DEFINE_MAP(SolveIK_Request_map, cpp, MESSAGE, SolveIK_Request)

const rosidl_message_type_support_t SolveIK_Request_handle = {
  ::rosidl_typesupport_cpp::typesupport_identifier,
  &SolveIK_Request_map,
  &::rosidl_typesupport_cpp::get_message_typesupport_handle_function,
};

QUORVEX__SRV__DISPATCH__DEFINE_MAP(SolveIK_Response_map, cpp, MESSAGE, SolveIK_Response)

const rosidl_message_type_support_t SolveIK_Response_handle = {
  ::rosidl_typesupport_cpp::typesupport_identifier,
  &SolveIK_Response_map,
  &::rosidl_typesupport_cpp::get_message_typesupport_handle_function,
};

QUORVEX__SRV__DISPATCH__DEFINE_MAP(SolveIK_map, cpp, SERVICE, SolveIK)

const rosidl_service_type_support_t SolveIK_handle = {
  ::rosidl_typesupport_cpp::typesupport_identifier,
  &SolveIK_map,
  &::rosidl_typesupport_cpp::get_service_typesupport_handle_function,
};

}  // namespace
}  // namespace typesupport_cpp
}  // namespace srv
}  // namespace quorvex

namespace rosidl_typesupport_cpp
{

template<>
const rosidl_message_type_support_t *
get_message_type_support_handle<quorvex::srv::SolveIK_Request>()
{
  return &quorvex::srv::typesupport_cpp::SolveIK_Request_handle;
}

template<>
const rosidl_message_type_support_t *
get_message_type_support_handle<quorvex::srv::SolveIK_Response>()
{
  return &quorvex::srv::typesupport_cpp::SolveIK_Response_handle;
}

template<>
const rosidl_service_type_support_t *
get_service_type_support_handle<quorvex::srv::SolveIK>()
{
  return &quorvex::srv::typesupport_cpp::SolveIK_handle;
}

}  // namespace rosidl_typesupport_cpp

extern "C"
{
const rosidl_message_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
  rosidl_typesupport_cpp, quorvex, srv, SolveIK_Request)()
{
  return &quorvex::srv::typesupport_cpp::SolveIK_Request_handle;
}

const rosidl_message_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
  rosidl_typesupport_cpp, quorvex, srv, SolveIK_Response)()
{
  return &quorvex::srv::typesupport_cpp::SolveIK_Response_handle;
}

const rosidl_service_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME(
  rosidl_typesupport_cpp, quorvex, srv, SolveIK)()
{
  return &quorvex::srv::typesupport_cpp::SolveIK_handle;
}
}  // extern "C"
