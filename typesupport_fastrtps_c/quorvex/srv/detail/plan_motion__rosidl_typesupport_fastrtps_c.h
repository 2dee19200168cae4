// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__PLAN_MOTION__ROSIDL_TYPESUPPORT_FASTRTPS_C_H_
#define QUORVEX__SRV__DETAIL__PLAN_MOTION__ROSIDL_TYPESUPPORT_FASTRTPS_C_H_

// The Fast-CDR type support of the C records quorvex__srv__PlanMotion_Request and _Response:
// handles whose typesupport_identifier is rosidl_typesupport_fastrtps_c__identifier and whose
// data is a message_type_support_callbacks_t (service: service_type_support_callbacks_t) of
// rosidl_typesupport_fastrtps_cpp. The callbacks write the bytes that the C++ library writes for
// equal C++ records and refuse what it refuses, as BadParamException. Reading, the callback
// returns false if memory runs out and throws a Fast-CDR exception for a malformed stream; after
// either the record is still valid and nothing leaks.

#include "quorvex/msg/rosidl_typesupport_fastrtps_c__visibility_control.h"
#include "quorvex/srv/detail/type_support_handles.h"

#ifdef __cplusplus
extern "C"
{
#endif

// C-linkage getters, e.g.
// rosidl_typesupport_fastrtps_c__get_message_type_support_handle__quorvex__srv__PlanMotion_Request.
// The handles are complete once the library is loaded.
QUORVEX__SRV__DECLARE_C_GETTERS(
  rosidl_typesupport_fastrtps_c, ROSIDL_TYPESUPPORT_FASTRTPS_C_PUBLIC_quorvex, PlanMotion)

#ifdef __cplusplus
}
#endif

#endif  // QUORVEX__SRV__DETAIL__PLAN_MOTION__ROSIDL_TYPESUPPORT_FASTRTPS_C_H_
