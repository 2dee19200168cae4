// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "quorvex_examples/transport_options.hpp"

#include <arpa/inet.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "fastdds/rtps/common/PortParameters.h"
#include "fastdds/rtps/transport/UDPv4TransportDescriptor.h"
#include "fastrtps/utils/IPLocator.h"

#include "quorvex_examples/command_line.hpp"
#include "quorvex_examples/printable.hpp"

namespace quorvex_examples
{

namespace rtps = eprosima::fastrtps::rtps;

const char kTransportUsage[] =
  "  --network             UDPv4 beside shared memory, to reach other computers; discovery\n"
  "                        by multicast (default: shared memory only, no network socket)\n"
  "  --bind ADDR           with --network, use only the local IPv4 address ADDR; repeatable\n"
  "  --peer ADDR           with --network, also announce to ADDR by unicast, for networks\n"
  "                        without multicast; repeatable\n"
  "environment: ROS_DOMAIN_ID gives the domain when --domain is not given;\n"
  "ROS_LOCALHOST_ONLY=1 keeps everything on this host: --network, --bind and --peer are then\n"
  "ignored, with a notice\n";

namespace
{

bool is_ipv4_address(const std::string & text)
{
  in_addr address;
  return inet_pton(AF_INET, text.c_str(), &address) == 1;
}

}  // namespace

TransportOptionParse parse_transport_option(
  int argc, char ** argv, int & i, TransportOptions & options, std::string & error)
{
  const std::string name = argv[i];
  if (name == "--network") {
    options.network = true;
    return TransportOptionParse::kParsed;
  }
  if (name != "--bind" && name != "--peer") {
    return TransportOptionParse::kNotTransportOption;
  }
  if (i + 1 >= argc) {
    error = name + " needs a value";
    return TransportOptionParse::kInvalid;
  }
  const std::string value = argv[++i];
  if (!is_ipv4_address(value)) {
    error = "invalid value '" + printable(value, 100) + "' for " + name +
      ": expected an IPv4 address such as 192.168.1.20";
    return TransportOptionParse::kInvalid;
  }
  (name == "--bind" ? options.bind_addresses : options.peers).push_back(value);
  return TransportOptionParse::kParsed;
}

TransportOptionParse take_transport_option(
  const char * program, int argc, char ** argv, int & i, TransportOptions & options)
{
  std::string error;
  const TransportOptionParse parsed = parse_transport_option(argc, argv, i, options, error);
  if (parsed == TransportOptionParse::kInvalid) {
    std::cerr << program << ": " << error << "\n";
  }
  return parsed;
}

bool read_ros_environment(
  TransportOptions & options, bool domain_given, int64_t & domain, std::string & error)
{
  const char * localhost_only = std::getenv("ROS_LOCALHOST_ONLY");
  options.localhost_only = localhost_only != nullptr && std::string(localhost_only) == "1";
  const char * domain_text = std::getenv("ROS_DOMAIN_ID");
  // As in ROS 2, an empty value means the default.
  if (domain_given || domain_text == nullptr || domain_text[0] == '\0') {
    return true;
  }
  if (!parse_integer(domain_text, 0, kMaxDomainId, domain)) {
    error = "invalid ROS_DOMAIN_ID '" + printable(domain_text, 100) +
      "': expected a whole number in 0.." + std::to_string(kMaxDomainId);
    return false;
  }
  return true;
}

std::string localhost_only_notice(const TransportOptions & options)
{
  if (!options.localhost_only ||
    (!options.network && options.bind_addresses.empty() && options.peers.empty()))
  {
    return "";
  }
  return "ROS_LOCALHOST_ONLY=1: --network, --bind and --peer are ignored; "
         "only this host is reached, over shared memory";
}

const char kOneFrameFlowController[] = "quorvex_one_frame";

void add_network_transport(
  const TransportOptions & options, uint32_t domain,
  std::vector<std::shared_ptr<eprosima::fastdds::rtps::TransportDescriptorInterface>> &
  transports, rtps::BuiltinAttributes & builtin, bool room_for_handshake,
  std::vector<std::shared_ptr<eprosima::fastdds::rtps::FlowControllerDescriptor>> &
  flow_controllers)
{
  if (!options.uses_udp()) {
    return;
  }
  auto udp = std::make_shared<eprosima::fastdds::rtps::UDPv4TransportDescriptor>();
  // Fast DDS 2.9 splits data into pieces of its transports' smallest message size, and IP splits
  // a message larger than a frame: with 64 KB messages one frame lost on the link loses the whole
  // message, and at 10% frame loss a large reply is never repaired. Even at 6 KB (4 frames) or
  // 8 KB the frames of incomplete datagrams fill the receiver's reassembly queue (kept 30 s)
  // until it drops every fragment. Messages of one frame are lost and repaired one at a time.
  udp->maxMessageSize = kUdpDataMessageBytes;
  if (room_for_handshake) {
    // The security handshake sends about 5 KB whole and cannot be split ("Cannot serialize
    // ParticipantGenericMessage" below that). So the transport takes 8 KB messages, and the
    // service writers send through a flow controller whose budget is one frame: Fast DDS never
    // puts more than a controller's budget in one message. That budget is per period, so it
    // also sets a rate; a period of 0 would spin the controller's thread on a core.
    udp->maxMessageSize = kUdpMessageBytes;
    auto one_frame = std::make_shared<eprosima::fastdds::rtps::FlowControllerDescriptor>();
    one_frame->name = kOneFrameFlowController;
    one_frame->max_bytes_per_period = static_cast<int32_t>(kUdpDataMessageBytes);
    one_frame->period_ms = kOneFramePeriodMs;
    flow_controllers.push_back(one_frame);
  }
  // A whole large reply is written at once; buffers that hold it spare the writer from blocking
  // and the reader from dropping datagrams while it works through them. The kernel caps them at
  // net.core.wmem_max / rmem_max.
  udp->sendBufferSize = kUdpSocketBufferBytes;
  udp->receiveBufferSize = kUdpSocketBufferBytes;
  udp->interfaceWhiteList = options.bind_addresses;
  transports.push_back(udp);

  if (!options.peers.empty()) {
    // Initial peers replace the default multicast announcement: keep it, so that --peer adds
    // unicast discovery rather than replacing multicast.
    rtps::PortParameters ports;
    rtps::Locator_t multicast;
    rtps::IPLocator::createLocator(
      LOCATOR_KIND_UDPv4, "239.255.0.1", ports.getMulticastPort(domain), multicast);
    builtin.initialPeersList.push_back(multicast);
    for (const std::string & peer : options.peers) {
      for (uint32_t participant = 0; participant < kPeerParticipants; ++participant) {
        rtps::Locator_t locator;
        rtps::IPLocator::createLocator(
          LOCATOR_KIND_UDPv4, peer, ports.getUnicastPort(domain, participant), locator);
        builtin.initialPeersList.push_back(locator);
      }
    }
  }
}

}  // namespace quorvex_examples
