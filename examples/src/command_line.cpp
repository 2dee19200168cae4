// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "quorvex_examples/command_line.hpp"

#include <cerrno>
#include <cstdlib>
#include <string>

namespace quorvex_examples
{

bool parse_integer(const std::string & text, int64_t min, int64_t max, int64_t & value)
{
  if (text.empty()) {
    return false;
  }
  char * end = nullptr;
  errno = 0;
  const long long parsed = std::strtoll(text.c_str(), &end, 10);  // NOLINT(runtime/int)
  if (errno != 0 || *end != '\0' || parsed < min || parsed > max) {
    return false;
  }
  value = parsed;
  return true;
}

}  // namespace quorvex_examples
