#!/usr/bin/env bash
# Round trip of a PlanMotion call (7 joints) between the demo's server and client, unsecured and
# secured with DDS Security, at 10, 1000 and 10000 trajectory points, in the same run: median and
# 90th percentile of N calls (default 200) per case, in ms, as a table on standard output.
# Usage: scripts/bench_secured_round_trip.sh [prefix (default <checkout>/install)] [N]
# Extra words for the programs (e.g. --network --peer ADDR) may come in QUORVEX_BENCH_SERVER_ARGS
# and QUORVEX_BENCH_CLIENT_ARGS.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
prefix=${1:-$root/install}
calls=${2:-200}
read -r -a server_args <<< "${QUORVEX_BENCH_SERVER_ARGS:-}"
read -r -a client_args <<< "${QUORVEX_BENCH_CLIENT_ARGS:-}"
work=$(mktemp -d /tmp/quorvex_bench_security.XXXXXX)
server_pid=""
cleanup() {
  [ -n "$server_pid" ] && kill -TERM "$server_pid" 2>/dev/null && wait "$server_pid" || true
  rm -rf "$work"
}
trap cleanup EXIT
domain=$((150 + RANDOM % 79))

"$prefix/bin/quorvex_keystore" create "$work/ks" > /dev/null
"$prefix/bin/quorvex_keystore" enclave "$work/ks" /bench/server --serve plan_motion,solve_ik \
  > /dev/null
"$prefix/bin/quorvex_keystore" enclave "$work/ks" /bench/client --call plan_motion > /dev/null

# median and 90th percentile of the numbers on standard input
percentiles() {
  sort -g | awk '{v[NR] = $1} END {printf "%.3f\t%.3f", v[int((NR + 1) / 2)], v[int(NR * 0.9)]}'
}

printf "points\tsecurity\tmedian_ms\tp90_ms\n"
for points in 10 1000 10000; do
  for security in off on; do
    server_security=() client_security=()
    if [ "$security" = on ]; then
      server_security=(--keystore "$work/ks" --enclave /bench/server)
      client_security=(--keystore "$work/ks" --enclave /bench/client)
    fi
    timeout 600 "$prefix/bin/quorvex_planning_server" --domain "$domain" --points "$points" \
      "${server_security[@]}" "${server_args[@]}" > "$work/server.log" 2>&1 &
    server_pid=$!
    # The first call (discovery, and the handshake when secured) is left out.
    timeout 600 "$prefix/bin/quorvex_planning_client" --domain "$domain" --joints 7 \
      --repeat $((calls + 1)) --quiet --service plan_motion "${client_security[@]}" \
      "${client_args[@]}" > "$work/client.log"
    sed -n 's/^PlanMotion: success, round trip \(.*\) ms$/\1/p' "$work/client.log" | tail -n +2 |
      percentiles > "$work/figures"
    printf "%s\t%s\t%s\n" "$points" "$security" "$(cat "$work/figures")"
    kill -TERM "$server_pid"
    wait "$server_pid" || true
    server_pid=""
  done
done
