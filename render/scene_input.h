#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "engine/board/board_kind.h"
#include "engine/board/board_piece.h"
#include "engine/board/location_ids.h"
#include "render/material.h"

class CBoard;

// The six player colours in picture-set order: what a frame drawn without a
// game's seats shows.
std::array<ColorRef, kMaxPlayers> PictureSetColors();

// Everything one frame of the board shows, read-only. The application fills
// it from the session's queries before it draws or picks; the renderer keeps
// no copy of the game.
struct CSceneInput {
  // The board: pieces by position, land first, then the sea frame.
  std::span<const CBoardPiece> tiles;
  int landCount = 0;
  BoardKind boardKind = BoardKind::Standard;

  int gameState = 0;  // a GameState value; 0 draws like Turn
  bool pickEnabled = false;
  int currentPlayer = 0;
  // Player colours by player index; the current player's tints markers.
  std::array<ColorRef, kMaxPlayers> playerColors = PictureSetColors();
  int robberTile = -1;

  // BoardSetup: how many tiles have been entered so far.
  int tilesSetUp = 0;

  // ChipPlacement: whether the first chip is being placed, and where it went.
  bool placingFirstChip = true;
  int firstChipTile = -1;
  std::array<int, 6> firstChipCandidates{};
  std::array<int, 2> secondChipCandidates{-1, -1};  // as the board offers them

  // The sites the turn state machine offers, by state.
  std::span<const int> productionTiles;        // GoodsReceived: positions
  std::span<const EdgeId> roadSites;           // PlaceRoad
  std::span<const int> cityTiles;              // PlaceCity: positions touching own settlements
  std::span<const CornerId> settlementSites;   // PlaceSettlement

  int longestRoadLength = 0;
  std::span<const EdgeId> longestRoadPath;

  // InitialPlacement: settlement step or road step; the free corners offered
  // in the settlement step, and the settlement just placed for the road step.
  bool placingSettlement = true;
  std::span<const CornerId> initialSettlementSites;
  CornerId initialSettlementCorner = -1;

  // Takes what the board itself holds: its pieces and kind, the robber, the
  // set-up progress, the chip candidates and the longest road. The board
  // must outlive the frame.
  void ShowBoard(const CBoard& board);

  int TileCount() const { return int(tiles.size()); }
  bool IsLandTile(int t) const { return t >= 0 && t < landCount; }
  bool IsOnBoard(int t) const { return t >= 0 && t < TileCount(); }
};
