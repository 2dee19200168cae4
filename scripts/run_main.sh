#!/usr/bin/env bash
# The main job from a fresh checkout: installs what is missing, builds quorvex and installs it
# into <checkout>/install, then shows a planning server and a client exchanging SolveIK and
# PlanMotion through the package's type support over Fast DDS (shared memory only).
# Extra arguments go to the client, e.g. scripts/run_main.sh --repeat 3
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/setup.sh"
echo "== building quorvex and installing it into $root/install"
"$root/scripts/build.sh" "$root/build" -DBUILD_TESTING=OFF > "$root/build.log" 2>&1 || {
  tail -40 "$root/build.log" >&2
  exit 1
}
cmake --install "$root/build" > /dev/null
exec "$root/scripts/run_demo.sh" "$@"
