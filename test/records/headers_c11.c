// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// Compiled as strict C11 with warnings as errors: the public headers must pass on their own.

#include "quorvex/srv/detail/plan_motion__functions.h"
#include "quorvex/srv/detail/plan_motion__struct.h"
#include "quorvex/srv/detail/solve_ik__functions.h"
#include "quorvex/srv/detail/solve_ik__struct.h"
#include "quorvex/srv/plan_motion.h"
#include "quorvex/srv/solve_ik.h"
#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_c/service_type_support_struct.h"

int headers_c11_size(void);
const void * headers_c11_handles(int which);

int headers_c11_size(void)
{
  return (int)(sizeof(quorvex__srv__SolveIK_Request) + sizeof(quorvex__srv__PlanMotion_Response));
}

// The services' headers declare the C dispatch getters that these macros call.
const void * headers_c11_handles(int which)
{
  switch (which) {
    case 0: return ROSIDL_GET_MSG_TYPE_SUPPORT(quorvex, srv, SolveIK_Request);
    case 1: return ROSIDL_GET_MSG_TYPE_SUPPORT(quorvex, srv, SolveIK_Response);
    case 2: return ROSIDL_GET_SRV_TYPE_SUPPORT(quorvex, srv, SolveIK);
    case 3: return ROSIDL_GET_MSG_TYPE_SUPPORT(quorvex, srv, PlanMotion_Request);
    case 4: return ROSIDL_GET_MSG_TYPE_SUPPORT(quorvex, srv, PlanMotion_Response);
    default: return ROSIDL_GET_SRV_TYPE_SUPPORT(quorvex, srv, PlanMotion);
  }
}
