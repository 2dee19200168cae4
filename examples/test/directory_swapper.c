// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// Swaps two paths over and over for a number of seconds, as someone who can write their parent
// directory may: renameat2 with RENAME_EXCHANGE, one atomic exchange at a time.
// Usage: directory_swapper PATH_A PATH_B SECONDS
// Prints how many exchanges it made; exits 1 when one fails.

#define _GNU_SOURCE
#include <fcntl.h>
#include <inttypes.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

int main(int argc, char ** argv)
{
  if (argc != 4 || atoi(argv[3]) <= 0) {
    fprintf(stderr, "usage: directory_swapper PATH_A PATH_B SECONDS\n");
    return 2;
  }
  struct timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  const time_t end = now.tv_sec + atoi(argv[3]);
  uint64_t exchanges = 0;
  // An even number of exchanges leaves both paths as they were.
  while (now.tv_sec < end || exchanges % 2 != 0) {
    if (renameat2(AT_FDCWD, argv[1], AT_FDCWD, argv[2], RENAME_EXCHANGE) != 0) {
      perror("directory_swapper: renameat2");
      return 1;
    }
    ++exchanges;
    clock_gettime(CLOCK_MONOTONIC, &now);
  }
  printf("%" PRIu64 " exchanges\n", exchanges);
  return 0;
}
