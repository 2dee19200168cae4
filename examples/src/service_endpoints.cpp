// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "quorvex_examples/service_endpoints.hpp"

#include <algorithm>
#include <chrono>
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
#include "fastdds/rtps/common/InstanceHandle.h"
#include "fastdds/rtps/common/WriteParams.h"

namespace quorvex_examples
{

namespace dds = eprosima::fastdds::dds;
namespace rtps = eprosima::fastrtps::rtps;
using ReturnCode_t = eprosima::fastrtps::types::ReturnCode_t;

namespace
{

// Reliable and volatile as ROS 2's default service profile, with histories sized for the load
// the demo is tested at (32 clients of each service, each with one request in flight): every
// client's reply reader receives every client's replies, so ROS 2's usual 10 samples would let
// a burst of other clients' replies push a client's own reply out before it is taken.
constexpr int32_t kRequestHistory = 256;
constexpr int32_t kReplyHistory = 256;
// A client has one request in flight. A server's reply history holds replies until each reader
// has them, and every client's reader gets every client's replies: a client starved of CPU for a
// moment falls behind by the others' replies, and a reply pushed out of the history before it
// got it is lost to it. 64 was seen to lose one reply in 1,280 with 32 clients; a vanished
// reader keeps at most this many alive until it is found gone.
constexpr int32_t kClientRequestHistory = 10;
constexpr int32_t kServerReplyHistory = 256;

std::string without_leading_slash(const std::string & name)
{
  return !name.empty() && name.front() == '/' ? name.substr(1) : name;
}

dds::DataWriterQos service_writer_qos(int32_t depth)
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

}  // namespace

std::string request_topic_name(const std::string & service_name)
{
  return "rq/" + without_leading_slash(service_name) + "Request";
}

std::string reply_topic_name(const std::string & service_name)
{
  return "rr/" + without_leading_slash(service_name) + "Reply";
}

void DataSignal::on_data_available(dds::DataReader *)
{
  notify();
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

void MatchedReaders::on_publication_matched(
  dds::DataWriter *, const dds::PublicationMatchedStatus & status)
{
  const rtps::GUID_t reader = rtps::iHandle2GUID(status.last_subscription_handle);
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (status.current_count_change > 0) {
      readers_.insert(reader);
    } else if (status.current_count_change < 0) {
      readers_.erase(reader);
    }
  }
  changed_.notify_all();
}

bool MatchedReaders::wait_for(const rtps::GUID_t & reader, std::chrono::milliseconds timeout)
{
  std::unique_lock<std::mutex> lock(mutex_);
  return changed_.wait_for(lock, timeout, [this, &reader] {return readers_.count(reader) > 0;});
}

ServiceEndpoints::ServiceEndpoints(
  dds::DomainParticipant * participant,
  const std::string & writer_topic, const rosidl_message_type_support_t * writer_type,
  RecordLifecycle writer_records, int32_t writer_depth,
  const std::string & reader_topic, const rosidl_message_type_support_t * reader_type,
  RecordLifecycle reader_records, int32_t reader_depth,
  dds::DataReaderListener * reader_listener, dds::DataWriterListener * writer_listener)
: participant_(participant)
{
  // On failure the participant's own teardown deletes whatever was created here.
  writer_topic_ = find_or_create_topic(participant_, writer_topic, writer_type, writer_records);
  reader_topic_ = find_or_create_topic(participant_, reader_topic, reader_type, reader_records);
  reader_type_ = dynamic_cast<MessageTopicType *>(
    participant_->find_type(reader_topic_->get_type_name()).get());
  publisher_ = participant_->create_publisher(dds::PublisherQos());
  subscriber_ = participant_->create_subscriber(dds::SubscriberQos());
  if (publisher_ == nullptr || subscriber_ == nullptr) {
    throw std::runtime_error("Fast DDS refused to create a publisher or subscriber");
  }
  const dds::StatusMask data_mask = reader_listener != nullptr ?
    dds::StatusMask::data_available() : dds::StatusMask::none();
  reader_ = subscriber_->create_datareader(
    reader_topic_, service_reader_qos(reader_depth), reader_listener, data_mask);
  const dds::StatusMask match_mask = writer_listener != nullptr ?
    dds::StatusMask::publication_matched() : dds::StatusMask::none();
  writer_ = publisher_->create_datawriter(
    writer_topic_, service_writer_qos(writer_depth), writer_listener, match_mask);
  if (reader_ == nullptr || writer_ == nullptr || reader_type_ == nullptr) {
    throw std::runtime_error("Fast DDS refused to create the endpoints of " + writer_topic);
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

ServiceServer::ServiceServer(
  dds::DomainParticipant * participant, const std::string & service_name,
  const rosidl_service_type_support_t * handle, RecordLifecycle request_records,
  RecordLifecycle response_records, DataSignal * signal, uint32_t max_request_bytes)
: endpoints_(
    participant,
    reply_topic_name(service_name), fastcdr_service_callbacks(handle)->response_members_,
    response_records, kServerReplyHistory,
    request_topic_name(service_name), fastcdr_service_callbacks(handle)->request_members_,
    request_records, kRequestHistory,
    signal, &matched_)
{
  endpoints_.reader_type()->refuse_payloads_over(max_request_bytes);
}

bool ServiceServer::take_request(void * request, RequestHeader & header)
{
  dds::SampleInfo info;
  // The type decodes in this thread, during the take, so the refusal it notes is this sample's.
  while (endpoints_.reader()->take_next_sample(request, &info) == ReturnCode_t::RETCODE_OK) {
    const uint32_t refused_bytes = endpoints_.reader_type()->take_refused_size();
    if (info.valid_data) {
      header.request_id = info.sample_identity;
      // A ROS 2 client names its reply reader here.
      header.reply_reader = info.related_sample_identity.writer_guid();
      header.refused_bytes = refused_bytes;
      return true;
    }
  }
  return false;
}

bool ServiceServer::reply_reader_ready(const RequestHeader & header)
{
  return header.reply_reader == rtps::GUID_t::unknown() ||
         matched_.wait_for(header.reply_reader, std::chrono::milliseconds(0));
}

bool ServiceServer::send_response(const RequestHeader & header, const void * response)
{
  rtps::WriteParams params;
  params.related_sample_identity(header.request_id);
  // Fast DDS only reads the sample; its interface just predates const.
  return endpoints_.writer()->write(const_cast<void *>(response), params);
}

bool ServiceServer::wait_for_acknowledgments(std::chrono::milliseconds timeout)
{
  const eprosima::fastrtps::Duration_t wait(static_cast<long double>(timeout.count()) / 1000.0L);
  return endpoints_.writer()->wait_for_acknowledgments(wait) == ReturnCode_t::RETCODE_OK;
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
    &sorter_, nullptr)
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
