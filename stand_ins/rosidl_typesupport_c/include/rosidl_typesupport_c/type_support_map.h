// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef ROSIDL_TYPESUPPORT_C__TYPE_SUPPORT_MAP_H_
#define ROSIDL_TYPESUPPORT_C__TYPE_SUPPORT_MAP_H_

#include <stddef.h>

#ifdef __cplusplus
extern "C"
{
#endif

/// What a dispatch handle carries in its `data`: where each type support of one type lives.
/**
 * Entry i names the type support `typesupport_identifier[i]`, found in the library
 * lib<package_name>__<typesupport_identifier[i]>.so under the getter `symbol_name[i]`. The
 * dispatch keeps that library's handle in `data[i]`, which is null until the first lookup.
 */
typedef struct type_support_map_t
{
  /// Number of entries.
  const size_t size;
  /// Package of the type, the first part of the libraries' names.
  const char * package_name;
  const char * const * typesupport_identifier;
  const char * const * symbol_name;
  /// One slot per entry, owned by the dispatch.
  void ** data;
} type_support_map_t;

#ifdef __cplusplus
}
#endif

#endif  // ROSIDL_TYPESUPPORT_C__TYPE_SUPPORT_MAP_H_
