// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// A fresh process that links only the two dispatch libraries (and Fast-CDR, to make streams)
// reaches every type support of every interface by identifier, as a middleware does. The type
// supports' libraries are found by name through LD_LIBRARY_PATH.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "dispatch_cases.hpp"
#include "fastcdr/Cdr.h"
#include "fastcdr/FastBuffer.h"
#include "quorvex/srv/detail/plan_motion__members.h"
#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_cpp.hpp"
#include "quorvex/srv/detail/solve_ik__members.h"
#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_cpp.hpp"
#include "quorvex/srv/plan_motion.hpp"
#include "quorvex/srv/solve_ik.hpp"
#include "rosidl_typesupport_c/identifier.h"
#include "rosidl_typesupport_c/message_type_support_dispatch.h"
#include "rosidl_typesupport_c/service_type_support_dispatch.h"
#include "rosidl_typesupport_cpp/identifier.hpp"
#include "rosidl_typesupport_cpp/message_type_support_dispatch.hpp"
#include "rosidl_typesupport_cpp/service_type_support_dispatch.hpp"
#include "rosidl_typesupport_fastrtps_cpp/message_type_support.h"

namespace
{

using dispatch_cases::Interface;
using dispatch_cases::TypeSupport;

TEST(Reach, EveryTypeSupportOfEveryInterfaceByIdentifier)
{
  for (const TypeSupport & type_support : dispatch_cases::type_supports()) {
    for (const Interface & interface : dispatch_cases::interfaces()) {
      SCOPED_TRACE(std::string(type_support.identifier) + " of " + interface.name);
      const void * dispatch = dispatch_cases::dispatch_handle(interface, type_support);
      const void * reached = dispatch_cases::reach(interface, dispatch, type_support.identifier);
      ASSERT_NE(nullptr, reached) << dispatch_cases::take_error();
      EXPECT_STREQ(
        type_support.identifier,
        dispatch_cases::handle_fields(interface, reached).typesupport_identifier);
      // The handle is the library's own, from the copy the dispatch loaded.
      EXPECT_EQ(dispatch_cases::loaded_getter_result(type_support.identifier, interface), reached);
      EXPECT_EQ(reached, dispatch_cases::reach(interface, dispatch, type_support.identifier));
      // Its own identifier gives the dispatch handle itself.
      const char * own = dispatch_cases::handle_fields(interface, dispatch).typesupport_identifier;
      EXPECT_EQ(dispatch, dispatch_cases::reach(interface, dispatch, own));
    }
  }
}

TEST(Reach, DispatchHandlesAreTheDependenciesRecordsWithTheDocumentedMaps)
{
  for (const Interface & interface : dispatch_cases::interfaces()) {
    for (const bool cpp : {false, true}) {
      SCOPED_TRACE(std::string(interface.name) + (cpp ? " in C++" : " in C"));
      const void * dispatch = cpp ? interface.cpp_handle() : interface.c_handle();
      ASSERT_NE(nullptr, dispatch);
      EXPECT_EQ(dispatch, cpp ? interface.cpp_handle() : interface.c_handle());
      const dispatch_cases::Handle fields = dispatch_cases::handle_fields(interface, dispatch);

      // The identifier is the dependency's own pointer, and func its dispatch function.
      const void * func;
      if (interface.is_service) {
        func = reinterpret_cast<const void *>(
          static_cast<const rosidl_service_type_support_t *>(dispatch)->func);
        EXPECT_EQ(
          reinterpret_cast<const void *>(
            cpp ? &rosidl_typesupport_cpp::get_service_typesupport_handle_function :
            &rosidl_typesupport_c__get_service_typesupport_handle_function), func);
      } else {
        func = reinterpret_cast<const void *>(
          static_cast<const rosidl_message_type_support_t *>(dispatch)->func);
        EXPECT_EQ(
          reinterpret_cast<const void *>(
            cpp ? &rosidl_typesupport_cpp::get_message_typesupport_handle_function :
            &rosidl_typesupport_c__get_message_typesupport_handle_function), func);
      }
      EXPECT_EQ(
        cpp ? rosidl_typesupport_cpp::typesupport_identifier :
        rosidl_typesupport_c__typesupport_identifier, fields.typesupport_identifier);
      EXPECT_STREQ(
        cpp ? "rosidl_typesupport_cpp" : "rosidl_typesupport_c",
        fields.typesupport_identifier);

      // The C-linkage getter gives the same handle.
      const std::string getter = dispatch_cases::getter_name(
        cpp ? "rosidl_typesupport_cpp" : "rosidl_typesupport_c", interface);
      void * symbol = dlsym(RTLD_DEFAULT, getter.c_str());
      ASSERT_NE(nullptr, symbol) << getter;
      EXPECT_EQ(
        dispatch, interface.is_service ?
        static_cast<const void *>(
          reinterpret_cast<const rosidl_service_type_support_t * (*)()>(symbol)()) :
        static_cast<const void *>(
          reinterpret_cast<const rosidl_message_type_support_t * (*)()>(symbol)()));

      // The map: package, then Fast-CDR and introspection of the handle's language.
      const auto * map = static_cast<const type_support_map_t *>(fields.data);
      ASSERT_NE(nullptr, map);
      EXPECT_STREQ("quorvex", map->package_name);
      std::vector<const char *> identifiers;
      for (const TypeSupport & type_support : dispatch_cases::type_supports()) {
        if (type_support.cpp == cpp) {
          identifiers.push_back(type_support.identifier);
        }
      }
      ASSERT_EQ(identifiers.size(), map->size);
      for (size_t i = 0; i < map->size; ++i) {
        EXPECT_STREQ(identifiers[i], map->typesupport_identifier[i]);
        EXPECT_EQ(
          dispatch_cases::getter_name(identifiers[i], interface), map->symbol_name[i]);
      }
    }
  }
}

TEST(Reach, AnUnknownIdentifierGivesNullAndAnErrorNamingIt)
{
  // rosidl_typesupport_fastrtps_cpp is unknown to the C dispatch, and the C one to the C++ one.
  for (const Interface & interface : dispatch_cases::interfaces()) {
    for (const bool cpp : {false, true}) {
      for (const char * identifier :
        {"rosidl_typesupport_unknown", cpp ? "rosidl_typesupport_fastrtps_c" :
          "rosidl_typesupport_fastrtps_cpp"})
      {
        SCOPED_TRACE(std::string(identifier) + " of " + interface.name);
        const void * dispatch = cpp ? interface.cpp_handle() : interface.c_handle();
        dispatch_cases::take_error();
        EXPECT_EQ(nullptr, dispatch_cases::reach(interface, dispatch, identifier));
        EXPECT_NE(std::string::npos, dispatch_cases::take_error().find(identifier));
      }
    }
  }
}

// Every member gets a value that differs from its default and from the other members', with
// strings and sequences of different lengths so that the alignment rules matter.
void fill(bool & value, int k) {value = k % 2 == 0;}
void fill(int32_t & value, int k) {value = -1000 * k - 7;}
void fill(double & value, int k) {value = 0.25 + 1.5 * k;}
void fill(std::string & value, int k)
{
  value = std::string(static_cast<size_t>(k % 4), static_cast<char>('a' + k));
}
void fill(std::vector<double> & value, int k)
{
  value.assign(static_cast<size_t>(k % 3 + 1), 0.5 * k);
}

#define FILL_MEMBER(member, KIND) fill(record.member, k++);
#define DEFINE_SAMPLE(Message, MEMBERS) \
  void sample(quorvex::srv::Message & record) \
  { \
    int k = 1; \
    MEMBERS(FILL_MEMBER) \
  }
DEFINE_SAMPLE(PlanMotion_Request, QUORVEX_PLAN_MOTION_REQUEST_MEMBERS)
DEFINE_SAMPLE(PlanMotion_Response, QUORVEX_PLAN_MOTION_RESPONSE_MEMBERS)
DEFINE_SAMPLE(SolveIK_Request, QUORVEX_SOLVE_IK_REQUEST_MEMBERS)
DEFINE_SAMPLE(SolveIK_Response, QUORVEX_SOLVE_IK_RESPONSE_MEMBERS)

template<typename Message>
struct Names;
template<>
struct Names<quorvex::srv::PlanMotion_Request> {static constexpr const char * name =
    "PlanMotion_Request";};
template<>
struct Names<quorvex::srv::PlanMotion_Response> {static constexpr const char * name =
    "PlanMotion_Response";};
template<>
struct Names<quorvex::srv::SolveIK_Request> {static constexpr const char * name =
    "SolveIK_Request";};
template<>
struct Names<quorvex::srv::SolveIK_Response> {static constexpr const char * name =
    "SolveIK_Response";};

/// Mangled name of the typed quorvex::srv::typesupport_fastrtps_cpp::cdr_serialize of `name`.
std::string typed_cdr_serialize(const std::string & name)
{
  const std::string record = name + "_";  // The record template, e.g. SolveIK_Request_.
  return "_ZN7quorvex3srv24typesupport_fastrtps_cpp13cdr_serializeERKNS0_" +
         std::to_string(record.size()) + record + "ISaIvEEERN8eprosima7fastcdr3CdrE";
}

/// The bytes `write` puts in a zeroed stream of `capacity` bytes and the given byte order. Fast-CDR
/// skips padding without writing it, so the zeroes make the padding of two encodings comparable.
template<typename Write>
std::vector<char> encode(size_t capacity, bool big_endian, Write write)
{
  std::vector<char> storage(capacity, 0);
  eprosima::fastcdr::FastBuffer buffer(storage.data(), storage.size());
  eprosima::fastcdr::Cdr cdr(
    buffer, big_endian ? eprosima::fastcdr::Cdr::BIG_ENDIANNESS :
    eprosima::fastcdr::Cdr::LITTLE_ENDIANNESS, eprosima::fastcdr::Cdr::DDS_CDR);
  EXPECT_TRUE(write(cdr));
  storage.resize(cdr.getSerializedDataLength());
  return storage;
}

template<typename Message>
class ReachedCdr : public ::testing::Test {};
using Messages = ::testing::Types<quorvex::srv::PlanMotion_Request,
    quorvex::srv::PlanMotion_Response, quorvex::srv::SolveIK_Request,
    quorvex::srv::SolveIK_Response>;
TYPED_TEST_SUITE(ReachedCdr, Messages);

TYPED_TEST(ReachedCdr, CallbacksWriteTheTypedFunctionsBytesInBothByteOrders)
{
  const rosidl_message_type_support_t * handle = get_message_typesupport_handle(
    rosidl_typesupport_cpp::get_message_type_support_handle<TypeParam>(),
    "rosidl_typesupport_fastrtps_cpp");
  ASSERT_NE(nullptr, handle) << dispatch_cases::take_error();
  const auto * callbacks = static_cast<const message_type_support_callbacks_t *>(handle->data);
  EXPECT_STREQ(Names<TypeParam>::name, callbacks->message_name_);

  void * library = dlopen("libquorvex__rosidl_typesupport_fastrtps_cpp.so", RTLD_NOW | RTLD_NOLOAD);
  ASSERT_NE(nullptr, library);
  const auto typed = reinterpret_cast<bool (*)(const TypeParam &, eprosima::fastcdr::Cdr &)>(
    dlsym(library, typed_cdr_serialize(Names<TypeParam>::name).c_str()));
  ASSERT_NE(nullptr, typed) << dlerror();
  dlclose(library);  // Only drops the reference RTLD_NOLOAD took.

  TypeParam original;
  sample(original);
  ASSERT_NE(TypeParam(), original);
  for (const bool big_endian : {false, true}) {
    SCOPED_TRACE(big_endian ? "big endian" : "little endian");
    const size_t capacity = callbacks->get_serialized_size(&original);
    const std::vector<char> expected = encode(
      capacity, big_endian, [&](eprosima::fastcdr::Cdr & cdr) {return typed(original, cdr);});
    const std::vector<char> bytes = encode(
      capacity, big_endian,
      [&](eprosima::fastcdr::Cdr & cdr) {return callbacks->cdr_serialize(&original, cdr);});
    EXPECT_EQ(expected, bytes);
    EXPECT_EQ(capacity, bytes.size());

    std::vector<char> storage = bytes;
    eprosima::fastcdr::FastBuffer buffer(storage.data(), storage.size());
    eprosima::fastcdr::Cdr cdr(
      buffer, big_endian ? eprosima::fastcdr::Cdr::BIG_ENDIANNESS :
      eprosima::fastcdr::Cdr::LITTLE_ENDIANNESS, eprosima::fastcdr::Cdr::DDS_CDR);
    TypeParam decoded;
    EXPECT_TRUE(callbacks->cdr_deserialize(cdr, &decoded));
    EXPECT_EQ(original, decoded);
  }
}

}  // namespace
