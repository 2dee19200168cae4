#!/usr/bin/env bash
# Builds the examples as a downstream user would, against the package installed in
# <checkout>/install, and installs them beside the package's libraries.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root/examples" -B "$root/build-examples" -DCMAKE_PREFIX_PATH="$root/install" \
  -DCMAKE_INSTALL_PREFIX="$root/install" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/build-examples" -j"$(nproc)"
cmake --install "$root/build-examples" > /dev/null
