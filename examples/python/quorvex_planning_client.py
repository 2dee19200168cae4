#!/usr/bin/python3
# Copyright 2026 quorvex developers
# Licensed under the Apache License, Version 2.0
"""
Calls /plan_motion and /solve_ik over Fast DDS, shared memory only, and prints the answers.

The Python twin of quorvex_planning_client: the same options, requests, timeouts, output and
exit statuses; its messages are quorvex.srv's Python classes, which reach the middleware through
their C type support, as rclpy's do.
"""

import math
import os
import signal
import sys
import time


def _use_installed_modules():
    """Find quorvex and the demo's glue installed beside this program (<prefix>/bin)."""
    prefix = os.path.dirname(os.path.dirname(os.path.realpath(__file__)))
    for folder in ('lib/python3/dist-packages',
                   'lib/python%d.%d/site-packages' % sys.version_info[:2]):
        path = os.path.join(prefix, folder)
        if os.path.isdir(path) and path not in sys.path:
            sys.path.append(path)
    return prefix


PREFIX = _use_installed_modules()

from quorvex.srv import PlanMotion  # noqa: E402
from quorvex.srv import SolveIK  # noqa: E402
import quorvex_examples_dds as dds  # noqa: E402

PROGRAM = 'quorvex_planning_client'
FAILED, USAGE_ERROR, NO_SERVER, SECURITY_ERROR, INTERRUPTED = 1, 2, 3, 4, 128
HEAD_LINES, TAIL_LINES = 24, 8
MAX_DOMAIN_ID = 232
MAX_RETIRED_CONNECTIONS = 4

USAGE = """usage: quorvex_planning_client.py [options]
  --domain N            DDS domain id, 0..232 (default: ROS_DOMAIN_ID, else 0)
  --joints N            joints of the PlanMotion request, 0..100000 (default 7)
  --goal-joints N       joints of its goal, 0..100000, to send a malformed request
                        (default: --joints)
  --service NAME        call only plan_motion or solve_ik; repeatable (default: both)
  --repeat N            send the requests N times, 1..1000000 (default 1)
  --pose-info PATH      pose-information file named in the SolveIK request, made absolute
                        here (default: the sample installed with the examples)
  --wait-ms N           how long to look for a server, 0..600000 (default 5000)
  --reply-timeout-ms N  how long to wait for each reply, 1..600000 (default 20000)
  --retries N           after a reply timeout, reconnect and send again up to N times,
                        0..10 (default 1)
  --keep-going          go on with the next request after one got no reply
  --verify              check every answer against what the server must have computed
  --quiet               one line per answer instead of its YAML
  --full                print long answers whole
%s
  --keystore DIR        run secured (DDS Security) with an enclave of this ROS 2 keystore
                        (made with quorvex_keystore); needs --enclave
  --enclave NAME        the enclave, e.g. /quorvex/client: <keystore>/enclaves/quorvex/client
  ROS 2's variables work too, the options winning over them: ROS_SECURITY_ENABLE=true turns
  security on with ROS_SECURITY_KEYSTORE and ROS_SECURITY_ENCLAVE_OVERRIDE; a missing
  enclave then stops the program with ROS_SECURITY_STRATEGY=Enforce (and always with the
  options), and otherwise runs it unsecured with a warning.
exit status: 0 all answered (and verified), 1 a reply missing or wrong, 2 usage error,
3 no server found, or a service not permitted to this enclave, 4 the security files are
missing or wrong, 128+N stopped by signal N
"""

NUMBERS = {
    '--domain': ('domain', 0, MAX_DOMAIN_ID),
    '--joints': ('joints', 0, 100000),
    '--goal-joints': ('goal_joints', 0, 100000),
    '--repeat': ('repeat', 1, 1000000),
    '--wait-ms': ('wait_ms', 0, 600000),
    '--reply-timeout-ms': ('reply_timeout_ms', 1, 600000),
    '--retries': ('retries', 0, 10),
}
FLAGS = ('--verify', '--quiet', '--full', '--keep-going')
SERVICES = ('plan_motion', 'solve_ik')
TEXTS = ('--pose-info', '--keystore', '--enclave')


class Stopped(Exception):
    """SIGINT or SIGTERM asked the client to stop."""

    def __init__(self, number):
        super().__init__(number)
        self.number = number


class Options:
    def __init__(self):
        self.domain = default_domain()
        self.joints = 7
        self.goal_joints = -1
        self.repeat = 1
        self.wait_ms = 5000
        self.reply_timeout_ms = 20000
        self.retries = 1
        self.pose_info = ''
        self.keystore = self.enclave = ''
        self.verify = self.quiet = self.full = self.keep_going = False
        self.services = []
        # --network, --bind ADDR, --peer ADDR as given, for the participant to read.
        self.transport = []


def default_domain():
    text = os.environ.get('ROS_DOMAIN_ID', '')
    return int(text) if text.isdigit() and int(text) <= MAX_DOMAIN_ID else 0


def whole_number(text, low, high):
    """The value of `text` when it is a whole decimal number in [low, high], else None."""
    digits = text[1:] if text.startswith('-') else text
    if not digits.isdigit() or not digits.isascii():
        return None
    value = int(text)
    return value if low <= value <= high else None


def parse_options(arguments):
    options = Options()
    i = 0
    while i < len(arguments):
        name = arguments[i]
        if name in ('--help', '-h'):
            sys.stdout.write(usage())
            sys.exit(0)
        flag = name.split('=', 1)[0]
        if name == '--network':
            options.transport.append(name)
        elif name in ('--bind', '--peer', '--service'):
            if i + 1 >= len(arguments):
                raise ValueError('%s needs a value' % name)
            i += 1
            if name != '--service':
                options.transport += [name, arguments[i]]
            elif arguments[i] in SERVICES:
                options.services.append(arguments[i])
            else:
                raise ValueError("invalid value '%s' for --service: expected plan_motion or "
                                 "solve_ik" % printable(arguments[i], 100))
        elif flag in FLAGS:
            if flag != name:
                raise ValueError('%s takes no value' % flag)
            setattr(options, flag[2:].replace('-', '_'), True)
        elif name in NUMBERS or name in TEXTS:
            if i + 1 >= len(arguments):
                raise ValueError('%s needs a value' % name)
            i += 1
            value = arguments[i]
            if name in TEXTS:
                setattr(options, name[2:].replace('-', '_'), value)
            else:
                attribute, low, high = NUMBERS[name]
                number = whole_number(value, low, high)
                if number is None:
                    raise ValueError(
                        "invalid value '%s' for %s: expected a whole number in %d..%d" % (
                            printable(value, 100), name, low, high))
                setattr(options, attribute, number)
        elif name.startswith('--'):
            raise ValueError('unknown option ' + printable(name, 100))
        else:
            raise ValueError("unexpected argument '%s'" % printable(name, 100))
        i += 1
    if options.goal_joints < 0:
        options.goal_joints = options.joints
    options.services = options.services or list(SERVICES)
    return options


def usage():
    return USAGE % dds.TRANSPORT_USAGE.rstrip('\n')


# --- what is printed, as the C++ client prints it ---

def printable(text, max_characters=None, keep_newlines=False):
    """Text made safe for a terminal: control characters escaped, a backslash doubled."""
    out = []
    for character in text[:max_characters]:
        code = ord(character)
        if character == '\n':
            out.append('\n' if keep_newlines else '\\n')
        elif character == '\t':
            out.append('\\t')
        elif character == '\r':
            out.append('\\r')
        elif character == '\\':
            out.append('\\\\')
        elif code < 0x20 or code == 0x7f:
            out.append('\\x%02x' % code)
        elif 0x80 <= code <= 0x9f:
            out.append('\\u%04x' % code)
        else:
            out.append(character)
    if max_characters is not None and len(text) > max_characters:
        out.append('... (%d bytes in all)' % len(text.encode()))
    return ''.join(out)


def yaml_value(value):
    """A member's value as rosidl_runtime_cpp writes it in YAML."""
    if isinstance(value, bool):
        return 'true' if value else 'false'
    if isinstance(value, int):
        return str(value)
    if isinstance(value, float):
        return '%#g' % value
    return '"%s"' % value.replace('\\', '\\\\').replace('"', '\\"')


def to_yaml(message, flow_style=False):
    members = type(message).get_fields_and_field_types()
    if flow_style:
        parts = []
        for member, kind in members.items():
            value = getattr(message, member)
            if kind.startswith('sequence'):
                parts.append('%s: [%s]' % (member, ', '.join(map(yaml_value, value))))
            else:
                parts.append('%s: %s' % (member, yaml_value(value)))
        return '{%s}' % ', '.join(parts)
    lines = []
    for member, kind in members.items():
        value = getattr(message, member)
        if kind.startswith('sequence') and len(value) == 0:
            lines.append('%s: []\n' % member)
        elif kind.startswith('sequence'):
            lines.append('%s:\n' % member)
            lines.extend('- %s\n' % yaml_value(item) for item in value)
        else:
            lines.append('%s: %s\n' % (member, yaml_value(value)))
    return ''.join(lines)


def elide(text, full):
    lines = text.split('\n')
    if lines and lines[-1] == '':
        lines.pop()
    if full or len(lines) <= HEAD_LINES + TAIL_LINES + 1:
        return text
    hidden = len(lines) - HEAD_LINES - TAIL_LINES
    shown = lines[:HEAD_LINES] + [
        '... (%d lines not shown; --full shows them)' % hidden] + lines[-TAIL_LINES:]
    return '\n'.join(shown) + '\n'


def safe(text):
    return printable(text, keep_newlines=True)


def error(text):
    sys.stderr.write('%s: %s\n' % (PROGRAM, text))


# --- requests, distinct for every round, as the C++ client makes them ---

def plan_motion_request(options, round_number):
    return PlanMotion.Request(
        start_joints=[0.5 * math.sin(float(round_number + j)) for j in range(options.joints)],
        goal_joints=[1.2 * math.cos(0.7 * float(round_number) + j)
                     for j in range(options.goal_joints)])


def solve_ik_request(options, round_number):
    return SolveIK.Request(
        pose_info_path=options.pose_info, stage_subset='approach,grasp',
        max_contact_poses=4 + round_number % 1000, return_seeds=2, tool_type='parallel_gripper',
        position_tolerance=0.005, orientation_tolerance=0.05, conform_samples=8,
        orientation_sample_range_deg=30.0, orientation_sample_step_deg=5.0,
        accept_feasible_path=True, max_joint_jump_rad=0.5 + 0.001 * float(round_number % 1000))


# --- connections ---

class Connection:
    """A participant and the called services' clients, made anew when a server seems lost."""

    def __init__(self, options):
        self.participant = dds.Participant(options.domain, PROGRAM, options.transport)
        self.clients = {}
        if 'plan_motion' in options.services:
            self.clients[PlanMotion] = dds.ServiceClient(
                self.participant, '/plan_motion', PlanMotion)
        if 'solve_ik' in options.services:
            self.clients[SolveIK] = dds.ServiceClient(self.participant, '/solve_ik', SolveIK)


class Connections:
    """The connection in use and the last ones given up on, deleted only some reconnections
    later (deleting a participant that knew a killed server at once can crash Fast DDS 2.9)."""

    def __init__(self):
        self.current = None
        self.retired = []

    def connect(self, options):
        if self.current is not None:
            self.retired.append(self.current)
            del self.retired[:-MAX_RETIRED_CONNECTIONS]
        self.current = Connection(options)
        deadline = time.monotonic() + options.wait_ms / 1000.0
        clients = self.current.clients
        if all(client.wait_for_server(max(0, int((deadline - time.monotonic()) * 1000)))
               for client in clients.values()):
            return True
        nothing = '0 request readers and 0 reply writers matched'
        seen = tuple(clients[service].describe_matches() if service in clients else nothing
                     for service in (PlanMotion, SolveIK))
        if seen == (nothing, nothing):
            error('no server for %s on domain %d within %d ms; start '
                  'quorvex_planning_server --domain %d first' % (
                      ' and '.join('/' + name for name in options.services),
                      options.domain, options.wait_ms, options.domain))
        else:
            error('the server on domain %d was only partly discovered within %d ms '
                  '(/plan_motion: %s; /solve_ik: %s); a busy machine may need a longer '
                  '--wait-ms' % ((options.domain, options.wait_ms) + seen))
        return False


def call(options, connections, service, request, check):
    """Sends one request, retrying after a timeout as --retries allows, prints and checks the
    reply. Returns 'done', 'failed' or 'no server'."""
    name = service.__name__
    for attempt in range(options.retries + 1):
        if attempt > 0 and not connections.connect(options):
            return 'no server'
        start = time.monotonic()
        response = connections.current.clients[service].call(request, options.reply_timeout_ms)
        if response is not None:
            break
        text = '%s: no reply within %d ms' % (name, options.reply_timeout_ms)
        if attempt >= options.retries:
            error(text + '; giving up on this request' + (
                ' after %d attempts' % (attempt + 1) if options.retries > 0 else ''))
            return 'failed'
        error(text + '; reconnecting and sending it again (retry %d of %d)' % (
            attempt + 1, options.retries))
    round_trip_ms = (time.monotonic() - start) * 1000.0
    problem = check(request, response) if options.verify else ''
    if options.quiet:
        verdict = ''
        if options.verify:
            verdict = ', verified' if not problem else ', VERIFICATION FAILED'
        print('%s: %s, round trip %g ms%s' % (
            name, 'success' if response.success else 'refused', round_trip_ms, verdict))
    else:
        sys.stdout.write('--- %s request:\n%s\n--- %s response (round trip %g ms):\n%s' % (
            name, safe(to_yaml(request, flow_style=True)), name, round_trip_ms,
            safe(elide(to_yaml(response), options.full))))
        if options.verify:
            print('--- verification: %s' % ('intact' if not problem else 'FAILED'))
    if problem:
        error('%s: %s' % (name, safe(problem)))
        return 'failed'
    return 'done'


def run(options):
    connections = Connections()
    if not connections.connect(options):
        return NO_SERVER
    all_good = True
    for round_number in range(options.repeat):
        for service, request, check in (
                (PlanMotion, plan_motion_request(options, round_number), dds.check_plan_motion),
                (SolveIK, solve_ik_request(options, round_number), dds.check_solve_ik)):
            if service not in connections.current.clients:
                continue
            outcome = call(options, connections, service, request, check)
            if outcome == 'no server':
                error('giving up: the server is gone')
                return NO_SERVER
            all_good = all_good and outcome == 'done'
            if outcome != 'done' and not options.keep_going:
                error('giving up after round %d of %d (--keep-going goes on)' % (
                    round_number + 1, options.repeat))
                return FAILED
    return 0 if all_good else FAILED


def main(arguments):
    try:
        options = parse_options(arguments)
    except ValueError as problem:
        error(str(problem))
        sys.stderr.write(usage())
        return USAGE_ERROR
    # Resolved here once: the server's working directory is not the user's.
    options.pose_info = os.path.abspath(options.pose_info) if options.pose_info else \
        os.path.join(PREFIX, 'share', 'quorvex_examples', 'sample_poses.txt')
    for note in dds.neutralize_fastdds_redirects():
        error(note + ' (this demo sets its transports itself)')
    try:
        notice = dds.transport_notice(options.transport)
    except ValueError as problem:
        error(str(problem))
        sys.stderr.write(usage())
        return USAGE_ERROR
    if notice:
        error(notice)

    # A stopped client must delete its participants, or their shared memory stays in /dev/shm:
    # the signal ends the wait under way, and the connections go out of scope before the exit.
    def stop(number, frame):
        raise Stopped(number)

    try:
        dds.use_security(options.keystore, options.enclave, PROGRAM)
    except ValueError as problem:
        error('security: ' + str(problem))
        return SECURITY_ERROR
    signal.signal(signal.SIGINT, stop)
    signal.signal(signal.SIGTERM, stop)
    try:
        return run(options)
    except Stopped as stopped:
        error('stopped by signal %d' % stopped.number)
        return INTERRUPTED + stopped.number
    except PermissionError as refused:
        # Fast DDS refused the endpoint locally: no server could answer this service to us.
        service = 'PlanMotion' if 'plan_motion' in str(refused) else 'SolveIK'
        error('%s is not permitted to this client: %s' % (service, refused))
        return NO_SERVER
    except RuntimeError as failure:
        error(str(failure))
        return FAILED


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
