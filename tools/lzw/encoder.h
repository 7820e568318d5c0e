#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "bit_output.h"
#include "lzw_codes.h"

// Compresses a byte stream into the variable-width LZW code stream: a clear
// code first, then the codes of the longest known strings, widths growing
// from 9 to 12 bits, a clear code (at the current width) whenever the
// dictionary is full, and the end code after the last string.
class Encoder {
 public:
  explicit Encoder(BitOutput& out);

  void Put(uint8_t byte) { Put(&byte, 1); }
  void Put(const uint8_t* data, size_t size);
  // Writes the last string's code and the end code, then closes the output.
  // Returns false if the output could not be written.
  bool Finish();

 private:
  void Reset();

  BitOutput& out_;
  // Child lookup: an open-addressing hash table with linear probing. A slot
  // holds a child's code (0 = empty: no child ever has code 0) and keys_
  // holds each code's key (parent code << 8 | byte) to confirm a match. With
  // eight times as many slots as the dictionary has entries most misses end
  // at the first slot, which matters for data that hardly compresses. A reset
  // clears the table.
  std::vector<uint16_t> children_;
  std::vector<uint32_t> keys_;
  uint32_t nextCode_ = lzw::kFirstFreeCode;
  int width_ = lzw::kMinWidth;
  uint32_t currentCode_ = lzw::kClearCode;  // the longest string matched so far
  bool started_ = false;
};
