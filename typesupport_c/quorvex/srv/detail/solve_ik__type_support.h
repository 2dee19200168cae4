// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__SOLVE_IK__TYPE_SUPPORT_H_
#define QUORVEX__SRV__DETAIL__SOLVE_IK__TYPE_SUPPORT_H_

#include "quorvex/msg/rosidl_typesupport_c__visibility_control.h"
#include "quorvex/srv/detail/type_support_handles.h"

#ifdef __cplusplus
extern "C"
{
#endif

// The C dispatch handles of the service SolveIK and its messages, e.g. for
// ROSIDL_GET_SRV_TYPE_SUPPORT(quorvex, srv, SolveIK). A handle's func leads to the handle of the
// Fast-CDR C type support (rosidl_typesupport_fastrtps_c) or of the C introspection
// (rosidl_typesupport_introspection_c), loading that library at the first request.

QUORVEX__SRV__DECLARE_C_GETTERS(
  rosidl_typesupport_c, ROSIDL_TYPESUPPORT_C_PUBLIC_quorvex, SolveIK)

#ifdef __cplusplus
}
#endif

#endif  // QUORVEX__SRV__DETAIL__SOLVE_IK__TYPE_SUPPORT_H_
