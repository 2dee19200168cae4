// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// C node code on the installed package: takes the six C dispatch handles with
// ROSIDL_GET_MSG_TYPE_SUPPORT and ROSIDL_GET_SRV_TYPE_SUPPORT from nothing but the services'
// headers, and reaches through each the handles of rosidl_typesupport_fastrtps_c and
// rosidl_typesupport_introspection_c, as the middleware under rcl does. Exits 0 when all went
// well.

#include <stdbool.h>
#include <stdio.h>
#include <string.h>

#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_fastrtps_c.h"
#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_introspection_c.h"
#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_fastrtps_c.h"
#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_introspection_c.h"
#include "quorvex/srv/plan_motion.h"
#include "quorvex/srv/solve_ik.h"
#include "rcutils/error_handling.h"
#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_c/service_type_support_struct.h"
#include "rosidl_typesupport_introspection_c/message_introspection.h"
#include "rosidl_typesupport_introspection_c/service_introspection.h"

static const char * const kDispatch = "rosidl_typesupport_c";
static const char * const kFastrtps = "rosidl_typesupport_fastrtps_c";
static const char * const kIntrospection = "rosidl_typesupport_introspection_c";

static int failures = 0;

static void check(bool ok, const char * name, const char * what)
{
  if (!ok) {
    fprintf(stderr, "failed: %s: %s\n", name, what);
    if (rcutils_error_is_set()) {
      fprintf(stderr, "  %s\n", rcutils_get_error_string().str);
      rcutils_reset_error();
    }
    ++failures;
  }
}

static bool is(const char * identifier, const char * expected)
{
  return identifier != NULL && strcmp(identifier, expected) == 0;
}

/// Follows a message's dispatch handle to both type supports: each must be the handle that the
/// type support's own getter returns, and the introspection must describe the C record.
static void reach_message(
  const char * name, const rosidl_message_type_support_t * dispatch,
  const rosidl_message_type_support_t * fastrtps,
  const rosidl_message_type_support_t * introspection, size_t record_size)
{
  check(
    dispatch != NULL && is(dispatch->typesupport_identifier, kDispatch), name,
    "a C dispatch handle");
  if (dispatch == NULL) {
    return;
  }
  const rosidl_message_type_support_t * reached =
    get_message_typesupport_handle(dispatch, kFastrtps);
  check(reached != NULL && reached == fastrtps, name, "the Fast-CDR handle");
  check(
    reached != NULL && is(reached->typesupport_identifier, kFastrtps), name,
    "the Fast-CDR handle's identifier");

  reached = get_message_typesupport_handle(dispatch, kIntrospection);
  check(reached != NULL && reached == introspection, name, "the introspection handle");
  if (reached == NULL) {
    return;
  }
  const rosidl_typesupport_introspection_c__MessageMembers * members = reached->data;
  check(
    is(reached->typesupport_identifier, kIntrospection), name,
    "the introspection handle's identifier");
  check(is(members->message_name_, name), name, "described by name");
  check(members->size_of_ == record_size, name, "described at the C record's size");
  printf("%s: %u members, %zu bytes\n", name, members->member_count_, members->size_of_);
}

/// The same for a service's dispatch handle.
static void reach_service(
  const char * name, const rosidl_service_type_support_t * dispatch,
  const rosidl_service_type_support_t * fastrtps,
  const rosidl_service_type_support_t * introspection)
{
  check(
    dispatch != NULL && is(dispatch->typesupport_identifier, kDispatch), name,
    "a C dispatch handle");
  if (dispatch == NULL) {
    return;
  }
  const rosidl_service_type_support_t * reached =
    get_service_typesupport_handle(dispatch, kFastrtps);
  check(reached != NULL && reached == fastrtps, name, "the Fast-CDR handle");
  check(
    reached != NULL && is(reached->typesupport_identifier, kFastrtps), name,
    "the Fast-CDR handle's identifier");

  reached = get_service_typesupport_handle(dispatch, kIntrospection);
  check(reached != NULL && reached == introspection, name, "the introspection handle");
  if (reached == NULL) {
    return;
  }
  const rosidl_typesupport_introspection_c__ServiceMembers * members = reached->data;
  check(
    is(reached->typesupport_identifier, kIntrospection), name,
    "the introspection handle's identifier");
  check(is(members->service_name_, name), name, "described by name");
  printf("%s: service\n", name);
}

#define REACH_MESSAGE(Message) \
  reach_message( \
    #Message, ROSIDL_GET_MSG_TYPE_SUPPORT(quorvex, srv, Message), \
    ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME( \
      rosidl_typesupport_fastrtps_c, quorvex, srv, Message)(), \
    ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME( \
      rosidl_typesupport_introspection_c, quorvex, srv, Message)(), \
    sizeof(quorvex__srv__ ## Message))

#define REACH_SERVICE(Service) \
  reach_service( \
    #Service, ROSIDL_GET_SRV_TYPE_SUPPORT(quorvex, srv, Service), \
    ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME( \
      rosidl_typesupport_fastrtps_c, quorvex, srv, Service)(), \
    ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME( \
      rosidl_typesupport_introspection_c, quorvex, srv, Service)())

int main(void)
{
  REACH_MESSAGE(SolveIK_Request);
  REACH_MESSAGE(SolveIK_Response);
  REACH_MESSAGE(PlanMotion_Request);
  REACH_MESSAGE(PlanMotion_Response);
  REACH_SERVICE(SolveIK);
  REACH_SERVICE(PlanMotion);

  printf("%s\n", failures ? "downstream C node failed" : "downstream C node works");
  return failures ? 1 : 0;
}
