// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// Serves /plan_motion and /solve_ik over Fast DDS, shared memory only, until interrupted.

#include <signal.h>

#include <chrono>
#include <csignal>
#include <cstdint>
#include <iostream>
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

volatile std::sig_atomic_t g_stop_requested = 0;

extern "C" void request_stop([[maybe_unused]] int signal_number)
{
  g_stop_requested = 1;
}

// How long a reply may wait for the client's reply reader to be discovered.
constexpr std::chrono::milliseconds kClientDiscoveryWait{5000};
// How long the last replies may take to be acknowledged before the server leaves.
constexpr std::chrono::milliseconds kFinalDeliveryWait{5000};

struct Options
{
  int64_t domain = 0;
  int64_t requests = 0;  // 0: serve until interrupted
  int64_t points = 100;
};

const char kUsage[] =
  "usage: quorvex_planning_server [--domain N] [--requests N] [--points N]\n"
  "  --domain N    DDS domain id, 0..232 (default 0)\n"
  "  --requests N  stop after answering N requests (default: run until SIGINT/SIGTERM)\n"
  "  --points N    points of each planned trajectory, 2..100000 (default 100)\n";

bool parse_options(int argc, char ** argv, Options & options)
{
  for (int i = 1; i < argc; ++i) {
    const std::string name = argv[i];
    if (name == "--help" || name == "-h") {
      std::cout << kUsage;
      std::exit(0);
    }
    if (i + 1 >= argc) {
      std::cerr << "quorvex_planning_server: " << name << " needs a value\n";
      return false;
    }
    const std::string value = argv[++i];
    bool ok = false;
    if (name == "--domain") {
      ok =
        quorvex_examples::parse_integer(value, 0, quorvex_examples::kMaxDomainId, options.domain);
    } else if (name == "--requests") {
      ok = quorvex_examples::parse_integer(value, 1, INT64_MAX, options.requests);
    } else if (name == "--points") {
      ok = quorvex_examples::parse_integer(
        value, quorvex_examples::kMinPoints, quorvex_examples::kMaxPoints, options.points);
    } else {
      std::cerr << "quorvex_planning_server: unknown option " << name << "\n";
      return false;
    }
    if (!ok) {
      std::cerr << "quorvex_planning_server: invalid value '" << value << "' for " << name << "\n";
      return false;
    }
  }
  return true;
}

double elapsed_ms(std::chrono::steady_clock::time_point since)
{
  return std::chrono::duration<double,
           std::milli>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int main(int argc, char ** argv)
{
  Options options;
  if (!parse_options(argc, argv, options)) {
    std::cerr << kUsage;
    return 2;
  }
  for (const std::string & note : quorvex_examples::neutralize_fastdds_redirects()) {
    std::cerr << "quorvex_planning_server: " << note << " (this demo uses shared memory only)\n";
  }
  struct sigaction action = {};
  action.sa_handler = request_stop;
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);

  try {
    quorvex_examples::LoopbackParticipant participant(
      static_cast<uint32_t>(options.domain), "quorvex_planning_server");
    quorvex_examples::DataSignal requests_arrived;
    quorvex_examples::ServiceServer plan_motion_server(
      participant.get(), "/plan_motion",
      rosidl_typesupport_fastrtps_cpp__get_service_type_support_handle__quorvex__srv__PlanMotion(),
      quorvex_examples::record_lifecycle<quorvex::srv::PlanMotion_Request>(),
      quorvex_examples::record_lifecycle<quorvex::srv::PlanMotion_Response>(), &requests_arrived);
    quorvex_examples::ServiceServer solve_ik_server(
      participant.get(), "/solve_ik",
      rosidl_typesupport_fastrtps_cpp__get_service_type_support_handle__quorvex__srv__SolveIK(),
      quorvex_examples::record_lifecycle<quorvex::srv::SolveIK_Request>(),
      quorvex_examples::record_lifecycle<quorvex::srv::SolveIK_Response>(), &requests_arrived);
    std::cout << "quorvex_planning_server: serving /plan_motion and /solve_ik on domain " <<
      options.domain << " over shared memory, " << options.points << " points per trajectory" <<
      std::endl;

    quorvex::srv::PlanMotion_Request plan_request;
    quorvex::srv::PlanMotion_Response plan_response;
    quorvex::srv::SolveIK_Request ik_request;
    quorvex::srv::SolveIK_Response ik_response;
    quorvex_examples::RequestHeader header;
    int64_t served = 0;
    auto done = [&]() {
        return g_stop_requested != 0 || (options.requests > 0 && served >= options.requests);
      };
    while (!done()) {
      requests_arrived.wait_for(std::chrono::milliseconds(200));
      while (!done() && plan_motion_server.take_request(&plan_request, header)) {
        const auto start = std::chrono::steady_clock::now();
        quorvex_examples::plan_motion(
          plan_request, static_cast<int32_t>(options.points), plan_response);
        const bool sent =
          plan_motion_server.send_response(header, &plan_response, kClientDiscoveryWait);
        ++served;
        std::cout << "PlanMotion #" << served << ": " << plan_request.start_joints.size() <<
          " start / " << plan_request.goal_joints.size() << " goal joints -> " <<
          (plan_response.success ? "success" : "refused") << ": " << plan_response.message <<
          (sent ? "" : " [reply not delivered: the client's reply reader never appeared]") <<
          " (" << elapsed_ms(start) << " ms)" << std::endl;
      }
      while (!done() && solve_ik_server.take_request(&ik_request, header)) {
        const auto start = std::chrono::steady_clock::now();
        quorvex_examples::solve_ik(ik_request, ik_response);
        const bool sent = solve_ik_server.send_response(header, &ik_response, kClientDiscoveryWait);
        ++served;
        std::cout << "SolveIK #" << served << ": " <<
          (ik_response.success ? "success" : "refused") << ": " << ik_response.summary <<
          (sent ? "" : " [reply not delivered: the client's reply reader never appeared]") <<
          " (" << elapsed_ms(start) << " ms)" << std::endl;
      }
    }
    // Replies still in flight would be lost with the participant.
    plan_motion_server.wait_for_acknowledgments(kFinalDeliveryWait);
    solve_ik_server.wait_for_acknowledgments(kFinalDeliveryWait);
    std::cout << "quorvex_planning_server: stopping after " << served << " requests" << std::endl;
  } catch (const std::exception & error) {
    std::cerr << "quorvex_planning_server: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
