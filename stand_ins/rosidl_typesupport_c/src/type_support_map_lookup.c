// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "internal/type_support_map_lookup.h"

#include <dlfcn.h>
#include <pthread.h>
#include <stdio.h>
#include <string.h>

#include "rcutils/error_handling.h"

// One lock for the slots of every map: loads are rare (a type support's first use) and a
// library must never be opened twice for one slot. It also orders each slot's write before the
// reads of the threads that come later. dlopen runs the loaded library's initialisers under this
// lock, so those initialisers must not look anything up through a dispatch handle.
static pthread_mutex_t slots_lock = PTHREAD_MUTEX_INITIALIZER;

// A file name holds at most NAME_MAX (255) bytes.
#define LIBRARY_NAME_CAPACITY 256

// The library in `*slot`, opened by name at the first call. Null with an error message when it
// cannot be opened; the slot then stays null, so a later lookup tries again.
static void *
load_library(void ** slot, const char * library_name, const char * symbol_name)
{
  pthread_mutex_lock(&slots_lock);
  if (NULL == *slot) {
    // RTLD_NOW: a library with unresolved symbols fails here, not in the middle of a call.
    *slot = dlopen(library_name, RTLD_NOW | RTLD_LOCAL);
    if (NULL == *slot) {
      const char * reason = dlerror();
      RCUTILS_SET_ERROR_MSG_WITH_FORMAT_STRING(
        "could not load '%s' for '%s': %s", library_name, symbol_name,
        reason ? reason : "unknown error");
    }
  }
  void * library = *slot;
  pthread_mutex_unlock(&slots_lock);
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
