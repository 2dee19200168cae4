// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// Server and clients in one process, over shared memory on a private domain.

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <utility>
#include <string>
#include <thread>
#include <vector>

#include "fastdds/dds/core/status/SubscriptionMatchedStatus.hpp"
#include "fastdds/dds/publisher/qos/DataWriterQos.hpp"
#include "fastdds/dds/publisher/qos/PublisherQos.hpp"
#include "fastdds/dds/subscriber/SampleInfo.hpp"
#include "fastdds/dds/topic/TypeSupport.hpp"
#include "fastdds/dds/topic/qos/TopicQos.hpp"
#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_fastrtps_cpp.hpp"
#include "quorvex/srv/plan_motion.hpp"

#include "quorvex_examples/loopback_participant.hpp"
#include "quorvex_examples/service_endpoints.hpp"

namespace
{

namespace dds = eprosima::fastdds::dds;
using quorvex::srv::PlanMotion_Request;
using quorvex::srv::PlanMotion_Response;
using quorvex_examples::record_lifecycle;

constexpr std::chrono::milliseconds kPatience{10000};

// Domains 100..139: apart from the integration test's and from the default 0.
uint32_t private_domain()
{
  return 100u + static_cast<uint32_t>(getpid()) % 40u;
}

const rosidl_service_type_support_t * plan_motion_handle()
{
  return
    rosidl_typesupport_fastrtps_cpp__get_service_type_support_handle__quorvex__srv__PlanMotion();
}

// The request and response handles of the service.
std::pair<const rosidl_message_type_support_t *, const rosidl_message_type_support_t *>
plan_motion_handle_members()
{
  const auto * service =
    static_cast<const service_type_support_callbacks_t *>(plan_motion_handle()->data);
  return {service->request_members_, service->response_members_};
}

// Writes whatever bytes it is given under a borrowed type name, as a faulty peer would.
class RawBytesType : public dds::TopicDataType
{
public:
  explicit RawBytesType(const std::string & name)
  {
    setName(name.c_str());
    m_typeSize = 64;
    m_isGetKeyDefined = false;
  }
  bool serialize(void * data, eprosima::fastrtps::rtps::SerializedPayload_t * payload) override
  {
    const auto & bytes = *static_cast<std::vector<uint8_t> *>(data);
    if (payload->max_size < bytes.size()) {
      return false;
    }
    std::memcpy(payload->data, bytes.data(), bytes.size());
    payload->length = static_cast<uint32_t>(bytes.size());
    payload->encapsulation = CDR_LE;
    return true;
  }
  bool deserialize(eprosima::fastrtps::rtps::SerializedPayload_t *, void *) override
  {
    return false;
  }
  std::function<uint32_t()> getSerializedSizeProvider(void * data) override
  {
    return [data]() {
             return static_cast<uint32_t>(static_cast<std::vector<uint8_t> *>(data)->size());
           };
  }
  void * createData() override {return new std::vector<uint8_t>();}
  void deleteData(void * data) override {delete static_cast<std::vector<uint8_t> *>(data);}
  bool getKey(void *, eprosima::fastrtps::rtps::InstanceHandle_t *, bool) override {return false;}
};

// Joins on every way out of a test, failed assertions included.
struct JoiningThread
{
  template<typename FunctionT>
  explicit JoiningThread(FunctionT function)
  : thread(function) {}
  ~JoiningThread() {thread.join();}
  std::thread thread;
};

// Answers every request of `server` with an empty successful response until `count` are done.
int serve(
  quorvex_examples::ServiceServer & server, quorvex_examples::DataSignal & signal,
  int count)
{
  int served = 0;
  PlanMotion_Request request;
  PlanMotion_Response response;
  response.success = true;
  quorvex_examples::RequestHeader header;
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (served < count && std::chrono::steady_clock::now() < deadline) {
    signal.wait_for(std::chrono::milliseconds(100));
    while (server.take_request(&request, header)) {
      response.n_joints = static_cast<int32_t>(request.start_joints.size());
      // The client's reply reader may be discovered after its request arrived.
      while (!server.reply_reader_ready(header) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
      }
      EXPECT_TRUE(server.send_response(header, &response));
      ++served;
    }
  }
  return served;
}

// A server of /plan_motion in a participant of its own.
struct PlanMotionServer
{
  PlanMotionServer()
  : participant(private_domain(), "server"),
    server(
      participant.get(), "/plan_motion", plan_motion_handle(),
      record_lifecycle<PlanMotion_Request>(), record_lifecycle<PlanMotion_Response>(), &signal)
  {
  }
  quorvex_examples::LoopbackRtpsParticipant participant;
  quorvex_examples::DataSignal signal;
  quorvex_examples::ServiceServer server;
};

TEST(ServiceEndpoints, EachClientGetsTheReplyToItsOwnRequest)
{
  PlanMotionServer server;
  JoiningThread server_thread([&]() {EXPECT_EQ(4, serve(server.server, server.signal, 4));});

  quorvex_examples::LoopbackParticipant client_side(private_domain(), "clients");
  quorvex_examples::ServiceClient first(
    client_side.get(), "/plan_motion", plan_motion_handle(),
    record_lifecycle<PlanMotion_Request>(), record_lifecycle<PlanMotion_Response>());
  quorvex_examples::ServiceClient second(
    client_side.get(), "/plan_motion", plan_motion_handle(),
    record_lifecycle<PlanMotion_Request>(), record_lifecycle<PlanMotion_Response>());
  ASSERT_TRUE(first.wait_for_server(kPatience));
  ASSERT_TRUE(second.wait_for_server(kPatience));

  // Each is answered its own request, whichever is answered first.
  for (int round = 0; round < 2; ++round) {
    PlanMotion_Request one, two;
    one.start_joints.assign(3, 0.0);
    two.start_joints.assign(5, 0.0);
    eprosima::fastrtps::rtps::SampleIdentity one_id, two_id;
    ASSERT_TRUE(first.send_request(&one, one_id));
    ASSERT_TRUE(second.send_request(&two, two_id));
    PlanMotion_Response reply;
    ASSERT_TRUE(second.wait_for_response(two_id, &reply, kPatience));
    EXPECT_EQ(5, reply.n_joints);
    ASSERT_TRUE(first.wait_for_response(one_id, &reply, kPatience));
    EXPECT_EQ(3, reply.n_joints);
  }
}

TEST(ServiceEndpoints, RepliesGoOnlyToTheReaderTheRequestNames)
{
  PlanMotionServer server;
  JoiningThread server_thread([&]() {EXPECT_EQ(3, serve(server.server, server.signal, 3));});

  // A reader of the reply topic that no request names: it must receive nothing, so that one
  // that stops taking holds back nothing meant for others.
  quorvex_examples::LoopbackParticipant bystander_side(private_domain(), "bystander");
  quorvex_examples::ServiceEndpoints bystander(
    bystander_side.get(), "rq/plan_motionRequest", plan_motion_handle_members().first,
    record_lifecycle<PlanMotion_Request>(), 1, "rr/plan_motionReply",
    plan_motion_handle_members().second, record_lifecycle<PlanMotion_Response>(), 10, nullptr);
  quorvex_examples::LoopbackParticipant client_side(private_domain(), "client");
  quorvex_examples::ServiceClient client(
    client_side.get(), "/plan_motion", plan_motion_handle(),
    record_lifecycle<PlanMotion_Request>(), record_lifecycle<PlanMotion_Response>());
  ASSERT_TRUE(client.wait_for_server(kPatience));
  dds::SubscriptionMatchedStatus matched;
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (bystander.reader()->get_subscription_matched_status(matched), matched.current_count == 0) {
    ASSERT_LT(std::chrono::steady_clock::now(), deadline);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }

  for (int round = 0; round < 3; ++round) {
    PlanMotion_Request request;
    request.start_joints.assign(static_cast<size_t>(round + 1), 0.0);
    eprosima::fastrtps::rtps::SampleIdentity id;
    ASSERT_TRUE(client.send_request(&request, id));
    PlanMotion_Response reply;
    ASSERT_TRUE(client.wait_for_response(id, &reply, kPatience));
    EXPECT_EQ(round + 1, reply.n_joints);
  }
  // Every reply is acknowledged by the reader it went to, so none is on its way elsewhere.
  ASSERT_TRUE(server.server.wait_for_acknowledgments(kPatience));
  PlanMotion_Response stray;
  dds::SampleInfo info;
  EXPECT_EQ(ReturnCode_t::RETCODE_NO_DATA, bystander.reader()->take_next_sample(&stray, &info));
}

TEST(ServiceEndpoints, ServerSkipsRequestsThatDoNotDecode)
{
  PlanMotionServer server;

  // A peer that sends a request whose first sequence claims 2^32 - 1 elements.
  quorvex_examples::LoopbackParticipant faulty_side(private_domain(), "faulty");
  dds::DomainParticipant * faulty = faulty_side.get();
  dds::TypeSupport raw(new RawBytesType("quorvex::srv::dds_::PlanMotion_Request_"));
  ASSERT_EQ(ReturnCode_t::RETCODE_OK, raw.register_type(faulty));
  dds::Topic * topic = faulty->create_topic(
    "rq/plan_motionRequest", raw.get_type_name(), dds::TopicQos());
  ASSERT_NE(nullptr, topic);
  dds::Publisher * publisher = faulty->create_publisher(dds::PublisherQos());
  ASSERT_NE(nullptr, publisher);
  dds::DataWriterQos writer_qos;
  writer_qos.reliability().kind = dds::RELIABLE_RELIABILITY_QOS;
  writer_qos.data_sharing().off();
  dds::DataWriter * writer = publisher->create_datawriter(topic, writer_qos);
  ASSERT_NE(nullptr, writer);
  dds::PublicationMatchedStatus matched;
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (writer->get_publication_matched_status(matched), matched.current_count == 0) {
    ASSERT_LT(std::chrono::steady_clock::now(), deadline);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  std::vector<uint8_t> forged = {0x00, 0x01, 0x00, 0x00, 0xff, 0xff, 0xff, 0xff};
  ASSERT_TRUE(writer->write(&forged));
  // Received by the server's reader before the good request is even sent.
  ASSERT_EQ(
    ReturnCode_t::RETCODE_OK, writer->wait_for_acknowledgments(eprosima::fastrtps::Duration_t(10)));

  JoiningThread server_thread([&]() {EXPECT_EQ(1, serve(server.server, server.signal, 1));});
  quorvex_examples::LoopbackParticipant client_side(private_domain(), "client");
  quorvex_examples::ServiceClient client(
    client_side.get(), "/plan_motion", plan_motion_handle(),
    record_lifecycle<PlanMotion_Request>(), record_lifecycle<PlanMotion_Response>());
  ASSERT_TRUE(client.wait_for_server(kPatience));
  PlanMotion_Request request;
  request.start_joints.assign(2, 1.0);
  eprosima::fastrtps::rtps::SampleIdentity id;
  ASSERT_TRUE(client.send_request(&request, id));
  PlanMotion_Response reply;
  ASSERT_TRUE(client.wait_for_response(id, &reply, kPatience));
  EXPECT_EQ(2, reply.n_joints);
}

}  // namespace
