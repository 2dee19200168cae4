// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#include "quorvex_examples/message_topic_type.hpp"

#include <cstring>
#include <stdexcept>
#include <string>

#include "fastcdr/FastBuffer.h"
#include "rcutils/error_handling.h"
#include "rosidl_typesupport_fastrtps_c/identifier.h"
#include "rosidl_typesupport_fastrtps_cpp/identifier.hpp"

namespace quorvex_examples
{

namespace
{

// Every payload starts with the CDR encapsulation header: a zero byte, the byte-order byte and
// two bytes of options.
constexpr uint32_t kEncapsulationSize = 4;

// The C++ and the C records' Fast-CDR type supports carry the same callbacks record.
void check_identifier(const char * identifier, const char * what)
{
  const char * cpp = rosidl_typesupport_fastrtps_cpp::typesupport_identifier;
  const char * c = rosidl_typesupport_fastrtps_c__identifier;
  if (identifier == nullptr ||
    (std::strcmp(identifier, cpp) != 0 && std::strcmp(identifier, c) != 0))
  {
    throw std::invalid_argument(
            std::string(what) + " handle has type support '" +
            (identifier == nullptr ? "(null)" : identifier) + "', expected '" + cpp + "' or '" +
            c + "'");
  }
}

}  // namespace

const rosidl_service_type_support_t * service_handle_through_dispatch(
  const rosidl_service_type_support_t * dispatch, const char * identifier)
{
  const rosidl_service_type_support_t * handle =
    dispatch == nullptr ? nullptr : get_service_typesupport_handle(dispatch, identifier);
  if (handle == nullptr) {
    const std::string reason = rcutils_error_is_set() ? rcutils_get_error_string().str :
      dispatch == nullptr ? "the dispatch handle is null" : "no reason given";
    rcutils_reset_error();
    throw std::runtime_error(
            std::string("the dispatch gives no ") + identifier + " handle: " + reason);
  }
  return handle;
}

const message_type_support_callbacks_t * fastcdr_message_callbacks(
  const rosidl_message_type_support_t * handle)
{
  if (handle == nullptr) {
    throw std::invalid_argument("message handle is null");
  }
  check_identifier(handle->typesupport_identifier, "message");
  const auto * callbacks = static_cast<const message_type_support_callbacks_t *>(handle->data);
  if (callbacks == nullptr || callbacks->cdr_serialize == nullptr ||
    callbacks->cdr_deserialize == nullptr || callbacks->get_serialized_size == nullptr ||
    callbacks->max_serialized_size == nullptr || callbacks->message_namespace_ == nullptr ||
    callbacks->message_name_ == nullptr)
  {
    throw std::invalid_argument("message handle carries no complete callbacks record");
  }
  return callbacks;
}

const service_type_support_callbacks_t * fastcdr_service_callbacks(
  const rosidl_service_type_support_t * handle)
{
  if (handle == nullptr) {
    throw std::invalid_argument("service handle is null");
  }
  check_identifier(handle->typesupport_identifier, "service");
  const auto * callbacks = static_cast<const service_type_support_callbacks_t *>(handle->data);
  if (callbacks == nullptr || callbacks->request_members_ == nullptr ||
    callbacks->response_members_ == nullptr)
  {
    throw std::invalid_argument("service handle carries no request or response handle");
  }
  return callbacks;
}

std::string dds_type_name(const message_type_support_callbacks_t & callbacks)
{
  return std::string(callbacks.message_namespace_) + "::dds_::" + callbacks.message_name_ + "_";
}

MessageTopicType::MessageTopicType(
  const rosidl_message_type_support_t * handle, RecordLifecycle lifecycle,
  eprosima::fastcdr::Cdr::Endianness byte_order)
: callbacks_(fastcdr_message_callbacks(handle)),
  lifecycle_(lifecycle),
  byte_order_(byte_order),
  bounded_(false)
{
  if (lifecycle_.create == nullptr || lifecycle_.destroy == nullptr) {
    throw std::invalid_argument("record lifecycle is incomplete");
  }
  setName(dds_type_name(*callbacks_).c_str());
  char bounds_info = ROSIDL_TYPESUPPORT_FASTRTPS_UNBOUNDED_TYPE;
  const size_t max_size = callbacks_->max_serialized_size(bounds_info);
  bounded_ = bounds_info != ROSIDL_TYPESUPPORT_FASTRTPS_UNBOUNDED_TYPE;
  // For an unbounded type the bound is the size of its smallest sample: Fast DDS preallocates
  // that much and grows payloads as samples need.
  m_typeSize = static_cast<uint32_t>(max_size) + kEncapsulationSize;
  m_isGetKeyDefined = false;
}

bool MessageTopicType::serialize(
  void * data,
  eprosima::fastrtps::rtps::SerializedPayload_t * payload)
{
  try {
    eprosima::fastcdr::FastBuffer buffer(reinterpret_cast<char *>(payload->data),
      payload->max_size);
    eprosima::fastcdr::Cdr cdr(buffer, byte_order_, eprosima::fastcdr::Cdr::DDS_CDR);
    payload->encapsulation = byte_order_ == eprosima::fastcdr::Cdr::BIG_ENDIANNESS ?
      CDR_BE : CDR_LE;
    // Also resets the alignment origin to the first byte after the header.
    cdr.serialize_encapsulation();
    callbacks_->cdr_serialize(data, cdr);
    payload->length = static_cast<uint32_t>(cdr.getSerializedDataLength());
    return true;
  } catch (const std::exception &) {
    // Fast-CDR's exceptions (buffer too small) and the records' own; none may reach Fast DDS.
    return false;
  }
}

bool MessageTopicType::deserialize(
  eprosima::fastrtps::rtps::SerializedPayload_t * payload, void * data)
{
  try {
    eprosima::fastcdr::FastBuffer buffer(reinterpret_cast<char *>(payload->data), payload->length);
    eprosima::fastcdr::Cdr cdr(buffer, eprosima::fastcdr::Cdr::DEFAULT_ENDIAN,
      eprosima::fastcdr::Cdr::DDS_CDR);
    // Takes the byte order from the header and resets the alignment origin after it.
    cdr.read_encapsulation();
    if (cdr.getDDSCdrPlFlag() == eprosima::fastcdr::Cdr::DDS_CDR_WITH_PL) {
      return false;  // parameter-list bodies are not how these messages are encoded
    }
    return callbacks_->cdr_deserialize(cdr, data);
  } catch (const std::exception &) {
    // A truncated or forged payload; the sample is dropped.
    return false;
  }
}

std::function<uint32_t()> MessageTopicType::getSerializedSizeProvider(void * data)
{
  const message_type_support_callbacks_t * callbacks = callbacks_;
  return [callbacks, data]() -> uint32_t {
           return kEncapsulationSize + callbacks->get_serialized_size(data);
         };
}

void * MessageTopicType::createData()
{
  return lifecycle_.create();
}

void MessageTopicType::deleteData(void * data)
{
  lifecycle_.destroy(data);
}

bool MessageTopicType::getKey(void *, eprosima::fastrtps::rtps::InstanceHandle_t *, bool)
{
  return false;  // services travel on keyless topics
}

bool MessageTopicType::is_bounded() const
{
  return bounded_;
}

}  // namespace quorvex_examples
