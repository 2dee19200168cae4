// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef ROSIDL_TYPESUPPORT_INTROSPECTION_CPP__SERVICE_INTROSPECTION_HPP_
#define ROSIDL_TYPESUPPORT_INTROSPECTION_CPP__SERVICE_INTROSPECTION_HPP_

#include "rosidl_typesupport_introspection_cpp/message_introspection.hpp"

namespace rosidl_typesupport_introspection_cpp
{

/// Description of a service: the descriptions of its request and its response.
typedef struct ServiceMembers_s
{
  /// Package and interface kind as a C++ namespace, e.g. "pkg::srv".
  const char * service_namespace_;
  /// Service name.
  const char * service_name_;
  const MessageMembers * request_members_;
  const MessageMembers * response_members_;
} ServiceMembers;

}  // namespace rosidl_typesupport_introspection_cpp

#endif  // ROSIDL_TYPESUPPORT_INTROSPECTION_CPP__SERVICE_INTROSPECTION_HPP_
