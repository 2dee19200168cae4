#!/usr/bin/env bash
# Builds the benchmark suite in Release, runs it once and writes the report:
# bench/results/report.md, bench/results/throughput.png and the table in bench/README.md.
# A run takes about five minutes on two cores; extra arguments go to the benchmark program
# (e.g. --benchmark_filter=PlanMotion); such a partial run leaves the README alone.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-bench"
results="$root/bench/results"

command -v gnuplot > /dev/null || { echo "gnuplot is missing (Debian: gnuplot-nox)" >&2; exit 1; }

# Installed into the build folder, not <checkout>/install: the round trip below runs the demo
# against this Release build, and the shared install tree stays as the other scripts left it.
prefix="$build/install"
"$root/scripts/build.sh" "$build" -DCMAKE_BUILD_TYPE=Release -DQUORVEX_BUILD_BENCHMARKS=ON \
  -DBUILD_TESTING=OFF -DCMAKE_INSTALL_PREFIX="$prefix"

mkdir -p "$results"
# Medians of five interleaved repetitions: the machine may be busy with other work, and
# interleaving spreads that noise over memcpy and the operations alike.
"$build/bench/quorvex_benchmarks" \
  --benchmark_repetitions=5 \
  --benchmark_min_time=0.1 \
  --benchmark_enable_random_interleaving=true \
  --benchmark_report_aggregates_only=true \
  --benchmark_out="$results/benchmarks.json" \
  --benchmark_out_format=json \
  "$@"

# The round trip of a PlanMotion request and its response between two processes: the demo's
# server and client over Fast DDS shared memory, one server per trajectory size. Skipped, and
# reported as not measured, when the demo cannot be built here.
round_trips="$results/round_trip.tsv"
rm -f "$round_trips"
domain=${QUORVEX_BENCH_DOMAIN:-$((100 + RANDOM % 50))}
server_pid=""
stop_server() {
  if [ -n "$server_pid" ] && kill -0 "$server_pid" 2>/dev/null; then
    kill -INT "$server_pid"
    wait "$server_pid" || true
  fi
  server_pid=""
}
trap stop_server EXIT
if cmake --install "$build" > /dev/null &&
  cmake -S "$root/examples" -B "$build/examples" -DCMAKE_PREFIX_PATH="$prefix" \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DPython3_EXECUTABLE=/usr/bin/python3 > "$build/examples.log" 2>&1 &&
  cmake --build "$build/examples" -j"$(nproc)" >> "$build/examples.log" 2>&1 &&
  cmake --install "$build/examples" > /dev/null; then
  for points in 10 100 1000 10000; do
    server_log="$build/round_trip_server.log"
    "$prefix/bin/quorvex_planning_server" --domain "$domain" --points "$points" \
      > "$server_log" 2>&1 &
    server_pid=$!
    for _ in $(seq 100); do
      grep -q "serving" "$server_log" && break
      sleep 0.1
    done
    # Every round also calls SolveIK; only the PlanMotion round trips are kept.
    "$prefix/bin/quorvex_planning_client" --domain "$domain" --joints 7 --repeat 200 --quiet |
      sed -n "s/^PlanMotion: success, round trip \(.*\) ms$/${points}x7\t\1/p" \
      >> "$round_trips" || echo "The demo's client failed with $points points." >&2
    stop_server
  done
  # The same call unsecured and secured, over shared memory and over a veth link between two
  # hosts made of network namespaces (needs root).
  "$root/scripts/network_round_trip.sh" "$prefix/bin" "$results/network_round_trip.md" ||
    echo "The round trip over a network link is not measured (see above)." >&2
else
  echo "The demo in examples/ could not be built (see $build/examples.log):" \
    "the round trip is not measured." >&2
fi

# A partial run (with a filter) writes the report but leaves the READMEs' full tables alone.
readme=()
[ $# -eq 0 ] && readme=("$root/bench/README.md" "$root/README.md")
/usr/bin/python3 "$root/bench/make_report.py" "$results/benchmarks.json" "$results" "${readme[@]}"
echo "Report: $results/report.md"
