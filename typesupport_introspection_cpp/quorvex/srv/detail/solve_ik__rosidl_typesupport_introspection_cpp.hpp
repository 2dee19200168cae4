// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__SOLVE_IK__ROSIDL_TYPESUPPORT_INTROSPECTION_CPP_HPP_
#define QUORVEX__SRV__DETAIL__SOLVE_IK__ROSIDL_TYPESUPPORT_INTROSPECTION_CPP_HPP_

#include "quorvex/msg/rosidl_typesupport_introspection_cpp__visibility_control.h"
#include "quorvex/srv/detail/solve_ik__struct.hpp"
#include "quorvex/srv/detail/type_support_getters.hpp"
#include "rosidl_typesupport_introspection_cpp/message_type_support_decl.hpp"
#include "rosidl_typesupport_introspection_cpp/service_type_support_decl.hpp"

// Every handle is complete when the library has been loaded: its data is the record's
// MessageMembers (a service's: a ServiceMembers with both messages' members) and its
// typesupport_identifier is rosidl_typesupport_introspection_cpp::typesupport_identifier.

// The template specialisations of rosidl_typesupport_introspection_cpp's getters and the
// C-linkage getters (type_support_getters.hpp).
QUORVEX_SRV_DECLARE_GETTERS(
  rosidl_typesupport_introspection_cpp,
  ROSIDL_TYPESUPPORT_INTROSPECTION_CPP_PUBLIC_quorvex,
  SolveIK)

#endif  // QUORVEX__SRV__DETAIL__SOLVE_IK__ROSIDL_TYPESUPPORT_INTROSPECTION_CPP_HPP_
