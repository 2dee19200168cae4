#!/usr/bin/env bash
# The secured demo across two hosts made by two_hosts.sh: the scenarios of security_test.sh with
# the server on one host and the clients on the other, and network_test.sh's lossy link and
# capture with every program secured.
# Usage: secured_network_test.sh MODE <server> <client> <quorvex_keystore> <pose-information file>
#          <capture checker> [<Python client>]
#   refusals  security_test.sh secured across the link (--network on every program)
#   loss      10% of frames lost both ways, secured: 10,000-point replies all arrive, verified
#   capture   nothing of a request or reply in clear on the link
# Exits 77 (skipped) where network namespaces cannot be made.
set -euo pipefail
mode=$1
server=$2
client=$3
keystore_tool=$4
poses=$5
capture_checker=$6
python_client=${7:-}
here=$(cd "$(dirname "$0")" && pwd)

case "$mode" in
  refusals)
    # shellcheck source=two_hosts.sh
    source "$here/two_hosts.sh"
    two_hosts_up
    trap two_hosts_down EXIT
    QUORVEX_SERVER_PREFIX="ip netns exec $two_hosts_server_ns" \
      QUORVEX_CLIENT_PREFIX="ip netns exec $two_hosts_client_ns" \
      QUORVEX_SERVER_ARGS="--network" QUORVEX_CLIENT_ARGS="--network" \
      bash "$here/security_test.sh" secured "$server" "$client" "$keystore_tool" "$poses" \
      ${python_client:+"$python_client"}
    ;;
  loss|capture)
    keystore=$(mktemp -d /tmp/quorvex_keystore.XXXXXX)
    trap 'rm -rf "$keystore"' EXIT
    "$keystore_tool" create "$keystore" > /dev/null
    "$keystore_tool" enclave "$keystore" /quorvex/server --serve plan_motion,solve_ik > /dev/null
    "$keystore_tool" enclave "$keystore" /quorvex/client --call plan_motion,solve_ik > /dev/null
    status=0
    NETWORK_TEST_SERVER_ARGS="--keystore $keystore --enclave /quorvex/server" \
      NETWORK_TEST_CLIENT_ARGS="--keystore $keystore --enclave /quorvex/client" \
      NETWORK_TEST_EXPECT_CLEAR=0 \
      bash "$here/network_test.sh" "$mode" "$server" "$client" "$poses" "$capture_checker" ||
      status=$?
    exit "$status"
    ;;
  *)
    echo "unknown mode $mode" >&2
    exit 2
    ;;
esac
