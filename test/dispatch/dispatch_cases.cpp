// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "dispatch_cases.hpp"

#include <dlfcn.h>

#include <string>
#include <vector>

#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_cpp.hpp"
#include "quorvex/srv/detail/plan_motion__type_support.h"
#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_cpp.hpp"
#include "quorvex/srv/detail/solve_ik__type_support.h"
#include "rcutils/error_handling.h"

namespace dispatch_cases
{

const std::vector<TypeSupport> & type_supports()
{
  static const std::vector<TypeSupport> all{
    {"rosidl_typesupport_fastrtps_c", false},
    {"rosidl_typesupport_introspection_c", false},
    {"rosidl_typesupport_fastrtps_cpp", true},
    {"rosidl_typesupport_introspection_cpp", true},
  };
  return all;
}

namespace
{

template<typename Message>
const void * cpp_message()
{
  return rosidl_typesupport_cpp::get_message_type_support_handle<Message>();
}

template<typename Service>
const void * cpp_service()
{
  return rosidl_typesupport_cpp::get_service_type_support_handle<Service>();
}

// The C getters as ROSIDL_GET_MSG_TYPE_SUPPORT and ROSIDL_GET_SRV_TYPE_SUPPORT name them.
#define C_MESSAGE(Message) \
  [] { \
    return static_cast<const void *>(ROSIDL_GET_MSG_TYPE_SUPPORT(quorvex, srv, Message)); \
  }
#define C_SERVICE(Service) \
  [] { \
    return static_cast<const void *>(ROSIDL_GET_SRV_TYPE_SUPPORT(quorvex, srv, Service)); \
  }

}  // namespace

const std::vector<Interface> & interfaces()
{
  static const std::vector<Interface> all{
    {"PlanMotion_Request", false, C_MESSAGE(PlanMotion_Request),
      cpp_message<quorvex::srv::PlanMotion_Request>},
    {"PlanMotion_Response", false, C_MESSAGE(PlanMotion_Response),
      cpp_message<quorvex::srv::PlanMotion_Response>},
    {"SolveIK_Request", false, C_MESSAGE(SolveIK_Request),
      cpp_message<quorvex::srv::SolveIK_Request>},
    {"SolveIK_Response", false, C_MESSAGE(SolveIK_Response),
      cpp_message<quorvex::srv::SolveIK_Response>},
    {"PlanMotion", true, C_SERVICE(PlanMotion), cpp_service<quorvex::srv::PlanMotion>},
    {"SolveIK", true, C_SERVICE(SolveIK), cpp_service<quorvex::srv::SolveIK>},
  };
  return all;
}

Handle handle_fields(const Interface & interface, const void * handle)
{
  if (interface.is_service) {
    const auto * service = static_cast<const rosidl_service_type_support_t *>(handle);
    return Handle{service->typesupport_identifier, service->data};
  }
  const auto * message = static_cast<const rosidl_message_type_support_t *>(handle);
  return Handle{message->typesupport_identifier, message->data};
}

const void * dispatch_handle(const Interface & interface, const TypeSupport & type_support)
{
  return type_support.cpp ? interface.cpp_handle() : interface.c_handle();
}

const void * reach(const Interface & interface, const void * dispatch, const char * identifier)
{
  if (interface.is_service) {
    return get_service_typesupport_handle(
      static_cast<const rosidl_service_type_support_t *>(dispatch), identifier);
  }
  return get_message_typesupport_handle(
    static_cast<const rosidl_message_type_support_t *>(dispatch), identifier);
}

std::string library_name(const char * identifier)
{
  return std::string("libquorvex__") + identifier + ".so";
}

std::string getter_name(const char * identifier, const Interface & interface)
{
  return std::string(identifier) + "__get_" + (interface.is_service ? "service" : "message") +
         "_type_support_handle__quorvex__srv__" + interface.name;
}

const void * loaded_getter_result(const char * identifier, const Interface & interface)
{
  void * library = dlopen(library_name(identifier).c_str(), RTLD_NOW | RTLD_NOLOAD);
  if (library == nullptr) {
    return nullptr;
  }
  void * symbol = dlsym(library, getter_name(identifier, interface).c_str());
  const void * handle = nullptr;
  if (symbol != nullptr && interface.is_service) {
    handle = reinterpret_cast<const rosidl_service_type_support_t * (*)()>(symbol)();
  } else if (symbol != nullptr) {
    handle = reinterpret_cast<const rosidl_message_type_support_t * (*)()>(symbol)();
  }
  dlclose(library);  // Only drops the reference RTLD_NOLOAD took.
  return handle;
}

std::string take_error()
{
  if (!rcutils_error_is_set()) {
    return std::string();
  }
  std::string message = rcutils_get_error_string().str;
  rcutils_reset_error();
  return message;
}

}  // namespace dispatch_cases
