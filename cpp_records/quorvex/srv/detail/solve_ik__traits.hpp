// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__SOLVE_IK__TRAITS_HPP_
#define QUORVEX__SRV__DETAIL__SOLVE_IK__TRAITS_HPP_

#include "quorvex/srv/detail/message_traits.hpp"
#include "quorvex/srv/detail/solve_ik__members.h"
#include "quorvex/srv/detail/solve_ik__struct.hpp"
#include "quorvex/srv/detail/yaml.hpp"

// The YAML writers of the two messages (to_yaml, to_flow_style_yaml, to_block_style_yaml,
// operator<<; yaml.hpp says what they write) and the traits of the messages and the service.
QUORVEX_SRV_DEFINE_YAML(SolveIK_Request, QUORVEX_SOLVE_IK_REQUEST_MEMBERS_WITH)
QUORVEX_SRV_DEFINE_YAML(SolveIK_Response, QUORVEX_SOLVE_IK_RESPONSE_MEMBERS_WITH)
QUORVEX_SRV_DEFINE_MESSAGE_TRAITS(
  SolveIK_Request, QUORVEX_SOLVE_IK_REQUEST_MEMBERS_WITH, is_service_request)
QUORVEX_SRV_DEFINE_MESSAGE_TRAITS(
  SolveIK_Response, QUORVEX_SOLVE_IK_RESPONSE_MEMBERS_WITH, is_service_response)
QUORVEX_SRV_DEFINE_SERVICE_TRAITS(SolveIK)

#endif  // QUORVEX__SRV__DETAIL__SOLVE_IK__TRAITS_HPP_
