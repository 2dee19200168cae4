#!/usr/bin/env bash
# Builds and tests quorvex the way a ROS 2 user does in a workspace: colcon build, colcon test,
# colcon test-result. The checkout itself is the workspace's one package; build, install and log
# folders go into the scratch folder given (default <checkout>/build-colcon), which starts empty.
# Usage: scripts/colcon_test.sh [scratch-folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
ws=${1:-$root/build-colcon}

command -v colcon > /dev/null || { echo "colcon is missing: run scripts/setup.sh" >&2; exit 1; }
rm -rf "$ws"
mkdir -p "$ws"
paths=(--base-paths "$root" --build-base "$ws/build" --install-base "$ws/install")
colcon --log-base "$ws/log" build "${paths[@]}" --event-handlers console_cohesion+ \
  --cmake-args -DPython3_EXECUTABLE=/usr/bin/python3 > "$ws/build.log" 2>&1 || {
  tail -60 "$ws/build.log" >&2
  echo "colcon build failed: $ws/build.log" >&2
  exit 1
}
# The Python interface from the workspace's environment, as a ROS 2 user imports it.
(
  set +u
  # shellcheck disable=SC1091
  source "$ws/install/setup.bash"
  cd /
  /usr/bin/python3 -c "from quorvex.srv import PlanMotion; PlanMotion.__import_type_support__()
assert PlanMotion._TYPE_SUPPORT is not None, 'no type support'
print(PlanMotion.Request(start_joints=[0.0]))"
) || { echo "quorvex.srv cannot be imported after sourcing $ws/install/setup.bash" >&2; exit 1; }
colcon --log-base "$ws/log" test "${paths[@]}" --return-code-on-test-failure \
  --event-handlers console_direct- > "$ws/test.log" 2>&1 || {
  colcon test-result --test-result-base "$ws/build" --verbose >&2 || true
  echo "colcon test failed: $ws/test.log" >&2
  exit 1
}
# test-result exits non-zero if any result holds a failure or an error.
colcon test-result --test-result-base "$ws/build"
