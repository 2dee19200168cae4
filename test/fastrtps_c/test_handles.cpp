// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// The handles as a middleware reaches them, and what the library exports.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#include "c_records.hpp"
#include "fastrtps_c/getters_from_c.h"
#include "rosidl_typesupport_fastrtps_c/identifier.h"
#include "rosidl_typesupport_fastrtps_cpp/service_type_support.h"

namespace
{

using MessageGetter = const rosidl_message_type_support_t * (*)();
using ServiceGetter = const rosidl_service_type_support_t * (*)();

constexpr char kLibrary[] = "libquorvex__rosidl_typesupport_fastrtps_c.so";

/// The library opened by name through the loader's search path, as the type-support dispatch
/// does, and its getters looked up by name.
class Library
{
public:
  Library()
  : handle_(dlopen(kLibrary, RTLD_NOW | RTLD_LOCAL)) {}
  ~Library()
  {
    if (handle_ != nullptr) {
      dlclose(handle_);
    }
  }

  template<typename Getter>
  Getter getter(const std::string & kind, const std::string & type) const
  {
    const std::string symbol = "rosidl_typesupport_fastrtps_c__get_" + kind +
      "_type_support_handle__quorvex__srv__" + type;
    return reinterpret_cast<Getter>(dlsym(handle_, symbol.c_str()));
  }

  bool loaded() const {return handle_ != nullptr;}

private:
  void * handle_;
};

const char * const kMessages[] = {
  "SolveIK_Request", "SolveIK_Response", "PlanMotion_Request", "PlanMotion_Response"};
const char * const kServices[] = {"SolveIK", "PlanMotion"};

// Each getter, found by name, from C, and through the linked symbol, gives one complete handle.
TEST(FastrtpsCHandles, MessageHandlesCarryIdentifierAndCallbacks)
{
  Library library;
  ASSERT_TRUE(library.loaded()) << dlerror();
  FastrtpsCHandles from_c;
  fastrtps_c_handles_from_c(&from_c);
  const char * namespace_text = nullptr;
  for (size_t i = 0; i < 4; ++i) {
    const auto getter = library.getter<MessageGetter>("message", kMessages[i]);
    ASSERT_NE(nullptr, getter) << kMessages[i];
    const rosidl_message_type_support_t * handle = getter();
    ASSERT_NE(nullptr, handle);
    EXPECT_EQ(from_c.messages[i], handle);

    // The identifier is the dependency's own pointer; the lookup function dispatches on it.
    EXPECT_EQ(rosidl_typesupport_fastrtps_c__identifier, handle->typesupport_identifier);
    EXPECT_STREQ("rosidl_typesupport_fastrtps_c", handle->typesupport_identifier);
    EXPECT_EQ(&get_message_typesupport_handle_function, handle->func);
    EXPECT_EQ(handle, handle->func(handle, "rosidl_typesupport_fastrtps_c"));
    EXPECT_EQ(nullptr, handle->func(handle, "rosidl_typesupport_fastrtps_cpp"));

    // The names that the DDS type name is made of are those of the C++ library's records.
    const auto * callbacks = static_cast<const message_type_support_callbacks_t *>(handle->data);
    EXPECT_STREQ("quorvex::srv", callbacks->message_namespace_);
    EXPECT_STREQ(kMessages[i], callbacks->message_name_);
    // One namespace text object for all the records of the library.
    if (namespace_text == nullptr) {
      namespace_text = callbacks->message_namespace_;
    }
    EXPECT_EQ(namespace_text, callbacks->message_namespace_);
  }
  EXPECT_EQ(from_c.messages[0], c_records::CRecord<cdr_test::SolveIK_Request>::handle());
  EXPECT_EQ(from_c.messages[3], c_records::CRecord<cdr_test::PlanMotion_Response>::handle());

  for (size_t i = 0; i < 2; ++i) {
    const auto getter = library.getter<ServiceGetter>("service", kServices[i]);
    ASSERT_NE(nullptr, getter) << kServices[i];
    const rosidl_service_type_support_t * handle = getter();
    ASSERT_NE(nullptr, handle);
    EXPECT_EQ(from_c.services[i], handle);
    EXPECT_EQ(rosidl_typesupport_fastrtps_c__identifier, handle->typesupport_identifier);
    EXPECT_EQ(&get_service_typesupport_handle_function, handle->func);
    EXPECT_EQ(handle, handle->func(handle, "rosidl_typesupport_fastrtps_c"));

    // The service record holds the message handles.
    const auto * callbacks = static_cast<const service_type_support_callbacks_t *>(handle->data);
    EXPECT_EQ(namespace_text, callbacks->service_namespace_);
    EXPECT_STREQ(kServices[i], callbacks->service_name_);
    EXPECT_EQ(from_c.messages[2 * i], callbacks->request_members_);
    EXPECT_EQ(from_c.messages[2 * i + 1], callbacks->response_members_);
  }
}

// Of the library's own symbols only the six getters are visible. The file is the copy that the
// process loaded.
TEST(FastrtpsCLibrary, ExportsOnlyTheSixGetters)
{
  Dl_info info;
  ASSERT_NE(
    0, dladdr(
      reinterpret_cast<void *>(&ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
        rosidl_typesupport_fastrtps_c, quorvex, srv, SolveIK_Request)), &info));
  const std::string command = std::string("nm -DC --defined-only '") + info.dli_fname + "'";
  FILE * pipe = popen(command.c_str(), "r");
  ASSERT_NE(nullptr, pipe);
  std::set<std::string> exported;
  char line[4096];
  while (fgets(line, sizeof(line), pipe) != nullptr) {
    std::string text(line);
    text.erase(text.find_last_not_of("\n") + 1);
    const size_t type_at = text.find(' ');
    ASSERT_NE(std::string::npos, type_at) << text;
    EXPECT_EQ('T', text[type_at + 1]) << text;
    exported.insert(text.substr(type_at + 3));
  }
  ASSERT_EQ(0, pclose(pipe));

  std::set<std::string> expected;
  for (const char * message : kMessages) {
    expected.insert(
      std::string(
        "rosidl_typesupport_fastrtps_c__get_message_type_support_handle__quorvex__srv__") +
      message);
  }
  for (const char * service : kServices) {
    expected.insert(
      std::string(
        "rosidl_typesupport_fastrtps_c__get_service_type_support_handle__quorvex__srv__") +
      service);
  }
  EXPECT_EQ(expected, exported);
}

}  // namespace
