// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX_EXAMPLES__SERVICE_ENDPOINTS_HPP_
#define QUORVEX_EXAMPLES__SERVICE_ENDPOINTS_HPP_

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "fastdds/dds/domain/DomainParticipant.hpp"
#include "fastdds/dds/publisher/DataWriter.hpp"
#include "fastdds/dds/publisher/Publisher.hpp"
#include "fastdds/dds/subscriber/DataReader.hpp"
#include "fastdds/dds/subscriber/DataReaderListener.hpp"
#include "fastdds/dds/subscriber/Subscriber.hpp"
#include "fastdds/dds/topic/Topic.hpp"
#include "fastdds/rtps/common/SampleIdentity.h"
#include "fastdds/rtps/participant/RTPSParticipant.h"
#include "rosidl_runtime_c/service_type_support_struct.h"

#include "quorvex_examples/message_topic_type.hpp"

namespace quorvex_examples
{

/// "rq/plan_motionRequest" for the service "/plan_motion", as ROS 2 names it on DDS.
std::string request_topic_name(const std::string & service_name);
/// "rr/plan_motionReply" for the service "/plan_motion".
std::string reply_topic_name(const std::string & service_name);

/// Wakes a waiting thread whenever it is notified, e.g. by a listener when data arrives.
class DataSignal
{
public:
  void notify();
  /// True when notified since the last call, waiting up to `timeout` for it.
  bool wait_for(std::chrono::milliseconds timeout);

private:
  std::mutex mutex_;
  std::condition_variable arrived_;
  bool pending_ = false;
};

/// Lets a wait end early, e.g. when a signal asked the program to stop.
using Cancel = std::function<bool ()>;

/// The request and reply topics, their types and endpoints of one side of one service.
/// Publisher-side endpoint on `writer_topic`, subscriber-side endpoint on `reader_topic`, with
/// histories of the given depths.
class ServiceEndpoints
{
public:
  ServiceEndpoints(
    eprosima::fastdds::dds::DomainParticipant * participant,
    const std::string & writer_topic, const rosidl_message_type_support_t * writer_type,
    RecordLifecycle writer_records, int32_t writer_depth,
    const std::string & reader_topic, const rosidl_message_type_support_t * reader_type,
    RecordLifecycle reader_records, int32_t reader_depth,
    eprosima::fastdds::dds::DataReaderListener * reader_listener);
  ~ServiceEndpoints();
  ServiceEndpoints(const ServiceEndpoints &) = delete;
  ServiceEndpoints & operator=(const ServiceEndpoints &) = delete;

  eprosima::fastdds::dds::DataWriter * writer() const {return writer_;}
  eprosima::fastdds::dds::DataReader * reader() const {return reader_;}

private:
  eprosima::fastdds::dds::DomainParticipant * participant_;
  eprosima::fastdds::dds::Topic * writer_topic_ = nullptr;
  eprosima::fastdds::dds::Topic * reader_topic_ = nullptr;
  eprosima::fastdds::dds::Publisher * publisher_ = nullptr;
  eprosima::fastdds::dds::Subscriber * subscriber_ = nullptr;
  eprosima::fastdds::dds::DataWriter * writer_ = nullptr;
  eprosima::fastdds::dds::DataReader * reader_ = nullptr;
};

/// Who asked: the identity of the request sample, and the reader the client awaits replies on.
struct RequestHeader
{
  eprosima::fastrtps::rtps::SampleIdentity request_id;
  eprosima::fastrtps::rtps::GUID_t reply_reader;
  /// Payload size of a request refused for its size before decoding; 0 for a decoded request.
  uint32_t refused_bytes = 0;
};

/// What a server keeps, per service, of the replies their readers have not acknowledged yet, so
/// that it can send them again: at most max_replies replies and max_bytes of payload (a single
/// larger reply is kept alone), each for at most max_age. A reader that lost a reply asks for it
/// again within a heartbeat period (200 ms; 50 ms over a network); one that asked for replies and
/// never takes them would have them sent again and again. Beyond a bound, the oldest are given
/// up on first.
struct ReplyRetention
{
  size_t max_replies = 4096;
  size_t max_bytes = size_t{64} << 20;
  std::chrono::milliseconds max_age{2000};
};

/// Replies and payload bytes: kept for their readers, or given up on before being acknowledged.
struct ReplyCount
{
  size_t replies = 0;
  size_t bytes = 0;
};

/// Serves one service: takes requests from rq/<name>Request, answers on rr/<name>Reply.
/// Each reply goes to the one reply reader its request names, and to no other reader, so that a
/// reader that stops taking holds back only the replies meant for it. Nothing here waits for a
/// client, so that one slow or vanished client holds up no other. Built on Fast DDS's RTPS
/// layer, where a writer may choose the readers of each sample.
class ServiceServer
{
public:
  /// Throws std::invalid_argument for a handle that is not Fast-CDR type support and
  /// std::runtime_error when Fast DDS refuses an entity. `signal` is told of every request.
  /// Requests whose payload exceeds `max_request_bytes` (0: no limit) are not decoded.
  ServiceServer(
    eprosima::fastrtps::rtps::RTPSParticipant * participant, const std::string & service_name,
    const rosidl_service_type_support_t * handle, RecordLifecycle request_records,
    RecordLifecycle response_records, DataSignal * signal, uint32_t max_request_bytes = 0,
    const ReplyRetention & retention = ReplyRetention());
  ~ServiceServer();
  ServiceServer(const ServiceServer &) = delete;
  ServiceServer & operator=(const ServiceServer &) = delete;

  /// Takes the next request into `request`; false when there is none. When the request was too
  /// large to decode, header.refused_bytes says so and `request` is left as it was.
  bool take_request(void * request, RequestHeader & header);
  /// True when the reply reader `header` names is matched (it may be discovered after its
  /// request arrived); false while it is not, and always when the request names none.
  bool reply_reader_ready(const RequestHeader & header);
  /// Sends `response` to the reply reader `header` names without waiting for it, first giving up
  /// on the oldest kept replies as the retention requires. False when the reply could not be
  /// encoded or queued.
  bool send_response(const RequestHeader & header, const void * response);
  /// Forgets the replies their readers have acknowledged, or that no matched reader awaits.
  void release_acknowledged();
  /// What is kept now for readers that have not acknowledged it.
  ReplyCount kept();
  /// What was given up on unacknowledged since the previous call.
  ReplyCount take_given_up();
  /// True once every kept reply has been acknowledged, waiting up to `timeout`.
  bool wait_for_acknowledgments(std::chrono::milliseconds timeout);

private:
  class Impl;
  std::unique_ptr<Impl> impl_;
};

/// Calls one service: writes to rq/<name>Request, takes its replies from rr/<name>Reply.
class ServiceClient
{
public:
  /// Throws like ServiceServer.
  ServiceClient(
    eprosima::fastdds::dds::DomainParticipant * participant, const std::string & service_name,
    const rosidl_service_type_support_t * handle, RecordLifecycle request_records,
    RecordLifecycle response_records);
  ServiceClient(const ServiceClient &) = delete;
  ServiceClient & operator=(const ServiceClient &) = delete;

  /// True once a server's request reader and reply writer are both matched; false after
  /// `timeout` or once `cancelled` returns true.
  bool wait_for_server(std::chrono::milliseconds timeout, const Cancel & cancelled = nullptr);
  /// What this client sees of servers, e.g. "1 request reader and 0 reply writers matched".
  std::string describe_matches() const;
  /// Sends `request`; stores its identity in `request_id`. False when the write fails.
  bool send_request(const void * request, eprosima::fastrtps::rtps::SampleIdentity & request_id);
  /// Takes the reply to `request_id` into `response`, dropping replies meant for other requests;
  /// false when none came within `timeout` or once `cancelled` returns true.
  bool wait_for_response(
    const eprosima::fastrtps::rtps::SampleIdentity & request_id, void * response,
    std::chrono::milliseconds timeout, const Cancel & cancelled = nullptr);

private:
  // A server that sends every reply to every reader of the topic, as ROS 2's do, makes this
  // reader receive the other clients' replies too. This takes them as they arrive, in Fast DDS's
  // listener thread, drops the others' at once, so that they neither fill the history nor wait
  // in memory, and keeps this client's for the caller.
  class ReplySorter : public eprosima::fastdds::dds::DataReaderListener
  {
public:
    explicit ReplySorter(RecordLifecycle records);
    ~ReplySorter() override;
    void on_data_available(eprosima::fastdds::dds::DataReader * reader) override;
    void set_own_writer(const eprosima::fastrtps::rtps::GUID_t & writer);
    /// Moves the oldest reply to this client into `response`; false when there is none.
    bool take_own(void * response, eprosima::fastrtps::rtps::SampleIdentity & reply_to);
    DataSignal & signal() {return signal_;}

private:
    struct Reply
    {
      eprosima::fastrtps::rtps::SampleIdentity reply_to;
      void * record;
    };
    RecordLifecycle records_;
    // Guards the members below; never held while calling Fast DDS, which calls this listener
    // with its own reader lock held.
    std::mutex mutex_;
    eprosima::fastrtps::rtps::GUID_t own_writer_;
    std::deque<Reply> own_replies_;
    DataSignal signal_;
  };

  ReplySorter sorter_;
  ServiceEndpoints endpoints_;
};

}  // namespace quorvex_examples

#endif  // QUORVEX_EXAMPLES__SERVICE_ENDPOINTS_HPP_
