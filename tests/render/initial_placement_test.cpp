#include <gtest/gtest.h>

#include "render/initial_placement.h"

TEST(InitialPlacementTest, SingleLandCornersFollowTheBoardKind) {
  EXPECT_TRUE(TouchesSingleLandTile(BoardKind::Standard, 70));
  EXPECT_TRUE(TouchesSingleLandTile(BoardKind::Standard, 180));
  EXPECT_FALSE(TouchesSingleLandTile(BoardKind::Standard, 71));
  EXPECT_FALSE(TouchesSingleLandTile(BoardKind::Standard, 294));
  EXPECT_TRUE(TouchesSingleLandTile(BoardKind::Large, 294));
  EXPECT_FALSE(TouchesSingleLandTile(BoardKind::Large, 70));
}

TEST(InitialPlacementTest, LinesStartAtSixtyDegreesOnOddCorners) {
  const RoadStepLines even = InitialRoadLines(BoardKind::Standard, MakeCornerId(0, 2));
  ASSERT_EQ(even.count, 3);
  EXPECT_EQ(even.angles[0], 0.0);
  EXPECT_EQ(even.angles[1], 120.0);
  EXPECT_EQ(even.angles[2], 240.0);
  const RoadStepLines odd = InitialRoadLines(BoardKind::Standard, MakeCornerId(0, 3));
  ASSERT_EQ(odd.count, 3);
  EXPECT_EQ(odd.angles[0], 60.0);
  EXPECT_EQ(odd.angles[2], 300.0);
}

// At a single-land corner the line running between two sea tiles goes: the
// first for corners 4 and 5, the second for 0 and 1, the third for 2 and 3.
TEST(InitialPlacementTest, TheSeaLineIsLeftOutAtSingleLandCorners) {
  const struct {
    CornerId corner;
    double first, second;
  } cases[] = {{70, 0, 240},  {81, 60, 300},  {102, 0, 120},
               {123, 60, 180},  {144, 120, 240}, {175, 180, 300}};
  for (const auto& c : cases) {
    const RoadStepLines lines = InitialRoadLines(BoardKind::Standard, c.corner);
    ASSERT_EQ(lines.count, 2) << c.corner;
    EXPECT_EQ(lines.angles[0], c.first) << c.corner;
    EXPECT_EQ(lines.angles[1], c.second) << c.corner;
  }
}
