// Copyright 2026 quorvex developers
// Licensed under the Apache License, Version 2.0

#ifndef FUZZ__BYTE_READER_HPP_
#define FUZZ__BYTE_READER_HPP_

#include <cstddef>
#include <cstdint>

// Reads a fuzz input front to back; past its end every byte reads as 0, so that any input is a
// complete program and short seeds stay easy to write by hand.
class ByteReader
{
public:
  ByteReader(const std::uint8_t * data, std::size_t size)
  : data_(data), size_(size) {}

  bool at_end() const {return position_ >= size_;}

  std::uint8_t byte()
  {
    return at_end() ? 0 : data_[position_++];
  }

  /// Fills `size` bytes at `out`, zeros past the end of the input.
  void bytes(void * out, std::size_t size)
  {
    auto * target = static_cast<std::uint8_t *>(out);
    for (std::size_t i = 0; i < size; ++i) {
      target[i] = byte();
    }
  }

  /// A number below `bound` (at most 256), from one byte.
  std::size_t below(std::size_t bound) {return byte() % bound;}

private:
  const std::uint8_t * data_;
  std::size_t size_;
  std::size_t position_ = 0;
};

#endif  // FUZZ__BYTE_READER_HPP_
