#include "bit_output.h"

namespace {
constexpr size_t kBufferSize = 1 << 16;
}  // namespace

BitOutput::BitOutput(ByteSink& sink) : sink_(sink), buffer_(kBufferSize) {}

void BitOutput::EmitWord() {
  if (used_ + 4 > buffer_.size()) FlushBuffer();
  uint8_t* out = buffer_.data() + used_;
  for (int i = 0; i < 4; ++i) out[i] = static_cast<uint8_t>(bits_ >> (8 * i));
  used_ += 4;
  bits_ >>= 32;
  count_ -= 32;
}

BitOutput::Cursor BitOutput::TakeCursor() {
  if (buffer_.size() - used_ < 2 * kCursorRoom) FlushBuffer();
  uint8_t* const start = buffer_.data() + used_;
  return {bits_, count_, start, buffer_.data() + buffer_.size() - kCursorRoom};
}

void BitOutput::ReturnCursor(const Cursor& cursor) {
  bits_ = cursor.bits;
  count_ = cursor.count;
  used_ = static_cast<size_t>(cursor.next - buffer_.data());
}

void BitOutput::FlushBuffer() {
  if (used_ > 0 && !failed_ && !sink_.Write(buffer_.data(), used_)) failed_ = true;
  used_ = 0;
}

bool BitOutput::Close() {
  while (count_ > 0) {
    if (used_ == buffer_.size()) FlushBuffer();
    buffer_[used_++] = static_cast<uint8_t>(bits_);
    bits_ >>= 8;
    count_ = count_ > 8 ? count_ - 8 : 0;
  }
  bits_ = 0;
  FlushBuffer();
  return !failed_;
}
