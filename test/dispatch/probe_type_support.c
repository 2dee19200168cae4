// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// A type-support library of the package "dispatch_probe" for the lookup tests:
// libdispatch_probe__probe_type_support.so, which the dispatch loads by name.

#include <stddef.h>

#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_c/service_type_support_struct.h"

static const rosidl_message_type_support_t probe_message_handle = {
  .typesupport_identifier = "probe_type_support",
  .data = NULL,
  .func = NULL,
};

static const rosidl_service_type_support_t probe_service_handle = {
  .typesupport_identifier = "probe_type_support",
  .data = NULL,
  .func = NULL,
};

const rosidl_message_type_support_t *
probe_message_getter(void)
{
  return &probe_message_handle;
}

const rosidl_service_type_support_t *
probe_service_getter(void)
{
  return &probe_service_handle;
}
