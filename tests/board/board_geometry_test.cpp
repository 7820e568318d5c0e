#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "engine/board/board_geometry.h"
#include "engine/board/board_kind.h"

namespace {

constexpr int kStep[6][2] = {{-1, -1}, {-1, 1}, {0, 2}, {1, 1}, {1, -1}, {0, -2}};

// Corner k of P in (a, b) units, times 3 to stay in integers: the centroid of
// the three pieces touching it.
std::pair<int, int> CornerPoint(int p, int k) {
  const PositionRow& r = PositionTableRow(p);
  const int k0 = Wrap6(k - 1);
  return {3 * r.a + kStep[k0][0] + kStep[k][0], 3 * r.b + kStep[k0][1] + kStep[k][1]};
}

TEST(BoardGeometry, NeighboursAreSymmetricAndOneStepAway) {
  for (int p = 0; p < kMaxPositions; ++p) {
    const PositionRow& row = PositionTableRow(p);
    for (int k = 0; k < 6; ++k) {
      const int n = row.neighbor[k];
      if (n == kNoPosition) continue;
      ASSERT_TRUE(IsTablePosition(n)) << p << " " << k;
      EXPECT_EQ(TableNeighbor(n, Opposite(k)), p) << "side " << k << " of " << p;
      EXPECT_EQ(PositionTableRow(n).a - row.a, kStep[k][0]) << p << " " << k;
      EXPECT_EQ(PositionTableRow(n).b - row.b, kStep[k][1]) << p << " " << k;
    }
  }
}

TEST(BoardGeometry, CoordinatesAreTheStoredDoubles) {
  const double stored[] = {4.330127018922194,  8.660254037844387, 12.99038105676658,
                           17.320508075688775, 21.65063509461097, 25.98076211353316,
                           30.310889132455355, 34.64101615137755};
  EXPECT_EQ(PositionZ(48), stored[7]);   // b = 8
  EXPECT_EQ(PositionZ(12), stored[3]);   // b = 4
  EXPECT_EQ(PositionZ(7), -stored[2]);   // b = -3
  EXPECT_EQ(PositionX(40), -30.0);
  const double dx = PositionX(1) - PositionX(0), dz = PositionZ(1) - PositionZ(0);
  EXPECT_NEAR(std::sqrt(dx * dx + dz * dz), kNeighbourDistance, 1e-12);
}

TEST(BoardGeometry, LandIsSurroundedAndFrameIsARing) {
  for (BoardKind kind : {BoardKind::Standard, BoardKind::Large}) {
    const BoardConstants& c = ConstantsOf(kind);
    for (int p = 0; p < c.landCount; ++p) {
      for (int n : PositionTableRow(p).neighbor) {
        EXPECT_TRUE(n >= 0 && n < c.tileCount) << "land " << p;
      }
    }
    for (int i = 0; i < c.frameCount; ++i) {
      const int p = c.landCount + i;
      const int next = c.landCount + (i + 1) % c.frameCount;
      const auto& nb = PositionTableRow(p).neighbor;
      EXPECT_NE(std::find(nb.begin(), nb.end(), next), nb.end()) << p << " -> " << next;
    }
  }
}

TEST(BoardGeometry, CornerAndSideRelationsMatchThePlane) {
  for (int p = 0; p < 30; ++p) {  // land of the large board: every form exists
    for (int k = 0; k < 6; ++k) {
      const auto here = CornerPoint(p, k);
      for (const PieceCorner& f : CornerForms(p, k)) EXPECT_EQ(CornerPoint(f.position, f.corner), here);
      std::set<std::pair<int, int>> adjacent;
      for (const PieceCorner& a : AdjacentCorners(p, k)) {
        const auto there = CornerPoint(a.position, a.corner);
        const int da = there.first - here.first, db = there.second - here.second;
        // one side length: 2 units in a or (1, 3) in (a, b) at triple scale
        EXPECT_TRUE((std::abs(da) == 2 && db == 0) || (std::abs(da) == 1 && std::abs(db) == 3));
        adjacent.insert(there);
      }
      EXPECT_EQ(adjacent.size(), 3u);
      for (const PieceSide& s : CornerSides(p, k)) {
        const bool touches = CornerPoint(s.position, s.side) == here ||
                             CornerPoint(s.position, Wrap6(s.side + 1)) == here;
        EXPECT_TRUE(touches) << p << "/" << k;
      }
    }
  }
  EXPECT_EQ(CornerForms(0, 0)[1], (PieceCorner{1, 4}));
  EXPECT_EQ(CornerForms(0, 0)[2], (PieceCorner{6, 2}));
  EXPECT_EQ(OtherSideForm(1, 2), (PieceSide{2, 5}));
}

}  // namespace
