#!/usr/bin/env bash
# The demo across two hosts made by two_hosts.sh: the server on one, clients on the other, over
# a veth link that the scenario makes lossy, cuts, strips of multicast or records.
# Usage: network_test.sh MODE <server> <client> <pose-information file> <capture checker>
#        [<Python client>]
#   multicast  8 clients, 20 verified rounds each, own joint counts; 10,000-point server
#   peer       the same with multicast dropped on the link and --peer given, and the C++ and
#              the Python client (when given) calling one service each
#   loss       10% of frames lost both ways; 10,000-point replies all arrive, verified, with
#              no request sent twice
#   link_down  the link down for 5 s in mid-call: every client answered, or failing clearly
#   capture    what travels on the link: request content in clear (security off)
# Extra arguments for every server and client, e.g. security options, come from the
# environment: NETWORK_TEST_SERVER_ARGS, NETWORK_TEST_CLIENT_ARGS (split on blanks). A capture
# run with NETWORK_TEST_EXPECT_CLEAR=0 checks instead that nothing is in clear.
# Exits 77 (skipped) where network namespaces cannot be made.
set -euo pipefail
mode=$1
server=$2
client=$3
poses=$4
capture_checker=$5
python_client=${6:-}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=two_hosts.sh
source "$here/two_hosts.sh"

read -r -a server_extra <<< "${NETWORK_TEST_SERVER_ARGS:-}"
read -r -a client_extra <<< "${NETWORK_TEST_CLIENT_ARGS:-}"
work=$(mktemp -d /tmp/quorvex_network.XXXXXX)
domain=$((150 + RANDOM % 79))
server_pid=""

# shellcheck source=fail.sh
source "$(dirname "$0")/fail.sh"

cleanup() {
  two_hosts_down
  rm -rf "$work"
}

two_hosts_up
trap cleanup EXIT
echo "== $mode, domain $domain, server $TWO_HOSTS_SERVER_ADDRESS, clients $TWO_HOSTS_CLIENT_ADDRESS"

# Starts the server on the server host with the given options; it stops by itself in 240 s.
start_server() {
  on_server_host timeout -s INT 240 "$server" --network --domain "$domain" \
    --pose-dir "$(dirname "$poses")" ${server_extra[@]+"${server_extra[@]}"} "$@" \
    > "$work/server.log" 2>&1 &
  server_pid=$!
  for _ in $(seq 100); do
    grep -qs "serving" "$work/server.log" && return 0
    sleep 0.1
  done
  fail "the server did not start"
}

stop_server() {
  kill -INT "$server_pid" 2> /dev/null || true
  wait "$server_pid" || fail "the server exited with $?"
}

# Runs client number $1 on the client host in the background with its own joint count; its
# output goes to client_$1.log, its pid to client_pids.
client_pids=()
start_client() {
  local number=$1
  shift
  on_client_host timeout -s INT 180 "$client" --network --domain "$domain" --joints "$number" \
    --verify --quiet --pose-info "$poses" ${client_extra[@]+"${client_extra[@]}"} "$@" \
    > "$work/client_$number.log" 2>&1 &
  client_pids+=($!)
}

# Waits for every client; each must have exited 0 with $1 verified rounds of both services.
expect_all_verified() {
  local rounds=$1 number=1 pid status log
  for pid in "${client_pids[@]}"; do
    status=0
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || fail "client $number exited with $status"
    log=$work/client_$number.log
    [ "$(grep -c "^PlanMotion: success, .*, verified$" "$log")" -eq "$rounds" ] ||
      fail "client $number: not $rounds verified PlanMotion answers"
    [ "$(grep -c "^SolveIK: success, .*, verified$" "$log")" -eq "$rounds" ] ||
      fail "client $number: not $rounds verified SolveIK answers"
    number=$((number + 1))
  done
  client_pids=()
}

case $mode in
  multicast | peer)
    peer=()
    if [ "$mode" = peer ]; then
      drop_multicast
      peer=(--peer "$TWO_HOSTS_SERVER_ADDRESS")
      # The server needs no peer: it learns of the clients from their unicast announcements.
      start_server --points 100
    else
      start_server --points 10000
    fi
    for number in $(seq 8); do
      start_client "$number" --repeat 20 ${peer[@]+"${peer[@]}"}
    done
    expect_all_verified 20
    if [ "$mode" = peer ] && [ -n "$python_client" ]; then
      on_client_host timeout 120 /usr/bin/python3 "$python_client" --network --domain "$domain" \
        --peer "$TWO_HOSTS_SERVER_ADDRESS" --service solve_ik --repeat 5 --verify --quiet \
        --pose-info "$poses" ${client_extra[@]+"${client_extra[@]}"} > "$work/python.log" 2>&1 ||
        fail "the Python client exited with $?"
      [ "$(grep -c "^SolveIK: success, .*, verified$" "$work/python.log")" -eq 5 ] ||
        fail "the Python client: not 5 verified SolveIK answers"
      ! grep -q "^PlanMotion" "$work/python.log" || fail "the Python client called PlanMotion"
    fi
    if [ "$mode" = peer ]; then
      # --service: only the service named is called.
      on_client_host timeout 120 "$client" --network --domain "$domain" --repeat 3 --verify \
        --quiet --peer "$TWO_HOSTS_SERVER_ADDRESS" --service plan_motion \
        ${client_extra[@]+"${client_extra[@]}"} > "$work/one_service.log" 2>&1 ||
        fail "the client of PlanMotion alone exited with $?"
      [ "$(grep -c "^PlanMotion: success, .*, verified$" "$work/one_service.log")" -eq 3 ] ||
        fail "the client of PlanMotion alone: not 3 verified answers"
      ! grep -q "^SolveIK" "$work/one_service.log" || fail "the client called SolveIK"
      # Without --peer, nothing is found where multicast does not pass.
      status=0
      on_client_host timeout 60 "$client" --network --domain "$domain" --wait-ms 3000 \
        ${client_extra[@]+"${client_extra[@]}"} > "$work/no_peer.log" 2>&1 || status=$?
      [ "$status" -eq 3 ] || fail "a client without --peer exited with $status, expected 3"
    else
      # Shared memory alone does not reach the other host.
      status=0
      on_client_host timeout 60 "$client" --domain "$domain" --wait-ms 3000 \
        ${client_extra[@]+"${client_extra[@]}"} > "$work/no_network.log" 2>&1 || status=$?
      [ "$status" -eq 3 ] || fail "a client without --network exited with $status, expected 3"
      grep -q "no server" "$work/no_network.log" || fail "no clear message without --network"
    fi
    stop_server
    ;;
  loss)
    start_server --points 10000
    link_loss 10
    # No retry: every reply must arrive by repair, not by asking again. Discovery, and a secured
    # run's handshake (messages of several frames), need longer than on a clean link.
    for number in $(seq 4); do
      start_client "$number" --repeat 10 --retries 0 --reply-timeout-ms 60000 --wait-ms 60000
    done
    expect_all_verified 10
    stop_server
    ;;
  link_down)
    start_server --points 10000
    # Clients that go on until stopped, so that the link goes down in the middle of calls.
    for number in $(seq 4); do
      start_client "$number" --repeat 1000000 --reply-timeout-ms 15000 --wait-ms 10000
    done
    for number in $(seq 4); do
      for _ in $(seq 300); do
        grep -qs "verified" "$work/client_$number.log" && break
        sleep 0.1
      done
    done
    link_down
    sleep 5
    before=()
    for number in $(seq 4); do
      before+=("$(grep -c "^PlanMotion: .*verified$" "$work/client_$number.log" || true)")
    done
    link_up || fail "the link did not come back"
    # A client still running must go on answering after the outage: its call in flight was
    # answered (or sent again after a clear timeout); one that stopped must say why.
    for number in $(seq 4); do
      pid=${client_pids[$((number - 1))]}
      log=$work/client_$number.log
      for _ in $(seq 600); do
        kill -0 "$pid" 2> /dev/null || break
        [ "$(grep -c "^PlanMotion: .*verified$" "$log" || true)" -ge \
          "$((${before[$((number - 1))]} + 3))" ] && break
        sleep 0.1
      done
      kill -INT "$pid" 2> /dev/null || true
      status=0
      wait "$pid" || status=$?
      case $status in
        130) grep -q "VERIFICATION FAILED" "$log" && fail "client $number: a wrong answer" ;;
        1) grep -q "no reply within" "$log" || fail "client $number failed without saying why" ;;
        3) grep -q "no server\|the server is gone" "$log" ||
             fail "client $number found no server without saying so" ;;
        *) fail "client $number exited with $status" ;;
      esac
      [ "$status" -ne 130 ] || [ "$(grep -c "^PlanMotion: .*verified$" "$log")" -ge \
        "$((${before[$((number - 1))]} + 3))" ] ||
        fail "client $number answered nothing more within 60 s of the link coming back"
      echo "client $number: exit $status, $(grep -c "verified$" "$log") verified answers," \
        "$(grep -c "no reply within" "$log" || true) reply timeouts, longest round trip" \
        "$(sed -n 's/.*round trip \([0-9.e+]*\) ms.*/\1/p' "$log" | sort -g | tail -n 1) ms"
    done
    client_pids=()
    stop_server
    ;;
  capture)
    # A marker in the SolveIK pose path; the file need not exist, the path travels anyway.
    marker="quorvex_marker_$$_$RANDOM"
    start_server --points 100
    capture_start "$work/link.pcap"
    on_client_host timeout 60 "$client" --network --domain "$domain" --joints 7 --quiet \
      --pose-info "/nonexistent/$marker/poses.txt" ${client_extra[@]+"${client_extra[@]}"} \
      > "$work/client.log" 2>&1 || fail "the client exited with $?"
    capture_stop
    stop_server
    expect=present
    [ "${NETWORK_TEST_EXPECT_CLEAR:-1}" = 0 ] && expect=absent
    /usr/bin/python3 "$capture_checker" "$work/link.pcap" "$marker" 7 "$expect" ||
      fail "the capture does not show what it should ($expect in clear)"
    ;;
  *)
    echo "unknown mode $mode" >&2
    exit 2
    ;;
esac
echo "PASS"
