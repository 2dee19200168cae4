#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer in
# <checkout>/build-fuzz and runs each target for a given time, starting from its committed seeds
# and regression inputs in fuzz/corpus/<target>/. Inputs found on the way go to a scratch folder,
# never into the checkout. Fails on any crash, leak, timeout, broken check or memory limit.
#
# Usage: scripts/run_fuzz.sh [seconds-per-target (default 60)] [target...]
#        scripts/run_fuzz.sh --coverage [target...]
#   --coverage         instead of fuzzing, replays the committed and the grown corpora through a
#                      coverage build (<checkout>/build-fuzz-cov) and reports the line coverage
#                      of the three libraries and the C++ records
#   QUORVEX_FUZZ_WORK  scratch folder for grown corpora and crash artifacts
#                      (default <checkout>/build-fuzz/fuzz-work; keep it to resume a campaign)
#   QUORVEX_FUZZ_ARGS  extra libFuzzer flags, e.g. "-jobs=4 -workers=4" or "-seed=1"
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
coverage=false
if [ "${1:-}" = --coverage ]; then
  coverage=true
  shift
fi
seconds=60
if [[ "${1:-}" =~ ^[0-9]+$ ]]; then
  seconds=$1
  shift
fi
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(cdr_fuzzer cdr_c_fuzzer records_fuzzer introspection_fuzzer)
build="$root/build-fuzz"
work=${QUORVEX_FUZZ_WORK:-$build/fuzz-work}

if $coverage; then
  cov="$root/build-fuzz-cov"
  flags="-fprofile-instr-generate -fcoverage-mapping"
  CC=clang CXX=clang++ "$root/scripts/build.sh" "$cov" \
    -DQUORVEX_BUILD_FUZZERS=ON -DBUILD_TESTING=OFF \
    -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" > /dev/null
  rm -rf "$cov/profiles"
  mkdir -p "$cov/profiles"
  for target in "${targets[@]}"; do
    mkdir -p "$work/corpus/$target"
    LLVM_PROFILE_FILE="$cov/profiles/$target.profraw" "$cov/fuzz/$target" -runs=0 \
      "$work/corpus/$target" "$root/fuzz/corpus/$target" 2>&1 | grep -E "INITED|Done" || true
  done
  llvm-profdata merge -sparse "$cov"/profiles/*.profraw -o "$cov/profiles/merged.profdata"
  # Inline code of the C++ records lands in the executables, the rest in the libraries.
  objects=()
  for object in "${targets[@]:1}"; do
    objects+=(-object "$cov/fuzz/$object")
  done
  for library in "$cov"/*/libquorvex__*.so; do
    objects+=(-object "$library")
  done
  llvm-cov report "$cov/fuzz/${targets[0]}" "${objects[@]}" \
    -instr-profile="$cov/profiles/merged.profdata" \
    "$root/rosidl_generator_c" "$root/cpp_records" "$root/typesupport_fastrtps_cpp" \
    "$root/typesupport_introspection_c" "$root/typesupport_fastrtps_c"
  exit 0
fi

# The libraries get coverage instrumentation too, or libFuzzer would be blind inside them.
CC=clang CXX=clang++ "$root/scripts/build.sh" "$build" \
  -DQUORVEX_BUILD_FUZZERS=ON -DQUORVEX_SANITIZE="address;undefined" -DBUILD_TESTING=OFF \
  -DCMAKE_C_FLAGS=-fsanitize=fuzzer-no-link -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link

# Longest input per target. A CDR body of n bytes may make the reader hold at most 9n bytes
# (cdr_fuzzer.cpp checks that bound on every input); libFuzzer's own malloc limit, whose unit
# is 1 MB, backs it up at the nearest megabyte above 9 x the longest input.
declare -A max_len=([cdr_fuzzer]=4096 [cdr_c_fuzzer]=4096 [records_fuzzer]=1024
  [introspection_fuzzer]=1024)

failed=()
for target in "${targets[@]}"; do
  len=${max_len[$target]:-1024}
  malloc_limit_mb=$(((9 * len + (1 << 20) - 1) >> 20))
  mkdir -p "$work/corpus/$target" "$work/artifacts"
  flags=(-max_total_time="$seconds" -max_len="$len" -timeout=10
    -malloc_limit_mb="$malloc_limit_mb" -rss_limit_mb=2048 -print_final_stats=1
    -artifact_prefix="$work/artifacts/$target-")
  [ -f "$root/fuzz/$target.dict" ] && flags+=(-dict="$root/fuzz/$target.dict")
  echo "== $target: ${seconds}s, inputs up to $len bytes, malloc limit ${malloc_limit_mb} MB =="
  # The first folder receives new inputs; the committed corpus is only read.
  # shellcheck disable=SC2086
  if ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$build/fuzz/$target" "${flags[@]}" ${QUORVEX_FUZZ_ARGS:-} \
    "$work/corpus/$target" "$root/fuzz/corpus/$target" > "$work/$target.log" 2>&1
  then
    grep -E "^Done|stat::(number_of_executed_units|new_units_added|peak_rss_mb)" \
      "$work/$target.log" || true
    grep -E "cov: [0-9]+" "$work/$target.log" | tail -n 1 || true
  else
    tail -n 80 "$work/$target.log"
    failed+=("$target")
  fi
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "Fuzzing failed: ${failed[*]} (inputs in $work/artifacts)" >&2
  exit 1
fi
echo "All fuzz targets passed."
