#include "reference_encoder.h"

#include <algorithm>
#include <bit>

namespace {

struct Entry {
  int value;
  int sibling;
  int child;
};

class PlainEncoder {
 public:
  explicit PlainEncoder(std::vector<WrittenCode>& out) : out_(out), dictionary_(4096) { Reset(); }

  void Put(uint8_t c) {
    if (!started_) {
      out_.push_back({256, 9});
      started_ = true;
      current_ = c;
      return;
    }
    int last = -1;
    for (int e = dictionary_[current_].child; e != -1; e = dictionary_[e].sibling) {
      if (dictionary_[e].value == c) {
        current_ = e;
        return;
      }
      last = e;
    }
    out_.push_back({static_cast<uint32_t>(current_), width_});
    if (next_ >= 4096) {
      out_.push_back({256, width_});
      Reset();
      current_ = c;
      return;
    }
    dictionary_[next_] = {c, -1, -1};
    (last == -1 ? dictionary_[current_].child : dictionary_[last].sibling) = next_;
    ++next_;
    if (next_ > (1 << width_)) ++width_;
    current_ = c;
  }

  void Finish() {
    out_.push_back({static_cast<uint32_t>(current_), width_});
    out_.push_back({257, width_});
  }

 private:
  void Reset() {
    next_ = 258;
    width_ = 9;
    for (int i = 0; i < 256; ++i) dictionary_[i] = {i, -1, -1};
  }

  std::vector<WrittenCode>& out_;
  std::vector<Entry> dictionary_;
  int next_ = 258;
  int width_ = 9;
  int current_ = 256;
  bool started_ = false;
};

}  // namespace

std::vector<WrittenCode> ReferenceCodes(std::span<const uint8_t> input) {
  std::vector<WrittenCode> codes;
  PlainEncoder encoder(codes);
  for (uint8_t c : input) encoder.Put(c);
  encoder.Finish();
  return codes;
}

std::vector<uint8_t> PackCodes(const std::vector<WrittenCode>& codes) {
  std::vector<uint8_t> bytes;
  size_t bit = 0;
  for (const WrittenCode& c : codes) {
    for (int i = 0; i < c.width; ++i, ++bit) {
      if (bit % 8 == 0) bytes.push_back(0);
      if (c.code >> i & 1) bytes.back() |= static_cast<uint8_t>(1 << (bit % 8));
    }
  }
  return bytes;
}

CodeStreamBuilder& CodeStreamBuilder::Clear() {
  codes_.push_back({256, Width()});
  nextCode_ = 258;
  dataCodes_ = 0;
  return *this;
}

// The decoder defines one entry per data code after the first.
CodeStreamBuilder& CodeStreamBuilder::Data(uint32_t code) {
  codes_.push_back({code, Width()});
  if (++dataCodes_ >= 2 && nextCode_ < 4096) ++nextCode_;
  return *this;
}

CodeStreamBuilder& CodeStreamBuilder::End() {
  codes_.push_back({257, Width()});
  return *this;
}

int CodeStreamBuilder::Width() const {
  return std::min(12, static_cast<int>(std::bit_width(nextCode_)));
}
