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

"$root/scripts/build.sh" "$build" -DCMAKE_BUILD_TYPE=Release -DQUORVEX_BUILD_BENCHMARKS=ON \
  -DBUILD_TESTING=OFF

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

# A partial run (with a filter) writes the report but leaves the README's full table alone.
readme=()
[ $# -eq 0 ] && readme=("$root/bench/README.md")
/usr/bin/python3 "$root/bench/make_report.py" "$results/benchmarks.json" "$results" "${readme[@]}"
echo "Report: $results/report.md"
