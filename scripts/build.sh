#!/usr/bin/env bash
# Configures and builds quorvex in a build folder, installing into <checkout>/install.
# Usage: scripts/build.sh [build-folder] [extra CMake arguments...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
shift || true
cmake -S "$root" -B "$build" -DCMAKE_INSTALL_PREFIX="$root/install" \
  -DPython3_EXECUTABLE=/usr/bin/python3 "$@"
cmake --build "$build" -j"$(nproc)"
