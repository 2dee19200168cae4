// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// The library exports its twelve getters and no other symbol, standard-library instantiations
// included.

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#ifndef INTROSPECTION_CPP_LIBRARY
#error "INTROSPECTION_CPP_LIBRARY must name the library"
#endif

TEST(Exports, ExactlyTheTwelveGetters)
{
  std::set<std::string> expected;
  const std::string ts = "rosidl_typesupport_introspection_cpp";
  for (const std::string message :
    {"PlanMotion_Request", "PlanMotion_Response", "SolveIK_Request", "SolveIK_Response"})
  {
    expected.insert(
      "rosidl_message_type_support_t const* " + ts + "::get_message_type_support_handle<"
      "quorvex::srv::" + message + "_<std::allocator<void> > >()");
    expected.insert(ts + "__get_message_type_support_handle__quorvex__srv__" + message);
  }
  for (const std::string service : {"PlanMotion", "SolveIK"}) {
    expected.insert(
      "rosidl_service_type_support_t const* " + ts + "::get_service_type_support_handle<"
      "quorvex::srv::" + service + ">()");
    expected.insert(ts + "__get_service_type_support_handle__quorvex__srv__" + service);
  }
  ASSERT_EQ(12u, expected.size());

  FILE * nm = popen("nm -DC --defined-only '" INTROSPECTION_CPP_LIBRARY "'", "r");
  ASSERT_NE(nullptr, nm);
  std::set<std::string> exported;
  char line[4096];
  while (fgets(line, sizeof(line), nm) != nullptr) {
    // "<address> <type> <name>", the name possibly with spaces.
    std::string text(line);
    text.erase(text.find_last_not_of('\n') + 1);
    const size_t type_at = text.find(' ');
    ASSERT_NE(std::string::npos, type_at) << text;
    const std::string name = text.substr(type_at + 3);
    EXPECT_EQ('T', text[type_at + 1]) << name << " is not a function";
    exported.insert(name);
  }
  ASSERT_EQ(0, pclose(nm));
  EXPECT_EQ(expected, exported);
}
