// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX_EXAMPLES__PLANNING_HPP_
#define QUORVEX_EXAMPLES__PLANNING_HPP_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "quorvex/srv/plan_motion.hpp"
#include "quorvex/srv/solve_ik.hpp"

namespace quorvex_examples
{

/// Bounds of what the example server plans: a trajectory has at least two points (start and
/// goal), and an answer holds at most kMaxTrajectoryValues joint values per array (24 MB in all).
constexpr int32_t kMinPoints = 2;
constexpr int32_t kMaxPoints = 100000;
constexpr size_t kMaxTrajectoryValues = 1000000;
/// A trajectory lasts long enough that no joint exceeds this speed (rad/s), and at least
/// kMinDuration (s).
constexpr double kMaxJointSpeed = 1.0;
constexpr double kMinDuration = 1.0;
/// Pose-information files larger than this are refused rather than read.
constexpr size_t kMaxPoseInfoBytes = 16u * 1024u * 1024u;
/// Default bound of each text member of a SolveIK request (a path fits in it).
constexpr size_t kDefaultMaxTextBytes = 4096;
/// Request text is quoted in a summary or a log line up to this many bytes.
constexpr size_t kQuoteBytes = 200;
/// The one reason given for a pose-information file that the server will not read, whatever the
/// cause (missing, unreadable, outside the pose directories, not a regular file), so that
/// replies tell nothing about files the server does not serve.
constexpr const char * kPoseInfoUnavailable = "not available from this server's pose directories";

/// What reading a pose-information file found.
struct PoseInfo
{
  bool readable = false;
  std::string error;
  size_t bytes = 0;
  size_t lines = 0;
  // Lines with content that are not comments.
  size_t entries = 0;
};

/// The directories a server reads pose-information files from, each opened once when this is
/// built. A file is read only when it is a regular file, checked before it is opened and again on
/// the opened descriptor, reached from one of these open directories one path component at a
/// time without following any link, so that renaming or swapping a directory afterwards leads
/// nowhere else.
class PoseDirectories
{
public:
  /// Opens each directory that exists; the others go to missing().
  explicit PoseDirectories(const std::vector<std::string> & directories);
  ~PoseDirectories();
  PoseDirectories(const PoseDirectories &) = delete;
  PoseDirectories & operator=(const PoseDirectories &) = delete;

  const std::vector<std::string> & missing() const {return missing_;}
  /// Reads the file at the absolute `path`, which must name one of the directories as it was
  /// given or as it resolved when opened, and holds no ".." component; any refusal gives
  /// kPoseInfoUnavailable.
  PoseInfo read(const std::string & path) const;

private:
  struct Directory
  {
    // Path components of the directory as given and as resolved.
    std::vector<std::vector<std::string>> spellings;
    int fd;
  };
  std::vector<Directory> directories_;
  std::vector<std::string> missing_;
};

/// Reads any regular file at `path` as the client sees it, for checking a reply; a FIFO or a
/// device is refused without being opened.
PoseInfo read_pose_info(const std::string & path);

/// Answers a PlanMotion request with a quintic time scaling from start to goal over `n_points`
/// points (kMinPoints..kMaxPoints). The *_flat arrays are point-major: the value of joint j at
/// point i is at index i * n_joints + j. A request that cannot be planned gets success false,
/// a message saying why, empty arrays and zero counts.
void plan_motion(
  const quorvex::srv::PlanMotion_Request & request, int32_t n_points,
  quorvex::srv::PlanMotion_Response & response);

/// Answers a SolveIK request. There is no robot model here: the answer describes the request and
/// the pose-information file it names, read from `directories`. success is false, with a reason,
/// when a text member holds a NUL byte or exceeds `max_text_bytes`, or when the file cannot be
/// read; report_json is valid JSON either way. Request text in the answer is bounded: quoted up
/// to kQuoteBytes in the summary (control characters escaped), and in report_json only when it
/// was accepted.
void solve_ik(
  const quorvex::srv::SolveIK_Request & request, const PoseDirectories & directories,
  size_t max_text_bytes, quorvex::srv::SolveIK_Response & response);

/// Answers a request that is refused before it is decoded (e.g. for its size) with `reason`.
void refuse_request(const std::string & reason, quorvex::srv::PlanMotion_Response & response);
void refuse_request(const std::string & reason, quorvex::srv::SolveIK_Response & response);

/// Checks a response against what plan_motion gives for the same request and point count.
/// Returns an empty string when it matches bit for bit, else what differs.
std::string check_plan_motion_response(
  const quorvex::srv::PlanMotion_Request & request,
  const quorvex::srv::PlanMotion_Response & response);

/// Checks that a SolveIK response reports exactly the request that was sent and the file as this
/// process sees it; a file the server refuses must be refused with kPoseInfoUnavailable (this
/// process cannot know the server's directories). Returns an empty string when it does, else
/// what differs.
std::string check_solve_ik_response(
  const quorvex::srv::SolveIK_Request & request, const quorvex::srv::SolveIK_Response & response);

}  // namespace quorvex_examples

#endif  // QUORVEX_EXAMPLES__PLANNING_HPP_
