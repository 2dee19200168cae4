// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// The handles as a middleware reaches them, and what the library exports.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "cdr_test_support.hpp"
#include "rosidl_runtime_c/service_type_support_struct.h"
#include "rosidl_typesupport_fastrtps_cpp/identifier.hpp"
#include "rosidl_typesupport_fastrtps_cpp/service_type_support.h"

namespace
{

using cdr_test::PlanMotion_Request;
using cdr_test::PlanMotion_Response;
using cdr_test::SolveIK_Request;
using cdr_test::SolveIK_Response;
using cdr_test::Stream;

using MessageGetter = const rosidl_message_type_support_t * (*)();
using ServiceGetter = const rosidl_service_type_support_t * (*)();

/// The library opened by name through the loader's search path and its getters looked up by
/// name, as the type-support dispatch does. The process already holds the library (it links it),
/// so the loader hands back that copy, whichever directory it came from: opening it by build-tree
/// path would load a second copy with handles of its own where an installed copy comes first.
class Library
{
public:
  Library()
  : handle_(dlopen("libquorvex__rosidl_typesupport_fastrtps_cpp.so", RTLD_NOW | RTLD_LOCAL)) {}
  ~Library()
  {
    if (handle_ != nullptr) {
      dlclose(handle_);
    }
  }

  template<typename Getter>
  Getter getter(const std::string & kind, const std::string & type) const
  {
    const std::string symbol = "rosidl_typesupport_fastrtps_cpp__get_" + kind +
      "_type_support_handle__quorvex__srv__" + type;
    return reinterpret_cast<Getter>(dlsym(handle_, symbol.c_str()));
  }

  bool loaded() const {return handle_ != nullptr;}

private:
  void * handle_;
};

template<typename Message>
class CdrHandle : public ::testing::Test {};
TYPED_TEST_SUITE(CdrHandle, cdr_test::AllMessages);

TYPED_TEST(CdrHandle, ReachedThroughGetterIdentifierAndCallbacks)
{
  using Info = cdr_test::MessageInfo<TypeParam>;
  Library library;
  ASSERT_TRUE(library.loaded()) << dlerror();
  const auto getter = library.getter<MessageGetter>("message", Info::name);
  ASSERT_NE(nullptr, getter);
  const rosidl_message_type_support_t * handle = getter();
  ASSERT_NE(nullptr, handle);
  EXPECT_EQ(handle, getter());
  EXPECT_EQ(handle, Info::handle());
  EXPECT_EQ(handle, rosidl_typesupport_fastrtps_cpp::get_message_type_support_handle<TypeParam>());

  // The identifier is the dependency's own pointer; the lookup function dispatches on it.
  EXPECT_EQ(
    rosidl_typesupport_fastrtps_cpp::typesupport_identifier,
    handle->typesupport_identifier);
  EXPECT_STREQ("rosidl_typesupport_fastrtps_cpp", handle->typesupport_identifier);
  EXPECT_EQ(&get_message_typesupport_handle_function, handle->func);
  EXPECT_EQ(handle, handle->func(handle, "rosidl_typesupport_fastrtps_cpp"));
  EXPECT_EQ(nullptr, handle->func(handle, "rosidl_typesupport_introspection_c"));

  const auto * callbacks = static_cast<const message_type_support_callbacks_t *>(handle->data);
  EXPECT_STREQ("quorvex::srv", callbacks->message_namespace_);
  EXPECT_STREQ(Info::name, callbacks->message_name_);

  cdr_test::RandomFill fill(17);
  fill.allow_empty = false;
  const TypeParam original = fill.record<TypeParam>();
  Stream typed(4096, false);
  quorvex::srv::typesupport_fastrtps_cpp::cdr_serialize(original, typed.cdr);
  Stream untyped(4096, false);
  EXPECT_TRUE(callbacks->cdr_serialize(&original, untyped.cdr));
  EXPECT_EQ(typed.written(), untyped.written());
  EXPECT_EQ(untyped.position(), callbacks->get_serialized_size(&original));

  Stream in(untyped.written(), false);
  TypeParam decoded;
  EXPECT_TRUE(callbacks->cdr_deserialize(in.cdr, &decoded));
  EXPECT_EQ(original, decoded);

  char bounds_info = 0x7F;
  bool full_bounded;
  bool is_plain;
  EXPECT_EQ(Info::max_size(full_bounded, is_plain, 0), callbacks->max_serialized_size(bounds_info));
  EXPECT_EQ(ROSIDL_TYPESUPPORT_FASTRTPS_UNBOUNDED_TYPE, bounds_info);
}

/// Checks a service handle; returns its callbacks record.
template<typename Service>
const service_type_support_callbacks_t * expect_service(
  const Library & library, const char * name, const rosidl_message_type_support_t * request,
  const rosidl_message_type_support_t * response)
{
  const auto getter = library.getter<ServiceGetter>("service", name);
  EXPECT_NE(nullptr, getter);
  if (getter == nullptr) {
    return nullptr;
  }
  const rosidl_service_type_support_t * handle = getter();
  EXPECT_EQ(handle, getter());
  EXPECT_EQ(handle, rosidl_typesupport_fastrtps_cpp::get_service_type_support_handle<Service>());
  EXPECT_EQ(
    rosidl_typesupport_fastrtps_cpp::typesupport_identifier,
    handle->typesupport_identifier);
  EXPECT_EQ(&get_service_typesupport_handle_function, handle->func);
  EXPECT_EQ(handle, handle->func(handle, "rosidl_typesupport_fastrtps_cpp"));

  const auto * callbacks = static_cast<const service_type_support_callbacks_t *>(handle->data);
  EXPECT_STREQ("quorvex::srv", callbacks->service_namespace_);
  EXPECT_STREQ(name, callbacks->service_name_);
  EXPECT_EQ(request, callbacks->request_members_);
  EXPECT_EQ(response, callbacks->response_members_);
  const auto * request_callbacks =
    static_cast<const message_type_support_callbacks_t *>(callbacks->request_members_->data);
  EXPECT_STREQ((std::string(name) + "_Request").c_str(), request_callbacks->message_name_);
  return callbacks;
}

TEST(CdrServiceHandle, LeadsToTheRequestAndResponseHandles)
{
  Library library;
  ASSERT_TRUE(library.loaded()) << dlerror();
  const auto * solve_ik = expect_service<quorvex::srv::SolveIK>(
    library, "SolveIK", cdr_test::MessageInfo<SolveIK_Request>::handle(),
    cdr_test::MessageInfo<SolveIK_Response>::handle());
  const auto * plan_motion = expect_service<quorvex::srv::PlanMotion>(
    library, "PlanMotion", cdr_test::MessageInfo<PlanMotion_Request>::handle(),
    cdr_test::MessageInfo<PlanMotion_Response>::handle());
  ASSERT_NE(nullptr, solve_ik);
  ASSERT_NE(nullptr, plan_motion);

  // One namespace text serves all six callbacks records, across both services.
  EXPECT_EQ(solve_ik->service_namespace_, plan_motion->service_namespace_);
  for (const auto * callbacks : {solve_ik, plan_motion}) {
    for (const auto * message : {callbacks->request_members_, callbacks->response_members_}) {
      EXPECT_EQ(
        solve_ik->service_namespace_,
        static_cast<const message_type_support_callbacks_t *>(message->data)->message_namespace_);
    }
  }
}

// Of the library's own symbols only the typed functions and the getters are visible; weak
// instantiations of standard-library and Fast-CDR templates do not count.
TEST(CdrLibrary, ExportsOnlyTypedFunctionsAndGetters)
{
  const std::string command = std::string("nm -DC --defined-only ") + QUORVEX_CDR_LIBRARY;
  FILE * pipe = popen(command.c_str(), "r");
  ASSERT_NE(nullptr, pipe);
  std::set<std::string> exported;
  char line[4096];
  while (fgets(line, sizeof(line), pipe) != nullptr) {
    std::string text(line);
    text.erase(text.find_last_not_of("\n") + 1);
    const size_t type_at = text.find(' ');
    ASSERT_NE(std::string::npos, type_at) << text;
    const char type = text[type_at + 1];
    const std::string name = text.substr(type_at + 3);
    const bool weak = type == 'W' || type == 'V' || type == 'u';
    const bool dependency = name.find("quorvex") == std::string::npos &&
      (name.find("std::") != std::string::npos || name.find("eprosima::fastcdr::") !=
      std::string::npos || name.find("__gnu_cxx::") != std::string::npos);
    if (!(weak && dependency)) {
      exported.insert(name);
    }
  }
  ASSERT_EQ(0, pclose(pipe));

  std::set<std::string> expected;
  const std::string ns = "quorvex::srv::typesupport_fastrtps_cpp::";
  for (const std::string message :
    {"SolveIK_Request", "SolveIK_Response", "PlanMotion_Request", "PlanMotion_Response"})
  {
    const std::string record = "quorvex::srv::" + message + "_<std::allocator<void> >";
    expected.insert(ns + "cdr_serialize(" + record + " const&, eprosima::fastcdr::Cdr&)");
    expected.insert(ns + "cdr_deserialize(eprosima::fastcdr::Cdr&, " + record + "&)");
    expected.insert(ns + "get_serialized_size(" + record + " const&, unsigned long)");
    expected.insert(
      ns + "max_serialized_size_" + message + "(bool&, bool&, unsigned long)");
    expected.insert(
      "rosidl_message_type_support_t const* rosidl_typesupport_fastrtps_cpp::"
      "get_message_type_support_handle<" + record + " >()");
    expected.insert(
      "rosidl_typesupport_fastrtps_cpp__get_message_type_support_handle__quorvex__srv__" +
      message);
  }
  for (const std::string service : {"SolveIK", "PlanMotion"}) {
    expected.insert(
      "rosidl_service_type_support_t const* rosidl_typesupport_fastrtps_cpp::"
      "get_service_type_support_handle<quorvex::srv::" + service + ">()");
    expected.insert(
      "rosidl_typesupport_fastrtps_cpp__get_service_type_support_handle__quorvex__srv__" +
      service);
  }
  EXPECT_EQ(expected, exported);
}

}  // namespace
