// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__PLAN_MOTION__TYPE_SUPPORT_H_
#define QUORVEX__SRV__DETAIL__PLAN_MOTION__TYPE_SUPPORT_H_

#include "quorvex/msg/rosidl_typesupport_c__visibility_control.h"
#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_c/service_type_support_struct.h"
#include "rosidl_typesupport_interface/macros.h"

#ifdef __cplusplus
extern "C"
{
#endif

// The C dispatch handles of the service PlanMotion and its messages, e.g. for
// ROSIDL_GET_SRV_TYPE_SUPPORT(quorvex, srv, PlanMotion). A handle's func leads to the handle of the
// Fast-CDR C type support (rosidl_typesupport_fastrtps_c) or of the C introspection
// (rosidl_typesupport_introspection_c), loading that library at the first request.

ROSIDL_TYPESUPPORT_C_PUBLIC_quorvex
const rosidl_message_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
  rosidl_typesupport_c, quorvex, srv, PlanMotion_Request)(void);

ROSIDL_TYPESUPPORT_C_PUBLIC_quorvex
const rosidl_message_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
  rosidl_typesupport_c, quorvex, srv, PlanMotion_Response)(void);

ROSIDL_TYPESUPPORT_C_PUBLIC_quorvex
const rosidl_service_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME(
  rosidl_typesupport_c, quorvex, srv, PlanMotion)(void);

#ifdef __cplusplus
}
#endif

#endif  // QUORVEX__SRV__DETAIL__PLAN_MOTION__TYPE_SUPPORT_H_
