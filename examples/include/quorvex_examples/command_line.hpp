// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX_EXAMPLES__COMMAND_LINE_HPP_
#define QUORVEX_EXAMPLES__COMMAND_LINE_HPP_

#include <cstdint>
#include <string>

namespace quorvex_examples
{

/// Parses `text` as a whole decimal integer within [min, max]: digits with an optional leading
/// '-', nothing else (no blank, no '+'). False when it is not one; `value` is then unchanged.
bool parse_integer(const std::string & text, int64_t min, int64_t max, int64_t & value);

/// Absolute path of the running program, from /proc/self/exe; empty when it cannot be read.
std::string executable_path();

/// `path` as an absolute path, resolved against the working directory when it is relative.
std::string absolute_path(const std::string & path);

/// Largest DDS domain id whose ports Fast DDS can still compute.
constexpr int64_t kMaxDomainId = 232;

}  // namespace quorvex_examples

#endif  // QUORVEX_EXAMPLES__COMMAND_LINE_HPP_
