// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__SOLVE_IK__ROSIDL_TYPESUPPORT_INTROSPECTION_CPP_HPP_
#define QUORVEX__SRV__DETAIL__SOLVE_IK__ROSIDL_TYPESUPPORT_INTROSPECTION_CPP_HPP_

#include "quorvex/msg/rosidl_typesupport_introspection_cpp__visibility_control.h"
#include "quorvex/srv/detail/solve_ik__struct.hpp"
#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_c/service_type_support_struct.h"
#include "rosidl_typesupport_interface/macros.h"
#include "rosidl_typesupport_introspection_cpp/message_type_support_decl.hpp"
#include "rosidl_typesupport_introspection_cpp/service_type_support_decl.hpp"

// Every handle is complete when the library has been loaded: its data is the record's
// MessageMembers (a service's: a ServiceMembers with both messages' members) and its
// typesupport_identifier is rosidl_typesupport_introspection_cpp::typesupport_identifier.

namespace rosidl_typesupport_introspection_cpp
{

template<>
ROSIDL_TYPESUPPORT_INTROSPECTION_CPP_PUBLIC_quorvex
const rosidl_message_type_support_t *
get_message_type_support_handle<quorvex::srv::SolveIK_Request>();

template<>
ROSIDL_TYPESUPPORT_INTROSPECTION_CPP_PUBLIC_quorvex
const rosidl_message_type_support_t *
get_message_type_support_handle<quorvex::srv::SolveIK_Response>();

template<>
ROSIDL_TYPESUPPORT_INTROSPECTION_CPP_PUBLIC_quorvex
const rosidl_service_type_support_t *
get_service_type_support_handle<quorvex::srv::SolveIK>();

}  // namespace rosidl_typesupport_introspection_cpp

// C-linkage getters of the same handles, named
// rosidl_typesupport_introspection_cpp__get_message_type_support_handle__quorvex__srv__<Message>
// and ..._get_service_type_support_handle__quorvex__srv__<Service>.
#ifdef __cplusplus
extern "C"
{
#endif

ROSIDL_TYPESUPPORT_INTROSPECTION_CPP_PUBLIC_quorvex
const rosidl_message_type_support_t *
  ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
  rosidl_typesupport_introspection_cpp, quorvex, srv, SolveIK_Request)();

ROSIDL_TYPESUPPORT_INTROSPECTION_CPP_PUBLIC_quorvex
const rosidl_message_type_support_t *
  ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
  rosidl_typesupport_introspection_cpp, quorvex, srv, SolveIK_Response)();

ROSIDL_TYPESUPPORT_INTROSPECTION_CPP_PUBLIC_quorvex
const rosidl_service_type_support_t *
  ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME(
  rosidl_typesupport_introspection_cpp, quorvex, srv, SolveIK)();

#ifdef __cplusplus
}
#endif

#endif  // QUORVEX__SRV__DETAIL__SOLVE_IK__ROSIDL_TYPESUPPORT_INTROSPECTION_CPP_HPP_
