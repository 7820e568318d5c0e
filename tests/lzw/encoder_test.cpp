#include <gtest/gtest.h>

#include "encoder.h"
#include "lzw.h"
#include "reference_encoder.h"
#include "test_data.h"

namespace {

TEST(LzwEncoder, SmallInputsGiveTheKnownStreams) {
  EXPECT_EQ(LzwPack({}), Bytes({0x00, 0x03, 0x02}));
  EXPECT_EQ(LzwPack(Bytes({0x41})), Bytes({0x00, 0x83, 0x04, 0x04}));
  EXPECT_EQ(LzwPack(Bytes({0x61, 0x61, 0x61})), Bytes({0x00, 0xc3, 0x08, 0x0c, 0x08}));
  EXPECT_EQ(ReferenceCodes(Bytes({0x61, 0x61, 0x61})),
            (std::vector<WrittenCode>{{256, 9}, {97, 9}, {258, 9}, {257, 9}}));
}

TEST(LzwEncoder, MatchesThePlainEncoderBitForBit) {
  const std::vector<std::vector<uint8_t>> inputs = {
      RandomBytes(30000, 1),           // several dictionary fills
      TextBytes(60000, 2),             // long strings
      std::vector<uint8_t>(70000, 0),  // one byte repeated: longest strings
      RandomBytes(511, 3),             // around the first width change
      RandomBytes(257, 4),
  };
  for (const auto& input : inputs) {
    EXPECT_EQ(LzwPack(input), PackCodes(ReferenceCodes(input))) << "input of " << input.size() << " bytes";
  }
}

TEST(LzwEncoder, FeedingByteByByteOrInBlocksGivesTheSameStream) {
  const auto input = TextBytes(20000, 5);
  std::vector<uint8_t> single;
  {
    VectorSink sink(single);
    BitOutput out(sink);
    Encoder encoder(out);
    for (uint8_t b : input) encoder.Put(b);
    EXPECT_TRUE(encoder.Finish());
  }
  EXPECT_EQ(single, LzwPack(input));
}

// Random bytes rarely repeat a pair, so nearly every byte adds an entry and
// the dictionary fills after about 3839 codes.
TEST(LzwEncoder, FullDictionaryClearsAtTwelveBitsAndRestartsAtNine) {
  const auto codes = ReferenceCodes(RandomBytes(12000, 6));
  ASSERT_EQ(codes.front(), (WrittenCode{256, 9}));
  int clears = 0;
  size_t previousClear = 0;
  for (size_t i = 1; i + 1 < codes.size(); ++i) {
    if (codes[i].code != 256) continue;
    ++clears;
    EXPECT_EQ(codes[i].width, 12);
    EXPECT_EQ(codes[i + 1].width, 9);
    // 3838 codes that create entries 258..4095, and the one that would create 4096.
    EXPECT_EQ(i - previousClear - 1, 3839u);
    previousClear = i;
  }
  EXPECT_GE(clears, 2);
}

TEST(LzwEncoder, WidthGrowsAfterTheCodeThatCreatesEntry512) {
  const auto codes = ReferenceCodes(RandomBytes(3000, 7));
  // codes[k] is the k-th data code; data code k creates entry 257 + k.
  EXPECT_EQ(codes[255].width, 9);   // creates entry 512
  EXPECT_EQ(codes[256].width, 10);
  EXPECT_EQ(codes[767].width, 10);  // creates entry 1024
  EXPECT_EQ(codes[768].width, 11);
  EXPECT_EQ(codes[1791].width, 11);  // creates entry 2048
  EXPECT_EQ(codes[1792].width, 12);
  EXPECT_EQ(LzwPack(RandomBytes(3000, 7)), PackCodes(codes));
}

}  // namespace
