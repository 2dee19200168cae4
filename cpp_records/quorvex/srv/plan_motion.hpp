// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__PLAN_MOTION_HPP_
#define QUORVEX__SRV__PLAN_MOTION_HPP_

#include "quorvex/srv/detail/plan_motion__builder.hpp"
#include "quorvex/srv/detail/plan_motion__struct.hpp"
#include "quorvex/srv/detail/plan_motion__traits.hpp"

#endif  // QUORVEX__SRV__PLAN_MOTION_HPP_
