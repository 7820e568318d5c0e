// Draws the board in several states into PNG pictures, to look at by eye.
// Run from anywhere; pictures go to <build>/snapshots.

#include <filesystem>

#include "engine/board/placement_rules.h"
#include "engine/session/game_state.h"
#include "scene_fixture.h"

namespace {

class SnapshotTest : public SceneTest {
 protected:
  explicit SnapshotTest(BoardKind kind = BoardKind::Standard) : SceneTest(kind) {
    std::filesystem::create_directories(H3D_SNAPSHOT_DIR);
    // A game under way: pieces of four players and a long road.
    for (auto [corner, code] : {std::pair{MakeCornerId(2, 1), SettlementCode(2)},
                                {MakeCornerId(12, 3), CityCode(3)},
                                {MakeCornerId(15, 5), SettlementCode(4)},
                                {MakeCornerId(9, 0), CityCode(0)}}) {
      board_.SetBuilding(corner, code);
    }
    for (int side : {1, 2, 3}) board_.SetRoad(MakeEdgeId(9, side), 0);
    board_.SetRoad(MakeEdgeId(2, 2), 0);
    board_.SetRoad(MakeEdgeId(2, 0), 2);
    board_.SetRoad(MakeEdgeId(15, 4), 4);
    board_.longestRoadLength = 5;
    board_.longestRoadPath = {MakeEdgeId(9, 1), MakeEdgeId(9, 2), MakeEdgeId(9, 3),
                              MakeEdgeId(2, 2), MakeEdgeId(0, 0)};
  }
  void Snap(const CSceneInput& in, const char* name, double tilt, double spin) {
    scene_.Camera().tilt = tilt;
    scene_.Camera().spin = spin;
    scene_.DrawScene(in);
    const std::string path = std::string(H3D_SNAPSHOT_DIR) + "/" + name + ".png";
    EXPECT_TRUE(context_.SavePng(path)) << path;
  }
};

class LargeSnapshotTest : public SnapshotTest {
 protected:
  LargeSnapshotTest() : SnapshotTest(BoardKind::Large) {}
};

TEST_F(SnapshotTest, States) {
  for (const std::string& m : messages_) ADD_FAILURE() << m;
  Snap(InputFor(Turn), "turn_top", 0, 0);
  Snap(InputFor(Turn), "turn_tilted", -50, 25);
  Snap(InputFor(ChipPlacement), "chip_placement", -30, 0);
  tileList_ = {0, 9, 12, board_.robberTile};
  Snap(InputFor(GoodsReceived), "goods_received", -40, -20);
  cornerList_ = OfferedSettlements(board_, 0);
  if (cornerList_.empty()) cornerList_ = {MakeCornerId(3, 2), MakeCornerId(1, 1)};
  Snap(InputFor(PlaceSettlement), "place_settlement", -35, 0);
  edgeList_ = OfferedRoads(board_, 0);
  Snap(InputFor(PlaceRoad), "place_road", -35, 0);
  tileList_ = {0, 1, 6};
  Snap(InputFor(PlaceCity), "place_city", -60, 40);
  Snap(InputFor(PlaceRobber), "place_robber", -30, 0);
  CSceneInput in = InputFor(InitialPlacement);
  cornerList_ = OfferedInitialSettlements(board_);
  in.initialSettlementSites = cornerList_;
  Snap(in, "initial_settlement", -20, 0);
  in.placingSettlement = false;
  in.initialSettlementCorner = MakeCornerId(2, 1);
  Snap(in, "initial_road", -20, 0);
  in = InputFor(BoardSetup);
  in.tilesSetUp = 23;
  Snap(in, "board_setup", 0, 0);
}

TEST_F(LargeSnapshotTest, LargeBoard) { Snap(InputFor(Turn), "large_turn", -45, 10); }

}  // namespace
