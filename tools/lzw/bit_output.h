#pragma once

#include <cstdint>
#include <vector>

#include "byte_stream.h"

// Packs codes into bytes least significant bit first: the first code's bit 0
// is bit 0 of byte 0, and a code may span two or three bytes.
class BitOutput {
 public:
  explicit BitOutput(ByteSink& sink);

  // Appends the low `width` bits (1 to 16) of the code, limited to 16 bits.
  void Write(uint32_t code, int width) {
    bits_ |= static_cast<uint64_t>(code & 0xffffu & ((1u << width) - 1)) << count_;
    count_ += width;
    if (count_ >= 32) EmitWord();
  }

  // The pending bits and the free buffer space, for encode loops that keep
  // them in locals. Take a cursor (it has room for at least kCursorRoom
  // bytes), write codes that already fit their width, and hand it back.
  static constexpr size_t kCursorRoom = 64;
  struct Cursor {
    uint64_t bits;
    int count;
    uint8_t* next;
    uint8_t* limit;  // past this, hand the cursor back and take a new one

    void Write(uint32_t code, int width) {
      bits |= static_cast<uint64_t>(code) << count;
      count += width;
      if (count >= 32) {
        for (int i = 0; i < 4; ++i) next[i] = static_cast<uint8_t>(bits >> (8 * i));
        next += 4;
        bits >>= 32;
        count -= 32;
      }
    }
    bool NeedsRoom() const { return next >= limit; }
  };
  Cursor TakeCursor();
  void ReturnCursor(const Cursor& cursor);

  // Writes the last partial byte with its unused high bits zero and hands
  // everything to the sink. Returns false if the sink failed at any point.
  bool Close();

 private:
  void EmitWord();
  void FlushBuffer();

  ByteSink& sink_;
  uint64_t bits_ = 0;  // pending bits, oldest in bit 0
  int count_ = 0;      // number of pending bits
  std::vector<uint8_t> buffer_;
  size_t used_ = 0;
  bool failed_ = false;
};
