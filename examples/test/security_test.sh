#!/usr/bin/env bash
# The demo secured with DDS Security: a keystore made by quorvex_keystore, a secured server and
# clients that are answered, refused or stopped, each as its enclave deserves.
# Usage: security_test.sh keystore|secured <server> <client> <quorvex_keystore> <pose file>
#          [<Python client>]
#   keystore  the tool's layout, file modes, certificate subjects and signatures
#   secured   server and clients over the default transport (shared memory on this host)
# To run the programs elsewhere (another network namespace, another transport), give word lists:
#   QUORVEX_SERVER_PREFIX / QUORVEX_CLIENT_PREFIX  run each program under these words
#                                                  (e.g. "ip netns exec host1")
#   QUORVEX_SERVER_ARGS / QUORVEX_CLIENT_ARGS      extra options for each program
#   QUORVEX_DOMAIN                                 the DDS domain (default: a random private one)
set -euo pipefail
mode=$1
server=$2
client=$3
keystore_tool=$4
poses=$5
python_client=${6:-}
read -r -a server_prefix <<< "${QUORVEX_SERVER_PREFIX:-}"
read -r -a client_prefix <<< "${QUORVEX_CLIENT_PREFIX:-}"
read -r -a server_args <<< "${QUORVEX_SERVER_ARGS:-}"
read -r -a client_args <<< "${QUORVEX_CLIENT_ARGS:-}"

work=$(mktemp -d /tmp/quorvex_security.XXXXXX)
# Domains 100..149 are far from the default 0 that a user's ROS 2 graph would use, and apart
# from the 150..228 of the other tests, whose unsecured servers would answer unsecured clients.
domain=${QUORVEX_DOMAIN:-$((100 + RANDOM % 50))}
server_pid=""
# Nothing of the user's ROS 2 security settings may leak into the runs.
unset ROS_SECURITY_ENABLE ROS_SECURITY_STRATEGY ROS_SECURITY_KEYSTORE ROS_SECURITY_ENCLAVE_OVERRIDE

# shellcheck source=fail.sh
source "$(dirname "$0")/fail.sh"

cleanup() {
  if [ -n "$server_pid" ] && kill -0 "$server_pid" 2>/dev/null; then
    kill -TERM "$server_pid" 2>/dev/null || true
    sleep 1
    kill -KILL "$server_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

make_keystores() {
  local ks=$work/keystore
  "$keystore_tool" create "$ks" --days 30 > /dev/null
  "$keystore_tool" enclave "$ks" /quorvex/server --serve plan_motion,solve_ik > /dev/null
  "$keystore_tool" enclave "$ks" /quorvex/client --call plan_motion,solve_ik > /dev/null
  "$keystore_tool" enclave "$ks" /quorvex/ik_only --call solve_ik > /dev/null
  # Valid for one day in 2020.
  "$keystore_tool" enclave "$ks" /quorvex/expired --call plan_motion,solve_ik \
    --start 20200101000000Z --days 1 > /dev/null
  # The same enclave name, issued by another CA.
  "$keystore_tool" create "$work/stranger" > /dev/null
  "$keystore_tool" enclave "$work/stranger" /quorvex/client --call plan_motion,solve_ik > /dev/null
}

# --- keystore: what the tool makes ---
check_keystore() {
  local ks=$work/keystore enclave file
  for file in public/ca.cert.pem public/identity_ca.cert.pem public/permissions_ca.cert.pem \
    private/ca.key.pem private/identity_ca.key.pem private/permissions_ca.key.pem \
    enclaves/governance.xml enclaves/governance.p7s; do
    [ -r "$ks/$file" ] || fail "the keystore lacks $file"
  done
  [ "$(stat -c %a "$ks/private")" = 700 ] || fail "private/ is not 0700"
  [ "$(stat -c %a "$ks/private/ca.key.pem")" = 600 ] || fail "the CA key is not 0600"
  for enclave in server client ik_only expired; do
    local dir=$ks/enclaves/quorvex/$enclave
    for file in cert.pem key.pem identity_ca.cert.pem permissions_ca.cert.pem governance.p7s \
      permissions.p7s permissions.xml; do
      [ -r "$dir/$file" ] || fail "the enclave /quorvex/$enclave lacks $file"
    done
    [ "$(stat -c %a "$dir/key.pem")" = 600 ] || fail "the key of /quorvex/$enclave is not 0600"
    openssl x509 -in "$dir/cert.pem" -noout -subject -nameopt RFC2253 |
      grep -qx "subject=CN=/quorvex/$enclave" || fail "wrong subject in /quorvex/$enclave"
    openssl pkey -in "$dir/key.pem" -noout -text 2> /dev/null | grep -q "prime256v1" ||
      fail "the key of /quorvex/$enclave is not EC prime256v1"
    openssl verify -CAfile "$ks/public/identity_ca.cert.pem" -no_check_time "$dir/cert.pem" \
      > /dev/null || fail "the certificate of /quorvex/$enclave is not the CA's"
    for file in governance.p7s permissions.p7s; do
      openssl smime -verify -text -in "$dir/$file" -CAfile "$ks/public/permissions_ca.cert.pem" \
        -out /dev/null 2> /dev/null || fail "$file of /quorvex/$enclave does not verify"
    done
    openssl smime -verify -text -in "$ks/enclaves/governance.p7s" -out /dev/null \
      -CAfile "$work/stranger/public/ca.cert.pem" 2> /dev/null &&
      fail "governance.p7s verifies against another keystore's CA"
  done
  # Exactly the topics each role needs.
  local permissions=$ks/enclaves/quorvex/ik_only/permissions.xml
  [ "$(grep -c "<topic>" "$permissions")" = 2 ] || fail "ik_only is granted more than 2 topics"
  sed -n '/<publish>/,/<\/publish>/p' "$permissions" | grep -q "<topic>rq/solve_ikRequest<" ||
    fail "ik_only may not publish SolveIK requests"
  sed -n '/<subscribe>/,/<\/subscribe>/p' "$permissions" | grep -q "<topic>rr/solve_ikReply<" ||
    fail "ik_only may not read SolveIK replies"
  permissions=$ks/enclaves/quorvex/server/permissions.xml
  sed -n '/<publish>/,/<\/publish>/p' "$permissions" | grep -q "rq/" &&
    fail "the server may publish requests"
  grep -q "<not_after>2020-01-02T00:00:00</not_after>" \
    "$ks/enclaves/quorvex/expired/permissions.xml" ||
    fail "the permissions' validity is not the certificate's"
  grep -q "<rtps_protection_kind>ENCRYPT<" "$ks/enclaves/governance.xml" ||
    fail "RTPS messages are not encrypted"
  # Refusals: a second keystore in the same place, an unknown service, an enclave made twice.
  "$keystore_tool" create "$ks" > "$work/again.log" 2>&1 && fail "a keystore was made twice"
  "$keystore_tool" enclave "$ks" /x --call move_arm > "$work/unknown.log" 2>&1 &&
    fail "an unknown service was granted"
  grep -q "unknown service 'move_arm'" "$work/unknown.log" || fail "no reason for the refusal"
  "$keystore_tool" enclave "$ks" /quorvex/client --call solve_ik > "$work/twice.log" 2>&1 &&
    fail "an enclave was made twice"
  echo "keystore: layout, modes, subjects and signatures as expected"
}

# Requests the server logged so far.
served() {
  grep -cE "^(PlanMotion|SolveIK) #" "$work/server.log" || true
}

# Clients that must find the server may look long on a busy machine: they stop once they find it.
readonly patient=(--wait-ms 30000)

# run_client NAME STATUS [ENV=VALUE...] -- [client options...]: runs a client, checks its status.
run_client() {
  local name=$1 expected=$2 status=0
  shift 2
  local -a environment=()
  while [ "$1" != "--" ]; do
    environment+=("$1")
    shift
  done
  shift
  env "${environment[@]}" "${client_prefix[@]}" timeout -k 5 60 "$client" --domain "$domain" \
    --pose-info "$poses" "${client_args[@]}" "$@" > "$work/$name.log" 2>&1 || status=$?
  [ "$status" = "$expected" ] || fail "client $name: exit status $status, expected $expected"
}

expect_log() {  # expect_log NAME PATTERN WHY
  grep -qE "$2" "$work/$1.log" || fail "$3"
}

run_python_cases() {
  local -a python=(/usr/bin/python3 "$python_client") status=0
  "${client_prefix[@]}" timeout -k 5 60 "${python[@]}" --domain "$domain" --pose-info "$poses" \
    "${client_args[@]}" --keystore "$work/keystore" --enclave /quorvex/client --verify --quiet \
    "${patient[@]}" > "$work/python_allowed.log" 2>&1 || status=$?
  [ "$status" = 0 ] || fail "the secured Python client: exit status $status"
  [ "$(grep -c ", verified$" "$work/python_allowed.log")" = 2 ] || fail "Python: not verified"
  status=0
  "${client_prefix[@]}" timeout -k 5 60 "${python[@]}" --domain "$domain" "${client_args[@]}" \
    --keystore "$work/keystore" --enclave /quorvex/ik_only > "$work/python_ik_only.log" 2>&1 ||
    status=$?
  [ "$status" = 3 ] || fail "the Python client of ik_only: exit status $status, expected 3"
  expect_log python_ik_only "PlanMotion is not permitted to this client" \
    "Python: no word that PlanMotion is not permitted"
}

# A domain where no server answers yet: an unsecured one of another test or user would answer
# the unsecured clients below.
choose_free_domain() {
  local attempt status
  for attempt in 1 2 3 4 5; do
    status=0
    "${client_prefix[@]}" timeout -k 5 30 "$client" --domain "$domain" --wait-ms 1500 \
      --service solve_ik "${client_args[@]}" > "$work/probe.log" 2>&1 || status=$?
    [ "$status" = 3 ] && return 0
    [ -n "${QUORVEX_DOMAIN:-}" ] && fail "a server answers on domain $domain already"
    domain=$((100 + RANDOM % 50))
  done
  fail "no free DDS domain found"
}

check_secured() {
  local ks=$work/keystore
  choose_free_domain
  "${server_prefix[@]}" timeout -k 5 240 "$server" --domain "$domain" \
    --pose-dir "$(dirname "$poses")" --keystore "$ks" --enclave /quorvex/server \
    "${server_args[@]}" > "$work/server.log" 2>&1 &
  server_pid=$!
  for _ in $(seq 100); do
    grep -qs "secured as enclave /quorvex/server" "$work/server.log" && break
    kill -0 "$server_pid" 2>/dev/null || fail "the secured server stopped at start"
    sleep 0.1
  done

  # An enclave allowed both services is answered, and every answer is right.
  run_client allowed 0 -- --keystore "$ks" --enclave /quorvex/client --verify --quiet \
    --repeat 3 --joints 9 "${patient[@]}"
  [ "$(grep -c ", verified$" "$work/allowed.log")" = 6 ] || fail "not all 6 answers verified"

  # The same options as ROS 2's variables.
  run_client from_environment 0 ROS_SECURITY_ENABLE=true ROS_SECURITY_STRATEGY=Enforce \
    ROS_SECURITY_KEYSTORE="$ks" ROS_SECURITY_ENCLAVE_OVERRIDE=/quorvex/client -- \
    --verify --quiet "${patient[@]}"
  # Options win over the variables.
  run_client options_win 0 ROS_SECURITY_ENABLE=true ROS_SECURITY_STRATEGY=Enforce \
    ROS_SECURITY_KEYSTORE="$work/stranger" ROS_SECURITY_ENCLAVE_OVERRIDE=/quorvex/none -- \
    --keystore "$ks" --enclave /quorvex/client --verify --quiet "${patient[@]}"

  # Outsiders find no server, and the server answers nothing of them.
  local before
  before=$(served)
  run_client unsecured 3 -- --wait-ms 4000 --quiet
  expect_log unsecured "no server for /plan_motion and /solve_ik" "the unsecured client's reason"
  run_client stranger 3 -- --keystore "$work/stranger" --enclave /quorvex/client --wait-ms 4000
  expect_log stranger "no server" "the other CA's client's reason"
  [ "$(served)" = "$before" ] || fail "the server answered a client it does not trust"

  # SolveIK only: answered for SolveIK, refused locally for PlanMotion.
  run_client ik_only 0 -- --keystore "$ks" --enclave /quorvex/ik_only --service solve_ik \
    --verify --quiet "${patient[@]}"
  expect_log ik_only "^SolveIK: success.*verified$" "SolveIK was not answered to ik_only"
  run_client ik_only_both 3 -- --keystore "$ks" --enclave /quorvex/ik_only --verify --quiet
  expect_log ik_only_both "PlanMotion is not permitted to this client" \
    "no word that PlanMotion is not permitted"

  # An expired certificate: refused before Fast DDS starts, saying which file and since when.
  run_client expired 4 -- --keystore "$ks" --enclave /quorvex/expired
  expect_log expired "expired/cert.pem: the certificate expired on Jan  2 00:00:00 2020" \
    "the expired certificate is not named"

  # Permissions widened after signing: the signature no longer holds, for client and server.
  cp -r "$ks/enclaves/quorvex/ik_only" "$ks/enclaves/quorvex/forged"
  sed -i 's|<topic>rq/solve_ikRequest</topic>|<topic>rq/*</topic>|' \
    "$ks/enclaves/quorvex/forged/permissions.p7s"
  cmp -s "$ks/enclaves/quorvex/forged/permissions.p7s" \
    "$ks/enclaves/quorvex/ik_only/permissions.p7s" && fail "the permissions were not altered"
  run_client forged 4 -- --keystore "$ks" --enclave /quorvex/forged
  expect_log forged "forged/permissions.p7s: the signature does not verify" \
    "permissions.p7s is not named"
  local status=0
  "${server_prefix[@]}" timeout -k 5 60 "$server" --domain "$domain" --keystore "$ks" \
    --enclave /quorvex/forged "${server_args[@]}" > "$work/forged_server.log" 2>&1 || status=$?
  [ "$status" = 1 ] || fail "the server with forged permissions: status $status, expected 1"
  expect_log forged_server "forged/permissions.p7s: the signature does not verify" \
    "the server does not name permissions.p7s"

  # The Python client, secured the same way.
  if [ -n "$python_client" ]; then
    run_python_cases
  fi

  # Enforce without an enclave stops the program; without Enforce it warns and runs unsecured.
  run_client enforce_no_enclave 4 ROS_SECURITY_ENABLE=true ROS_SECURITY_STRATEGY=Enforce \
    ROS_SECURITY_KEYSTORE="$ks" -- --wait-ms 1000
  expect_log enforce_no_enclave "no enclave is given" "Enforce: no reason given"
  run_client enforce_missing 4 ROS_SECURITY_ENABLE=true ROS_SECURITY_STRATEGY=Enforce \
    ROS_SECURITY_KEYSTORE="$ks" ROS_SECURITY_ENCLAVE_OVERRIDE=/quorvex/absent -- --wait-ms 1000
  expect_log enforce_missing "enclaves/quorvex/absent" "Enforce: the missing enclave is not named"
  status=0
  env ROS_SECURITY_ENABLE=true ROS_SECURITY_STRATEGY=Enforce ROS_SECURITY_KEYSTORE="$ks" \
    "${server_prefix[@]}" timeout -k 5 60 "$server" --domain "$domain" "${server_args[@]}" \
    > "$work/enforce_server.log" 2>&1 || status=$?
  [ "$status" = 1 ] || fail "the server under Enforce without an enclave: status $status"
  before=$(served)
  run_client permissive 3 ROS_SECURITY_ENABLE=true ROS_SECURITY_KEYSTORE="$ks" \
    ROS_SECURITY_ENCLAVE_OVERRIDE=/quorvex/absent -- --wait-ms 3000
  expect_log permissive "warning: .*running UNSECURED" "no warning when running unsecured"
  expect_log permissive "no server" "the unsecured client found the secured server"
  [ "$(served)" = "$before" ] || fail "the server answered an unsecured client"

  kill -TERM "$server_pid"
  status=0
  wait "$server_pid" || status=$?
  server_pid=""
  [ "$status" = 0 ] || fail "the server stopped with status $status"
  echo "secured: trusted clients answered, outsiders and bad files refused"
}

make_keystores
case $mode in
  keystore) check_keystore ;;
  secured) check_secured ;;
  *) fail "unknown mode $mode" ;;
esac
