// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__SOLVE_IK_H_
#define QUORVEX__SRV__SOLVE_IK_H_

#include "quorvex/srv/detail/solve_ik__struct.h"
#include "quorvex/srv/detail/solve_ik__functions.h"

#endif  // QUORVEX__SRV__SOLVE_IK_H_
