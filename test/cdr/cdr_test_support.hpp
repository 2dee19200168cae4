// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef CDR__CDR_TEST_SUPPORT_HPP_
#define CDR__CDR_TEST_SUPPORT_HPP_

// A reference encoder and size model written from the wire rules alone, random records, and the
// member lists of the four messages, for checking the library against something independent.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "fastcdr/Cdr.h"
#include "fastcdr/FastBuffer.h"
#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_fastrtps_cpp.hpp"
#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_fastrtps_cpp.hpp"
#include "quorvex/srv/plan_motion.hpp"
#include "quorvex/srv/solve_ik.hpp"
#include "rosidl_typesupport_fastrtps_cpp/message_type_support.h"
#include "rosidl_typesupport_interface/macros.h"

namespace cdr_test
{

using eprosima::fastcdr::Cdr;
using quorvex::srv::PlanMotion_Request;
using quorvex::srv::PlanMotion_Response;
using quorvex::srv::SolveIK_Request;
using quorvex::srv::SolveIK_Response;

/// A stream over a buffer of exactly `size` bytes that cannot grow, so that any access beyond it
/// is the library's fault (and the sanitizer's catch).
struct Stream
{
  Stream(size_t size, bool big_endian)
  : storage(size),
    buffer(reinterpret_cast<char *>(storage.data()), size),
    cdr(buffer, big_endian ? Cdr::BIG_ENDIANNESS : Cdr::LITTLE_ENDIANNESS, Cdr::DDS_CDR)
  {}

  Stream(const std::vector<uint8_t> & bytes, bool big_endian)
  : Stream(bytes.size(), big_endian)
  {
    if (!bytes.empty()) {
      std::memcpy(storage.data(), bytes.data(), bytes.size());
    }
  }

  size_t position() const {return cdr.getSerializedDataLength();}

  std::vector<uint8_t> written() const
  {
    return std::vector<uint8_t>(storage.begin(), storage.begin() + position());
  }

  std::vector<uint8_t> storage;
  eprosima::fastcdr::FastBuffer buffer;
  Cdr cdr;
};

/// Encodes members by the wire rules, noting which bytes carry meaning and where each member
/// ends. Positions count from 0; the first `start` bytes stand for what precedes the record.
class Reference
{
public:
  Reference(bool big_endian, size_t start)
  : big_endian_(big_endian), bytes_(start, 0), meaningful_(start, false), start_(start) {}

  void put(bool value) {put_bits(value ? 1 : 0, 1); end_member();}
  void put(int32_t value) {put_bits(static_cast<uint32_t>(value), 4); end_member();}
  void put(double value) {put_float64(value); end_member();}

  void put(const std::string & value)
  {
    put_bits(value.size() + 1, 4);
    for (const char c : value) {
      put_bits(static_cast<uint8_t>(c), 1);
    }
    put_bits(0, 1);
    end_member();
  }

  void put(const std::vector<double> & values)
  {
    put_bits(values.size(), 4);
    for (const double value : values) {
      put_float64(value);
    }
    end_member();
  }

  const std::vector<uint8_t> & bytes() const {return bytes_;}
  const std::vector<bool> & meaningful() const {return meaningful_;}
  /// Position just after each member, in member order.
  const std::vector<size_t> & member_ends() const {return member_ends_;}
  size_t start() const {return start_;}
  size_t size() const {return bytes_.size() - start_;}

  /// The encoding with every padding byte set to `fill`, as another writer may leave it.
  std::vector<uint8_t> with_padding(uint8_t fill) const
  {
    std::vector<uint8_t> result = bytes_;
    for (size_t i = start_; i < result.size(); ++i) {
      if (!meaningful_[i]) {
        result[i] = fill;
      }
    }
    return result;
  }

private:
  void put_float64(double value)
  {
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof(bits));
    put_bits(bits, 8);
  }

  void put_bits(uint64_t bits, size_t width)
  {
    while (bytes_.size() % width != 0) {
      bytes_.push_back(0);
      meaningful_.push_back(false);
    }
    for (size_t i = 0; i < width; ++i) {
      const size_t shift = 8 * (big_endian_ ? width - 1 - i : i);
      bytes_.push_back(static_cast<uint8_t>(bits >> shift));
      meaningful_.push_back(true);
    }
  }

  void end_member() {member_ends_.push_back(bytes_.size());}

  bool big_endian_;
  std::vector<uint8_t> bytes_;
  std::vector<bool> meaningful_;
  std::vector<size_t> member_ends_;
  size_t start_;
};

/// Size by the counting rules, stepping one byte at a time: unlike the encoding, an empty
/// sequence still counts its padding to 8.
class SizeModel
{
public:
  explicit SizeModel(size_t start)
  : position_(start), start_(start) {}

  void put(bool) {position_ += 1;}
  void put(int32_t) {pad(4); position_ += 4;}
  void put(double) {pad(8); position_ += 8;}
  void put(const std::string & value) {pad(4); position_ += 4 + value.size() + 1;}

  void put(const std::vector<double> & values)
  {
    pad(4);
    position_ += 4;
    pad(8);
    position_ += 8 * values.size();
  }

  size_t size() const {return position_ - start_;}

private:
  void pad(size_t width)
  {
    while (position_ % width != 0) {
      ++position_;
    }
  }

  size_t position_;
  size_t start_;
};

/// The members of each message in wire order, with the message's own functions.
template<typename Message>
struct MessageInfo;

template<>
struct MessageInfo<SolveIK_Request>
{
  static constexpr const char * name = "SolveIK_Request";
  static constexpr auto members = std::make_tuple(
    &SolveIK_Request::pose_info_path, &SolveIK_Request::stage_subset,
    &SolveIK_Request::max_contact_poses, &SolveIK_Request::return_seeds,
    &SolveIK_Request::tool_type, &SolveIK_Request::position_tolerance,
    &SolveIK_Request::orientation_tolerance, &SolveIK_Request::conform_samples,
    &SolveIK_Request::orientation_sample_range_deg, &SolveIK_Request::orientation_sample_step_deg,
    &SolveIK_Request::accept_feasible_path, &SolveIK_Request::max_joint_jump_rad);
  static constexpr auto max_size =
    &quorvex::srv::typesupport_fastrtps_cpp::max_serialized_size_SolveIK_Request;
  static const rosidl_message_type_support_t * handle()
  {
    return ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
      rosidl_typesupport_fastrtps_cpp, quorvex, srv, SolveIK_Request)();
  }
};

template<>
struct MessageInfo<SolveIK_Response>
{
  static constexpr const char * name = "SolveIK_Response";
  static constexpr auto members = std::make_tuple(
    &SolveIK_Response::success, &SolveIK_Response::summary, &SolveIK_Response::report_json);
  static constexpr auto max_size =
    &quorvex::srv::typesupport_fastrtps_cpp::max_serialized_size_SolveIK_Response;
  static const rosidl_message_type_support_t * handle()
  {
    return ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
      rosidl_typesupport_fastrtps_cpp, quorvex, srv, SolveIK_Response)();
  }
};

template<>
struct MessageInfo<PlanMotion_Request>
{
  static constexpr const char * name = "PlanMotion_Request";
  static constexpr auto members = std::make_tuple(
    &PlanMotion_Request::start_joints, &PlanMotion_Request::goal_joints);
  static constexpr auto max_size =
    &quorvex::srv::typesupport_fastrtps_cpp::max_serialized_size_PlanMotion_Request;
  static const rosidl_message_type_support_t * handle()
  {
    return ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
      rosidl_typesupport_fastrtps_cpp, quorvex, srv, PlanMotion_Request)();
  }
};

template<>
struct MessageInfo<PlanMotion_Response>
{
  static constexpr const char * name = "PlanMotion_Response";
  static constexpr auto members = std::make_tuple(
    &PlanMotion_Response::success, &PlanMotion_Response::message,
    &PlanMotion_Response::waypoints_flat, &PlanMotion_Response::velocities_flat,
    &PlanMotion_Response::accelerations_flat, &PlanMotion_Response::time_from_start,
    &PlanMotion_Response::n_points, &PlanMotion_Response::n_joints);
  static constexpr auto max_size =
    &quorvex::srv::typesupport_fastrtps_cpp::max_serialized_size_PlanMotion_Response;
  static const rosidl_message_type_support_t * handle()
  {
    return ROSIDL_TYPESUPPORT_INTERFACE__MESSAGE_SYMBOL_NAME(
      rosidl_typesupport_fastrtps_cpp, quorvex, srv, PlanMotion_Response)();
  }
};

using AllMessages =
  ::testing::Types<SolveIK_Request, SolveIK_Response, PlanMotion_Request, PlanMotion_Response>;

/// Calls `visit(index, member)` for each member of `message` in wire order.
template<typename Message, typename Visit>
void for_each_member(Message & message, Visit && visit)
{
  size_t index = 0;
  std::apply(
    [&](auto... member) {(visit(index++, message.*member), ...);},
    MessageInfo<std::remove_const_t<Message>>::members);
}

template<typename Message>
size_t member_count()
{
  return std::tuple_size<decltype(MessageInfo<Message>::members)>::value;
}

/// Whether member `index` is equal in both records.
template<typename Message>
bool member_equal(size_t index, const Message & a, const Message & b)
{
  bool equal = true;
  size_t i = 0;
  std::apply(
    [&](auto... member) {((equal = (i++ == index) ? (a.*member == b.*member) : equal), ...);},
    MessageInfo<Message>::members);
  return equal;
}

template<typename Message>
Reference reference_encoding(const Message & message, bool big_endian, size_t start)
{
  Reference reference(big_endian, start);
  for_each_member(message, [&](size_t, const auto & value) {reference.put(value);});
  return reference;
}

template<typename Message>
size_t model_size(const Message & message, size_t start)
{
  SizeModel model(start);
  for_each_member(message, [&](size_t, const auto & value) {model.put(value);});
  return model.size();
}

/// Random member values: strings without NUL bytes, and sequences that are empty only if
/// `allow_empty`.
class RandomFill
{
public:
  explicit RandomFill(uint32_t seed)
  : engine_(seed) {}

  void operator()(bool & value) {value = uniform(0, 1) == 1;}
  void operator()(int32_t & value)
  {
    value = static_cast<int32_t>(engine_());
  }
  void operator()(double & value)
  {
    static const double specials[] = {
      0.0, -0.0, 1.0, -1.5, std::numeric_limits<double>::infinity(),
      std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::max()};
    if (uniform(0, 3) == 0) {
      value = specials[uniform(0, std::size(specials) - 1)];
    } else {
      value = std::uniform_real_distribution<double>(-1e6, 1e6)(engine_);
    }
  }
  void operator()(std::string & value)
  {
    value.resize(uniform(0, 40));
    for (char & c : value) {
      c = static_cast<char>(uniform(1, 255));
    }
  }
  void operator()(std::vector<double> & values)
  {
    values.resize(uniform(allow_empty ? 0 : 1, 12));
    for (double & value : values) {
      (*this)(value);
    }
  }

  template<typename Message>
  Message record()
  {
    Message message;
    for_each_member(message, [this](size_t, auto & value) {(*this)(value);});
    return message;
  }

  bool allow_empty = true;

private:
  size_t uniform(size_t low, size_t high)
  {
    return std::uniform_int_distribution<size_t>(low, high)(engine_);
  }

  std::mt19937 engine_;
};

}  // namespace cdr_test

#endif  // CDR__CDR_TEST_SUPPORT_HPP_
