// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX_EXAMPLES__MESSAGE_TOPIC_TYPE_HPP_
#define QUORVEX_EXAMPLES__MESSAGE_TOPIC_TYPE_HPP_

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "fastcdr/Cdr.h"
#include "fastdds/dds/topic/TopicDataType.hpp"
#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_c/service_type_support_struct.h"
#include "rosidl_typesupport_fastrtps_cpp/message_type_support.h"
#include "rosidl_typesupport_fastrtps_cpp/service_type_support.h"

namespace quorvex_examples
{

/// The handle of the type support `identifier` behind the dispatch handle `dispatch`, reached as a
/// middleware reaches it: the dispatch loads that type support's library by name at the first
/// request. Throws std::runtime_error, with the dispatch's reason, when there is none.
const rosidl_service_type_support_t * service_handle_through_dispatch(
  const rosidl_service_type_support_t * dispatch, const char * identifier);

/// Callbacks record of a Fast-CDR message handle.
/// Throws std::invalid_argument when the handle is null, belongs to another type support or
/// carries no callbacks record.
const message_type_support_callbacks_t * fastcdr_message_callbacks(
  const rosidl_message_type_support_t * handle);

/// Callbacks record of a Fast-CDR service handle, checked like a message handle; its request and
/// response handles are checked when topic types are built from them.
const service_type_support_callbacks_t * fastcdr_service_callbacks(
  const rosidl_service_type_support_t * handle);

/// DDS type name of a message as ROS 2 peers register it, e.g.
/// "quorvex::srv::dds_::PlanMotion_Request_".
std::string dds_type_name(const message_type_support_callbacks_t & callbacks);

/// How the samples of a topic type come to life; the type itself only sees untyped pointers.
struct RecordLifecycle
{
  void * (* create)();
  void (* destroy)(void * record);
  /// Moves the contents of `from` into `to`, both created by `create`.
  void (* move)(void * from, void * to);
};

template<typename RecordT>
RecordLifecycle record_lifecycle()
{
  return RecordLifecycle{
    []() -> void * {return new RecordT();},
    [](void * record) {delete static_cast<RecordT *>(record);},
    [](void * from, void * to) {
      *static_cast<RecordT *>(to) = std::move(*static_cast<RecordT *>(from));
    }};
}

/// A Fast DDS topic type for any message that has Fast-CDR type support. It knows the message
/// only through the handle's callbacks record: every payload is a 4-byte encapsulation header
/// followed by the body that the callbacks write, aligned from just after the header.
class MessageTopicType : public eprosima::fastdds::dds::TopicDataType
{
public:
  /// Throws std::invalid_argument for a handle that fastcdr_message_callbacks refuses.
  /// `byte_order` is the order of the payloads this type writes; it reads either order.
  MessageTopicType(
    const rosidl_message_type_support_t * handle, RecordLifecycle lifecycle,
    eprosima::fastcdr::Cdr::Endianness byte_order = eprosima::fastcdr::Cdr::DEFAULT_ENDIAN);

  bool serialize(void * data, eprosima::fastrtps::rtps::SerializedPayload_t * payload) override;
  bool deserialize(eprosima::fastrtps::rtps::SerializedPayload_t * payload, void * data) override;
  std::function<uint32_t()> getSerializedSizeProvider(void * data) override;
  void * createData() override;
  void deleteData(void * data) override;
  bool getKey(
    void * data, eprosima::fastrtps::rtps::InstanceHandle_t * handle,
    bool force_md5 = false) override;
  bool is_bounded() const override;

private:
  const message_type_support_callbacks_t * callbacks_;
  RecordLifecycle lifecycle_;
  eprosima::fastcdr::Cdr::Endianness byte_order_;
  bool bounded_;
};

}  // namespace quorvex_examples

#endif  // QUORVEX_EXAMPLES__MESSAGE_TOPIC_TYPE_HPP_
