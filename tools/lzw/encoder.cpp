#include "encoder.h"

using namespace lzw;

Encoder::Encoder(BitOutput& out)
    : out_(out), child_(kMaxCodes * 256, 0), prefix_(kMaxCodes, 0), suffix_(kMaxCodes, 0) {}

void Encoder::Reset() {
  for (uint32_t code = kFirstFreeCode; code < nextCode_; ++code) {
    child_[static_cast<size_t>(prefix_[code]) << 8 | suffix_[code]] = 0;
  }
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
  uint16_t* const child = child_.data();
  for (size_t i = 0; i < size; ++i) {
    const uint32_t byte = data[i];
    const size_t slot = static_cast<size_t>(current) << 8 | byte;
    const uint32_t next = child[slot];
    if (next != 0) {
      current = next;
      continue;
    }
    out_.Write(current, width_);
    if (nextCode_ >= kMaxCodes) {
      // Dictionary full: start over without adding the new string.
      out_.Write(kClearCode, width_);
      Reset();
    } else {
      child[slot] = static_cast<uint16_t>(nextCode_);
      prefix_[nextCode_] = static_cast<uint16_t>(current);
      suffix_[nextCode_] = static_cast<uint8_t>(byte);
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
