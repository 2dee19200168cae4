// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "quorvex/srv/detail/solve_ik__type_support.h"

#include <stddef.h>

#include "quorvex/srv/detail/dispatch_map.h"
#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_c/service_type_support_struct.h"
#include "rosidl_typesupport_c/identifier.h"
#include "rosidl_typesupport_c/message_type_support_dispatch.h"
#include "rosidl_typesupport_c/service_type_support_dispatch.h"

// bind_solve_ik_handles sets each handle's typesupport_identifier when the library is loaded.

QUORVEX__SRV__DISPATCH__DEFINE_MAP(solve_ik_request_map, c, MESSAGE, SolveIK_Request)

static rosidl_message_type_support_t solve_ik_request_handle = {
  .typesupport_identifier = NULL,
  .data = &solve_ik_request_map,
  .func = rosidl_typesupport_c__get_message_typesupport_handle_function,
};

const rosidl_message_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
  rosidl_typesupport_c, quorvex, srv, SolveIK_Request)(void)
{
  return &solve_ik_request_handle;
}

QUORVEX__SRV__DISPATCH__DEFINE_MAP(solve_ik_response_map, c, MESSAGE, SolveIK_Response)

static rosidl_message_type_support_t solve_ik_response_handle = {
  .typesupport_identifier = NULL,
  .data = &solve_ik_response_map,
  .func = rosidl_typesupport_c__get_message_typesupport_handle_function,
};

const rosidl_message_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
  rosidl_typesupport_c, quorvex, srv, SolveIK_Response)(void)
{
  return &solve_ik_response_handle;
}

QUORVEX__SRV__DISPATCH__DEFINE_MAP(solve_ik_map, c, SERVICE, SolveIK)

static rosidl_service_type_support_t solve_ik_handle = {
  .typesupport_identifier = NULL,
  .data = &solve_ik_map,
  .func = rosidl_typesupport_c__get_service_typesupport_handle_function,
};

const rosidl_service_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME(
  rosidl_typesupport_c, quorvex, srv, SolveIK)(void)
{
  return &solve_ik_handle;
}

// The identifier is a variable of another library, which C cannot use in a constant
// initialiser; the loader runs this before any getter of this library can be reached.
__attribute__((constructor))
static void
bind_solve_ik_handles(void)
{
  solve_ik_request_handle.typesupport_identifier = rosidl_typesupport_c__typesupport_identifier;
  solve_ik_response_handle.typesupport_identifier = rosidl_typesupport_c__typesupport_identifier;
  solve_ik_handle.typesupport_identifier = rosidl_typesupport_c__typesupport_identifier;
}
