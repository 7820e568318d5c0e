#include "encoder.h"

#include <algorithm>

using namespace lzw;

namespace {

constexpr int kTableBits = 14;
constexpr uint32_t kTableMask = (1u << kTableBits) - 1;
constexpr int kCodeBits = 12;
constexpr uint32_t kCodeMask = (1u << kCodeBits) - 1;

// Fibonacci hashing of the 20-bit key.
uint32_t SlotOf(uint32_t key) { return (key * 2654435769u) >> (32 - kTableBits); }

}  // namespace

Encoder::Encoder(BitOutput& out) : out_(out), children_(size_t{1} << kTableBits, 0) {}

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
  uint32_t current = currentCode_;
  uint32_t* const children = children_.data();
  for (size_t i = 0; i < size; ++i) {
    const uint32_t byte = data[i];
    const uint32_t key = current << 8 | byte;
    uint32_t slot = SlotOf(key);
    uint32_t entry;
    while ((entry = children[slot]) != 0 && entry >> kCodeBits != key) slot = (slot + 1) & kTableMask;
    if (entry != 0) {
      current = entry & kCodeMask;
      continue;
    }
    out_.Write(current, width_);
    if (nextCode_ >= kMaxCodes) {
      // Dictionary full: start over without adding the new string.
      out_.Write(kClearCode, width_);
      Reset();
    } else {
      children[slot] = key << kCodeBits | nextCode_;
      ++nextCode_;
      if (nextCode_ > (1u << width_)) ++width_;
    }
    current = byte;
  }
  currentCode_ = current;
}

bool Encoder::Finish() {
  out_.Write(currentCode_, width_);
  out_.Write(kEndCode, width_);
  return out_.Close();
}
