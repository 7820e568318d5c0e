#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "bit_input.h"
#include "lzw_codes.h"

// How decoding ended.
enum class DecodeStatus {
  Running,         // not ended yet
  Ended,           // end code read: the stream is complete
  Truncated,       // the input ended in the middle of the stream
  Corrupt,         // a code that no encoder can produce at that point
  DictionaryFull,  // a string code after the dictionary filled without a clear code
  ReadError,       // the input could not be read
};

// Restores the bytes of an LZW code stream. Every ending other than Ended
// keeps the output up to the last complete string before the fault; no
// input makes the decoder read or write outside its tables.
class Decoder {
 public:
  explicit Decoder(BitInput& in);

  // The next byte, or nothing once the stream has ended.
  std::optional<uint8_t> GetByte();
  // Fills up to `capacity` bytes; returns 0 only once the stream has ended.
  size_t Read(uint8_t* out, size_t capacity);
  DecodeStatus Status() const { return status_; }

 private:
  void Reset();
  bool ReadStringCode(uint32_t& code);
  size_t DecodeRun(uint8_t* out, uint64_t base, size_t count, size_t capacity);
  void AddEntry(uint8_t lastByte);
  void WriteString(uint32_t code, uint8_t* end) const;
  DecodeStatus StatusAtEndOfInput() const;

  BitInput& in_;
  // The dictionary: each entry is its prefix string's code plus one byte;
  // the first byte and the length of every string are kept so strings can be
  // written straight into the caller's buffer.
  std::array<uint16_t, lzw::kMaxCodes> prefix_{};
  std::array<uint8_t, lzw::kMaxCodes> suffix_{};
  std::array<uint8_t, lzw::kMaxCodes> first_{};
  std::array<uint16_t, lzw::kMaxCodes> length_{};
  // Where in the output each string last appeared (a stream position).
  std::array<uint64_t, lzw::kMaxCodes> seenAt_{};
  // A string that did not fit the caller's buffer, waiting at the top end.
  std::array<uint8_t, lzw::kMaxCodes> stack_{};
  size_t stackTop_ = lzw::kMaxCodes;  // kMaxCodes = empty

  uint32_t nextCode_ = lzw::kFirstFreeCode;
  int width_ = lzw::kMinWidth;
  uint32_t previousCode_ = lzw::kClearCode;
  uint64_t previousAt_ = 0;  // stream position of the previous string
  uint64_t produced_ = 0;    // bytes handed out so far
  bool addEntries_ = false;  // false until a string follows the last reset
  DecodeStatus status_ = DecodeStatus::Running;
};
