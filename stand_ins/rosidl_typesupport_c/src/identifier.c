// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "rosidl_typesupport_c/identifier.h"

const char * rosidl_typesupport_c__typesupport_identifier = "rosidl_typesupport_c";
