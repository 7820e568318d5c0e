#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <stdexcept>
#include <vector>

#include "board_test_support.h"

namespace {

TEST(SharedSites, CornerWrittenOnceIsSeenFromAllThreePieces) {
  CBoard board = MakeBoard(BoardKind::Standard);
  board.SetBuilding(MakeCornerId(0, 0), SettlementCode(2));
  EXPECT_EQ(board.Building(MakeCornerId(1, 4)), 12);
  EXPECT_EQ(board.Building(MakeCornerId(6, 2)), 12);
  board.UpgradeBuilding(MakeCornerId(6, 2));
  EXPECT_EQ(board.Building(MakeCornerId(0, 0)), CityCode(2));
  EXPECT_EQ(board.Building(MakeCornerId(1, 4)), CityCode(2));
  board.DowngradeBuilding(MakeCornerId(1, 4));
  EXPECT_EQ(board.Building(MakeCornerId(0, 0)), SettlementCode(2));
  board.ClearBuilding(MakeCornerId(1, 4));
  for (int id : {0, 14, 62}) EXPECT_EQ(board.Building(id), kNoBuilding);
  EXPECT_TRUE(board.IsConsistent());
}

TEST(SharedSites, SideHasTwoCopies) {
  CBoard board = MakeBoard(BoardKind::Standard);
  board.SetRoad(MakeEdgeId(1, 2), 4);
  EXPECT_EQ(board.RoadOwner(MakeEdgeId(2, 5)), 4);
  board.SetEdgeMark(MakeEdgeId(2, 5), 1);
  EXPECT_EQ(board.EdgeMark(MakeEdgeId(1, 2)), 1);
  board.ClearEdgeMarks();
  board.ClearRoad(MakeEdgeId(2, 5));
  EXPECT_EQ(board.RoadOwner(MakeEdgeId(1, 2)), -1);
  EXPECT_TRUE(board.IsConsistent());
}

TEST(SharedSites, FrameEdgesOfTheStandardBoardStayInside) {
  CBoard board = MakeBoard(BoardKind::Standard);
  // Neighbour 0 of position 36 is 37, which the standard board does not have.
  board.SetRoad(MakeEdgeId(36, 0), 1);
  board.SetBuilding(MakeCornerId(36, 1), SettlementCode(1));  // touches 36, 19 and 37
  EXPECT_EQ(board.RoadOwner(MakeEdgeId(36, 0)), 1);
  EXPECT_EQ(board.Building(MakeCornerId(19, 5)), SettlementCode(1));
  EXPECT_TRUE(board.IsConsistent());
  EXPECT_TRUE(board.IsFrameSide(MakeEdgeId(36, 1)));   // 36 - 19
  EXPECT_FALSE(board.IsFrameSide(MakeEdgeId(36, 2)));  // 36 - 18, land
  EXPECT_FALSE(board.IsFrameSide(MakeEdgeId(18, 5)));
  EXPECT_THROW(board.SetRoad(MakeEdgeId(37, 0), 1), std::out_of_range);
  EXPECT_THROW(board.SetBuilding(MakeCornerId(3, 7), 10), std::out_of_range);
}

TEST(SharedSites, RandomWritesKeepEveryCopyEqual) {
  for (BoardKind kind : {BoardKind::Standard, BoardKind::Large}) {
    CBoard board = MakeBoard(kind);
    std::mt19937 gen(7);
    for (int step = 0; step < 3000; ++step) {
      const int p = static_cast<int>(gen() % board.TileCount());
      const int k = static_cast<int>(gen() % 6);
      const int player = static_cast<int>(gen() % 6);
      switch (gen() % 4) {
        case 0: board.SetBuilding(PieceCorner{p, k}, SettlementCode(player)); break;
        case 1: board.SetBuilding(PieceCorner{p, k}, CityCode(player)); break;
        case 2: board.SetRoad(PieceSide{p, k}, player); break;
        default: board.ClearRoad(PieceSide{p, k}); break;
      }
      ASSERT_TRUE(board.IsConsistent()) << "step " << step;
    }
  }
}

// What is worked out from the pieces is kept by their revision: every write
// moves it on, a copy keeps it, and no two boards get the same one otherwise.
TEST(SharedSites, EveryWriteToAPieceMovesTheRevisionOn) {
  CBoard board = MakeBoard(BoardKind::Standard);
  std::vector<std::uint64_t> seen = {board.Revision()};
  auto moved = [&](const char* what) {
    EXPECT_EQ(std::count(seen.begin(), seen.end(), board.Revision()), 0) << what;
    seen.push_back(board.Revision());
  };
  board.SetBuilding(MakeCornerId(0, 0), SettlementCode(1));
  moved("building");
  board.UpgradeBuilding(MakeCornerId(0, 0));
  moved("upgrade");
  board.SetRoad(MakeEdgeId(0, 0), 1);
  moved("road");
  board.SetEdgeMark(MakeEdgeId(0, 0), 1);
  moved("edge mark");
  board.ClearEdgeMarks();
  moved("cleared marks");
  board.EnterTile(TileType::Timber);
  moved("tile entry");
  board.SetChip(0, 6, 1);
  moved("chip");
  CBoard copy = board;
  EXPECT_EQ(copy.Revision(), board.Revision());
  copy.ClearRoad(MakeEdgeId(0, 0));
  EXPECT_NE(copy.Revision(), board.Revision());
  CBoard other = MakeBoard(BoardKind::Standard);
  EXPECT_EQ(std::count(seen.begin(), seen.end(), other.Revision()), 0);
  CFixedRandom source({0});
  CBoardRandom random(source, [] { return 0; });
  board.Reset(BoardKind::Large, random);
  moved("reset");
}

}  // namespace
