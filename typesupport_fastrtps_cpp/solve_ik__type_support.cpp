// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_fastrtps_cpp.hpp"

#include "cdr_functions.hpp"
#include "quorvex/srv/detail/solve_ik__members.h"
#include "quorvex/srv/detail/solve_ik__struct.hpp"

QUORVEX_CDR_DEFINE_MESSAGE(SolveIK_Request, QUORVEX_SOLVE_IK_REQUEST_MEMBERS_WITH)
QUORVEX_CDR_DEFINE_MESSAGE(SolveIK_Response, QUORVEX_SOLVE_IK_RESPONSE_MEMBERS_WITH)
QUORVEX_CDR_DEFINE_SERVICE(SolveIK)
