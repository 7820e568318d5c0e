#include <gtest/gtest.h>

#include <vector>

#include "render/pick_hits.h"

namespace {
std::vector<GLuint> Hit(GLuint minDepth, GLuint name) { return {1, minDepth, minDepth + 5, name}; }
std::vector<GLuint> Join(std::initializer_list<std::vector<GLuint>> records) {
  std::vector<GLuint> out;
  for (const auto& r : records) out.insert(out.end(), r.begin(), r.end());
  return out;
}
}  // namespace

TEST(PickHitsTest, NearestMinimumDepthWinsComparedUnsigned) {
  const auto buffer = Join({Hit(0x90000000u, 11), Hit(0x7FFFFFFFu, 22), Hit(0xF0000000u, 33)});
  EXPECT_EQ(NearestHitName(buffer, 3), 22);
}

TEST(PickHitsTest, EqualDepthKeepsTheEarlierHit) {
  const auto buffer = Join({Hit(500, 7), Hit(500, 8), Hit(900, 9)});
  EXPECT_EQ(NearestHitName(buffer, 3), 7);
}

TEST(PickHitsTest, NoHitOrOverflowGivesNothing) {
  const auto buffer = Join({Hit(500, 7)});
  EXPECT_EQ(NearestHitName(buffer, 0), std::nullopt);
  EXPECT_EQ(NearestHitName(buffer, -1), std::nullopt);
}

TEST(PickHitsTest, NameZeroIsAHitThatNamesNothing) {
  const auto buffer = Join({Hit(100, 0), Hit(200, 5)});
  EXPECT_EQ(NearestHitName(buffer, 2), 0);
}

TEST(PickHitsTest, RecordsPastTheBufferAndEmptyNameStacksAreSkipped) {
  auto buffer = Join({Hit(300, 4), Hit(100, 6)});
  buffer.resize(6);  // the second record is cut off
  EXPECT_EQ(NearestHitName(buffer, 2), 4);
  const std::vector<GLuint> empty = Join({{0, 50, 60}, Hit(70, 3)});
  EXPECT_EQ(NearestHitName(empty, 2), 3);
  // A count that claims more names than the buffer holds.
  const std::vector<GLuint> bogus = {1000, 1, 2, 3};
  EXPECT_EQ(NearestHitName(bogus, 1), std::nullopt);
}
