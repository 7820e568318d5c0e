#pragma once

#include <vector>

#include "render/board_textures.h"
#include "render/display_lists.h"
#include "render/scene_input.h"
#include "render/scene_materials.h"

// What a drawing pass makes pickable on the tiles themselves.
enum class TileCodes {
  None,    // tiles pick nothing (code 0)
  Tiles,   // each land tile picks itself; chips count as part of their tile
  Wedges,  // each tile picks as six wedges, one per drawn side
};

// Draws the parts of one frame: tiles, chips, buildings, roads, outlines and
// markers, with one lit flag per tile. In a selection pass every object loads
// its own pick code (0 for objects that pick nothing), and flat decorations
// (outlines, marker lines, and chips over wedges) are left out so that a click
// on them reaches what lies underneath.
class CBoardPainter {
 public:
  struct Resources {
    const CSceneMaterials& materials;
    const CDisplayLists& lists;
    const CChipDisk& chipDisk;
    const CBoardTextures& textures;
  };

  CBoardPainter(const CSceneInput& input, const Resources& resources, bool selecting);

  // Lit flags.
  void SetAllLit(bool lit);
  void SetLit(int tile, bool lit);
  bool IsLit(int tile) const;

  // Pickable tiles for the rest of the pass; `excludedTile` picks nothing.
  void SetTileCodes(TileCodes codes, int excludedTile = -1);

  void DrawTile(int t);
  void DrawChip(int t);
  void DrawBuildings(int t, bool highlighting, bool cityRule);
  void DrawRoads(int t, bool highlighting);
  // Every tile, then every chip, building and road.
  void DrawBoard(bool highlightBuildings, bool highlightRoads, bool cityRule);

  // Markers and outlines.
  void DrawTileOutline(int t, const CMaterial& material, float lineWidth);
  void DrawMarkerDisk(CornerId corner, PickCode code);
  void DrawSideLine(EdgeId edge);
  void DrawRoadStepLines(CornerId corner);
  // The current player's colour for markers, texturing off; Restore undoes it.
  void BeginMarkers();
  void EndMarkers();

  void LoadCode(PickCode code) const;
  const CSceneMaterials& Materials() const { return res_.materials; }

 private:
  ColorRef PlayerColor(int player) const;
  PickCode TileCode(int t) const;
  bool ChipVisible(int t) const;
  void DrawSeaSkirts(const CBoardPiece& piece);
  void OutlineCurrentList(CMaterial& material, bool glow, int list) const;
  bool OnLongestRoad(int t, int side) const;
  // World position of corner `k` of tile `t`.
  void CornerPosition(int t, int k, double& x, double& z) const;

  const CSceneInput& in_;
  Resources res_;
  bool selecting_;
  std::vector<char> lit_;
  TileCodes tileCodes_ = TileCodes::None;
  int excludedTile_ = -1;
};
