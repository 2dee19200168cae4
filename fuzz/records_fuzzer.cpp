// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

// Runs the input as a program of lifecycle and sequence operations on the C records of one
// message, with allocation failures injected at chosen points, and checks after every step
// the state that the operation promises; at the end nothing may be left allocated.
//
// Program: byte 0 picks the message; then steps of [operation] [failure plan] [first operand]
// [second operand] [values the operation reads...]. Failure plan: bit 7 set = fail the
// ((plan & 0x1f) + 1)-th allocation of the step, and with bit 6 every later one too.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "quorvex/srv/plan_motion.h"
#include "quorvex/srv/solve_ik.h"

#include "byte_reader.hpp"
#include "fuzz_allocator.hpp"
#include "fuzz_check.hpp"
#include "record_model.hpp"

namespace
{

using record_model::Kind;
using record_model::Layout;

template<typename Msg, typename Seq>
struct RecordApi
{
  const Layout & layout;
  bool (* init)(Msg *);
  void (* fini)(Msg *);
  Msg * (* create)();
  void (* destroy)(Msg *);
  bool (* are_equal)(const Msg *, const Msg *);
  bool (* copy)(const Msg *, Msg *);
  bool (* sequence_init)(Seq *, size_t);
  void (* sequence_fini)(Seq *);
  Seq * (* sequence_create)(size_t);
  void (* sequence_destroy)(Seq *);
  bool (* sequence_are_equal)(const Seq *, const Seq *);
  bool (* sequence_copy)(const Seq *, Seq *);
};

#define RECORD_API(message, layout) \
  RecordApi<quorvex__srv__ ## message, quorvex__srv__ ## message ## __Sequence>{ \
    layout, \
    quorvex__srv__ ## message ## __init, \
    quorvex__srv__ ## message ## __fini, \
    quorvex__srv__ ## message ## __create, \
    quorvex__srv__ ## message ## __destroy, \
    quorvex__srv__ ## message ## __are_equal, \
    quorvex__srv__ ## message ## __copy, \
    quorvex__srv__ ## message ## __Sequence__init, \
    quorvex__srv__ ## message ## __Sequence__fini, \
    quorvex__srv__ ## message ## __Sequence__create, \
    quorvex__srv__ ## message ## __Sequence__destroy, \
    quorvex__srv__ ## message ## __Sequence__are_equal, \
    quorvex__srv__ ## message ## __Sequence__copy}

// Where a slot's record or sequence record lives: storage of the harness (ended with __fini)
// or a block from __create (ended with __destroy).
enum class Origin {kEmpty, kStorage, kCreated};

template<typename T>
struct Slot
{
  T * item = nullptr;
  Origin origin = Origin::kEmpty;
};

constexpr std::size_t kRecordSlots = 3;
constexpr std::size_t kSequenceSlots = 2;
// Keeps a program fast: sequences of at most this many records.
constexpr std::size_t kSequenceSizes = 6;

enum Operation : std::uint8_t
{
  kCreate, kInit, kRelease, kFill, kCopy, kAreEqual, kNullArguments,
  kSequenceInit, kSequenceCreate, kSequenceRelease, kSequenceFill, kSequenceCopy,
  kSequenceAreEqual, kOperationCount
};

template<typename Msg, typename Seq>
class Program
{
public:
  Program(const RecordApi<Msg, Seq> & api, ByteReader & input)
  : api_(api), layout_(api.layout), input_(input) {}

  void run()
  {
    const std::size_t live_at_start = fuzz_allocator::live_blocks();
    while (!input_.at_end()) {
      step();
      for (const auto & slot : records_) {
        FUZZ_REQUIRE(!slot.item || record_model::is_valid(layout_, slot.item));
      }
    }
    fuzz_allocator::plan_failures(0, false);
    for (std::size_t i = 0; i < kRecordSlots; ++i) {
      release(i);
    }
    for (std::size_t i = 0; i < kSequenceSlots; ++i) {
      release_sequence(i, false);
    }
    FUZZ_REQUIRE(fuzz_allocator::live_blocks() == live_at_start);
  }

private:
  void step()
  {
    // Operands are read in this fixed order; function arguments have none.
    const std::size_t operation = input_.below(kOperationCount);
    const std::uint8_t plan = input_.byte();
    const std::size_t first = input_.byte();
    const std::size_t second = input_.byte();
    const std::size_t record = first % kRecordSlots;
    const std::size_t other_record = second % kRecordSlots;
    const std::size_t sequence = first % kSequenceSlots;
    const std::size_t other_sequence = second % kSequenceSlots;
    // Setting up a slot happens before the plan takes effect; the checked call comes after.
    fuzz_allocator::plan_failures(0, false);
    switch (operation) {
      case kCreate: create(record, plan); break;
      case kInit: init(record, plan); break;
      case kRelease: release(record); break;
      case kFill: fill(record); break;
      case kCopy: copy(record, other_record, plan); break;
      case kAreEqual: are_equal(record, other_record); break;
      case kNullArguments: null_arguments(); break;
      case kSequenceInit: sequence_init(sequence, second % kSequenceSizes, plan); break;
      case kSequenceCreate: sequence_create(sequence, second % kSequenceSizes, plan); break;
      case kSequenceRelease: release_sequence(sequence, second & 1); break;
      case kSequenceFill: sequence_fill(sequence, second); break;
      case kSequenceCopy: sequence_copy(sequence, other_sequence, plan); break;
      case kSequenceAreEqual: sequence_are_equal(sequence, other_sequence); break;
    }
    fuzz_allocator::plan_failures(0, false);
  }

  static void plan_failures(std::uint8_t plan)
  {
    if (plan & 0x80) {
      fuzz_allocator::plan_failures((plan & 0x1f) + 1, plan & 0x40);
    } else {
      fuzz_allocator::plan_failures(0, false);
    }
  }

  // A call reports failure exactly when one of its allocations was refused.
  static void require_outcome(bool succeeded)
  {
    FUZZ_REQUIRE(succeeded == (fuzz_allocator::failures() == 0));
  }

  // Storage with arbitrary bytes, except that a bool holds 0 or 1 as the C record requires.
  Msg * storage()
  {
    auto * record = static_cast<Msg *>(std::malloc(sizeof(Msg)));
    input_.bytes(record, sizeof(Msg));
    for (const auto & member : layout_.members) {
      if (member.kind == Kind::kBool) {
        reinterpret_cast<unsigned char *>(record)[member.offset] &= 1;
      }
    }
    return record;
  }

  void create(std::size_t index, std::uint8_t plan)
  {
    release(index);
    const std::size_t live = fuzz_allocator::live_blocks();
    plan_failures(plan);
    Msg * record = api_.create();
    require_outcome(record != nullptr);
    if (!record) {
      FUZZ_REQUIRE(fuzz_allocator::live_blocks() == live);
      return;
    }
    FUZZ_REQUIRE(fuzz_allocator::block_size(record) == sizeof(Msg));
    FUZZ_REQUIRE(record_model::is_freshly_initialised(layout_, record));
    FUZZ_REQUIRE(record_model::scalars_are_zero(layout_, record));
    FUZZ_REQUIRE(
      fuzz_allocator::live_blocks() ==
      live + 1 + record_model::owned_buffers(layout_, record));
    records_[index] = {record, Origin::kCreated};
  }

  void init(std::size_t index, std::uint8_t plan)
  {
    release(index);
    Msg * record = storage();
    const std::string scalars = record_model::scalar_bytes(layout_, record);
    const std::size_t live = fuzz_allocator::live_blocks();
    plan_failures(plan);
    const bool initialised = api_.init(record);
    require_outcome(initialised);
    // __init writes only the string and sequence members, also when it fails.
    FUZZ_REQUIRE(record_model::scalar_bytes(layout_, record) == scalars);
    if (!initialised) {
      FUZZ_REQUIRE(fuzz_allocator::live_blocks() == live);
      std::free(record);
      return;
    }
    FUZZ_REQUIRE(record_model::is_freshly_initialised(layout_, record));
    FUZZ_REQUIRE(
      fuzz_allocator::live_blocks() == live + record_model::owned_buffers(layout_, record));
    records_[index] = {record, Origin::kStorage};
  }

  void release(std::size_t index)
  {
    Slot<Msg> & slot = records_[index];
    if (!slot.item) {
      return;
    }
    const std::size_t owned = record_model::owned_buffers(layout_, slot.item);
    const std::size_t live = fuzz_allocator::live_blocks();
    if (slot.origin == Origin::kCreated) {
      api_.destroy(slot.item);
      FUZZ_REQUIRE(fuzz_allocator::live_blocks() == live - owned - 1);
    } else {
      const std::string scalars = record_model::scalar_bytes(layout_, slot.item);
      api_.fini(slot.item);
      FUZZ_REQUIRE(fuzz_allocator::live_blocks() == live - owned);
      FUZZ_REQUIRE(record_model::owned_buffers(layout_, slot.item) == 0);
      FUZZ_REQUIRE(record_model::scalar_bytes(layout_, slot.item) == scalars);
      std::free(slot.item);
    }
    slot = {};
  }

  void fill(std::size_t index)
  {
    if (records_[index].item) {
      FUZZ_REQUIRE(record_model::fill(layout_, records_[index].item, input_));
    }
  }

  void copy(std::size_t from, std::size_t to, std::uint8_t plan)
  {
    const Msg * input = records_[from].item;
    Msg * output = records_[to].item;
    // Copying a record onto itself is left open; nothing to check there.
    if (!input || !output || from == to) {
      return;
    }
    const auto input_values = record_model::values_of(layout_, input);
    const auto former_values = record_model::values_of(layout_, output);
    plan_failures(plan);
    const bool copied = api_.copy(input, output);
    require_outcome(copied);
    FUZZ_REQUIRE(record_model::values_of(layout_, input) == input_values);
    const auto output_values = record_model::values_of(layout_, output);
    if (copied) {
      FUZZ_REQUIRE(output_values == input_values);
      FUZZ_REQUIRE(
        api_.are_equal(input, output) == record_model::equal_by_value(layout_, input, input));
      return;
    }
    FUZZ_REQUIRE(record_model::is_valid(layout_, output));
    FUZZ_REQUIRE(failed_at_one_member(input_values, former_values, output_values));
  }

  // After a failed copy some string or sequence member f failed: the members before it hold
  // the input's values, those after it their former values.
  bool failed_at_one_member(
    const std::vector<std::string> & input, const std::vector<std::string> & former,
    const std::vector<std::string> & output) const
  {
    for (std::size_t f = 0; f < layout_.members.size(); ++f) {
      if (!record_model::owns_buffer(layout_.members[f].kind)) {
        continue;
      }
      const bool before = std::equal(output.begin(), output.begin() + f, input.begin());
      const bool after =
        std::equal(output.begin() + f + 1, output.end(), former.begin() + f + 1);
      if (before && after) {
        return true;
      }
    }
    return false;
  }

  void are_equal(std::size_t lhs_index, std::size_t rhs_index)
  {
    const Msg * lhs = records_[lhs_index].item;
    const Msg * rhs = records_[rhs_index].item;
    if (!lhs || !rhs) {
      return;
    }
    const bool expected = record_model::equal_by_value(layout_, lhs, rhs);
    FUZZ_REQUIRE(api_.are_equal(lhs, rhs) == expected);
    FUZZ_REQUIRE(api_.are_equal(rhs, lhs) == expected);
  }

  void null_arguments()
  {
    const Msg * any = records_[0].item;
    Seq * any_sequence = sequences_[0].item;
    const std::size_t null_deallocations = fuzz_allocator::null_deallocations();
    const std::size_t live = fuzz_allocator::live_blocks();
    FUZZ_REQUIRE(!api_.init(nullptr));
    api_.fini(nullptr);
    api_.destroy(nullptr);
    FUZZ_REQUIRE(!api_.are_equal(nullptr, nullptr));
    FUZZ_REQUIRE(!api_.are_equal(any, nullptr) && !api_.are_equal(nullptr, any));
    FUZZ_REQUIRE(!api_.copy(nullptr, nullptr) && !api_.copy(any, nullptr));
    FUZZ_REQUIRE(!api_.sequence_init(nullptr, 2));
    api_.sequence_fini(nullptr);
    api_.sequence_destroy(nullptr);
    FUZZ_REQUIRE(!api_.sequence_are_equal(nullptr, any_sequence));
    FUZZ_REQUIRE(!api_.sequence_are_equal(any_sequence, nullptr));
    FUZZ_REQUIRE(!api_.sequence_copy(any_sequence, nullptr));
    FUZZ_REQUIRE(!api_.sequence_copy(nullptr, any_sequence));
    // Both destroys hand the null pointer on to deallocate.
    FUZZ_REQUIRE(fuzz_allocator::null_deallocations() == null_deallocations + 2);
    FUZZ_REQUIRE(fuzz_allocator::live_blocks() == live);
  }

  // --- sequences ---

  std::size_t owned_by(const Seq & sequence) const
  {
    std::size_t owned = sequence.data ? 1 : 0;
    for (std::size_t i = 0; i < sequence.capacity; ++i) {
      owned += record_model::owned_buffers(layout_, &sequence.data[i]);
    }
    return owned;
  }

  bool is_valid(const Seq & sequence) const
  {
    if ((sequence.data == nullptr) != (sequence.capacity == 0) ||
      sequence.size > sequence.capacity)
    {
      return false;
    }
    for (std::size_t i = 0; i < sequence.capacity; ++i) {
      if (!record_model::is_valid(layout_, &sequence.data[i])) {
        return false;
      }
    }
    return true;
  }

  std::vector<std::vector<std::string>> elements(const Seq & sequence, std::size_t count) const
  {
    std::vector<std::vector<std::string>> values;
    for (std::size_t i = 0; i < count; ++i) {
      values.push_back(record_model::values_of(layout_, &sequence.data[i]));
    }
    return values;
  }

  void require_fresh(const Seq & sequence, std::size_t size, std::size_t live_before) const
  {
    FUZZ_REQUIRE(sequence.size == size && sequence.capacity == size);
    FUZZ_REQUIRE((sequence.data == nullptr) == (size == 0));
    if (sequence.data) {
      FUZZ_REQUIRE(fuzz_allocator::block_size(sequence.data) == size * sizeof(Msg));
    }
    for (std::size_t i = 0; i < size; ++i) {
      FUZZ_REQUIRE(record_model::is_freshly_initialised(layout_, &sequence.data[i]));
      FUZZ_REQUIRE(record_model::scalars_are_zero(layout_, &sequence.data[i]));
    }
    FUZZ_REQUIRE(fuzz_allocator::live_blocks() == live_before + owned_by(sequence));
  }

  void sequence_init(std::size_t index, std::size_t size, std::uint8_t plan)
  {
    release_sequence(index, false);
    auto * sequence = static_cast<Seq *>(std::malloc(sizeof(Seq)));
    input_.bytes(sequence, sizeof(Seq));
    const Seq before = *sequence;
    const std::size_t live = fuzz_allocator::live_blocks();
    plan_failures(plan);
    const bool initialised = api_.sequence_init(sequence, size);
    require_outcome(initialised);
    if (!initialised) {
      // The sequence record is written only on success.
      FUZZ_REQUIRE(std::memcmp(&before, sequence, sizeof(Seq)) == 0);
      FUZZ_REQUIRE(fuzz_allocator::live_blocks() == live);
      std::free(sequence);
      return;
    }
    require_fresh(*sequence, size, live);
    sequences_[index] = {sequence, Origin::kStorage};
  }

  void sequence_create(std::size_t index, std::size_t size, std::uint8_t plan)
  {
    release_sequence(index, false);
    const std::size_t live = fuzz_allocator::live_blocks();
    plan_failures(plan);
    Seq * sequence = api_.sequence_create(size);
    require_outcome(sequence != nullptr);
    if (!sequence) {
      FUZZ_REQUIRE(fuzz_allocator::live_blocks() == live);
      return;
    }
    FUZZ_REQUIRE(fuzz_allocator::block_size(sequence) == sizeof(Seq));
    require_fresh(*sequence, size, live + 1);
    sequences_[index] = {sequence, Origin::kCreated};
  }

  void release_sequence(std::size_t index, bool finalise_twice)
  {
    Slot<Seq> & slot = sequences_[index];
    if (!slot.item) {
      return;
    }
    const std::size_t owned = owned_by(*slot.item);
    const std::size_t live = fuzz_allocator::live_blocks();
    if (slot.origin == Origin::kCreated) {
      api_.sequence_destroy(slot.item);
      FUZZ_REQUIRE(fuzz_allocator::live_blocks() == live - owned - 1);
    } else {
      api_.sequence_fini(slot.item);
      FUZZ_REQUIRE(!slot.item->data && slot.item->size == 0 && slot.item->capacity == 0);
      if (finalise_twice) {
        api_.sequence_fini(slot.item);
      }
      FUZZ_REQUIRE(fuzz_allocator::live_blocks() == live - owned);
      std::free(slot.item);
    }
    slot = {};
  }

  void sequence_fill(std::size_t index, std::uint8_t element)
  {
    Seq * sequence = sequences_[index].item;
    // Elements beyond `size` are initialised records too.
    if (sequence && sequence->capacity > 0) {
      FUZZ_REQUIRE(
        record_model::fill(layout_, &sequence->data[element % sequence->capacity], input_));
    }
  }

  void sequence_copy(std::size_t from, std::size_t to, std::uint8_t plan)
  {
    const Seq * input = sequences_[from].item;
    Seq * output = sequences_[to].item;
    if (!input || !output || from == to) {
      return;
    }
    const std::size_t size = input->size;
    const auto input_values = elements(*input, size);
    const Seq former = *output;
    const auto former_values = elements(*output, output->capacity);
    const bool grows = former.capacity < size;
    plan_failures(plan);
    const bool copied = api_.sequence_copy(input, output);
    require_outcome(copied);
    FUZZ_REQUIRE(elements(*input, size) == input_values);
    // Whatever happened, the output can still be finalised or copied into again.
    FUZZ_REQUIRE(is_valid(*output));
    const auto output_values = elements(*output, output->capacity);

    if (!grows) {
      // With room enough nothing is allocated or freed for the block.
      FUZZ_REQUIRE(output->data == former.data && output->capacity == former.capacity);
    }
    if (copied) {
      FUZZ_REQUIRE(output->size == size);
      FUZZ_REQUIRE(output->capacity == std::max(former.capacity, size));
      if (grows) {
        FUZZ_REQUIRE(fuzz_allocator::block_size(output->data) == size * sizeof(Msg));
      }
      FUZZ_REQUIRE(
        std::equal(input_values.begin(), input_values.end(), output_values.begin()));
      // Elements beyond the new size keep what they held.
      FUZZ_REQUIRE(
        grows ||
        std::equal(
          output_values.begin() + size, output_values.end(), former_values.begin() + size));
      return;
    }
    if (grows && output->capacity == former.capacity) {
      // The block could not grow, or a new element could not be initialised: the old
      // elements are kept as they were.
      FUZZ_REQUIRE(output->size == former.size);
      FUZZ_REQUIRE(output_values == former_values);
      return;
    }
    FUZZ_REQUIRE(output->size == size);
    FUZZ_REQUIRE(output->capacity == std::max(former.capacity, size));
    FUZZ_REQUIRE(element_copy_failed(input_values, former_values, *output));
  }

  // After a failed element copy, some element i failed: the elements before it are copies,
  // element i failed at one member as a record copy does, the old elements after it keep their
  // contents, and the new ones after it are initialised records. New records read as created
  // ones (plain members zero), never with bytes that reallocate left in the block.
  bool element_copy_failed(
    const std::vector<std::vector<std::string>> & input,
    const std::vector<std::vector<std::string>> & former, const Seq & output) const
  {
    const auto values = elements(output, output.capacity);
    const auto created = record_model::created_values(layout_);
    const auto before_copy = [&](std::size_t j) -> const std::vector<std::string> & {
        return j < former.size() ? former[j] : created;
      };
    for (std::size_t i = 0; i < input.size(); ++i) {
      bool matches = std::equal(input.begin(), input.begin() + i, values.begin()) &&
        failed_at_one_member(input[i], before_copy(i), values[i]);
      for (std::size_t j = i + 1; matches && j < values.size(); ++j) {
        matches = values[j] == before_copy(j);
      }
      if (matches) {
        return true;
      }
    }
    return false;
  }

  void sequence_are_equal(std::size_t lhs_index, std::size_t rhs_index)
  {
    const Seq * lhs = sequences_[lhs_index].item;
    const Seq * rhs = sequences_[rhs_index].item;
    if (!lhs || !rhs) {
      return;
    }
    bool expected = lhs->size == rhs->size;
    for (std::size_t i = 0; expected && i < lhs->size; ++i) {
      expected = record_model::equal_by_value(layout_, &lhs->data[i], &rhs->data[i]);
    }
    FUZZ_REQUIRE(api_.sequence_are_equal(lhs, rhs) == expected);
    FUZZ_REQUIRE(api_.sequence_are_equal(rhs, lhs) == expected);
  }

  const RecordApi<Msg, Seq> & api_;
  const Layout & layout_;
  ByteReader & input_;
  Slot<Msg> records_[kRecordSlots];
  Slot<Seq> sequences_[kSequenceSlots];
};

template<typename Msg, typename Seq>
void run(const RecordApi<Msg, Seq> & api, ByteReader & input)
{
  Program<Msg, Seq>(api, input).run();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t * data, std::size_t size)
{
  ByteReader input(data, size);
  switch (input.below(4)) {
    case 0: run(RECORD_API(SolveIK_Request, record_model::solve_ik_request()), input); break;
    case 1: run(RECORD_API(SolveIK_Response, record_model::solve_ik_response()), input); break;
    case 2:
      run(RECORD_API(PlanMotion_Request, record_model::plan_motion_request()), input);
      break;
    case 3:
      run(RECORD_API(PlanMotion_Response, record_model::plan_motion_response()), input);
      break;
  }
  return 0;
}
