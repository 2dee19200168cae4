// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__SOLVE_IK_H_
#define QUORVEX__SRV__SOLVE_IK_H_

// What a C node includes for the service SolveIK: its records, their functions, and the
// rosidl_typesupport_c getters that ROSIDL_GET_SRV_TYPE_SUPPORT(quorvex, srv, SolveIK) and
// ROSIDL_GET_MSG_TYPE_SUPPORT(quorvex, srv, SolveIK_Request) call (defined in
// libquorvex__rosidl_typesupport_c).

#include "quorvex/srv/detail/solve_ik__struct.h"
#include "quorvex/srv/detail/solve_ik__functions.h"
#include "quorvex/srv/detail/solve_ik__type_support.h"

#endif  // QUORVEX__SRV__SOLVE_IK_H_
