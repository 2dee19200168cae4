// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// The two dispatch libraries export their getters and nothing else.

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

namespace
{

/// The demangled names of the symbols that `library` defines and exports.
std::set<std::string> exported_names(const std::string & library)
{
  std::set<std::string> names;
  FILE * nm = popen(("nm -DC --defined-only '" + library + "'").c_str(), "r");
  EXPECT_NE(nullptr, nm);
  if (nm == nullptr) {
    return names;
  }
  char line[1024];
  while (fgets(line, sizeof(line), nm) != nullptr) {
    std::string text(line);
    text.erase(text.find_last_not_of('\n') + 1);
    // "<address> <type> <name>"; the name may hold spaces.
    const size_t type_at = text.find(' ');
    EXPECT_NE(std::string::npos, type_at) << text;
    if (type_at == std::string::npos || text.size() < type_at + 3) {
      continue;
    }
    EXPECT_EQ('T', text[type_at + 1]) << text << " is not a function";
    names.insert(text.substr(type_at + 3));
  }
  EXPECT_EQ(0, pclose(nm));
  return names;
}

const char * const kMessages[] = {
  "PlanMotion_Request", "PlanMotion_Response", "SolveIK_Request", "SolveIK_Response"};
const char * const kServices[] = {"PlanMotion", "SolveIK"};

TEST(Exports, CDispatchExportsTheSixGetters)
{
  std::set<std::string> expected;
  for (const std::string message : kMessages) {
    expected.insert(
      "rosidl_typesupport_c__get_message_type_support_handle__quorvex__srv__" + message);
  }
  for (const std::string service : kServices) {
    expected.insert(
      "rosidl_typesupport_c__get_service_type_support_handle__quorvex__srv__" + service);
  }
  EXPECT_EQ(expected, exported_names(C_DISPATCH_LIBRARY));
}

TEST(Exports, CppDispatchExportsTheSixSpecialisationsAndTheSixGetters)
{
  std::set<std::string> expected;
  for (const std::string message : kMessages) {
    expected.insert(
      "rosidl_message_type_support_t const* rosidl_typesupport_cpp::"
      "get_message_type_support_handle<quorvex::srv::" + message +
      "_<std::allocator<void> > >()");
    expected.insert(
      "rosidl_typesupport_cpp__get_message_type_support_handle__quorvex__srv__" + message);
  }
  for (const std::string service : kServices) {
    expected.insert(
      "rosidl_service_type_support_t const* rosidl_typesupport_cpp::"
      "get_service_type_support_handle<quorvex::srv::" + service + ">()");
    expected.insert(
      "rosidl_typesupport_cpp__get_service_type_support_handle__quorvex__srv__" + service);
  }
  EXPECT_EQ(expected, exported_names(CPP_DISPATCH_LIBRARY));
}

}  // namespace
