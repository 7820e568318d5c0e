// Longest Road trails that pass a corner more than once.
#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "engine/board/longest_road.h"
#include "engine/board/placement_rules.h"
#include "session_test_support.h"

namespace {

CBoard BareBoard() { return FixedBoard(BoardKind::Standard); }

void Ring(CBoard& b, int position, int player) {
  for (int k = 0; k < 6; ++k) b.SetRoad(MakeEdgeId(position, k), player);
}

// Two rings sharing one side: 11 sides, and a trail from one end of the
// shared side to the other uses every side once while passing each of those
// two corners twice.
TEST(LongestRoadTrails, AFigureEightCountsEverySideOnce) {
  CBoard b = BareBoard();
  Ring(b, 0, 0);
  Ring(b, 1, 0);
  EXPECT_EQ(LongestRoadSearch(b, 0, 11, -1), BonusFromNobody);
  EXPECT_EQ(b.longestRoadLength, 11);
  std::vector<EdgeId> path = b.longestRoadPath;
  std::sort(path.begin(), path.end());
  EXPECT_EQ(std::adjacent_find(path.begin(), path.end()), path.end()) << "a side was used twice";
  // A building of another player on a shared corner: a trail may end there
  // but not pass through it, so one of its three sides is left out.
  const int sharedSide = [&] {
    for (int k = 0; k < 6; ++k)
      if (b.Piece(0).neighbor[k] == 1) return k;
    return -1;
  }();
  ASSERT_GE(sharedSide, 0);
  b.longestRoadLength = 0;
  b.SetBuilding(MakeCornerId(0, sharedSide), SettlementCode(1));
  EXPECT_EQ(LongestRoadSearch(b, 0, 11, -1), BonusFromNobody);
  EXPECT_EQ(b.longestRoadLength, 10);
  b.SetBuilding(MakeCornerId(0, Wrap6(sharedSide + 1)), SettlementCode(2));
  b.longestRoadLength = 0;
  LongestRoadSearch(b, 0, 11, -1);
  EXPECT_EQ(b.longestRoadLength, 5);  // both ends cut: each ring's other five sides
}

}  // namespace
