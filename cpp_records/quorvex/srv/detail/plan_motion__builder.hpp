// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__PLAN_MOTION__BUILDER_HPP_
#define QUORVEX__SRV__DETAIL__PLAN_MOTION__BUILDER_HPP_

#include "quorvex/srv/detail/builder.hpp"
#include "quorvex/srv/detail/plan_motion__members.h"
#include "quorvex/srv/detail/plan_motion__struct.hpp"

// quorvex::build<quorvex::srv::PlanMotion_Request>() and <quorvex::srv::PlanMotion_Response>():
// the named-field builders of the two messages (builder.hpp says how they work).
QUORVEX_SRV_DEFINE_BUILDER(PlanMotion_Request, QUORVEX_PLAN_MOTION_REQUEST_MEMBERS_WITH)
QUORVEX_SRV_DEFINE_BUILDER(PlanMotion_Response, QUORVEX_PLAN_MOTION_RESPONSE_MEMBERS_WITH)

#endif  // QUORVEX__SRV__DETAIL__PLAN_MOTION__BUILDER_HPP_
