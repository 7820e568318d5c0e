#include "board_painter.h"

#include <GL/gl.h>

#include <algorithm>

#include "render/initial_placement.h"
#include "render/tile_geometry.h"

namespace {

constexpr double kOverlayHeight = 0.1;  // chips, outlines and marker lines
constexpr double kMarkerHeight = 0.2;
constexpr double kMarkerScale = 0.6;
constexpr float kMarkerLineWidth = 5.0f;
constexpr double kMarkerLineLength = 5.0;
constexpr float kDimFactor = 0.5f;
constexpr float kOutlineFactor = 0.85f;
constexpr int kLongestRoadHighlightLength = 5;

void LineMode() { glPolygonMode(GL_FRONT_AND_BACK, GL_LINE); }
void FillMode() { glPolygonMode(GL_FRONT_AND_BACK, GL_FILL); }

// A material of a player's piece: only the ambient light shows its colour.
CMaterial PieceMaterial(ColorRef color) {
  CMaterial material(MakeColorRef(0, 0, 0));
  material.SetAmbient(color);
  return material;
}

CMaterial GlowPieceMaterial() {
  CMaterial material(kYellowGlowColor);
  material.SetEmission(kYellowGlowColor);
  return material;
}

}  // namespace

CBoardPainter::CBoardPainter(const CSceneInput& input, const Resources& resources,
                             bool selecting)
    : in_(input), res_(resources), selecting_(selecting), lit_(size_t(input.TileCount()), 1) {}

void CBoardPainter::SetAllLit(bool lit) { std::fill(lit_.begin(), lit_.end(), lit); }

void CBoardPainter::SetLit(int tile, bool lit) {
  if (in_.IsOnBoard(tile)) lit_[size_t(tile)] = lit;
}

bool CBoardPainter::IsLit(int tile) const { return in_.IsOnBoard(tile) && lit_[size_t(tile)]; }

void CBoardPainter::SetTileCodes(TileCodes codes, int excludedTile) {
  tileCodes_ = codes;
  excludedTile_ = excludedTile;
}

void CBoardPainter::LoadCode(PickCode code) const {
  if (selecting_) glLoadName(GLuint(code));
}

ColorRef CBoardPainter::PlayerColor(int player) const {
  if (player < 0 || player >= int(in_.playerColors.size())) return MakeColorRef(128, 128, 128);
  return in_.playerColors[size_t(player)];
}

PickCode CBoardPainter::TileCode(int t) const {
  if (tileCodes_ != TileCodes::Tiles || !in_.IsLandTile(t) || t == excludedTile_) return 0;
  return ToPickCode(t);
}

void CBoardPainter::CornerPosition(int t, int k, double& x, double& z) const {
  const CBoardPiece& piece = in_.tiles[size_t(t)];
  x = piece.x + kCornerOffset[k].x;
  z = piece.z + kCornerOffset[k].z;
}

void CBoardPainter::DrawSeaSkirts(const CBoardPiece& piece) {
  glDisable(GL_TEXTURE_2D);
  LoadCode(0);
  for (int i = 0; i < kDirections; ++i) {
    const int n = piece.neighbor[size_t(i)];
    if (n >= 0 && n < in_.TileCount()) continue;
    glPushMatrix();
    glTranslated(piece.x + kSideMidpoint[i].x, 0.0, piece.z + kSideMidpoint[i].z);
    glRotated(kSkirtAngle[i], 0, 1, 0);
    res_.materials.slate.Apply();
    res_.lists.Call(SkirtList);
    LineMode();
    res_.materials.black.Apply();
    res_.lists.Call(SkirtList);
    FillMode();
    glPopMatrix();
  }
  glEnable(GL_TEXTURE_2D);
}

void CBoardPainter::DrawTile(int t) {
  const CBoardPiece& piece = in_.tiles[size_t(t)];
  if (!in_.IsLandTile(t)) DrawSeaSkirts(piece);
  glBindTexture(GL_TEXTURE_2D, res_.textures.TileTexture(Index(piece.type)));
  (IsLit(t) ? res_.materials.white : res_.materials.dim).Apply();
  glPushMatrix();
  glTranslated(piece.x, 0.0, piece.z);
  glRotated(piece.rotation, 0, 1, 0);
  if (tileCodes_ == TileCodes::Wedges) {
    for (int w = 0; w < kDirections; ++w) {
      LoadCode(ToPickCode(MakeEdgeId(t, w)));
      res_.lists.CallWedge(w);
    }
  } else {
    LoadCode(TileCode(t));
    res_.lists.Call(HexList);
  }
  glPopMatrix();
  res_.materials.white.Apply();
}

bool CBoardPainter::ChipVisible(int t) const {
  if (!in_.IsLandTile(t)) return false;
  const CBoardPiece& piece = in_.tiles[size_t(t)];
  return IsProducingLand(piece.type) && piece.chip != 0;
}

void CBoardPainter::DrawChip(int t) {
  if (!in_.IsLandTile(t)) return;
  // Over wedges a chip would hide the side the user points at.
  if (selecting_ && tileCodes_ == TileCodes::Wedges) return;
  const CBoardPiece& piece = in_.tiles[size_t(t)];
  (IsLit(t) ? res_.materials.white : res_.materials.dim).Apply();
  glBindTexture(GL_TEXTURE_2D, res_.textures.ChipTexture(piece.chipOrder));
  LoadCode(TileCode(t));
  glPushMatrix();
  glTranslated(piece.x, kOverlayHeight, piece.z);
  glRotated(-90.0, 1, 0, 0);
  res_.chipDisk.Draw();
  glPopMatrix();
  res_.materials.white.Apply();
}

// Draws the current list again as lines: in the glow colour, or a darker
// shade of the piece's own material.
void CBoardPainter::OutlineCurrentList(CMaterial& material, bool glow, int list) const {
  if (glow) {
    material = GlowPieceMaterial();
    glLineWidth(1.0f);
  } else {
    material.ScaleAmbient(kOutlineFactor);
  }
  LineMode();
  material.Apply();
  res_.lists.Call(list);
  FillMode();
  res_.materials.white.Apply();
}

void CBoardPainter::DrawBuildings(int t, bool highlighting, bool cityRule) {
  if (!in_.IsLandTile(t)) return;
  const CBoardPiece& piece = in_.tiles[size_t(t)];
  glDisable(GL_TEXTURE_2D);
  for (int i = 0; i < kDirections; ++i) {
    const BuildingCode code = piece.building[size_t(i)];
    if (code == kNoBuilding) continue;
    const int u = piece.neighbor[size_t(i)];
    const int v = piece.neighbor[size_t((i + 5) % 6)];
    if (u < t || v < t) continue;  // drawn by the lowest-numbered tile at the corner
    const int owner = BuildingOwner(code);
    const bool ownSettlement = IsSettlement(code) && owner == in_.currentPlayer;
    const bool active = cityRule ? IsLit(t) && IsLit(u) && IsLit(v) && owner == in_.currentPlayer
                                 : IsLit(t) || IsLit(u) || IsLit(v);
    CMaterial material = PieceMaterial(PlayerColor(owner));
    if (!active) material.ScaleAmbient(kDimFactor);
    material.Apply();
    const int list = IsSettlement(code) ? SettlementList : CityList;
    glPushMatrix();
    glTranslated(piece.x + kCornerOffset[i].x, 0.0, piece.z + kCornerOffset[i].z);
    const bool pickable = cityRule && active && ownSettlement;
    LoadCode(pickable ? ToPickCode(MakeCitySiteCode({t, u, v, i})) : 0);
    res_.lists.Call(list);
    OutlineCurrentList(material, highlighting && active, list);
    glPopMatrix();
  }
  glEnable(GL_TEXTURE_2D);
}

bool CBoardPainter::OnLongestRoad(int t, int side) const {
  if (in_.longestRoadLength < kLongestRoadHighlightLength) return false;
  const CBoardPiece& piece = in_.tiles[size_t(t)];
  const int n = piece.neighbor[size_t(side)];
  const EdgeId forms[2] = {MakeEdgeId(t, side), MakeEdgeId(n, (side + 3) % 6)};
  for (EdgeId e : in_.longestRoadPath) {
    if (e == forms[0] || e == forms[1]) return true;
  }
  return false;
}

void CBoardPainter::DrawRoads(int t, bool highlighting) {
  if (!in_.IsLandTile(t)) return;
  const CBoardPiece& piece = in_.tiles[size_t(t)];
  glDisable(GL_TEXTURE_2D);
  LoadCode(0);
  for (int i = 0; i < kDirections; ++i) {
    const int owner = piece.roadOwner[size_t(i)];
    const int n = piece.neighbor[size_t(i)];
    if (owner < 0 || n < t) continue;  // drawn once, by the lower-numbered tile
    CMaterial material = PieceMaterial(PlayerColor(owner));
    const bool dimmed = highlighting ? !(IsLit(t) && IsLit(n)) : !IsLit(t) && !IsLit(n);
    if (dimmed) material.ScaleAmbient(kDimFactor);
    material.Apply();
    glPushMatrix();
    glTranslated(piece.x + kSideMidpoint[i].x, 0.0, piece.z + kSideMidpoint[i].z);
    glRotated(kRoadAngle[i], 0, 1, 0);
    res_.lists.Call(RoadList);
    OutlineCurrentList(material, OnLongestRoad(t, i), RoadList);
    glPopMatrix();
  }
  glEnable(GL_TEXTURE_2D);
}

void CBoardPainter::DrawBoard(bool highlightBuildings, bool highlightRoads, bool cityRule) {
  const int count = in_.TileCount();
  for (int t = 0; t < count; ++t) DrawTile(t);
  for (int t = 0; t < in_.landCount; ++t) {
    if (ChipVisible(t)) DrawChip(t);
  }
  for (int t = 0; t < in_.landCount; ++t) DrawBuildings(t, highlightBuildings, cityRule);
  for (int t = 0; t < in_.landCount; ++t) DrawRoads(t, highlightRoads);
}

void CBoardPainter::DrawTileOutline(int t, const CMaterial& material, float lineWidth) {
  if (selecting_ || !in_.IsOnBoard(t)) return;
  const CBoardPiece& piece = in_.tiles[size_t(t)];
  glDisable(GL_TEXTURE_2D);
  LineMode();
  glLineWidth(lineWidth);
  material.Apply();
  glPushMatrix();
  glTranslated(piece.x, kOverlayHeight, piece.z);
  res_.lists.Call(OutlineList);
  glPopMatrix();
  res_.materials.white.Apply();
  glLineWidth(1.0f);
  FillMode();
  glEnable(GL_TEXTURE_2D);
}

void CBoardPainter::BeginMarkers() {
  glDisable(GL_TEXTURE_2D);
  CMaterial(PlayerColor(in_.currentPlayer)).Apply();
}

void CBoardPainter::EndMarkers() {
  res_.materials.white.Apply();
  glLineWidth(1.0f);
  glEnable(GL_TEXTURE_2D);
}

void CBoardPainter::DrawMarkerDisk(CornerId corner, PickCode code) {
  const int t = IdPosition(corner);
  if (corner < 0 || !in_.IsOnBoard(t)) return;
  double x, z;
  CornerPosition(t, IdIndex(corner), x, z);
  LoadCode(code);
  glPushMatrix();
  glTranslated(x, kMarkerHeight, z);
  glRotated(-90.0, 1, 0, 0);
  glScaled(kMarkerScale, kMarkerScale, kMarkerScale);
  res_.chipDisk.Draw();
  glPopMatrix();
}

void CBoardPainter::DrawSideLine(EdgeId edge) {
  const int t = IdPosition(edge);
  if (selecting_ || edge < 0 || !in_.IsOnBoard(t)) return;
  const int k = IdIndex(edge);
  double x0, z0, x1, z1;
  CornerPosition(t, k, x0, z0);
  CornerPosition(t, (k + 1) % 6, x1, z1);
  glLineWidth(kMarkerLineWidth);
  glBegin(GL_LINES);
  glNormal3f(0, 1, 0);
  glVertex3d(x0, kOverlayHeight, z0);
  glVertex3d(x1, kOverlayHeight, z1);
  glEnd();
}

void CBoardPainter::DrawRoadStepLines(CornerId corner) {
  const int t = IdPosition(corner);
  if (selecting_ || corner < 0 || !in_.IsOnBoard(t)) return;
  double x, z;
  CornerPosition(t, IdIndex(corner), x, z);
  const RoadStepLines lines = InitialRoadLines(in_.boardKind, corner);
  glLineWidth(kMarkerLineWidth);
  for (int i = 0; i < lines.count; ++i) {
    glPushMatrix();
    glTranslated(x, kOverlayHeight, z);
    glRotated(lines.angles[size_t(i)], 0, 1, 0);
    glBegin(GL_LINES);
    glNormal3f(0, 1, 0);
    glVertex3d(0, 0, 0);
    glVertex3d(kMarkerLineLength, 0, 0);
    glEnd();
    glPopMatrix();
  }
}
