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

  // The held bits and the buffered bytes not yet taken, for decode loops that
  // keep them in locals. Take a cursor, work on it, and hand it back.
  struct Cursor {
    uint64_t bits;
    int count;
    const uint8_t* next;
    const uint8_t* end;

    // Makes at least `width` (up to 32) bits available from the buffered
    // bytes alone; false when a refill from the source would be needed.
    bool Hold(int width) {
      if (count >= width) return true;
      if (end - next < 4) return false;
      const uint64_t word = static_cast<uint64_t>(next[0]) | static_cast<uint64_t>(next[1]) << 8 |
                            static_cast<uint64_t>(next[2]) << 16 | static_cast<uint64_t>(next[3]) << 24;
      bits |= word << count;
      count += 32;
      next += 4;
      return true;
    }
    uint32_t Peek(int width) const { return static_cast<uint32_t>(bits) & ((1u << width) - 1); }
    void Skip(int width) {
      bits >>= width;
      count -= width;
    }
  };
  Cursor TakeCursor() const {
    return {bits_, count_, buffer_.data() + position_, buffer_.data() + end_};
  }
  void ReturnCursor(const Cursor& cursor) {
    bits_ = cursor.bits;
    count_ = cursor.count;
    position_ = static_cast<size_t>(cursor.next - buffer_.data());
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
