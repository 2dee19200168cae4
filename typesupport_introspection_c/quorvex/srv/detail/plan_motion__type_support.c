// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_introspection_c.h"

#include <stddef.h>
#include <string.h>

#include "quorvex/srv/detail/plan_motion__functions.h"
#include "quorvex/srv/detail/plan_motion__struct.h"
#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_c/service_type_support_struct.h"
#include "rosidl_typesupport_introspection_c/message_introspection.h"
#include "rosidl_typesupport_introspection_c/service_introspection.h"
#include "quorvex/srv/detail/type_support_common.h"

// PlanMotion_Request

DEFINE_FLOAT64_SEQUENCE_ACCESSORS(PlanMotion_Request, start_joints)
DEFINE_FLOAT64_SEQUENCE_ACCESSORS(PlanMotion_Request, goal_joints)

void QUORVEX__SRV__INTROSPECTION_C__ADAPTER(PlanMotion_Request, init_function)(
  void * untyped_message, enum rosidl_runtime_c__message_initialization mode)
{
  // Every mode means the full initialisation: the record has no default values. The slot cannot
  // report a failed __init, so the record is then left in zero bytes, which fini accepts.
  (void)mode;
  if (!quorvex__srv__PlanMotion_Request__init(untyped_message) && NULL != untyped_message) {
    memset(untyped_message, 0, sizeof(quorvex__srv__PlanMotion_Request));
  }
}

void QUORVEX__SRV__INTROSPECTION_C__ADAPTER(PlanMotion_Request, fini_function)(
  void * untyped_message)
{
  quorvex__srv__PlanMotion_Request__fini(untyped_message);
}

static const rosidl_typesupport_introspection_c__MessageMember
  plan_motion_request_member_array[] = {
  FLOAT64_SEQUENCE_MEMBER(PlanMotion_Request, start_joints),
  FLOAT64_SEQUENCE_MEMBER(PlanMotion_Request, goal_joints),
};

static const rosidl_typesupport_introspection_c__MessageMembers plan_motion_request_members = {
  .message_namespace_ = "quorvex__srv",
  .message_name_ = "PlanMotion_Request",
  .member_count_ =
    sizeof(plan_motion_request_member_array) / sizeof(plan_motion_request_member_array[0]),
  .size_of_ = sizeof(quorvex__srv__PlanMotion_Request),
  .members_ = plan_motion_request_member_array,
  .init_function = QUORVEX__SRV__INTROSPECTION_C__ADAPTER(PlanMotion_Request, init_function),
  .fini_function = QUORVEX__SRV__INTROSPECTION_C__ADAPTER(PlanMotion_Request, fini_function),
};

// The getter binds typesupport_identifier.
static rosidl_message_type_support_t plan_motion_request_handle = {
  .typesupport_identifier = NULL,
  .data = &plan_motion_request_members,
  .func = get_message_typesupport_handle_function,
};

static pthread_once_t plan_motion_request_bound = PTHREAD_ONCE_INIT;

static void
bind_plan_motion_request(void)
{
  plan_motion_request_handle.typesupport_identifier =
    rosidl_typesupport_introspection_c__identifier;
}

const rosidl_message_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
  rosidl_typesupport_introspection_c, quorvex, srv, PlanMotion_Request)(void)
{
  pthread_once(&plan_motion_request_bound, bind_plan_motion_request);
  return &plan_motion_request_handle;
}

// PlanMotion_Response

DEFINE_FLOAT64_SEQUENCE_ACCESSORS(PlanMotion_Response, waypoints_flat)
DEFINE_FLOAT64_SEQUENCE_ACCESSORS(PlanMotion_Response, velocities_flat)
DEFINE_FLOAT64_SEQUENCE_ACCESSORS(PlanMotion_Response, accelerations_flat)
DEFINE_FLOAT64_SEQUENCE_ACCESSORS(PlanMotion_Response, time_from_start)

void QUORVEX__SRV__INTROSPECTION_C__ADAPTER(PlanMotion_Response, init_function)(
  void * untyped_message, enum rosidl_runtime_c__message_initialization mode)
{
  // Every mode means the full initialisation: the record has no default values. The slot cannot
  // report a failed __init, so the record is then left in zero bytes, which fini accepts.
  (void)mode;
  if (!quorvex__srv__PlanMotion_Response__init(untyped_message) && NULL != untyped_message) {
    memset(untyped_message, 0, sizeof(quorvex__srv__PlanMotion_Response));
  }
}

void QUORVEX__SRV__INTROSPECTION_C__ADAPTER(PlanMotion_Response, fini_function)(
  void * untyped_message)
{
  quorvex__srv__PlanMotion_Response__fini(untyped_message);
}

static const rosidl_typesupport_introspection_c__MessageMember
  plan_motion_response_member_array[] = {
  PLAIN_MEMBER(PlanMotion_Response, success, BOOLEAN),
  PLAIN_MEMBER(PlanMotion_Response, message, STRING),
  FLOAT64_SEQUENCE_MEMBER(PlanMotion_Response, waypoints_flat),
  FLOAT64_SEQUENCE_MEMBER(PlanMotion_Response, velocities_flat),
  FLOAT64_SEQUENCE_MEMBER(PlanMotion_Response, accelerations_flat),
  FLOAT64_SEQUENCE_MEMBER(PlanMotion_Response, time_from_start),
  PLAIN_MEMBER(PlanMotion_Response, n_points, INT32),
  PLAIN_MEMBER(PlanMotion_Response, n_joints, INT32),
};

static const rosidl_typesupport_introspection_c__MessageMembers plan_motion_response_members = {
  .message_namespace_ = "quorvex__srv",
  .message_name_ = "PlanMotion_Response",
  .member_count_ =
    sizeof(plan_motion_response_member_array) / sizeof(plan_motion_response_member_array[0]),
  .size_of_ = sizeof(quorvex__srv__PlanMotion_Response),
  .members_ = plan_motion_response_member_array,
  .init_function = QUORVEX__SRV__INTROSPECTION_C__ADAPTER(PlanMotion_Response, init_function),
  .fini_function = QUORVEX__SRV__INTROSPECTION_C__ADAPTER(PlanMotion_Response, fini_function),
};

// The getter binds typesupport_identifier.
static rosidl_message_type_support_t plan_motion_response_handle = {
  .typesupport_identifier = NULL,
  .data = &plan_motion_response_members,
  .func = get_message_typesupport_handle_function,
};

static pthread_once_t plan_motion_response_bound = PTHREAD_ONCE_INIT;

static void
bind_plan_motion_response(void)
{
  plan_motion_response_handle.typesupport_identifier =
    rosidl_typesupport_introspection_c__identifier;
}

const rosidl_message_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
  rosidl_typesupport_introspection_c, quorvex, srv, PlanMotion_Response)(void)
{
  pthread_once(&plan_motion_response_bound, bind_plan_motion_response);
  return &plan_motion_response_handle;
}

// PlanMotion

// The getter binds request_members_ and response_members_.
static rosidl_typesupport_introspection_c__ServiceMembers plan_motion_service_members = {
  .service_namespace_ = "quorvex__srv",
  .service_name_ = "PlanMotion",
  .request_members_ = NULL,
  .response_members_ = NULL,
};

// The getter binds typesupport_identifier.
static rosidl_service_type_support_t plan_motion_handle = {
  .typesupport_identifier = NULL,
  .data = &plan_motion_service_members,
  .func = get_service_typesupport_handle_function,
};

static pthread_once_t plan_motion_bound = PTHREAD_ONCE_INIT;

// Binding the descriptors calls the message getters by name, which binds their handles too.
static void
bind_plan_motion(void)
{
  plan_motion_handle.typesupport_identifier = rosidl_typesupport_introspection_c__identifier;
  plan_motion_service_members.request_members_ =
    ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
    rosidl_typesupport_introspection_c, quorvex, srv, PlanMotion_Request)()->data;
  plan_motion_service_members.response_members_ =
    ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
    rosidl_typesupport_introspection_c, quorvex, srv, PlanMotion_Response)()->data;
}

const rosidl_service_type_support_t *
ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME(
  rosidl_typesupport_introspection_c, quorvex, srv, PlanMotion)(void)
{
  pthread_once(&plan_motion_bound, bind_plan_motion);
  return &plan_motion_handle;
}
