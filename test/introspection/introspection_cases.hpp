// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef INTROSPECTION__INTROSPECTION_CASES_HPP_
#define INTROSPECTION__INTROSPECTION_CASES_HPP_

#include <cstddef>
#include <string>
#include <vector>

#include "quorvex/srv/detail/plan_motion__rosidl_typesupport_introspection_c.h"
#include "quorvex/srv/detail/solve_ik__rosidl_typesupport_introspection_c.h"
#include "quorvex/srv/plan_motion.h"
#include "quorvex/srv/solve_ik.h"
#include "rosidl_typesupport_introspection_c/message_introspection.h"

// The four messages as the tests see them: through the introspection handle, and through the C
// interface of the record library for reference records.
namespace introspection_cases
{

struct MessageCase
{
  const char * name;
  const rosidl_message_type_support_t * (* get_handle)();
  size_t record_size;
  bool (* init)(void * record);
  void (* fini)(void * record);
  bool (* are_equal)(const void * lhs, const void * rhs);
  /// Gives every member the value of its index (below) through the record's own fields.
  void (* fill)(void * record);
};

const std::vector<MessageCase> & message_cases();

inline const rosidl_typesupport_introspection_c__MessageMembers & members_of(
  const MessageCase & message)
{
  return *static_cast<const rosidl_typesupport_introspection_c__MessageMembers *>(
    message.get_handle()->data);
}

// The value of the member with index k in the member order; distinct per member.
bool bool_value(size_t k);
int32_t int32_value(size_t k);
double float64_value(size_t k);
std::string string_value(size_t k);
std::vector<double> sequence_value(size_t k);

}  // namespace introspection_cases

#endif  // INTROSPECTION__INTROSPECTION_CASES_HPP_
