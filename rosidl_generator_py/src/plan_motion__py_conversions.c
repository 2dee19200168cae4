// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// The Python conversions of the PlanMotion messages, expanded from their member tables; see
// py_members.h for the step of each kind of member.

#include <stdbool.h>

#include "quorvex/srv/detail/py_conversions.h"
#include "quorvex/srv/detail/plan_motion__members.h"
#include "quorvex/srv/detail/plan_motion__struct.h"
#include "quorvex/srv/detail/py_members.h"

bool
quorvex__srv__plan_motion__request__convert_from_py(PyObject * _pymsg, void * _ros_message)
{
  static const quorvex_py__Message message = QUORVEX_PY_MESSAGE("_plan_motion", PlanMotion_Request);
  if (!quorvex_py__check_from_py(&message, _pymsg, _ros_message)) {
    return false;
  }
  PyObject * py_message = _pymsg;
  quorvex__srv__PlanMotion_Request * ros_message = _ros_message;
  QUORVEX_PLAN_MOTION_REQUEST_MEMBERS(QUORVEX_PY_FROM_PY)
  return true;
}

PyObject *
quorvex__srv__plan_motion__request__convert_to_py(void * raw_ros_message)
{
  static const quorvex_py__Message message = QUORVEX_PY_MESSAGE("_plan_motion", PlanMotion_Request);
  PyObject * py_message = quorvex_py__new_instance(&message, raw_ros_message);
  if (py_message == NULL) {
    return NULL;
  }
  const quorvex__srv__PlanMotion_Request * ros_message = raw_ros_message;
  QUORVEX_PLAN_MOTION_REQUEST_MEMBERS(QUORVEX_PY_TO_PY)
  return py_message;
}

bool
quorvex__srv__plan_motion__response__convert_from_py(PyObject * _pymsg, void * _ros_message)
{
  static const quorvex_py__Message message =
    QUORVEX_PY_MESSAGE("_plan_motion", PlanMotion_Response);
  if (!quorvex_py__check_from_py(&message, _pymsg, _ros_message)) {
    return false;
  }
  PyObject * py_message = _pymsg;
  quorvex__srv__PlanMotion_Response * ros_message = _ros_message;
  QUORVEX_PLAN_MOTION_RESPONSE_MEMBERS(QUORVEX_PY_FROM_PY)
  return true;
}

PyObject *
quorvex__srv__plan_motion__response__convert_to_py(void * raw_ros_message)
{
  static const quorvex_py__Message message =
    QUORVEX_PY_MESSAGE("_plan_motion", PlanMotion_Response);
  PyObject * py_message = quorvex_py__new_instance(&message, raw_ros_message);
  if (py_message == NULL) {
    return NULL;
  }
  const quorvex__srv__PlanMotion_Response * ros_message = raw_ros_message;
  QUORVEX_PLAN_MOTION_RESPONSE_MEMBERS(QUORVEX_PY_TO_PY)
  return py_message;
}
