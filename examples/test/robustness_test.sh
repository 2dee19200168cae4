#!/usr/bin/env bash
# The planning service as a busy robot cell and a hostile user meet it: many clients at once,
# clients that vanish, a server killed and restarted, hostile requests, an interrupted client.
# Server and clients are separate processes on a private DDS domain, over shared memory only.
# Usage: robustness_test.sh <load|vanish|crash|hostile|signal> <server> <client> <poses-file>
#          [hostile-requester]
set -euo pipefail
mode=$1
server=$2
client=$3
poses=$4
requester=${5:-}

work=$(mktemp -d /tmp/quorvex_robustness.XXXXXX)
# Domains 150..228 are far from the default 0 that a user's ROS 2 graph would use.
domain=$((150 + RANDOM % 79))
ls /dev/shm | grep fastrtps_ > "$work/shm_before" || true
server_pid=""
pose_dir=$(dirname "$poses")
# Prefix of the commands that run the programs; root would read files of mode 000.
run_as=()

fail() {
  echo "FAIL: $*" >&2
  for log in "$work"/*.log; do
    [ -e "$log" ] && { echo "== $(basename "$log")" >&2; tail -n 20 "$log" >&2; }
  done
  exit 1
}

cleanup() {
  local pid
  for pid in $server_pid $(jobs -p); do
    kill -KILL "$pid" 2>/dev/null || true
  done
  wait 2>/dev/null || true
  # Shared-memory files that appeared during the run and that no process uses any more are what
  # our processes left behind (a killed process leaves its segments and port files).
  local file name
  for file in /dev/shm/*fastrtps_*; do
    [ -e "$file" ] || continue
    name=$(basename "$file")
    grep -qxF "$name" "$work/shm_before" && continue
    if ! grep -qsF "$file" /proc/[0-9]*/maps && ! ls -l /proc/[0-9]*/fd 2>/dev/null | grep -qF "$file"
    then
      rm -f "$file"
    fi
  done
  rm -rf "$work"
}
trap cleanup EXIT

# Starts the server in the background with the given options, logging to $work/$1.log.
start_server() {
  local log=$work/$1.log
  shift
  "${run_as[@]}" "$server" --domain "$domain" --pose-dir "$pose_dir" "$@" >> "$log" 2>&1 &
  server_pid=$!
  local serving_lines
  serving_lines=$(grep -c "serving" "$log" || true)
  for _ in $(seq 100); do
    [ "$(grep -c "serving" "$log" || true)" -gt "$serving_lines" ] && return 0
    kill -0 "$server_pid" 2>/dev/null || break
    sleep 0.1
  done
  local status=0
  kill -0 "$server_pid" 2>/dev/null || wait "$server_pid" || status=$?
  fail "the server did not start (exit status $status)"
}

stop_server() {
  kill -TERM "$server_pid"
  local status=0
  wait "$server_pid" || status=$?
  server_pid=""
  [ "$status" -eq 0 ] || fail "the server exited with $status"
}

# Resident set of process $1 in kB.
rss_kb() {
  awk '/^VmRSS:/ {print $2}' "/proc/$1/status"
}

echo "== $mode on domain $domain"
case "$mode" in
  load)
    # 32 clients at once, each with its own joint count and 20 verified rounds: nothing may be
    # lost, and every reply must be the one to its own request (--verify recomputes it).
    start_server server --points 200
    pids=()
    for n in $(seq 32); do
      timeout 150 "$client" --domain "$domain" --joints "$n" --repeat 20 --verify --quiet \
        --wait-ms 30000 --reply-timeout-ms 60000 --pose-info "$poses" > "$work/client_$n.log" 2>&1 &
      pids+=($!)
    done
    n=0
    for pid in "${pids[@]}"; do
      n=$((n + 1))
      wait "$pid" || fail "client $n exited with $?"
      [ "$(grep -c "PlanMotion: success, .*, verified" "$work/client_$n.log")" -eq 20 ] ||
        fail "client $n: not 20 verified PlanMotion answers"
      [ "$(grep -c "SolveIK: success, .*, verified" "$work/client_$n.log")" -eq 20 ] ||
        fail "client $n: not 20 verified SolveIK answers"
    done
    stop_server
    grep -q "stopping after 1280 requests" "$work/server.log" ||
      fail "the server did not answer 1280 requests"
    ;;

  vanish)
    # Requests whose client vanished or never had a reply reader, beside a healthy client: a
    # client that gives up at once on each of its 10 requests, and 10 requests that name a reply
    # reader that does not exist. The healthy client's 3 rounds must each be answered within 1 s.
    start_server server --points 100
    timeout 60 "$requester" --domain "$domain" --phantoms 10 > "$work/phantoms.log" 2>&1 ||
      fail "the phantom requests could not be sent"
    timeout 60 "$client" --domain "$domain" --repeat 5 --reply-timeout-ms 1 --retries 0 \
      --keep-going --quiet --pose-info "$poses" > "$work/impatient.log" 2>&1 &
    impatient=$!
    timeout 60 "$client" --domain "$domain" --repeat 3 --verify --quiet \
      --reply-timeout-ms 1000 --retries 0 --pose-info "$poses" > "$work/healthy.log" 2>&1 ||
      fail "the healthy client exited with $?"
    [ "$(grep -c ", verified" "$work/healthy.log")" -eq 6 ] ||
      fail "the healthy client did not get its 6 answers"
    # It gives up (status 1) unless the server was quicker than 1 ms each time (status 0).
    status=0
    wait "$impatient" || status=$?
    [ "$status" -le 1 ] || fail "the impatient client exited with $status"
    # Past the server's --reply-wait-ms, the phantoms' replies are dropped, and said to be.
    sleep 1.5
    stop_server
    grep -q "reply dropped: the client's reply reader did not appear" "$work/server.log" ||
      fail "the server did not say which replies it dropped"
    ;;

  crash)
    # The server is killed with SIGKILL and restarted while a client runs, 20 times: each time
    # the client must be answered again, or exit with a clear error, within its timeouts.
    start_server server --points 100
    client_runs=0
    start_client() {
      client_runs=$((client_runs + 1))
      "$client" --domain "$domain" --repeat 1000000 --verify --quiet --reply-timeout-ms 1000 \
        --retries 2 --wait-ms 5000 --pose-info "$poses" > "$work/client_$client_runs.log" 2>&1 &
      client_pid=$!
    }
    start_client
    for trial in $(seq 20); do
      log=$work/client_$client_runs.log
      answered=$(grep -c ", verified" "$log" || true)
      kill -0 "$server_pid" 2>/dev/null || fail "trial $trial: the server ended by itself"
      kill -KILL "$server_pid"
      wait "$server_pid" 2>/dev/null || true
      sleep 0.$((RANDOM % 10))
      start_server server --points 100
      # Reply timeout 1 s, then up to 2 reconnections of up to 5 s each: 12 s at most.
      recovered=no
      killed_at=$(date +%s%N)
      for _ in $(seq 130); do
        if [ "$(grep -c ", verified" "$log" || true)" -gt "$((answered + 1))" ]; then
          recovered=yes
          echo "trial $trial: answered again $(( ($(date +%s%N) - killed_at) / 1000000 )) ms" \
            "after the kill, $(grep -c "reconnecting" "$log" || true) reconnections so far"
          break
        fi
        kill -0 "$client_pid" 2>/dev/null || break
        sleep 0.1
      done
      if [ "$recovered" = no ]; then
        kill -0 "$client_pid" 2>/dev/null && fail "trial $trial: the client waits silently"
        status=0
        wait "$client_pid" || status=$?
        [ "$status" -ne 0 ] || fail "trial $trial: the client stopped with status 0"
        grep -q "giving up" "$log" || fail "trial $trial: the client stopped without a clear error"
        echo "trial $trial: the client gave up clearly (status $status)"
        start_client
      fi
      grep -q "VERIFICATION FAILED" "$log" && fail "trial $trial: a wrong answer"
    done
    # TERM, not INT: the shell starts background jobs with SIGINT ignored, and a client started
    # in the last trial may not have put its own handler in place yet.
    kill -TERM "$client_pid"
    wait "$client_pid" || true
    stop_server
    ;;

  hostile)
    # Hostile requests, each answered with success false and a bounded reply; the server keeps
    # serving and gives back the memory they cost.
    if [ "$(id -u)" -eq 0 ]; then
      # Root without the capabilities that override file modes, as the same user, so that the
      # programs still reach their binaries and each other's shared memory.
      run_as=(setpriv --bounding-set=-dac_override,-dac_read_search)
    fi
    mkdir "$work/poses"
    cp "$poses" "$work/poses/sample_poses.txt"
    printf 'a: 1\n' > "$work/poses/unreadable.txt"
    chmod 000 "$work/poses/unreadable.txt"
    mkfifo "$work/poses/fifo"
    ln -s /etc/passwd "$work/poses/link_out"
    pose_dir=$work/poses
    start_server server --points 100 --max-request-bytes 1048576 --max-text-bytes 4096
    # A FIFO whose writer blocks until someone opens it: the server must never release it.
    (exec 3> "$work/poses/fifo"; echo "opened" > "$work/fifo_writer.log") &
    fifo_writer=$!
    "${run_as[@]}" "$client" --domain "$domain" --quiet --verify \
      --pose-info "$work/poses/sample_poses.txt" > "$work/warm_up.log" 2>&1 ||
      fail "the warm-up client exited with $?"
    idle_kb=$(rss_kb "$server_pid")
    timeout 120 "${run_as[@]}" "$requester" --domain "$domain" --dir "$work/poses" \
      > "$work/requester.log" 2>&1 || fail "the hostile requester exited with $?"
    [ -e "$work/fifo_writer.log" ] && fail "the server opened the FIFO"
    kill "$fifo_writer" 2>/dev/null || true
    "${run_as[@]}" "$client" --domain "$domain" --quiet --verify \
      --pose-info "$work/poses/sample_poses.txt" > "$work/after.log" 2>&1 ||
      fail "the server does not serve after the hostile requests"
    sleep 1
    after_kb=$(rss_kb "$server_pid")
    echo "server resident memory: $idle_kb kB idle, $after_kb kB after the hostile requests"
    [ "$after_kb" -lt $((2 * idle_kb)) ] ||
      fail "the server holds $after_kb kB after the hostile requests, $idle_kb kB idle"
    # No control character of a request reaches the server's log.
    if LC_ALL=C grep -q $'[\x01-\x08\x0b-\x1f\x7f]' "$work/server.log"; then
      fail "a control character reached the server's log"
    fi
    [ "$(grep -c "^PlanMotion #7 " "$work/server.log" || true)" -le 1 ] ||
      fail "a request forged a server log line"
    stop_server
    ;;

  signal)
    # An interrupted client leaves no shared-memory file of its own behind.
    "$client" --domain "$domain" --wait-ms 60000 > "$work/client.log" 2>&1 &
    client_pid=$!
    own=""
    for _ in $(seq 100); do
      own=$(grep -so "/dev/shm/fastrtps_[^ ]*" "/proc/$client_pid/maps" | sort -u |
        grep -vxF -f <(sed 's|^|/dev/shm/|' "$work/shm_before") || true)
      [ -n "$own" ] && break
      sleep 0.1
    done
    [ -n "$own" ] || fail "the client maps no shared memory of its own"
    sleep 0.5
    kill -INT "$client_pid"
    status=0
    wait "$client_pid" || status=$?
    [ "$status" -eq 130 ] || fail "the interrupted client exited with $status, expected 130"
    for file in $own; do
      [ -e "$file" ] && [[ "$file" != *port* ]] && fail "the client left $file behind"
    done
    ;;

  *)
    fail "unknown mode $mode"
    ;;
esac
echo "PASS"
