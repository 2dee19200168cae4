// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// The extension module quorvex.quorvex_s__<type support>, built once for each C type support
// (QUORVEX_PY_TYPE_SUPPORT: rosidl_typesupport_c, rosidl_typesupport_fastrtps_c or
// rosidl_typesupport_introspection_c). It holds, as capsules without names, what rclpy takes
// from a message class: for each message the functions that create, destroy and convert its C
// record and the type-support handle, and for each service its handle.

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <stdint.h>

#include "quorvex/srv/detail/py_conversions.h"
#include "quorvex/srv/plan_motion.h"
#include "quorvex/srv/solve_ik.h"
#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_c/service_type_support_struct.h"
#include "rosidl_typesupport_interface/macros.h"

#ifndef QUORVEX_PY_TYPE_SUPPORT
#error "QUORVEX_PY_TYPE_SUPPORT must name the type support of the module"
#endif

#define QUORVEX_PY_TEXT(name) QUORVEX_PY_TEXT_(name)
#define QUORVEX_PY_TEXT_(name) #name
#define QUORVEX_PY_INIT(name) QUORVEX_PY_INIT_(name)
#define QUORVEX_PY_INIT_(name) PyInit_quorvex_s__ ## name

// The messages and services: (name in C, name in the capsules' names).
#define QUORVEX_PY_MESSAGES(X) \
  X(SolveIK_Request, solve_ik__request) \
  X(SolveIK_Response, solve_ik__response) \
  X(PlanMotion_Request, plan_motion__request) \
  X(PlanMotion_Response, plan_motion__response)

#define QUORVEX_PY_SERVICES(X) \
  X(SolveIK, solve_ik) \
  X(PlanMotion, plan_motion)

// The handle getters of the type support this module is built for, in its library.
#define QUORVEX_PY_DECLARE_MESSAGE_GETTER(Message, snake) \
  const rosidl_message_type_support_t * \
  ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME( \
    QUORVEX_PY_TYPE_SUPPORT, quorvex, srv, Message)(void);
#define QUORVEX_PY_DECLARE_SERVICE_GETTER(Service, snake) \
  const rosidl_service_type_support_t * \
  ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME( \
    QUORVEX_PY_TYPE_SUPPORT, quorvex, srv, Service)(void);
QUORVEX_PY_MESSAGES(QUORVEX_PY_DECLARE_MESSAGE_GETTER)
QUORVEX_PY_SERVICES(QUORVEX_PY_DECLARE_SERVICE_GETTER)

// rclpy calls create as void * (*)(void) and destroy as void (*)(void *): these give the
// records' own functions exactly those types.
#define QUORVEX_PY_DEFINE_LIFECYCLE(Message, snake) \
  static void * create_ ## snake(void) {return quorvex__srv__ ## Message ## __create();} \
  static void destroy_ ## snake(void * ros_message) \
  { \
    quorvex__srv__ ## Message ## __destroy(ros_message); \
  }
QUORVEX_PY_MESSAGES(QUORVEX_PY_DEFINE_LIFECYCLE)

// A capsule's pointer is a void *; the function pointers pass through an integer, the
// conversion that POSIX makes well defined (as for dlsym's result).
#define QUORVEX_PY_FUNCTION_ADDRESS(function) ((void *)(uintptr_t)(function))

// Adds a capsule without a name holding `pointer` to the module; false with an exception set on
// failure.
static int
add_capsule(PyObject * module, const char * name, void * pointer)
{
  PyObject * capsule = PyCapsule_New(pointer, NULL, NULL);
  if (capsule == NULL) {
    return -1;
  }
  const int result = PyModule_AddObjectRef(module, name, capsule);
  Py_DECREF(capsule);
  return result;
}

#define QUORVEX_PY_ADD_MESSAGE_CAPSULES(Message, snake) \
  if (add_capsule( \
      module, "create_ros_message_msg__srv__" #snake, \
      QUORVEX_PY_FUNCTION_ADDRESS(create_ ## snake)) != 0 || \
    add_capsule( \
      module, "destroy_ros_message_msg__srv__" #snake, \
      QUORVEX_PY_FUNCTION_ADDRESS(destroy_ ## snake)) != 0 || \
    add_capsule( \
      module, "convert_from_py_msg__srv__" #snake, \
      QUORVEX_PY_FUNCTION_ADDRESS(quorvex__srv__ ## snake ## __convert_from_py)) != 0 || \
    add_capsule( \
      module, "convert_to_py_msg__srv__" #snake, \
      QUORVEX_PY_FUNCTION_ADDRESS(quorvex__srv__ ## snake ## __convert_to_py)) != 0 || \
    add_capsule( \
      module, "type_support_msg__srv__" #snake, \
      (void *)ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME( \
        QUORVEX_PY_TYPE_SUPPORT, quorvex, srv, Message)()) != 0) \
  { \
    return -1; \
  }

#define QUORVEX_PY_ADD_SERVICE_CAPSULE(Service, snake) \
  if (add_capsule( \
      module, "type_support_srv__srv__" #snake, \
      (void *)ROSIDL_TYPESUPPORT_INTERFACE__SERVICE_SYMBOL_NAME( \
        QUORVEX_PY_TYPE_SUPPORT, quorvex, srv, Service)()) != 0) \
  { \
    return -1; \
  }

static int
add_capsules(PyObject * module)
{
  QUORVEX_PY_MESSAGES(QUORVEX_PY_ADD_MESSAGE_CAPSULES)
  QUORVEX_PY_SERVICES(QUORVEX_PY_ADD_SERVICE_CAPSULE)
  return 0;
}

static PyModuleDef_Slot module_slots[] = {
  {Py_mod_exec, (void *)(uintptr_t)add_capsules},
  {0, NULL},
};

static struct PyModuleDef module_definition = {
  PyModuleDef_HEAD_INIT,
  .m_name = "quorvex.quorvex_s__" QUORVEX_PY_TEXT(QUORVEX_PY_TYPE_SUPPORT),
  .m_doc = "The C records and the " QUORVEX_PY_TEXT(QUORVEX_PY_TYPE_SUPPORT) " handles of the "
    "quorvex.srv messages and services, as capsules for rclpy.",
  .m_size = 0,
  .m_slots = module_slots,
};

PyMODINIT_FUNC
QUORVEX_PY_INIT(QUORVEX_PY_TYPE_SUPPORT)(void)
{
  return PyModuleDef_Init(&module_definition);
}
