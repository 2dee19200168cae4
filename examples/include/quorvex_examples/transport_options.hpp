// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX_EXAMPLES__TRANSPORT_OPTIONS_HPP_
#define QUORVEX_EXAMPLES__TRANSPORT_OPTIONS_HPP_

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "fastdds/rtps/attributes/RTPSParticipantAttributes.h"
#include "fastdds/rtps/flowcontrol/FlowControllerDescriptor.hpp"
#include "fastdds/rtps/transport/TransportDescriptorInterface.h"

namespace quorvex_examples
{

/// How a participant reaches its peers: shared memory alone (the default), or UDPv4 beside it.
struct TransportOptions
{
  /// --network: UDPv4 beside shared memory, multicast discovery.
  bool network = false;
  /// --bind: the local IPv4 addresses UDP may use; empty: every interface.
  std::vector<std::string> bind_addresses;
  /// --peer: IPv4 addresses announced to by unicast, for links without multicast.
  std::vector<std::string> peers;
  /// ROS_LOCALHOST_ONLY=1: nothing leaves this host, whatever the options say.
  bool localhost_only = false;

  /// True when UDP is to be used: --network given and not overruled by ROS_LOCALHOST_ONLY.
  bool uses_udp() const {return network && !localhost_only;}
};

/// What parse_transport_option made of argv[i].
enum class TransportOptionParse {kNotTransportOption, kParsed, kInvalid};

/// Parses --network, --bind ADDR or --peer ADDR at argv[i], advancing `i` past the value it
/// takes. kInvalid, with `error` set, for a missing or malformed value.
TransportOptionParse parse_transport_option(
  int argc, char ** argv, int & i, TransportOptions & options, std::string & error);

/// The same for a program's option loop: an invalid value is reported on stderr, prefixed with
/// `program`.
TransportOptionParse take_transport_option(
  const char * program, int argc, char ** argv, int & i, TransportOptions & options);

/// Reads ROS_LOCALHOST_ONLY into `options` and, unless `domain_given`, ROS_DOMAIN_ID into
/// `domain` (unset or empty: `domain` stays). False, with `error` set, when ROS_DOMAIN_ID is not
/// a domain id; `domain` is then unchanged.
bool read_ros_environment(
  TransportOptions & options, bool domain_given, int64_t & domain, std::string & error);

/// The notice to print when ROS_LOCALHOST_ONLY overrules --network, --bind or --peer; empty
/// when it does not.
std::string localhost_only_notice(const TransportOptions & options);

/// The --help lines of these options and of the environment, shared by the programs.
extern const char kTransportUsage[];

/// UDP payload of a data message: an Ethernet frame of 1500 bytes less the IPv4 and UDP headers
/// (1472), less a margin for tunnels and IP options.
constexpr uint32_t kUdpDataMessageBytes = 1400;
/// The largest UDP message of a secured participant: room for what the security handshake
/// sends whole (about 5 KB).
constexpr uint32_t kUdpMessageBytes = 8192;
/// The flow controller of a secured participant that keeps its service writers' messages to
/// kUdpDataMessageBytes, one message per period: at most 1.4 MB/s.
extern const char kOneFrameFlowController[];
constexpr uint64_t kOneFramePeriodMs = 1;
/// Socket buffers that hold a whole 10,000-point answer (about 1.8 MB) in flight.
constexpr uint32_t kUdpSocketBufferBytes = 4u << 20;
/// Participants per --peer address whose unicast discovery ports are announced to.
constexpr uint32_t kPeerParticipants = 16;

/// Adds the UDPv4 transport and the discovery peers `options` call for to a participant's
/// transports and builtin attributes; adds nothing when they call for shared memory alone.
/// `domain` gives the peers' discovery ports. `room_for_handshake` (a secured participant) makes
/// the messages larger and adds kOneFrameFlowController to `flow_controllers`.
void add_network_transport(
  const TransportOptions & options, uint32_t domain,
  std::vector<std::shared_ptr<eprosima::fastdds::rtps::TransportDescriptorInterface>> &
  transports, eprosima::fastrtps::rtps::BuiltinAttributes & builtin, bool room_for_handshake,
  std::vector<std::shared_ptr<eprosima::fastdds::rtps::FlowControllerDescriptor>> &
  flow_controllers);

}  // namespace quorvex_examples

#endif  // QUORVEX_EXAMPLES__TRANSPORT_OPTIONS_HPP_
