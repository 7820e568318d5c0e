#pragma once

#include <cstdint>
#include <vector>

#include "byte_stream.h"

// Reads codes packed least significant bit first (the counterpart of
// BitOutput). Each new byte goes above the bits already held.
class BitInput {
 public:
  explicit BitInput(ByteSource& source);

  // Reads a code of `width` bits (1 to 24). Returns false when the source
  // ends before `width` bits are held; the bits held then stay available
  // through PendingBitCount / PendingBits.
  bool Read(int width, uint32_t& code) {
    if (count_ < width && !Fill(width)) return false;
    code = static_cast<uint32_t>(bits_) & ((1u << width) - 1);
    bits_ >>= width;
    count_ -= width;
    return true;
  }

  // Looks at the next `width` bits without taking them; false when fewer
  // are left. Skip then takes them.
  bool Peek(int width, uint32_t& code) {
    if (count_ < width && !Fill(width)) return false;
    code = static_cast<uint32_t>(bits_) & ((1u << width) - 1);
    return true;
  }
  void Skip(int width) {
    bits_ >>= width;
    count_ -= width;
  }

  int PendingBitCount() const { return count_; }
  uint32_t PendingBits() const { return static_cast<uint32_t>(bits_); }
  // True when the source reported a read error rather than its end.
  bool Failed() const { return source_.Failed(); }

 private:
  bool Fill(int width);

  ByteSource& source_;
  std::vector<uint8_t> buffer_;
  size_t position_ = 0;
  size_t end_ = 0;
  uint64_t bits_ = 0;  // held bits, next code in bit 0
  int count_ = 0;      // number of held bits
};
