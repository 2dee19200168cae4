// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__PLAN_MOTION__ROSIDL_TYPESUPPORT_CPP_HPP_
#define QUORVEX__SRV__DETAIL__PLAN_MOTION__ROSIDL_TYPESUPPORT_CPP_HPP_

#include "quorvex/msg/rosidl_typesupport_cpp__visibility_control.h"
#include "quorvex/srv/detail/plan_motion__struct.hpp"
#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_c/service_type_support_struct.h"
#include "rosidl_typesupport_cpp/message_type_support.hpp"
#include "rosidl_typesupport_cpp/service_type_support.hpp"
#include "rosidl_typesupport_interface/macros.h"

// The C++ dispatch handles of the service PlanMotion and its messages. A handle's func leads to the
// handle of the Fast-CDR type support (rosidl_typesupport_fastrtps_cpp) or of the C++
// introspection (rosidl_typesupport_introspection_cpp), loading that library at the first
// request.

namespace rosidl_typesupport_cpp
{

template<>
ROSIDL_TYPESUPPORT_CPP_PUBLIC_quorvex
const rosidl_message_type_support_t *
get_message_type_support_handle<quorvex::srv::PlanMotion_Request>();

template<>
ROSIDL_TYPESUPPORT_CPP_PUBLIC_quorvex
const rosidl_message_type_support_t *
get_message_type_support_handle<quorvex::srv::PlanMotion_Response>();

template<>
ROSIDL_TYPESUPPORT_CPP_PUBLIC_quorvex
const rosidl_service_type_support_t *
get_service_type_support_handle<quorvex::srv::PlanMotion>();

}  // namespace rosidl_typesupport_cpp

// The same handles through C-linkage getters, e.g.
// rosidl_typesupport_cpp__get_message_type_support_handle__quorvex__srv__PlanMotion_Request.
#ifdef __cplusplus
extern "C"
{
#endif

ROSIDL_TYPESUPPORT_CPP_PUBLIC_quorvex
const rosidl_message_type_support_t *
  ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
  rosidl_typesupport_cpp, quorvex, srv, PlanMotion_Request)();

ROSIDL_TYPESUPPORT_CPP_PUBLIC_quorvex
const rosidl_message_type_support_t *
  ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
  rosidl_typesupport_cpp, quorvex, srv, PlanMotion_Response)();

ROSIDL_TYPESUPPORT_CPP_PUBLIC_quorvex
const rosidl_service_type_support_t *
  ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME(
  rosidl_typesupport_cpp, quorvex, srv, PlanMotion)();

#ifdef __cplusplus
}
#endif

#endif  // QUORVEX__SRV__DETAIL__PLAN_MOTION__ROSIDL_TYPESUPPORT_CPP_HPP_
