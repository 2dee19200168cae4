// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef INTERNAL__TYPE_SUPPORT_MAP_LOOKUP_H_
#define INTERNAL__TYPE_SUPPORT_MAP_LOOKUP_H_

// The loading mechanics of the C and the C++ dispatch stand-ins. Each stand-in library compiles
// this source in with hidden visibility and wraps it in its two typed dispatch functions.

#include "rosidl_typesupport_c/type_support_map.h"

#ifdef __cplusplus
extern "C"
{
#endif

/// What a dispatch lookup came to.
typedef enum type_support_map_lookup_result
{
  /// `identifier` is the handle's own: the dispatch returns the handle itself.
  TYPE_SUPPORT_MAP_LOOKUP_SELF,
  /// The getter of the entry named `identifier` was found.
  TYPE_SUPPORT_MAP_LOOKUP_GETTER,
  /// No getter; the rcutils error message says why.
  TYPE_SUPPORT_MAP_LOOKUP_FAILED
} type_support_map_lookup_result;

/// Finds the getter of type support `identifier` for the handle that has `handle_identifier`
/// and `handle_data`.
/**
 * The handle must be a handle of the dispatch named `dispatch_identifier` (texts compared),
 * whose data is a type_support_map_t. The entry's library, lib<package_name>__<identifier>.so,
 * is opened by name through the loader's search path at the first lookup of that entry and
 * stays loaded for the life of the process; its handle is kept in the entry's `data` slot.
 * Concurrent first lookups may each open it, but the slot keeps the first handle stored and holds
 * one reference to the library. No lock is held while the loader runs, so a library's
 * initialiser may look type supports up, on its own thread or on another. On GETTER, `*getter` is the address of the
 * entry's getter, which takes no argument and returns a handle; otherwise it is null. The
 * entries themselves are the interface package's constants and are not checked.
 */
__attribute__((visibility("hidden")))
type_support_map_lookup_result
type_support_map_lookup(
  const char * dispatch_identifier, const char * handle_identifier, const void * handle_data,
  const char * identifier, void ** getter);

#ifdef __cplusplus
}
#endif

#endif  // INTERNAL__TYPE_SUPPORT_MAP_LOOKUP_H_
