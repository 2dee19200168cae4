// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// Runs with a library path that holds none of the package's type supports (see CMakeLists.txt):
// asking for any of them gives null and an error naming the library and the getter, every time.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <string>

#include "dispatch_cases.hpp"

namespace
{

using dispatch_cases::Interface;
using dispatch_cases::TypeSupport;

TEST(MissingLibrary, GivesNullAndAnErrorNamingTheLibraryAndTheGetter)
{
  for (const TypeSupport & type_support : dispatch_cases::type_supports()) {
    const std::string library = dispatch_cases::library_name(type_support.identifier);
    // Otherwise the case would prove nothing: the environment must lack the library.
    void * found = dlopen(library.c_str(), RTLD_NOW | RTLD_NOLOAD);
    ASSERT_EQ(nullptr, found) << library << " is loaded already";
    found = dlopen(library.c_str(), RTLD_LAZY);
    if (found != nullptr) {
      dlclose(found);
    }
    ASSERT_EQ(nullptr, found) << library << " is on the library path";

    for (const Interface & interface : dispatch_cases::interfaces()) {
      SCOPED_TRACE(std::string(type_support.identifier) + " of " + interface.name);
      const void * dispatch = dispatch_cases::dispatch_handle(interface, type_support);
      // A second request fails the same way: a failed load leaves nothing behind.
      for (int attempt = 0; attempt < 2; ++attempt) {
        dispatch_cases::take_error();
        EXPECT_EQ(nullptr, dispatch_cases::reach(interface, dispatch, type_support.identifier));
        const std::string error = dispatch_cases::take_error();
        EXPECT_NE(std::string::npos, error.find(library)) << error;
        EXPECT_NE(
          std::string::npos,
          error.find(dispatch_cases::getter_name(type_support.identifier, interface))) << error;
      }
      // The dispatch handle still answers for itself.
      const char * own = dispatch_cases::handle_fields(interface, dispatch).typesupport_identifier;
      EXPECT_EQ(dispatch, dispatch_cases::reach(interface, dispatch, own));
    }
  }
}

}  // namespace
