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
#include <cstdlib>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "nlohmann/json.hpp"

#include "quorvex_examples/command_line.hpp"
#include "quorvex_examples/printable.hpp"

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
    if (!std::isfinite(request.goal_joints[j] - request.start_joints[j])) {
      return "joint " + std::to_string(j) + " moves farther than a float64 can hold";
    }
  }
  return "";
}

bool all_finite(const std::vector<double> & values)
{
  return std::all_of(values.begin(), values.end(), [](double v) {return std::isfinite(v);});
}

// As long as the number needs: a fixed-size buffer would cut a long duration short.
std::string format_seconds(double seconds)
{
  const char * format = std::fabs(seconds) < 1e9 ? "%.3f" : "%.4g";
  const int length = std::snprintf(nullptr, 0, format, seconds);
  std::string text(static_cast<size_t>(std::max(length, 0)) + 1, '\0');
  std::snprintf(&text[0], text.size(), format, seconds);
  text.resize(text.size() - 1);
  return text;
}

// Counts bytes, lines and entries of the opened regular file `fd` into `info`.
void count_pose_info(int fd, const struct stat & status, PoseInfo & info)
{
  if (static_cast<size_t>(status.st_size) > kMaxPoseInfoBytes) {
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
}

// The components of the absolute `path`, without empty and "." ones; false when one is "..",
// which could climb out of a directory.
bool path_components(const std::string & path, std::vector<std::string> & components)
{
  components.clear();
  for (size_t begin = 0; begin <= path.size(); ) {
    const size_t end = std::min(path.find('/', begin), path.size());
    const std::string component = path.substr(begin, end - begin);
    if (component == "..") {
      return false;
    }
    if (!component.empty() && component != ".") {
      components.push_back(component);
    }
    begin = end + 1;
  }
  return true;
}

// Opens the file that components[first..] name below the open directory `directory`, one
// component at a time and never following a link, so that whatever is renamed, swapped or
// linked meanwhile, nothing outside that directory is reached. Returns the descriptor or -1.
int open_below(int directory, const std::vector<std::string> & components, size_t first)
{
  int dir_fd = directory;
  for (size_t k = first; dir_fd >= 0 && k + 1 < components.size(); ++k) {
    const int next =
      openat(dir_fd, components[k].c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (dir_fd != directory) {
      close(dir_fd);
    }
    dir_fd = next;
  }
  if (dir_fd < 0) {
    return -1;
  }
  const std::string & name = components.back();
  struct stat before;
  int fd = -1;
  // Refused before opening: opening a FIFO releases its writer, opening a device may act.
  if (fstatat(dir_fd, name.c_str(), &before, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(before.st_mode)) {
    fd = openat(
      dir_fd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    struct stat after;
    // The same regular file that was checked, not one put in its place meanwhile.
    if (fd >= 0 && (fstat(fd, &after) != 0 || !S_ISREG(after.st_mode) ||
      after.st_dev != before.st_dev || after.st_ino != before.st_ino))
    {
      close(fd);
      fd = -1;
    }
  }
  if (dir_fd != directory) {
    close(dir_fd);
  }
  return fd;
}

std::string canonical_path(const std::string & path)
{
  char * resolved = realpath(path.c_str(), nullptr);
  if (resolved == nullptr) {
    return "";
  }
  std::string canonical(resolved);
  free(resolved);
  return canonical;
}

PoseInfo unavailable()
{
  PoseInfo info;
  info.error = kPoseInfoUnavailable;
  return info;
}

// Text members of a SolveIK request that a reply may quote.
std::string refuse_texts(const quorvex::srv::SolveIK_Request & request, size_t max_text_bytes)
{
  const std::pair<const char *, const std::string *> texts[] = {
    {"pose_info_path", &request.pose_info_path},
    {"stage_subset", &request.stage_subset},
    {"tool_type", &request.tool_type},
  };
  for (const auto & text : texts) {
    if (text.second->size() > max_text_bytes) {
      return std::string(text.first) + " has " + std::to_string(text.second->size()) +
             " bytes, more than this server's limit of " + std::to_string(max_text_bytes);
    }
    // Another writer may send one; it would end the text early in C and make the reply unsendable.
    if (text.second->find('\0') != std::string::npos) {
      return std::string(text.first) + " holds a NUL byte";
    }
  }
  if (request.pose_info_path.empty()) {
    return "no pose_info_path was given";
  }
  if (request.pose_info_path.front() != '/') {
    return "pose_info_path is not an absolute path";
  }
  return "";
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

// The JSON a reader of a report finds for `json`: what dump() wrote, invalid UTF-8 replaced.
nlohmann::json as_sent(const nlohmann::json & json)
{
  return nlohmann::json::parse(dump(json));
}

nlohmann::json solve_ik_report()
{
  return {
    {"solved", false},
    {"note", "this example server has no robot model, so it solves nothing"},
  };
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
    // Each factor divided by the duration once: duration * duration may overflow.
    const double ds = 30.0 * tau * tau * (1.0 - tau) * (1.0 - tau);
    const double dds = 60.0 * tau * (1.0 - tau) * (1.0 - 2.0 * tau) / duration;
    response.time_from_start[i] = tau * duration;
    for (size_t j = 0; j < joints; ++j) {
      const double start = request.start_joints[j];
      const double goal = request.goal_joints[j];
      const size_t k = i * joints + j;
      // Weighted this way the first and last points are exactly start and goal.
      response.waypoints_flat[k] = (1.0 - s) * start + s * goal;
      response.velocities_flat[k] = (goal - start) / duration * ds;
      response.accelerations_flat[k] = (goal - start) / duration * dds;
    }
  }
  // Finite joints may still give values that are not: the result is checked, not only the input.
  if (!std::isfinite(duration) || !all_finite(response.waypoints_flat) ||
    !all_finite(response.velocities_flat) || !all_finite(response.accelerations_flat) ||
    !all_finite(response.time_from_start))
  {
    response = quorvex::srv::PlanMotion_Response();
    response.message = "the trajectory would hold values that are not finite numbers";
    return;
  }
  response.n_points = n_points;
  response.n_joints = static_cast<int32_t>(joints);
  response.success = true;
  response.message = "planned " + std::to_string(points) + " points for " +
    std::to_string(joints) + " joints over " + format_seconds(duration) + " s";
}

void refuse_request(const std::string & reason, quorvex::srv::PlanMotion_Response & response)
{
  response = quorvex::srv::PlanMotion_Response();
  response.message = reason;
}

void refuse_request(const std::string & reason, quorvex::srv::SolveIK_Response & response)
{
  nlohmann::json report = solve_ik_report();
  report["refusal"] = reason;
  response.success = false;
  response.summary = "refused: " + reason;
  response.report_json = dump(report);
}

PoseDirectories::PoseDirectories(const std::vector<std::string> & directories)
{
  for (const std::string & directory : directories) {
    const std::string canonical = canonical_path(directory);
    Directory opened;
    opened.fd = canonical.empty() ? -1 : open(canonical.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (opened.fd < 0) {
      missing_.push_back(directory);
      continue;
    }
    // Requests may name the directory as it was given or as it resolved.
    std::vector<std::string> spelling;
    path_components(canonical, spelling);
    opened.spellings.push_back(spelling);
    if (path_components(absolute_path(directory), spelling) && spelling != opened.spellings[0]) {
      opened.spellings.push_back(spelling);
    }
    directories_.push_back(opened);
  }
}

PoseDirectories::~PoseDirectories()
{
  for (const Directory & directory : directories_) {
    close(directory.fd);
  }
}

PoseInfo PoseDirectories::read(const std::string & path) const
{
  PoseInfo info = unavailable();
  std::vector<std::string> components;
  if (path.empty() || path.front() != '/' || !path_components(path, components)) {
    return info;
  }
  for (const Directory & directory : directories_) {
    for (const std::vector<std::string> & spelling : directory.spellings) {
      if (components.size() <= spelling.size() ||
        !std::equal(spelling.begin(), spelling.end(), components.begin()))
      {
        continue;
      }
      const int fd = open_below(directory.fd, components, spelling.size());
      struct stat status;
      if (fd < 0) {
        return info;
      }
      if (fstat(fd, &status) == 0) {
        info.error.clear();
        count_pose_info(fd, status, info);
        if (!info.readable && info.error.find("larger than") == std::string::npos) {
          info.error = kPoseInfoUnavailable;  // a read error tells nothing more
        }
      }
      close(fd);
      return info;
    }
  }
  return info;
}

PoseInfo read_pose_info(const std::string & path)
{
  PoseInfo info;
  struct stat status;
  if (stat(path.c_str(), &status) != 0) {
    info.error = std::error_code(errno, std::generic_category()).message();
    return info;
  }
  if (!S_ISREG(status.st_mode)) {
    info.error = "not a regular file";
    return info;
  }
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    info.error = std::error_code(errno, std::generic_category()).message();
    return info;
  }
  if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    info.error = "not a regular file";
  } else {
    count_pose_info(fd, status, info);
  }
  close(fd);
  return info;
}

void solve_ik(
  const quorvex::srv::SolveIK_Request & request, const PoseDirectories & directories,
  size_t max_text_bytes, quorvex::srv::SolveIK_Response & response)
{
  const std::string quoted_path = printable(request.pose_info_path, kQuoteBytes);
  const std::string refusal = refuse_texts(request, max_text_bytes);
  if (!refusal.empty()) {
    // No request text goes back: it is what was refused.
    refuse_request(refusal, response);
    return;
  }
  const PoseInfo info = directories.read(request.pose_info_path);
  nlohmann::json report = solve_ik_report();
  report["request"] = request_json(request);
  report["pose_info"] = pose_info_json(request.pose_info_path, info);
  response.success = info.readable;
  if (info.readable) {
    response.summary = "read " + std::to_string(info.entries) + " pose entries (" +
      std::to_string(info.lines) + " lines, " + std::to_string(info.bytes) + " bytes) from '" +
      quoted_path + "'; no robot model here, so nothing was solved";
  } else {
    response.summary = "cannot read the pose-information file '" + quoted_path + "': " +
      info.error;
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
  if (!report.is_object()) {
    return "report_json is not an object";
  }
  if (response.summary.empty()) {
    return "summary is empty";
  }
  if (report.contains("refusal")) {
    // The server's text limits are its own; a refusal must only quote nothing of the request.
    return response.success || report.contains("request") ?
           "a refused request got success or was quoted back" : "";
  }
  if (!report.contains("request") || !report.contains("pose_info")) {
    return "report_json lacks the request or the pose information";
  }
  if (report["request"] != as_sent(request_json(request))) {
    return "report_json describes another request: " + printable(report["request"].dump(), 400);
  }
  if (!response.success) {
    // This process cannot know the server's pose directories, only how a refusal must read.
    return report["pose_info"] == as_sent(pose_info_json(request.pose_info_path, unavailable())) ?
           "" :
           "the file was refused otherwise than as unavailable";
  }
  const PoseInfo info = read_pose_info(request.pose_info_path);
  if (report["pose_info"] != as_sent(pose_info_json(request.pose_info_path, info))) {
    return "report_json describes the file otherwise: " +
           printable(report["pose_info"].dump(), 400);
  }
  return "";
}

}  // namespace quorvex_examples
