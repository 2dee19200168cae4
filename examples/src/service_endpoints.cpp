// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "quorvex_examples/service_endpoints.hpp"

#include <algorithm>
#include <chrono>
#include <iterator>
#include <limits>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>

#include "fastdds/dds/core/status/PublicationMatchedStatus.hpp"
#include "fastdds/dds/core/status/SubscriptionMatchedStatus.hpp"
#include "fastdds/dds/publisher/qos/DataWriterQos.hpp"
#include "fastdds/dds/publisher/qos/PublisherQos.hpp"
#include "fastdds/dds/subscriber/SampleInfo.hpp"
#include "fastdds/dds/subscriber/qos/DataReaderQos.hpp"
#include "fastdds/dds/subscriber/qos/SubscriberQos.hpp"
#include "fastdds/dds/topic/TypeSupport.hpp"
#include "fastdds/dds/topic/qos/TopicQos.hpp"
#include "fastdds/rtps/RTPSDomain.h"
#include "fastdds/rtps/attributes/HistoryAttributes.h"
#include "fastdds/rtps/attributes/ReaderAttributes.h"
#include "fastdds/rtps/attributes/WriterAttributes.h"
#include "fastdds/rtps/transport/UDPv4TransportDescriptor.h"
#include "fastdds/rtps/common/CacheChange.h"
#include "fastdds/rtps/common/MatchingInfo.h"
#include "fastdds/rtps/common/WriteParams.h"
#include "fastdds/rtps/history/ReaderHistory.h"
#include "fastdds/rtps/history/WriterHistory.h"
#include "fastdds/rtps/interfaces/IReaderDataFilter.hpp"
#include "fastdds/rtps/reader/RTPSReader.h"
#include "fastdds/rtps/reader/ReaderListener.h"
#include "fastdds/rtps/writer/RTPSWriter.h"
#include "fastdds/rtps/writer/WriterListener.h"
#include "fastrtps/attributes/TopicAttributes.h"
#include "fastrtps/qos/ReaderQos.h"
#include "fastrtps/qos/WriterQos.h"

#include "quorvex_examples/security_options.hpp"
#include "quorvex_examples/transport_options.hpp"

namespace quorvex_examples
{

namespace dds = eprosima::fastdds::dds;
namespace rtps = eprosima::fastrtps::rtps;
using ReturnCode_t = eprosima::fastrtps::types::ReturnCode_t;

namespace
{

// Reliable and volatile as ROS 2's default service profile. A server takes up to this many
// requests per service before their writers must wait for it (32 clients are tested at once).
constexpr int32_t kRequestHistory = 256;
// A client has one request in flight.
constexpr int32_t kClientRequestHistory = 10;
// A server that sends every reply to every reader, as ROS 2's do, makes a client's reply reader
// receive the other clients' replies: ROS 2's usual 10 samples would let a burst of them push a
// client's own reply out before it is taken.
constexpr int32_t kReplyHistory = 256;
// How often a server offers the replies not yet acknowledged: a reply lost on the way (a full
// shared-memory segment) is sent again this soon, well within a client's patience.
constexpr int32_t kHeartbeatPeriodMs = 200;
// The same for every writer of a participant that reaches the network: a large reply over a
// lossy link needs several rounds of repair, one per heartbeat, and a lost request would wait
// for Fast DDS's default 3 s one. Heartbeats are only sent while something is unacknowledged.
constexpr int32_t kNetworkHeartbeatPeriodMs = 50;

// True when the participant's UDP messages are larger than a frame (the security handshake's
// room), so that its service writers keep theirs to one through kOneFrameFlowController.
template<typename FlowControllerList>
bool has_one_frame_controller(const FlowControllerList & controllers)
{
  return std::any_of(
    controllers.begin(), controllers.end(), [](const auto & controller) {
      return std::string(controller->name) == kOneFrameFlowController;
    });
}

template<typename TransportList>
bool reaches_network(const TransportList & transports)
{
  return std::any_of(
    transports.begin(), transports.end(), [](const auto & transport) {
      return dynamic_cast<const eprosima::fastdds::rtps::UDPv4TransportDescriptor *>(
        transport.get()) != nullptr;
    });
}

eprosima::fastrtps::Duration_t milliseconds(int32_t count)
{
  return eprosima::fastrtps::Duration_t(0, static_cast<uint32_t>(count) * 1000000u);
}

std::string without_leading_slash(const std::string & name)
{
  return !name.empty() && name.front() == '/' ? name.substr(1) : name;
}

dds::DataWriterQos service_writer_qos(int32_t depth, bool networked, bool one_frame)
{
  dds::DataWriterQos qos;
  qos.reliability().kind = dds::RELIABLE_RELIABILITY_QOS;
  qos.durability().kind = dds::VOLATILE_DURABILITY_QOS;
  // KEEP_LAST: a reader that vanished without a word cannot make a write block.
  qos.history().kind = dds::KEEP_LAST_HISTORY_QOS;
  qos.history().depth = depth;
  // Payload sizes vary by orders of magnitude between samples; memory of a large one is given
  // back with the sample instead of staying in a pool.
  qos.endpoint().history_memory_policy = rtps::DYNAMIC_RESERVE_MEMORY_MODE;
  qos.data_sharing().off();
  if (networked) {
    qos.reliable_writer_qos().times.heartbeatPeriod = milliseconds(kNetworkHeartbeatPeriodMs);
  }
  if (one_frame) {
    qos.publish_mode().kind = dds::ASYNCHRONOUS_PUBLISH_MODE;
    qos.publish_mode().flow_controller_name = kOneFrameFlowController;
  }
  return qos;
}

dds::DataReaderQos service_reader_qos(int32_t depth)
{
  dds::DataReaderQos qos;
  qos.reliability().kind = dds::RELIABLE_RELIABILITY_QOS;
  qos.durability().kind = dds::VOLATILE_DURABILITY_QOS;
  qos.history().kind = dds::KEEP_LAST_HISTORY_QOS;
  qos.history().depth = depth;
  qos.endpoint().history_memory_policy = rtps::DYNAMIC_RESERVE_MEMORY_MODE;
  qos.data_sharing().off();
  return qos;
}

// Several clients of one service in one participant share its topics.
dds::Topic * find_or_create_topic(
  dds::DomainParticipant * participant, const std::string & topic_name,
  const rosidl_message_type_support_t * handle, RecordLifecycle records)
{
  dds::TypeSupport type(new MessageTopicType(handle, records));
  dds::Topic * topic = dynamic_cast<dds::Topic *>(participant->lookup_topicdescription(topic_name));
  if (topic != nullptr) {
    if (topic->get_type_name() != type.get_type_name()) {
      throw std::runtime_error(
              "the topic " + topic_name + " already carries " + topic->get_type_name());
    }
    return topic;
  }
  if (type.register_type(participant) != ReturnCode_t::RETCODE_OK) {
    throw std::runtime_error("Fast DDS refused to register the type " + type.get_type_name());
  }
  topic = participant->create_topic(topic_name, type.get_type_name(), dds::TopicQos());
  if (topic == nullptr) {
    throw std::runtime_error("Fast DDS refused to create the topic " + topic_name);
  }
  return topic;
}

// Fast DDS refused an endpoint pair; with security on, because the enclave may not use a topic:
// the writer's when `writer_refused`, else the reader's.
[[noreturn]] void throw_refused(
  bool writer_refused, const std::string & reader_topic, const std::string & writer_topic,
  const std::string & what)
{
  if (participant_security().enabled) {
    throw EndpointNotPermitted(
            writer_refused ? writer_topic : reader_topic,
            writer_refused ? "publish" : "subscribe to", participant_security().enclave);
  }
  throw std::runtime_error(what);
}

}  // namespace

std::string request_topic_name(const std::string & service_name)
{
  return "rq/" + without_leading_slash(service_name) + "Request";
}

std::string reply_topic_name(const std::string & service_name)
{
  return "rr/" + without_leading_slash(service_name) + "Reply";
}

void DataSignal::notify()
{
  {
    std::lock_guard<std::mutex> lock(mutex_);
    pending_ = true;
  }
  arrived_.notify_all();
}

bool DataSignal::wait_for(std::chrono::milliseconds timeout)
{
  std::unique_lock<std::mutex> lock(mutex_);
  const bool arrived = arrived_.wait_for(lock, timeout, [this] {return pending_;});
  pending_ = false;
  return arrived;
}

ServiceEndpoints::ServiceEndpoints(
  dds::DomainParticipant * participant,
  const std::string & writer_topic, const rosidl_message_type_support_t * writer_type,
  RecordLifecycle writer_records, int32_t writer_depth,
  const std::string & reader_topic, const rosidl_message_type_support_t * reader_type,
  RecordLifecycle reader_records, int32_t reader_depth,
  dds::DataReaderListener * reader_listener)
: participant_(participant)
{
  // On failure the participant's own teardown deletes whatever was created here.
  writer_topic_ = find_or_create_topic(participant_, writer_topic, writer_type, writer_records);
  reader_topic_ = find_or_create_topic(participant_, reader_topic, reader_type, reader_records);
  publisher_ = participant_->create_publisher(dds::PublisherQos());
  subscriber_ = participant_->create_subscriber(dds::SubscriberQos());
  if (publisher_ == nullptr || subscriber_ == nullptr) {
    throw std::runtime_error("Fast DDS refused to create a publisher or subscriber");
  }
  const dds::StatusMask data_mask = reader_listener != nullptr ?
    dds::StatusMask::data_available() : dds::StatusMask::none();
  reader_ = subscriber_->create_datareader(
    reader_topic_, service_reader_qos(reader_depth), reader_listener, data_mask);
  const auto participant_qos = participant_->get_qos();
  writer_ = publisher_->create_datawriter(
    writer_topic_, service_writer_qos(
      writer_depth, reaches_network(participant_qos.transport().user_transports),
      has_one_frame_controller(participant_qos.flow_controllers())));
  if (reader_ == nullptr || writer_ == nullptr) {
    throw_refused(
      writer_ == nullptr, reader_topic, writer_topic,
      "Fast DDS refused to create the endpoints of " + writer_topic);
  }
}

ServiceEndpoints::~ServiceEndpoints()
{
  // Endpoints go first: their listeners belong to the owner and die with it.
  publisher_->delete_datawriter(writer_);
  subscriber_->delete_datareader(reader_);
  participant_->delete_publisher(publisher_);
  participant_->delete_subscriber(subscriber_);
  // Refused, and left to the last user, while other endpoints of the participant use a topic.
  participant_->delete_topic(reader_topic_);
  participant_->delete_topic(writer_topic_);
}

// Everything of a server on Fast DDS's RTPS layer. Fast DDS calls the listeners and the filter
// with the endpoint's mutex held, so that mutex always comes before `mutex_`, and nothing here
// calls Fast DDS while holding `mutex_`.
class ServiceServer::Impl : public rtps::ReaderListener, public rtps::WriterListener,
  public eprosima::fastdds::rtps::IReaderDataFilter
{
public:
  Impl(
    rtps::RTPSParticipant * participant, const std::string & service_name,
    const service_type_support_callbacks_t * service, RecordLifecycle request_records,
    RecordLifecycle response_records, DataSignal * signal, uint32_t max_request_bytes,
    const ReplyRetention & retention);
  ~Impl() override;
  Impl(const Impl &) = delete;
  Impl & operator=(const Impl &) = delete;

  bool take_request(void * request, RequestHeader & header);
  bool reply_reader_ready(const rtps::GUID_t & reader);
  bool send_response(const RequestHeader & header, const void * response);
  // Forgets the acknowledged replies, then the oldest until `bytes` and `replies` more fit.
  void release(size_t bytes, size_t replies);
  ReplyCount kept();
  ReplyCount take_given_up();
  bool wait_for_acknowledgments(std::chrono::milliseconds timeout);

  void onNewCacheChangeAdded(rtps::RTPSReader *, const rtps::CacheChange_t * const) override;
  using rtps::WriterListener::onWriterMatched;
  void onWriterMatched(rtps::RTPSWriter *, rtps::MatchingInfo & info) override;
  bool is_relevant(const rtps::CacheChange_t & change, const rtps::GUID_t & reader) const override;

private:
  struct KeptReply
  {
    rtps::GUID_t reader;
    size_t bytes;
    std::chrono::steady_clock::time_point sent;
  };

  void remove_endpoints();
  std::chrono::steady_clock::time_point sent_at(const rtps::CacheChange_t * change);
  // Forgets the turns of writers that have no request waiting.
  void forget_idle_writers();
  rtps::History::iterator forget(rtps::History::const_iterator change, bool given_up);

  rtps::RTPSParticipant * participant_;
  MessageTopicType request_type_;
  MessageTopicType response_type_;
  DataSignal * signal_;
  uint32_t max_request_bytes_;
  ReplyRetention retention_;
  rtps::ReaderHistory request_history_;
  rtps::WriterHistory reply_history_;
  rtps::RTPSReader * reader_ = nullptr;
  rtps::RTPSWriter * writer_ = nullptr;
  // When each request writer was last served; touched only under the reader's mutex.
  std::map<rtps::GUID_t, uint64_t> last_turns_;
  uint64_t turns_ = 0;

  mutable std::mutex mutex_;
  std::set<rtps::GUID_t> matched_readers_;
  // The reader each reply in the history is for, and its size.
  std::map<const rtps::CacheChange_t *, KeptReply> kept_;
  ReplyCount kept_count_;
  ReplyCount given_up_;
};

ServiceServer::Impl::Impl(
  rtps::RTPSParticipant * participant, const std::string & service_name,
  const service_type_support_callbacks_t * service, RecordLifecycle request_records,
  RecordLifecycle response_records, DataSignal * signal, uint32_t max_request_bytes,
  const ReplyRetention & retention)
: participant_(participant),
  request_type_(service->request_members_, request_records),
  response_type_(service->response_members_, response_records),
  signal_(signal),
  max_request_bytes_(max_request_bytes),
  retention_(retention),
  // Payload memory is taken per sample and given back with it: sizes vary by orders of magnitude.
  request_history_(rtps::HistoryAttributes(
      rtps::DYNAMIC_RESERVE_MEMORY_MODE, request_type_.m_typeSize, 1, kRequestHistory)),
  reply_history_(rtps::HistoryAttributes(
      rtps::DYNAMIC_RESERVE_MEMORY_MODE, response_type_.m_typeSize, 1,
      static_cast<int32_t>(std::clamp<size_t>(
        retention.max_replies, 1, std::numeric_limits<int32_t>::max()))))
{
  if (participant_ == nullptr || signal_ == nullptr) {
    throw std::invalid_argument("a server needs a participant and a signal");
  }
  rtps::ReaderAttributes reader_attributes;
  reader_attributes.endpoint.reliabilityKind = rtps::RELIABLE;
  reader_attributes.endpoint.durabilityKind = rtps::VOLATILE;
  reader_attributes.endpoint.topicKind = rtps::NO_KEY;
  rtps::WriterAttributes writer_attributes;
  writer_attributes.endpoint.reliabilityKind = rtps::RELIABLE;
  writer_attributes.endpoint.durabilityKind = rtps::VOLATILE;
  writer_attributes.endpoint.topicKind = rtps::NO_KEY;
  const auto & participant_attributes = participant_->getRTPSParticipantAttributes();
  writer_attributes.times.heartbeatPeriod = milliseconds(
    reaches_network(participant_attributes.userTransports) ?
    kNetworkHeartbeatPeriodMs : kHeartbeatPeriodMs);
  if (has_one_frame_controller(participant_attributes.flow_controllers)) {
    writer_attributes.mode = rtps::ASYNCHRONOUS_WRITER;
    writer_attributes.flow_controller_name = kOneFrameFlowController;
  }
  const std::string request_topic_text = request_topic_name(service_name);
  const std::string reply_topic_text = reply_topic_name(service_name);
  // Access control decides on an RTPS endpoint by this property, as the DDS layer sets it.
  reader_attributes.endpoint.properties.properties().emplace_back("topic_name", request_topic_text);
  writer_attributes.endpoint.properties.properties().emplace_back("topic_name", reply_topic_text);
  reader_ = rtps::RTPSDomain::createRTPSReader(
    participant_, reader_attributes, &request_history_, this);
  writer_ = rtps::RTPSDomain::createRTPSWriter(
    participant_, writer_attributes, &reply_history_, this);
  if (reader_ == nullptr || writer_ == nullptr) {
    const bool reader_made = reader_ != nullptr;
    remove_endpoints();
    throw_refused(
      reader_made, request_topic_text, reply_topic_text,
      "Fast DDS refused to create the endpoints of " + service_name);
  }
  // Before the writer is announced, so that no reader is ever matched without it.
  writer_->reader_data_filter(this);

  eprosima::fastrtps::TopicAttributes request_topic(
    request_topic_text.c_str(), request_type_.getName(), rtps::NO_KEY);
  eprosima::fastrtps::TopicAttributes reply_topic(
    reply_topic_text.c_str(), response_type_.getName(), rtps::NO_KEY);
  for (auto * topic : {&request_topic, &reply_topic}) {
    // These types have no type object to describe them; peers match them by name.
    topic->auto_fill_type_object = false;
    topic->auto_fill_type_information = false;
  }
  eprosima::fastrtps::ReaderQos reader_qos;
  reader_qos.m_reliability.kind = eprosima::fastrtps::RELIABLE_RELIABILITY_QOS;
  reader_qos.m_durability.kind = eprosima::fastrtps::VOLATILE_DURABILITY_QOS;
  eprosima::fastrtps::WriterQos writer_qos;
  writer_qos.m_reliability.kind = eprosima::fastrtps::RELIABLE_RELIABILITY_QOS;
  writer_qos.m_durability.kind = eprosima::fastrtps::VOLATILE_DURABILITY_QOS;
  const bool reader_registered = participant_->registerReader(reader_, request_topic, reader_qos);
  if (!reader_registered || !participant_->registerWriter(writer_, reply_topic, writer_qos)) {
    remove_endpoints();
    throw_refused(
      reader_registered, request_topic_text, reply_topic_text,
      "Fast DDS refused to announce the endpoints of " + service_name);
  }
}

ServiceServer::Impl::~Impl()
{
  remove_endpoints();
}

void ServiceServer::Impl::remove_endpoints()
{
  // They call this object back until they are gone; the histories outlive them.
  if (writer_ != nullptr) {
    rtps::RTPSDomain::removeRTPSWriter(writer_);
    writer_ = nullptr;
  }
  if (reader_ != nullptr) {
    rtps::RTPSDomain::removeRTPSReader(reader_);
    reader_ = nullptr;
  }
}

bool ServiceServer::Impl::take_request(void * request, RequestHeader & header)
{
  std::lock_guard<eprosima::fastrtps::RecursiveTimedMutex> lock(reader_->getMutex());
  for (;; ) {
    // Writers take turns, oldest request first within each: one client's burst of requests does
    // not make another client's request wait behind all of it.
    auto chosen = request_history_.changesEnd();
    uint64_t chosen_turn = std::numeric_limits<uint64_t>::max();
    for (auto change = request_history_.changesBegin(); change != request_history_.changesEnd();
      ++change)
    {
      if (!(*change)->is_fully_assembled()) {
        continue;
      }
      const auto served = last_turns_.find((*change)->writerGUID);
      const uint64_t turn = served == last_turns_.end() ? 0 : served->second;
      if (turn < chosen_turn) {
        chosen = change;
        chosen_turn = turn;
      }
    }
    if (chosen == request_history_.changesEnd()) {
      return false;
    }
    rtps::CacheChange_t * sample = *chosen;
    last_turns_[sample->writerGUID] = ++turns_;
    bool usable = sample->kind == rtps::ALIVE;
    header.request_id = rtps::SampleIdentity();
    header.request_id.writer_guid(sample->writerGUID);
    header.request_id.sequence_number(sample->sequenceNumber);
    // A ROS 2 client names its reply reader here.
    header.reply_reader = sample->write_params.sample_identity().writer_guid();
    header.refused_bytes = 0;
    if (usable && max_request_bytes_ != 0 &&
      sample->serializedPayload.length > max_request_bytes_)
    {
      // Decoding would allocate as much again, only for the request to be refused.
      header.refused_bytes = sample->serializedPayload.length;
    } else if (usable) {
      // A truncated or forged payload is skipped.
      usable = request_type_.deserialize(&sample->serializedPayload, request);
    }
    request_history_.remove_change(chosen);
    if (last_turns_.size() > 4 * static_cast<size_t>(kRequestHistory)) {
      forget_idle_writers();
    }
    if (usable) {
      return true;
    }
  }
}

void ServiceServer::Impl::forget_idle_writers()
{
  std::set<rtps::GUID_t> waiting;
  for (auto change = request_history_.changesBegin(); change != request_history_.changesEnd();
    ++change)
  {
    waiting.insert((*change)->writerGUID);
  }
  for (auto writer = last_turns_.begin(); writer != last_turns_.end(); ) {
    writer = waiting.count(writer->first) > 0 ? std::next(writer) : last_turns_.erase(writer);
  }
}

bool ServiceServer::Impl::reply_reader_ready(const rtps::GUID_t & reader)
{
  std::lock_guard<std::mutex> lock(mutex_);
  return matched_readers_.count(reader) > 0;
}

bool ServiceServer::Impl::send_response(const RequestHeader & header, const void * response)
{
  if (header.reply_reader == rtps::GUID_t::unknown()) {
    return false;
  }
  // Fast DDS's type interface only reads the sample; it just predates const.
  void * data = const_cast<void *>(response);
  const uint32_t size = response_type_.getSerializedSizeProvider(data)();
  release(size, 1);
  rtps::CacheChange_t * change = writer_->new_change([size]() {return size;}, rtps::ALIVE);
  if (change == nullptr) {
    return false;
  }
  if (!response_type_.serialize(data, &change->serializedPayload)) {
    writer_->release_change(change);
    return false;
  }
  {
    std::lock_guard<std::mutex> lock(mutex_);
    kept_[change] = KeptReply{
      header.reply_reader, change->serializedPayload.length, std::chrono::steady_clock::now()};
    kept_count_.replies += 1;
    kept_count_.bytes += change->serializedPayload.length;
  }
  rtps::WriteParams params;
  params.related_sample_identity(header.request_id);
  if (reply_history_.add_change(change, params)) {
    return true;
  }
  {
    std::lock_guard<std::mutex> lock(mutex_);
    kept_.erase(change);
    kept_count_.replies -= 1;
    kept_count_.bytes -= change->serializedPayload.length;
  }
  writer_->release_change(change);
  return false;
}

void ServiceServer::Impl::release(size_t bytes, size_t replies)
{
  std::lock_guard<eprosima::fastrtps::RecursiveTimedMutex> lock(writer_->getMutex());
  for (auto change = reply_history_.changesBegin(); change != reply_history_.changesEnd(); ) {
    // A reply no matched reader awaits counts as acknowledged: its reader is gone.
    change = writer_->is_acked_by_all(*change) ? forget(change, false) : std::next(change);
  }
  const auto oldest_kept = std::chrono::steady_clock::now() - retention_.max_age;
  while (reply_history_.changesBegin() != reply_history_.changesEnd()) {
    const ReplyCount now = kept();
    if (now.replies + replies <= retention_.max_replies &&
      now.bytes + bytes <= retention_.max_bytes &&
      sent_at(*reply_history_.changesBegin()) >= oldest_kept)
    {
      break;
    }
    forget(reply_history_.changesBegin(), true);
  }
}

rtps::History::iterator ServiceServer::Impl::forget(
  rtps::History::const_iterator change, bool given_up)
{
  {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto kept = kept_.find(*change);
    if (kept != kept_.end()) {
      kept_count_.replies -= 1;
      kept_count_.bytes -= kept->second.bytes;
      if (given_up) {
        given_up_.replies += 1;
        given_up_.bytes += kept->second.bytes;
      }
      kept_.erase(kept);
    }
  }
  return reply_history_.remove_change(change);
}

std::chrono::steady_clock::time_point ServiceServer::Impl::sent_at(
  const rtps::CacheChange_t * change)
{
  std::lock_guard<std::mutex> lock(mutex_);
  const auto kept = kept_.find(change);
  return kept == kept_.end() ? std::chrono::steady_clock::time_point() : kept->second.sent;
}

ReplyCount ServiceServer::Impl::kept()
{
  std::lock_guard<std::mutex> lock(mutex_);
  return kept_count_;
}

ReplyCount ServiceServer::Impl::take_given_up()
{
  std::lock_guard<std::mutex> lock(mutex_);
  const ReplyCount given_up = given_up_;
  given_up_ = ReplyCount();
  return given_up;
}

bool ServiceServer::Impl::wait_for_acknowledgments(std::chrono::milliseconds timeout)
{
  return writer_->wait_for_all_acked(
    eprosima::fastrtps::Duration_t(static_cast<long double>(timeout.count()) / 1000.0L));
}

void ServiceServer::Impl::onNewCacheChangeAdded(
  rtps::RTPSReader *, const rtps::CacheChange_t * const)
{
  signal_->notify();
}

void ServiceServer::Impl::onWriterMatched(rtps::RTPSWriter *, rtps::MatchingInfo & info)
{
  std::lock_guard<std::mutex> lock(mutex_);
  if (info.status == rtps::MATCHED_MATCHING) {
    matched_readers_.insert(info.remoteEndpointGuid);
  } else {
    matched_readers_.erase(info.remoteEndpointGuid);
  }
}

bool ServiceServer::Impl::is_relevant(
  const rtps::CacheChange_t & change, const rtps::GUID_t & reader) const
{
  std::lock_guard<std::mutex> lock(mutex_);
  const auto kept = kept_.find(&change);
  return kept != kept_.end() && kept->second.reader == reader;
}

ServiceServer::ServiceServer(
  rtps::RTPSParticipant * participant, const std::string & service_name,
  const rosidl_service_type_support_t * handle, RecordLifecycle request_records,
  RecordLifecycle response_records, DataSignal * signal, uint32_t max_request_bytes,
  const ReplyRetention & retention)
: impl_(std::make_unique<Impl>(
      participant, service_name, fastcdr_service_callbacks(handle), request_records,
      response_records, signal, max_request_bytes, retention))
{
}

ServiceServer::~ServiceServer() = default;

bool ServiceServer::take_request(void * request, RequestHeader & header)
{
  return impl_->take_request(request, header);
}

bool ServiceServer::reply_reader_ready(const RequestHeader & header)
{
  return header.reply_reader != rtps::GUID_t::unknown() &&
         impl_->reply_reader_ready(header.reply_reader);
}

bool ServiceServer::send_response(const RequestHeader & header, const void * response)
{
  return impl_->send_response(header, response);
}

void ServiceServer::release_acknowledged()
{
  impl_->release(0, 0);
}

ReplyCount ServiceServer::kept()
{
  return impl_->kept();
}

ReplyCount ServiceServer::take_given_up()
{
  return impl_->take_given_up();
}

bool ServiceServer::wait_for_acknowledgments(std::chrono::milliseconds timeout)
{
  return impl_->wait_for_acknowledgments(timeout);
}

// Own replies kept at most: one per request in flight, plus late ones to requests given up on.
constexpr size_t kMaxOwnReplies = 16;

ServiceClient::ReplySorter::ReplySorter(RecordLifecycle records)
: records_(records)
{
}

ServiceClient::ReplySorter::~ReplySorter()
{
  for (const Reply & reply : own_replies_) {
    records_.destroy(reply.record);
  }
}

void ServiceClient::ReplySorter::set_own_writer(const rtps::GUID_t & writer)
{
  std::lock_guard<std::mutex> lock(mutex_);
  own_writer_ = writer;
}

void ServiceClient::ReplySorter::on_data_available(dds::DataReader * reader)
{
  for (;; ) {
    void * record = records_.create();
    dds::SampleInfo info;
    if (reader->take_next_sample(record, &info) != ReturnCode_t::RETCODE_OK) {
      records_.destroy(record);
      return;
    }
    bool own = false;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      own = info.valid_data && own_writer_ != rtps::GUID_t::unknown() &&
        info.related_sample_identity.writer_guid() == own_writer_;
      if (own) {
        if (own_replies_.size() == kMaxOwnReplies) {
          records_.destroy(own_replies_.front().record);
          own_replies_.pop_front();
        }
        own_replies_.push_back({info.related_sample_identity, record});
      }
    }
    if (own) {
      signal_.notify();
    } else {
      records_.destroy(record);
    }
  }
}

bool ServiceClient::ReplySorter::take_own(void * response, rtps::SampleIdentity & reply_to)
{
  Reply reply;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (own_replies_.empty()) {
      return false;
    }
    reply = own_replies_.front();
    own_replies_.pop_front();
  }
  records_.move(reply.record, response);
  records_.destroy(reply.record);
  reply_to = reply.reply_to;
  return true;
}

ServiceClient::ServiceClient(
  dds::DomainParticipant * participant, const std::string & service_name,
  const rosidl_service_type_support_t * handle, RecordLifecycle request_records,
  RecordLifecycle response_records)
: sorter_(response_records),
  endpoints_(
    participant,
    request_topic_name(service_name), fastcdr_service_callbacks(handle)->request_members_,
    request_records, kClientRequestHistory,
    reply_topic_name(service_name), fastcdr_service_callbacks(handle)->response_members_,
    response_records, kReplyHistory,
    &sorter_)
{
  sorter_.set_own_writer(endpoints_.writer()->guid());
}

bool ServiceClient::wait_for_server(std::chrono::milliseconds timeout, const Cancel & cancelled)
{
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;; ) {
    dds::PublicationMatchedStatus writer_status;
    dds::SubscriptionMatchedStatus reader_status;
    endpoints_.writer()->get_publication_matched_status(writer_status);
    endpoints_.reader()->get_subscription_matched_status(reader_status);
    if (writer_status.current_count > 0 && reader_status.current_count > 0) {
      return true;
    }
    if (std::chrono::steady_clock::now() >= deadline || (cancelled && cancelled())) {
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

std::string ServiceClient::describe_matches() const
{
  dds::PublicationMatchedStatus writer_status;
  dds::SubscriptionMatchedStatus reader_status;
  endpoints_.writer()->get_publication_matched_status(writer_status);
  endpoints_.reader()->get_subscription_matched_status(reader_status);
  const auto plural = [](int32_t count, const char * what) {
      return std::to_string(count) + " " + what + (count == 1 ? "" : "s");
    };
  return plural(writer_status.current_count, "request reader") + " and " +
         plural(reader_status.current_count, "reply writer") + " matched";
}

bool ServiceClient::send_request(const void * request, rtps::SampleIdentity & request_id)
{
  rtps::WriteParams params;
  params.related_sample_identity().writer_guid(endpoints_.reader()->guid());
  if (!endpoints_.writer()->write(const_cast<void *>(request), params)) {
    return false;
  }
  request_id = params.sample_identity();
  return true;
}

bool ServiceClient::wait_for_response(
  const rtps::SampleIdentity & request_id, void * response, std::chrono::milliseconds timeout,
  const Cancel & cancelled)
{
  // Short slices, so that a cancellation is seen soon.
  constexpr std::chrono::milliseconds kSlice{100};
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;; ) {
    rtps::SampleIdentity reply_to;
    while (sorter_.take_own(response, reply_to)) {
      if (reply_to == request_id) {
        return true;
      }
      // A late reply to an earlier request that was given up on.
    }
    const auto now = std::chrono::steady_clock::now();
    if (now >= deadline || (cancelled && cancelled())) {
      return false;
    }
    sorter_.signal().wait_for(
      std::min(kSlice, std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now)));
  }
}

}  // namespace quorvex_examples
