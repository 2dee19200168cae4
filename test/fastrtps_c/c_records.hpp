// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef FASTRTPS_C__C_RECORDS_HPP_
#define FASTRTPS_C__C_RECORDS_HPP_

// The C record of each C++ record, conversions between the two and a bit-for-bit comparison,
// driven by the member tables; the C library's callbacks; and Fast-CDR streams for its tests.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "cdr_test_support.hpp"
#include "fastcdr/Cdr.h"
#include "quorvex/srv/detail/plan_motion__members.h"
#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_fastrtps_c.h"
#include "quorvex/srv/detail/solve_ik__members.h"
#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_fastrtps_c.h"
#include "quorvex/srv/plan_motion.h"
#include "quorvex/srv/solve_ik.h"
#include "rosidl_runtime_c/primitives_sequence_functions.h"
#include "rosidl_runtime_c/string_functions.h"
#include "rosidl_typesupport_fastrtps_cpp/message_type_support.h"

namespace c_records
{

// --- one member of each kind ---

inline void set(bool & c, bool cpp) {c = cpp;}
inline void set(int32_t & c, int32_t cpp) {c = cpp;}
inline void set(double & c, double cpp) {c = cpp;}

inline void set(rosidl_runtime_c__String & c, const std::string & cpp)
{
  ASSERT_TRUE(rosidl_runtime_c__String__assignn(&c, cpp.data(), cpp.size()));
}

inline void set(rosidl_runtime_c__double__Sequence & c, const std::vector<double> & cpp)
{
  rosidl_runtime_c__double__Sequence__fini(&c);
  ASSERT_TRUE(rosidl_runtime_c__double__Sequence__init(&c, cpp.size()));
  if (!cpp.empty()) {
    std::memcpy(c.data, cpp.data(), cpp.size() * sizeof(double));
  }
}

inline void get(bool c, bool & cpp) {cpp = c;}
inline void get(int32_t c, int32_t & cpp) {cpp = c;}
inline void get(double c, double & cpp) {cpp = c;}
inline void get(const rosidl_runtime_c__String & c, std::string & cpp)
{
  cpp.assign(c.data, c.size);
}
inline void get(const rosidl_runtime_c__double__Sequence & c, std::vector<double> & cpp)
{
  cpp.assign(c.data, c.data + c.size);
}

/// Equal bit for bit (NaN payloads and -0.0 included); a C string must also end in its NUL.
inline bool same(bool c, bool cpp) {return c == cpp;}
inline bool same(int32_t c, int32_t cpp) {return c == cpp;}
inline bool same(double c, double cpp) {return std::memcmp(&c, &cpp, sizeof(double)) == 0;}
inline bool same(const rosidl_runtime_c__String & c, const std::string & cpp)
{
  return c.data != nullptr && c.size == cpp.size() && c.capacity > c.size &&
         std::memcmp(c.data, cpp.data(), cpp.size()) == 0 && c.data[c.size] == '\0';
}
inline bool same(const rosidl_runtime_c__double__Sequence & c, const std::vector<double> & cpp)
{
  return c.size == cpp.size() && c.capacity >= c.size &&
         (cpp.empty() || std::memcmp(c.data, cpp.data(), cpp.size() * sizeof(double)) == 0);
}

// --- the C record of each C++ record ---

template<typename Cpp>
struct CRecord;

// Calls `f(c.member, cpp.member)` for each member of a message in wire order.
#define C_RECORDS_EACH_MEMBER(member, KIND) f(c.member, cpp.member);
#define C_RECORDS_MEMBER_NAME(member, KIND) #member,

#define C_RECORDS_DEFINE(Message, TABLE) \
  template<> \
  struct CRecord<quorvex::srv::Message> \
  { \
    using type = quorvex__srv__ ## Message; \
    static bool init(type * message) {return quorvex__srv__ ## Message ## __init(message);} \
    static void fini(type * message) {quorvex__srv__ ## Message ## __fini(message);} \
    static const rosidl_message_type_support_t * handle() \
    { \
      return ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME( \
        rosidl_typesupport_fastrtps_c, quorvex, srv, Message)(); \
    } \
    template<typename C, typename Cpp, typename F> \
    static void each(C & c, Cpp & cpp, F && f) {TABLE(C_RECORDS_EACH_MEMBER)} \
    static std::vector<std::string> names() {return {TABLE(C_RECORDS_MEMBER_NAME)};} \
  };

C_RECORDS_DEFINE(SolveIK_Request, QUORVEX_SOLVE_IK_REQUEST_MEMBERS)
C_RECORDS_DEFINE(SolveIK_Response, QUORVEX_SOLVE_IK_RESPONSE_MEMBERS)
C_RECORDS_DEFINE(PlanMotion_Request, QUORVEX_PLAN_MOTION_REQUEST_MEMBERS)
C_RECORDS_DEFINE(PlanMotion_Response, QUORVEX_PLAN_MOTION_RESPONSE_MEMBERS)

#undef C_RECORDS_DEFINE

/// The callbacks record of the C library's handle of the C++ record type's C twin.
template<typename Cpp>
const message_type_support_callbacks_t & callbacks()
{
  return *static_cast<const message_type_support_callbacks_t *>(CRecord<Cpp>::handle()->data);
}

/// An initialised C record, finalised with the scope.
template<typename Cpp>
struct Owned
{
  using Type = typename CRecord<Cpp>::type;

  Owned() {EXPECT_TRUE(CRecord<Cpp>::init(&message));}
  explicit Owned(const Cpp & value)
  : Owned() {assign(value);}
  ~Owned() {CRecord<Cpp>::fini(&message);}
  Owned(const Owned &) = delete;
  Owned & operator=(const Owned &) = delete;

  void assign(const Cpp & value)
  {
    CRecord<Cpp>::each(message, value, [](auto & c, const auto & cpp) {set(c, cpp);});
  }

  Cpp value() const
  {
    Cpp result;
    CRecord<Cpp>::each(message, result, [](const auto & c, auto & cpp) {get(c, cpp);});
    return result;
  }

  Type message;
};

/// Which members of the C record equal those of the C++ record, bit for bit.
template<typename Cpp>
std::vector<bool> same_members(const typename CRecord<Cpp>::type & c, const Cpp & cpp)
{
  std::vector<bool> result;
  CRecord<Cpp>::each(
    c, cpp, [&result](const auto & cm, const auto & cppm) {
      result.push_back(same(cm, cppm));
    });
  return result;
}

template<typename Cpp>
bool same_record(const typename CRecord<Cpp>::type & c, const Cpp & cpp)
{
  for (const bool member : same_members(c, cpp)) {
    if (!member) {
      return false;
    }
  }
  return true;
}

/// The bytes that a writer appends after `start` bytes written as single octets (which leaves
/// the stream in the same state for every writer), in a buffer that cannot grow.
template<typename Write>
std::vector<uint8_t> written_after(size_t start, bool big_endian, size_t capacity, Write write)
{
  cdr_test::Stream out(capacity, big_endian);
  for (size_t i = 0; i < start; ++i) {
    out.cdr.serialize('\0');
  }
  write(out.cdr);
  return out.written();
}

}  // namespace c_records

#endif  // FASTRTPS_C__C_RECORDS_HPP_
