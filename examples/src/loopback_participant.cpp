// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "quorvex_examples/loopback_participant.hpp"

#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "fastdds/dds/domain/DomainParticipantFactory.hpp"
#include "fastdds/rtps/RTPSDomain.h"
#include "quorvex_examples/security_options.hpp"

namespace quorvex_examples
{

namespace
{

// Large enough for a whole 10,000-point trajectory answer (about 1.8 MB) to be in flight at once,
// so that it need not wait for retransmissions.
constexpr uint32_t kSegmentSize = 8u * 1024u * 1024u;

}  // namespace

std::vector<std::string> neutralize_fastdds_redirects()
{
  std::vector<std::string> notes;
  for (const char * name :
    {"FASTRTPS_DEFAULT_PROFILES_FILE", "FASTDDS_ENVIRONMENT_FILE", "ROS_DISCOVERY_SERVER"})
  {
    const char * value = std::getenv(name);
    if (value != nullptr) {
      notes.push_back(std::string("ignoring ") + name + "=" + value);
      unsetenv(name);
    }
  }
  if (access("DEFAULT_FASTRTPS_PROFILES.xml", F_OK) == 0) {
    notes.emplace_back("ignoring ./DEFAULT_FASTRTPS_PROFILES.xml");
  }
  // Fast DDS would otherwise load that file from the working directory on its own.
  setenv("SKIP_DEFAULT_XML_FILE", "1", 1);
  return notes;
}

std::shared_ptr<eprosima::fastdds::rtps::SharedMemTransportDescriptor> loopback_transport()
{
  auto shm = std::make_shared<eprosima::fastdds::rtps::SharedMemTransportDescriptor>();
  shm->segment_size(kSegmentSize);
  return shm;
}

eprosima::fastdds::dds::DomainParticipantQos loopback_participant_qos(
  const std::string & name, uint32_t domain_id, const ParticipantOptions & options)
{
  // Built fresh: PARTICIPANT_QOS_DEFAULT is what an XML profile may have changed.
  eprosima::fastdds::dds::DomainParticipantQos qos;
  qos.name(name);
  qos.transport().use_builtin_transports = false;
  qos.transport().user_transports.push_back(loopback_transport());
  add_network_transport(
    options.transport, domain_id, qos.transport().user_transports, qos.wire_protocol().builtin,
    participant_security().enabled, qos.flow_controllers());
  add_security_properties(participant_security(), qos.properties());
  return qos;
}

eprosima::fastrtps::rtps::RTPSParticipantAttributes loopback_rtps_attributes(
  const std::string & name, uint32_t domain_id, const ParticipantOptions & options)
{
  eprosima::fastrtps::rtps::RTPSParticipantAttributes attributes;
  attributes.setName(name.c_str());
  attributes.useBuiltinTransports = false;
  attributes.userTransports.push_back(loopback_transport());
  add_network_transport(
    options.transport, domain_id, attributes.userTransports, attributes.builtin,
    participant_security().enabled, attributes.flow_controllers);
  add_security_properties(participant_security(), attributes.properties);
  return attributes;
}

TransportOptionParse take_participant_option(
  const char * program, int argc, char ** argv, int & i, SecurityOptions & security,
  ParticipantOptions & participant)
{
  try {
    if (take_security_option(argc, argv, i, security)) {
      return TransportOptionParse::kParsed;
    }
  } catch (const std::invalid_argument & error) {
    std::cerr << program << ": " << error.what() << "\n";
    return TransportOptionParse::kInvalid;
  }
  return take_transport_option(program, argc, argv, i, participant.transport);
}

LoopbackParticipant::LoopbackParticipant(
  uint32_t domain_id, const std::string & name, const ParticipantOptions & options)
: participant_(eprosima::fastdds::dds::DomainParticipantFactory::get_instance()->
    create_participant(domain_id, loopback_participant_qos(name, domain_id, options)))
{
  if (participant_ == nullptr) {
    throw std::runtime_error(
            "Fast DDS could not create a participant on domain " + std::to_string(domain_id));
  }
}

LoopbackParticipant::~LoopbackParticipant()
{
  participant_->delete_contained_entities();
  auto * factory = eprosima::fastdds::dds::DomainParticipantFactory::get_instance();
  factory->delete_participant(participant_);
}

LoopbackRtpsParticipant::LoopbackRtpsParticipant(
  uint32_t domain_id, const std::string & name, const ParticipantOptions & options)
: participant_(eprosima::fastrtps::rtps::RTPSDomain::createParticipant(
      domain_id, loopback_rtps_attributes(name, domain_id, options)))
{
  if (participant_ == nullptr) {
    throw std::runtime_error(
            "Fast DDS could not create a participant on domain " + std::to_string(domain_id));
  }
}

LoopbackRtpsParticipant::~LoopbackRtpsParticipant()
{
  eprosima::fastrtps::rtps::RTPSDomain::removeRTPSParticipant(participant_);
}

}  // namespace quorvex_examples
