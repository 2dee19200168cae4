#!/usr/bin/env bash
# Runs the Python client and quorvex_call against the C++ server, as separate processes on a
# private DDS domain: their verified replies must be those the C++ client gets for the same
# options, byte for byte as printed.
# Usage: python_clients_test.sh <server> <C++ client> <Python client> <quorvex_call> <poses>
# PYTHONPATH must reach quorvex and quorvex_examples_dds.
set -euo pipefail
server=$1
cpp_client=$2
python_client=$3
call=$4
poses=$5

work=$(mktemp -d /tmp/quorvex_python_clients.XXXXXX)
# Domains 229..232, apart from those of the other demo tests.
domain=$((229 + RANDOM % 3))
empty_domain=$((domain + 1))
server_pid=""

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

python_client() {
  timeout 120 /usr/bin/python3 "$python_client" "$@"
}

without_times() {
  sed 's/round trip [0-9.e+-]* ms/round trip/' "$1"
}

echo "== domain $domain"

echo "== without a server the Python client gives up as the C++ one does"
status=0
python_client --domain "$empty_domain" --wait-ms 1000 > "$work/no_server.log" 2>&1 || status=$?
[ "$status" -eq 3 ] || fail "the Python client without server exited with $status, expected 3"
grep -q "no server for /plan_motion and /solve_ik on domain $empty_domain" "$work/no_server.log" ||
  fail "no clear message without server"
status=0
python_client --joints many > "$work/usage.log" 2>&1 || status=$?
[ "$status" -eq 2 ] || fail "a usage error exited with $status, expected 2"

echo "== server"
"$server" --domain "$domain" --points 1000 --pose-dir "$(dirname "$poses")" \
  > "$work/server.log" 2>&1 &
server_pid=$!
for _ in $(seq 100); do
  grep -q "serving" "$work/server.log" && break
  sleep 0.1
done
grep -q "serving" "$work/server.log" || fail "server did not start"

echo "== the Python client's verified replies are the C++ client's"
for options in "--joints 4 --repeat 3 --full" "--joints 7 --goal-joints 6" "--joints 3 --quiet"; do
  # shellcheck disable=SC2086
  timeout 120 "$cpp_client" --domain "$domain" --verify --pose-info "$poses" $options \
    > "$work/cpp.log" 2>&1 || fail "the C++ client exited with $? ($options)"
  # shellcheck disable=SC2086
  python_client --domain "$domain" --verify --pose-info "$poses" $options \
    > "$work/python.log" 2>&1 || fail "the Python client exited with $? ($options)"
  diff <(without_times "$work/cpp.log") <(without_times "$work/python.log") > "$work/diff.log" ||
    fail "the Python client printed other replies than the C++ client ($options)"
  grep -q "verif" "$work/python.log" || fail "no verification reported ($options)"
done

echo "== ROS_DOMAIN_ID is the Python client's default domain"
ROS_DOMAIN_ID=$domain python_client --quiet --verify --pose-info "$poses" > "$work/env.log" 2>&1 ||
  fail "the Python client on ROS_DOMAIN_ID exited with $?"
grep -q "PlanMotion: success, .*, verified" "$work/env.log" || fail "no verified reply on ROS_DOMAIN_ID"

echo "== quorvex_call"
timeout 60 /usr/bin/python3 "$call" --domain "$domain" /plan_motion quorvex/srv/PlanMotion \
  "{start_joints: [0.0, 0.5], goal_joints: [1.0, 1.5]}" > "$work/call.log" 2>&1 ||
  fail "quorvex_call exited with $?"
# The printed response, read back into a message, is what the server must answer.
/usr/bin/python3 - "$work/call.log" <<'EOF' || fail "quorvex_call's response is not the right one"
import sys
import yaml
from quorvex.srv import PlanMotion
import quorvex_examples_dds
text = open(sys.argv[1]).read()
response = yaml.safe_load(text[text.index('response:\n'):])['response']
assert response['success'] is True and response['n_joints'] == 2, response
request = PlanMotion.Request(start_joints=[0.0, 0.5], goal_joints=[1.0, 1.5])
problem = quorvex_examples_dds.check_plan_motion(request, PlanMotion.Response(**response))
assert problem == '', problem
EOF
timeout 60 /usr/bin/python3 "$call" --domain "$domain" /solve_ik quorvex/srv/SolveIK \
  "{pose_info_path: '$poses', max_contact_poses: 3, accept_feasible_path: true}" \
  > "$work/call_ik.log" 2>&1 || fail "quorvex_call /solve_ik exited with $?"
grep -q "^  *success: true\|^success: true" "$work/call_ik.log" || fail "SolveIK not answered"
# A refused request names what is wrong with it.
while IFS='|' read -r bad reason; do
  status=0
  timeout 60 /usr/bin/python3 "$call" --domain "$domain" /plan_motion quorvex/srv/PlanMotion \
    "$bad" > "$work/call_bad.log" 2>&1 || status=$?
  [ "$status" -eq 2 ] || fail "quorvex_call with '$bad' exited with $status, expected 2"
  grep -qF "$reason" "$work/call_bad.log" || fail "quorvex_call with '$bad' did not say '$reason'"
done <<'CASES'
{start_joint: [0.0]}|has no member start_joint
{start_joints: abc}|member 'start_joints' expects a list
{start_joints: [1.0, yes]}|member 'start_joints[1]' expects a number
{n_points: 3}|has no member n_points
[1.0]|must be a YAML mapping
CASES

echo "== SIGINT stops a waiting Python client, which deletes its participant"
/usr/bin/python3 "$python_client" --domain "$empty_domain" --wait-ms 60000 \
  > "$work/interrupted.log" 2>&1 &
waiting=$!
sleep 2
kill -INT "$waiting"
status=0
wait "$waiting" || status=$?
[ "$status" -eq 130 ] || fail "the interrupted Python client exited with $status, expected 130"

echo "== the server stops cleanly"
kill -TERM "$server_pid"
status=0
wait "$server_pid" || status=$?
server_pid=""
[ "$status" -eq 0 ] || fail "server exited with $status"
echo "PASS"
