// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "rosidl_typesupport_introspection_cpp/identifier.hpp"

namespace rosidl_typesupport_introspection_cpp
{

const char * typesupport_identifier = "rosidl_typesupport_introspection_cpp";

}  // namespace rosidl_typesupport_introspection_cpp
