#!/usr/bin/env bash
# Sets up, builds and installs quorvex into <checkout>/install, then runs the whole test suite:
# the package's tests, the examples' integration test against the installed package, the
# package's tests again as colcon build and colcon test run them in a workspace, again under
# AddressSanitizer + UndefinedBehaviorSanitizer and ThreadSanitizer, and a minute of every fuzz
# target.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/setup.sh

echo "== build, install and test =="
scripts/build.sh "$root/build" -DBUILD_TESTING=ON -DQUORVEX_BUILD_BENCHMARKS=ON
cmake --install "$root/build" > /dev/null
ctest --test-dir "$root/build" --output-on-failure
# The plain CMake install's Python package, as the README imports it.
(cd / && PYTHONPATH="$root/install/lib/python3/dist-packages" /usr/bin/python3 -c \
  "from quorvex.srv import PlanMotion; print(PlanMotion.Request(start_joints=[0.0]))")

echo "== examples against the installed package =="
scripts/build_examples.sh
ctest --test-dir "$root/build-examples" --output-on-failure

echo "== colcon build and colcon test in a scratch workspace =="
scripts/colcon_test.sh "$root/build-colcon"

echo "== AddressSanitizer + UndefinedBehaviorSanitizer =="
scripts/build.sh "$root/build-asan" -DQUORVEX_SANITIZE="address;undefined"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir "$root/build-asan" --output-on-failure -LE linter

echo "== ThreadSanitizer: concurrent first use =="
cmake -S "$root" -B "$root/build-tsan" -DQUORVEX_SANITIZE=thread \
  -DPython3_EXECUTABLE=/usr/bin/python3 > /dev/null
cmake --build "$root/build-tsan" -j"$(nproc)" --target test_introspection_getter_race \
  test_dispatch_first_use_race test_dispatch_lookup_race test_dispatch_loader_lock \
  test_introspection_cpp_getter_race test_fastrtps_c_getter_race
TSAN_OPTIONS=halt_on_error=1 ctest --test-dir "$root/build-tsan" --output-on-failure -L tsan

echo "== fuzz targets, a minute each =="
scripts/run_fuzz.sh 60
