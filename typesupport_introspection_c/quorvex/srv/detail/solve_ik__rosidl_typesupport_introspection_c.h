// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__SOLVE_IK__ROSIDL_TYPESUPPORT_INTROSPECTION_C_H_
#define QUORVEX__SRV__DETAIL__SOLVE_IK__ROSIDL_TYPESUPPORT_INTROSPECTION_C_H_

#include "quorvex/msg/rosidl_typesupport_introspection_c__symbol_names.h"
#include "quorvex/msg/rosidl_typesupport_introspection_c__visibility_control.h"
#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_c/service_type_support_struct.h"
#include "rosidl_typesupport_interface/macros.h"

#ifdef __cplusplus
extern "C"
{
#endif

// Neither message of SolveIK has a sequence member, so neither has accessors.

QUORVEX__SRV__INTROSPECTION_C__DECLARE_ADAPTERS(SolveIK_Request)
QUORVEX__SRV__INTROSPECTION_C__DECLARE_ADAPTERS(SolveIK_Response)

/// Handle of quorvex__srv__SolveIK_Request; its data is the record's MessageMembers.
ROSIDL_TYPESUPPORT_INTROSPECTION_C_PUBLIC_quorvex
const rosidl_message_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
  rosidl_typesupport_introspection_c, quorvex, srv, SolveIK_Request)(void);

/// Handle of quorvex__srv__SolveIK_Response; its data is the record's MessageMembers.
ROSIDL_TYPESUPPORT_INTROSPECTION_C_PUBLIC_quorvex
const rosidl_message_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
  rosidl_typesupport_introspection_c, quorvex, srv, SolveIK_Response)(void);

/// Handle of the service SolveIK; its data is a ServiceMembers with both messages' members.
ROSIDL_TYPESUPPORT_INTROSPECTION_C_PUBLIC_quorvex
const rosidl_service_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME(
  rosidl_typesupport_introspection_c, quorvex, srv, SolveIK)(void);

#ifdef __cplusplus
}
#endif

#endif  // QUORVEX__SRV__DETAIL__SOLVE_IK__ROSIDL_TYPESUPPORT_INTROSPECTION_C_H_
