// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "quorvex_examples/command_line.hpp"

#include <limits.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <string>

namespace quorvex_examples
{

bool parse_integer(const std::string & text, int64_t min, int64_t max, int64_t & value)
{
  const size_t first_digit = !text.empty() && text[0] == '-' ? 1 : 0;
  // strtoll alone would also take leading blanks and a '+'.
  if (text.size() == first_digit || !std::isdigit(static_cast<unsigned char>(text[first_digit]))) {
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

std::string executable_path()
{
  char path[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
  return length <= 0 ? std::string() : std::string(path, static_cast<size_t>(length));
}

std::string absolute_path(const std::string & path)
{
  if (path.empty() || path.front() == '/') {
    return path;
  }
  char * directory = getcwd(nullptr, 0);
  if (directory == nullptr) {
    return path;
  }
  const std::string absolute = std::string(directory) + "/" + path;
  free(directory);
  return absolute;
}

}  // namespace quorvex_examples
