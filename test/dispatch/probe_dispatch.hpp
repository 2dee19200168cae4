// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef DISPATCH__PROBE_DISPATCH_HPP_
#define DISPATCH__PROBE_DISPATCH_HPP_

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "rosidl_typesupport_c/identifier.h"
#include "rosidl_typesupport_c/message_type_support_dispatch.h"
#include "rosidl_typesupport_c/service_type_support_dispatch.h"
#include "rosidl_typesupport_c/type_support_map.h"
#include "rosidl_typesupport_cpp/identifier.hpp"
#include "rosidl_typesupport_cpp/message_type_support_dispatch.hpp"
#include "rosidl_typesupport_cpp/service_type_support_dispatch.hpp"

// The four dispatch functions of the stand-ins, driven with maps of the probe package
// "dispatch_probe", whose library libdispatch_probe__probe_type_support.so lies in the tests'
// build folder.
namespace probe_dispatch
{

constexpr const char * kProbeIdentifier = "probe_type_support";
constexpr const char * kProbeLibrary = "libdispatch_probe__probe_type_support.so";

struct CMessage
{
  using Handle = rosidl_message_type_support_t;
  static constexpr const char * getter = "probe_message_getter";
  static const char * identifier() {return rosidl_typesupport_c__typesupport_identifier;}
  static const Handle * dispatch(const Handle * handle, const char * identifier)
  {
    return rosidl_typesupport_c__get_message_typesupport_handle_function(handle, identifier);
  }
};

struct CService
{
  using Handle = rosidl_service_type_support_t;
  static constexpr const char * getter = "probe_service_getter";
  static const char * identifier() {return rosidl_typesupport_c__typesupport_identifier;}
  static const Handle * dispatch(const Handle * handle, const char * identifier)
  {
    return rosidl_typesupport_c__get_service_typesupport_handle_function(handle, identifier);
  }
};

struct CppMessage
{
  using Handle = rosidl_message_type_support_t;
  static constexpr const char * getter = "probe_message_getter";
  static const char * identifier() {return rosidl_typesupport_cpp::typesupport_identifier;}
  static const Handle * dispatch(const Handle * handle, const char * identifier)
  {
    return rosidl_typesupport_cpp::get_message_typesupport_handle_function(handle, identifier);
  }
};

struct CppService
{
  using Handle = rosidl_service_type_support_t;
  static constexpr const char * getter = "probe_service_getter";
  static const char * identifier() {return rosidl_typesupport_cpp::typesupport_identifier;}
  static const Handle * dispatch(const Handle * handle, const char * identifier)
  {
    return rosidl_typesupport_cpp::get_service_typesupport_handle_function(handle, identifier);
  }
};

using Dispatchers = ::testing::Types<CMessage, CService, CppMessage, CppService>;

/// A map of two entries, "other_type_support" (never loaded) and the probe, and a dispatch
/// handle of `Dispatcher` that carries it.
template<typename Dispatcher>
struct ProbeHandle
{
  explicit ProbeHandle(
    std::string package_name = "dispatch_probe",
    std::string getter = Dispatcher::getter)
  : package(std::move(package_name)),
    probe_getter(std::move(getter)),
    identifiers{"other_type_support", kProbeIdentifier},
    symbols{"other_getter", probe_getter.c_str()},
    slots{nullptr, nullptr},
    map{2, package.c_str(), identifiers, symbols, slots},
    handle{Dispatcher::identifier(), &map, nullptr}
  {}

  ProbeHandle(const ProbeHandle &) = delete;
  ProbeHandle & operator=(const ProbeHandle &) = delete;

  const typename Dispatcher::Handle * lookup(const char * identifier = kProbeIdentifier) const
  {
    return Dispatcher::dispatch(&handle, identifier);
  }

  std::string package;
  std::string probe_getter;
  const char * identifiers[2];
  const char * symbols[2];
  void * slots[2];
  type_support_map_t map;
  typename Dispatcher::Handle handle;
};

}  // namespace probe_dispatch

#endif  // DISPATCH__PROBE_DISPATCH_HPP_
