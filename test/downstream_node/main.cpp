// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// Node code on the installed package: fills records with setters and the builder, prints them
// with to_yaml, and reaches the Fast-CDR type support of both services from their C++ dispatch
// handles, as rclcpp's middleware does, to size and encode records through it. Exits 0 when all
// went well.

#include <cstdint>
#include <iostream>
#include <string>
#include <vector>

#include "fastcdr/Cdr.h"
#include "fastcdr/FastBuffer.h"
#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_fastrtps_cpp.hpp"
#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_fastrtps_cpp.hpp"
#include "quorvex/srv/plan_motion.hpp"
#include "quorvex/srv/solve_ik.hpp"
#include "rcutils/error_handling.h"
#include "rosidl_runtime_c/service_type_support_struct.h"
#include "rosidl_typesupport_cpp/service_type_support.hpp"
#include "rosidl_typesupport_fastrtps_cpp/identifier.hpp"
#include "rosidl_typesupport_fastrtps_cpp/message_type_support.h"
#include "rosidl_typesupport_fastrtps_cpp/service_type_support.h"

namespace
{

int failures = 0;

void check(bool ok, const std::string & what)
{
  if (!ok) {
    std::cerr << "failed: " << what << "\n";
    ++failures;
  }
}

/// The Fast-CDR handle of service Service, reached from its C++ dispatch handle; null, with the
/// dispatch's message printed, when the dispatch fails.
template<typename Service>
const service_type_support_callbacks_t * fastrtps_callbacks(const char * name)
{
  const rosidl_service_type_support_t * dispatch =
    rosidl_typesupport_cpp::get_service_type_support_handle<Service>();
  if (!dispatch) {
    check(false, std::string(name) + ": no C++ dispatch handle");
    return nullptr;
  }
  const char * const identifier = rosidl_typesupport_fastrtps_cpp::typesupport_identifier;
  const rosidl_service_type_support_t * fastrtps =
    get_service_typesupport_handle(dispatch, identifier);
  if (!fastrtps) {
    check(false, std::string(name) + ": " + rcutils_get_error_string().str);
    rcutils_reset_error();
    return nullptr;
  }
  check(
    fastrtps->typesupport_identifier == identifier,
    std::string(name) + ": the handle reached is Fast-CDR's");
  return static_cast<const service_type_support_callbacks_t *>(fastrtps->data);
}

/// Sizes `msg` through the message handle reached by the dispatch, compares that size with the
/// typed function's, and encodes and decodes it through the handle.
template<typename Message>
void through_handle(
  const rosidl_message_type_support_t * handle, const Message & msg, size_t typed_size,
  const std::string & what)
{
  const auto * callbacks = static_cast<const message_type_support_callbacks_t *>(handle->data);
  const size_t size = callbacks->get_serialized_size(&msg);
  std::cout << what << ": " << size << " bytes of CDR\n";
  check(size == typed_size, what + ": the handle's size is the typed function's");

  std::vector<char> bytes(size);
  eprosima::fastcdr::FastBuffer buffer(bytes.data(), bytes.size());
  eprosima::fastcdr::Cdr writer(
    buffer, eprosima::fastcdr::Cdr::DEFAULT_ENDIAN, eprosima::fastcdr::Cdr::DDS_CDR);
  check(callbacks->cdr_serialize(&msg, writer), what + ": serialised");
  check(writer.getSerializedDataLength() == size, what + ": as many bytes as sized");
  eprosima::fastcdr::Cdr reader(
    buffer, eprosima::fastcdr::Cdr::DEFAULT_ENDIAN, eprosima::fastcdr::Cdr::DDS_CDR);
  Message decoded;
  check(callbacks->cdr_deserialize(reader, &decoded), what + ": deserialised");
  check(decoded == msg, what + ": decoded as sent");
}

}  // namespace

int main()
{
  namespace srv = quorvex::srv;

  const srv::PlanMotion_Request request = quorvex::build<srv::PlanMotion_Request>()
    .start_joints({0.0, 0.5, 1.0})
    .goal_joints({1.0, 0.0, -0.5});
  srv::PlanMotion_Request by_setters;
  by_setters.set__start_joints({0.0, 0.5, 1.0}).set__goal_joints({1.0, 0.0, -0.5});
  check(request == by_setters, "builder and setters give the same request");

  const srv::PlanMotion_Response response = quorvex::build<srv::PlanMotion_Response>()
    .success(true)
    .message("planned")
    .waypoints_flat({0.0, 0.5, 1.0, 1.0, 0.0, -0.5})
    .velocities_flat({0.0, 0.0, 0.0, 0.0, 0.0, 0.0})
    .accelerations_flat({0.0, 0.0, 0.0, 0.0, 0.0, 0.0})
    .time_from_start({0.0, 1.0})
    .n_points(2)
    .n_joints(3);

  srv::SolveIK_Request solve;
  solve.set__pose_info_path("/tmp/poses.json").set__tool_type("gripper")
  .set__max_contact_poses(4).set__position_tolerance(0.001);

  std::cout << "PlanMotion request:\n" << srv::to_yaml(request)
            << "PlanMotion response: " << srv::to_yaml(response, true) << "\n"
            << "SolveIK request: " << srv::to_yaml(solve, true) << "\n";

  if (const auto * plan = fastrtps_callbacks<srv::PlanMotion>("PlanMotion")) {
    through_handle(
      plan->request_members_, request,
      srv::typesupport_fastrtps_cpp::get_serialized_size(request, 0), "PlanMotion request");
    through_handle(
      plan->response_members_, response,
      srv::typesupport_fastrtps_cpp::get_serialized_size(response, 0), "PlanMotion response");
  }
  if (const auto * solve_ik = fastrtps_callbacks<srv::SolveIK>("SolveIK")) {
    through_handle(
      solve_ik->request_members_, solve,
      srv::typesupport_fastrtps_cpp::get_serialized_size(solve, 0), "SolveIK request");
  }

  std::cout << (failures ? "downstream node failed" : "downstream node works") << "\n";
  return failures ? 1 : 0;
}
