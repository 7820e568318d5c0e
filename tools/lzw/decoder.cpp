#include "decoder.h"

#include <algorithm>
#include <cstring>

using namespace lzw;

Decoder::Decoder(BitInput& in) : in_(in) {
  for (uint32_t code = 0; code < 256; ++code) {
    suffix_[code] = static_cast<uint8_t>(code);
    first_[code] = static_cast<uint8_t>(code);
    length_[code] = 1;
  }
  Reset();
}

void Decoder::Reset() {
  nextCode_ = kFirstFreeCode;
  width_ = kMinWidth;
  previousCode_ = kClearCode;
  addEntries_ = false;
}

std::optional<uint8_t> Decoder::GetByte() {
  uint8_t byte = 0;
  if (Read(&byte, 1) == 0) return std::nullopt;
  return byte;
}

size_t Decoder::Read(uint8_t* out, size_t capacity) {
  size_t count = 0;
  while (count < capacity) {
    if (stackTop_ < kMaxCodes) {
      const size_t take = std::min(capacity - count, kMaxCodes - stackTop_);
      std::memcpy(out + count, stack_.data() + stackTop_, take);
      stackTop_ += take;
      count += take;
      continue;
    }
    uint32_t code = 0;
    if (!ReadStringCode(code)) break;
    const size_t length = length_[code];
    if (capacity - count >= length) {
      WriteString(code, out + count + length);
      count += length;
      count += DecodeRun(out + count, capacity - count);
    } else {
      stackTop_ = kMaxCodes - length;
      WriteString(code, stack_.data() + kMaxCodes);
    }
  }
  return count;
}

// The common case in a tight loop: string codes in the middle of a stream
// whose strings fit the buffer. The state lives in locals here because every
// byte stored through `out` could otherwise alias the members. Stops at
// anything unusual and leaves it to ReadStringCode.
size_t Decoder::DecodeRun(uint8_t* out, size_t capacity) {
  if (!addEntries_ || status_ != DecodeStatus::Running) return 0;
  uint32_t next = nextCode_;
  uint32_t previous = previousCode_;
  int width = width_;
  uint16_t* const prefix = prefix_.data();
  uint8_t* const suffix = suffix_.data();
  uint8_t* const first = first_.data();
  uint16_t* const length = length_.data();
  size_t count = 0;
  while (next < kMaxCodes) {
    uint32_t code = 0;
    if (!in_.Peek(width, code)) break;
    if (code >= next || code == kClearCode || code == kEndCode) break;
    const size_t size = length[code];
    if (capacity - count < size) break;
    in_.Skip(width);
    prefix[next] = static_cast<uint16_t>(previous);
    suffix[next] = first[code];
    first[next] = first[previous];
    length[next] = static_cast<uint16_t>(length[previous] + 1);
    ++next;
    if ((1u << width) <= next) width = std::min(width + 1, kMaxWidth);
    previous = code;
    uint8_t* end = out + count + size;
    count += size;
    while (code >= 256) {
      *--end = suffix[code];
      code = prefix[code];
    }
    *--end = static_cast<uint8_t>(code);
  }
  nextCode_ = next;
  previousCode_ = previous;
  width_ = width;
  return count;
}

// Reads codes until one names a string to output (adding the dictionary
// entry it completes); false once the stream has ended.
bool Decoder::ReadStringCode(uint32_t& code) {
  while (status_ == DecodeStatus::Running) {
    if (!in_.Read(width_, code)) {
      status_ = StatusAtEndOfInput();
      break;
    }
    if (code == kClearCode) {
      Reset();
      continue;
    }
    if (code == kEndCode) {
      status_ = DecodeStatus::Ended;
      break;
    }
    // Only the entry being defined right now may be used before it exists,
    // and only when there is a previous string to define it from.
    if (code > nextCode_ || (code == nextCode_ && !addEntries_)) {
      status_ = DecodeStatus::Corrupt;
      break;
    }
    if (nextCode_ >= kMaxCodes) {
      status_ = DecodeStatus::DictionaryFull;
      break;
    }
    if (addEntries_) AddEntry(code == nextCode_ ? first_[previousCode_] : first_[code]);
    addEntries_ = true;
    previousCode_ = code;
    return true;
  }
  return false;
}

// Defines the next entry as the previous string plus one byte. The width
// grows one code earlier than in the encoder, which creates each entry one
// code sooner; at the full dictionary it stays 12.
void Decoder::AddEntry(uint8_t lastByte) {
  prefix_[nextCode_] = static_cast<uint16_t>(previousCode_);
  suffix_[nextCode_] = lastByte;
  first_[nextCode_] = first_[previousCode_];
  length_[nextCode_] = static_cast<uint16_t>(length_[previousCode_] + 1);
  ++nextCode_;
  if ((1u << width_) <= nextCode_) ++width_;
  width_ = std::min(width_, kMaxWidth);
}

// Writes the string of `code` so that it ends just before `end`. Every
// prefix is smaller than its entry, so the walk always reaches a root.
void Decoder::WriteString(uint32_t code, uint8_t* end) const {
  while (code >= 256) {
    *--end = suffix_[code];
    code = prefix_[code];
  }
  *--end = static_cast<uint8_t>(code);
}

// The encoder writes its end code at the width of the last string's code,
// while the decoder has already widened for the entry that string would
// complete. When the end code lands on the last byte boundary, the wider read
// runs out of input with exactly the end code held: that is a complete stream.
DecodeStatus Decoder::StatusAtEndOfInput() const {
  if (in_.Failed()) return DecodeStatus::ReadError;
  const int narrower = width_ - 1;
  if (narrower >= kMinWidth && in_.PendingBitCount() == narrower &&
      (in_.PendingBits() & ((1u << narrower) - 1)) == kEndCode) {
    return DecodeStatus::Ended;
  }
  return DecodeStatus::Truncated;
}
