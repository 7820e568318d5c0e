#include "bit_input.h"

namespace {
constexpr size_t kBufferSize = 1 << 16;
}  // namespace

BitInput::BitInput(ByteSource& source) : source_(source), buffer_(kBufferSize) {}

bool BitInput::Fill(int width) {
  // Take four bytes at once while the buffer has them; this keeps the common
  // path free of per-byte checks.
  if (end_ - position_ >= 4 && count_ <= 32) {
    const uint8_t* in = buffer_.data() + position_;
    const uint64_t word = static_cast<uint64_t>(in[0]) | static_cast<uint64_t>(in[1]) << 8 |
                          static_cast<uint64_t>(in[2]) << 16 | static_cast<uint64_t>(in[3]) << 24;
    bits_ |= word << count_;
    count_ += 32;
    position_ += 4;
    if (count_ >= width) return true;
  }
  while (count_ < width) {
    if (position_ == end_) {
      position_ = 0;
      end_ = source_.Read(buffer_.data(), buffer_.size());
      if (end_ == 0) return false;
    }
    bits_ |= static_cast<uint64_t>(buffer_[position_++]) << count_;
    count_ += 8;
  }
  return true;
}
