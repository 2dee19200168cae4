#!/usr/bin/env bash
# Runs the example server and clients as separate processes on a private DDS domain, checks every
# answer and that the processes hold no bound or connected IP socket, so nothing they send can
# leave the machine.
# Usage: integration_test.sh <server> <client> <pose-information file>
set -euo pipefail
server=$1
client=$2
poses=$3

work=$(mktemp -d /tmp/quorvex_integration.XXXXXX)
# Domains 150..228 are far from the default 0 that a user's ROS 2 graph would use.
domain=$((150 + RANDOM % 79))
ls /dev/shm | grep fastrtps_ > "$work/shm_before" || true
timeout_pid=""

# shellcheck source=fail.sh
source "$(dirname "$0")/fail.sh"

cleanup() {
  if [ -n "$timeout_pid" ] && kill -0 "$timeout_pid" 2>/dev/null; then
    kill -TERM "$timeout_pid" 2>/dev/null || true
    sleep 1
    kill -KILL "$timeout_pid" 2>/dev/null || true
  fi
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

# Child processes of process $1 (the programs that `timeout` runs).
children() {
  local stat pid comm state ppid rest
  for stat in /proc/[0-9]*/stat; do
    { read -r pid comm state ppid rest < "$stat"; } 2>/dev/null || continue
    [ "$ppid" = "$1" ] && echo "$pid"
  done
  return 0
}

# Inodes of the UDP and TCP sockets that process $1 holds bound, connected or listening (only
# those are in the kernel's tables).
ip_sockets() {
  local pid=$1 inode
  for inode in $(ls -l "/proc/$pid/fd" 2>/dev/null | sed -n 's/.*socket:\[\([0-9]*\)\].*/\1/p'); do
    awk -v inode="$inode" 'FNR > 1 && $10 == inode {found = 1} END {exit !found}' \
      "/proc/$pid/net/udp" "/proc/$pid/net/udp6" "/proc/$pid/net/tcp" "/proc/$pid/net/tcp6" &&
      echo "$inode"
  done
  return 0
}

# The protocol of each socket that process $1 holds, a line each: UNIX, UDP, TCP ...
socket_protocols() {
  local fd fds=()
  for fd in /proc/"$1"/fd/*; do
    [[ "$(readlink "$fd")" == socket:* ]] && fds+=("$fd")
  done
  [ ${#fds[@]} -eq 0 ] && return 0
  /usr/bin/python3 -c '
import os, sys
for fd in sys.argv[1:]:
    print(os.getxattr(fd, "system.sockprotoname").rstrip(b"\0").decode())' "${fds[@]}"
}

# Checks that process $1 holds no IP socket but as many unbound UDP ones as the lone client: those
# Fast DDS opens, one per address of the machine's interfaces, to read their hardware addresses,
# and leaves open.
check_sockets() {
  local protocols others udp
  [ -z "$(ip_sockets "$1")" ] || fail "process $1 holds a bound or connected IP socket"
  protocols=$(socket_protocols "$1")
  others=$(grep -vx "UNIX\|UDP\|" <<< "$protocols" || true)
  [ -z "$others" ] || fail "process $1 holds sockets of other kinds:" $others
  udp=$(grep -cx "UDP" <<< "$protocols" || true)
  [ "$udp" -eq "$udp_sockets" ] ||
    fail "process $1 holds $udp UDP sockets, the lone client $udp_sockets"
}

echo "== domain $domain"

echo "== a client without server gives up with a clear message"
timeout 30 "$client" --domain "$domain" --wait-ms 2000 > "$work/no_server.log" 2>&1 &
lonely=$!
sleep 1
# While it looks for a server: no IP socket, only shared memory.
lonely_pid=$(children "$lonely")
[ -n "$lonely_pid" ] || fail "the client without server ended too soon"
udp_sockets=$(socket_protocols "$lonely_pid" | grep -cx "UDP" || true)
check_sockets "$lonely_pid"
grep -q "/dev/shm/fastrtps_" "/proc/$lonely_pid/maps" || fail "the client maps no shared memory"
status=0
wait "$lonely" || status=$?
[ "$status" -eq 3 ] || fail "client without server exited with $status, expected 3"
grep -q "no server" "$work/no_server.log" || fail "no clear message without server"

echo "== server: 10,000 points per trajectory"
mkdir "$work/poses"
odd_name=$work/poses/$'poses_\xff\xfe.txt'
cp "$poses" "$odd_name"
timeout -s TERM 200 "$server" --domain "$domain" --points 10000 --pose-dir "$(dirname "$poses")" \
  --pose-dir "$work/poses" > "$work/server.log" 2>&1 &
timeout_pid=$!
for _ in $(seq 100); do
  grep -q "serving" "$work/server.log" && break
  sleep 0.1
done
grep -q "serving" "$work/server.log" || fail "server did not start"
server_pid=$(children "$timeout_pid")

echo "== two clients at once, every answer verified"
timeout 150 "$client" --domain "$domain" --repeat 15 --verify --quiet --pose-info "$poses" \
  > "$work/client_a.log" 2>&1 &
client_a=$!
timeout 150 "$client" --domain "$domain" --joints 3 --repeat 15 --verify --quiet \
  --pose-info "$poses" > "$work/client_b.log" 2>&1 &
client_b=$!
# While they talk: every process holds the same unbound UDP sockets and no other IP socket, and
# the server maps Fast DDS shared-memory segments.
for log in client_a client_b; do
  for _ in $(seq 300); do
    grep -q ", verified" "$work/$log.log" && break
    sleep 0.1
  done
done
for pid in "$server_pid" $(children "$client_a") $(children "$client_b"); do
  check_sockets "$pid"
done
echo "each process holds $udp_sockets unbound UDP sockets and no other IP socket"
grep -q "/dev/shm/fastrtps_" "/proc/$server_pid/maps" || fail "the server maps no shared memory"
# The type support is reached through the dispatch, which loads it by name: mapped, not linked.
grep -q "libquorvex__rosidl_typesupport_fastrtps_cpp.so" "/proc/$server_pid/maps" ||
  fail "the server did not load the Fast-CDR type support"
if readelf -d "$server" | grep -q "libquorvex__rosidl_typesupport_fastrtps_cpp"; then
  fail "the server links the Fast-CDR type support instead of reaching it through the dispatch"
fi
wait "$client_a" || fail "client A exited with $?"
wait "$client_b" || fail "client B exited with $?"
for log in client_a client_b; do
  [ "$(grep -c "PlanMotion: success, .*, verified" "$work/$log.log")" -eq 15 ] ||
    fail "$log: not 15 verified PlanMotion answers"
  [ "$(grep -c "SolveIK: success, .*, verified" "$work/$log.log")" -eq 15 ] ||
    fail "$log: not 15 verified SolveIK answers"
done

echo "== malformed requests get success false with a reason"
timeout 60 "$client" --domain "$domain" --joints 7 --goal-joints 6 --verify \
  --pose-info "$work/no_such_file" > "$work/malformed.log" 2>&1 ||
  fail "client with malformed requests exited with $?"
grep -q "success: false" "$work/malformed.log" || fail "malformed request not refused"
grep -q "both must list the same joints" "$work/malformed.log" || fail "refusal without reason"
grep -q "cannot read the pose-information file" "$work/malformed.log" ||
  fail "missing pose file not reported"
[ "$(grep -c "verification: intact" "$work/malformed.log")" -eq 2 ] ||
  fail "refusals not as expected"

echo "== a pose file whose name is not valid UTF-8 passes --verify"
timeout 60 "$client" --domain "$domain" --verify --pose-info "$odd_name" \
  > "$work/odd_name.log" 2>&1 || fail "the client asking for a file not named in UTF-8 exited with $?"
[ "$(grep -c "verification: intact" "$work/odd_name.log")" -eq 2 ] ||
  fail "the answer about a file not named in UTF-8 was not verified"
grep -q "success: true" "$work/odd_name.log" || fail "the file not named in UTF-8 was not read"

echo "== a client holding C records gets the same replies as one holding C++ records"
for interface in cpp c; do
  LD_DEBUG=libs LD_DEBUG_OUTPUT="$work/loader_$interface" timeout 60 "$client" \
    --domain "$domain" --interface "$interface" --joints 2 --full --verify --pose-info "$poses" \
    > "$work/interface_$interface.log" 2>&1 || fail "the $interface client exited with $?"
done
without_times() {
  sed 's/round trip [0-9.e+-]* ms/round trip/' "$1"
}
diff -q <(without_times "$work/interface_cpp.log") <(without_times "$work/interface_c.log") \
  > /dev/null || fail "the C and C++ clients got different replies"
[ "$(grep -c "verification: intact" "$work/interface_c.log")" -eq 2 ] ||
  fail "the C client's replies were not verified"
grep -qs "libquorvex__rosidl_typesupport_fastrtps_c.so" "$work"/loader_c.* ||
  fail "the C client did not load the C type support"

echo "== the server stops cleanly on SIGTERM"
check_sockets "$server_pid"
kill -TERM "$server_pid"
status=0
wait "$timeout_pid" || status=$?
timeout_pid=""
[ "$status" -eq 0 ] || fail "server exited with $status"
grep -q "stopping after 68 requests" "$work/server.log" || fail "server did not answer 68 requests"
echo "PASS"
