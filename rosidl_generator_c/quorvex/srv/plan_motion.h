// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__PLAN_MOTION_H_
#define QUORVEX__SRV__PLAN_MOTION_H_

// What a C node includes for the service PlanMotion: its records, their functions, and the
// rosidl_typesupport_c getters that ROSIDL_GET_SRV_TYPE_SUPPORT(quorvex, srv, PlanMotion) and
// ROSIDL_GET_MSG_TYPE_SUPPORT(quorvex, srv, PlanMotion_Request) call (defined in
// libquorvex__rosidl_typesupport_c).

#include "quorvex/srv/detail/plan_motion__struct.h"
#include "quorvex/srv/detail/plan_motion__functions.h"
#include "quorvex/srv/detail/plan_motion__type_support.h"

#endif  // QUORVEX__SRV__PLAN_MOTION_H_
