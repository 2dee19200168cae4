// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_fastrtps_c.h"

#include "cdr_c_functions.hpp"
#include "quorvex/srv/detail/plan_motion__members.h"
#include "quorvex/srv/detail/plan_motion__struct.h"

QUORVEX_CDR_C_DEFINE_SERVICE(
  PlanMotion, QUORVEX_PLAN_MOTION_REQUEST_MEMBERS_WITH, QUORVEX_PLAN_MOTION_RESPONSE_MEMBERS_WITH)
