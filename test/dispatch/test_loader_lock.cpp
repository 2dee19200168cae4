// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// A first dispatch lookup while another thread loads a plugin whose initialiser looks a type
// support up: the loader holds its own lock while the initialiser runs, so a dispatch that held
// a lock of its own across dlopen would leave the two threads waiting for each other for good.
// Each case runs in a process of its own, where nothing has been looked up yet, with a watchdog
// that ends it as failed if the lookups have not all finished in time.

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_cpp.hpp"
#include "quorvex/srv/detail/plan_motion__type_support.h"
#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_cpp.hpp"
#include "quorvex/srv/detail/solve_ik__type_support.h"
#include "rosidl_runtime_c/message_type_support_struct.h"

namespace
{

/// The dispatch of one language and what each thread looks up through it: the plugin the
/// PlanMotion_Request's Fast-CDR handle, the other thread the SolveIK_Request's introspection
/// handle, two libraries that neither has loaded yet.
struct Dispatch
{
  const rosidl_message_type_support_t * (* plan_motion_request)();
  const rosidl_message_type_support_t * (* solve_ik_request)();
  const char * plugin_identifier;
  const char * other_identifier;
};

const Dispatch kC{
  &ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
    rosidl_typesupport_c, quorvex, srv, PlanMotion_Request),
  &ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
    rosidl_typesupport_c, quorvex, srv, SolveIK_Request),
  "rosidl_typesupport_fastrtps_c", "rosidl_typesupport_introspection_c"};

const Dispatch kCpp{
  &rosidl_typesupport_cpp::get_message_type_support_handle<quorvex::srv::PlanMotion_Request>,
  &rosidl_typesupport_cpp::get_message_type_support_handle<quorvex::srv::SolveIK_Request>,
  "rosidl_typesupport_fastrtps_cpp", "rosidl_typesupport_introspection_cpp"};

// The case that the process runs; read by the plugin's initialiser.
const Dispatch * g_dispatch = nullptr;
std::atomic<bool> g_initialiser_started{false};
const rosidl_message_type_support_t * g_seen_by_plugin = nullptr;

/// The handle of `identifier` reached from `dispatch`, as a middleware asks for it.
const rosidl_message_type_support_t * reach(
  const rosidl_message_type_support_t * dispatch, const char * identifier)
{
  return get_message_typesupport_handle(dispatch, identifier);
}

bool is(const rosidl_message_type_support_t * handle, const char * identifier)
{
  return handle != nullptr && std::strcmp(handle->typesupport_identifier, identifier) == 0;
}

constexpr unsigned kWatchdogSeconds = 10;

void watchdog_fired(int signal_number)
{
  static const char message[] =
    "the lookups did not finish: the dispatch and the loader wait for each other\n";
  // Only async-signal-safe calls here.
  static_cast<void>(signal_number);
  [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, message, sizeof(message) - 1);
  _exit(2);
}

/// Loads the plugin while another thread makes its first lookup; returns the exit status: 0
/// when every lookup gave the handle asked for. With `slot_filled`, the plugin's handle was
/// looked up before, so its lookup only reads a slot that is already filled.
int run(const Dispatch & dispatch, bool slot_filled)
{
  signal(SIGALRM, watchdog_fired);
  alarm(kWatchdogSeconds);
  g_dispatch = &dispatch;
  if (slot_filled && !is(
      reach(dispatch.plan_motion_request(), dispatch.plugin_identifier),
      dispatch.plugin_identifier))
  {
    std::fprintf(stderr, "the lookup before the plugin failed\n");
    return 1;
  }
  const rosidl_message_type_support_t * seen_by_other = nullptr;
  std::thread other(
    [&] {
      while (!g_initialiser_started.load()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
      }
      seen_by_other = reach(dispatch.solve_ik_request(), dispatch.other_identifier);
    });
  void * plugin = dlopen(LOADER_LOCK_PLUGIN, RTLD_NOW | RTLD_LOCAL);
  if (plugin == nullptr) {
    std::fprintf(stderr, "could not load the plugin: %s\n", dlerror());
    // Lets the other thread go on.
    g_initialiser_started = true;
  }
  other.join();
  int status = 0;
  if (plugin == nullptr) {
    status = 1;
  }
  if (plugin != nullptr && !is(g_seen_by_plugin, dispatch.plugin_identifier)) {
    std::fprintf(
      stderr, "the plugin's initialiser did not get the %s handle\n",
      dispatch.plugin_identifier);
    status = 1;
  }
  if (!is(seen_by_other, dispatch.other_identifier)) {
    std::fprintf(
      stderr, "the other thread did not get the %s handle\n",
      dispatch.other_identifier);
    status = 1;
  }
  return status;
}

class LoaderLock : public ::testing::Test
{
protected:
  // A process of its own for each case, made by running this program again.
  void SetUp() override {GTEST_FLAG_SET(death_test_style, "threadsafe");}
};

TEST_F(LoaderLock, CDispatchFirstLookups)
{
  EXPECT_EXIT(std::exit(run(kC, false)), ::testing::ExitedWithCode(0), "");
}

TEST_F(LoaderLock, CDispatchPluginSlotAlreadyFilled)
{
  EXPECT_EXIT(std::exit(run(kC, true)), ::testing::ExitedWithCode(0), "");
}

TEST_F(LoaderLock, CppDispatchFirstLookups)
{
  EXPECT_EXIT(std::exit(run(kCpp, false)), ::testing::ExitedWithCode(0), "");
}

TEST_F(LoaderLock, CppDispatchPluginSlotAlreadyFilled)
{
  EXPECT_EXIT(std::exit(run(kCpp, true)), ::testing::ExitedWithCode(0), "");
}

}  // namespace

// Called by the plugin's initialiser, under the loader's lock: lets the other thread start its
// lookup, gives it time to get into the loader, then looks up a handle of its own.
extern "C" void loader_lock_plugin_initialiser(void)
{
  g_initialiser_started = true;
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  g_seen_by_plugin = reach(g_dispatch->plan_motion_request(), g_dispatch->plugin_identifier);
}
