// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// Serves /plan_motion and /solve_ik over Fast DDS until interrupted: over shared memory only, or
// with --network over UDPv4 too.

#include <malloc.h>
#include <signal.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <deque>
#include <functional>
#include <iostream>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_cpp.hpp"
#include "quorvex/srv/plan_motion.hpp"
#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_cpp.hpp"
#include "quorvex/srv/solve_ik.hpp"
#include "rosidl_typesupport_fastrtps_cpp/identifier.hpp"

#include "quorvex_examples/command_line.hpp"
#include "quorvex_examples/loopback_participant.hpp"
#include "quorvex_examples/planning.hpp"
#include "quorvex_examples/printable.hpp"
#include "quorvex_examples/security_options.hpp"
#include "quorvex_examples/service_endpoints.hpp"
#include "quorvex_examples/transport_options.hpp"

namespace
{

using Clock = std::chrono::steady_clock;

// Number of SIGINT/SIGTERM received: the first stops serving, the second skips the final wait.
volatile std::sig_atomic_t g_stop_requests = 0;

extern "C" void request_stop([[maybe_unused]] int signal_number)
{
  g_stop_requests = g_stop_requests + 1;
}

// How long the last replies may take to be acknowledged before the server leaves; a reader that
// vanished never acknowledges, so this is short.
constexpr std::chrono::milliseconds kFinalDeliveryWait{1000};
// Replies waiting for their client's reply reader, per service; beyond, the oldest is dropped.
// Their bytes are bounded too, by --max-held-reply-bytes: a request naming a reader that never
// appears costs at most that much, however large the answer it asks for.
constexpr size_t kMaxWaitingReplies = 64;
// When at least this much memory was freed at once (a large refused request, replies released),
// it is given back to the system now rather than when malloc sees fit.
constexpr size_t kTrimBytes = size_t{8} << 20;
// Over a network, a client's reply reader may be announced well after its request arrives: the
// announcement is repaired only at the discovery writers' heartbeat, every 3 s, when a frame of
// it is lost. A reply waits for it, and is kept for resending, this long by default there.
constexpr int64_t kNetworkReplyWaitMs = 10000;
constexpr std::chrono::milliseconds kNetworkReplyMaxAge{10000};

struct Options
{
  int64_t domain = 0;
  int64_t requests = 0;  // 0: serve until interrupted
  int64_t points = 100;
  std::vector<std::string> pose_dirs;
  int64_t max_request_bytes = 4 << 20;
  int64_t max_text_bytes = quorvex_examples::kDefaultMaxTextBytes;
  int64_t reply_wait_ms = -1;  // -1: 1000, or kNetworkReplyWaitMs with --network
  int64_t max_held_reply_bytes = int64_t{64} << 20;
  quorvex_examples::SecurityOptions security;
  bool domain_given = false;
  quorvex_examples::ParticipantOptions participant;
};

const char kUsage[] =
  "usage: quorvex_planning_server [options]\n"
  "  --domain N             DDS domain id, 0..232 (default: ROS_DOMAIN_ID, else 0)\n"
  "  --requests N           stop after answering N requests, 1..2^63-1\n"
  "                         (default: run until SIGINT/SIGTERM)\n"
  "  --points N             points of each planned trajectory, 2..100000 (default 100)\n"
  "  --pose-dir DIR         serve pose-information files from DIR; repeatable\n"
  "                         (default: the sample folder installed with the examples)\n"
  "  --max-request-bytes N  refuse requests larger than N bytes without decoding them,\n"
  "                         1024..1073741824 (default 4194304)\n"
  "  --max-text-bytes N     refuse SolveIK requests with a longer text member,\n"
  "                         1..1048576 (default 4096)\n"
  "  --reply-wait-ms N      how long a reply waits for its client's reply reader to be\n"
  "                         discovered, 0..60000 (default 1000; 10000 with --network,\n"
  "                         where a lost announcement is repaired only seconds later)\n"
  "  --max-held-reply-bytes N\n"
  "                         bytes of replies kept per service for clients that have not\n"
  "                         acknowledged them yet, 1048576..4294967296 (default 67108864)\n";

void print_usage(std::ostream & out)
{
  out << kUsage << quorvex_examples::kTransportUsage << quorvex_examples::kSecurityUsage;
}

bool parse_options(int argc, char ** argv, Options & options)
{
  using quorvex_examples::parse_integer;
  for (int i = 1; i < argc; ++i) {
    const std::string name = argv[i];
    if (name == "--help" || name == "-h") {
      print_usage(std::cout);
      std::exit(0);
    }
    const auto participant = quorvex_examples::take_participant_option(
      "quorvex_planning_server", argc, argv, i, options.security, options.participant);
    if (participant == quorvex_examples::TransportOptionParse::kInvalid) {
      return false;
    }
    if (participant == quorvex_examples::TransportOptionParse::kParsed) {
      continue;
    }
    if (name.compare(0, 2, "--") != 0) {
      std::cerr << "quorvex_planning_server: unexpected argument '" <<
        quorvex_examples::printable(name, 100) << "'\n";
      return false;
    }
    int64_t * number = nullptr;
    int64_t min = 0, max = 0;
    if (name == "--domain") {
      number = &options.domain, max = quorvex_examples::kMaxDomainId;
      options.domain_given = true;
    } else if (name == "--requests") {
      number = &options.requests, min = 1, max = std::numeric_limits<int64_t>::max();
    } else if (name == "--points") {
      number = &options.points;
      min = quorvex_examples::kMinPoints, max = quorvex_examples::kMaxPoints;
    } else if (name == "--max-request-bytes") {
      number = &options.max_request_bytes, min = 1024, max = 1 << 30;
    } else if (name == "--max-text-bytes") {
      number = &options.max_text_bytes, min = 1, max = 1 << 20;
    } else if (name == "--reply-wait-ms") {
      number = &options.reply_wait_ms, max = 60000;
    } else if (name == "--max-held-reply-bytes") {
      number = &options.max_held_reply_bytes, min = int64_t{1} << 20, max = int64_t{1} << 32;
    } else if (name != "--pose-dir") {
      std::cerr << "quorvex_planning_server: unknown option " <<
        quorvex_examples::printable(name, 100) << "\n";
      return false;
    }
    if (i + 1 >= argc) {
      std::cerr << "quorvex_planning_server: " << name << " needs a value\n";
      return false;
    }
    const std::string value = argv[++i];
    if (number == nullptr) {
      options.pose_dirs.push_back(value);
    } else if (!parse_integer(value, min, max, *number)) {
      std::cerr << "quorvex_planning_server: invalid value '" <<
        quorvex_examples::printable(
        value,
        100) << "' for " << name << ": expected a whole number in " <<
        min << ".." << max << "\n";
      return false;
    }
  }
  std::string error;
  if (!quorvex_examples::read_ros_environment(
      options.participant.transport, options.domain_given, options.domain, error))
  {
    std::cerr << "quorvex_planning_server: " << error << "\n";
    return false;
  }
  if (options.reply_wait_ms < 0) {
    options.reply_wait_ms = options.participant.transport.uses_udp() ? kNetworkReplyWaitMs : 1000;
  }
  return true;
}

// The sample folder is installed at <prefix>/share/quorvex_examples beside <prefix>/bin.
std::string installed_pose_dir()
{
  const std::string executable = quorvex_examples::executable_path();
  const std::string bin_dir = executable.substr(0, executable.rfind('/'));
  return bin_dir.substr(0, bin_dir.rfind('/')) + "/share/quorvex_examples";
}

double elapsed_ms(Clock::time_point since)
{
  return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

// The Fast-CDR handle of a service, reached as a middleware reaches it: from the dispatch handle
// of the service type, asking for the type support by its identifier.
template<typename ServiceT>
const rosidl_service_type_support_t * fastcdr_handle()
{
  return quorvex_examples::service_handle_through_dispatch(
    rosidl_typesupport_cpp::get_service_type_support_handle<ServiceT>(),
    rosidl_typesupport_fastrtps_cpp::typesupport_identifier);
}

// What a service keeps of the replies its clients have not acknowledged yet.
quorvex_examples::ReplyRetention retention(const Options & options)
{
  quorvex_examples::ReplyRetention retention;
  retention.max_bytes = static_cast<size_t>(options.max_held_reply_bytes);
  if (options.participant.transport.uses_udp()) {
    // A link down for a few seconds is then bridged by resending, not by the client's retry.
    retention.max_age = std::max(retention.max_age, kNetworkReplyMaxAge);
  }
  return retention;
}

// One service: takes its requests as they arrive, answers each at once and, when the client's
// reply reader is not discovered yet, keeps the reply aside for a short while instead of making
// every other request wait for it. Replies go only to the reader their request names.
template<typename ServiceT>
class Service
{
public:
  using Request = typename ServiceT::Request;
  using Response = typename ServiceT::Response;
  // Answers a request; returns the log text of the answer.
  using Answer = std::function<std::string(const Request &, Response &)>;

  Service(
    eprosima::fastrtps::rtps::RTPSParticipant * participant, const char * service_name,
    const char * label, const rosidl_service_type_support_t * handle,
    quorvex_examples::DataSignal * signal, const Options & options, Answer answer)
  : server_(participant, service_name, handle,
      quorvex_examples::record_lifecycle<Request>(), quorvex_examples::record_lifecycle<Response>(),
      signal, static_cast<uint32_t>(options.max_request_bytes), retention(options)),
    label_(label), max_request_bytes_(options.max_request_bytes),
    retention_(retention(options)),
    reply_wait_(options.reply_wait_ms), answer_(answer),
    response_callbacks_(quorvex_examples::fastcdr_message_callbacks(
        quorvex_examples::fastcdr_service_callbacks(handle)->response_members_))
  {
  }

  // Answers one waiting request; false when there was none.
  bool serve_one(int64_t number)
  {
    Request request;
    quorvex_examples::RequestHeader header;
    if (!server_.take_request(&request, header)) {
      return false;
    }
    const auto start = Clock::now();
    Response response;
    std::string what;
    if (header.refused_bytes != 0) {
      const std::string reason = "the request has " + std::to_string(header.refused_bytes) +
        " bytes, more than this server's limit of " + std::to_string(max_request_bytes_) +
        " (--max-request-bytes)";
      quorvex_examples::refuse_request(reason, response);
      what = "refused: " + reason;
    } else {
      what = answer_(request, response);
    }
    std::string delivery;
    if (header.reply_reader == eprosima::fastrtps::rtps::GUID_t::unknown()) {
      delivery = " [reply dropped: the request names no reply reader]";
    } else if (server_.reply_reader_ready(header)) {
      delivery = server_.send_response(header, &response) ? "" : " [the reply could not be sent]";
    } else {
      const size_t bytes = response_callbacks_->get_serialized_size(&response);
      // A single reply over the byte bound still waits, alone.
      while (!waiting_.empty() && (waiting_.size() == kMaxWaitingReplies ||
        waiting_bytes_ + bytes > retention_.max_bytes))
      {
        log_dropped(waiting_.front(), "too many replies wait for their readers");
        forget_front();
      }
      waiting_.push_back({header, std::move(response), number, Clock::now() + reply_wait_, bytes});
      waiting_bytes_ += bytes;
      delivery = " [reply waits for the client's reply reader]";
    }
    std::cout << label_ << " #" << number << ": " << what << delivery << " (" <<
      elapsed_ms(start) << " ms)" << std::endl;
    log_given_up();
    if (header.refused_bytes > kTrimBytes) {
      malloc_trim(0);
    }
    return true;
  }

  // Forgets the replies their readers acknowledged, and says which were given up on.
  void release_acknowledged()
  {
    const size_t kept_before = server_.kept().bytes;
    server_.release_acknowledged();
    log_given_up();
    if (kept_before >= server_.kept().bytes + kTrimBytes) {
      malloc_trim(0);
    }
  }

  // Sends the replies whose readers appeared meanwhile and drops those that waited too long.
  void send_waiting()
  {
    const auto now = Clock::now();
    for (auto reply = waiting_.begin(); reply != waiting_.end(); ) {
      if (server_.reply_reader_ready(reply->header)) {
        if (!server_.send_response(reply->header, &reply->response)) {
          log_dropped(*reply, "the reply could not be sent");
        }
        waiting_bytes_ -= reply->bytes;
        reply = waiting_.erase(reply);
      } else if (now >= reply->deadline) {
        log_dropped(
          *reply, "the client's reply reader did not appear within " +
          std::to_string(reply_wait_.count()) + " ms");
        waiting_bytes_ -= reply->bytes;
        reply = waiting_.erase(reply);
      } else {
        ++reply;
      }
    }
  }

  bool has_waiting() const {return !waiting_.empty();}

  // Says which replies are given up on when the server stops.
  void drop_waiting()
  {
    for (const WaitingReply & reply : waiting_) {
      log_dropped(reply, "the server is stopping");
    }
    waiting_.clear();
    waiting_bytes_ = 0;
  }

  bool wait_for_acknowledgments(std::chrono::milliseconds timeout)
  {
    return server_.wait_for_acknowledgments(timeout);
  }

private:
  struct WaitingReply
  {
    quorvex_examples::RequestHeader header;
    Response response;
    int64_t number;
    Clock::time_point deadline;
    size_t bytes;  // serialized
  };

  void forget_front()
  {
    waiting_bytes_ -= waiting_.front().bytes;
    waiting_.pop_front();
  }

  void log_dropped(const WaitingReply & reply, const std::string & why)
  {
    std::cout << label_ << " #" << reply.number << ": reply dropped: " << why << std::endl;
  }

  void log_given_up()
  {
    const quorvex_examples::ReplyCount given_up = server_.take_given_up();
    if (given_up.replies > 0) {
      std::cout << label_ << ": stopped resending " << given_up.replies <<
        " unacknowledged replies (" << given_up.bytes << " bytes); replies are kept for their " <<
        "readers at most " << retention_.max_age.count() << " ms, " <<
        retention_.max_replies << " and " << retention_.max_bytes <<
        " bytes (--max-held-reply-bytes) at a time" << std::endl;
    }
  }

  quorvex_examples::ServiceServer server_;
  const char * label_;
  int64_t max_request_bytes_;
  quorvex_examples::ReplyRetention retention_;
  std::chrono::milliseconds reply_wait_;
  Answer answer_;
  const message_type_support_callbacks_t * response_callbacks_;
  std::deque<WaitingReply> waiting_;
  size_t waiting_bytes_ = 0;
};

}  // namespace

int main(int argc, char ** argv)
{
  Options options;
  if (!parse_options(argc, argv, options)) {
    print_usage(std::cerr);
    return 2;
  }
  if (options.pose_dirs.empty()) {
    options.pose_dirs.push_back(installed_pose_dir());
  }
  const quorvex_examples::PoseDirectories pose_dirs(options.pose_dirs);
  for (const std::string & missing : pose_dirs.missing()) {
    std::cerr << "quorvex_planning_server: the pose directory '" <<
      quorvex_examples::printable(missing, 400) << "' does not exist; no file is served from it\n";
  }
  for (const std::string & note : quorvex_examples::neutralize_fastdds_redirects()) {
    std::cerr << "quorvex_planning_server: " << note <<
      " (this demo sets its transports itself)\n";
  }
  const std::string localhost_only =
    quorvex_examples::localhost_only_notice(options.participant.transport);
  if (!localhost_only.empty()) {
    std::cerr << "quorvex_planning_server: " << localhost_only << "\n";
  }
  quorvex_examples::SecuritySettings security;
  try {
    security = quorvex_examples::start_security(options.security, "quorvex_planning_server");
  } catch (const quorvex_examples::SecurityError & error) {
    std::cerr << "quorvex_planning_server: security: " << error.what() << "\n";
    return 1;
  }
  struct sigaction action = {};
  action.sa_handler = request_stop;
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
  // A closed log pipe must not stop the planner: writes to it fail instead, and the log is lost.
  signal(SIGPIPE, SIG_IGN);

  try {
    quorvex_examples::LoopbackRtpsParticipant participant(
      static_cast<uint32_t>(options.domain), "quorvex_planning_server", options.participant);
    quorvex_examples::DataSignal requests_arrived;
    using quorvex::srv::PlanMotion_Request;
    using quorvex::srv::PlanMotion_Response;
    using quorvex::srv::SolveIK_Request;
    using quorvex::srv::SolveIK_Response;
    Service<quorvex::srv::PlanMotion> plan_motion(
      participant.get(), "/plan_motion", "PlanMotion",
      fastcdr_handle<quorvex::srv::PlanMotion>(),
      &requests_arrived, options,
      [&options](const PlanMotion_Request & request, PlanMotion_Response & response) {
        quorvex_examples::plan_motion(request, static_cast<int32_t>(options.points), response);
        return std::to_string(request.start_joints.size()) + " start / " +
        std::to_string(request.goal_joints.size()) + " goal joints -> " +
        (response.success ? "success" : "refused") + ": " + response.message;
      });
    Service<quorvex::srv::SolveIK> solve_ik(
      participant.get(), "/solve_ik", "SolveIK",
      fastcdr_handle<quorvex::srv::SolveIK>(),
      &requests_arrived, options,
      [&options, &pose_dirs](const SolveIK_Request & request, SolveIK_Response & response) {
        quorvex_examples::solve_ik(
          request, pose_dirs, static_cast<size_t>(options.max_text_bytes), response);
        // The summary quotes request text only escaped and bounded.
        const bool refused_early = response.summary.compare(0, 8, "refused:") == 0;
        return (response.success ? "success: " : refused_early ? "" : "refused: ") +
        response.summary;
      });
    std::cout << "quorvex_planning_server: serving /plan_motion and /solve_ik on domain " <<
      options.domain << (options.participant.transport.uses_udp() ?
    " over shared memory and UDPv4, " : " over shared memory, ") << options.points <<
      " points per trajectory" <<
      (security.enabled ? ", secured as enclave " + security.enclave : std::string()) <<
      std::endl;

    int64_t served = 0;
    bool log_lost = false;
    auto done = [&]() {
        return g_stop_requests != 0 || (options.requests > 0 && served >= options.requests);
      };
    while (!done()) {
      // Waiting replies are looked at often; their readers are discovered without a signal.
      requests_arrived.wait_for(
        std::chrono::milliseconds(
          plan_motion.has_waiting() || solve_ik.has_waiting() ? 10 : 200));
      // One request of each service in turn, so that neither starves the other.
      for (bool any = true; any && !done(); ) {
        any = false;
        if (plan_motion.serve_one(served + 1)) {
          ++served, any = true;
        }
        if (!done() && solve_ik.serve_one(served + 1)) {
          ++served, any = true;
        }
        plan_motion.send_waiting();
        solve_ik.send_waiting();
      }
      plan_motion.send_waiting();
      solve_ik.send_waiting();
      plan_motion.release_acknowledged();
      solve_ik.release_acknowledged();
      if (!std::cout && !log_lost) {
        log_lost = true;
        std::cerr <<
          "quorvex_planning_server: standard output is closed; serving on without a log\n";
      }
    }
    plan_motion.drop_waiting();
    solve_ik.drop_waiting();
    // Replies still in flight would be lost with the participant; a second signal skips this.
    const auto deadline = Clock::now() + kFinalDeliveryWait;
    const auto slice = std::chrono::milliseconds(50);
    while (g_stop_requests < 2 && Clock::now() < deadline &&
      !(plan_motion.wait_for_acknowledgments(slice) && solve_ik.wait_for_acknowledgments(slice)))
    {
    }
    std::cout << "quorvex_planning_server: stopping after " << served << " requests" << std::endl;
  } catch (const std::exception & error) {
    std::cerr << "quorvex_planning_server: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
