// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef FUZZ__FUZZ_CHECK_HPP_
#define FUZZ__FUZZ_CHECK_HPP_

#include <cstdio>
#include <cstdlib>

// A broken promise is a finding: report where and stop, so that libFuzzer keeps the input.
// Unlike assert() this stays active in optimised builds.
#define FUZZ_REQUIRE(condition) \
  do { \
    if (!(condition)) { \
      std::fprintf(stderr, "%s:%d: broken promise: %s\n", __FILE__, __LINE__, #condition); \
      std::abort(); \
    } \
  } while (0)

#endif  // FUZZ__FUZZ_CHECK_HPP_
