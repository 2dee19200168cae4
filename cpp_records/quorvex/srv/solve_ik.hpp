// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__SOLVE_IK_HPP_
#define QUORVEX__SRV__SOLVE_IK_HPP_

#include "quorvex/srv/detail/solve_ik__builder.hpp"
#include "quorvex/srv/detail/solve_ik__struct.hpp"
#include "quorvex/srv/detail/solve_ik__traits.hpp"

#endif  // QUORVEX__SRV__SOLVE_IK_HPP_
