// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_introspection_c.h"

#include <stddef.h>
#include <string.h>

#include "quorvex/srv/detail/solve_ik__functions.h"
#include "quorvex/srv/detail/solve_ik__struct.h"
#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_c/service_type_support_struct.h"
#include "rosidl_typesupport_introspection_c/message_introspection.h"
#include "rosidl_typesupport_introspection_c/service_introspection.h"
#include "quorvex/srv/detail/type_support_common.h"

// SolveIK_Request

void QUORVEX__SRV__INTROSPECTION_C__ADAPTER(SolveIK_Request, init_function)(
  void * untyped_message, enum rosidl_runtime_c__message_initialization mode)
{
  // Every mode means the full initialisation: the record has no default values. The slot cannot
  // report a failed __init, so the record is then left in zero bytes, which fini accepts.
  (void)mode;
  if (!quorvex__srv__SolveIK_Request__init(untyped_message) && NULL != untyped_message) {
    memset(untyped_message, 0, sizeof(quorvex__srv__SolveIK_Request));
  }
}

void QUORVEX__SRV__INTROSPECTION_C__ADAPTER(SolveIK_Request, fini_function)(
  void * untyped_message)
{
  quorvex__srv__SolveIK_Request__fini(untyped_message);
}

static const rosidl_typesupport_introspection_c__MessageMember
  solve_ik_request_member_array[] = {
  PLAIN_MEMBER(SolveIK_Request, pose_info_path, STRING),
  PLAIN_MEMBER(SolveIK_Request, stage_subset, STRING),
  PLAIN_MEMBER(SolveIK_Request, max_contact_poses, INT32),
  PLAIN_MEMBER(SolveIK_Request, return_seeds, INT32),
  PLAIN_MEMBER(SolveIK_Request, tool_type, STRING),
  PLAIN_MEMBER(SolveIK_Request, position_tolerance, DOUBLE),
  PLAIN_MEMBER(SolveIK_Request, orientation_tolerance, DOUBLE),
  PLAIN_MEMBER(SolveIK_Request, conform_samples, INT32),
  PLAIN_MEMBER(SolveIK_Request, orientation_sample_range_deg, DOUBLE),
  PLAIN_MEMBER(SolveIK_Request, orientation_sample_step_deg, DOUBLE),
  PLAIN_MEMBER(SolveIK_Request, accept_feasible_path, BOOLEAN),
  PLAIN_MEMBER(SolveIK_Request, max_joint_jump_rad, DOUBLE),
};

static const rosidl_typesupport_introspection_c__MessageMembers solve_ik_request_members = {
  .message_namespace_ = "quorvex__srv",
  .message_name_ = "SolveIK_Request",
  .member_count_ =
    sizeof(solve_ik_request_member_array) / sizeof(solve_ik_request_member_array[0]),
  .size_of_ = sizeof(quorvex__srv__SolveIK_Request),
  .members_ = solve_ik_request_member_array,
  .init_function = QUORVEX__SRV__INTROSPECTION_C__ADAPTER(SolveIK_Request, init_function),
  .fini_function = QUORVEX__SRV__INTROSPECTION_C__ADAPTER(SolveIK_Request, fini_function),
};

// The getter binds typesupport_identifier.
static rosidl_message_type_support_t solve_ik_request_handle = {
  .typesupport_identifier = NULL,
  .data = &solve_ik_request_members,
  .func = get_message_typesupport_handle_function,
};

static pthread_once_t solve_ik_request_bound = PTHREAD_ONCE_INIT;

static void
bind_solve_ik_request(void)
{
  solve_ik_request_handle.typesupport_identifier = rosidl_typesupport_introspection_c__identifier;
}

const rosidl_message_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
  rosidl_typesupport_introspection_c, quorvex, srv, SolveIK_Request)(void)
{
  pthread_once(&solve_ik_request_bound, bind_solve_ik_request);
  return &solve_ik_request_handle;
}

// SolveIK_Response

void QUORVEX__SRV__INTROSPECTION_C__ADAPTER(SolveIK_Response, init_function)(
  void * untyped_message, enum rosidl_runtime_c__message_initialization mode)
{
  // Every mode means the full initialisation: the record has no default values. The slot cannot
  // report a failed __init, so the record is then left in zero bytes, which fini accepts.
  (void)mode;
  if (!quorvex__srv__SolveIK_Response__init(untyped_message) && NULL != untyped_message) {
    memset(untyped_message, 0, sizeof(quorvex__srv__SolveIK_Response));
  }
}

void QUORVEX__SRV__INTROSPECTION_C__ADAPTER(SolveIK_Response, fini_function)(
  void * untyped_message)
{
  quorvex__srv__SolveIK_Response__fini(untyped_message);
}

static const rosidl_typesupport_introspection_c__MessageMember
  solve_ik_response_member_array[] = {
  PLAIN_MEMBER(SolveIK_Response, success, BOOLEAN),
  PLAIN_MEMBER(SolveIK_Response, summary, STRING),
  PLAIN_MEMBER(SolveIK_Response, report_json, STRING),
};

static const rosidl_typesupport_introspection_c__MessageMembers solve_ik_response_members = {
  .message_namespace_ = "quorvex__srv",
  .message_name_ = "SolveIK_Response",
  .member_count_ =
    sizeof(solve_ik_response_member_array) / sizeof(solve_ik_response_member_array[0]),
  .size_of_ = sizeof(quorvex__srv__SolveIK_Response),
  .members_ = solve_ik_response_member_array,
  .init_function = QUORVEX__SRV__INTROSPECTION_C__ADAPTER(SolveIK_Response, init_function),
  .fini_function = QUORVEX__SRV__INTROSPECTION_C__ADAPTER(SolveIK_Response, fini_function),
};

// The getter binds typesupport_identifier.
static rosidl_message_type_support_t solve_ik_response_handle = {
  .typesupport_identifier = NULL,
  .data = &solve_ik_response_members,
  .func = get_message_typesupport_handle_function,
};

static pthread_once_t solve_ik_response_bound = PTHREAD_ONCE_INIT;

static void
bind_solve_ik_response(void)
{
  solve_ik_response_handle.typesupport_identifier = rosidl_typesupport_introspection_c__identifier;
}

const rosidl_message_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
  rosidl_typesupport_introspection_c, quorvex, srv, SolveIK_Response)(void)
{
  pthread_once(&solve_ik_response_bound, bind_solve_ik_response);
  return &solve_ik_response_handle;
}

// SolveIK

// The getter binds request_members_ and response_members_.
static rosidl_typesupport_introspection_c__ServiceMembers solve_ik_service_members = {
  .service_namespace_ = "quorvex__srv",
  .service_name_ = "SolveIK",
  .request_members_ = NULL,
  .response_members_ = NULL,
};

// The getter binds typesupport_identifier.
static rosidl_service_type_support_t solve_ik_handle = {
  .typesupport_identifier = NULL,
  .data = &solve_ik_service_members,
  .func = get_service_typesupport_handle_function,
};

static pthread_once_t solve_ik_bound = PTHREAD_ONCE_INIT;

// Binding the descriptors calls the message getters by name, which binds their handles too.
static void
bind_solve_ik(void)
{
  solve_ik_handle.typesupport_identifier = rosidl_typesupport_introspection_c__identifier;
  solve_ik_service_members.request_members_ =
    ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
    rosidl_typesupport_introspection_c, quorvex, srv, SolveIK_Request)()->data;
  solve_ik_service_members.response_members_ =
    ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
    rosidl_typesupport_introspection_c, quorvex, srv, SolveIK_Response)()->data;
}

const rosidl_service_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME(
  rosidl_typesupport_introspection_c, quorvex, srv, SolveIK)(void)
{
  pthread_once(&solve_ik_bound, bind_solve_ik);
  return &solve_ik_handle;
}
