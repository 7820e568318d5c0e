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
  const uint64_t base = produced_;  // stream position of out[0]
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
    previousAt_ = base + count;
    if (capacity - count >= length) {
      WriteString(code, out + count + length);
      count = DecodeRun(out, base, count + length, capacity);
    } else {
      stackTop_ = kMaxCodes - length;
      WriteString(code, stack_.data() + kMaxCodes);
    }
  }
  produced_ = base + count;
  return count;
}

// The common case in a tight loop: string codes in the middle of a stream
// whose strings fit the buffer. out[0] is at stream position `base` and
// out[0..count) is decoded already. A string seen earlier in this buffer is
// copied from there; older ones are rebuilt from the prefix chain. The state
// lives in locals because every byte stored through `out` could otherwise
// alias the members. Stops at anything unusual, leaving it to
// ReadStringCode; returns the new count.
size_t Decoder::DecodeRun(uint8_t* out, uint64_t base, size_t count, size_t capacity) {
  if (!addEntries_ || status_ != DecodeStatus::Running) return count;
  uint32_t next = nextCode_;
  uint32_t previous = previousCode_;
  uint64_t previousAt = previousAt_;
  int width = width_;
  uint16_t* const prefix = prefix_.data();
  uint8_t* const suffix = suffix_.data();
  uint8_t* const first = first_.data();
  uint16_t* const length = length_.data();
  uint64_t* const seenAt = seenAt_.data();
  BitInput::Cursor bits = in_.TakeCursor();
  while (next < kMaxCodes && bits.Hold(width)) {
    const uint32_t code = bits.Peek(width);
    if (code >= next || code == kClearCode || code == kEndCode) break;
    const size_t size = length[code];
    if (capacity - count < size) break;
    bits.Skip(width);
    // The previous string followed by this one's first byte: it starts where
    // the previous string was written.
    prefix[next] = static_cast<uint16_t>(previous);
    suffix[next] = first[code];
    first[next] = first[previous];
    length[next] = static_cast<uint16_t>(length[previous] + 1);
    seenAt[next] = previousAt;
    ++next;
    if ((1u << width) <= next) width = std::min(width + 1, kMaxWidth);
    previous = code;
    previousAt = base + count;

    uint8_t* const target = out + count;
    if (code < 256) {
      *target = static_cast<uint8_t>(code);
    } else if (seenAt[code] >= base) {
      const uint8_t* const source = out + (seenAt[code] - base);
      const size_t distance = static_cast<size_t>(target - source);
      if (size <= 16 && distance >= 16 && capacity - count >= 16) {
        std::memcpy(target, source, 16);  // fixed size: a couple of moves
      } else if (distance >= size) {
        std::memcpy(target, source, size);
      } else {
        for (size_t i = 0; i < size; ++i) target[i] = source[i];  // overlaps itself
      }
    } else {
      WriteString(code, target + size);
    }
    count += size;
  }
  in_.ReturnCursor(bits);
  nextCode_ = next;
  previousCode_ = previous;
  previousAt_ = previousAt;
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
  seenAt_[nextCode_] = previousAt_;
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

// The encoder writes its end code at the width of the last string's code.
// When the dictionary size has just reached 512, 1024 or 2048, the decoder has
// already widened for the entry that string would complete, so the end code
// arrives one bit narrower than the decoder reads. If it lands on the last
// byte boundary, the wider read runs out of input holding exactly the end
// code: that is a complete stream. (No valid wider code has the same low
// bits, since it would exceed the dictionary size.)
DecodeStatus Decoder::StatusAtEndOfInput() const {
  if (in_.Failed()) return DecodeStatus::ReadError;
  const int narrower = width_ - 1;
  if (narrower >= kMinWidth && nextCode_ == (1u << narrower) && in_.PendingBitCount() == narrower &&
      (in_.PendingBits() & ((1u << narrower) - 1)) == kEndCode) {
    return DecodeStatus::Ended;
  }
  return DecodeStatus::Truncated;
}
