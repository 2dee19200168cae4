// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX_EXAMPLES__C_RECORDS_HPP_
#define QUORVEX_EXAMPLES__C_RECORDS_HPP_

#include <stdexcept>
#include <utility>

#include "quorvex/srv/plan_motion.h"
#include "quorvex/srv/plan_motion.hpp"
#include "quorvex/srv/solve_ik.h"
#include "quorvex/srv/solve_ik.hpp"

#include "quorvex_examples/message_topic_type.hpp"

namespace quorvex_examples
{

/// Copies a C++ request into an initialised C record; false when memory runs out, the C record
/// then still valid.
bool to_c(const quorvex::srv::PlanMotion_Request & from, quorvex__srv__PlanMotion_Request & to);
bool to_c(const quorvex::srv::SolveIK_Request & from, quorvex__srv__SolveIK_Request & to);

/// Copies a C response into a C++ record.
void from_c(const quorvex__srv__PlanMotion_Response & from, quorvex::srv::PlanMotion_Response & to);
void from_c(const quorvex__srv__SolveIK_Response & from, quorvex::srv::SolveIK_Response & to);

/// How C records come to life for a topic type: the package's __create and __destroy; moved by
/// swapping, since a C record owns its memory through plain pointers.
template<typename RecordT, RecordT * (*Create)(), void(*Destroy)(RecordT *)>
RecordLifecycle c_record_lifecycle()
{
  return RecordLifecycle{
    []() -> void * {return Create();},
    [](void * record) {Destroy(static_cast<RecordT *>(record));},
    [](void * from, void * to) {
      std::swap(*static_cast<RecordT *>(from), *static_cast<RecordT *>(to));
    }};
}

/// The C records of the service whose C++ request is RequestT: lifecycles and one call's pair.
template<typename RequestT>
struct CRecordsOf;

template<>
struct CRecordsOf<quorvex::srv::PlanMotion_Request>
{
  using Request = quorvex__srv__PlanMotion_Request;
  using Response = quorvex__srv__PlanMotion_Response;
  static RecordLifecycle request()
  {
    return c_record_lifecycle<Request, quorvex__srv__PlanMotion_Request__create,
             quorvex__srv__PlanMotion_Request__destroy>();
  }
  static RecordLifecycle response()
  {
    return c_record_lifecycle<Response, quorvex__srv__PlanMotion_Response__create,
             quorvex__srv__PlanMotion_Response__destroy>();
  }
};

template<>
struct CRecordsOf<quorvex::srv::SolveIK_Request>
{
  using Request = quorvex__srv__SolveIK_Request;
  using Response = quorvex__srv__SolveIK_Response;
  static RecordLifecycle request()
  {
    return c_record_lifecycle<Request, quorvex__srv__SolveIK_Request__create,
             quorvex__srv__SolveIK_Request__destroy>();
  }
  static RecordLifecycle response()
  {
    return c_record_lifecycle<Response, quorvex__srv__SolveIK_Response__create,
             quorvex__srv__SolveIK_Response__destroy>();
  }
};

/// One call's request and response held as C records: the request made from a C++ one, the
/// response read back into a C++ one. Throws std::bad_alloc when the records cannot be made.
template<typename RequestT>
class CallInC
{
public:
  explicit CallInC(const RequestT & request)
  : request_records_(CRecordsOf<RequestT>::request()),
    response_records_(CRecordsOf<RequestT>::response()),
    request_(request_records_.create()), response_(response_records_.create())
  {
    if (request_ == nullptr || response_ == nullptr ||
      !to_c(request, *static_cast<typename CRecordsOf<RequestT>::Request *>(request_)))
    {
      release();
      throw std::bad_alloc();
    }
  }
  ~CallInC() {release();}
  CallInC(const CallInC &) = delete;
  CallInC & operator=(const CallInC &) = delete;

  const void * request() const {return request_;}
  void * response() {return response_;}
  template<typename ResponseT>
  void read_response(ResponseT & response) const
  {
    from_c(*static_cast<const typename CRecordsOf<RequestT>::Response *>(response_), response);
  }

private:
  void release()
  {
    if (request_ != nullptr) {request_records_.destroy(request_);}
    if (response_ != nullptr) {response_records_.destroy(response_);}
    request_ = response_ = nullptr;
  }
  RecordLifecycle request_records_;
  RecordLifecycle response_records_;
  void * request_;
  void * response_;
};

}  // namespace quorvex_examples

#endif  // QUORVEX_EXAMPLES__C_RECORDS_HPP_
