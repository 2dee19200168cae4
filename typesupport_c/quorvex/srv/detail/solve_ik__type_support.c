// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "quorvex/srv/detail/solve_ik__type_support.h"

#include "quorvex/srv/detail/dispatch_map.h"

QUORVEX__SRV__DISPATCH__DEFINE_C_SERVICE(SolveIK)
