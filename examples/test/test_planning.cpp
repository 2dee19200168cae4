// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "nlohmann/json.hpp"

#include "quorvex_examples/planning.hpp"

namespace
{

using quorvex::srv::PlanMotion_Request;
using quorvex::srv::PlanMotion_Response;
using quorvex::srv::SolveIK_Request;
using quorvex::srv::SolveIK_Response;

PlanMotion_Request request_of(std::vector<double> start, std::vector<double> goal)
{
  PlanMotion_Request request;
  request.start_joints = std::move(start);
  request.goal_joints = std::move(goal);
  return request;
}

TEST(PlanMotion, QuinticTrajectoryIsPointMajorAndRestsAtBothEnds)
{
  // Joint 0 moves by 2 rad, which sets the duration: 1.875 * 2 / 1 rad/s = 3.75 s.
  const auto request = request_of({0.0, 1.0, -0.5}, {2.0, 0.0, -0.5});
  PlanMotion_Response response;
  quorvex_examples::plan_motion(request, 5, response);
  ASSERT_TRUE(response.success) << response.message;
  EXPECT_EQ(5, response.n_points);
  EXPECT_EQ(3, response.n_joints);
  ASSERT_EQ(15u, response.waypoints_flat.size());
  ASSERT_EQ(15u, response.velocities_flat.size());
  ASSERT_EQ(15u, response.accelerations_flat.size());
  ASSERT_EQ(5u, response.time_from_start.size());
  const std::vector<double> start_point(response.waypoints_flat.begin(),
    response.waypoints_flat.begin() + 3);
  const std::vector<double> end_point(response.waypoints_flat.end() - 3,
    response.waypoints_flat.end());
  EXPECT_EQ(request.start_joints, start_point);
  EXPECT_EQ(request.goal_joints, end_point);
  for (size_t j = 0; j < 3; ++j) {
    EXPECT_EQ(0.0, response.velocities_flat[j]);
    EXPECT_EQ(0.0, response.velocities_flat[12 + j]);
    EXPECT_EQ(0.0, response.accelerations_flat[j]);
    EXPECT_EQ(0.0, response.accelerations_flat[12 + j]);
  }
  // Point 2 is halfway in time and in space, at peak speed and zero acceleration.
  EXPECT_DOUBLE_EQ(1.0, response.waypoints_flat[2 * 3 + 0]);
  EXPECT_DOUBLE_EQ(0.5, response.waypoints_flat[2 * 3 + 1]);
  EXPECT_DOUBLE_EQ(-0.5, response.waypoints_flat[2 * 3 + 2]);
  EXPECT_DOUBLE_EQ(1.0, response.velocities_flat[2 * 3 + 0]);
  EXPECT_DOUBLE_EQ(-0.5, response.velocities_flat[2 * 3 + 1]);
  EXPECT_NEAR(0.0, response.accelerations_flat[2 * 3 + 0], 1e-12);
  EXPECT_DOUBLE_EQ(0.0, response.time_from_start.front());
  EXPECT_DOUBLE_EQ(3.75, response.time_from_start.back());
  for (size_t i = 1; i < 5; ++i) {
    EXPECT_LT(response.time_from_start[i - 1], response.time_from_start[i]);
  }
}

TEST(PlanMotion, RefusesWhatCannotBePlannedAndSaysWhy)
{
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct
  {
    PlanMotion_Request request;
    int32_t points;
    const char * reason;
  } cases[] = {
    {request_of({0.0, 1.0}, {1.0}), 10, "same joints"},
    {request_of({}, {}), 10, "empty"},
    {request_of({0.0, nan}, {1.0, 1.0}), 10, "finite"},
    {request_of({0.0}, {1.0}), 1, "points"},
    {request_of(std::vector<double>(200, 0.0), std::vector<double>(200, 1.0)), 10000, "limit"},
  };
  for (const auto & c : cases) {
    PlanMotion_Response response;
    response.waypoints_flat = {1.0};  // leftovers of an earlier answer must go
    quorvex_examples::plan_motion(c.request, c.points, response);
    EXPECT_FALSE(response.success);
    EXPECT_NE(std::string::npos, response.message.find(c.reason)) << response.message;
    EXPECT_TRUE(response.waypoints_flat.empty());
    EXPECT_TRUE(response.time_from_start.empty());
    EXPECT_EQ(0, response.n_points);
    EXPECT_EQ(0, response.n_joints);
  }
}

TEST(PlanMotion, ResultsAreCheckedNotOnlyTheJoints)
{
  // Finite joints whose difference overflows would give a trajectory of infinities.
  PlanMotion_Response response;
  quorvex_examples::plan_motion(request_of({1e308, -1e308}, {-1e308, 1e308}), 500, response);
  EXPECT_FALSE(response.success);
  EXPECT_NE(std::string::npos, response.message.find("farther")) << response.message;
  EXPECT_TRUE(response.waypoints_flat.empty());

  // A huge but representable move: every value finite, the duration written out whole and the
  // accelerations not lost to an overflowing duration squared.
  quorvex_examples::plan_motion(request_of({0.0, 1e300}, {0.0, -1e300}), 50, response);
  ASSERT_TRUE(response.success) << response.message;
  EXPECT_NE(std::string::npos, response.message.find("over 3.75e+300 s")) << response.message;
  for (const auto * values :
    {&response.waypoints_flat, &response.velocities_flat, &response.accelerations_flat})
  {
    for (double value : *values) {
      ASSERT_TRUE(std::isfinite(value));
    }
  }
  EXPECT_LT(0.0, std::fabs(response.accelerations_flat[2 * 1 + 1]));
  EXPECT_DOUBLE_EQ(3.75e300, response.time_from_start.back());
}

TEST(PlanMotion, CheckFindsAnyChangedValue)
{
  const auto request = request_of({0.1, 0.2}, {-0.3, 0.4});
  PlanMotion_Response response;
  quorvex_examples::plan_motion(request, 50, response);
  EXPECT_EQ("", quorvex_examples::check_plan_motion_response(request, response));
  response.velocities_flat[37] = std::nextafter(response.velocities_flat[37], 10.0);
  EXPECT_EQ(
    "velocities_flat differs",
    quorvex_examples::check_plan_motion_response(request, response));

  const auto malformed = request_of({0.1, 0.2}, {0.3});
  quorvex_examples::plan_motion(malformed, 50, response);
  EXPECT_EQ("", quorvex_examples::check_plan_motion_response(malformed, response));
  response.success = true;
  EXPECT_NE("", quorvex_examples::check_plan_motion_response(malformed, response));
}

class SolveIK : public ::testing::Test
{
protected:
  void SetUp() override
  {
    char dir_template[] = "/tmp/quorvex_solve_ik_XXXXXX";
    ASSERT_NE(nullptr, mkdtemp(dir_template));
    dir_ = dir_template;
    ASSERT_EQ(0, mkdir((dir_ + "/served").c_str(), 0700));
    ASSERT_EQ(0, mkdir((dir_ + "/other").c_str(), 0700));
  }
  void TearDown() override
  {
    for (const char * name : {"served/poses.txt", "served/fifo", "served/unreadable.txt",
        "served/link_out", "served/link_in", "served/null", "served/link_dir",
        "served/poses_\xff\xfe.txt", "other/secret.txt", "other/poses.txt", "moved/poses.txt",
        "served"})
    {
      std::remove((dir_ + "/" + name).c_str());
    }
    for (const char * name : {"served", "other", "moved"}) {
      rmdir((dir_ + "/" + name).c_str());
    }
    rmdir(dir_.c_str());
  }
  SolveIK_Response solve(const SolveIK_Request & request, size_t max_text_bytes = 4096)
  {
    SolveIK_Response response;
    quorvex_examples::solve_ik(
      request, quorvex_examples::PoseDirectories({dir_ + "/served", "/dev"}), max_text_bytes,
      response);
    return response;
  }
  SolveIK_Request request_for(const std::string & path)
  {
    SolveIK_Request request;
    request.pose_info_path = path;
    request.stage_subset = "grasp";
    request.max_contact_poses = 3;
    request.position_tolerance = 0.001;
    request.accept_feasible_path = true;
    return request;
  }
  std::string dir_;
};

TEST_F(SolveIK, DescribesTheFileAndTheRequest)
{
  std::ofstream(dir_ + "/served/poses.txt") << "# comment\n a: 1 2 3\n\n  \nb: 4 5 6";
  const auto request = request_for(dir_ + "/served/poses.txt");
  SolveIK_Response response = solve(request);
  EXPECT_TRUE(response.success) << response.summary;
  const auto report = nlohmann::json::parse(response.report_json);
  EXPECT_EQ(2, report["pose_info"]["entries"]);
  EXPECT_EQ(5, report["pose_info"]["lines"]);
  EXPECT_EQ(32, report["pose_info"]["bytes"]);
  EXPECT_EQ(0.001, report["request"]["position_tolerance"]);
  EXPECT_EQ("", quorvex_examples::check_solve_ik_response(request, response));

  auto other = request;
  other.max_contact_poses = 4;
  EXPECT_NE("", quorvex_examples::check_solve_ik_response(other, response));
  response.report_json.pop_back();
  EXPECT_NE("", quorvex_examples::check_solve_ik_response(request, response));
}

TEST_F(SolveIK, ServesOnlyRegularFilesReachedInsideItsDirectories)
{
  std::ofstream(dir_ + "/served/poses.txt") << "a: 1\n";
  std::ofstream(dir_ + "/other/secret.txt") << "b: 2\n";
  std::ofstream(dir_ + "/served/unreadable.txt") << "c: 3\n";
  ASSERT_EQ(0, chmod((dir_ + "/served/unreadable.txt").c_str(), 0));
  ASSERT_EQ(0, mkfifo((dir_ + "/served/fifo").c_str(), 0600));
  ASSERT_EQ(0, symlink((dir_ + "/other/secret.txt").c_str(), (dir_ + "/served/link_out").c_str()));
  ASSERT_EQ(0, symlink("poses.txt", (dir_ + "/served/link_in").c_str()));
  ASSERT_EQ(0, symlink("/dev/zero", (dir_ + "/served/null").c_str()));
  ASSERT_EQ(0, symlink("../other", (dir_ + "/served/link_dir").c_str()));

  EXPECT_TRUE(solve(request_for(dir_ + "/served/./poses.txt")).success);
  std::vector<std::string> refused = {
    dir_ + "/served/missing",
    dir_ + "/served",  // a directory
    dir_ + "/served/fifo",  // opening it would release a blocked writer
    "/dev/null",  // a device, though inside an allowed directory
    dir_ + "/served/null",  // a link to a device
    dir_ + "/served/link_out",
    dir_ + "/served/link_in",  // no link is followed, not even one that stays inside
    dir_ + "/served/link_dir/secret.txt",
    dir_ + "/served/../other/secret.txt",
    dir_ + "/served/../served/poses.txt",
    dir_ + "/other/secret.txt",
    "/etc/passwd",
  };
  if (geteuid() != 0) {  // root reads it anyway
    refused.push_back(dir_ + "/served/unreadable.txt");
  }
  for (const std::string & path : refused) {
    const auto request = request_for(path);
    const SolveIK_Response response = solve(request);
    EXPECT_FALSE(response.success) << path;
    // One reason for all, so that replies tell nothing about files that are not served.
    const auto report = nlohmann::json::parse(response.report_json);
    EXPECT_EQ(quorvex_examples::kPoseInfoUnavailable, report["pose_info"]["error"]) << path;
    EXPECT_FALSE(report["pose_info"].contains("bytes")) << path;
    EXPECT_NE(std::string::npos, response.summary.find("cannot read")) << response.summary;
    EXPECT_EQ("", quorvex_examples::check_solve_ik_response(request, response)) << path;
  }
}

TEST_F(SolveIK, ReadsFromTheDirectoriesOpenedAtTheStartWhateverIsSwappedLater)
{
  std::ofstream(dir_ + "/served/poses.txt") << "a: 1\n";
  std::ofstream(dir_ + "/other/poses.txt") << "b: 2\nc: 3\n";
  const quorvex_examples::PoseDirectories directories({dir_ + "/served"});
  // The served directory moves away and a link to another one takes its place.
  ASSERT_EQ(0, rename((dir_ + "/served").c_str(), (dir_ + "/moved").c_str()));
  ASSERT_EQ(0, symlink("other", (dir_ + "/served").c_str()));
  SolveIK_Response response;
  quorvex_examples::solve_ik(request_for(dir_ + "/served/poses.txt"), directories, 4096, response);
  ASSERT_TRUE(response.success) << response.summary;
  // The file of the directory that was opened, wherever it is now.
  EXPECT_EQ(1, nlohmann::json::parse(response.report_json)["pose_info"]["entries"]);
}

TEST_F(SolveIK, AFileNameThatIsNotUtf8PassesTheCheck)
{
  // Reports replace invalid UTF-8 with U+FFFD; the check expects what the server sends.
  const std::string path = dir_ + "/served/poses_\xff\xfe.txt";
  std::ofstream(path) << "a: 1\n";
  const auto request = request_for(path);
  const SolveIK_Response response = solve(request);
  ASSERT_TRUE(response.success) << response.summary;
  EXPECT_EQ("", quorvex_examples::check_solve_ik_response(request, response));
  auto other = request;
  other.pose_info_path = dir_ + "/served/poses_\xfe\xff.txt";
  EXPECT_NE("", quorvex_examples::check_solve_ik_response(other, response));
}

TEST_F(SolveIK, TextsWithNulOrBeyondTheLimitAreRefusedWithoutBeingQuoted)
{
  std::ofstream(dir_ + "/served/poses.txt") << "a: 1\n";
  const std::string path = dir_ + "/served/poses.txt";
  const std::string nul("x\0y", 3);
  std::vector<std::pair<SolveIK_Request, std::string>> cases;
  for (const char * member : {"pose_info_path", "stage_subset", "tool_type"}) {
    for (const std::string & text : {path + nul, std::string(5000, 'a'), std::string()}) {
      auto request = request_for(path);
      std::string & field = std::string(member) == "pose_info_path" ? request.pose_info_path :
        std::string(member) == "stage_subset" ? request.stage_subset : request.tool_type;
      if (text.empty()) {
        continue;
      }
      field = text;
      cases.emplace_back(request, member);
    }
  }
  auto relative = request_for("poses.txt");
  cases.emplace_back(relative, "absolute");
  for (const auto & c : cases) {
    const SolveIK_Response response = solve(c.first);
    EXPECT_FALSE(response.success);
    EXPECT_NE(std::string::npos, response.summary.find(c.second)) << response.summary;
    EXPECT_EQ(std::string::npos, response.summary.find('\0'));
    EXPECT_GT(300u, response.summary.size() + response.report_json.size() / 2);
    const auto report = nlohmann::json::parse(response.report_json);
    EXPECT_FALSE(report.contains("request"));
    EXPECT_EQ("", quorvex_examples::check_solve_ik_response(c.first, response));
  }
}

TEST_F(SolveIK, RequestTextIsQuotedEscapedAndBounded)
{
  // A path meant to forge a log line and to reach the terminal of whoever reads the reply.
  const std::string hostile = dir_ + "/served/x\n" + "PlanMotion #7 \x1b[2J\xc2\x9b" +
    std::string(3000, 'z');
  const SolveIK_Response response = solve(request_for(hostile));
  EXPECT_FALSE(response.success);
  for (const char c : response.summary + response.report_json) {
    EXPECT_FALSE((c >= 0 && c < 0x20) || c == 0x7f) << static_cast<int>(c);
  }
  EXPECT_EQ(std::string::npos, response.summary.find("\xc2\x9b"));
  EXPECT_NE(std::string::npos, response.summary.find("\\n" "PlanMotion #7 \\x1b[2J\\u009b"));
  EXPECT_GT(400u, response.summary.size());
}

}  // namespace
