#include "scene_fixture.h"

#include <cmath>

#include "render/tile_geometry.h"

namespace {

CBoard GeneratedBoard(BoardKind kind) {
  static CLibraryRandom source;
  source.Seed(7);
  CBoardRandom random(source, [] { return std::int64_t(1000); });
  CBoard board(kind, random);
  board.Generate(random);
  return board;
}

}  // namespace

SceneTest::SceneTest(BoardKind kind) : board_(GeneratedBoard(kind)) {
  EXPECT_TRUE(context_.Ok());
  scene_.Textures().SetDataDirectory(H3D_TEST_DATA_DIR);
  scene_.Textures().SetMessageSink([this](const std::string& m) { messages_.push_back(m); });
  scene_.Create(kind, kWidth, kHeight);
  // Player 0 has a settlement and a road, player 1 a city.
  board_.SetBuilding(MakeCornerId(0, 0), SettlementCode(0));
  board_.SetRoad(MakeEdgeId(0, 0), 0);
  board_.SetBuilding(MakeCornerId(4, 3), CityCode(1));
  board_.SetRoad(MakeEdgeId(4, 3), 1);
}

SceneTest::~SceneTest() { scene_.Destroy(); }

CSceneInput SceneTest::InputFor(int gameState) {
  CSceneInput in;
  in.ShowBoard(board_);
  in.gameState = gameState;
  in.pickEnabled = true;
  in.currentPlayer = 0;
  in.tilesSetUp = board_.TileCount();
  in.firstChipCandidates = board_.FirstChipCandidates();
  in.productionTiles = tileList_;
  in.cityTiles = tileList_;
  in.roadSites = edgeList_;
  in.settlementSites = cornerList_;
  in.initialSettlementSites = cornerList_;
  return in;
}

std::pair<int, int> SceneTest::ClickPoint(double x, double y, double z) const {
  const auto p = scene_.ProjectToWindow(x, y, z);
  EXPECT_TRUE(p.has_value());
  if (!p) return {-1, -1};
  return {int(std::floor(p->x)), int(std::floor(p->y))};
}

std::pair<int, int> SceneTest::TileCentre(int t) const {
  const CBoardPiece& piece = board_.Piece(t);
  return ClickPoint(piece.x, 0.0, piece.z);
}

std::pair<int, int> SceneTest::CornerPoint(CornerId corner, double height) const {
  const CBoardPiece& piece = board_.Piece(IdPosition(corner));
  const BoardOffset& offset = kCornerOffset[IdIndex(corner)];
  return ClickPoint(piece.x + offset.x, height, piece.z + offset.z);
}

std::optional<PickCode> SceneTest::PickAt(const CSceneInput& input, std::pair<int, int> point) {
  return scene_.Pick(input, point.first, point.second);
}
