// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__SOLVE_IK__BUILDER_HPP_
#define QUORVEX__SRV__DETAIL__SOLVE_IK__BUILDER_HPP_

#include "quorvex/srv/detail/builder.hpp"
#include "quorvex/srv/detail/solve_ik__members.h"
#include "quorvex/srv/detail/solve_ik__struct.hpp"

// quorvex::build<quorvex::srv::SolveIK_Request>() and <quorvex::srv::SolveIK_Response>():
// the named-field builders of the two messages (builder.hpp says how they work).
QUORVEX_SRV_DEFINE_BUILDER(SolveIK_Request, QUORVEX_SOLVE_IK_REQUEST_MEMBERS_WITH)
QUORVEX_SRV_DEFINE_BUILDER(SolveIK_Response, QUORVEX_SOLVE_IK_RESPONSE_MEMBERS_WITH)

#endif  // QUORVEX__SRV__DETAIL__SOLVE_IK__BUILDER_HPP_
