#!/usr/bin/env bash
# Two hosts on one machine, for tests that run the demo across a network: two network namespaces
# joined by a veth pair (198.18.0.1/24 on the server host, 198.18.0.2/24 on the client host, MTU
# 1500), each with its own loopback. Traffic never leaves them; both are removed at exit, also on
# failure. Source it, then call two_hosts_up.
#
#   two_hosts_up                   make the hosts; exits with $TWO_HOSTS_SKIP when it cannot
#   on_server_host CMD...          run CMD on the server host (198.18.0.1); `... &` makes $! the
#                                  pid of CMD (or of what CMD execs)
#   on_client_host CMD...          run CMD on the client host (198.18.0.2)
#   link_loss PERCENT              drop PERCENT% of frames at random, both ways, at the client
#                                  host's end (netdev ingress and egress); 0 removes the rule
#   link_down / link_up            take the client host's end of the link down / up
#   drop_multicast                 drop every IPv4 multicast frame at the client host's end
#   capture_start FILE             record every frame on the link into FILE (pcap)
#   capture_stop                   stop recording and flush FILE
#
# Names carry the shell's pid, so that tests may run in parallel.

TWO_HOSTS_SKIP=${TWO_HOSTS_SKIP:-77}
TWO_HOSTS_SERVER_ADDRESS=198.18.0.1
TWO_HOSTS_CLIENT_ADDRESS=198.18.0.2
two_hosts_server_ns="qvx_srv_$$"
two_hosts_client_ns="qvx_cli_$$"
# veth names are at most 15 characters.
two_hosts_server_if="qvs$$"
two_hosts_client_if="qvc$$"
two_hosts_capture_pid=""
two_hosts_made=0

two_hosts_skip() {
  echo "SKIP: $* (two hosts need root and 'ip netns'; nothing was tested)" >&2
  exit "$TWO_HOSTS_SKIP"
}

two_hosts_down() {
  capture_stop
  if [ "$two_hosts_made" = 1 ]; then
    # Whatever still runs on the hosts goes with them.
    local ns pid
    for ns in "$two_hosts_server_ns" "$two_hosts_client_ns"; do
      for pid in $(ip netns pids "$ns" 2>/dev/null); do
        kill -KILL "$pid" 2>/dev/null || true
      done
      ip netns delete "$ns" 2>/dev/null || true
    done
    two_hosts_made=0
  fi
}

two_hosts_up() {
  [ "$(id -u)" = 0 ] || two_hosts_skip "not running as root"
  command -v ip > /dev/null || two_hosts_skip "iproute2's ip is missing"
  command -v nft > /dev/null || two_hosts_skip "nftables' nft is missing (scripts/setup.sh)"
  ip netns add "$two_hosts_server_ns" 2> /dev/null ||
    two_hosts_skip "cannot make a network namespace"
  two_hosts_made=1
  # Callers chain their own cleanup before this one: `trap 'my_cleanup; two_hosts_down' EXIT`.
  trap two_hosts_down EXIT
  ip netns add "$two_hosts_client_ns" || two_hosts_skip "cannot make a second network namespace"
  ip link add "$two_hosts_server_if" netns "$two_hosts_server_ns" mtu 1500 type veth \
    peer name "$two_hosts_client_if" netns "$two_hosts_client_ns" mtu 1500 ||
    two_hosts_skip "cannot make a veth pair"
  ip -n "$two_hosts_server_ns" addr add "$TWO_HOSTS_SERVER_ADDRESS/24" dev "$two_hosts_server_if"
  ip -n "$two_hosts_client_ns" addr add "$TWO_HOSTS_CLIENT_ADDRESS/24" dev "$two_hosts_client_if"
  local ns
  for ns in "$two_hosts_server_ns" "$two_hosts_client_ns"; do
    ip -n "$ns" link set lo up
  done
  ip -n "$two_hosts_server_ns" link set "$two_hosts_server_if" up
  ip -n "$two_hosts_client_ns" link set "$two_hosts_client_if" up
  # Multicast goes out on the link (the namespaces have no default route).
  ip -n "$two_hosts_server_ns" route add 224.0.0.0/4 dev "$two_hosts_server_if"
  ip -n "$two_hosts_client_ns" route add 224.0.0.0/4 dev "$two_hosts_client_if"
  # The client host's netdev table: its chains are added as tests need them.
  ip netns exec "$two_hosts_client_ns" nft add table netdev quorvex_link
  two_hosts_wait_carrier || { echo "FAIL: the link between the two hosts is not up" >&2; exit 1; }
}

# Waits until both ends of the link report a carrier (a veth has one once both ends are up).
two_hosts_wait_carrier() {
  local tries
  for tries in $(seq 50); do
    on_client_host ip link show "$two_hosts_client_if" | grep -q "state UP" &&
      on_server_host ip link show "$two_hosts_server_if" | grep -q "state UP" && return 0
    sleep 0.1
  done
  return 1
}

# In a background job (a subshell), the command replaces the subshell, so that $! is its pid and
# a signal sent to $! reaches it.
on_server_host() {
  if [ "$BASHPID" != "$$" ]; then
    exec ip netns exec "$two_hosts_server_ns" "$@"
  fi
  ip netns exec "$two_hosts_server_ns" "$@"
}

on_client_host() {
  if [ "$BASHPID" != "$$" ]; then
    exec ip netns exec "$two_hosts_client_ns" "$@"
  fi
  ip netns exec "$two_hosts_client_ns" "$@"
}

# Adds (or replaces) a base chain of the client host's netdev table on its end of the link.
two_hosts_chain() {
  local name=$1 hook=$2 rule=$3
  on_client_host nft delete chain netdev quorvex_link "$name" 2> /dev/null || true
  [ -z "$rule" ] && return 0
  on_client_host nft add chain netdev quorvex_link "$name" \
    "{ type filter hook $hook device $two_hosts_client_if priority 0; }"
  on_client_host nft add rule netdev quorvex_link "$name" $rule
}

link_loss() {
  local percent=$1 rule=""
  [ "$percent" -gt 0 ] && rule="numgen random mod 100 < $percent drop"
  two_hosts_chain loss_in ingress "$rule"
  two_hosts_chain loss_out egress "$rule"
}

drop_multicast() {
  two_hosts_chain multicast_in ingress "ip daddr 224.0.0.0/4 drop"
  two_hosts_chain multicast_out egress "ip daddr 224.0.0.0/4 drop"
}

link_down() {
  on_client_host ip link set "$two_hosts_client_if" down
}

link_up() {
  on_client_host ip link set "$two_hosts_client_if" up
  two_hosts_wait_carrier
}

capture_start() {
  command -v tcpdump > /dev/null || two_hosts_skip "tcpdump is missing (scripts/setup.sh)"
  # -Z root: tcpdump would otherwise write FILE as its own user, which may not reach it.
  # --immediate-mode: frames are handed over as they come, not in blocks that a stop would lose.
  on_server_host tcpdump -Z root --immediate-mode -i "$two_hosts_server_if" -U -s 0 -w "$1" \
    2> /dev/null &
  two_hosts_capture_pid=$!
  # tcpdump creates its file once it captures.
  local tries
  for tries in $(seq 50); do
    [ -s "$1" ] && return 0
    sleep 0.1
  done
  echo "FAIL: tcpdump did not start" >&2
  exit 1
}

capture_stop() {
  if [ -n "$two_hosts_capture_pid" ]; then
    # The last frames are still on their way to tcpdump.
    sleep 0.5
    kill -INT "$two_hosts_capture_pid" 2> /dev/null || true
    wait "$two_hosts_capture_pid" 2> /dev/null || true
    two_hosts_capture_pid=""
  fi
}
