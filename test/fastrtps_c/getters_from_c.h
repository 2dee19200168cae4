// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef FASTRTPS_C__GETTERS_FROM_C_H_
#define FASTRTPS_C__GETTERS_FROM_C_H_

#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_c/service_type_support_struct.h"

#ifdef __cplusplus
extern "C"
{
#endif

/// The six handles, messages in the order SolveIK_Request, SolveIK_Response,
/// PlanMotion_Request, PlanMotion_Response; services SolveIK, PlanMotion.
struct FastrtpsCHandles
{
  const rosidl_message_type_support_t * messages[4];
  const rosidl_service_type_support_t * services[2];
};

/// Fills `handles` through the getters, called from a C translation unit.
void fastrtps_c_handles_from_c(struct FastrtpsCHandles * handles);

#ifdef __cplusplus
}
#endif

#endif  // FASTRTPS_C__GETTERS_FROM_C_H_
