// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef ROSIDL_TYPESUPPORT_INTROSPECTION_C__SERVICE_INTROSPECTION_H_
#define ROSIDL_TYPESUPPORT_INTROSPECTION_C__SERVICE_INTROSPECTION_H_

#include "rosidl_typesupport_introspection_c/message_introspection.h"

#ifdef __cplusplus
extern "C"
{
#endif

/// Description of a service: the descriptions of its request and its response.
typedef struct rosidl_typesupport_introspection_c__ServiceMembers_s
{
  /// Package and interface kind, e.g. "pkg__srv".
  const char * service_namespace_;
  /// Service name.
  const char * service_name_;
  const rosidl_typesupport_introspection_c__MessageMembers * request_members_;
  const rosidl_typesupport_introspection_c__MessageMembers * response_members_;
} rosidl_typesupport_introspection_c__ServiceMembers;

#ifdef __cplusplus
}
#endif

#endif  // ROSIDL_TYPESUPPORT_INTROSPECTION_C__SERVICE_INTROSPECTION_H_
