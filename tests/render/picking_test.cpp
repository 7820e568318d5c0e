#include <gtest/gtest.h>

#include "engine/board/placement_rules.h"
#include "engine/session/game_state.h"
#include "render/tile_geometry.h"
#include "scene_fixture.h"

class PickingTest : public SceneTest {
 protected:
  // Every land tile picks itself at its projected centre, except `excluded`,
  // and the sea picks nothing (code 0); returns the number of mismatches.
  int TileMismatches(const CSceneInput& in, int excluded = -1) {
    int mismatches = 0;
    for (int t = 0; t < board_.TileCount(); ++t) {
      const PickCode expected = t < board_.LandCount() && t != excluded ? t + 1 : 0;
      const auto code = PickAt(in, TileCentre(t));
      EXPECT_EQ(code, std::optional<PickCode>(expected)) << "tile " << t;
      if (code != std::optional<PickCode>(expected)) ++mismatches;
    }
    return mismatches;
  }
  // A point inside tile t, three quarters of the way to the midpoint of side k.
  std::pair<int, int> TowardsSide(int t, int k) const {
    const CBoardPiece& piece = board_.Piece(t);
    return ClickPoint(piece.x + 0.75 * kSideMidpoint[k].x, 0.0,
                      piece.z + 0.75 * kSideMidpoint[k].z);
  }
};

TEST_F(PickingTest, ChipPlacementPicksEveryLandTileAtItsCentre) {
  CSceneInput in = InputFor(ChipPlacement);
  EXPECT_EQ(TileMismatches(in), 0);
  in.placingFirstChip = false;
  in.firstChipTile = 8;
  EXPECT_EQ(TileMismatches(in), 0);
}

TEST_F(PickingTest, PickingFollowsATurnedAndTiltedCamera) {
  scene_.Camera().tilt = -50.0;
  scene_.Camera().spin = 35.0;
  EXPECT_EQ(TileMismatches(InputFor(ChipPlacement)), 0);
  scene_.Camera().eyeY = 60.0f;  // zoomed in: outer tiles leave the window
  scene_.Camera().tilt = -20.0;
  const CSceneInput in = InputFor(ChipPlacement);
  for (int t = 0; t < 7; ++t) EXPECT_EQ(PickAt(in, TileCentre(t)), t + 1);
}

TEST_F(PickingTest, PlaceRobberPicksLandExceptTheRobbersTileEvenOverChips) {
  const CSceneInput in = InputFor(PlaceRobber);
  ASSERT_GE(in.robberTile, 0);
  EXPECT_EQ(TileMismatches(in, in.robberTile), 0);
}

TEST_F(PickingTest, EmptySpaceAndDisabledPickingReportNothing) {
  CSceneInput in = InputFor(PlaceRobber);
  EXPECT_EQ(scene_.Pick(in, 2, 2), std::nullopt);
  EXPECT_EQ(scene_.Pick(in, kWidth - 3, kHeight - 3), std::nullopt);
  in.pickEnabled = false;
  EXPECT_EQ(PickAt(in, TileCentre(3)), std::nullopt);
}

TEST_F(PickingTest, StatesWithoutTileCodesPickZeroOnTiles) {
  for (int state : {int(Turn), int(PlaceSettlement), int(PlaceCity)}) {
    const CSceneInput in = InputFor(state);
    EXPECT_EQ(PickAt(in, TileCentre(10)), 0) << "state " << state;
  }
}

TEST_F(PickingTest, SettlementMarkersArePickableAtTheirCorners) {
  cornerList_ = {MakeCornerId(2, 1), MakeCornerId(12, 3), MakeCornerId(15, 5),
                 MakeCornerId(7, 0)};
  for (int state : {int(PlaceSettlement), int(InitialPlacement)}) {
    const CSceneInput in = InputFor(state);
    for (CornerId corner : cornerList_) {
      EXPECT_EQ(PickAt(in, CornerPoint(corner, 0.2)), corner + 1)
          << "corner " << corner << " state " << state;
    }
  }
}

TEST_F(PickingTest, OfferedInitialSettlementsAreAllPickable) {
  cornerList_ = OfferedInitialSettlements(board_);
  ASSERT_GT(cornerList_.size(), 30u);
  const CSceneInput in = InputFor(InitialPlacement);
  // Some corners are offered in two forms, whose markers coincide: either
  // form names the same site.
  for (CornerId corner : cornerList_) {
    const auto code = PickAt(in, CornerPoint(corner, 0.2));
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(CanonicalCorner(board_, FromPickCode(*code)), CanonicalCorner(board_, corner))
        << "corner " << corner;
  }
}

// The wedge under a click near side k, turned back by the tile's rotation,
// names side k: drawing and the pick conversion agree for every rotation.
TEST_F(PickingTest, RoadWedgesNameTheSideTheyLieAgainst) {
  edgeList_ = {MakeEdgeId(0, 1)};
  CSceneInput in = InputFor(PlaceRoad);
  for (int t = 0; t < board_.LandCount(); ++t) {
    for (int k = 0; k < 6; ++k) {
      const auto code = PickAt(in, TowardsSide(t, k));
      ASSERT_TRUE(code.has_value());
      ASSERT_EQ(IdPosition(FromPickCode(*code)), t);
      EXPECT_EQ(EdgeIdFromRoadPick(FromPickCode(*code), board_.Piece(t).rotation),
                MakeEdgeId(t, k))
          << "tile " << t << " side " << k;
    }
  }
  // The road step of the initial placement uses the same wedges.
  in = InputFor(InitialPlacement);
  in.placingSettlement = false;
  in.initialSettlementCorner = MakeCornerId(5, 2);
  const auto code = PickAt(in, TowardsSide(5, 2));
  ASSERT_TRUE(code.has_value());
  EXPECT_EQ(EdgeIdFromRoadPick(FromPickCode(*code), board_.Piece(5).rotation), MakeEdgeId(5, 2));
}

TEST_F(PickingTest, OfferedRoadLinesDoNotHideTheirSides) {
  edgeList_ = {MakeEdgeId(0, 2), MakeEdgeId(3, 5)};
  const CSceneInput in = InputFor(PlaceRoad);
  // Exactly on the highlighted line: either neighbour's wedge names the side.
  const CBoardPiece& piece = board_.Piece(0);
  const auto code = PickAt(in, ClickPoint(piece.x + kSideMidpoint[2].x * 0.98, 0.1,
                                          piece.z + kSideMidpoint[2].z * 0.98));
  ASSERT_TRUE(code.has_value());
  const int t = IdPosition(FromPickCode(*code));
  const EdgeId edge = EdgeIdFromRoadPick(FromPickCode(*code), board_.Piece(t).rotation);
  EXPECT_TRUE(edge == MakeEdgeId(0, 2) || edge == MakeEdgeId(3, 5)) << edge;
}

TEST_F(PickingTest, PlaceCityPicksOnlyTheCurrentPlayersActiveSettlements) {
  tileList_ = {0, 1, 6, 3, 4, 13};  // around player 0's settlement and player 1's city
  const CSceneInput in = InputFor(PlaceCity);
  const PickCode settlement = MakeCitySiteCode({0, 1, 6, 0}) + 1;
  EXPECT_EQ(PickAt(in, CornerPoint(MakeCornerId(0, 0), 0.5)), settlement);
  EXPECT_EQ(PickAt(in, CornerPoint(MakeCornerId(4, 3), 0.5)), 0);
  // Ground drawn after the settlement does not inherit its code.
  for (int t : {5, 10, 18}) EXPECT_EQ(PickAt(in, TileCentre(t)), 0);
}

TEST_F(LargeSceneTest, LargeBoardPicksEveryLandTile) {
  const CSceneInput in = InputFor(ChipPlacement);
  for (int t = 0; t < board_.TileCount(); ++t) {
    EXPECT_EQ(PickAt(in, TileCentre(t)), t < 30 ? t + 1 : 0) << "tile " << t;
  }
}
