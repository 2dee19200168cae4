// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__PLAN_MOTION__ROSIDL_TYPESUPPORT_INTROSPECTION_C_H_
#define QUORVEX__SRV__DETAIL__PLAN_MOTION__ROSIDL_TYPESUPPORT_INTROSPECTION_C_H_

#include "quorvex/msg/rosidl_typesupport_introspection_c__symbol_names.h"
#include "quorvex/srv/detail/plan_motion__members.h"

#ifdef __cplusplus
extern "C"
{
#endif

// The accessors of each float64-sequence member, the adapters and the getters of PlanMotion
// (rosidl_typesupport_introspection_c__symbol_names.h says what each one does).
QUORVEX__SRV__INTROSPECTION_C__DECLARE_MESSAGE(
  PlanMotion_Request, QUORVEX_PLAN_MOTION_REQUEST_MEMBERS_WITH)
QUORVEX__SRV__INTROSPECTION_C__DECLARE_MESSAGE(
  PlanMotion_Response, QUORVEX_PLAN_MOTION_RESPONSE_MEMBERS_WITH)
QUORVEX__SRV__INTROSPECTION_C__DECLARE_SERVICE(PlanMotion)

#ifdef __cplusplus
}
#endif

#endif  // QUORVEX__SRV__DETAIL__PLAN_MOTION__ROSIDL_TYPESUPPORT_INTROSPECTION_C_H_
