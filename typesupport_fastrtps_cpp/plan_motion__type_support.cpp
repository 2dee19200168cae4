// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_fastrtps_cpp.hpp"

#include "cdr_functions.hpp"
#include "quorvex/srv/detail/plan_motion__members.h"
#include "quorvex/srv/detail/plan_motion__struct.hpp"

QUORVEX_CDR_DEFINE_MESSAGE(PlanMotion_Request, QUORVEX_PLAN_MOTION_REQUEST_MEMBERS_WITH)
QUORVEX_CDR_DEFINE_MESSAGE(PlanMotion_Response, QUORVEX_PLAN_MOTION_RESPONSE_MEMBERS_WITH)
QUORVEX_CDR_DEFINE_SERVICE(PlanMotion)
