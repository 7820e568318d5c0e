#pragma once

#include <array>
#include <functional>

#include "engine/board/building_code.h"
#include "side_panel.h"

struct CTurnPanelState;
class CColourLabel;
class CFlatBitmapButton;
class wxButton;

// What the turn panel's controls hand over.
struct TurnPanelActions {
  std::function<void(int total)> roll;      // dice pad "2" .. "12"
  std::function<void()> continueTurn;       // a click on a production line or the status line
  std::function<void()> trade;              // Trade
  std::function<void()> buyCard;            // Buy D.C.
  std::function<void()> playCard;           // Play D.C.
  std::function<void()> endTurn;            // End Turn
};

// The side panel of a game in play: the status line with the prompt, the
// dice pad while a roll is awaited, one production line per player in the
// player's tint while the goods of a roll are shown, and the Trade, Buy D.C.,
// Play D.C. and End Turn picture buttons. What is shown and enabled comes
// from the session's turn panel state.
class CTurnPanel : public CSidePanel {
 public:
  static constexpr int kDiceCount = 11;  // totals 2..12

  CTurnPanel(wxWindow* parent, const CInterfaceImages& images, std::function<void()> onUndo,
             TurnPanelActions actions);

  // Shows the state; `tints` are the players' light colours in seat order.
  void ShowState(const CTurnPanelState& state, const std::array<wxColour, kMaxPlayers>& tints, int playerCount);

  wxWindow* DiceButton(int total) const;
  wxWindow* ProductionLine(int player) const;
  // The action buttons by command: 1060 Trade, 1061 Buy D.C., 1062 Play D.C., 1058 End Turn.
  CFlatBitmapButton* ActionButton(int id) const;
  bool ProductionShown() const { return productionShown_; }

 private:
  void CreateDicePad();
  void CreateProductionLines();
  void CreateActionButtons(const CInterfaceImages& images);
  void OnTextClick();

  TurnPanelActions actions_;
  std::array<wxButton*, kDiceCount> dice_{};
  std::array<CColourLabel*, 6> lines_{};
  std::array<CFlatBitmapButton*, 4> buttons_{};  // Trade, Buy D.C., Play D.C., End Turn
  bool productionShown_ = false;
};
