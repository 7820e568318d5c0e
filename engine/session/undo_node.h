#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include <memory>

#include "engine/board/board.h"
#include "engine/session/action_kind.h"
#include "engine/session/session_ui.h"
#include "records/game.h"

// One recorded action: its kind and what its reverse step needs. The payload
// fields a kind does not use stay empty. Undo nodes live in memory only.
struct CUndoNode {
  ActionKind kind = PlacedTile;
  int32_t value = 0;  // the integer payload of most kinds
  // Undo runs on into the node below (an automatic trade and its build, the
  // discards and their roll).
  bool continues = false;

  // continue: the production display
  int32_t roll = 0;
  std::vector<std::string> lines;
  // monopoly
  int32_t resource = 0;
  std::array<int32_t, 6> amounts{};
  // roll
  SeatMatrix gains{};
  SeatMatrix withheld{};
  // exchange (trades and discards)
  int32_t party = 0;
  ResourceCounts give{};
  ResourceCounts get{};
  std::array<int32_t, 3> tradeCounts{};

  // What a step overwrites and cannot recompute exactly, restored as it was.
  int32_t longestRoadLength = 0;
  std::vector<int32_t> longestRoadPath;
  std::shared_ptr<const CBoard> board;  // the board before a chip pick
  std::vector<CPlayerGame> seats;       // the seat list before a player dialog
  int32_t previous = -1;                // robber placer, roll, corner or free roads before
  std::array<int32_t, 6> candidates{};  // initial road candidates before
  CDateTime turnStart;                  // turn start before the first turn began
  bool firstRound = true;               // initial placement round before a road
  int32_t lastPick = -1;                // the last accepted click before the action
};
