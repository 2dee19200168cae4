// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_cpp.hpp"

#include "dispatch_handles.hpp"
#include "quorvex/srv/detail/plan_motion__struct.hpp"

QUORVEX__SRV__DISPATCH__DEFINE_CPP_SERVICE(PlanMotion)
