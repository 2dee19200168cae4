// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// Calls /plan_motion and /solve_ik over Fast DDS, shared memory only, and prints the answers.

#include <limits.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_fastrtps_cpp.hpp"
#include "quorvex/srv/plan_motion.hpp"
#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_fastrtps_cpp.hpp"
#include "quorvex/srv/solve_ik.hpp"

#include "quorvex_examples/command_line.hpp"
#include "quorvex_examples/loopback_participant.hpp"
#include "quorvex_examples/planning.hpp"
#include "quorvex_examples/service_endpoints.hpp"

namespace
{

// Exit statuses besides 0.
constexpr int kFailed = 1;  // a reply missing, or not what the verification expected
constexpr int kUsageError = 2;
constexpr int kNoServer = 3;

// Long answers show this many lines from their start and their end unless --full is given.
constexpr size_t kHeadLines = 24;
constexpr size_t kTailLines = 8;

struct Options
{
  int64_t domain = 0;
  int64_t joints = 7;
  int64_t goal_joints = -1;  // -1: as many as --joints
  int64_t repeat = 1;
  int64_t wait_ms = 5000;
  int64_t reply_timeout_ms = 20000;
  std::string pose_info;
  bool verify = false;
  bool quiet = false;
  bool full = false;
};

const char kUsage[] =
  "usage: quorvex_planning_client [options]\n"
  "  --domain N          DDS domain id, 0..232 (default 0)\n"
  "  --joints N          joints of the PlanMotion request (default 7)\n"
  "  --goal-joints N     joints of its goal, to send a malformed request (default: --joints)\n"
  "  --repeat N          send both requests N times (default 1)\n"
  "  --pose-info PATH    pose-information file named in the SolveIK request\n"
  "                      (default: the sample installed with the examples)\n"
  "  --wait-ms N         how long to look for a server (default 5000)\n"
  "  --reply-timeout-ms N  how long to wait for each reply (default 20000)\n"
  "  --verify            check every answer against what the server must have computed\n"
  "  --quiet             one line per answer instead of its YAML\n"
  "  --full              print long answers whole\n";

bool parse_options(int argc, char ** argv, Options & options)
{
  using quorvex_examples::parse_integer;
  for (int i = 1; i < argc; ++i) {
    const std::string name = argv[i];
    if (name == "--help" || name == "-h") {
      std::cout << kUsage;
      std::exit(0);
    }
    if (name == "--verify" || name == "--quiet" || name == "--full") {
      (name == "--verify" ? options.verify : name == "--quiet" ? options.quiet : options.full) =
        true;
      continue;
    }
    if (i + 1 >= argc) {
      std::cerr << "quorvex_planning_client: " << name << " needs a value\n";
      return false;
    }
    const std::string value = argv[++i];
    bool ok = false;
    if (name == "--domain") {
      ok = parse_integer(value, 0, quorvex_examples::kMaxDomainId, options.domain);
    } else if (name == "--joints") {
      ok = parse_integer(value, 0, 100000, options.joints);
    } else if (name == "--goal-joints") {
      ok = parse_integer(value, 0, 100000, options.goal_joints);
    } else if (name == "--repeat") {
      ok = parse_integer(value, 1, 1000000, options.repeat);
    } else if (name == "--wait-ms") {
      ok = parse_integer(value, 0, 600000, options.wait_ms);
    } else if (name == "--reply-timeout-ms") {
      ok = parse_integer(value, 1, 600000, options.reply_timeout_ms);
    } else if (name == "--pose-info") {
      options.pose_info = value;
      ok = true;
    } else {
      std::cerr << "quorvex_planning_client: unknown option " << name << "\n";
      return false;
    }
    if (!ok) {
      std::cerr << "quorvex_planning_client: invalid value '" << value << "' for " << name << "\n";
      return false;
    }
  }
  if (options.goal_joints < 0) {
    options.goal_joints = options.joints;
  }
  return true;
}

// The sample file is installed at <prefix>/share/quorvex_examples beside <prefix>/bin.
std::string installed_pose_info()
{
  char path[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
  if (length <= 0) {
    return "sample_poses.txt";
  }
  const std::string executable(path, static_cast<size_t>(length));
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

// Sends one request and waits for its reply; prints it. Returns false when no reply came or the
// verification failed.
template<typename RequestT, typename ResponseT, typename CheckT>
bool call(
  quorvex_examples::ServiceClient & client, const char * service, const RequestT & request,
  ResponseT & response, const Options & options, CheckT check)
{
  eprosima::fastrtps::rtps::SampleIdentity request_id;
  const auto start = std::chrono::steady_clock::now();
  if (!client.send_request(&request, request_id)) {
    std::cerr << "quorvex_planning_client: " << service << ": the request could not be sent\n";
    return false;
  }
  if (!client.wait_for_response(
      request_id, &response, std::chrono::milliseconds(options.reply_timeout_ms)))
  {
    std::cerr << "quorvex_planning_client: " << service << ": no reply within " <<
      options.reply_timeout_ms << " ms\n";
    return false;
  }
  const double round_trip_ms =
    std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  const std::string problem = options.verify ? check(request, response) : "";
  if (options.quiet) {
    std::cout << service << ": " << (response.success ? "success" : "refused") <<
      ", round trip " << round_trip_ms << " ms" <<
      (options.verify ? (problem.empty() ? ", verified" : ", VERIFICATION FAILED") : "") << "\n";
  } else {
    std::cout << "--- " << service << " request:\n" << quorvex::srv::to_yaml(request, true) <<
      "\n--- " << service << " response (round trip " << round_trip_ms << " ms):\n" <<
      elide(quorvex::srv::to_yaml(response), options.full);
    if (options.verify) {
      std::cout << "--- verification: " << (problem.empty() ? "intact" : "FAILED") << "\n";
    }
  }
  if (!problem.empty()) {
    std::cerr << "quorvex_planning_client: " << service << ": " << problem << "\n";
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char ** argv)
{
  Options options;
  if (!parse_options(argc, argv, options)) {
    std::cerr << kUsage;
    return kUsageError;
  }
  if (options.pose_info.empty()) {
    options.pose_info = installed_pose_info();
  }
  for (const std::string & note : quorvex_examples::neutralize_fastdds_redirects()) {
    std::cerr << "quorvex_planning_client: " << note << " (this demo uses shared memory only)\n";
  }

  try {
    quorvex_examples::LoopbackParticipant participant(
      static_cast<uint32_t>(options.domain), "quorvex_planning_client");
    quorvex_examples::ServiceClient plan_motion_client(
      participant.get(), "/plan_motion",
      rosidl_typesupport_fastrtps_cpp__get_service_type_support_handle__quorvex__srv__PlanMotion(),
      quorvex_examples::record_lifecycle<quorvex::srv::PlanMotion_Request>(),
      quorvex_examples::record_lifecycle<quorvex::srv::PlanMotion_Response>());
    quorvex_examples::ServiceClient solve_ik_client(
      participant.get(), "/solve_ik",
      rosidl_typesupport_fastrtps_cpp__get_service_type_support_handle__quorvex__srv__SolveIK(),
      quorvex_examples::record_lifecycle<quorvex::srv::SolveIK_Request>(),
      quorvex_examples::record_lifecycle<quorvex::srv::SolveIK_Response>());

    const auto wait = std::chrono::milliseconds(options.wait_ms);
    const auto deadline = std::chrono::steady_clock::now() + wait;
    if (!plan_motion_client.wait_for_server(wait) ||
      !solve_ik_client.wait_for_server(
        std::chrono::duration_cast<std::chrono::milliseconds>(
          deadline - std::chrono::steady_clock::now())))
    {
      std::cerr << "quorvex_planning_client: no server for /plan_motion and /solve_ik on domain " <<
        options.domain << " within " << options.wait_ms << " ms; start quorvex_planning_server" <<
        " --domain " << options.domain << " first\n";
      return kNoServer;
    }

    bool all_good = true;
    quorvex::srv::PlanMotion_Response plan_response;
    quorvex::srv::SolveIK_Response ik_response;
    for (int64_t round = 0; round < options.repeat; ++round) {
      all_good &= call(
        plan_motion_client, "PlanMotion", plan_motion_request(options, round), plan_response,
        options, quorvex_examples::check_plan_motion_response);
      all_good &= call(
        solve_ik_client, "SolveIK", solve_ik_request(options, round), ik_response, options,
        quorvex_examples::check_solve_ik_response);
    }
    return all_good ? 0 : kFailed;
  } catch (const std::exception & error) {
    std::cerr << "quorvex_planning_client: " << error.what() << "\n";
    return kFailed;
  }
}
