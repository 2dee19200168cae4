// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__PLAN_MOTION__TRAITS_HPP_
#define QUORVEX__SRV__DETAIL__PLAN_MOTION__TRAITS_HPP_

#include "quorvex/srv/detail/message_traits.hpp"
#include "quorvex/srv/detail/plan_motion__members.h"
#include "quorvex/srv/detail/plan_motion__struct.hpp"
#include "quorvex/srv/detail/yaml.hpp"

// The YAML writers of the two messages (to_yaml, to_flow_style_yaml, to_block_style_yaml,
// operator<<; yaml.hpp says what they write) and the traits of the messages and the service.
QUORVEX_SRV_DEFINE_YAML(PlanMotion_Request, QUORVEX_PLAN_MOTION_REQUEST_MEMBERS_WITH)
QUORVEX_SRV_DEFINE_YAML(PlanMotion_Response, QUORVEX_PLAN_MOTION_RESPONSE_MEMBERS_WITH)
QUORVEX_SRV_DEFINE_MESSAGE_TRAITS(
  PlanMotion_Request, QUORVEX_PLAN_MOTION_REQUEST_MEMBERS_WITH, is_service_request)
QUORVEX_SRV_DEFINE_MESSAGE_TRAITS(
  PlanMotion_Response, QUORVEX_PLAN_MOTION_RESPONSE_MEMBERS_WITH, is_service_response)
QUORVEX_SRV_DEFINE_SERVICE_TRAITS(PlanMotion)

#endif  // QUORVEX__SRV__DETAIL__PLAN_MOTION__TRAITS_HPP_
