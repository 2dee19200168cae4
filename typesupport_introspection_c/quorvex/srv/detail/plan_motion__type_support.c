// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_introspection_c.h"

#include "quorvex/srv/detail/plan_motion__functions.h"
#include "quorvex/srv/detail/plan_motion__members.h"
#include "quorvex/srv/detail/plan_motion__struct.h"
#include "quorvex/srv/detail/type_support_common.h"

QUORVEX__SRV__INTROSPECTION_C__DEFINE_MESSAGE(
  PlanMotion_Request, QUORVEX_PLAN_MOTION_REQUEST_MEMBERS_WITH)
QUORVEX__SRV__INTROSPECTION_C__DEFINE_MESSAGE(
  PlanMotion_Response, QUORVEX_PLAN_MOTION_RESPONSE_MEMBERS_WITH)
QUORVEX__SRV__INTROSPECTION_C__DEFINE_SERVICE(PlanMotion)
