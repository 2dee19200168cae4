// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__PLAN_MOTION__ROSIDL_TYPESUPPORT_INTROSPECTION_C_H_
#define QUORVEX__SRV__DETAIL__PLAN_MOTION__ROSIDL_TYPESUPPORT_INTROSPECTION_C_H_

#include "quorvex/msg/rosidl_typesupport_introspection_c__symbol_names.h"
#include "quorvex/msg/rosidl_typesupport_introspection_c__visibility_control.h"
#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_c/service_type_support_struct.h"
#include "rosidl_typesupport_interface/macros.h"

#ifdef __cplusplus
extern "C"
{
#endif

QUORVEX__SRV__INTROSPECTION_C__DECLARE_FLOAT64_SEQUENCE_ACCESSORS(PlanMotion_Request, start_joints)
QUORVEX__SRV__INTROSPECTION_C__DECLARE_FLOAT64_SEQUENCE_ACCESSORS(PlanMotion_Request, goal_joints)
QUORVEX__SRV__INTROSPECTION_C__DECLARE_ADAPTERS(PlanMotion_Request)

QUORVEX__SRV__INTROSPECTION_C__DECLARE_FLOAT64_SEQUENCE_ACCESSORS(
  PlanMotion_Response, waypoints_flat)
QUORVEX__SRV__INTROSPECTION_C__DECLARE_FLOAT64_SEQUENCE_ACCESSORS(
  PlanMotion_Response, velocities_flat)
QUORVEX__SRV__INTROSPECTION_C__DECLARE_FLOAT64_SEQUENCE_ACCESSORS(
  PlanMotion_Response, accelerations_flat)
QUORVEX__SRV__INTROSPECTION_C__DECLARE_FLOAT64_SEQUENCE_ACCESSORS(
  PlanMotion_Response, time_from_start)
QUORVEX__SRV__INTROSPECTION_C__DECLARE_ADAPTERS(PlanMotion_Response)

/// Handle of quorvex__srv__PlanMotion_Request; its data is the record's MessageMembers.
ROSIDL_TYPESUPPORT_INTROSPECTION_C_PUBLIC_quorvex
const rosidl_message_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
  rosidl_typesupport_introspection_c, quorvex, srv, PlanMotion_Request)(void);

/// Handle of quorvex__srv__PlanMotion_Response; its data is the record's MessageMembers.
ROSIDL_TYPESUPPORT_INTROSPECTION_C_PUBLIC_quorvex
const rosidl_message_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
  rosidl_typesupport_introspection_c, quorvex, srv, PlanMotion_Response)(void);

/// Handle of the service PlanMotion; its data is a ServiceMembers with both messages' members.
ROSIDL_TYPESUPPORT_INTROSPECTION_C_PUBLIC_quorvex
const rosidl_service_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME(
  rosidl_typesupport_introspection_c, quorvex, srv, PlanMotion)(void);

#ifdef __cplusplus
}
#endif

#endif  // QUORVEX__SRV__DETAIL__PLAN_MOTION__ROSIDL_TYPESUPPORT_INTROSPECTION_C_H_
