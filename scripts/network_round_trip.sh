#!/usr/bin/env bash
# Round trip of a PlanMotion call of the demo at (10, 7), (1000, 7) and (10000, 7) (points,
# joints), unsecured and secured (DDS Security, with a keystore made here by quorvex_keystore):
# over shared memory on one host, and over a veth link between two hosts made of network
# namespaces (examples/test/two_hosts.sh; needs root). Writes a Markdown table of the medians.
# Usage: network_round_trip.sh BIN_DIR OUTPUT.md
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=$1
output=$2
calls=${QUORVEX_NETWORK_BENCH_CALLS:-100}
# shellcheck source=../examples/test/two_hosts.sh
source "$root/examples/test/two_hosts.sh"
work=$(mktemp -d /tmp/quorvex_network_bench.XXXXXX)
trap 'two_hosts_down; rm -rf "$work"' EXIT
two_hosts_up
trap 'two_hosts_down; rm -rf "$work"' EXIT
"$bin/quorvex_keystore" create "$work/keystore" > /dev/null
"$bin/quorvex_keystore" enclave "$work/keystore" /quorvex/server --serve plan_motion,solve_ik > /dev/null
"$bin/quorvex_keystore" enclave "$work/keystore" /quorvex/client --call plan_motion,solve_ik > /dev/null
secured_server="--keystore $work/keystore --enclave /quorvex/server"
secured_client="--keystore $work/keystore --enclave /quorvex/client"
# label, host of the client, server arguments, client arguments; the server is on the server host.
columns=(
  "shared memory" on_server_host "" ""
  "shared memory, secured" on_server_host "$secured_server" "$secured_client"
  "veth link" on_client_host "--network" "--network"
  "veth link, secured" on_client_host "--network $secured_server" "--network $secured_client")
domain=$((100 + RANDOM % 50))

# Median PlanMotion round trip in ms: server and client on the hosts given, with their arguments.
median_round_trip() {
  local server_host=$1 client_host=$2 points=$3 server_args=$4 client_args=$5 server_pid
  local -a server_extra client_extra
  read -r -a server_extra <<< "$server_args"
  read -r -a client_extra <<< "$client_args"
  "$server_host" "$bin/quorvex_planning_server" --domain "$domain" --points "$points" \
    ${server_extra[@]+"${server_extra[@]}"} > "$work/server.log" 2>&1 &
  server_pid=$!
  for _ in $(seq 100); do
    grep -qs "serving" "$work/server.log" && break
    sleep 0.1
  done
  "$client_host" timeout 600 "$bin/quorvex_planning_client" --domain "$domain" --joints 7 \
    --service plan_motion --repeat "$calls" --quiet ${client_extra[@]+"${client_extra[@]}"} |
    sed -n 's/^PlanMotion: success, round trip \(.*\) ms$/\1/p' | sort -g > "$work/samples"
  kill -INT "$server_pid" 2> /dev/null || true
  wait "$server_pid" || true
  if [ "$(wc -l < "$work/samples")" -lt "$calls" ]; then
    echo "not measured"
  else
    printf "%.2f ms" "$(sed -n "$((calls / 2 + 1))p" "$work/samples")"
  fi
}

header="| (points, joints) |"
rule="|---|"
for ((c = 0; c < ${#columns[@]}; c += 4)); do
  header+=" ${columns[c]} |"
  rule+="---|"
done
{
  echo "$header"
  echo "$rule"
  for points in 10 1000 10000; do
    row="| ($points, 7) |"
    for ((c = 0; c < ${#columns[@]}; c += 4)); do
      row+=" $(median_round_trip on_server_host "${columns[c + 1]}" "$points" \
        "${columns[c + 2]}" "${columns[c + 3]}") |"
    done
    echo "$row"
  done
} > "$output"
cat "$output"
