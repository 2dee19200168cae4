// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// The dispatch functions of the rosidl_typesupport_c and rosidl_typesupport_cpp stand-ins, with
// maps of a probe package: what they refuse, what they load, and the errors they report.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "probe_dispatch.hpp"
#include "rcutils/allocator.h"
#include "rcutils/error_handling.h"

// The test program defines rcutils_get_default_allocator and exports it (see CMakeLists.txt), so
// that the stand-ins reach this allocator, which fails every call and counts it.
namespace
{

std::atomic<int> g_allocating_calls{0};

void * failing_allocate(size_t, void *) {++g_allocating_calls; return nullptr;}
void * failing_zero_allocate(size_t, size_t, void *) {++g_allocating_calls; return nullptr;}
void * failing_reallocate(void *, size_t, void *) {++g_allocating_calls; return nullptr;}
void no_deallocate(void *, void *) {}

}  // namespace

extern "C" rcutils_allocator_t rcutils_get_default_allocator(void)
{
  rcutils_allocator_t allocator;
  allocator.allocate = failing_allocate;
  allocator.deallocate = no_deallocate;
  allocator.reallocate = failing_reallocate;
  allocator.zero_allocate = failing_zero_allocate;
  allocator.state = nullptr;
  return allocator;
}

namespace
{

using probe_dispatch::kProbeIdentifier;
using probe_dispatch::kProbeLibrary;
using probe_dispatch::ProbeHandle;

/// The rcutils error message of this thread, which is then reset; empty when none is set.
std::string take_error()
{
  if (!rcutils_error_is_set()) {
    return std::string();
  }
  std::string message = rcutils_get_error_string().str;
  rcutils_reset_error();
  return message;
}

bool contains(const std::string & text, const std::string & part)
{
  return text.find(part) != std::string::npos;
}

template<typename Dispatcher>
class Lookup : public ::testing::Test
{
protected:
  void SetUp() override {rcutils_reset_error();}
};
TYPED_TEST_SUITE(Lookup, probe_dispatch::Dispatchers);

TYPED_TEST(Lookup, ReachesTheGetterAndLoadsTheLibraryOnceForItsSlot)
{
  ProbeHandle<TypeParam> probe;
  const auto * reached = probe.lookup();
  ASSERT_NE(nullptr, reached) << take_error();
  EXPECT_STREQ(kProbeIdentifier, reached->typesupport_identifier);
  void * library = dlopen(kProbeLibrary, RTLD_NOW | RTLD_NOLOAD);
  ASSERT_NE(nullptr, library);
  EXPECT_EQ(library, probe.slots[1]);
  EXPECT_EQ(nullptr, probe.slots[0]);
  using Getter = const typename TypeParam::Handle * (*)();
  EXPECT_EQ(reinterpret_cast<Getter>(dlsym(library, TypeParam::getter))(), reached);
  dlclose(library);

  EXPECT_EQ(reached, probe.lookup());
  EXPECT_EQ(library, probe.slots[1]);
  EXPECT_EQ("", take_error());
}

TYPED_TEST(Lookup, ItsOwnIdentifierGivesTheHandleBeforeAnyCheck)
{
  // Neither a map nor the dispatch's own identifier is needed for that answer.
  typename TypeParam::Handle bare{TypeParam::identifier(), nullptr, nullptr};
  EXPECT_EQ(&bare, TypeParam::dispatch(&bare, TypeParam::identifier()));
  typename TypeParam::Handle foreign{kProbeIdentifier, nullptr, nullptr};
  EXPECT_EQ(&foreign, TypeParam::dispatch(&foreign, kProbeIdentifier));
  EXPECT_EQ("", take_error());
}

TYPED_TEST(Lookup, RefusesNullArgumentsAndHandlesItCannotRead)
{
  EXPECT_EQ(nullptr, TypeParam::dispatch(nullptr, kProbeIdentifier));
  EXPECT_TRUE(contains(take_error(), "handle"));

  ProbeHandle<TypeParam> probe;
  EXPECT_EQ(nullptr, probe.lookup(nullptr));
  EXPECT_TRUE(contains(take_error(), "identifier"));

  probe.handle.typesupport_identifier = nullptr;
  EXPECT_EQ(nullptr, probe.lookup());
  EXPECT_TRUE(contains(take_error(), "typesupport_identifier"));

  // A handle of another dispatch (the C one's for the C++ one and the reverse) or of any other
  // type support does not carry this dispatch's map.
  for (const char * other : {"rosidl_typesupport_other", "rosidl_typesupport_c",
      "rosidl_typesupport_cpp"})
  {
    if (std::string(other) == TypeParam::identifier()) {
      continue;
    }
    probe.handle.typesupport_identifier = other;
    EXPECT_EQ(nullptr, probe.lookup());
    const std::string error = take_error();
    EXPECT_TRUE(contains(error, other)) << error;
    EXPECT_TRUE(contains(error, TypeParam::identifier())) << error;
  }

  typename TypeParam::Handle without_map{TypeParam::identifier(), nullptr, nullptr};
  EXPECT_EQ(nullptr, TypeParam::dispatch(&without_map, kProbeIdentifier));
  EXPECT_TRUE(contains(take_error(), "map"));

  EXPECT_EQ(nullptr, probe.slots[0]);
  EXPECT_EQ(nullptr, probe.slots[1]);
}

TYPED_TEST(Lookup, AnUnknownIdentifierIsNamedAndNothingIsLoaded)
{
  ProbeHandle<TypeParam> probe;
  // A prefix or an extension of an entry's identifier is another identifier.
  for (const char * unknown : {"rosidl_typesupport_unknown", "probe_type", "probe_type_support_x",
      ""})
  {
    EXPECT_EQ(nullptr, probe.lookup(unknown));
    const std::string error = take_error();
    EXPECT_TRUE(contains(error, std::string("'") + unknown + "'")) << error;
  }
  EXPECT_EQ(nullptr, probe.slots[0]);
  EXPECT_EQ(nullptr, probe.slots[1]);
}

TYPED_TEST(Lookup, AMissingLibraryIsNamedWithTheGetterAndTriedAgainLater)
{
  ProbeHandle<TypeParam> probe("dispatch_probe_absent");
  for (int attempt = 0; attempt < 2; ++attempt) {
    EXPECT_EQ(nullptr, probe.lookup());
    const std::string error = take_error();
    EXPECT_TRUE(contains(error, "libdispatch_probe_absent__probe_type_support.so")) << error;
    EXPECT_TRUE(contains(error, TypeParam::getter)) << error;
    EXPECT_EQ(nullptr, probe.slots[1]);
  }
}

TYPED_TEST(Lookup, AMissingGetterIsNamedWithTheLibrary)
{
  ProbeHandle<TypeParam> probe("dispatch_probe", "probe_missing_getter");
  EXPECT_EQ(nullptr, probe.lookup());
  const std::string error = take_error();
  EXPECT_TRUE(contains(error, kProbeLibrary)) << error;
  EXPECT_TRUE(contains(error, "probe_missing_getter")) << error;
  // The library itself was found and stays loaded for the slot.
  EXPECT_NE(nullptr, probe.slots[1]);
}

TYPED_TEST(Lookup, ALibraryNameTooLongForAFileIsRefused)
{
  ProbeHandle<TypeParam> probe(std::string(300, 'p'));
  EXPECT_EQ(nullptr, probe.lookup());
  EXPECT_TRUE(contains(take_error(), "too long"));
  EXPECT_EQ(nullptr, probe.slots[1]);
}

// The lookup has no allocation that could fail: names are built in fixed buffers and the error
// messages go to rcutils' fixed storage. Every outcome holds with an allocator that fails all.
TYPED_TEST(Lookup, NeedsNoMemoryFromTheRcutilsAllocator)
{
  g_allocating_calls = 0;
  ProbeHandle<TypeParam> probe;
  EXPECT_NE(nullptr, probe.lookup()) << take_error();
  EXPECT_EQ(nullptr, probe.lookup("rosidl_typesupport_unknown"));
  EXPECT_FALSE(take_error().empty());
  ProbeHandle<TypeParam> absent("dispatch_probe_absent");
  EXPECT_EQ(nullptr, absent.lookup());
  EXPECT_FALSE(take_error().empty());
  EXPECT_EQ(0, g_allocating_calls.load());
}

}  // namespace
