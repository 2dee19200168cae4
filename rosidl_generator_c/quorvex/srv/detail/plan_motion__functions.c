// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "quorvex/srv/detail/plan_motion__functions.h"

// The sequence finalisers' checks must stop the process in optimised builds too; <assert.h>
// defines assert anew at each inclusion, following NDEBUG at that point.
#undef NDEBUG
#include <assert.h>

#include "quorvex/srv/detail/plan_motion__members.h"
#include "quorvex/srv/detail/record_functions.h"
#include "quorvex/srv/detail/record_sequence.h"

QUORVEX__SRV__DEFINE_RECORD_FUNCTIONS(
  PlanMotion_Request, QUORVEX_PLAN_MOTION_REQUEST_MEMBERS_WITH)
QUORVEX__SRV__DEFINE_SEQUENCE_FUNCTIONS(PlanMotion_Request)

QUORVEX__SRV__DEFINE_RECORD_FUNCTIONS(
  PlanMotion_Response, QUORVEX_PLAN_MOTION_RESPONSE_MEMBERS_WITH)
QUORVEX__SRV__DEFINE_SEQUENCE_FUNCTIONS(PlanMotion_Response)
