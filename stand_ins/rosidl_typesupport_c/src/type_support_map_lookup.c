// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "internal/type_support_map_lookup.h"

#include <dlfcn.h>
#include <stdio.h>
#include <string.h>

#include "rcutils/error_handling.h"

// A file name holds at most NAME_MAX (255) bytes.
#define LIBRARY_NAME_CAPACITY 256

// The library in `*slot`, opened by name at the first call. Null with an error message when it
// cannot be opened; the slot then stays null, so a later lookup tries again.
//
// No lock of the dispatch is held while the loader runs: dlopen and dlsym take the loader's own
// lock, under which dlopen also runs the initialisers of the libraries it loads, and such an
// initialiser may itself look a type support up. A lock held around dlopen here would be taken in
// the opposite order by that initialiser's thread, and the two threads would wait for each other
// for good. Instead every thread that finds the slot empty opens the library itself; the loader
// opens a library once and only counts further opens, so the first handle stored in the slot
// stays, and a thread that lost the race gives its extra reference back. A filled slot is read
// without a lock: its acquire load pairs with the release of the store, so what the library's
// initialisers wrote is visible to every thread that finds the handle there.
static void *
load_library(void ** slot, const char * library_name, const char * symbol_name)
{
  void * library = __atomic_load_n(slot, __ATOMIC_ACQUIRE);
  if (NULL != library) {
    return library;
  }
  // RTLD_NOW: a library with unresolved symbols fails here, not in the middle of a call.
  library = dlopen(library_name, RTLD_NOW | RTLD_LOCAL);
  if (NULL == library) {
    const char * reason = dlerror();
    RCUTILS_SET_ERROR_MSG_WITH_FORMAT_STRING(
      "could not load '%s' for '%s': %s", library_name, symbol_name,
      reason ? reason : "unknown error");
    return NULL;
  }
  void * stored = NULL;
  if (!__atomic_compare_exchange_n(
      slot, &stored, library, false, __ATOMIC_ACQ_REL, __ATOMIC_ACQUIRE))
  {
    // Another thread stored its handle first; both name the same loaded library.
    dlclose(library);
    library = stored;
  }
  return library;
}

type_support_map_lookup_result
type_support_map_lookup(
  const char * dispatch_identifier, const char * handle_identifier, const void * handle_data,
  const char * identifier, void ** getter)
{
  *getter = NULL;
  if (NULL == identifier) {
    RCUTILS_SET_ERROR_MSG("identifier argument is null");
    return TYPE_SUPPORT_MAP_LOOKUP_FAILED;
  }
  if (NULL == handle_identifier) {
    RCUTILS_SET_ERROR_MSG("handle has no typesupport_identifier");
    return TYPE_SUPPORT_MAP_LOOKUP_FAILED;
  }
  if (0 == strcmp(handle_identifier, identifier)) {
    return TYPE_SUPPORT_MAP_LOOKUP_SELF;
  }
  if (0 != strcmp(handle_identifier, dispatch_identifier)) {
    RCUTILS_SET_ERROR_MSG_WITH_FORMAT_STRING(
      "handle of type support '%s' is not a '%s' handle and cannot lead to '%s'",
      handle_identifier, dispatch_identifier, identifier);
    return TYPE_SUPPORT_MAP_LOOKUP_FAILED;
  }
  const type_support_map_t * map = handle_data;
  if (NULL == map) {
    RCUTILS_SET_ERROR_MSG_WITH_FORMAT_STRING(
      "'%s' handle has no type support map", dispatch_identifier);
    return TYPE_SUPPORT_MAP_LOOKUP_FAILED;
  }

  size_t entry = 0;
  while (entry < map->size && 0 != strcmp(map->typesupport_identifier[entry], identifier)) {
    ++entry;
  }
  if (entry == map->size) {
    RCUTILS_SET_ERROR_MSG_WITH_FORMAT_STRING(
      "type support '%s' is not one of the %zu that package '%s' offers for this type",
      identifier, map->size, map->package_name);
    return TYPE_SUPPORT_MAP_LOOKUP_FAILED;
  }

  const char * symbol_name = map->symbol_name[entry];
  char library_name[LIBRARY_NAME_CAPACITY];
  const int length = snprintf(
    library_name, sizeof(library_name), "lib%s__%s.so", map->package_name, identifier);
  if (length < 0 || (size_t)length >= sizeof(library_name)) {
    RCUTILS_SET_ERROR_MSG_WITH_FORMAT_STRING(
      "the library name of package '%s' and type support '%s' is too long for a file name",
      map->package_name, identifier);
    return TYPE_SUPPORT_MAP_LOOKUP_FAILED;
  }
  void * library = load_library(&map->data[entry], library_name, symbol_name);
  if (NULL == library) {
    return TYPE_SUPPORT_MAP_LOOKUP_FAILED;
  }
  dlerror();  // A null dlsym result is an error only if dlerror then has one.
  *getter = dlsym(library, symbol_name);
  if (NULL == *getter) {
    const char * reason = dlerror();
    RCUTILS_SET_ERROR_MSG_WITH_FORMAT_STRING(
      "'%s' has no getter '%s': %s", library_name, symbol_name,
      reason ? reason : "the symbol is null");
    return TYPE_SUPPORT_MAP_LOOKUP_FAILED;
  }
  return TYPE_SUPPORT_MAP_LOOKUP_GETTER;
}
