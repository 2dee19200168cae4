// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__SOLVE_IK__ROSIDL_TYPESUPPORT_FASTRTPS_CPP_HPP_
#define QUORVEX__SRV__DETAIL__SOLVE_IK__ROSIDL_TYPESUPPORT_FASTRTPS_CPP_HPP_

#include "quorvex/srv/detail/cdr_declarations.hpp"
#include "quorvex/srv/detail/solve_ik__struct.hpp"

// cdr_serialize, cdr_deserialize, get_serialized_size and max_serialized_size_<Message> of
// SolveIK_Request and SolveIK_Response, and the getters of the handles
// (cdr_declarations.hpp says what each one does).
QUORVEX_CDR_DECLARE_SERVICE(SolveIK)

#endif  // QUORVEX__SRV__DETAIL__SOLVE_IK__ROSIDL_TYPESUPPORT_FASTRTPS_CPP_HPP_
