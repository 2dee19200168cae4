// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__TYPE_SUPPORT_GETTERS_HPP_
#define QUORVEX__SRV__DETAIL__TYPE_SUPPORT_GETTERS_HPP_

// The getters through which a C++ type support hands out the handles of a service and of its two
// messages, written once for every C++ type support of the package.

#include "quorvex/srv/detail/type_support_handles.h"

/// Declares, exported with `PUBLIC`, the getters of the type support `typesupport` (e.g.
/// rosidl_typesupport_cpp) for the service quorvex::srv::<Service> and its two messages: the
/// specialisations of typesupport::get_message_type_support_handle<Message>() and
/// typesupport::get_service_type_support_handle<Service>(), and the C-linkage getters, e.g.
/// rosidl_typesupport_cpp__get_message_type_support_handle__quorvex__srv__PlanMotion_Request().
/// The templates' declarations come from the type support's own headers.
#define QUORVEX_SRV_DECLARE_GETTERS(typesupport, PUBLIC, Service) \
  namespace typesupport \
  { \
  QUORVEX_SRV_DECLARE_GETTER(PUBLIC, message, Service ## _Request) \
  QUORVEX_SRV_DECLARE_GETTER(PUBLIC, message, Service ## _Response) \
  QUORVEX_SRV_DECLARE_GETTER(PUBLIC, service, Service) \
  } \
 \
  extern "C" \
  { \
  QUORVEX__SRV__DECLARE_C_GETTERS(typesupport, PUBLIC, Service) \
  }

/// Declares the specialisation of get_<kind>_type_support_handle<quorvex::srv::<Type>>().
#define QUORVEX_SRV_DECLARE_GETTER(PUBLIC, kind, Type) \
  template<> \
  PUBLIC \
  const rosidl_ ## kind ## _type_support_t * \
  get_ ## kind ## _type_support_handle<quorvex::srv::Type>();

/// Defines the getters that QUORVEX_SRV_DECLARE_GETTERS declares; each returns the address of
/// the handle <Message>_handle or <Service>_handle in the namespace `handles`.
#define QUORVEX_SRV_DEFINE_GETTERS(typesupport, Service, handles) \
  QUORVEX_SRV_DEFINE_GETTER(typesupport, MESSAGE, message, Service ## _Request, handles) \
  QUORVEX_SRV_DEFINE_GETTER(typesupport, MESSAGE, message, Service ## _Response, handles) \
  QUORVEX_SRV_DEFINE_GETTER(typesupport, SERVICE, service, Service, handles)

/// Defines the template and the C-linkage getter of the handle of `Type`, a message (`KIND`
/// MESSAGE, `kind` message) or a service (SERVICE, service).
#define QUORVEX_SRV_DEFINE_GETTER(typesupport, KIND, kind, Type, handles) \
  template<> \
  const rosidl_ ## kind ## _type_support_t * \
  typesupport::get_ ## kind ## _type_support_handle<quorvex::srv::Type>() \
  { \
    return &handles::Type ## _handle; \
  } \
 \
  QUORVEX__SRV__DEFINE_C_GETTER(typesupport, KIND, kind, Type, &handles::Type ## _handle)

#endif  // QUORVEX__SRV__DETAIL__TYPE_SUPPORT_GETTERS_HPP_
