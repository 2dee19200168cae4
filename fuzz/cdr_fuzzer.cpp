// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// Reads the input as the CDR body of one of the four messages (byte 0 picks it), in both byte
// orders, into a fresh record and into a reused one. The only expected failure is a Fast-CDR
// exception. What reads is written again, read again and compared, and the serialized size
// must cover what was written. The fresh read must also stay within a memory bound
// proportional to the input (see kSlack below). The reused record and the second write go
// through the untyped callbacks of the message's handle, as the middleware calls them.

#include <sanitizer/allocator_interface.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "fastcdr/Cdr.h"
#include "fastcdr/FastBuffer.h"
#include "fastcdr/exceptions/BadParamException.h"
#include "fastcdr/exceptions/Exception.h"
#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_fastrtps_cpp.hpp"
#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_fastrtps_cpp.hpp"
#include "quorvex/srv/plan_motion.hpp"
#include "quorvex/srv/solve_ik.hpp"
#include "rosidl_typesupport_fastrtps_cpp/identifier.hpp"
#include "rosidl_typesupport_fastrtps_cpp/message_type_support.h"

#include "fuzz_check.hpp"

namespace
{

using eprosima::fastcdr::Cdr;
using eprosima::fastcdr::FastBuffer;
namespace cdr_exception = eprosima::fastcdr::exception;
namespace typesupport = quorvex::srv::typesupport_fastrtps_cpp;

// --- the members of each C++ record, in wire order ---

template<typename Record>
struct Members;

template<>
struct Members<quorvex::srv::SolveIK_Request>
{
  template<typename R>
  static auto of(R & r)
  {
    return std::tie(
      r.pose_info_path, r.stage_subset, r.max_contact_poses, r.return_seeds, r.tool_type,
      r.position_tolerance, r.orientation_tolerance, r.conform_samples,
      r.orientation_sample_range_deg, r.orientation_sample_step_deg, r.accept_feasible_path,
      r.max_joint_jump_rad);
  }
};

template<>
struct Members<quorvex::srv::SolveIK_Response>
{
  template<typename R>
  static auto of(R & r) {return std::tie(r.success, r.summary, r.report_json);}
};

template<>
struct Members<quorvex::srv::PlanMotion_Request>
{
  template<typename R>
  static auto of(R & r) {return std::tie(r.start_joints, r.goal_joints);}
};

template<>
struct Members<quorvex::srv::PlanMotion_Response>
{
  template<typename R>
  static auto of(R & r)
  {
    return std::tie(
      r.success, r.message, r.waypoints_flat, r.velocities_flat, r.accelerations_flat,
      r.time_from_start, r.n_points, r.n_joints);
  }
};

template<typename Record, typename F>
void for_each_member(Record & record, F && f)
{
  std::apply(
    [&](auto &... member) {(f(member), ...);},
    Members<std::remove_const_t<Record>>::of(record));
}

template<typename Record, typename F>
bool any_member(const Record & record, F && f)
{
  return std::apply(
    [&](const auto &... member) {
      const bool found = (f(member) || ...);
      return found;
    },
    Members<Record>::of(record));
}

// --- per member kind ---

bool same_bits(bool a, bool b) {return a == b;}
bool same_bits(std::int32_t a, std::int32_t b) {return a == b;}
bool same_bits(double a, double b) {return std::memcmp(&a, &b, sizeof(double)) == 0;}
bool same_bits(const std::string & a, const std::string & b) {return a == b;}
bool same_bits(const std::vector<double> & a, const std::vector<double> & b)
{
  return a.size() == b.size() &&
         (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0);
}

bool holds_nan(double value) {return std::isnan(value);}
bool holds_nan(const std::vector<double> & values)
{
  return std::any_of(values.begin(), values.end(), [](double v) {return std::isnan(v);});
}
template<typename T>
bool holds_nan(const T &) {return false;}

bool holds_inner_nul(const std::string & text) {return text.find('\0') != std::string::npos;}
template<typename T>
bool holds_inner_nul(const T &) {return false;}

bool is_empty_sequence(const std::vector<double> & values) {return values.empty();}
template<typename T>
bool is_empty_sequence(const T &) {return false;}

// The writer ends a string at its first NUL.
void cut_at_nul(std::string & text) {text = std::string(text.c_str());}
template<typename T>
void cut_at_nul(T &) {}

// Values unlike anything a short input decodes to, with storage to be reused.
void make_dirty(bool & value) {value = true;}
void make_dirty(std::int32_t & value) {value = -7;}
void make_dirty(double & value) {value = -3.25;}
void make_dirty(std::string & text) {text = "left over from an earlier message, longer than SSO";}
void make_dirty(std::vector<double> & values) {values.assign(40, 1.5);}

template<typename Record>
bool same_bits(const Record & a, const Record & b)
{
  return std::apply(
    [&](const auto &... x) {
      return std::apply(
        [&](const auto &... y) {
          const bool same = (same_bits(x, y) && ...);
          return same;
        },
        Members<Record>::of(b));
    },
    Members<Record>::of(a));
}

template<typename T, typename = void>
struct has_equality : std::false_type {};
template<typename T>
struct has_equality<T,
  std::void_t<decltype(std::declval<const T &>() == std::declval<const T &>())>>
  : std::true_type {};

// --- memory bound of a read ---

// Exceptions and their copies on the way out of the sequence reader; nothing that grows
// with the input.
constexpr std::size_t kSlack = 1024;

struct Allocations
{
  bool counting = false;
  std::size_t total = 0;
  std::size_t largest = 0;
};
Allocations g_allocations;

void on_malloc(const volatile void *, std::size_t size)
{
  if (g_allocations.counting) {
    g_allocations.total += size;
    g_allocations.largest = std::max(g_allocations.largest, size);
  }
}

void on_free(const volatile void *) {}

// --- reading and writing ---

template<typename Record>
const message_type_support_callbacks_t & callbacks_of()
{
  const rosidl_message_type_support_t * handle =
    rosidl_typesupport_fastrtps_cpp::get_message_type_support_handle<Record>();
  FUZZ_REQUIRE(
    handle->typesupport_identifier == rosidl_typesupport_fastrtps_cpp::typesupport_identifier);
  return *static_cast<const message_type_support_callbacks_t *>(handle->data);
}

// The bound callback reports an unbounded type whose fixed part is that of an empty record.
template<typename Record>
void check_bound()
{
  char bounds_info = 0x7f;
  FUZZ_REQUIRE(
    callbacks_of<Record>().max_serialized_size(bounds_info) ==
    typesupport::get_serialized_size(Record(), 0));
  FUZZ_REQUIRE(bounds_info == ROSIDL_TYPESUPPORT_FASTRTPS_UNBOUNDED_TYPE);
}

struct Outcome
{
  bool read;
  std::size_t position;
};

template<typename Record>
Outcome read(
  char * bytes, std::size_t size, Cdr::Endianness order, Record & record, bool untyped = false)
{
  FastBuffer buffer(bytes, size);
  Cdr cdr(buffer, order);
  try {
    FUZZ_REQUIRE(
      untyped ? callbacks_of<Record>().cdr_deserialize(cdr, &record) :
      typesupport::cdr_deserialize(cdr, record));
    return {true, cdr.getSerializedDataLength()};
  } catch (const cdr_exception::Exception &) {
    // The one expected failure; anything else escapes and is reported by libFuzzer.
    return {false, cdr.getSerializedDataLength()};
  }
}

// Writes the record after `start` bytes into a buffer of exactly the serialized size the
// record reports from there. False if the writer refuses a string with an inner NUL.
template<typename Record>
bool write(
  const Record & record, Cdr::Endianness order, std::size_t start, std::vector<char> & out,
  bool untyped = false)
{
  const std::size_t size = typesupport::get_serialized_size(record, start);
  out.assign(start + size, 0);
  FastBuffer buffer(out.data(), out.size());
  Cdr cdr(buffer, order);
  for (std::size_t i = 0; i < start; ++i) {
    cdr.serialize('\0');
  }
  try {
    FUZZ_REQUIRE(
      untyped ? callbacks_of<Record>().cdr_serialize(&record, cdr) :
      typesupport::cdr_serialize(record, cdr));
  } catch (const cdr_exception::BadParamException &) {
    FUZZ_REQUIRE(any_member(record, [](const auto & m) {return holds_inner_nul(m);}));
    return false;
  } catch (const cdr_exception::Exception &) {
    // The buffer holds exactly the reported size: the record did not fit into it.
    FUZZ_REQUIRE(!"get_serialized_size is smaller than what cdr_serialize writes");
  }
  const std::size_t written = cdr.getSerializedDataLength() - start;
  // The size is exact unless an empty sequence or a string with a NUL inside makes it larger.
  const bool exact = !any_member(
    record, [](const auto & m) {return is_empty_sequence(m) || holds_inner_nul(m);});
  FUZZ_REQUIRE(!exact || written == size);
  out.resize(start + written);
  return true;
}

Cdr::Endianness other(Cdr::Endianness order)
{
  return order == Cdr::BIG_ENDIANNESS ? Cdr::LITTLE_ENDIANNESS : Cdr::BIG_ENDIANNESS;
}

template<typename Record>
void check_round_trip(const Record & record, Cdr::Endianness order)
{
  std::vector<char> bytes;
  for (std::size_t start = 1; start < 8; ++start) {
    write(record, order, start, bytes);
  }
  FUZZ_REQUIRE(
    callbacks_of<Record>().get_serialized_size(&record) ==
    static_cast<std::uint32_t>(typesupport::get_serialized_size(record, 0)));
  Record expected = record;
  for_each_member(expected, [](auto & m) {cut_at_nul(m);});
  for (Cdr::Endianness write_order : {order, other(order)}) {
    const bool untyped = write_order != order;
    if (!write(record, write_order, 0, bytes, untyped)) {
      return;
    }
    Record again;
    const Outcome outcome = read(bytes.data(), bytes.size(), write_order, again, untyped);
    FUZZ_REQUIRE(outcome.read && outcome.position == bytes.size());
    FUZZ_REQUIRE(same_bits(again, expected));
    if constexpr (has_equality<Record>::value) {
      if (!any_member(record, [](const auto & m) {return holds_nan(m);})) {
        FUZZ_REQUIRE(again == expected);
      }
    }
  }
}

template<typename Record>
void check(const std::uint8_t * data, std::size_t size)
{
  // A block of exactly the input's size, so that any read past its end is reported.
  std::unique_ptr<char[]> bytes(new char[size]);
  if (size > 0) {
    std::memcpy(bytes.get(), data, size);
  }
  Record reused;
  for_each_member(reused, [](auto & m) {make_dirty(m);});

  for (Cdr::Endianness order : {Cdr::LITTLE_ENDIANNESS, Cdr::BIG_ENDIANNESS}) {
    Record fresh;
    g_allocations = {true, 0, 0};
    const Outcome first = read(bytes.get(), size, order, fresh);
    g_allocations.counting = false;
    // A sequence count is refused unless it is at most the bytes left, so one vector holds at
    // most 8 bytes per input byte; strings and the vectors that read completely take at most
    // one byte per input byte between them.
    FUZZ_REQUIRE(g_allocations.largest <= 8 * size + kSlack);
    FUZZ_REQUIRE(g_allocations.total <= 9 * size + kSlack);

    // The previous content of a record never changes what is read, nor where reading stops.
    const Outcome second = read(bytes.get(), size, order, reused, true);
    FUZZ_REQUIRE(first.read == second.read && first.position == second.position);
    if (first.read) {
      FUZZ_REQUIRE(same_bits(fresh, reused));
      check_round_trip(fresh, order);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
  __sanitizer_install_malloc_and_free_hooks(on_malloc, on_free);
  check_bound<quorvex::srv::SolveIK_Request>();
  check_bound<quorvex::srv::SolveIK_Response>();
  check_bound<quorvex::srv::PlanMotion_Request>();
  check_bound<quorvex::srv::PlanMotion_Response>();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t * data, std::size_t size)
{
  if (size == 0) {
    return 0;
  }
  switch (data[0] % 4) {
    case 0: check<quorvex::srv::SolveIK_Request>(data + 1, size - 1); break;
    case 1: check<quorvex::srv::SolveIK_Response>(data + 1, size - 1); break;
    case 2: check<quorvex::srv::PlanMotion_Request>(data + 1, size - 1); break;
    case 3: check<quorvex::srv::PlanMotion_Response>(data + 1, size - 1); break;
  }
  return 0;
}
