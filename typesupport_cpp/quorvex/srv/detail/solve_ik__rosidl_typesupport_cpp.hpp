// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__SOLVE_IK__ROSIDL_TYPESUPPORT_CPP_HPP_
#define QUORVEX__SRV__DETAIL__SOLVE_IK__ROSIDL_TYPESUPPORT_CPP_HPP_

#include "quorvex/msg/rosidl_typesupport_cpp__visibility_control.h"
#include "quorvex/srv/detail/solve_ik__struct.hpp"
#include "quorvex/srv/detail/type_support_getters.hpp"
#include "rosidl_typesupport_cpp/message_type_support.hpp"
#include "rosidl_typesupport_cpp/service_type_support.hpp"

// The C++ dispatch handles of the service SolveIK and its messages. A handle's func leads to the
// handle of the Fast-CDR type support (rosidl_typesupport_fastrtps_cpp) or of the C++
// introspection (rosidl_typesupport_introspection_cpp), loading that library at the first
// request.

// The template specialisations of rosidl_typesupport_cpp's getters and the C-linkage getters
// (type_support_getters.hpp).
QUORVEX_SRV_DECLARE_GETTERS(
  rosidl_typesupport_cpp,
  ROSIDL_TYPESUPPORT_CPP_PUBLIC_quorvex,
  SolveIK)

#endif  // QUORVEX__SRV__DETAIL__SOLVE_IK__ROSIDL_TYPESUPPORT_CPP_HPP_
