// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef ONE_WIRE__WIRE_RECORDS_HPP_
#define ONE_WIRE__WIRE_RECORDS_HPP_

// The four messages as C++ records and as C records side by side, with what the one-wire test
// does to them member by member: random values, conversion between the two languages, and
// comparison bit for bit. The member lists come from the member tables (*__members.h).

#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "quorvex/srv/detail/plan_motion__members.h"
#include "quorvex/srv/detail/solve_ik__members.h"
#include "quorvex/srv/plan_motion.h"
#include "quorvex/srv/plan_motion.hpp"
#include "quorvex/srv/solve_ik.h"
#include "quorvex/srv/solve_ik.hpp"
#include "rosidl_runtime_c/primitives_sequence_functions.h"
#include "rosidl_runtime_c/string_functions.h"

namespace one_wire
{

/// The C twin of each C++ record and the walk over both records' members in wire order.
template<typename Record>
struct Pair;

#define QUORVEX_ONE_WIRE_VISIT_PAIR(member, KIND) visit(a.member, b.member);

#define QUORVEX_ONE_WIRE_PAIR(Message, TABLE) \
  template<> \
  struct Pair<quorvex::srv::Message> \
  { \
    using C = quorvex__srv__ ## Message; \
    static constexpr const char * name = #Message; \
    static bool init(C * record) {return quorvex__srv__ ## Message ## __init(record);} \
    static void fini(C * record) {quorvex__srv__ ## Message ## __fini(record);} \
    /* Calls visit(a.member, b.member) for each member; a and b are C or C++ records. */ \
    template<typename A, typename B, typename Visit> \
    static void members(A & a, B & b, Visit && visit) \
    { \
      TABLE(QUORVEX_ONE_WIRE_VISIT_PAIR) \
    } \
  };

QUORVEX_ONE_WIRE_PAIR(PlanMotion_Request, QUORVEX_PLAN_MOTION_REQUEST_MEMBERS)
QUORVEX_ONE_WIRE_PAIR(PlanMotion_Response, QUORVEX_PLAN_MOTION_RESPONSE_MEMBERS)
QUORVEX_ONE_WIRE_PAIR(SolveIK_Request, QUORVEX_SOLVE_IK_REQUEST_MEMBERS)
QUORVEX_ONE_WIRE_PAIR(SolveIK_Response, QUORVEX_SOLVE_IK_RESPONSE_MEMBERS)

#undef QUORVEX_ONE_WIRE_PAIR
#undef QUORVEX_ONE_WIRE_VISIT_PAIR

inline uint64_t bits_of(double value)
{
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof(bits));
  return bits;
}

inline double from_bits(uint64_t bits)
{
  double value;
  std::memcpy(&value, &bits, sizeof(value));
  return value;
}

/// Random member values that stress the encoding: empty and large sequences, empty and long
/// strings of every byte but NUL (which the writers refuse), NaNs with payloads, -0.0,
/// subnormals and infinities, and the extreme int32 values.
class RandomValues
{
public:
  explicit RandomValues(uint64_t seed)
  : engine_(seed) {}

  void operator()(bool & value) {value = below(2) == 1;}

  void operator()(int32_t & value)
  {
    static const int32_t extremes[] = {
      std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(), 0, -1, 1};
    value = below(2) == 0 ? extremes[below(std::size(extremes))] :
      static_cast<int32_t>(static_cast<uint32_t>(engine_()));
  }

  void operator()(double & value)
  {
    const uint64_t sign = static_cast<uint64_t>(below(2)) << 63;
    switch (below(8)) {
      case 0:  // NaN, quiet or signalling, with a random non-zero payload
        value = from_bits(sign | 0x7ff0000000000000u | (1 + engine_() % 0x000fffffffffffffu));
        break;
      case 1:
        value = from_bits(sign);  // 0.0 and -0.0
        break;
      case 2:
        value = from_bits(sign | 0x7ff0000000000000u);  // infinities
        break;
      case 3:
        value = from_bits(sign | (engine_() & 0x000fffffffffffffu));  // subnormals
        break;
      case 4:
        value = from_bits(engine_());  // any bit pattern
        break;
      default:
        value = std::uniform_real_distribution<double>(-1e3, 1e3)(engine_);
        break;
    }
  }

  void operator()(std::string & value)
  {
    value.resize(length({0, 40, 4000, 70000}));
    for (char & c : value) {
      c = static_cast<char>(1 + below(255));
    }
  }

  void operator()(std::vector<double> & values)
  {
    values.resize(length({0, 16, 1000, 20000}));
    for (double & value : values) {
      (*this)(value);
    }
  }

  template<typename Record>
  Record record()
  {
    Record record;
    Pair<Record>::members(record, record, [this](auto & member, auto &) {(*this)(member);});
    return record;
  }

private:
  size_t below(size_t bound)
  {
    return static_cast<size_t>(engine_() % bound);
  }

  /// Empty a quarter of the time; otherwise up to the first limit half the time, up to the
  /// second most of the rest, and rarely up to the third.
  size_t length(const std::vector<size_t> & limits)
  {
    const size_t draw = below(100);
    if (draw < 25) {
      return limits[0];
    }
    const size_t tier = draw < 75 ? 1 : (draw < 96 ? 2 : 3);
    return limits[tier - 1] + 1 + below(limits[tier] - limits[tier - 1]);
  }

  std::mt19937_64 engine_;
};

// C++ member to C member, and back. The C side goes through rosidl_runtime_c.

inline bool to_c(const bool & from, bool & to) {to = from; return true;}
inline bool to_c(const int32_t & from, int32_t & to) {to = from; return true;}
inline bool to_c(const double & from, double & to) {to = from; return true;}

inline bool to_c(const std::string & from, rosidl_runtime_c__String & to)
{
  return rosidl_runtime_c__String__assignn(&to, from.data(), from.size());
}

inline bool to_c(const std::vector<double> & from, rosidl_runtime_c__double__Sequence & to)
{
  rosidl_runtime_c__double__Sequence__fini(&to);
  if (!rosidl_runtime_c__double__Sequence__init(&to, from.size())) {
    return false;
  }
  if (!from.empty()) {
    std::memcpy(to.data, from.data(), from.size() * sizeof(double));
  }
  return true;
}

inline void from_c(const bool & from, bool & to) {to = from;}
inline void from_c(const int32_t & from, int32_t & to) {to = from;}
inline void from_c(const double & from, double & to) {to = from;}

inline void from_c(const rosidl_runtime_c__String & from, std::string & to)
{
  to.assign(from.data, from.size);
}

inline void from_c(const rosidl_runtime_c__double__Sequence & from, std::vector<double> & to)
{
  to.assign(from.data, from.data + from.size);
}

/// Copies a C++ record into an initialised C record; false if memory ran out.
template<typename Record>
bool to_c_record(const Record & from, typename Pair<Record>::C & to)
{
  bool ok = true;
  Pair<Record>::members(
    from, to, [&ok](const auto & a, auto & b) {ok = to_c(a, b) && ok;});
  return ok;
}

template<typename Record>
Record from_c_record(const typename Pair<Record>::C & from)
{
  Record to;
  Pair<Record>::members(from, to, [](const auto & a, auto & b) {from_c(a, b);});
  return to;
}

// Equality bit for bit: doubles by their bits, so NaN equals the same NaN and -0.0 differs from
// 0.0.

inline bool same(bool a, bool b) {return a == b;}
inline bool same(int32_t a, int32_t b) {return a == b;}
inline bool same(double a, double b) {return bits_of(a) == bits_of(b);}
inline bool same(const std::string & a, const std::string & b) {return a == b;}

inline bool same(const std::vector<double> & a, const std::vector<double> & b)
{
  return a.size() == b.size() &&
         (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0);
}

template<typename Record>
bool same_record(const Record & a, const Record & b)
{
  bool equal = true;
  Pair<Record>::members(
    a, b, [&equal](const auto & x, const auto & y) {
      equal = equal && same(x, y);
    });
  return equal;
}

}  // namespace one_wire

#endif  // ONE_WIRE__WIRE_RECORDS_HPP_
