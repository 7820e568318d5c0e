#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/session/game_state.h"
#include "engine/session/session_ui.h"

// Which side panel stands beside the board.
enum class SidePanelKind : int32_t {
  BoardSetupPalette = 0,
  ChipPanel = 1,
  TurnPanel = 2,
};

// The turn panel (dice pad, production display, action buttons).
struct CTurnPanelState {
  bool rolled = false;        // the roll of this turn and its consequences are done
  int32_t lastRoll = 0;       // 2..12, 0 before the first roll
  bool goodsShown = false;    // the production display is up
  bool dicePadShown = false;  // waiting for a roll
  bool actionButtonsShown = false;
  std::array<std::string, kMaxPlayers> productionLines{};  // per player: "Ann: 1 Ore"
  std::array<bool, kMaxPlayers> productionLineShown{};
  // RefreshActionButtons
  bool tradeEnabled = false;
  bool buyCardEnabled = false;
  bool playCardEnabled = false;
  bool endTurnEnabled = false;

  bool operator==(const CTurnPanelState&) const = default;
};

// The board set-up tile palette: what is left to enter of each tile type.
struct CPaletteState {
  std::array<int32_t, 13> remaining{};  // by TileType
  std::array<bool, 13> enabled{};
  bool frameStage = false;  // land is complete; harbours and Ocean are entered
  int32_t landLeft = 0;
  int32_t frameLeft = 0;

  bool operator==(const CPaletteState&) const = default;
};

// The session fields of one game besides the board and the game record.
struct CSessionFields {
  int32_t gameState = BoardSetup;
  int32_t currentPlayer = 0;
  int32_t playerCount = 0;
  bool pickEnabled = false;
  int32_t lastPick = -1;
  bool firstRound = true;
  bool placingSettlement = true;
  int32_t initialSettlementCorner = -1;
  std::array<int32_t, 6> initialRoadCandidates{-1, -1, -1, -1, -1, -1};
  std::vector<int32_t> roadOptions;        // EdgeIds, both forms
  std::vector<int32_t> settlementOptions;  // CornerIds
  std::vector<int32_t> cityOptions;        // CitySiteCodes
  std::vector<int32_t> producingTiles;
  bool rollsStarted = false;
  bool soldierRobber = false;
  int32_t freeRoads = 0;
  ResourceCounts bank{};

  // Panels and dialogs the state machine shows.
  SidePanelKind sidePanel = SidePanelKind::BoardSetupPalette;
  bool firstChipAwaited = true;   // chip panel: first or second chip text
  bool playersSelected = false;  // selection confirmed; the order dialog is up
  bool playerSelectionShown = false;
  bool playerOrderShown = false;
  bool buildButtonsAllowed = false;  // ShowBuildButtons(true) was the last call
  std::array<bool, 3> buildButtons{};  // settlement, city, road shown
  bool undoButtonEnabled = false;
  std::string prompt;
  CTurnPanelState turn;
  CPaletteState palette;

  bool operator==(const CSessionFields&) const = default;
};
