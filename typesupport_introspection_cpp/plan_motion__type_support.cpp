// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_introspection_cpp.hpp"

#include "member_entries.hpp"
#include "quorvex/srv/detail/plan_motion__members.h"
#include "quorvex/srv/detail/plan_motion__struct.hpp"

QUORVEX_INTROSPECTION_CPP_DEFINE_SERVICE(
  PlanMotion, QUORVEX_PLAN_MOTION_REQUEST_MEMBERS_WITH, QUORVEX_PLAN_MOTION_RESPONSE_MEMBERS_WITH)
