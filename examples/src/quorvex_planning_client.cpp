// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// Calls /plan_motion and /solve_ik over Fast DDS, over shared memory only or with --network over
// UDPv4 too, and prints the answers.

#include <signal.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <iostream>
#include <limits>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_cpp.hpp"
#include "quorvex/srv/plan_motion.hpp"
#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_cpp.hpp"
#include "quorvex/srv/solve_ik.hpp"
#include "quorvex/srv/detail/plan_motion__type_support.h"
#include "quorvex/srv/detail/solve_ik__type_support.h"
#include "rosidl_typesupport_fastrtps_c/identifier.h"
#include "rosidl_typesupport_fastrtps_cpp/identifier.hpp"

#include "quorvex_examples/c_records.hpp"
#include "quorvex_examples/command_line.hpp"
#include "quorvex_examples/loopback_participant.hpp"
#include "quorvex_examples/planning.hpp"
#include "quorvex_examples/printable.hpp"
#include "quorvex_examples/security_options.hpp"
#include "quorvex_examples/service_endpoints.hpp"
#include "quorvex_examples/transport_options.hpp"

namespace
{

using quorvex::srv::PlanMotion_Request;
using quorvex::srv::PlanMotion_Response;
using quorvex::srv::SolveIK_Request;
using quorvex::srv::SolveIK_Response;

// Exit statuses besides 0.
constexpr int kFailed = 1;  // a reply missing, or not what the verification expected
constexpr int kUsageError = 2;
constexpr int kNoServer = 3;
constexpr int kSecurityError = 4;
constexpr int kInterrupted = 128;  // plus the signal number, as a shell reports it

// Long answers show this many lines from their start and their end unless --full is given.
constexpr size_t kHeadLines = 24;
constexpr size_t kTailLines = 8;

// The signal that asked the client to stop, 0 while none did.
volatile std::sig_atomic_t g_stop_signal = 0;

extern "C" void request_stop(int signal_number)
{
  g_stop_signal = signal_number;
}

bool stop_requested()
{
  return g_stop_signal != 0;
}

struct Options
{
  int64_t domain = 0;
  int64_t joints = 7;
  int64_t goal_joints = -1;  // -1: as many as --joints
  int64_t repeat = 1;
  int64_t wait_ms = 5000;
  int64_t reply_timeout_ms = 20000;
  int64_t retries = 1;
  std::string pose_info;
  bool verify = false;
  bool quiet = false;
  bool full = false;
  bool keep_going = false;
  bool c_records = false;  // --interface c
  bool domain_given = false;
  // --service: which services are called; both when none is named.
  bool call_plan_motion = false;
  bool call_solve_ik = false;
  quorvex_examples::ParticipantOptions participant;
  quorvex_examples::SecurityOptions security;
};

const char kUsage[] =
  "usage: quorvex_planning_client [options]\n"
  "  --domain N            DDS domain id, 0..232 (default: ROS_DOMAIN_ID, else 0)\n"
  "  --service NAME        call only plan_motion or solve_ik; repeatable (default: both)\n"
  "  --joints N            joints of the PlanMotion request, 0..100000 (default 7)\n"
  "  --goal-joints N       joints of its goal, 0..100000, to send a malformed request\n"
  "                        (default: --joints)\n"
  "  --repeat N            send the requests N times, 1..1000000 (default 1)\n"
  "  --pose-info PATH      pose-information file named in the SolveIK request, made absolute\n"
  "                        here (default: the sample installed with the examples)\n"
  "  --wait-ms N           how long to look for a server, 0..600000 (default 5000)\n"
  "  --reply-timeout-ms N  how long to wait for each reply, 1..600000 (default 20000)\n"
  "  --retries N           after a reply timeout, or a search that found no server again,\n"
  "                        reconnect and send again up to N times, 0..10 (default 1)\n"
  "  --keep-going          go on with the next request after one got no reply\n"
  "  --interface cpp|c     hold requests and responses as the C++ records (default) or as\n"
  "                        the C records, through the C type support\n"
  "  --verify              check every answer against what the server must have computed\n"
  "  --quiet               one line per answer instead of its YAML\n"
  "  --full                print long answers whole\n"
  "%s"
  "exit status: 0 all answered (and verified), 1 a reply missing or wrong, 2 usage error,\n"
  "3 no server found, or a service not permitted to this enclave, 4 the security files are\n"
  "missing or wrong, 128+N stopped by signal N\n";

void print_usage(std::ostream & out)
{
  std::string usage = kUsage;
  usage.replace(
    usage.find("%s"), 2,
    std::string(quorvex_examples::kTransportUsage) + quorvex_examples::kSecurityUsage);
  out << usage;
}

bool parse_options(int argc, char ** argv, Options & options)
{
  using quorvex_examples::parse_integer;
  using quorvex_examples::printable;
  for (int i = 1; i < argc; ++i) {
    const std::string name = argv[i];
    if (name == "--help" || name == "-h") {
      print_usage(std::cout);
      std::exit(0);
    }
    const auto participant = quorvex_examples::take_participant_option(
      "quorvex_planning_client", argc, argv, i, options.security, options.participant);
    if (participant == quorvex_examples::TransportOptionParse::kInvalid) {
      return false;
    }
    if (participant == quorvex_examples::TransportOptionParse::kParsed) {
      continue;
    }
    if (name.compare(0, 2, "--") != 0) {
      std::cerr << "quorvex_planning_client: unexpected argument '" << printable(name, 100) <<
        "'\n";
      return false;
    }
    const std::string flag = name.substr(0, name.find('='));
    if (flag == "--verify" || flag == "--quiet" || flag == "--full" || flag == "--keep-going") {
      if (flag != name) {
        std::cerr << "quorvex_planning_client: " << flag << " takes no value\n";
        return false;
      }
      (flag == "--verify" ? options.verify : flag == "--quiet" ? options.quiet :
      flag == "--full" ? options.full : options.keep_going) = true;
      continue;
    }
    int64_t * number = nullptr;
    int64_t min = 0, max = 0;
    if (name == "--domain") {
      number = &options.domain, max = quorvex_examples::kMaxDomainId;
      options.domain_given = true;
    } else if (name == "--joints") {
      number = &options.joints, max = 100000;
    } else if (name == "--goal-joints") {
      number = &options.goal_joints, max = 100000;
    } else if (name == "--repeat") {
      number = &options.repeat, min = 1, max = 1000000;
    } else if (name == "--wait-ms") {
      number = &options.wait_ms, max = 600000;
    } else if (name == "--reply-timeout-ms") {
      number = &options.reply_timeout_ms, min = 1, max = 600000;
    } else if (name == "--retries") {
      number = &options.retries, max = 10;
    } else if (name != "--pose-info" && name != "--interface" && name != "--service") {
      std::cerr << "quorvex_planning_client: unknown option " << printable(name, 100) << "\n";
      return false;
    }
    if (i + 1 >= argc) {
      std::cerr << "quorvex_planning_client: " << name << " needs a value\n";
      return false;
    }
    const std::string value = argv[++i];
    if (name == "--interface" && value != "cpp" && value != "c") {
      std::cerr << "quorvex_planning_client: invalid value '" << printable(value, 100) <<
        "' for --interface: expected cpp or c\n";
      return false;
    } else if (name == "--interface") {
      options.c_records = value == "c";
    } else if (name == "--service" && value != "plan_motion" && value != "solve_ik") {
      std::cerr << "quorvex_planning_client: invalid value '" << printable(value, 100) <<
        "' for --service: expected plan_motion or solve_ik\n";
      return false;
    } else if (name == "--service") {
      (value == "plan_motion" ? options.call_plan_motion : options.call_solve_ik) = true;
    } else if (number == nullptr) {
      options.pose_info = value;
    } else if (!parse_integer(value, min, max, *number)) {
      std::cerr << "quorvex_planning_client: invalid value '" << printable(value, 100) <<
        "' for " << name << ": expected a whole number in " << min << ".." << max << "\n";
      return false;
    }
  }
  if (options.goal_joints < 0) {
    options.goal_joints = options.joints;
  }
  if (!options.call_plan_motion && !options.call_solve_ik) {
    options.call_plan_motion = options.call_solve_ik = true;
  }
  std::string error;
  if (!quorvex_examples::read_ros_environment(
      options.participant.transport, options.domain_given, options.domain, error))
  {
    std::cerr << "quorvex_planning_client: " << error << "\n";
    return false;
  }
  return true;
}

// The sample file is installed at <prefix>/share/quorvex_examples beside <prefix>/bin.
std::string installed_pose_info()
{
  const std::string executable = quorvex_examples::executable_path();
  const std::string bin_dir = executable.substr(0, executable.rfind('/'));
  const std::string prefix = bin_dir.substr(0, bin_dir.rfind('/'));
  return prefix + "/share/quorvex_examples/sample_poses.txt";
}

// Distinct values for every round, so that a reply to another request could not pass the checks.
quorvex::srv::PlanMotion_Request plan_motion_request(const Options & options, int64_t round)
{
  quorvex::srv::PlanMotion_Request request;
  for (int64_t j = 0; j < options.joints; ++j) {
    request.start_joints.push_back(0.5 * std::sin(static_cast<double>(round + j)));
  }
  for (int64_t j = 0; j < options.goal_joints; ++j) {
    request.goal_joints.push_back(1.2 * std::cos(0.7 * static_cast<double>(round) + j));
  }
  return request;
}

quorvex::srv::SolveIK_Request solve_ik_request(const Options & options, int64_t round)
{
  quorvex::srv::SolveIK_Request request;
  request.pose_info_path = options.pose_info;
  request.stage_subset = "approach,grasp";
  request.max_contact_poses = static_cast<int32_t>(4 + round % 1000);
  request.return_seeds = 2;
  request.tool_type = "parallel_gripper";
  request.position_tolerance = 0.005;
  request.orientation_tolerance = 0.05;
  request.conform_samples = 8;
  request.orientation_sample_range_deg = 30.0;
  request.orientation_sample_step_deg = 5.0;
  request.accept_feasible_path = true;
  request.max_joint_jump_rad = 0.5 + 0.001 * static_cast<double>(round % 1000);
  return request;
}

std::string elide(const std::string & text, bool full)
{
  std::istringstream in(text);
  std::string line;
  size_t count = 0;
  while (std::getline(in, line)) {
    ++count;
  }
  if (full || count <= kHeadLines + kTailLines + 1) {
    return text;
  }
  std::istringstream again(text);
  std::ostringstream out;
  for (size_t n = 0; std::getline(again, line); ++n) {
    if (n < kHeadLines || n >= count - kTailLines) {
      out << line << "\n";
    } else if (n == kHeadLines) {
      out << "... (" << count - kHeadLines - kTailLines << " lines not shown; --full shows them)\n";
    }
  }
  return out.str();
}

// The Fast-CDR handle of a service, reached as a middleware reaches it: from the dispatch handle
// of the service type, asking for the type support by its identifier; the C++ records' or the
// C records' one.
template<typename ServiceT>
const rosidl_service_type_support_t * fastcdr_handle(
  const rosidl_service_type_support_t * c_dispatch, bool c_records)
{
  return c_records ?
         quorvex_examples::service_handle_through_dispatch(
    c_dispatch, rosidl_typesupport_fastrtps_c__identifier) :
         quorvex_examples::service_handle_through_dispatch(
    rosidl_typesupport_cpp::get_service_type_support_handle<ServiceT>(),
    rosidl_typesupport_fastrtps_cpp::typesupport_identifier);
}

// How the records of one service come to life in the interface in use.
template<typename RequestT, typename ResponseT>
quorvex_examples::RecordLifecycle request_records(bool c_records)
{
  return c_records ? quorvex_examples::CRecordsOf<RequestT>::request() :
         quorvex_examples::record_lifecycle<RequestT>();
}

template<typename RequestT, typename ResponseT>
quorvex_examples::RecordLifecycle response_records(bool c_records)
{
  return c_records ? quorvex_examples::CRecordsOf<RequestT>::response() :
         quorvex_examples::record_lifecycle<ResponseT>();
}

// A participant and the clients of the services called (--service); made anew when a server
// seems lost, since a participant that knew a crashed server may keep talking to what it left
// behind. A service not called has no endpoints at all.
struct Connection
{
  explicit Connection(const Options & options)
  : participant(
      static_cast<uint32_t>(options.domain), "quorvex_planning_client", options.participant)
  {
    if (options.call_plan_motion) {
      plan_motion = std::make_unique<quorvex_examples::ServiceClient>(
        participant.get(), "/plan_motion",
        fastcdr_handle<quorvex::srv::PlanMotion>(
          rosidl_typesupport_c__get_service_type_support_handle__quorvex__srv__PlanMotion(),
          options.c_records),
        request_records<PlanMotion_Request, PlanMotion_Response>(options.c_records),
        response_records<PlanMotion_Request, PlanMotion_Response>(options.c_records));
    }
    if (options.call_solve_ik) {
      solve_ik = std::make_unique<quorvex_examples::ServiceClient>(
        participant.get(), "/solve_ik",
        fastcdr_handle<quorvex::srv::SolveIK>(
          rosidl_typesupport_c__get_service_type_support_handle__quorvex__srv__SolveIK(),
          options.c_records),
        request_records<SolveIK_Request, SolveIK_Response>(options.c_records),
        response_records<SolveIK_Request, SolveIK_Response>(options.c_records));
    }
  }

  quorvex_examples::LoopbackParticipant participant;
  std::unique_ptr<quorvex_examples::ServiceClient> plan_motion;
  std::unique_ptr<quorvex_examples::ServiceClient> solve_ik;
};

enum class Outcome {kDone, kFailed, kNoServer, kInterrupted};

// How long the first participant of a search for a server looks before a fresh one takes over;
// each next one looks twice as long, so that a slow discovery on a busy machine still completes.
constexpr std::chrono::milliseconds kFirstSearch{2000};

// Connects and waits for a server of both services; says what it saw when none came. A server
// killed with SIGKILL leaves its shared-memory ports behind, and whoever opens them next replaces
// them: a participant that opened them before, or while a restarted server replaced them, keeps
// writing to and reading from the replaced ones and never hears the new server. So every search
// starts from a fresh participant, and starts over with another one while nothing is found.
// The participants given up on are deleted only once the search ends: Fast DDS 2.9 may crash
// deleting a participant while its listening thread replaces a port that a starting server
// declared dead, and a search ends when that server is found (or none came).
Outcome connect(const Options & options, std::unique_ptr<Connection> & connection)
{
  const auto deadline =
    std::chrono::steady_clock::now() + std::chrono::milliseconds(options.wait_ms);
  std::vector<std::unique_ptr<Connection>> given_up;
  for (auto search = kFirstSearch; ; search *= 2) {
    if (connection) {
      given_up.push_back(std::move(connection));
    }
    connection = std::make_unique<Connection>(options);
    const auto search_end = std::min(deadline, std::chrono::steady_clock::now() + search);
    const auto left = [&search_end]() {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
          search_end - std::chrono::steady_clock::now());
      };
    const auto found = [&left](const std::unique_ptr<quorvex_examples::ServiceClient> & client) {
        return !client || client->wait_for_server(left(), stop_requested);
      };
    if (found(connection->plan_motion) && found(connection->solve_ik)) {
      return Outcome::kDone;
    }
    if (stop_requested() || search_end >= deadline) {
      break;
    }
  }
  if (stop_requested()) {
    return Outcome::kInterrupted;
  }
  const std::string nothing = "0 request readers and 0 reply writers matched";
  const auto matches = [&nothing](const std::unique_ptr<quorvex_examples::ServiceClient> & client) {
      return client ? client->describe_matches() : nothing;
    };
  const std::string plan_motion = matches(connection->plan_motion);
  const std::string solve_ik = matches(connection->solve_ik);
  const std::string services = options.call_plan_motion && options.call_solve_ik ?
    "/plan_motion and /solve_ik" : options.call_plan_motion ? "/plan_motion" : "/solve_ik";
  std::cerr << "quorvex_planning_client: ";
  if (plan_motion == nothing && solve_ik == nothing) {
    std::cerr << "no server for " << services << " on domain " << options.domain <<
      " within " << options.wait_ms << " ms; start quorvex_planning_server --domain " <<
      options.domain << " first\n";
  } else {
    std::cerr << "the server on domain " << options.domain << " was only partly discovered " <<
      "within " << options.wait_ms << " ms (/plan_motion: " << plan_motion << "; /solve_ik: " <<
      solve_ik << "); a busy machine may need a longer --wait-ms\n";
  }
  return Outcome::kNoServer;
}

// Whatever came from the network is printed with its control characters escaped.
std::string safe(const std::string & text)
{
  return quorvex_examples::printable(text, std::numeric_limits<size_t>::max(), true);
}

// Sends one request and waits for its reply, reconnecting and sending again after a timeout, or
// after a search that found no server, as --retries allows; prints the reply and checks it.
template<typename RequestT, typename ResponseT, typename CheckT>
Outcome call(
  const Options & options, std::unique_ptr<Connection> & connection,
  std::unique_ptr<quorvex_examples::ServiceClient> Connection::* client, const char * service,
  const RequestT & request, ResponseT & response, CheckT check)
{
  const auto timeout = std::chrono::milliseconds(options.reply_timeout_ms);
  // With --interface c, C records made from the C++ ones travel, and the reply is read back.
  std::unique_ptr<quorvex_examples::CallInC<RequestT>> in_c;
  if (options.c_records) {
    in_c = std::make_unique<quorvex_examples::CallInC<RequestT>>(request);
  }
  const void * sent = in_c ? in_c->request() : &request;
  void * received = in_c ? in_c->response() : static_cast<void *>(&response);
  auto start = std::chrono::steady_clock::now();
  bool answered = false;
  for (int64_t attempt = 0; !answered; ++attempt) {
    if (attempt > 0) {
      const Outcome connected = connect(options, connection);
      if (connected == Outcome::kNoServer && attempt < options.retries) {
        std::cerr << "quorvex_planning_client: " << service << ": looking for the server again " <<
          "(retry " << attempt + 1 << " of " << options.retries << ")\n";
        continue;
      }
      if (connected != Outcome::kDone) {
        return connected;
      }
      start = std::chrono::steady_clock::now();
    }
    eprosima::fastrtps::rtps::SampleIdentity request_id;
    if (!((*connection).*client)->send_request(sent, request_id)) {
      std::cerr << "quorvex_planning_client: " << service << ": the request could not be sent\n";
      return Outcome::kFailed;
    }
    answered = ((*connection).*client)->wait_for_response(
      request_id, received, timeout, stop_requested);
    if (stop_requested()) {
      return Outcome::kInterrupted;
    }
    if (!answered) {
      std::cerr << "quorvex_planning_client: " << service << ": no reply within " <<
        options.reply_timeout_ms << " ms";
      if (attempt >= options.retries) {
        std::cerr << "; giving up on this request" <<
          (options.retries > 0 ? " after " + std::to_string(attempt + 1) + " attempts" : "") <<
          "\n";
        return Outcome::kFailed;
      }
      std::cerr << "; reconnecting and sending it again (retry " << attempt + 1 << " of " <<
        options.retries << ")\n";
    }
  }
  const double round_trip_ms =
    std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  if (in_c) {
    in_c->read_response(response);
  }
  const std::string problem = options.verify ? check(request, response) : "";
  if (options.quiet) {
    std::cout << service << ": " << (response.success ? "success" : "refused") <<
      ", round trip " << round_trip_ms << " ms" <<
      (options.verify ? (problem.empty() ? ", verified" : ", VERIFICATION FAILED") : "") << "\n";
  } else {
    std::cout << "--- " << service << " request:\n" <<
      safe(quorvex::srv::to_yaml(request, true)) << "\n--- " << service <<
      " response (round trip " << round_trip_ms << " ms):\n" <<
      safe(elide(quorvex::srv::to_yaml(response), options.full));
    if (options.verify) {
      std::cout << "--- verification: " << (problem.empty() ? "intact" : "FAILED") << "\n";
    }
  }
  if (!problem.empty()) {
    std::cerr << "quorvex_planning_client: " << service << ": " << safe(problem) << "\n";
    return Outcome::kFailed;
  }
  return Outcome::kDone;
}

int run(const Options & options)
{
  std::unique_ptr<Connection> connection;
  Outcome outcome = connect(options, connection);
  if (outcome != Outcome::kDone) {
    return outcome == Outcome::kNoServer ? kNoServer : kInterrupted + g_stop_signal;
  }
  bool all_good = true;
  quorvex::srv::PlanMotion_Response plan_response;
  quorvex::srv::SolveIK_Response ik_response;
  for (int64_t round = 0; round < options.repeat; ++round) {
    for (int service = 0; service < 2; ++service) {
      if (!(service == 0 ? options.call_plan_motion : options.call_solve_ik)) {
        continue;
      }
      outcome = service == 0 ?
        call(
        options, connection, &Connection::plan_motion, "PlanMotion",
        plan_motion_request(options, round), plan_response,
        quorvex_examples::check_plan_motion_response) :
        call(
        options, connection, &Connection::solve_ik, "SolveIK", solve_ik_request(options, round),
        ik_response, quorvex_examples::check_solve_ik_response);
      if (outcome == Outcome::kInterrupted) {
        return kInterrupted + g_stop_signal;
      }
      if (outcome == Outcome::kNoServer) {
        std::cerr << "quorvex_planning_client: giving up: the server is gone\n";
        return kNoServer;
      }
      all_good &= outcome == Outcome::kDone;
      if (outcome != Outcome::kDone && !options.keep_going) {
        std::cerr << "quorvex_planning_client: giving up after round " << round + 1 << " of " <<
          options.repeat << " (--keep-going goes on)\n";
        return kFailed;
      }
    }
  }
  return all_good ? 0 : kFailed;
}

}  // namespace

int main(int argc, char ** argv)
{
  Options options;
  if (!parse_options(argc, argv, options)) {
    print_usage(std::cerr);
    return kUsageError;
  }
  // Resolved here once: the server's working directory is not the user's.
  options.pose_info = options.pose_info.empty() ? installed_pose_info() :
    quorvex_examples::absolute_path(options.pose_info);
  for (const std::string & note : quorvex_examples::neutralize_fastdds_redirects()) {
    std::cerr << "quorvex_planning_client: " << note <<
      " (this demo sets its transports itself)\n";
  }
  const std::string localhost_only =
    quorvex_examples::localhost_only_notice(options.participant.transport);
  if (!localhost_only.empty()) {
    std::cerr << "quorvex_planning_client: " << localhost_only << "\n";
  }
  // A stopped client must delete its participant, or its shared memory stays in /dev/shm. A
  // closed standard output (`| head -1`) stops it the same way: its answers have no reader left.
  try {
    quorvex_examples::start_security(options.security, "quorvex_planning_client");
  } catch (const quorvex_examples::SecurityError & error) {
    std::cerr << "quorvex_planning_client: security: " << error.what() << "\n";
    return kSecurityError;
  }
  struct sigaction action = {};
  action.sa_handler = request_stop;
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGPIPE, &action, nullptr);

  try {
    const int status = run(options);
    if (status == kNoServer && quorvex_examples::participant_security().enabled) {
      // Peers that fail the handshake are not reported by Fast DDS; they are simply not seen.
      std::cerr << "quorvex_planning_client: with security on, a server is also unseen when it " <<
        "does not trust this enclave (another CA, an expired or refused certificate)\n";
    }
    if (g_stop_signal != 0) {
      std::cerr << "quorvex_planning_client: stopped by signal " << g_stop_signal << "\n";
    }
    return status;
  } catch (const quorvex_examples::EndpointNotPermitted & error) {
    // Fast DDS refused the endpoint locally: no server could answer this service to us.
    const bool plan_motion = error.topic().find("plan_motion") != std::string::npos;
    std::cerr << "quorvex_planning_client: " << (plan_motion ? "PlanMotion" : "SolveIK") <<
      " is not permitted to this client: " << error.what() << "; --service " <<
      (plan_motion ? "solve_ik" : "plan_motion") << " calls only the other service\n";
    return kNoServer;
  } catch (const std::exception & error) {
    std::cerr << "quorvex_planning_client: " << error.what() << "\n";
    const bool participant_refused =
      std::string(error.what()).rfind("Fast DDS could not create a participant", 0) == 0;
    if (participant_refused && quorvex_examples::participant_security().enabled) {
      // The files passed the checks made here, yet Fast DDS refused them (a permissions
      // document's validity or domains, say): still a fault of the security files.
      std::cerr << "quorvex_planning_client: security: Fast DDS refused the enclave " <<
        quorvex_examples::participant_security().enclave << " (see its messages above)\n";
      return kSecurityError;
    }
    return kFailed;
  }
}
