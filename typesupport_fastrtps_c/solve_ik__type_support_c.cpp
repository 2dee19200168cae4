// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_fastrtps_c.h"

#include "cdr_c_functions.hpp"
#include "quorvex/srv/detail/solve_ik__members.h"
#include "quorvex/srv/detail/solve_ik__struct.h"

QUORVEX_CDR_C_DEFINE_SERVICE(
  SolveIK, QUORVEX_SOLVE_IK_REQUEST_MEMBERS_WITH, QUORVEX_SOLVE_IK_RESPONSE_MEMBERS_WITH)
