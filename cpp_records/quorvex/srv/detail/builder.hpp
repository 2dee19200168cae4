// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__BUILDER_HPP_
#define QUORVEX__SRV__DETAIL__BUILDER_HPP_

#include <cstddef>
#include <type_traits>
#include <utility>

// Named-field builders: quorvex::build<Message>() gives the first step, and each step's only
// call sets one member, in member order, and gives the next step; the last call gives the
// record. A step can be reached only from the one before it, so no member can be skipped, and
// each call consumes its step (call it on the temporary that the previous call returned).
//
// The step that sets `member` of <Message> is the class
// quorvex::srv::builder::Init_<Message>_<member>, and its call is `member(value) &&`. Each
// service's *__builder.hpp expands QUORVEX_SRV_DEFINE_BUILDER over its messages' member tables.

namespace quorvex
{

/// The first step of the named-field builder of MessageType; specialised for each message.
template<typename MessageType>
auto build();

namespace srv
{
namespace builder
{

/// The step that sets member number `index` of `Message`; past the last member, the record
/// itself, which the last step's call gives. QUORVEX_SRV_DEFINE_BUILDER specialises it.
template<typename Message, size_t index>
struct StepAt
{
  using type = Message;
};

/// The step before step `index`, which alone may make it; none before the first.
template<typename Message, size_t index>
struct StepBefore
{
  using type = typename StepAt<Message, index - 1>::type;
};

template<typename Message>
struct StepBefore<Message, 0>
{
  using type = void;
};

}  // namespace builder
}  // namespace srv
}  // namespace quorvex

// The passes that a member table X(Message, member, KIND) expands to in
// QUORVEX_SRV_DEFINE_BUILDER: the member's index, the step's declaration, its class, its call.
// The calls are defined after all classes, since each gives the next step by value.

#define QUORVEX_SRV_BUILDER_INDEX(Message, member, KIND) member,

#define QUORVEX_SRV_BUILDER_DECLARE(Message, member, KIND) \
  class Init_ ## Message ## _ ## member; \
  template<> \
  struct StepAt<Message, Message ## _member::member> \
  { \
    using type = Init_ ## Message ## _ ## member; \
  };

#define QUORVEX_SRV_BUILDER_CLASS(Message, member, KIND) \
  class Init_ ## Message ## _ ## member \
  { \
public: \
    /* Only the first step is made by the caller, through quorvex::build<Message>(). */ \
    template<size_t index = Message ## _member::member, typename = std::enable_if_t<index == 0>> \
    Init_ ## Message ## _ ## member() {} \
 \
    StepAt<Message, Message ## _member::member + 1>::type member( \
      Message::_ ## member ## _type arg) &&; \
 \
private: \
    friend StepBefore<Message, Message ## _member::member>::type; \
 \
    explicit Init_ ## Message ## _ ## member(Message && msg) \
      : msg_(std::move(msg)) {} \
 \
    Message msg_; \
  };

#define QUORVEX_SRV_BUILDER_CALL(Message, member, KIND) \
  inline StepAt<Message, Message ## _member::member + 1>::type \
  Init_ ## Message ## _ ## member::member(Message::_ ## member ## _type arg) && \
  { \
    msg_.member = std::move(arg); \
    return StepAt<Message, Message ## _member::member + 1>::type(std::move(msg_)); \
  }

/// The steps of the builder of quorvex::srv::<Message>, in namespace quorvex::srv::builder.
#define QUORVEX_SRV_BUILDER_STEPS(Message, MEMBERS) \
  struct Message ## _member \
  { \
    enum Index : size_t { MEMBERS(QUORVEX_SRV_BUILDER_INDEX, Message) }; \
  }; \
 \
  MEMBERS(QUORVEX_SRV_BUILDER_DECLARE, Message) \
  MEMBERS(QUORVEX_SRV_BUILDER_CLASS, Message) \
  MEMBERS(QUORVEX_SRV_BUILDER_CALL, Message)

/// Defines the builder of quorvex::srv::<Message>, whose member table `MEMBERS` is the
/// QUORVEX_<MESSAGE>_MEMBERS_WITH form: a step per member and quorvex::build<Message>().
#define QUORVEX_SRV_DEFINE_BUILDER(Message, MEMBERS) \
  namespace quorvex::srv::builder \
  { \
  QUORVEX_SRV_BUILDER_STEPS(Message, MEMBERS) \
  } \
 \
  template<> \
  inline auto quorvex::build<::quorvex::srv::Message>() \
  { \
    return ::quorvex::srv::builder::StepAt<::quorvex::srv::Message, 0>::type(); \
  }

#endif  // QUORVEX__SRV__DETAIL__BUILDER_HPP_
