// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "fastdds/rtps/transport/UDPv4TransportDescriptor.h"
#include "fastdds/rtps/transport/shared_mem/SharedMemTransportDescriptor.h"
#include "fastrtps/utils/IPLocator.h"

#include "quorvex_examples/loopback_participant.hpp"
#include "quorvex_examples/transport_options.hpp"

namespace
{

using eprosima::fastdds::rtps::UDPv4TransportDescriptor;
using quorvex_examples::ParticipantOptions;
using quorvex_examples::TransportOptionParse;
using quorvex_examples::TransportOptions;

// Parses the words as a program's command line would, stopping at the first that is not a
// transport option; returns the last result.
TransportOptionParse parse(
  std::vector<std::string> words, TransportOptions & options, std::string & error)
{
  std::vector<char *> argv;
  for (std::string & word : words) {
    argv.push_back(word.data());
  }
  TransportOptionParse result = TransportOptionParse::kNotTransportOption;
  for (int i = 0; i < static_cast<int>(argv.size()); ++i) {
    result = quorvex_examples::parse_transport_option(
      static_cast<int>(argv.size()), argv.data(), i, options, error);
    if (result != TransportOptionParse::kParsed) {
      break;
    }
  }
  return result;
}

const UDPv4TransportDescriptor * udp_of(
  const eprosima::fastdds::dds::DomainParticipantQos & qos)
{
  const UDPv4TransportDescriptor * udp = nullptr;
  for (const auto & transport : qos.transport().user_transports) {
    if (auto * found = dynamic_cast<const UDPv4TransportDescriptor *>(transport.get())) {
      EXPECT_EQ(nullptr, udp) << "two UDP transports";
      udp = found;
    }
  }
  return udp;
}

class RosEnvironment : public ::testing::Test
{
protected:
  void SetUp() override
  {
    unsetenv("ROS_DOMAIN_ID");
    unsetenv("ROS_LOCALHOST_ONLY");
  }
  void TearDown() override {SetUp();}
};

TEST(TransportOptionParsing, TakesItsOptionsAndRefusesBadAddresses)
{
  TransportOptions options;
  std::string error;
  EXPECT_EQ(
    TransportOptionParse::kParsed,
    parse(
      {"--network", "--bind", "198.18.0.1", "--peer", "198.18.0.2", "--peer", "10.0.0.9"},
      options, error));
  EXPECT_TRUE(options.network);
  EXPECT_EQ(std::vector<std::string>{"198.18.0.1"}, options.bind_addresses);
  EXPECT_EQ((std::vector<std::string>{"198.18.0.2", "10.0.0.9"}), options.peers);

  EXPECT_EQ(TransportOptionParse::kNotTransportOption, parse({"--domain", "3"}, options, error));
  for (const std::vector<std::string> & bad : std::vector<std::vector<std::string>>{
      {"--peer"}, {"--bind", ""}, {"--peer", "198.18.0"}, {"--peer", "198.18.0.256"},
      {"--peer", " 198.18.0.1"}, {"--bind", "host.example"}, {"--peer", "::1"}})
  {
    TransportOptions untouched;
    error.clear();
    EXPECT_EQ(TransportOptionParse::kInvalid, parse(bad, untouched, error)) << bad.back();
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(untouched.peers.empty() && untouched.bind_addresses.empty());
  }
}

TEST_F(RosEnvironment, DomainFromTheEnvironmentUnlessGiven)
{
  TransportOptions options;
  std::string error;
  int64_t domain = 5;
  ASSERT_TRUE(quorvex_examples::read_ros_environment(options, false, domain, error));
  EXPECT_EQ(5, domain);
  setenv("ROS_DOMAIN_ID", "", 1);
  ASSERT_TRUE(quorvex_examples::read_ros_environment(options, false, domain, error));
  EXPECT_EQ(5, domain);
  setenv("ROS_DOMAIN_ID", "42", 1);
  ASSERT_TRUE(quorvex_examples::read_ros_environment(options, false, domain, error));
  EXPECT_EQ(42, domain);
  domain = 7;
  ASSERT_TRUE(quorvex_examples::read_ros_environment(options, true, domain, error));
  EXPECT_EQ(7, domain);
  for (const char * bad : {"233", "-1", "4x", " 4", "99999999999999999999"}) {
    setenv("ROS_DOMAIN_ID", bad, 1);
    error.clear();
    EXPECT_FALSE(quorvex_examples::read_ros_environment(options, false, domain, error)) << bad;
    EXPECT_EQ(7, domain);
    EXPECT_NE(std::string::npos, error.find("ROS_DOMAIN_ID"));
  }
}

TEST_F(RosEnvironment, LocalhostOnlyOverrulesTheNetwork)
{
  ParticipantOptions options;
  options.transport.network = true;
  options.transport.peers = {"198.18.0.2"};
  std::string error;
  int64_t domain = 0;
  setenv("ROS_LOCALHOST_ONLY", "0", 1);
  ASSERT_TRUE(quorvex_examples::read_ros_environment(options.transport, true, domain, error));
  EXPECT_TRUE(options.transport.uses_udp());
  EXPECT_TRUE(quorvex_examples::localhost_only_notice(options.transport).empty());

  setenv("ROS_LOCALHOST_ONLY", "1", 1);
  ASSERT_TRUE(quorvex_examples::read_ros_environment(options.transport, true, domain, error));
  EXPECT_FALSE(options.transport.uses_udp());
  EXPECT_FALSE(quorvex_examples::localhost_only_notice(options.transport).empty());
  const auto qos = quorvex_examples::loopback_participant_qos("test", 0, options);
  EXPECT_EQ(nullptr, udp_of(qos));
  EXPECT_EQ(1u, qos.transport().user_transports.size());
  EXPECT_TRUE(qos.wire_protocol().builtin.initialPeersList.empty());

  // Nothing asked of the network: nothing to say.
  EXPECT_TRUE(quorvex_examples::localhost_only_notice(TransportOptions{}).empty());
}

TEST(NetworkTransport, SharedMemoryAloneWithoutTheNetwork)
{
  ParticipantOptions options;
  options.transport.peers = {"198.18.0.2"};  // --peer without --network changes nothing
  const auto qos = quorvex_examples::loopback_participant_qos("test", 3, options);
  EXPECT_FALSE(qos.transport().use_builtin_transports);
  EXPECT_EQ(nullptr, udp_of(qos));
  EXPECT_TRUE(qos.wire_protocol().builtin.initialPeersList.empty());
  // Writers keep Fast DDS's own flow: no budget limits what shared memory carries.
  EXPECT_TRUE(qos.flow_controllers().empty());
  const auto attributes = quorvex_examples::loopback_rtps_attributes("test", 3, options);
  EXPECT_FALSE(attributes.useBuiltinTransports);
  EXPECT_EQ(1u, attributes.userTransports.size());
  EXPECT_TRUE(attributes.flow_controllers.empty());
}

TEST(NetworkTransport, FrameSizedDataOnTheGivenInterfacesAndRoomForTheHandshake)
{
  ParticipantOptions options;
  options.transport.network = true;
  options.transport.bind_addresses = {"198.18.0.1"};
  const auto qos = quorvex_examples::loopback_participant_qos("test", 3, options);
  EXPECT_FALSE(qos.transport().use_builtin_transports);
  ASSERT_EQ(2u, qos.transport().user_transports.size());
  EXPECT_NE(
    nullptr, dynamic_cast<eprosima::fastdds::rtps::SharedMemTransportDescriptor *>(
      qos.transport().user_transports.front().get()));
  const UDPv4TransportDescriptor * udp = udp_of(qos);
  ASSERT_NE(nullptr, udp);
  // One message per Ethernet frame: 1500 less 20 (IPv4) and 8 (UDP); the writers need no flow
  // controller for that.
  EXPECT_LE(udp->maxMessageSize, 1472u);
  EXPECT_GE(udp->maxMessageSize, 1024u);
  EXPECT_TRUE(qos.flow_controllers().empty());
  EXPECT_EQ(std::vector<std::string>{"198.18.0.1"}, udp->interfaceWhiteList);
  EXPECT_GE(udp->receiveBufferSize, 2u << 20);
  EXPECT_GE(udp->sendBufferSize, 2u << 20);
  // Multicast discovery as Fast DDS sets it up by default: no initial peers given.
  EXPECT_TRUE(qos.wire_protocol().builtin.initialPeersList.empty());

  // The RTPS participant of the server gets the same.
  const auto attributes = quorvex_examples::loopback_rtps_attributes("test", 3, options);
  ASSERT_EQ(2u, attributes.userTransports.size());
  auto * server_udp =
    dynamic_cast<const UDPv4TransportDescriptor *>(attributes.userTransports.back().get());
  ASSERT_NE(nullptr, server_udp);
  EXPECT_EQ(udp->maxMessageSize, server_udp->maxMessageSize);

  // A secured participant: room for the handshake's 5 KB messages, and the service writers' data
  // kept to one frame a message by a flow controller whose period is not 0 (its thread would
  // spin).
  std::vector<std::shared_ptr<eprosima::fastdds::rtps::TransportDescriptorInterface>> transports;
  eprosima::fastrtps::rtps::BuiltinAttributes builtin;
  std::vector<std::shared_ptr<eprosima::fastdds::rtps::FlowControllerDescriptor>> controllers;
  quorvex_examples::add_network_transport(
    options.transport, 3, transports, builtin, true, controllers);
  ASSERT_EQ(1u, transports.size());
  EXPECT_GE(
    dynamic_cast<const UDPv4TransportDescriptor &>(*transports.front()).maxMessageSize, 6u << 10);
  ASSERT_EQ(1u, controllers.size());
  EXPECT_STREQ(quorvex_examples::kOneFrameFlowController, controllers.front()->name);
  EXPECT_EQ(static_cast<int32_t>(udp->maxMessageSize), controllers.front()->max_bytes_per_period);
  EXPECT_GT(controllers.front()->period_ms, 0u);
}

TEST(NetworkTransport, PeersAddUnicastDiscoveryAndKeepMulticast)
{
  using eprosima::fastrtps::rtps::IPLocator;
  ParticipantOptions options;
  options.transport.network = true;
  options.transport.peers = {"198.18.0.2", "198.18.0.3"};
  const uint32_t domain = 3;
  const auto qos = quorvex_examples::loopback_participant_qos("test", domain, options);
  const auto & peers = qos.wire_protocol().builtin.initialPeersList;
  ASSERT_EQ(1u + 2u * quorvex_examples::kPeerParticipants, peers.size());
  size_t multicast = 0, to_first_peer = 0;
  for (const auto & locator : peers) {
    EXPECT_EQ(LOCATOR_KIND_UDPv4, locator.kind);
    if (IPLocator::isMulticast(locator)) {
      ++multicast;
      EXPECT_EQ("239.255.0.1", IPLocator::ip_to_string(locator));
      EXPECT_EQ(7400u + 250u * domain, locator.port);
    } else if (IPLocator::ip_to_string(locator) == "198.18.0.2") {
      // The unicast discovery port of participant `to_first_peer` of that host.
      EXPECT_EQ(7400u + 250u * domain + 10u + 2u * to_first_peer, locator.port);
      ++to_first_peer;
    }
  }
  EXPECT_EQ(1u, multicast);
  EXPECT_EQ(quorvex_examples::kPeerParticipants, to_first_peer);
}

}  // namespace
