#include <numeric>

#include "engine/board/placement_rules.h"
#include "engine/session/session.h"

namespace {

// What the board set-up palette starts with, by TileType, for each board kind.
constexpr std::array<int32_t, 13> kPaletteStandard = {4, 4, 3, 3, 4, 1, 9, 4, 1, 1, 1, 1, 1};
constexpr std::array<int32_t, 13> kPaletteLarge = {6, 6, 5, 5, 6, 2, 11, 5, 1, 1, 1, 1, 2};
constexpr int kOcean = 6;

constexpr const char* kBoardSetupPrompt = "Click on a resource type to set the current game board piece to that type.";
constexpr const char* kFirstChipPrompt = "Select the tile where the first roll chip will be placed.";
constexpr const char* kSecondChipPrompt =
    "Select the tile where the second roll chip will be placed.\n \nHexstead3D will fill in the rest of the tiles.";

}  // namespace

std::string CGameSession::ChipPanelText() const {
  return board_.AwaitingFirstChip() ? kFirstChipPrompt : kSecondChipPrompt;
}

std::string CGameSession::DerivedPrompt() const {
  std::string name = PlayerName(f_.currentPlayer);
  switch (f_.gameState) {
    case BoardSetup: return kBoardSetupPrompt;
    case ChipPlacement: return ChipPanelText();
    case PlayerInformation: return {};
    case InitialPlacement:
      if (game_.gameOn == 0) return "This game has ended.";
      return (f_.placingSettlement ? "Place a settlement for " : "Place a road for ") + name + ".";
    case Turn: return f_.turn.rolled ? name + " 's turn." : "Roll for " + name + ".";
    case GoodsReceived: return "Goods received on a " + std::to_string(f_.turn.lastRoll) + ". (Click to continue)";
    case PlaceRoad:
    case PlaceCity:
    case PlaceSettlement: return name + " 's turn.";
    case PlaceRobber: return "Choose a location for the robber.";
    default: return "This game has ended.";
  }
}

void CGameSession::RefreshOptions() {
  bool building = f_.gameState == Turn || f_.gameState == PlaceRoad || f_.gameState == PlaceSettlement ||
                  f_.gameState == PlaceCity;
  int32_t p = f_.currentPlayer;
  if (!building || p < 0 || p >= f_.playerCount || game_.gameOn == 0) {
    f_.roadOptions.clear();
    f_.settlementOptions.clear();
    f_.cityOptions.clear();
    return;
  }
  const COfferedSites::Sites& sites = offeredSites_.For(board_, p);
  f_.roadOptions = sites.roads;
  f_.settlementOptions = sites.settlements;
  f_.cityOptions = sites.cities;
}

// RefreshActionButtons and the parts of the turn panel that follow the state.
void CGameSession::RefreshTurnPanel() {
  CTurnPanelState& t = f_.turn;
  bool inTurns = f_.gameState >= Turn && f_.gameState != GameOver && game_.gameOn != 0;
  t.goodsShown = f_.gameState == GoodsReceived;
  t.dicePadShown = inTurns && f_.gameState == Turn && !t.rolled;
  t.actionButtonsShown = inTurns;
  int32_t p = f_.currentPlayer;
  bool valid = inTurns && p >= 0 && p < f_.playerCount;
  int32_t cards = 0;
  for (int32_t i = 0; i < f_.playerCount; ++i) cards += P(i).cardsBoughtThisTurn + P(i).cardsHeld;
  t.endTurnEnabled = valid && t.rolled;
  t.buyCardEnabled = valid && t.rolled && (!Tracks() || CanAfford(PurchaseCard));
  t.playCardEnabled = valid && cards > 0 && !t.goodsShown;
  if (!Tracks()) {
    t.tradeEnabled = valid;
  } else {
    bool othersHold = false;
    for (int32_t i = 0; i < f_.playerCount; ++i)
      if (i != p && CardTotal(P(i).hand) > 0) othersHold = true;
    t.tradeEnabled = valid && t.rolled && othersHold && CardTotal(P(p).hand) > 0;
  }
}

// ShowBuildButtons: each button needs a site, a piece left and, with tracked
// trades, the means to pay (bank trades and free roads included).
void CGameSession::RefreshBuildButtons() {
  f_.buildButtonsAllowed = f_.gameState == Turn && f_.turn.rolled && game_.gameOn != 0;
  f_.buildButtons = {};
  if (!f_.buildButtonsAllowed) return;
  const CPlayerGame& seat = P(f_.currentPlayer);
  f_.buildButtons[0] = !f_.settlementOptions.empty() && seat.settlementsLeft > 0 && CanAfford(PurchaseSettlement);
  f_.buildButtons[1] = !f_.cityOptions.empty() && seat.citiesLeft > 0 && CanAfford(PurchaseCity);
  f_.buildButtons[2] = !f_.roadOptions.empty() && seat.roadsLeft > 0 && CanAfford(PurchaseRoad);
}

void CGameSession::RefreshPalette() {
  CPaletteState& pal = f_.palette;
  const std::array<int32_t, 13>& start = board_.Kind() == BoardKind::Large ? kPaletteLarge : kPaletteStandard;
  int land = board_.LandCount(), cursor = board_.EntryCursor();
  std::array<int32_t, 13> placed{};
  for (int i = 0; i < board_.TileCount(); ++i) {
    int t = Index(board_.Type(i));
    if (t >= 0 && t < 13 && t != kOcean) ++placed[t];
  }
  int32_t harbours = 0;
  for (int t = 7; t < 13; ++t) harbours += placed[t];
  int32_t oceanFirst = cursor > land && board_.Type(land) == TileType::Ocean ? 1 : 0;
  placed[kOcean] = oceanFirst + harbours;
  pal.frameStage = cursor >= land;
  pal.landLeft = std::max(0, land - cursor);
  pal.frameLeft = std::max(0, board_.FrameCount() - oceanFirst - 2 * harbours);
  bool complete = cursor >= board_.TileCount();
  for (int t = 0; t < 13; ++t) {
    pal.remaining[t] = std::max(0, start[t] - placed[t]);
    bool stageFits = t <= 5 ? !pal.frameStage : pal.frameStage && !complete;
    if (t == kOcean) stageFits = cursor == land;  // only as the first frame piece
    pal.enabled[t] = f_.gameState == BoardSetup && stageFits && pal.remaining[t] > 0;
  }
}

void CGameSession::Refresh() {
  // Only what the windows are told about is compared; the rest of the fields
  // (the offered sites among them) need no copy.
  struct Shown {
    std::string prompt;
    CTurnPanelState turn;
    bool undoButtonEnabled;
    std::array<bool, 3> buildButtons;
    SidePanelKind sidePanel;
    CPaletteState palette;
    bool firstChipAwaited;
  };
  const Shown old{f_.prompt,    f_.turn,    f_.undoButtonEnabled, f_.buildButtons,
                  f_.sidePanel, f_.palette, f_.firstChipAwaited};
  f_.sidePanel = f_.gameState == BoardSetup ? SidePanelKind::BoardSetupPalette
                 : f_.gameState <= PlayerInformation ? SidePanelKind::ChipPanel
                                                     : SidePanelKind::TurnPanel;
  f_.firstChipAwaited = board_.AwaitingFirstChip();
  if (f_.gameState == Turn || f_.gameState == GameOver || f_.gameState <= PlayerInformation) f_.lastPick = -1;
  if (f_.gameState == BoardSetup || f_.gameState == PlayerInformation || f_.gameState == Turn ||
      f_.gameState == GoodsReceived || f_.gameState == GameOver)
    f_.pickEnabled = false;
  RefreshOptions();
  RefreshTurnPanel();
  RefreshBuildButtons();
  RefreshPalette();
  f_.undoButtonEnabled = CanUndo();
  // While a decision is pending the prompt stays what it was when the dialog
  // opened; it follows the state again once the decision is answered.
  if (!Busy()) f_.prompt = DerivedPrompt();
  if (f_.prompt != old.prompt) ui_.PromptChanged(f_.prompt);
  if (!(f_.turn == old.turn) || f_.undoButtonEnabled != old.undoButtonEnabled) ui_.TurnPanelChanged();
  if (f_.buildButtons != old.buildButtons) ui_.BuildButtonsChanged();
  if (f_.sidePanel != old.sidePanel || !(f_.palette == old.palette) || f_.firstChipAwaited != old.firstChipAwaited)
    ui_.SidePanelChanged();
}

std::vector<int32_t> CGameSession::PickableIds() const {
  switch (f_.gameState) {
    case ChipPlacement: {
      if (board_.AwaitingFirstChip())
        return {board_.FirstChipCandidates().begin(), board_.FirstChipCandidates().end()};
      auto second = board_.SecondChipCandidates();
      return {second.begin(), second.end()};
    }
    case InitialPlacement: {
      if (f_.placingSettlement) return offeredSites_.Initial(board_);
      std::vector<int32_t> out;
      for (int32_t e : f_.initialRoadCandidates)
        if (e >= 0) out.push_back(e);
      return out;
    }
    case PlaceRoad: return f_.roadOptions;
    case PlaceSettlement: return f_.settlementOptions;
    case PlaceCity: return f_.cityOptions;
    case PlaceRobber: {
      std::vector<int32_t> out;
      for (int b = 0; b < board_.LandCount(); ++b)
        if (b != board_.robberTile) out.push_back(b);
      return out;
    }
    default: return {};
  }
}
