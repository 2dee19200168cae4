// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "quorvex/srv/detail/plan_motion__type_support.h"

#include <stddef.h>

#include "quorvex/srv/detail/dispatch_map.h"
#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_c/service_type_support_struct.h"
#include "rosidl_typesupport_c/identifier.h"
#include "rosidl_typesupport_c/message_type_support_dispatch.h"
#include "rosidl_typesupport_c/service_type_support_dispatch.h"

// bind_plan_motion_handles sets each handle's typesupport_identifier when the library is loaded.

QUORVEX__SRV__DISPATCH__DEFINE_MAP(plan_motion_request_map, c, MESSAGE, PlanMotion_Request)

static rosidl_message_type_support_t plan_motion_request_handle = {
  .typesupport_identifier = NULL,
  .data = &plan_motion_request_map,
  .func = rosidl_typesupport_c__get_message_typesupport_handle_function,
};

const rosidl_message_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
  rosidl_typesupport_c, quorvex, srv, PlanMotion_Request)(void)
{
  return &plan_motion_request_handle;
}

QUORVEX__SRV__DISPATCH__DEFINE_MAP(plan_motion_response_map, c, MESSAGE, PlanMotion_Response)

static rosidl_message_type_support_t plan_motion_response_handle = {
  .typesupport_identifier = NULL,
  .data = &plan_motion_response_map,
  .func = rosidl_typesupport_c__get_message_typesupport_handle_function,
};

const rosidl_message_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
  rosidl_typesupport_c, quorvex, srv, PlanMotion_Response)(void)
{
  return &plan_motion_response_handle;
}

QUORVEX__SRV__DISPATCH__DEFINE_MAP(plan_motion_map, c, SERVICE, PlanMotion)

static rosidl_service_type_support_t plan_motion_handle = {
  .typesupport_identifier = NULL,
  .data = &plan_motion_map,
  .func = rosidl_typesupport_c__get_service_typesupport_handle_function,
};

const rosidl_service_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME(
  rosidl_typesupport_c, quorvex, srv, PlanMotion)(void)
{
  return &plan_motion_handle;
}

// The identifier is a variable of another library, which C cannot use in a constant
// initialiser; the loader runs this before any getter of this library can be reached.
__attribute__((constructor))
static void
bind_plan_motion_handles(void)
{
  plan_motion_request_handle.typesupport_identifier = rosidl_typesupport_c__typesupport_identifier;
  plan_motion_response_handle.typesupport_identifier = rosidl_typesupport_c__typesupport_identifier;
  plan_motion_handle.typesupport_identifier = rosidl_typesupport_c__typesupport_identifier;
}
