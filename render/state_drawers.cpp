#include "state_drawers.h"

#include <algorithm>

#include "engine/board/board.h"
#include "engine/session/game_state.h"

namespace {

constexpr float kMarkerOutlineWidth = 3.0f;

struct StateContext {
  CBoardPainter& painter;
  const CSceneInput& in;
  const CSceneMaterials& materials;
};

void DrawRobberOutline(StateContext& s) {
  s.painter.DrawTileOutline(s.in.robberTile, s.materials.redGlow, kMarkerOutlineWidth);
}

void DrawNormal(StateContext& s) {
  s.painter.SetAllLit(true);
  s.painter.DrawBoard(false, false, false);
  DrawRobberOutline(s);
}

void DrawBoardSetup(StateContext& s) {
  s.painter.SetAllLit(true);
  const int entered = std::min(s.in.tilesSetUp, s.in.TileCount());
  for (int t = 0; t < entered; ++t) s.painter.DrawTile(t);
  s.painter.DrawTileOutline(s.in.tilesSetUp, s.materials.white, 1.0f);
}

void DrawChipPlacement(StateContext& s) {
  CBoardPainter& p = s.painter;
  p.SetAllLit(false);
  std::array<int, 6> candidates;
  candidates.fill(-1);
  if (s.in.placingFirstChip) {
    candidates = s.in.firstChipCandidates;
  } else {
    std::copy(s.in.secondChipCandidates.begin(), s.in.secondChipCandidates.end(), candidates.begin());
  }
  for (int t : candidates) p.SetLit(t, true);
  p.LoadCode(0);
  p.SetTileCodes(TileCodes::Tiles);
  for (int t = 0; t < s.in.TileCount(); ++t) p.DrawTile(t);
  if (!s.in.placingFirstChip) p.DrawChip(s.in.firstChipTile);
  for (int t : candidates) {
    if (t >= 0) p.DrawTileOutline(t, s.materials.greenGlow, kMarkerOutlineWidth);
  }
}

void DrawInitialPlacement(StateContext& s) {
  CBoardPainter& p = s.painter;
  p.SetAllLit(true);
  if (!s.in.placingSettlement) p.SetTileCodes(TileCodes::Wedges);
  p.DrawBoard(false, false, false);
  p.SetTileCodes(TileCodes::None);
  DrawRobberOutline(s);
  p.BeginMarkers();
  if (s.in.placingSettlement) {
    for (CornerId corner : s.in.initialSettlementSites) p.DrawMarkerDisk(corner, ToPickCode(corner));
  } else {
    p.DrawRoadStepLines(s.in.initialSettlementCorner);
  }
  p.EndMarkers();
}

void DrawGoodsReceived(StateContext& s) {
  CBoardPainter& p = s.painter;
  p.SetAllLit(false);
  for (int t : s.in.productionTiles) p.SetLit(t, true);
  p.DrawBoard(true, false, false);
  for (int t : s.in.productionTiles) {
    const CMaterial& glow = t == s.in.robberTile ? s.materials.redGlow : s.materials.yellowGlow;
    p.DrawTileOutline(t, glow, kMarkerOutlineWidth);
  }
}

void DrawPlaceRoad(StateContext& s) {
  CBoardPainter& p = s.painter;
  p.SetAllLit(false);
  for (EdgeId e : s.in.roadSites) p.SetLit(IdPosition(e), true);
  p.SetTileCodes(TileCodes::Wedges);
  p.DrawBoard(false, false, false);
  p.SetTileCodes(TileCodes::None);
  p.BeginMarkers();
  for (EdgeId e : s.in.roadSites) p.DrawSideLine(e);
  p.EndMarkers();
}

void DrawPlaceCity(StateContext& s) {
  CBoardPainter& p = s.painter;
  p.SetAllLit(false);
  for (int t : s.in.cityTiles) p.SetLit(t, true);
  p.LoadCode(0);
  p.DrawBoard(true, true, true);
}

void DrawPlaceSettlement(StateContext& s) {
  CBoardPainter& p = s.painter;
  p.SetAllLit(false);
  for (CornerId corner : s.in.settlementSites) {
    const int t = IdPosition(corner);
    if (corner < 0 || !s.in.IsOnBoard(t)) continue;
    const int k = IdIndex(corner);
    const CBoardPiece& piece = s.in.tiles[size_t(t)];
    p.SetLit(t, true);
    p.SetLit(piece.neighbor[size_t(k)], true);
    p.SetLit(piece.neighbor[size_t((k + 5) % 6)], true);
  }
  p.DrawBoard(false, false, false);
  p.BeginMarkers();
  for (CornerId corner : s.in.settlementSites) p.DrawMarkerDisk(corner, ToPickCode(corner));
  p.EndMarkers();
}

void DrawPlaceRobber(StateContext& s) {
  CBoardPainter& p = s.painter;
  p.SetAllLit(true);
  p.SetLit(s.in.robberTile, false);
  for (int t = s.in.landCount; t < s.in.TileCount(); ++t) p.SetLit(t, false);
  p.LoadCode(0);
  p.SetTileCodes(TileCodes::Tiles, s.in.robberTile);
  p.DrawBoard(false, false, false);
}

}  // namespace

bool IsDrawnState(int gameState) {
  return gameState == 0 || (gameState >= BoardSetup && gameState <= GameOver);
}

void DrawGameState(CBoardPainter& painter, const CSceneInput& input) {
  StateContext s{painter, input, painter.Materials()};
  switch (input.gameState) {
    case 0:
    case PlayerInformation:
    case Turn:
    case GameOver: return DrawNormal(s);
    case BoardSetup: return DrawBoardSetup(s);
    case ChipPlacement: return DrawChipPlacement(s);
    case InitialPlacement: return DrawInitialPlacement(s);
    case GoodsReceived: return DrawGoodsReceived(s);
    case PlaceRoad: return DrawPlaceRoad(s);
    case PlaceCity: return DrawPlaceCity(s);
    case PlaceSettlement: return DrawPlaceSettlement(s);
    case PlaceRobber: return DrawPlaceRobber(s);
    default: return;
  }
}
