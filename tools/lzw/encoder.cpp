#include "encoder.h"

#include <algorithm>

using namespace lzw;

namespace {

constexpr int kTableBits = 15;
constexpr uint32_t kTableMask = (1u << kTableBits) - 1;

// Fibonacci hashing of the 20-bit key.
uint32_t SlotOf(uint32_t key) { return (key * 2654435769u) >> (32 - kTableBits); }

}  // namespace

Encoder::Encoder(BitOutput& out) : out_(out), children_(size_t{1} << kTableBits, 0), keys_(kMaxCodes, 0) {}

void Encoder::Reset() {
  std::fill(children_.begin(), children_.end(), 0);
  nextCode_ = kFirstFreeCode;
  width_ = kMinWidth;
}

void Encoder::Put(const uint8_t* data, size_t size) {
  if (size == 0) return;
  if (!started_) {
    out_.Write(kClearCode, kMinWidth);
    started_ = true;
    currentCode_ = *data++;
    --size;
  }
  // Everything the loop changes lives in locals; the output buffer's byte
  // stores could otherwise alias the members.
  uint32_t current = currentCode_;
  uint32_t next = nextCode_;
  int width = width_;
  uint16_t* const children = children_.data();
  uint32_t* const keys = keys_.data();
  BitOutput::Cursor bits = out_.TakeCursor();
  for (size_t i = 0; i < size; ++i) {
    const uint32_t byte = data[i];
    const uint32_t key = current << 8 | byte;
    uint32_t slot = SlotOf(key);
    uint32_t entry;
    while ((entry = children[slot]) != 0 && keys[entry] != key) slot = (slot + 1) & kTableMask;
    if (entry != 0) {
      current = entry;
      continue;
    }
    if (bits.NeedsRoom()) {
      out_.ReturnCursor(bits);
      bits = out_.TakeCursor();
    }
    bits.Write(current, width);
    if (next >= kMaxCodes) {
      // Dictionary full: start over without adding the new string.
      bits.Write(kClearCode, width);
      nextCode_ = next;
      Reset();
      next = nextCode_;
      width = width_;
    } else {
      children[slot] = static_cast<uint16_t>(next);
      keys[next] = key;
      ++next;
      if (next > (1u << width)) ++width;
    }
    current = byte;
  }
  out_.ReturnCursor(bits);
  currentCode_ = current;
  nextCode_ = next;
  width_ = width;
}

bool Encoder::Finish() {
  out_.Write(currentCode_, width_);
  out_.Write(kEndCode, width_);
  return out_.Close();
}
