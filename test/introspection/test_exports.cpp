// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <sstream>
#include <string>

namespace
{

std::set<std::string> expected_exports()
{
  std::set<std::string> names;
  const std::string ts = "rosidl_typesupport_introspection_c";
  const char * sequences[][2] = {
    {"PlanMotion_Request", "start_joints"},
    {"PlanMotion_Request", "goal_joints"},
    {"PlanMotion_Response", "waypoints_flat"},
    {"PlanMotion_Response", "velocities_flat"},
    {"PlanMotion_Response", "accelerations_flat"},
    {"PlanMotion_Response", "time_from_start"},
  };
  for (const auto & sequence : sequences) {
    const std::string message = sequence[0];
    for (const char * kind : {"size_function", "get_const_function", "get_function",
        "fetch_function", "assign_function", "resize_function"})
    {
      names.insert(
        "quorvex__srv__" + message + "__" + ts + "__" + kind + "__" + message + "__" +
        sequence[1]);
    }
  }
  for (const std::string message :
    {"PlanMotion_Request", "PlanMotion_Response", "SolveIK_Request", "SolveIK_Response"})
  {
    names.insert("quorvex__srv__" + message + "__" + ts + "__" + message + "_init_function");
    names.insert("quorvex__srv__" + message + "__" + ts + "__" + message + "_fini_function");
    names.insert(ts + "__get_message_type_support_handle__quorvex__srv__" + message);
  }
  for (const std::string service : {"PlanMotion", "SolveIK"}) {
    names.insert(ts + "__get_service_type_support_handle__quorvex__srv__" + service);
  }
  return names;
}

TEST(Exports, ExactlyTheFiftyFunctions)
{
  const std::set<std::string> expected = expected_exports();
  ASSERT_EQ(50u, expected.size());

  FILE * nm = popen("nm -D --defined-only '" INTROSPECTION_LIBRARY "'", "r");
  ASSERT_NE(nullptr, nm);
  std::set<std::string> exported;
  char line[512];
  while (fgets(line, sizeof(line), nm) != nullptr) {
    std::istringstream fields(line);
    std::string address, type, name;
    fields >> address >> type >> name;
    EXPECT_EQ("T", type) << name << " is not a function";
    exported.insert(name);
  }
  ASSERT_EQ(0, pclose(nm));
  EXPECT_EQ(expected, exported);
}

}  // namespace
