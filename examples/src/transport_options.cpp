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

void add_network_transport(
  const TransportOptions & options, uint32_t domain,
  std::vector<std::shared_ptr<eprosima::fastdds::rtps::TransportDescriptorInterface>> &
  transports, rtps::BuiltinAttributes & builtin)
{
  if (!options.uses_udp()) {
    return;
  }
  auto udp = std::make_shared<eprosima::fastdds::rtps::UDPv4TransportDescriptor>();
  // Fast DDS 2.9 fragments data at the smallest message size of the participant's transports;
  // there is no separate fragment size. Messages of the default 64 KB are split by IP into some
  // 45 frames, and one frame lost on the link loses the whole message: at 10% frame loss almost
  // none arrives, and a large reply is never repaired. Messages that fit one frame are lost one
  // at a time and repaired one at a time, so that is the size, unless a layer needs larger
  // messages whole (the security handshake's do not fit a frame). Raising it has a price on a
  // lossy link: at 8 KB (6 frames a message) and 10% frame loss, 10,000-point replies were not
  // repaired within 10 s, as the frames of incomplete datagrams fill the kernel's reassembly
  // queue (kept 30 s) until it drops every fragment. Fast DDS 2.9 offers no separate fragment
  // size for data, so a secured participant trades that away for its handshake.
  udp->maxMessageSize = std::max(kUdpMessageBytes, options.min_udp_message_bytes);
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
