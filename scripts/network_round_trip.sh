#!/usr/bin/env bash
# Round trip of a PlanMotion call of the demo at (10, 7), (1000, 7) and (10000, 7) (points,
# joints): over shared memory on one host, and over a veth link between two hosts made of network
# namespaces (examples/test/two_hosts.sh; needs root). Writes a Markdown table of the medians.
# Usage: network_round_trip.sh BIN_DIR OUTPUT.md [LABEL SERVER_ARGS CLIENT_ARGS]...
# Each extra triple adds a column over the link with these arguments added to the server's and
# the client's (split on blanks), e.g. "secured" "--keystore K --enclave /quorvex/server" "...".
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=$1
output=$2
shift 2
calls=${QUORVEX_NETWORK_BENCH_CALLS:-100}
columns=("shared memory" "" "" "veth link" "--network" "--network")
while [ $# -ge 3 ]; do
  columns+=("$1" "--network $2" "--network $3")
  shift 3
done

# shellcheck source=../examples/test/two_hosts.sh
source "$root/examples/test/two_hosts.sh"
work=$(mktemp -d /tmp/quorvex_network_bench.XXXXXX)
trap 'two_hosts_down; rm -rf "$work"' EXIT
two_hosts_up
trap 'two_hosts_down; rm -rf "$work"' EXIT
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
for ((c = 0; c < ${#columns[@]}; c += 3)); do
  header+=" ${columns[c]} |"
  rule+="---|"
done
{
  echo "$header"
  echo "$rule"
  for points in 10 1000 10000; do
    row="| ($points, 7) |"
    for ((c = 0; c < ${#columns[@]}; c += 3)); do
      if [ $c -eq 0 ]; then
        row+=" $(median_round_trip on_server_host on_server_host "$points" "" "") |"
      else
        row+=" $(median_round_trip on_server_host on_client_host "$points" "${columns[c + 1]}" \
          "${columns[c + 2]}") |"
      fi
    done
    echo "$row"
  done
} > "$output"
cat "$output"
