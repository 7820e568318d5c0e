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
  // Child lookup as a flat table indexed by (code << 8 | byte); 0 means no
  // child (no string ever gets code 0 as a child). A reset clears only the
  // slots that were filled, found through prefix_ and suffix_.
  std::vector<uint16_t> child_;
  std::vector<uint16_t> prefix_;
  std::vector<uint8_t> suffix_;
  uint32_t nextCode_ = lzw::kFirstFreeCode;
  int width_ = lzw::kMinWidth;
  uint32_t currentCode_ = lzw::kClearCode;  // the longest string matched so far
  bool started_ = false;
};
