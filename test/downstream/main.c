// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// Uses the installed record library through its public headers; exits 0 when all went well.

#include <stdio.h>

#include "quorvex/srv/plan_motion.h"
#include "quorvex/srv/solve_ik.h"
#include "rosidl_runtime_c/string_functions.h"

int main(void)
{
  int failures = 0;

  quorvex__srv__SolveIK_Request * request = quorvex__srv__SolveIK_Request__create();
  quorvex__srv__SolveIK_Request * copy = quorvex__srv__SolveIK_Request__create();
  if (!request || !copy ||
    !rosidl_runtime_c__String__assign(&request->tool_type, "gripper") ||
    !quorvex__srv__SolveIK_Request__copy(request, copy) ||
    !quorvex__srv__SolveIK_Request__are_equal(request, copy))
  {
    ++failures;
  }
  quorvex__srv__SolveIK_Request__destroy(copy);
  quorvex__srv__SolveIK_Request__destroy(request);

  quorvex__srv__PlanMotion_Response__Sequence * responses =
    quorvex__srv__PlanMotion_Response__Sequence__create(2);
  quorvex__srv__PlanMotion_Response__Sequence * copies =
    quorvex__srv__PlanMotion_Response__Sequence__create(0);
  if (!responses || !copies || responses->size != 2) {
    ++failures;
  } else {
    responses->data[1].n_points = 4;
    if (!quorvex__srv__PlanMotion_Response__Sequence__copy(responses, copies) ||
      !quorvex__srv__PlanMotion_Response__Sequence__are_equal(responses, copies))
    {
      ++failures;
    }
  }
  quorvex__srv__PlanMotion_Response__Sequence__destroy(copies);
  quorvex__srv__PlanMotion_Response__Sequence__destroy(responses);

  printf("%s\n", failures ? "downstream use failed" : "downstream use works");
  return failures;
}
