// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef QUORVEX__SRV__DETAIL__SETTERS_HPP_
#define QUORVEX__SRV__DETAIL__SETTERS_HPP_

// The setters of the C++ records, expanded inside each record by its member table
// (quorvex/srv/detail/<service>__members.h) so that the list of members is not written again:
// `Type & set__<member>(const _<member>_type & _arg)` assigns and returns *this, so calls chain.
// A member of the table that the record lacks fails to compile here.
#define QUORVEX_SRV_SETTER(member, KIND) \
  Type & set__ ## member(const _ ## member ## _type & _arg) \
  { \
    member = _arg; \
    return *this; \
  }

#endif  // QUORVEX__SRV__DETAIL__SETTERS_HPP_
