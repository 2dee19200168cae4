#!/usr/bin/env bash
# The main job: a server and a client, two processes, exchange SolveIK and PlanMotion through
# quorvex's Fast-CDR type support over Fast DDS (shared memory only, nothing leaves the machine).
# Builds quorvex into <checkout>/build and installs it into <checkout>/install when it is not
# installed there yet, builds and installs the examples against it (build output goes to
# <checkout>/build.log and build-examples/build.log, not to the screen), starts the server in the
# background, runs the client against it, stops the server and shows both sides of the exchange.
# Usage: scripts/run_demo.sh [client options, e.g. --repeat 3 --full]
# The DDS domain is 0 unless QUORVEX_DEMO_DOMAIN says otherwise.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
domain=${QUORVEX_DEMO_DOMAIN:-0}

# Runs a build step quietly; shows the end of its log when it fails.
quietly() {
  local log=$1
  shift
  "$@" > "$log" 2>&1 || {
    tail -n 40 "$log" >&2
    echo "run_demo.sh: the step failed; the whole output is in $log" >&2
    exit 1
  }
}

if [ ! -e "$root/install/share/quorvex/cmake/quorvexConfig.cmake" ]; then
  echo "== building quorvex and installing it into $root/install (log: build.log)"
  quietly "$root/build.log" bash -c \
    '"$1/scripts/build.sh" "$1/build" -DBUILD_TESTING=OFF && cmake --install "$1/build"' \
    build "$root"
fi
mkdir -p "$root/build-examples"
echo "== building the examples against $root/install (log: build-examples/build.log)"
quietly "$root/build-examples/build.log" "$root/scripts/build_examples.sh"

server_log=$(mktemp /tmp/quorvex_demo_server.XXXXXX)
server_pid=""
stop_server() {
  if [ -n "$server_pid" ] && kill -0 "$server_pid" 2>/dev/null; then
    kill -INT "$server_pid"
    wait "$server_pid" || true
  fi
  server_pid=""
}
trap 'stop_server; rm -f "$server_log"' EXIT

echo "== starting quorvex_planning_server on domain $domain"
"$root/install/bin/quorvex_planning_server" --domain "$domain" > "$server_log" 2>&1 &
server_pid=$!
for _ in $(seq 50); do
  grep -q "serving" "$server_log" && break
  kill -0 "$server_pid" 2>/dev/null || break
  sleep 0.1
done
if ! grep -q "serving" "$server_log"; then
  cat "$server_log" >&2
  echo "run_demo.sh: the server did not start" >&2
  exit 1
fi

echo "== quorvex_planning_client: the client's side of the exchange"
status=0
"$root/install/bin/quorvex_planning_client" --domain "$domain" --verify "$@" || status=$?

stop_server
echo "== the server's side of the exchange"
cat "$server_log"
exit "$status"
