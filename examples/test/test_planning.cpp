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
  }
  void TearDown() override
  {
    for (const char * name : {"poses.txt", "fifo"}) {
      std::remove((dir_ + "/" + name).c_str());
    }
    rmdir(dir_.c_str());
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
  std::ofstream(dir_ + "/poses.txt") << "# comment\n a: 1 2 3\n\n  \nb: 4 5 6";
  const auto request = request_for(dir_ + "/poses.txt");
  SolveIK_Response response;
  quorvex_examples::solve_ik(request, response);
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

TEST_F(SolveIK, MissingOrUnsuitableFilesAreRefusedWithValidJson)
{
  ASSERT_EQ(0, mkfifo((dir_ + "/fifo").c_str(), 0600));
  // A FIFO without writer would block a plain open; invalid UTF-8 must not break the JSON.
  for (const std::string & path : {dir_ + "/missing", dir_, dir_ + "/fifo", dir_ + "/\xff\xfe",
      std::string()})
  {
    SolveIK_Response response;
    const auto request = request_for(path);
    quorvex_examples::solve_ik(request, response);
    EXPECT_FALSE(response.success);
    EXPECT_NE(std::string::npos, response.summary.find("cannot read")) << response.summary;
    const auto report = nlohmann::json::parse(response.report_json);
    EXPECT_FALSE(report["pose_info"]["readable"].get<bool>());
  }
}

}  // namespace
