// Placement rules, the Longest Road search and the trade ratios, on bare boards.
#include <algorithm>

#include <gtest/gtest.h>

#include "engine/board/harbour_ratio.h"
#include "engine/board/longest_road.h"
#include "engine/board/placement_rules.h"
#include "session_test_support.h"

namespace {


CBoard EmptyBoard() { return FixedBoard(BoardKind::Standard); }

// The six sides of the centre piece form a ring around it.
void RoadsAroundCentre(CBoard& b, int player, int count) {
  for (int k = 0; k < count; ++k) b.SetRoad(MakeEdgeId(0, k), player);
}

TEST(PlacementRules, DistanceRuleKeepsOneSideBetweenSettlementsWhoeverOwnsThem) {
  CBoard b = EmptyBoard();
  b.SetBuilding(MakeCornerId(0, 0), SettlementCode(1));
  EXPECT_FALSE(PassesDistanceRule(b, MakeCornerId(0, 1)));  // one side away
  EXPECT_FALSE(PassesDistanceRule(b, MakeCornerId(0, 5)));
  EXPECT_TRUE(PassesDistanceRule(b, MakeCornerId(0, 2)));   // two sides away
  // Corner 0 of piece 0 is corner 4 of piece 1: its neighbours seen from there too.
  EXPECT_FALSE(PassesDistanceRule(b, MakeCornerId(1, 3)));
  std::vector<CornerId> offered = OfferedInitialSettlements(b);
  EXPECT_FALSE(OffersCorner(b, offered, MakeCornerId(0, 1)));
  EXPECT_TRUE(OffersCorner(b, offered, MakeCornerId(0, 2)));
}

TEST(PlacementRules, NormalPlayNeedsAnOwnRoadAtTheCorner) {
  CBoard b = EmptyBoard();
  EXPECT_TRUE(OffersCorner(b, OfferedInitialSettlements(b), MakeCornerId(0, 3)));
  EXPECT_FALSE(OffersCorner(b, OfferedSettlements(b, 0), MakeCornerId(0, 3)));
  b.SetRoad(MakeEdgeId(0, 3), 0);  // side 3 runs from corner 3 to corner 4
  EXPECT_TRUE(OffersCorner(b, OfferedSettlements(b, 0), MakeCornerId(0, 3)));
  EXPECT_TRUE(OffersCorner(b, OfferedSettlements(b, 0), MakeCornerId(0, 4)));
  EXPECT_FALSE(OffersCorner(b, OfferedSettlements(b, 1), MakeCornerId(0, 3)));
}

TEST(PlacementRules, CoastCornerOffersTwoInitialRoadSidesInBothForms) {
  CBoard b = EmptyBoard();
  // Corner 0 of position 7 touches 7 and the frame pieces 19 and 20.
  std::array<EdgeId, 6> roads = InitialRoadCandidates(b, MakeCornerId(7, 0));
  int sides = static_cast<int>(std::count_if(roads.begin(), roads.end(), [](EdgeId e) { return e >= 0; }));
  EXPECT_EQ(sides, 4);
  EXPECT_TRUE(std::find(roads.begin(), roads.end(), MakeEdgeId(7, 0)) != roads.end());
  EXPECT_TRUE(std::find(roads.begin(), roads.end(), MakeEdgeId(7, 5)) != roads.end());
  // An inland corner offers all three sides.
  roads = InitialRoadCandidates(b, MakeCornerId(0, 0));
  EXPECT_EQ(std::count(roads.begin(), roads.end(), -1), 0);
}

TEST(PlacementRules, RoadsContinueThroughOwnBuildingsOnly) {
  CBoard b = EmptyBoard();
  b.SetRoad(MakeEdgeId(0, 0), 0);  // from corner 0 to corner 1 of the centre
  EXPECT_TRUE(OffersEdge(b, OfferedRoads(b, 0), MakeEdgeId(0, 1)));
  EXPECT_TRUE(OffersEdge(b, OfferedRoads(b, 0), MakeEdgeId(2, 4)));  // the same side seen from 2
  b.SetBuilding(MakeCornerId(0, 1), SettlementCode(1));
  EXPECT_FALSE(OffersEdge(b, OfferedRoads(b, 0), MakeEdgeId(0, 1)));
  b.SetBuilding(MakeCornerId(0, 1), CityCode(0));
  EXPECT_TRUE(OffersEdge(b, OfferedRoads(b, 0), MakeEdgeId(0, 1)));
  // A side between two frame pieces is never offered.
  EXPECT_TRUE(IsSeaSide(b, MakeEdgeId(19, 1)));
  EXPECT_FALSE(IsSeaSide(b, MakeEdgeId(7, 0)));
}

// The canonical form is the smallest id among the forms on the board, for
// every id a click or a file may bring: off the board, past corner 5, negative.
TEST(PlacementRules, CanonicalFormIsTheSmallestFormOnTheBoard) {
  for (BoardKind kind : {BoardKind::Standard, BoardKind::Large}) {
    CBoard b = FixedBoard(kind);
    for (int32_t id = -25; id < 10 * (kMaxPositions + 2); ++id) {
      CornerId corner = id;
      for (const PieceCorner& c : b.CornerFormsOnBoard(IdPosition(id), IdIndex(id)))
        corner = std::min(corner, MakeCornerId(c.position, c.corner));
      EdgeId edge = id;
      for (const PieceSide& s : b.SideFormsOnBoard(IdPosition(id), IdIndex(id)))
        edge = std::min(edge, MakeEdgeId(s.position, s.side));
      ASSERT_EQ(CanonicalCorner(b, id), corner) << "id " << id;
      ASSERT_EQ(CanonicalEdge(b, id), edge) << "id " << id;
    }
  }
}

TEST(LongestRoad, FiveRoadsMakeARecordAndOnlyALongerRoadTakesIt) {
  CBoard b = EmptyBoard();
  RoadsAroundCentre(b, 0, 4);
  EXPECT_EQ(LongestRoadSearch(b, 0, 4, -1), BonusNoChange);
  RoadsAroundCentre(b, 0, 5);
  EXPECT_EQ(LongestRoadSearch(b, 0, 5, -1), BonusFromNobody);
  EXPECT_EQ(b.longestRoadLength, 5);
  EXPECT_EQ(b.longestRoadPath.size(), 5u);
  // Player 1: five roads around piece 15 - a tie leaves the bonus with player 0.
  for (int k = 0; k < 5; ++k) b.SetRoad(MakeEdgeId(15, k == 0 ? 1 : k + 1), 1);
  EXPECT_EQ(LongestRoadSearch(b, 1, 5, 0), BonusNoChange);
  b.SetRoad(MakeEdgeId(15, 0), 1);
  EXPECT_EQ(LongestRoadSearch(b, 1, 6, 0), 0);
  EXPECT_EQ(b.longestRoadLength, 6);
  EXPECT_EQ(LongestRoadSearch(b, 1, 6, 1), BonusNoChange);  // no growth, no new record
  for (const CBoardPiece& p : b.Pieces()) EXPECT_EQ(p.edgeMark, (std::array<int32_t, 6>{}));
}

TEST(LongestRoad, RingBranchesAndCuttingSettlements) {
  CBoard b = EmptyBoard();
  RoadsAroundCentre(b, 0, 6);
  EXPECT_EQ(LongestRoadSearch(b, 0, 6, -1), BonusFromNobody);
  EXPECT_EQ(b.longestRoadLength, 6);  // a ring counts each side once
  // A spur off the ring: the trail runs round the ring and out along the spur.
  // Side 2 of piece 1 leaves the ring at corner 1 of the centre; side 1 of piece 1 continues it.
  b.SetRoad(MakeEdgeId(1, 2), 0);
  b.SetRoad(MakeEdgeId(1, 1), 0);
  EXPECT_EQ(LongestRoadSearch(b, 0, 8, 0), BonusKept);
  EXPECT_EQ(b.longestRoadLength, 8);
  EXPECT_EQ(b.longestRoadPath.size(), 8u);

  CBoard c = EmptyBoard();
  RoadsAroundCentre(c, 0, 5);
  c.SetBuilding(MakeCornerId(0, 2), SettlementCode(1));  // between sides 1 and 2
  EXPECT_EQ(LongestRoadSearch(c, 0, 5, -1), BonusNoChange);
  c.SetBuilding(MakeCornerId(0, 2), SettlementCode(0));  // an own building does not cut
  EXPECT_EQ(LongestRoadSearch(c, 0, 5, -1), BonusFromNobody);
}

TEST(TradeRatios, HarboursGiveTheirRatiosToBuildingsOnTheirCorners) {
  CSessionHarness h;
  h.session.NewGame(3, true, false);
  for (int32_t t : StandardTiles()) h.session.ChooseTile(t);
  CBoard b = h.session.Board();
  // Harbours lie on 19, 21, ..., 35: four 3 for 1 first, the Sheep Port last.
  EXPECT_EQ(b.Type(35), TileType::SheepPort);
  EXPECT_EQ(TradeRatio(b, 0, ResourceType::Sheep), 4);
  b.SetBuilding(MakeCornerId(35, 2), SettlementCode(0));  // touches 35, 18 and 17
  EXPECT_EQ(TradeRatio(b, 0, ResourceType::Sheep), 2);
  EXPECT_EQ(TradeRatio(b, 0, ResourceType::Ore), 4);
  EXPECT_EQ(TradeRatio(b, 1, ResourceType::Sheep), 4);
  b.SetBuilding(MakeCornerId(19, 3), CityCode(0));  // a 3 for 1 harbour
  EXPECT_EQ(TradeRatio(b, 0, ResourceType::Ore), 3);
  EXPECT_EQ(TradeRatio(b, 0, ResourceType::Sheep), 2);
}

}  // namespace

namespace {

// Roads all round piece `position`.
void Ring(CBoard& b, int position, int player) {
  for (int k = 0; k < 6; ++k) b.SetRoad(MakeEdgeId(position, k), player);
}

TEST(LongestRoad, ACutHolderLosesTheBonusToTheOneLongestRoadOrToNobodyOnATie) {
  for (bool oneLonger : {false, true}) {
    CBoard b = EmptyBoard();
    RoadsAroundCentre(b, 0, 5);
    ASSERT_EQ(LongestRoadSearch(b, 0, 5, -1), BonusFromNobody);
    Ring(b, 15, 1);  // 6
    Ring(b, 9, 2);   // 6
    if (oneLonger) b.SetRoad(MakeEdgeId(22, 2), 2);  // a spoke off corner 1 of piece 9: 7
    b.longestRoadLength = 5;
    // Player 1 settles between sides 1 and 2 of the centre.
    b.SetBuilding(MakeCornerId(0, 2), SettlementCode(1));
    RoadCutResult cut = ReexamineLongestRoad(b, 1, 0, {5, 6, oneLonger ? 7 : 6});
    EXPECT_EQ(cut.lost, 0);
    EXPECT_EQ(cut.gained, oneLonger ? 2 : -1);
    EXPECT_EQ(b.longestRoadLength, oneLonger ? 7 : 0);
    EXPECT_EQ(b.longestRoadPath.size(), oneLonger ? 7u : 0u);
  }
}

TEST(LongestRoad, TheHoldersOwnSettlementAndAnUncutRoadChangeNothing) {
  CBoard b = EmptyBoard();
  RoadsAroundCentre(b, 0, 5);
  ASSERT_EQ(LongestRoadSearch(b, 0, 5, -1), BonusFromNobody);
  b.SetBuilding(MakeCornerId(0, 2), SettlementCode(0));
  RoadCutResult own = ReexamineLongestRoad(b, 0, 0, {5, 0, 0});
  EXPECT_EQ(own.lost, -1);
  // Another player's settlement at the end of the road does not cut it.
  b.SetBuilding(MakeCornerId(0, 2), kNoBuilding);
  b.SetBuilding(MakeCornerId(0, 0), SettlementCode(1));
  RoadCutResult end = ReexamineLongestRoad(b, 1, 0, {5, 0, 0});
  EXPECT_EQ(end.lost, -1);
  EXPECT_EQ(b.longestRoadLength, 5);
}

}  // namespace
