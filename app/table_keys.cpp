#include "table_keys.h"

#include <wx/defs.h>

#include "engine/session/session_fields.h"

namespace {

// The build buttons in the session's order (settlement, city, road) with
// their letters and hint words.
struct BuildKey {
  PurchaseKind kind;
  char key;
  const char* word;
};
constexpr BuildKey kBuildKeys[3] = {
    {PurchaseSettlement, kSettlementKey, "settlement"},
    {PurchaseCity, kCityKey, "city"},
    {PurchaseRoad, kRoadKey, "road"},
};

// The action buttons of the turn panel with their letters and hint words.
struct ButtonKey {
  char key;
  bool TableKeysAccepted::*accepted;
  std::function<void()> TableKeyActions::*action;
  const char* word;
};
constexpr ButtonKey kButtonKeys[4] = {
    {kTradeKey, &TableKeysAccepted::trade, &TableKeyActions::trade, "trade"},
    {kBuyCardKey, &TableKeysAccepted::buyCard, &TableKeyActions::buyCard, "buy D.C."},
    {kPlayCardKey, &TableKeysAccepted::playCard, &TableKeyActions::playCard, "play D.C."},
    {kEndTurnKey, &TableKeysAccepted::endTurn, &TableKeyActions::endTurn, "end turn"},
};

// A digit typed on the main keys or on the numeric keypad; -1 otherwise.
int DigitOf(int keyCode) {
  if (keyCode >= '0' && keyCode <= '9') return keyCode - '0';
  if (keyCode >= WXK_NUMPAD0 && keyCode <= WXK_NUMPAD9) return keyCode - WXK_NUMPAD0;
  return -1;
}

bool IsEnter(int keyCode) {
  return keyCode == WXK_RETURN || keyCode == WXK_NUMPAD_ENTER || keyCode == WXK_SPACE || keyCode == WXK_NUMPAD_SPACE;
}

void Call(const std::function<void()>& action) {
  if (action) action();
}

}  // namespace

const std::vector<TableShortcut>& TableShortcuts() {
  static const std::vector<TableShortcut> shortcuts = {
      {"2 ... 9", "Enter a roll of that total"},
      {"1, then 0, 1 or 2", "Enter a roll of 10, 11 or 12"},
      {"Backspace or Escape", "Clear a typed 1"},
      {"Enter or Space", "Continue after production"},
      {"R", "Build a road"},
      {"S", "Build a settlement"},
      {"C", "Build a city"},
      {"T", "Trade"},
      {"B", "Buy D.C. (a development card)"},
      {"P", "Play D.C. (a development card)"},
      {"E", "End Turn"},
      {"Ctrl+Z", "Undo the last action"},
      {"Tab, Shift+Tab", "Dialogs: next or previous control"},
      {"Enter", "Dialogs: the default button"},
      {"Escape", "Dialogs: Cancel, where the dialog has one"},
      {"Alt+underlined letter", "Dialogs: that choice or button"},
      {"0 ... 5", "Victory Point totals: that number of points"},
  };
  return shortcuts;
}

TableKeysAccepted TableKeysAccepted::From(const CSessionFields& fields, bool decisionPending) {
  TableKeysAccepted accepted;
  if (decisionPending) return accepted;
  const CTurnPanelState& turn = fields.turn;
  const bool inTurn = fields.sidePanel == SidePanelKind::TurnPanel;
  accepted.roll = inTurn && turn.dicePadShown;
  accepted.continueTurn = inTurn && turn.goodsShown;
  accepted.build = fields.buildButtons;
  const bool buttons = inTurn && turn.actionButtonsShown;
  accepted.trade = buttons && turn.tradeEnabled;
  accepted.buyCard = buttons && turn.buyCardEnabled;
  accepted.playCard = buttons && turn.playCardEnabled;
  accepted.endTurn = buttons && turn.endTurnEnabled;
  accepted.undo = fields.undoButtonEnabled;
  return accepted;
}

bool CTableKeys::OnKey(int keyCode, bool plain, const TableKeysAccepted& accepted, const TableKeyActions& actions) {
  if (!plain) return false;
  if (!accepted.roll) tenPending_ = false;
  if (const int digit = DigitOf(keyCode); digit >= 0) return OnDigit(digit, accepted, actions);
  if (keyCode == WXK_BACK || keyCode == WXK_ESCAPE) {
    const bool taken = tenPending_;
    tenPending_ = false;
    return taken;
  }
  tenPending_ = false;
  if (IsEnter(keyCode)) {
    if (accepted.continueTurn) Call(actions.continueTurn);
    return true;
  }
  const int letter = keyCode >= 'a' && keyCode <= 'z' ? keyCode - 'a' + 'A' : keyCode;
  for (size_t i = 0; i < 3; ++i) {
    if (letter != kBuildKeys[i].key) continue;
    if (accepted.build[i] && actions.build) actions.build(kBuildKeys[i].kind);
    return true;
  }
  for (const ButtonKey& button : kButtonKeys) {
    if (letter != button.key) continue;
    if (accepted.*button.accepted) Call(actions.*button.action);
    return true;
  }
  return false;
}

bool CTableKeys::OnDigit(int digit, const TableKeysAccepted& accepted, const TableKeyActions& actions) {
  if (!accepted.roll) return true;
  int total = 0;
  if (tenPending_) {
    tenPending_ = false;
    if (digit > 2) return true;  // no roll above 12: the "1" is dropped too
    total = 10 + digit;
  } else if (digit == 1) {
    tenPending_ = true;
    return true;
  } else if (digit >= 2) {
    total = digit;
  }
  if (total >= 2 && actions.roll) actions.roll(total);
  return true;
}

std::string CTableKeys::Hint(const TableKeysAccepted& accepted) const {
  std::vector<std::string> parts;
  if (accepted.roll) {
    parts.push_back(tenPending_ ? "Type 0, 1 or 2 for 10, 11 or 12 (Backspace clears the 1)"
                                : "Type the roll (2-12)");
  }
  if (accepted.continueTurn) parts.push_back("Enter continue");
  for (size_t i = 0; i < 3; ++i) {
    if (accepted.build[i]) parts.push_back(std::string(1, kBuildKeys[i].key) + " " + kBuildKeys[i].word);
  }
  for (const ButtonKey& button : kButtonKeys) {
    if (accepted.*button.accepted) parts.push_back(std::string(1, button.key) + " " + button.word);
  }
  if (accepted.undo) parts.push_back("Ctrl+Z undo");
  std::string hint;
  for (const std::string& part : parts) hint += (hint.empty() ? "" : " - ") + part;
  return hint;
}
