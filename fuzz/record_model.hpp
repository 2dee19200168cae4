// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef FUZZ__RECORD_MODEL_HPP_
#define FUZZ__RECORD_MODEL_HPP_

#include <cstddef>
#include <string>
#include <vector>

#include "byte_reader.hpp"

// An independent description of the four C records (member names, kinds and offsets, taken
// from the record declarations with offsetof) and what the fuzz targets check against it.
// Records are handled as raw memory here so that one oracle serves all four messages.
namespace record_model
{

enum class Kind
{
  kBool,
  kInt32,
  kFloat64,
  kString,
  kDoubleSequence,
};

struct Member
{
  const char * name;
  Kind kind;
  std::size_t offset;
};

struct Layout
{
  const char * name;
  std::size_t size;
  std::vector<Member> members;
};

const Layout & solve_ik_request();
const Layout & solve_ik_response();
const Layout & plan_motion_request();
const Layout & plan_motion_response();

/// True for the members that own a buffer: strings and float64 sequences.
bool owns_buffer(Kind kind);

/// The value of one member as bytes: scalars as stored, strings and sequences by content.
/// Two members of one kind hold the same value exactly when these bytes are equal.
std::string value_of(const Member & member, const void * record);

/// The values of all members, in member order.
std::vector<std::string> values_of(const Layout & layout, const void * record);

/// The values of a record fresh from __create: zero plain members, empty strings and sequences.
std::vector<std::string> created_values(const Layout & layout);

/// The stored bytes of the bool, int32 and float64 members, which __init and __fini keep.
std::string scalar_bytes(const Layout & layout, const void * record);

/// Every string and sequence member keeps its own invariants.
bool is_valid(const Layout & layout, const void * record);

/// Strings empty, sequences empty and without a buffer: the state __init leaves.
bool is_freshly_initialised(const Layout & layout, const void * record);

/// Every bool, int32 and float64 member holds zero bytes.
bool scalars_are_zero(const Layout & layout, const void * record);

/// Member-wise equality as __are_equal promises it: IEEE-754 for float64 values.
bool equal_by_value(const Layout & layout, const void * lhs, const void * rhs);

/// Number of buffers that the record's members own.
std::size_t owned_buffers(const Layout & layout, const void * record);

/// Gives every member a value from the input, through rosidl_runtime_c (bounded sizes,
/// float64 values including NaN and the signed zeros). False if an allocation failed; the
/// record stays initialised either way.
bool fill(const Layout & layout, void * record, ByteReader & input);

}  // namespace record_model

#endif  // FUZZ__RECORD_MODEL_HPP_
