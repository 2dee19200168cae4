// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// Sends a running quorvex_planning_server the requests a hostile or careless peer would, and
// checks that each gets success false with a reason in a bounded reply.
// Usage: hostile_requester --domain N --dir POSE_DIR
//        hostile_requester --domain N --phantoms COUNT
//        hostile_requester --domain N --silent COUNT
//        hostile_requester --domain N --race FILE --entries E --seconds S
// POSE_DIR is one of the server's pose directories; it holds sample_poses.txt, unreadable.txt
// (mode 000), fifo (a FIFO) and link_out (a link to a file outside it). With --phantoms it only
// sends COUNT PlanMotion requests of 1,000 joints that name a reply reader that does not exist,
// then holds until SIGINT or SIGTERM.
// With --silent it sends COUNT PlanMotion requests of 1,000 joints that name, as their reply
// reader, a reader that never takes and has room for one sample (a reader on both reply topics),
// then holds until SIGINT or SIGTERM. With --race it asks for FILE over and over for S seconds
// and fails when a reply describes a file with other than E entries (a file it must not see).

#include <signal.h>

#include <chrono>
#include <csignal>
#include <cstdint>
#include <functional>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "fastdds/dds/subscriber/qos/DataReaderQos.hpp"
#include "fastdds/dds/subscriber/qos/SubscriberQos.hpp"
#include "fastdds/rtps/common/WriteParams.h"
#include "nlohmann/json.hpp"
#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_fastrtps_cpp.hpp"
#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_fastrtps_cpp.hpp"
#include "quorvex/srv/plan_motion.hpp"
#include "quorvex/srv/solve_ik.hpp"

#include "quorvex_examples/command_line.hpp"
#include "quorvex_examples/loopback_participant.hpp"
#include "quorvex_examples/planning.hpp"
#include "quorvex_examples/service_endpoints.hpp"

namespace
{

using quorvex::srv::PlanMotion_Request;
using quorvex::srv::PlanMotion_Response;
using quorvex::srv::SolveIK_Request;
using quorvex::srv::SolveIK_Response;
using quorvex_examples::record_lifecycle;

constexpr std::chrono::milliseconds kPatience{20000};
// What "bounded" means here: far below the request sizes sent, far above any sound reply.
constexpr size_t kMaxReplyText = 16 * 1024;

// The package's writer refuses a string that holds a NUL byte, as it should; another writer
// may send one. This one writes strings as they are, NUL bytes included.
bool serialize_keeping_nul(const void * untyped, eprosima::fastcdr::Cdr & cdr)
{
  const auto & request = *static_cast<const SolveIK_Request *>(untyped);
  const auto text = [&cdr](const std::string & value) {
      cdr << static_cast<uint32_t>(value.size() + 1);
      cdr.serializeArray(value.c_str(), value.size() + 1);
    };
  text(request.pose_info_path);
  text(request.stage_subset);
  cdr << request.max_contact_poses << request.return_seeds;
  text(request.tool_type);
  cdr << request.position_tolerance << request.orientation_tolerance << request.conform_samples <<
    request.orientation_sample_range_deg << request.orientation_sample_step_deg <<
    request.accept_feasible_path << request.max_joint_jump_rad;
  return true;
}

// The package's SolveIK handle with the request written by serialize_keeping_nul.
const rosidl_service_type_support_t * solve_ik_handle_keeping_nul()
{
  const rosidl_service_type_support_t * real =
    rosidl_typesupport_fastrtps_cpp__get_service_type_support_handle__quorvex__srv__SolveIK();
  const auto * service = static_cast<const service_type_support_callbacks_t *>(real->data);
  static message_type_support_callbacks_t request_callbacks =
    *static_cast<const message_type_support_callbacks_t *>(service->request_members_->data);
  request_callbacks.cdr_serialize = serialize_keeping_nul;
  static rosidl_message_type_support_t request_handle = *service->request_members_;
  request_handle.data = &request_callbacks;
  static service_type_support_callbacks_t service_callbacks = *service;
  service_callbacks.request_members_ = &request_handle;
  static rosidl_service_type_support_t handle = *real;
  handle.data = &service_callbacks;
  return &handle;
}

template<typename RequestT, typename ResponseT>
bool call(quorvex_examples::ServiceClient & client, const RequestT & request, ResponseT & response)
{
  eprosima::fastrtps::rtps::SampleIdentity id;
  return client.send_request(&request, id) && client.wait_for_response(id, &response, kPatience);
}

volatile std::sig_atomic_t g_stop = 0;

extern "C" void request_stop(int signal_number)
{
  g_stop = signal_number;
}

// Sends `count` PlanMotion requests of 1,000 joints whose reply reader does not exist, then
// holds until SIGINT or SIGTERM; true when the server had them all.
bool send_phantoms(eprosima::fastdds::dds::DomainParticipant * participant, int64_t count)
{
  const auto * service = static_cast<const service_type_support_callbacks_t *>(
    rosidl_typesupport_fastrtps_cpp__get_service_type_support_handle__quorvex__srv__PlanMotion()->
    data);
  quorvex_examples::ServiceEndpoints endpoints(
    participant, quorvex_examples::request_topic_name("/plan_motion"), service->request_members_,
    record_lifecycle<PlanMotion_Request>(), 10,
    quorvex_examples::reply_topic_name("/plan_motion"), service->response_members_,
    record_lifecycle<PlanMotion_Response>(), 10, nullptr);
  eprosima::fastdds::dds::PublicationMatchedStatus matched;
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (endpoints.writer()->get_publication_matched_status(matched), matched.current_count == 0) {
    if (std::chrono::steady_clock::now() >= deadline) {
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  eprosima::fastrtps::rtps::GUID_t phantom = endpoints.reader()->guid();
  phantom.entityId.value[0] ^= 0x5a;  // no entity of this participant has that id
  // 1,000 joints: each answer is larger than the least --max-held-reply-bytes.
  PlanMotion_Request request;
  request.start_joints.assign(1000, 0.5);
  request.goal_joints.assign(1000, -0.5);
  for (int64_t i = 0; i < count; ++i) {
    eprosima::fastrtps::rtps::WriteParams params;
    params.related_sample_identity().writer_guid(phantom);
    if (!endpoints.writer()->write(&request, params)) {
      return false;
    }
  }
  const bool sent =
    endpoints.writer()->wait_for_acknowledgments(eprosima::fastrtps::Duration_t(20)) ==
    eprosima::fastrtps::types::ReturnCode_t::RETCODE_OK;
  std::cout << (sent ? "sent " : "could not send ") << count << " phantom requests" << std::endl;
  // The writer stays: a server forgets the requests of a writer that is gone.
  while (sent && g_stop == 0) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return sent;
}

// Sends `count` PlanMotion requests of 1,000 joints that name a reader that never takes, and
// holds until SIGINT or SIGTERM; true when the server had them all.
bool hold_silent_reader(eprosima::fastdds::dds::DomainParticipant * participant, int64_t count)
{
  namespace dds = eprosima::fastdds::dds;
  const auto * plan_motion = static_cast<const service_type_support_callbacks_t *>(
    rosidl_typesupport_fastrtps_cpp__get_service_type_support_handle__quorvex__srv__PlanMotion()->
    data);
  const auto * solve_ik = static_cast<const service_type_support_callbacks_t *>(
    rosidl_typesupport_fastrtps_cpp__get_service_type_support_handle__quorvex__srv__SolveIK()->
    data);
  // Its writer keeps every request until the server has it; its own reply reader is unused.
  quorvex_examples::ServiceEndpoints endpoints(
    participant, quorvex_examples::request_topic_name("/plan_motion"),
    plan_motion->request_members_, record_lifecycle<PlanMotion_Request>(),
    static_cast<int32_t>(count), quorvex_examples::reply_topic_name("/plan_motion"),
    plan_motion->response_members_, record_lifecycle<PlanMotion_Response>(), 1, nullptr);
  quorvex_examples::ServiceEndpoints solve_ik_endpoints(
    participant, quorvex_examples::request_topic_name("/solve_ik"), solve_ik->request_members_,
    record_lifecycle<SolveIK_Request>(), 1, quorvex_examples::reply_topic_name("/solve_ik"),
    solve_ik->response_members_, record_lifecycle<SolveIK_Response>(), 1, nullptr);
  dds::Subscriber * subscriber = participant->create_subscriber(dds::SubscriberQos());
  dds::DataReaderQos qos;
  qos.reliability().kind = dds::RELIABLE_RELIABILITY_QOS;
  qos.durability().kind = dds::VOLATILE_DURABILITY_QOS;
  qos.history().kind = dds::KEEP_ALL_HISTORY_QOS;
  qos.resource_limits().max_samples = 1;
  qos.resource_limits().max_instances = 1;
  qos.resource_limits().max_samples_per_instance = 1;
  qos.data_sharing().off();
  dds::DataReader * silent = nullptr;
  for (const char * topic_name : {"rr/plan_motionReply", "rr/solve_ikReply"}) {
    auto * topic = dynamic_cast<dds::Topic *>(participant->lookup_topicdescription(topic_name));
    dds::DataReader * reader =
      topic == nullptr ? nullptr : subscriber->create_datareader(topic, qos);
    if (reader == nullptr) {
      return false;
    }
    silent = silent == nullptr ? reader : silent;
  }
  dds::PublicationMatchedStatus matched;
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (endpoints.writer()->get_publication_matched_status(matched), matched.current_count == 0) {
    if (std::chrono::steady_clock::now() >= deadline) {
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  PlanMotion_Request request;
  for (int64_t i = 0; i < count; ++i) {
    request.start_joints.assign(1000, 0.001 * static_cast<double>(i));
    request.goal_joints.assign(1000, 1.0);
    eprosima::fastrtps::rtps::WriteParams params;
    params.related_sample_identity().writer_guid(silent->guid());
    if (!endpoints.writer()->write(&request, params)) {
      return false;
    }
  }
  if (endpoints.writer()->wait_for_acknowledgments(eprosima::fastrtps::Duration_t(60)) !=
    eprosima::fastrtps::types::ReturnCode_t::RETCODE_OK)
  {
    return false;
  }
  std::cout << "sent " << count << " requests naming a reader that never takes" << std::endl;
  while (g_stop == 0) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return true;
}

// Asks for `path` until `seconds` have passed; false when a reply described a file with other
// than `entries` entries, or when none described the file at all.
bool race_for(
  eprosima::fastdds::dds::DomainParticipant * participant, const std::string & path,
  int64_t entries, int64_t seconds)
{
  quorvex_examples::ServiceClient solve_ik(
    participant, "/solve_ik",
    rosidl_typesupport_fastrtps_cpp__get_service_type_support_handle__quorvex__srv__SolveIK(),
    record_lifecycle<SolveIK_Request>(), record_lifecycle<SolveIK_Response>());
  if (!solve_ik.wait_for_server(kPatience)) {
    std::cerr << "hostile_requester: no server\n";
    return false;
  }
  SolveIK_Request request;
  request.pose_info_path = path;
  int64_t same = 0, refused = 0, other = 0;
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (std::chrono::steady_clock::now() < end) {
    SolveIK_Response response;
    if (!call(solve_ik, request, response)) {
      std::cerr << "hostile_requester: no reply to request " << same + refused + other + 1 <<
        " within " << kPatience.count() << " ms\n";
      return false;
    }
    const auto pose_info = nlohmann::json::parse(response.report_json).value(
      "pose_info", nlohmann::json::object());
    if (!response.success) {
      ++refused;
    } else if (pose_info.value("entries", int64_t{-1}) == entries) {
      ++same;
    } else {
      ++other;
      std::cout << "described another file: " << response.summary << "\n";
    }
  }
  std::cout << same << " replies described the file, " << refused << " refused it, " << other <<
    " described another file" << std::endl;
  return other == 0 && same > 0;
}

}  // namespace

int main(int argc, char ** argv)
{
  int64_t domain = -1;
  int64_t phantoms = 0;
  int64_t silent = 0;
  int64_t entries = -1;
  int64_t seconds = 0;
  std::string dir;
  std::string race;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string name = argv[i];
    if (name == "--domain") {
      quorvex_examples::parse_integer(argv[i + 1], 0, quorvex_examples::kMaxDomainId, domain);
    } else if (name == "--dir") {
      dir = argv[i + 1];
    } else if (name == "--phantoms") {
      quorvex_examples::parse_integer(argv[i + 1], 1, 1000, phantoms);
    } else if (name == "--silent") {
      quorvex_examples::parse_integer(argv[i + 1], 1, 10000, silent);
    } else if (name == "--race") {
      race = argv[i + 1];
    } else if (name == "--entries") {
      quorvex_examples::parse_integer(argv[i + 1], 0, 1000000, entries);
    } else if (name == "--seconds") {
      quorvex_examples::parse_integer(argv[i + 1], 1, 600, seconds);
    }
  }
  if (domain < 0 || (dir.empty() && phantoms == 0 && silent == 0 &&
    (race.empty() || entries < 0 || seconds == 0)))
  {
    std::cerr << "usage: hostile_requester --domain N (--dir POSE_DIR | --phantoms COUNT | " <<
      "--silent COUNT | --race FILE --entries E --seconds S)\n";
    return 2;
  }
  quorvex_examples::neutralize_fastdds_redirects();
  struct sigaction action = {};
  action.sa_handler = request_stop;
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
  quorvex_examples::LoopbackParticipant participant(
    static_cast<uint32_t>(domain), "hostile_requester");
  if (silent > 0) {
    return hold_silent_reader(participant.get(), silent) ? 0 : 1;
  }
  if (!race.empty()) {
    return race_for(participant.get(), race, entries, seconds) ? 0 : 1;
  }
  if (phantoms > 0) {
    return send_phantoms(participant.get(), phantoms) ? 0 : 1;
  }
  quorvex_examples::ServiceClient plan_motion(
    participant.get(), "/plan_motion",
    rosidl_typesupport_fastrtps_cpp__get_service_type_support_handle__quorvex__srv__PlanMotion(),
    record_lifecycle<PlanMotion_Request>(), record_lifecycle<PlanMotion_Response>());
  quorvex_examples::ServiceClient solve_ik(
    participant.get(), "/solve_ik", solve_ik_handle_keeping_nul(),
    record_lifecycle<SolveIK_Request>(), record_lifecycle<SolveIK_Response>());
  if (!plan_motion.wait_for_server(kPatience) || !solve_ik.wait_for_server(kPatience)) {
    std::cerr << "hostile_requester: no server\n";
    return 1;
  }
  int failures = 0;
  const auto expect = [&failures](bool ok, const std::string & what) {
      std::cout << (ok ? "ok    " : "FAIL  ") << what << std::endl;
      failures += ok ? 0 : 1;
    };

  // PlanMotion: sequences beyond the request limit, results that would not be finite.
  const struct
  {
    const char * what;
    std::vector<double> start, goal;
    const char * reason;
  } plans[] = {
    {"oversized sequences", std::vector<double>(100000, 0.0), std::vector<double>(100000, 1.0),
      "--max-request-bytes"},
    {"non-finite results", {1e308, -1e308}, {-1e308, 1e308}, "farther"},
  };
  for (const auto & plan : plans) {
    for (int round = 0; round < 3; ++round) {
      PlanMotion_Request request;
      request.start_joints = plan.start;
      request.goal_joints = plan.goal;
      PlanMotion_Response response;
      const bool answered = call(plan_motion, request, response);
      expect(
        answered && !response.success && response.waypoints_flat.empty() &&
        response.message.find(plan.reason) != std::string::npos &&
        response.message.size() < kMaxReplyText,
        std::string("PlanMotion, ") + plan.what + ": " + response.message);
    }
  }

  // SolveIK: hostile texts in every string member, then files the server must not serve.
  const auto base = [&dir]() {
      SolveIK_Request request;
      request.pose_info_path = dir + "/sample_poses.txt";
      request.stage_subset = "grasp";
      request.tool_type = "parallel_gripper";
      return request;
    };
  const std::string nul("a\0b", 3);
  std::vector<std::pair<std::string, std::function<void(SolveIK_Request &)>>> texts = {
    {"inner NUL in pose_info_path", [&](SolveIK_Request & r) {r.pose_info_path += nul;}},
    {"inner NUL in stage_subset", [&](SolveIK_Request & r) {r.stage_subset += nul;}},
    {"inner NUL in tool_type", [&](SolveIK_Request & r) {r.tool_type += nul;}},
    {"text beyond --max-text-bytes", [](SolveIK_Request & r) {r.tool_type.assign(10000, 't');}},
    {"text beyond --max-request-bytes",
      [](SolveIK_Request & r) {r.pose_info_path.assign(3 << 20, 'p');}},
    {"control characters",
      [&dir](SolveIK_Request & r) {
        r.pose_info_path = dir + "/x\nPlanMotion #7 : forged\x1b]0;owned\x07\x1b[2J\xc2\x9b";
      }},
    {"a FIFO", [&dir](SolveIK_Request & r) {r.pose_info_path = dir + "/fifo";}},
    {"a device", [](SolveIK_Request & r) {r.pose_info_path = "/dev/zero";}},
    {"a link out of the directory", [&dir](SolveIK_Request & r) {
        r.pose_info_path = dir + "/link_out";
      }},
    {"a missing file", [&dir](SolveIK_Request & r) {r.pose_info_path = dir + "/missing.txt";}},
    {"an unreadable file", [&dir](SolveIK_Request & r) {
        r.pose_info_path = dir + "/unreadable.txt";
      }},
  };
  std::vector<std::string> file_refusals;
  for (const auto & text : texts) {
    SolveIK_Request request = base();
    text.second(request);
    SolveIK_Response response;
    const bool answered = call(solve_ik, request, response);
    bool no_control = true;
    for (const char c : response.summary + response.report_json) {
      no_control &= !((c >= 0 && c < 0x20) || c == 0x7f);
    }
    bool valid_json = true;
    nlohmann::json report;
    try {
      report = nlohmann::json::parse(response.report_json);
    } catch (const nlohmann::json::exception &) {
      valid_json = false;
    }
    if (valid_json && report.contains("pose_info")) {
      file_refusals.push_back(report["pose_info"].value("error", std::string("(none)")));
    }
    expect(
      answered && !response.success && valid_json && no_control &&
      response.summary.size() + response.report_json.size() < kMaxReplyText,
      "SolveIK, " + text.first + ": " + response.summary.substr(0, 200));
  }
  // The file refusals (the five files and the path with control characters) read the same, so
  // that they help no probing.
  bool same = file_refusals.size() == 6;
  for (const std::string & refusal : file_refusals) {
    same &= refusal == quorvex_examples::kPoseInfoUnavailable;
  }
  expect(same, "the file refusals give one reason");

  // The server still serves.
  SolveIK_Response response;
  const bool answered = call(solve_ik, base(), response);
  expect(answered && response.success, "a sound request afterwards: " + response.summary);
  return failures == 0 ? 0 : 1;
}
