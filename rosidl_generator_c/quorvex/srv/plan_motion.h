// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__PLAN_MOTION_H_
#define QUORVEX__SRV__PLAN_MOTION_H_

#include "quorvex/srv/detail/plan_motion__struct.h"
#include "quorvex/srv/detail/plan_motion__functions.h"

#endif  // QUORVEX__SRV__PLAN_MOTION_H_
