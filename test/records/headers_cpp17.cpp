// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// Compiled as strict C++17 with warnings as errors: the public headers must pass on their own.

#include "quorvex/srv/detail/plan_motion__functions.h"
#include "quorvex/srv/detail/plan_motion__struct.h"
#include "quorvex/srv/detail/solve_ik__functions.h"
#include "quorvex/srv/detail/solve_ik__struct.h"
#include "quorvex/srv/plan_motion.h"
#include "quorvex/srv/solve_ik.h"

int headers_cpp17_size();

int headers_cpp17_size()
{
  return static_cast<int>(
    sizeof(quorvex__srv__SolveIK_Request) + sizeof(quorvex__srv__PlanMotion_Response));
}
