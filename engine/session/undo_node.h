#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "engine/board/board.h"
#include "engine/session/action_kind.h"
#include "engine/session/session_ui.h"
#include "records/game.h"

// What each kind of recorded action keeps for its reverse step and its
// history text, one named field per value. Undo nodes live in memory only.

// The Longest Road record of the board before a build re-measured it.
struct LongestRoadBefore {
  int32_t length = 0;
  std::vector<int32_t> path;
};

struct TilePlacedUndo {
  int32_t tileType = 0;
};
struct ChipPlacedUndo {
  int32_t position = 0;
  std::shared_ptr<const CBoard> boardBefore;  // chips are laid by the second pick
  int32_t lastPickBefore = -1;
};
struct SeatsUndo {  // SelectedPlayers, SortedPlayers
  std::vector<CPlayerGame> seatsBefore;
};
struct InitialSettlementUndo {
  int32_t player = 0;
  int32_t corner = 0;             // CornerId
  ResourceCounts startingCards{}; // gained in the reverse round
  int32_t cornerBefore = -1;      // initialSettlementCorner before
  std::array<int32_t, 6> roadCandidatesBefore{};
};
struct InitialRoadUndo {
  int32_t player = 0;
  int32_t edge = 0;              // EdgeId
  int32_t settlementCorner = 0;  // the settlement the road belongs to
  bool firstRound = true;        // the round it was placed in
  CDateTime turnStartBefore;     // before the first turn began
};
struct RollUndo {  // RollFirst, Roll
  int32_t total = 0;
  SeatMatrix gains{};     // produced, per player and resource
  SeatMatrix withheld{};  // kept back by the robber
  int32_t lastRollBefore = 0;
  int32_t robberPlacerBefore = -1;
};
struct ContinueUndo {
  int32_t roll = 0;
  std::vector<std::string> lines;  // one per player, empty without production
};
struct EndTurnUndo {
  int32_t cardsBoughtThisTurn = 0;
  int32_t cardPlayedThisTurn = 0;
  int32_t freeRoadsBefore = 0;
};
struct RoadUndo {
  int32_t edge = 0;  // EdgeId
  int32_t freeRoadsBefore = 0;
  int32_t longestRoadResult = BonusNoChange;
  LongestRoadBefore longestRoad;
};
struct CityUndo {
  int32_t site = 0;  // CitySiteCode
};
struct SettlementUndo {
  int32_t corner = 0;                // CornerId
  int32_t longestRoadLoser = -1;     // the holder the settlement cut off, -1 none
  LongestRoadBefore longestRoad;
};
struct RobberUndo {
  int32_t tileBefore = 0;
  int32_t placerBefore = -1;
  bool soldier = false;
};
struct CardBoughtUndo {
  int32_t player = 0;
};
struct VictoryPointUndo {
  int32_t player = 0;
  bool fromThisTurn = false;  // taken from cardsBoughtThisTurn
};
struct MonopolyUndo {
  int32_t resource = 0;
  std::array<int32_t, kMaxPlayers> amounts{};  // taken from each player
};
struct YearOfPlentyUndo {
  ResourceCounts counts{};
};
struct SoldierUndo {
  int32_t largestArmyResult = BonusNoChange;
  int32_t robberPlacerBefore = -1;
};
struct ExchangeUndo {  // Traded, Discarded
  int32_t party = 0;   // partner, -1 bank, -2 automatic bank trade; Discarded: the player
  ResourceCounts give{};
  ResourceCounts get{};
  std::array<int32_t, 3> tradeCounts{};  // bank trades at 2:1, 3:1, 4:1
};
struct StealUndo {
  int32_t victim = -1;
  int32_t resource = 5;  // 5: no card taken
};
struct WinnerUndo {
  int32_t winner = 0;
};
struct WastedPointsUndo {
  int32_t player = 0;
  int32_t points = 0;
};

using UndoPayload =
    std::variant<std::monostate, TilePlacedUndo, ChipPlacedUndo, SeatsUndo, InitialSettlementUndo, InitialRoadUndo,
                 RollUndo, ContinueUndo, EndTurnUndo, RoadUndo, CityUndo, SettlementUndo, RobberUndo, CardBoughtUndo,
                 VictoryPointUndo, MonopolyUndo, YearOfPlentyUndo, SoldierUndo, ExchangeUndo, StealUndo, WinnerUndo,
                 WastedPointsUndo>;

// One recorded action: its kind, the payload of that kind, and what every
// node keeps.
struct CUndoNode {
  CUndoNode() = default;
  CUndoNode(ActionKind k, UndoPayload p, bool runsOn = false) : kind(k), continues(runsOn), payload(std::move(p)) {}

  ActionKind kind = PlacedTile;
  // Undo runs on into the node below (an automatic trade and its build, the
  // discards and their roll, a purchase and its own bank trade).
  bool continues = false;
  int32_t lastPick = -1;  // the last accepted click before the action
  UndoPayload payload;

  template <typename T>
  T& As() { return std::get<T>(payload); }
  template <typename T>
  const T& As() const { return std::get<T>(payload); }
};
