// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_introspection_c.h"

#include "quorvex/srv/detail/solve_ik__functions.h"
#include "quorvex/srv/detail/solve_ik__members.h"
#include "quorvex/srv/detail/solve_ik__struct.h"
#include "quorvex/srv/detail/type_support_common.h"

QUORVEX__SRV__INTROSPECTION_C__DEFINE_MESSAGE(
  SolveIK_Request, QUORVEX_SOLVE_IK_REQUEST_MEMBERS_WITH)
QUORVEX__SRV__INTROSPECTION_C__DEFINE_MESSAGE(
  SolveIK_Response, QUORVEX_SOLVE_IK_RESPONSE_MEMBERS_WITH)
QUORVEX__SRV__INTROSPECTION_C__DEFINE_SERVICE(SolveIK)
