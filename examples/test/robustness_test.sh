#!/usr/bin/env bash
# The planning service as a busy robot cell and a hostile user meet it: many clients at once,
# clients that vanish, stop or never take their replies, a server killed and restarted, hostile
# requests, a pose directory swapped under the server, an interrupted client and closed output
# pipes. Server and clients are separate processes on a private DDS domain, over shared memory.
# Usage: robustness_test.sh <load|vanish|pause|silent|crash|hostile|swap|signal|pipe> <server>
#          <client> <poses-file> [hostile-requester] [directory-swapper]
set -euo pipefail
mode=$1
server=$2
client=$3
poses=$4
requester=${5:-}
swapper=${6:-}

work=$(mktemp -d /tmp/quorvex_robustness.XXXXXX)
# Domains 150..228 are far from the default 0 that a user's ROS 2 graph would use.
domain=$((150 + RANDOM % 79))
ls /dev/shm | grep fastrtps_ > "$work/shm_before" || true
server_pid=""
pose_dir=$(dirname "$poses")
# Prefix of the commands that run the programs; root would read files of mode 000.
run_as=()

# shellcheck source=fail.sh
source "$(dirname "$0")/fail.sh"

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
  # Counted before the server starts: its shell may not have opened the log yet.
  touch "$log"
  local serving_lines
  serving_lines=$(grep -c "serving" "$log" || true)
  "${run_as[@]}" "$server" --domain "$domain" --pose-dir "$pose_dir" "$@" >> "$log" 2>&1 &
  server_pid=$!
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

# CPU time of process $1 so far, in clock ticks.
cpu_ticks() {
  awk '{print $14 + $15}' "/proc/$1/stat"
}

# Verified answers in the client log $1.
verified() {
  grep -c ", verified" "$1" || true
}

# The shared-memory segments of process $1's own participants and their lock files: it holds
# each one's lock file open. (Port files are shared by every participant of the domain.)
own_shm_files() {
  ls -l "/proc/$1/fd" 2>/dev/null |
    sed -n 's|.* -> \(/dev/shm/fastrtps_[0-9a-f]*\)_el$|\1 \1_el|p' || true
}

# Fails when one of the files $2... that $1 owned is still there.
check_removed() {
  local who=$1 file
  shift
  for file in "$@"; do
    [ -e "$file" ] && fail "$who left $file behind"
  done
  return 0
}

# Waits up to $2 tenths of a second for the file $1 to hold a line matching $3.
wait_for_line() {
  for _ in $(seq "$2"); do
    grep -q "$3" "$1" 2>/dev/null && return 0
    sleep 0.1
  done
  return 1
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
    # With the least --max-held-reply-bytes (1 MiB), the phantoms' answers (2.4 MB each) wait
    # one at a time: most are dropped for the next before their reader's wait ends.
    start_server server --points 100 --max-held-reply-bytes 1048576
    "$requester" --domain "$domain" --phantoms 10 > "$work/phantoms.log" 2>&1 &
    phantoms=$!
    wait_for_line "$work/phantoms.log" 600 "^sent 10 " || fail "the phantom requests were not sent"
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
    kill -TERM "$phantoms"
    wait "$phantoms" || fail "the phantom requester exited with $?"
    stop_server
    grep -q "reply dropped: the client's reply reader did not appear" "$work/server.log" ||
      fail "the server did not say which replies it dropped"
    [ "$(grep -c "reply dropped: too many replies wait" "$work/server.log")" -ge 5 ] ||
      fail "the phantoms' answers waited beyond --max-held-reply-bytes"
    ;;

  crash)
    # The server is killed with SIGKILL and restarted, 40 times in a row, under one client that
    # keeps running: it must be answered again after each restart, and at the end a fresh
    # client must find the server. The client may reconnect after each 1 s reply timeout and
    # look for the server 5 s each time, up to 10 times.
    start_server server --points 100
    "$client" --domain "$domain" --repeat 1000000 --verify --quiet --reply-timeout-ms 1000 \
      --retries 10 --wait-ms 5000 --pose-info "$poses" > "$work/client.log" 2>&1 &
    client_pid=$!
    wait_for_line "$work/client.log" 300 ", verified" || fail "the client was not answered"
    for trial in $(seq 40); do
      answered=$(verified "$work/client.log")
      kill -0 "$server_pid" 2>/dev/null || fail "trial $trial: the server ended by itself"
      kill -KILL "$server_pid"
      wait "$server_pid" 2>/dev/null || true
      killed_at=$(date +%s%N)
      sleep 0.$((RANDOM % 10))
      start_server server --points 100
      recovered=no
      for _ in $(seq 600); do
        if [ "$(verified "$work/client.log")" -gt "$((answered + 1))" ]; then
          recovered=yes
          break
        fi
        kill -0 "$client_pid" 2>/dev/null || break
        sleep 0.1
      done
      [ "$recovered" = yes ] || fail "trial $trial: the client was not answered again"
      echo "trial $trial: answered again $(( ($(date +%s%N) - killed_at) / 1000000 )) ms" \
        "after the kill, $(grep -c "reconnecting" "$work/client.log" || true) reconnections so far"
      grep -q "VERIFICATION FAILED" "$work/client.log" && fail "trial $trial: a wrong answer"
      sleep 1.$((RANDOM % 10))
    done
    # However often it reconnected, the client holds as many sockets as a server started once.
    sockets() {
      ls -l "/proc/$1/fd" | grep -c "socket:" || true
    }
    [ "$(sockets "$client_pid")" -eq "$(sockets "$server_pid")" ] ||
      fail "the client holds $(sockets "$client_pid") sockets after reconnecting," \
        "a server $(sockets "$server_pid")"
    timeout 60 "$client" --domain "$domain" --quiet --verify --pose-info "$poses" \
      > "$work/fresh.log" 2>&1 || fail "a fresh client did not find the server (status $?)"
    # TERM, not INT: the shell starts background jobs with SIGINT ignored.
    kill -TERM "$client_pid"
    wait "$client_pid" || true
    stop_server
    ;;

  pause)
    # A client stopped with SIGSTOP for 30 s beside clients that verify 10,000-point answers:
    # first one client of 15 rounds, then 4 at once for the rest of the 30 s. None of their
    # replies is lost or later than their 5 s reply timeout (they have no retry), each keeps being
    # answered throughout, and the stopped one is answered again after SIGCONT.
    start_server server --points 10000
    "$client" --domain "$domain" --repeat 1000000 --quiet --pose-info "$poses" \
      > "$work/paused.log" 2>&1 &
    paused=$!
    wait_for_line "$work/paused.log" 300 "^SolveIK: success" || fail "the client was not answered"
    kill -STOP "$paused"
    stopped_at=$SECONDS
    timeout 60 "$client" --domain "$domain" --repeat 15 --verify --quiet --reply-timeout-ms 5000 \
      --retries 0 --pose-info "$poses" > "$work/alone.log" 2>&1 ||
      fail "the client beside the stopped one exited with $?"
    busy=()
    for n in 1 2 3 4; do
      "$client" --domain "$domain" --joints $((n + 3)) --repeat 1000000 --verify --quiet \
        --wait-ms 30000 --reply-timeout-ms 5000 --retries 0 --pose-info "$poses" \
        > "$work/busy_$n.log" 2>&1 &
      busy+=($!)
    done
    # Each is answered, and again later: the stopped client holds none of them up for long.
    for n in 1 2 3 4; do
      wait_for_line "$work/busy_$n.log" 600 ", verified" ||
        fail "client $n was not answered beside the stopped one"
    done
    first_counts=$(for n in 1 2 3 4; do verified "$work/busy_$n.log"; done | xargs)
    sleep $((SECONDS - stopped_at < 20 ? 30 - (SECONDS - stopped_at) : 10))
    for n in 1 2 3 4; do
      kill -0 "${busy[$((n - 1))]}" 2>/dev/null || fail "client $n stopped during the pause"
      [ "$(verified "$work/busy_$n.log")" -gt "$(cut -d' ' -f"$n" <<< "$first_counts")" ] ||
        fail "client $n was answered once, then no more during the pause"
    done
    echo "answers verified during the $((SECONDS - stopped_at)) s pause:" \
      "$(verified "$work/alone.log") by one client, then" \
      "$(for n in 1 2 3 4; do verified "$work/busy_$n.log"; done | xargs) by four"
    before=$(grep -c "success" "$work/paused.log" || true)
    kill -CONT "$paused"
    # Its reply timed out while it was stopped; it reconnects and is answered again.
    for _ in $(seq 600); do
      [ "$(grep -c "success" "$work/paused.log" || true)" -gt "$((before + 1))" ] && break
      kill -0 "$paused" 2>/dev/null || fail "the client stopped for 30 s ended after SIGCONT"
      sleep 0.1
    done
    [ "$(grep -c "success" "$work/paused.log" || true)" -gt "$((before + 1))" ] ||
      fail "the client stopped for 30 s was not answered again after SIGCONT"
    kill -TERM "$paused" "${busy[@]}"
    wait "$paused" "${busy[@]}" || true
    for n in 1 2 3 4; do
      if grep -q "no reply\|VERIFICATION FAILED\|giving up" "$work/busy_$n.log"; then
        fail "client $n lost a reply or got a wrong one"
      fi
    done
    stop_server
    ;;

  silent)
    # A reader that never takes, with room for one sample, named by 300 large requests (2.4 MB
    # replies) beside a healthy client: the server keeps what it holds for that reader within
    # --max-held-reply-bytes, the healthy client is answered within 1 s every time, and the
    # memory goes back once the reader leaves.
    held_mb=64  # the default --max-held-reply-bytes, per service
    start_server server --points 100
    timeout 60 "$client" --domain "$domain" --quiet --verify --pose-info "$poses" \
      > "$work/warm_up.log" 2>&1 || fail "the warm-up client exited with $?"
    idle_kb=$(rss_kb "$server_pid")
    "$requester" --domain "$domain" --silent 300 > "$work/silent.log" 2>&1 &
    silent_pid=$!
    wait_for_line "$work/silent.log" 600 "^sent 300" || fail "the 300 requests were not sent"
    timeout 120 "$client" --domain "$domain" --repeat 20 --verify --quiet \
      --reply-timeout-ms 1000 --retries 0 --pose-info "$poses" > "$work/healthy.log" 2>&1 &
    healthy=$!
    peak_kb=0
    while kill -0 "$healthy" 2>/dev/null; do
      kb=$(rss_kb "$server_pid")
      [ "$kb" -gt "$peak_kb" ] && peak_kb=$kb
      sleep 0.2
    done
    wait "$healthy" || fail "the healthy client exited with $? beside the silent reader"
    [ "$(grep -c ", verified" "$work/healthy.log")" -eq 40 ] ||
      fail "the healthy client did not get its 40 answers"
    # Per service at most --max-held-reply-bytes, and what is being built and sent meanwhile.
    [ "$peak_kb" -lt $((idle_kb + (2 * held_mb + 32) * 1024)) ] ||
      fail "the server held $peak_kb kB beside the silent reader, $idle_kb kB idle"
    grep -q "stopped resending .* unacknowledged replies" "$work/server.log" ||
      fail "the server did not give up on replies beyond --max-held-reply-bytes"
    # What the reader costs the server once its requests are answered: it resends nothing older
    # than 2 s, so after a while it costs next to nothing.
    wait_for_line "$work/server.log" 600 "^PlanMotion #34[0-9]: " ||
      fail "the server did not answer all 340 requests"
    sleep 2.5
    steady_ticks=$(cpu_ticks "$server_pid")
    sleep 3
    steady_ms=$(( ($(cpu_ticks "$server_pid") - steady_ticks) * 1000 / $(getconf CLK_TCK) ))
    kill -TERM "$silent_pid"
    wait "$silent_pid" || fail "the silent reader exited with $?"
    sleep 1.5
    after_kb=$(rss_kb "$server_pid")
    echo "server resident memory: $idle_kb kB idle, $peak_kb kB at most beside the silent" \
      "reader, $after_kb kB after it left; $steady_ms ms of CPU in 3 s while it held"
    [ "$after_kb" -lt $((idle_kb + 16 * 1024)) ] ||
      fail "the server holds $after_kb kB after the silent reader left, $idle_kb kB idle"
    stop_server
    ;;

  swap)
    # Whoever can write the pose directory's parent swaps the directory with a link to another
    # one, over and over (renameat2 RENAME_EXCHANGE), while a file in it is asked for: no reply
    # ever describes the file of the same name in the other directory.
    mkdir -p "$work/parent/poses" "$work/elsewhere"
    printf 'a: 1\n' > "$work/parent/poses/pose.txt"
    printf 'x: 1\ny: 2\nz: 3\n' > "$work/elsewhere/pose.txt"
    ln -s ../elsewhere "$work/parent/link"
    pose_dir=$work/parent/poses
    start_server server
    "$swapper" "$work/parent/poses" "$work/parent/link" 14 > "$work/swapper.log" 2>&1 &
    swapping=$!
    timeout 60 "$requester" --domain "$domain" --race "$work/parent/poses/pose.txt" \
      --entries 1 --seconds 12 > "$work/race.log" 2>&1 ||
      fail "a reply described a file outside the pose directory, or none came"
    wait "$swapping" || fail "the directories could not be swapped"
    echo "$(cat "$work/race.log" | tail -1) ($(cat "$work/swapper.log"))"
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
    for _ in $(seq 100); do
      [ -n "$(own_shm_files "$client_pid")" ] && break
      sleep 0.1
    done
    own=$(own_shm_files "$client_pid")
    [ -n "$own" ] || fail "the client maps no shared memory of its own"
    kill -INT "$client_pid"
    status=0
    wait "$client_pid" || status=$?
    [ "$status" -eq 130 ] || fail "the interrupted client exited with $status, expected 130"
    check_removed "the interrupted client" $own
    ;;

  pipe)
    # Standard output closed by its reader, as in '| head -1': the client stops as on SIGINT
    # (status 141, its participant deleted); the server serves on without its log.
    mkfifo "$work/server_out" "$work/client_out"
    head -1 < "$work/server_out" > "$work/server_head.log" &
    "$server" --domain "$domain" --pose-dir "$pose_dir" > "$work/server_out" \
      2> "$work/server.log" &
    server_pid=$!
    wait_for_line "$work/server_head.log" 100 "serving" || fail "the server did not start"
    # The reader waits for the word to read its line and leave; the client meanwhile fills the
    # pipe and waits for it.
    { while [ ! -e "$work/read" ]; do sleep 0.05; done; head -1; } < "$work/client_out" \
      > "$work/client_head.log" &
    "$client" --domain "$domain" --repeat 1000000 --quiet --pose-info "$poses" \
      > "$work/client_out" 2> "$work/client.log" &
    client_pid=$!
    for _ in $(seq 100); do
      [ -n "$(own_shm_files "$client_pid")" ] && break
      sleep 0.1
    done
    own=$(own_shm_files "$client_pid")
    [ -n "$own" ] || fail "the client maps no shared memory of its own"
    touch "$work/read"
    status=0
    timeout 60 tail --pid="$client_pid" -f /dev/null || fail "the client went on writing to no one"
    wait "$client_pid" || status=$?
    [ "$status" -eq 141 ] || fail "the client exited with $status after its output closed"
    grep -q "stopped by signal 13" "$work/client.log" || fail "the client did not stop cleanly"
    check_removed "the client whose output closed" $own
    grep -q "^PlanMotion: success" "$work/client_head.log" || fail "head got no answer"
    # The server's log pipe is closed too; it answers on.
    timeout 60 "$client" --domain "$domain" --quiet --verify --pose-info "$poses" \
      > "$work/after.log" 2>&1 || fail "the server does not answer after its log closed"
    grep -q "standard output is closed; serving on without a log" "$work/server.log" ||
      fail "the server did not say that its log is gone"
    own=$(own_shm_files "$server_pid")
    stop_server
    check_removed "the server whose log closed" $own
    ;;

  *)
    fail "unknown mode $mode"
    ;;
esac
echo "PASS"
