#pragma once

#include <cstdint>
#include <span>
#include <vector>

// A deliberately plain LZW encoder (first-child / next-sibling dictionary,
// one code at a time) that lists every code with the width it is written at.
// The fast Encoder must produce exactly the same stream.
struct WrittenCode {
  uint32_t code;
  int width;
  bool operator==(const WrittenCode&) const = default;
};

std::vector<WrittenCode> ReferenceCodes(std::span<const uint8_t> input);

// Packs codes least significant bit first, zero-padding the last byte.
std::vector<uint8_t> PackCodes(const std::vector<WrittenCode>& codes);

// Writes data codes at the widths a decoder expects, for hand-made streams
// (valid or not). Clear codes restart the width tracking.
class CodeStreamBuilder {
 public:
  CodeStreamBuilder& Clear();
  CodeStreamBuilder& Data(uint32_t code);
  CodeStreamBuilder& End();
  std::vector<uint8_t> Bytes() const { return PackCodes(codes_); }

 private:
  int Width() const;
  std::vector<WrittenCode> codes_;
  uint32_t nextCode_ = 258;
  int dataCodes_ = 0;  // since the last clear
};
