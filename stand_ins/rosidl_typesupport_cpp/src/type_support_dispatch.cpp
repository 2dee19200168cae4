// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "rcutils/error_handling.h"
#include "rosidl_typesupport_cpp/identifier.hpp"
#include "rosidl_typesupport_cpp/message_type_support_dispatch.hpp"
#include "rosidl_typesupport_cpp/service_type_support_dispatch.hpp"
#include "internal/type_support_map_lookup.h"

namespace rosidl_typesupport_cpp
{
namespace
{

// Both twins: Handle is rosidl_message_type_support_t or rosidl_service_type_support_t.
template<typename Handle>
const Handle * dispatch(const Handle * handle, const char * identifier)
{
  RCUTILS_CHECK_ARGUMENT_FOR_NULL(handle, nullptr);
  void * symbol;
  switch (type_support_map_lookup(
      typesupport_identifier, handle->typesupport_identifier, handle->data, identifier, &symbol))
  {
    case TYPE_SUPPORT_MAP_LOOKUP_SELF:
      return handle;
    case TYPE_SUPPORT_MAP_LOOKUP_GETTER:
      // POSIX guarantees that dlsym's result may be used as a function pointer.
      return reinterpret_cast<const Handle * (*)()>(symbol)();
    default:
      return nullptr;
  }
}

}  // namespace

const rosidl_message_type_support_t *
get_message_typesupport_handle_function(
  const rosidl_message_type_support_t * handle, const char * identifier)
{
  return dispatch(handle, identifier);
}

const rosidl_service_type_support_t *
get_service_typesupport_handle_function(
  const rosidl_service_type_support_t * handle, const char * identifier)
{
  return dispatch(handle, identifier);
}

}  // namespace rosidl_typesupport_cpp
