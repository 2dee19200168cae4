// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX_EXAMPLES__LOOPBACK_PARTICIPANT_HPP_
#define QUORVEX_EXAMPLES__LOOPBACK_PARTICIPANT_HPP_

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "fastdds/dds/domain/DomainParticipant.hpp"
#include "fastdds/dds/domain/qos/DomainParticipantQos.hpp"
#include "fastdds/rtps/attributes/RTPSParticipantAttributes.h"
#include "fastdds/rtps/participant/RTPSParticipant.h"
#include "fastdds/rtps/transport/shared_mem/SharedMemTransportDescriptor.h"

#include "quorvex_examples/security_options.hpp"
#include "quorvex_examples/transport_options.hpp"

namespace quorvex_examples
{

/// Takes away what would let Fast DDS reconfigure the participants behind the program's back:
/// the XML profile files (FASTRTPS_DEFAULT_PROFILES_FILE, ./DEFAULT_FASTRTPS_PROFILES.xml) and
/// the discovery-server redirection (ROS_DISCOVERY_SERVER, FASTDDS_ENVIRONMENT_FILE).
/// Returns one line per setting that was present and is now ignored, for the user to see.
/// Call before any other Fast DDS function and before starting threads (it edits the environment).
std::vector<std::string> neutralize_fastdds_redirects();

/// Fast DDS's shared-memory transport with the segment size the demo's messages need.
std::shared_ptr<eprosima::fastdds::rtps::SharedMemTransportDescriptor> loopback_transport();

/// Everything the command line and the environment say about a participant besides its domain
/// and name. The two functions below are the one place where a participant is assembled from it.
struct ParticipantOptions
{
  TransportOptions transport;
};

/// Participant QoS built from scratch: the shared-memory transport and, when `options` ask for
/// the network, UDPv4 beside it. By default no UDP, so nothing leaves the machine.
eprosima::fastdds::dds::DomainParticipantQos loopback_participant_qos(
  const std::string & name, uint32_t domain_id = 0,
  const ParticipantOptions & options = ParticipantOptions());

/// The same for a participant of Fast DDS's RTPS layer, where a server decides itself which
/// reader each reply goes to.
eprosima::fastrtps::rtps::RTPSParticipantAttributes loopback_rtps_attributes(
  const std::string & name, uint32_t domain_id = 0,
  const ParticipantOptions & options = ParticipantOptions());

/// A participant with loopback_participant_qos; deletes itself and all it contains.
class LoopbackParticipant
{
public:
  /// Throws std::runtime_error when Fast DDS refuses to create the participant.
  LoopbackParticipant(
    uint32_t domain_id, const std::string & name,
    const ParticipantOptions & options = ParticipantOptions());
  ~LoopbackParticipant();
  LoopbackParticipant(const LoopbackParticipant &) = delete;
  LoopbackParticipant & operator=(const LoopbackParticipant &) = delete;

  eprosima::fastdds::dds::DomainParticipant * get() const {return participant_;}

private:
  eprosima::fastdds::dds::DomainParticipant * participant_;
};

/// An RTPS participant with loopback_rtps_attributes. Its endpoints must be removed before it.
class LoopbackRtpsParticipant
{
public:
  /// Throws std::runtime_error when Fast DDS refuses to create the participant.
  LoopbackRtpsParticipant(
    uint32_t domain_id, const std::string & name,
    const ParticipantOptions & options = ParticipantOptions());
  ~LoopbackRtpsParticipant();
  LoopbackRtpsParticipant(const LoopbackRtpsParticipant &) = delete;
  LoopbackRtpsParticipant & operator=(const LoopbackRtpsParticipant &) = delete;

  eprosima::fastrtps::rtps::RTPSParticipant * get() const {return participant_;}

private:
  eprosima::fastrtps::rtps::RTPSParticipant * participant_;
};

/// Takes argv[i] (and its value) when it is one of the security or transport options; says on
/// stderr, after `program`, why a bad one is refused. kParsed means `i` moved past the option.
TransportOptionParse take_participant_option(
  const char * program, int argc, char ** argv, int & i, SecurityOptions & security,
  ParticipantOptions & participant);

}  // namespace quorvex_examples

#endif  // QUORVEX_EXAMPLES__LOOPBACK_PARTICIPANT_HPP_
