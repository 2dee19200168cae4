// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>

#include "fastdds/rtps/common/SerializedPayload.h"
#include "fastdds/rtps/transport/shared_mem/SharedMemTransportDescriptor.h"
#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_fastrtps_cpp.hpp"
#include "quorvex/srv/plan_motion.hpp"
#include "rosidl_typesupport_fastrtps_cpp/identifier.hpp"

#include "quorvex_examples/loopback_participant.hpp"
#include "quorvex_examples/message_topic_type.hpp"
#include "quorvex_examples/service_endpoints.hpp"

namespace
{

using eprosima::fastcdr::Cdr;
using eprosima::fastrtps::rtps::SerializedPayload_t;
using quorvex::srv::PlanMotion_Request;
using quorvex::srv::PlanMotion_Response;
using quorvex_examples::MessageTopicType;
using quorvex_examples::record_lifecycle;

const rosidl_service_type_support_t * plan_motion_handle()
{
  return
    rosidl_typesupport_fastrtps_cpp__get_service_type_support_handle__quorvex__srv__PlanMotion();
}

const rosidl_message_type_support_t * response_handle()
{
  return quorvex_examples::fastcdr_service_callbacks(plan_motion_handle())->response_members_;
}

const rosidl_message_type_support_t * request_handle()
{
  return quorvex_examples::fastcdr_service_callbacks(plan_motion_handle())->request_members_;
}

PlanMotion_Response sample_response()
{
  PlanMotion_Response response;
  response.success = true;
  response.message = "ok";
  response.waypoints_flat = {1.5, -2.25, 3.0};
  response.accelerations_flat = {0.125};
  response.time_from_start = {0.0};
  response.n_points = 1;
  response.n_joints = 3;
  return response;
}

TEST(HandleCheck, RefusesHandlesOfAnotherTypeSupport)
{
  rosidl_message_type_support_t forged = *response_handle();
  forged.typesupport_identifier = "rosidl_typesupport_introspection_c";
  EXPECT_THROW(
    MessageTopicType(&forged, record_lifecycle<PlanMotion_Response>()), std::invalid_argument);
  forged.typesupport_identifier = nullptr;
  EXPECT_THROW(
    MessageTopicType(&forged, record_lifecycle<PlanMotion_Response>()), std::invalid_argument);
  EXPECT_THROW(
    MessageTopicType(nullptr, record_lifecycle<PlanMotion_Response>()), std::invalid_argument);

  // The identifier is compared as text, not by address.
  const std::string same_text = rosidl_typesupport_fastrtps_cpp::typesupport_identifier;
  forged.typesupport_identifier = same_text.c_str();
  EXPECT_NO_THROW(MessageTopicType(&forged, record_lifecycle<PlanMotion_Response>()));
  forged.data = nullptr;
  EXPECT_THROW(
    MessageTopicType(&forged, record_lifecycle<PlanMotion_Response>()), std::invalid_argument);

  rosidl_service_type_support_t forged_service = *plan_motion_handle();
  forged_service.typesupport_identifier = "rosidl_typesupport_introspection_c";
  EXPECT_THROW(
    quorvex_examples::fastcdr_service_callbacks(&forged_service), std::invalid_argument);
  EXPECT_THROW(quorvex_examples::fastcdr_service_callbacks(nullptr), std::invalid_argument);
}

TEST(MessageTopicType, NamesAndSizesTypesAsRos2PeersDo)
{
  MessageTopicType response_type(response_handle(), record_lifecycle<PlanMotion_Response>());
  EXPECT_STREQ("quorvex::srv::dds_::PlanMotion_Response_", response_type.getName());
  EXPECT_FALSE(response_type.is_bounded());
  EXPECT_FALSE(response_type.m_isGetKeyDefined);
  EXPECT_EQ(4u + 48u, response_type.m_typeSize);  // header + the all-empty response
  MessageTopicType request_type(request_handle(), record_lifecycle<PlanMotion_Request>());
  EXPECT_STREQ("quorvex::srv::dds_::PlanMotion_Request_", request_type.getName());
  EXPECT_EQ("rq/plan_motionRequest", quorvex_examples::request_topic_name("/plan_motion"));
  EXPECT_EQ("rr/plan_motionReply", quorvex_examples::reply_topic_name("/plan_motion"));
}

// The first waypoint stands where the alignment origin right after the header puts it.
TEST(MessageTopicType, WritesEitherByteOrderAndReadsBothBack)
{
  const PlanMotion_Response sent = sample_response();
  for (Cdr::Endianness order : {Cdr::BIG_ENDIANNESS, Cdr::LITTLE_ENDIANNESS}) {
    SCOPED_TRACE(order == Cdr::BIG_ENDIANNESS ? "big endian" : "little endian");
    MessageTopicType writer(response_handle(), record_lifecycle<PlanMotion_Response>(), order);
    const uint32_t size =
      writer.getSerializedSizeProvider(const_cast<PlanMotion_Response *>(&sent))();
    SerializedPayload_t payload(size);
    ASSERT_TRUE(writer.serialize(const_cast<PlanMotion_Response *>(&sent), &payload));
    ASSERT_LE(payload.length, size);
    EXPECT_EQ(0, payload.data[0]);
    EXPECT_EQ(order == Cdr::BIG_ENDIANNESS ? 0 : 1, payload.data[1]);
    EXPECT_EQ(order == Cdr::BIG_ENDIANNESS ? CDR_BE : CDR_LE, payload.encapsulation);
    // Body: bool at 0, "ok" at 4..10, count at 12, elements from 16; plus the 4-byte header.
    uint8_t expected[8];
    const double first = 1.5;
    std::memcpy(expected, &first, sizeof(first));
    if (order == Cdr::BIG_ENDIANNESS) {
      for (int k = 0; k < 4; ++k) {
        std::swap(expected[k], expected[7 - k]);
      }
    }
    EXPECT_EQ(0, std::memcmp(expected, payload.data + 4 + 16, sizeof(expected)));

    MessageTopicType reader(response_handle(), record_lifecycle<PlanMotion_Response>());
    PlanMotion_Response received;
    ASSERT_TRUE(reader.deserialize(&payload, &received));
    EXPECT_EQ(sent, received);
  }
}

TEST(MessageTopicType, RejectsBrokenPayloadsWithoutThrowing)
{
  MessageTopicType type(response_handle(), record_lifecycle<PlanMotion_Response>());
  PlanMotion_Response sent = sample_response();
  SerializedPayload_t payload(type.getSerializedSizeProvider(&sent)());
  ASSERT_TRUE(type.serialize(&sent, &payload));
  const uint32_t full = payload.length;
  PlanMotion_Response received;
  for (uint32_t length = 0; length < full; ++length) {
    payload.length = length;
    EXPECT_FALSE(type.deserialize(&payload, &received)) << "length " << length;
  }
  payload.length = full;
  payload.data[0] = 1;  // not a CDR encapsulation
  EXPECT_FALSE(type.deserialize(&payload, &received));
  payload.data[0] = 0;
  payload.data[1] |= 0x02;  // parameter-list encoding
  EXPECT_FALSE(type.deserialize(&payload, &received));

  // A count far beyond the payload is refused, not allocated.
  MessageTopicType request_type(request_handle(), record_lifecycle<PlanMotion_Request>());
  PlanMotion_Request request;
  request.start_joints = {1.0};
  SerializedPayload_t request_payload(request_type.getSerializedSizeProvider(&request)());
  ASSERT_TRUE(request_type.serialize(&request, &request_payload));
  std::memset(request_payload.data + 4, 0xff, 4);
  EXPECT_FALSE(request_type.deserialize(&request_payload, &request));

  // Writing into a payload that is too small fails instead of overrunning it.
  SerializedPayload_t small(8);
  EXPECT_FALSE(type.serialize(&sent, &small));
}

TEST(LoopbackParticipant, UsesSharedMemoryAlone)
{
  const auto qos = quorvex_examples::loopback_participant_qos("test");
  EXPECT_FALSE(qos.transport().use_builtin_transports);
  ASSERT_EQ(1u, qos.transport().user_transports.size());
  EXPECT_NE(
    nullptr, dynamic_cast<eprosima::fastdds::rtps::SharedMemTransportDescriptor *>(
      qos.transport().user_transports.front().get()));
}

TEST(LoopbackParticipant, TakesAwayWhatWouldRedirectFastDds)
{
  setenv("ROS_DISCOVERY_SERVER", "192.0.2.1:11811", 1);
  setenv("FASTRTPS_DEFAULT_PROFILES_FILE", "/tmp/profiles.xml", 1);
  setenv("FASTDDS_ENVIRONMENT_FILE", "/tmp/environment.json", 1);
  const auto notes = quorvex_examples::neutralize_fastdds_redirects();
  EXPECT_EQ(3u, notes.size());
  EXPECT_EQ(nullptr, std::getenv("ROS_DISCOVERY_SERVER"));
  EXPECT_EQ(nullptr, std::getenv("FASTRTPS_DEFAULT_PROFILES_FILE"));
  EXPECT_EQ(nullptr, std::getenv("FASTDDS_ENVIRONMENT_FILE"));
  ASSERT_NE(nullptr, std::getenv("SKIP_DEFAULT_XML_FILE"));
  EXPECT_STREQ("1", std::getenv("SKIP_DEFAULT_XML_FILE"));
}

}  // namespace
