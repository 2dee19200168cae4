// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// The record library exports its 48 functions and no other symbol.

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <sstream>
#include <string>

#ifndef RECORD_LIBRARY_PATH
#error "RECORD_LIBRARY_PATH must name the record library"
#endif

TEST(Exports, ExactlyTheFortyEightFunctions)
{
  std::set<std::string> expected;
  for (const char * message :
    {"SolveIK_Request", "SolveIK_Response", "PlanMotion_Request", "PlanMotion_Response"})
  {
    for (const char * operation : {"init", "fini", "create", "destroy", "are_equal", "copy"}) {
      expected.insert(std::string("quorvex__srv__") + message + "__" + operation);
      expected.insert(std::string("quorvex__srv__") + message + "__Sequence__" + operation);
    }
  }
  ASSERT_EQ(48u, expected.size());

  const std::string command = std::string("nm -D --defined-only '") + RECORD_LIBRARY_PATH + "'";
  FILE * pipe = popen(command.c_str(), "r");
  ASSERT_NE(nullptr, pipe);
  std::set<std::string> exported;
  char line[512];
  while (fgets(line, sizeof(line), pipe)) {
    // "<address> <type> <name>"
    std::istringstream fields(line);
    std::string address, type, name;
    fields >> address >> type >> name;
    EXPECT_EQ("T", type) << name;
    exported.insert(name);
  }
  ASSERT_EQ(0, pclose(pipe));
  EXPECT_EQ(expected, exported);
}
