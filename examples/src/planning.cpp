// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "quorvex_examples/planning.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <string>
#include <system_error>
#include <vector>

#include "nlohmann/json.hpp"

namespace quorvex_examples
{

namespace
{

// Peak of the derivative of the quintic time scaling s(tau) = 10 tau^3 - 15 tau^4 + 6 tau^5.
constexpr double kQuinticPeakSpeed = 1.875;

std::string refuse_plan(const quorvex::srv::PlanMotion_Request & request, int32_t n_points)
{
  const size_t joints = request.start_joints.size();
  if (joints == 0) {
    return "start_joints is empty: there are no joints to move";
  }
  if (request.goal_joints.size() != joints) {
    return "start_joints has " + std::to_string(joints) + " values but goal_joints has " +
           std::to_string(request.goal_joints.size()) + "; both must list the same joints";
  }
  if (n_points < kMinPoints || n_points > kMaxPoints) {
    return "the server plans " + std::to_string(n_points) + " points, outside " +
           std::to_string(kMinPoints) + ".." + std::to_string(kMaxPoints);
  }
  if (joints > kMaxTrajectoryValues / static_cast<size_t>(n_points)) {
    return std::to_string(n_points) + " points of " + std::to_string(joints) +
           " joints exceed the limit of " + std::to_string(kMaxTrajectoryValues) + " values";
  }
  for (size_t j = 0; j < joints; ++j) {
    if (!std::isfinite(request.start_joints[j]) || !std::isfinite(request.goal_joints[j])) {
      return "joint " + std::to_string(j) + " has a start or goal that is not a finite number";
    }
  }
  return "";
}

std::string format_seconds(double seconds)
{
  char text[32];
  std::snprintf(text, sizeof(text), "%.3f", seconds);
  return text;
}

struct PoseInfo
{
  bool readable = false;
  std::string error;
  size_t bytes = 0;
  size_t lines = 0;
  // Lines with content that are not comments.
  size_t entries = 0;
};

PoseInfo read_pose_info(const std::string & path)
{
  PoseInfo info;
  if (path.empty()) {
    info.error = "no pose_info_path was given";
    return info;
  }
  // Non-blocking, so that a FIFO cannot stall the server before it is refused below.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    info.error = std::error_code(errno, std::generic_category()).message();
    return info;
  }
  struct stat status;
  if (fstat(fd, &status) != 0) {
    info.error = std::error_code(errno, std::generic_category()).message();
  } else if (!S_ISREG(status.st_mode)) {
    info.error = "not a regular file";
  } else if (static_cast<size_t>(status.st_size) > kMaxPoseInfoBytes) {
    info.error = "larger than " + std::to_string(kMaxPoseInfoBytes) + " bytes";
  } else {
    std::vector<char> chunk(65536);
    bool line_has_content = false;
    bool line_is_comment = false;
    bool at_line_start = true;
    for (;; ) {
      const ssize_t got = read(fd, chunk.data(), chunk.size());
      if (got < 0 && errno == EINTR) {
        continue;
      }
      if (got < 0) {
        info.error = std::error_code(errno, std::generic_category()).message();
        break;
      }
      if (got == 0) {
        info.readable = true;
        break;
      }
      info.bytes += static_cast<size_t>(got);
      if (info.bytes > kMaxPoseInfoBytes) {
        info.error = "larger than " + std::to_string(kMaxPoseInfoBytes) + " bytes";
        break;
      }
      for (ssize_t k = 0; k < got; ++k) {
        const char c = chunk[static_cast<size_t>(k)];
        if (c == '\n') {
          ++info.lines;
          info.entries += line_has_content && !line_is_comment ? 1 : 0;
          line_has_content = line_is_comment = false;
          at_line_start = true;
        } else if (c != ' ' && c != '\t' && c != '\r') {
          if (!line_has_content) {
            line_is_comment = c == '#';
          }
          line_has_content = true;
          at_line_start = false;
        }
      }
    }
    if (info.readable && !at_line_start) {
      ++info.lines;  // a last line without its newline
      info.entries += line_has_content && !line_is_comment ? 1 : 0;
    }
  }
  close(fd);
  return info;
}

nlohmann::json request_json(const quorvex::srv::SolveIK_Request & request)
{
  return {
    {"pose_info_path", request.pose_info_path},
    {"stage_subset", request.stage_subset},
    {"max_contact_poses", request.max_contact_poses},
    {"return_seeds", request.return_seeds},
    {"tool_type", request.tool_type},
    {"position_tolerance", request.position_tolerance},
    {"orientation_tolerance", request.orientation_tolerance},
    {"conform_samples", request.conform_samples},
    {"orientation_sample_range_deg", request.orientation_sample_range_deg},
    {"orientation_sample_step_deg", request.orientation_sample_step_deg},
    {"accept_feasible_path", request.accept_feasible_path},
    {"max_joint_jump_rad", request.max_joint_jump_rad},
  };
}

nlohmann::json pose_info_json(const std::string & path, const PoseInfo & info)
{
  nlohmann::json json = {{"path", path}, {"readable", info.readable}};
  if (info.readable) {
    json["bytes"] = info.bytes;
    json["lines"] = info.lines;
    json["entries"] = info.entries;
  } else {
    json["error"] = info.error;
  }
  return json;
}

// Any text may come in a request; invalid UTF-8 becomes U+FFFD so that the output stays JSON.
std::string dump(const nlohmann::json & json)
{
  return json.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace

void plan_motion(
  const quorvex::srv::PlanMotion_Request & request, int32_t n_points,
  quorvex::srv::PlanMotion_Response & response)
{
  response = quorvex::srv::PlanMotion_Response();
  response.success = false;
  response.n_points = 0;
  response.n_joints = 0;
  response.message = refuse_plan(request, n_points);
  if (!response.message.empty()) {
    return;
  }
  const size_t joints = request.start_joints.size();
  const size_t points = static_cast<size_t>(n_points);
  double largest_move = 0.0;
  for (size_t j = 0; j < joints; ++j) {
    largest_move = std::max(
      largest_move, std::fabs(
        request.goal_joints[j] - request.start_joints[j]));
  }
  const double duration = std::max(kMinDuration, kQuinticPeakSpeed * largest_move / kMaxJointSpeed);

  response.waypoints_flat.resize(points * joints);
  response.velocities_flat.resize(points * joints);
  response.accelerations_flat.resize(points * joints);
  response.time_from_start.resize(points);
  for (size_t i = 0; i < points; ++i) {
    const double tau = static_cast<double>(i) / static_cast<double>(points - 1);
    const double s = tau * tau * tau * (10.0 - 15.0 * tau + 6.0 * tau * tau);
    const double ds = 30.0 * tau * tau * (1.0 - tau) * (1.0 - tau) / duration;
    const double dds = 60.0 * tau * (1.0 - tau) * (1.0 - 2.0 * tau) / (duration * duration);
    response.time_from_start[i] = tau * duration;
    for (size_t j = 0; j < joints; ++j) {
      const double start = request.start_joints[j];
      const double goal = request.goal_joints[j];
      const size_t k = i * joints + j;
      // Weighted this way the first and last points are exactly start and goal.
      response.waypoints_flat[k] = (1.0 - s) * start + s * goal;
      response.velocities_flat[k] = (goal - start) * ds;
      response.accelerations_flat[k] = (goal - start) * dds;
    }
  }
  response.n_points = n_points;
  response.n_joints = static_cast<int32_t>(joints);
  response.success = true;
  response.message = "planned " + std::to_string(points) + " points for " +
    std::to_string(joints) + " joints over " + format_seconds(duration) + " s";
}

void solve_ik(
  const quorvex::srv::SolveIK_Request & request,
  quorvex::srv::SolveIK_Response & response)
{
  const PoseInfo info = read_pose_info(request.pose_info_path);
  const nlohmann::json report = {
    {"request", request_json(request)},
    {"pose_info", pose_info_json(request.pose_info_path, info)},
    {"solved", false},
    {"note", "this example server has no robot model, so it solves nothing"},
  };
  response.success = info.readable;
  if (info.readable) {
    response.summary = "read " + std::to_string(info.entries) + " pose entries (" +
      std::to_string(info.lines) + " lines, " + std::to_string(info.bytes) + " bytes) from '" +
      request.pose_info_path + "'; no robot model here, so nothing was solved";
  } else {
    response.summary = "cannot read the pose-information file '" + request.pose_info_path +
      "': " + info.error;
  }
  response.report_json = dump(report);
}

std::string check_plan_motion_response(
  const quorvex::srv::PlanMotion_Request & request,
  const quorvex::srv::PlanMotion_Response & response)
{
  quorvex::srv::PlanMotion_Response expected;
  plan_motion(request, response.n_points, expected);
  if (!expected.success) {
    // Refused requests carry no trajectory, so the point count says nothing: compare the reason.
    plan_motion(request, kMinPoints, expected);
    if (expected.success) {
      return response.success ? "n_points " + std::to_string(response.n_points) + " is invalid" :
             "the server refused a valid request: " + response.message;
    }
    if (response.success || response.message.empty()) {
      return "an invalid request was not refused with a reason";
    }
    return response.message == expected.message ? "" :
           "refused with '" + response.message + "', expected '" + expected.message + "'";
  }
  if (response.success != expected.success) {return "success differs";}
  if (response.message != expected.message) {return "message differs";}
  if (response.n_joints != expected.n_joints) {return "n_joints differs";}
  if (response.waypoints_flat != expected.waypoints_flat) {return "waypoints_flat differs";}
  if (response.velocities_flat != expected.velocities_flat) {return "velocities_flat differs";}
  if (response.accelerations_flat != expected.accelerations_flat) {
    return "accelerations_flat differs";
  }
  if (response.time_from_start != expected.time_from_start) {return "time_from_start differs";}
  return "";
}

std::string check_solve_ik_response(
  const quorvex::srv::SolveIK_Request & request, const quorvex::srv::SolveIK_Response & response)
{
  nlohmann::json report;
  try {
    report = nlohmann::json::parse(response.report_json);
  } catch (const nlohmann::json::exception & error) {
    return std::string("report_json is not valid JSON: ") + error.what();
  }
  const PoseInfo info = read_pose_info(request.pose_info_path);
  if (!report.is_object() || !report.contains("request") || !report.contains("pose_info")) {
    return "report_json lacks the request or the pose information";
  }
  if (report["request"] != request_json(request)) {
    return "report_json describes another request: " + report["request"].dump();
  }
  if (report["pose_info"] != pose_info_json(request.pose_info_path, info)) {
    return "report_json describes the file otherwise: " + report["pose_info"].dump();
  }
  if (response.success != info.readable) {
    return "success differs from whether the file is readable";
  }
  if (response.summary.empty()) {
    return "summary is empty";
  }
  return "";
}

}  // namespace quorvex_examples
