// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include <string.h>

#include "rcutils/error_handling.h"
#include "rosidl_typesupport_c/identifier.h"
#include "rosidl_typesupport_c/message_type_support_dispatch.h"
#include "rosidl_typesupport_c/service_type_support_dispatch.h"
#include "internal/type_support_map_lookup.h"

typedef const rosidl_message_type_support_t * (* message_getter)(void);
typedef const rosidl_service_type_support_t * (* service_getter)(void);

// ISO C has no cast from an object pointer to a function pointer; POSIX guarantees that dlsym's
// result may be used as one, so the bytes are copied.
_Static_assert(sizeof(void *) == sizeof(message_getter), "getters have object pointer size");

const rosidl_message_type_support_t *
rosidl_typesupport_c__get_message_typesupport_handle_function(
  const rosidl_message_type_support_t * handle, const char * identifier)
{
  RCUTILS_CHECK_ARGUMENT_FOR_NULL(handle, NULL);
  void * symbol;
  switch (type_support_map_lookup(
      rosidl_typesupport_c__typesupport_identifier, handle->typesupport_identifier,
      handle->data, identifier, &symbol))
  {
    case TYPE_SUPPORT_MAP_LOOKUP_SELF:
      return handle;
    case TYPE_SUPPORT_MAP_LOOKUP_GETTER: {
        message_getter getter;
        memcpy(&getter, &symbol, sizeof(getter));
        return getter();
      }
    default:
      return NULL;
  }
}

const rosidl_service_type_support_t *
rosidl_typesupport_c__get_service_typesupport_handle_function(
  const rosidl_service_type_support_t * handle, const char * identifier)
{
  RCUTILS_CHECK_ARGUMENT_FOR_NULL(handle, NULL);
  void * symbol;
  switch (type_support_map_lookup(
      rosidl_typesupport_c__typesupport_identifier, handle->typesupport_identifier,
      handle->data, identifier, &symbol))
  {
    case TYPE_SUPPORT_MAP_LOOKUP_SELF:
      return handle;
    case TYPE_SUPPORT_MAP_LOOKUP_GETTER: {
        service_getter getter;
        memcpy(&getter, &symbol, sizeof(getter));
        return getter();
      }
    default:
      return NULL;
  }
}
