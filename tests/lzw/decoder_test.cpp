#include <gtest/gtest.h>

#include <algorithm>

#include "bit_output.h"
#include "lzw.h"
#include "reference_encoder.h"
#include "test_data.h"

namespace {

void ExpectRoundTrip(const std::vector<uint8_t>& input) {
  const LzwUnpacked out = LzwUnpack(LzwPack(input));
  EXPECT_EQ(out.status, DecodeStatus::Ended);
  EXPECT_TRUE(out.bytes == input) << "input of " << input.size() << " bytes";
}

bool IsPrefixOf(const std::vector<uint8_t>& prefix, const std::vector<uint8_t>& whole) {
  return prefix.size() <= whole.size() && std::equal(prefix.begin(), prefix.end(), whole.begin());
}

TEST(LzwDecoder, RoundTripsAssortedInputs) {
  ExpectRoundTrip({});
  ExpectRoundTrip(Bytes({0x41}));
  ExpectRoundTrip(Bytes({0x61, 0x61, 0x61}));  // a code used while it is being defined
  ExpectRoundTrip(RandomBytes(1 << 20, 11));    // hundreds of dictionary fills
  ExpectRoundTrip(TextBytes(1 << 20, 12));
  ExpectRoundTrip(std::vector<uint8_t>(300000, 0xff));
  std::vector<uint8_t> mixed = TextBytes(40000, 13);
  const auto noise = RandomBytes(40000, 14);
  mixed.insert(mixed.end(), noise.begin(), noise.end());
  mixed.insert(mixed.end(), 50000, 'x');
  ExpectRoundTrip(mixed);
}

// The end code is written at the width of the last string's code while the
// decoder has already widened; when it ends exactly on a byte boundary the
// wider read runs out of input and must still count as a complete stream.
// With this input that happens at length 8676 (after two dictionary fills);
// the other lengths sample the rest.
TEST(LzwDecoder, PrefixesOfAnInputDecodeAsComplete) {
  const auto input = RandomBytes(12000, 15);
  for (size_t length = 0; length <= input.size(); length += (length >= 8600 && length < 8700 ? 1 : 37)) {
    const std::vector<uint8_t> prefix(input.begin(), input.begin() + length);
    const LzwUnpacked out = LzwUnpack(LzwPack(prefix));
    ASSERT_EQ(out.status, DecodeStatus::Ended) << "length " << length;
    ASSERT_TRUE(out.bytes == prefix) << "length " << length;
  }
}

TEST(LzwDecoder, SmallReadsAndGetByteGiveTheSameBytes) {
  const auto input = std::vector<uint8_t>(20000, 'z');  // strings far longer than the reads
  const auto stream = LzwPack(input);
  for (size_t capacity : {1u, 7u, 4096u}) {
    MemorySource source(stream);
    BitInput in(source);
    Decoder decoder(in);
    std::vector<uint8_t> out;
    std::vector<uint8_t> block(capacity);
    while (size_t n = decoder.Read(block.data(), block.size())) out.insert(out.end(), block.begin(), block.begin() + n);
    EXPECT_TRUE(out == input) << "capacity " << capacity;
  }
  const auto small = Bytes({0x00, 0xc3, 0x08, 0x0c, 0x08});
  MemorySource source(small);
  BitInput in(source);
  Decoder decoder(in);
  std::string text;
  while (auto b = decoder.GetByte()) text += static_cast<char>(*b);
  EXPECT_EQ(text, "aaa");
  EXPECT_FALSE(decoder.GetByte().has_value());
  EXPECT_EQ(decoder.Status(), DecodeStatus::Ended);
}

TEST(LzwDecoder, TruncatedStreamKeepsThePrefixBeforeTheCut) {
  const auto input = TextBytes(6000, 16);
  const auto stream = LzwPack(input);
  size_t lastSize = 0;
  for (size_t cut = 0; cut < stream.size(); ++cut) {
    const LzwUnpacked out = LzwUnpack(std::span(stream).first(cut));
    ASSERT_EQ(out.status, DecodeStatus::Truncated) << "cut " << cut;
    ASSERT_TRUE(IsPrefixOf(out.bytes, input)) << "cut " << cut;
    ASSERT_GE(out.bytes.size(), lastSize);
    lastSize = out.bytes.size();
  }
  EXPECT_GT(lastSize, input.size() - 100);
}

TEST(LzwDecoder, BytesAfterTheEndCodeAreIgnored) {
  auto stream = LzwPack(TextBytes(500, 17));
  stream.insert(stream.end(), {0xde, 0xad, 0xbe, 0xef});
  const LzwUnpacked out = LzwUnpack(stream);
  EXPECT_EQ(out.status, DecodeStatus::Ended);
  EXPECT_TRUE(out.bytes == TextBytes(500, 17));
}

TEST(LzwDecoder, CodesNoEncoderCanWriteEndDecodingAsCorrupt) {
  // A code beyond the entry being defined.
  LzwUnpacked out = LzwUnpack(CodeStreamBuilder().Clear().Data('A').Data(300).Data('B').End().Bytes());
  EXPECT_EQ(out.status, DecodeStatus::Corrupt);
  EXPECT_TRUE(out.bytes == Bytes({'A'}));
  // Right after a clear there is no previous string to define an entry from.
  out = LzwUnpack(CodeStreamBuilder().Clear().Data('A').Data('B').Clear().Data(258).End().Bytes());
  EXPECT_EQ(out.status, DecodeStatus::Corrupt);
  EXPECT_TRUE(out.bytes == Bytes({'A', 'B'}));
  out = LzwUnpack(CodeStreamBuilder().Data(258).End().Bytes());
  EXPECT_EQ(out.status, DecodeStatus::Corrupt);
  EXPECT_TRUE(out.bytes.empty());
  // The entry being defined is fine once a string precedes it.
  out = LzwUnpack(CodeStreamBuilder().Clear().Data('A').Data(258).Data(259).End().Bytes());
  EXPECT_EQ(out.status, DecodeStatus::Ended);
  EXPECT_TRUE(out.bytes == Bytes({'A', 'A', 'A', 'A', 'A', 'A'}));
}

TEST(LzwDecoder, FullDictionaryWithoutClearStopsAtTheNextString) {
  CodeStreamBuilder builder;
  builder.Clear();
  for (int i = 0; i < 3839; ++i) builder.Data('A');  // defines entries 258..4095
  builder.Data('B').End();
  const LzwUnpacked out = LzwUnpack(builder.Bytes());
  EXPECT_EQ(out.status, DecodeStatus::DictionaryFull);
  EXPECT_TRUE(out.bytes == std::vector<uint8_t>(3839, 'A'));

  CodeStreamBuilder cleared;
  cleared.Clear();
  for (int i = 0; i < 3839; ++i) cleared.Data('A');
  cleared.Clear().Data('B').End();
  EXPECT_EQ(LzwUnpack(cleared.Bytes()).status, DecodeStatus::Ended);
}

TEST(LzwBitStreams, CodesArePackedLeastSignificantBitFirst) {
  std::vector<uint8_t> bytes;
  VectorSink sink(bytes);
  BitOutput out(sink);
  out.Write(0x7f, 7);
  out.Write(0xabc, 12);  // spans three bytes
  out.Write(0x1ffff, 16);  // limited to 16 bits
  ASSERT_TRUE(out.Close());
  EXPECT_EQ(bytes, Bytes({0x7f, 0x5e, 0xfd, 0xff, 0x07}));

  MemorySource source(bytes);
  BitInput in(source);
  uint32_t code = 0;
  ASSERT_TRUE(in.Read(7, code));
  EXPECT_EQ(code, 0x7fu);
  ASSERT_TRUE(in.Read(12, code));
  EXPECT_EQ(code, 0xabcu);
  ASSERT_TRUE(in.Read(16, code));
  EXPECT_EQ(code, 0xffffu);
  EXPECT_FALSE(in.Read(9, code));
  EXPECT_EQ(in.PendingBitCount(), 5);
  EXPECT_EQ(in.PendingBits(), 0u);
}

}  // namespace
