# The failure report of the demo's test scripts. Source it; $work is the folder of the run's logs.

# Says why the test failed, shows the end of every log of the run, and exits 1.
fail() {
  echo "FAIL: $*" >&2
  for log in "$work"/*.log; do
    [ -e "$log" ] && { echo "== $(basename "$log")" >&2; tail -n 30 "$log" >&2; }
  done
  exit 1
}
