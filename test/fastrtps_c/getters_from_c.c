// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// The public headers as a C program includes them, and the getters called from C.

#include "fastrtps_c/getters_from_c.h"

#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_fastrtps_c.h"
#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_fastrtps_c.h"

void fastrtps_c_handles_from_c(struct FastrtpsCHandles * handles)
{
  handles->messages[0] = ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
    rosidl_typesupport_fastrtps_c, quorvex, srv, SolveIK_Request)();
  handles->messages[1] = ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
    rosidl_typesupport_fastrtps_c, quorvex, srv, SolveIK_Response)();
  handles->messages[2] = ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
    rosidl_typesupport_fastrtps_c, quorvex, srv, PlanMotion_Request)();
  handles->messages[3] = ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
    rosidl_typesupport_fastrtps_c, quorvex, srv, PlanMotion_Response)();
  handles->services[0] = ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME(
    rosidl_typesupport_fastrtps_c, quorvex, srv, SolveIK)();
  handles->services[1] = ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME(
    rosidl_typesupport_fastrtps_c, quorvex, srv, PlanMotion)();
}
