#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "engine/session/purchase.h"

struct CSessionFields;

// The letters of the turn's buttons (shown in their tooltips).
inline constexpr char kRoadKey = 'R';
inline constexpr char kSettlementKey = 'S';
inline constexpr char kCityKey = 'C';
inline constexpr char kTradeKey = 'T';
inline constexpr char kBuyCardKey = 'B';
inline constexpr char kPlayCardKey = 'P';
inline constexpr char kEndTurnKey = 'E';

// One line of Help > Keyboard Shortcuts.
struct TableShortcut {
  const char* keys;
  const char* action;
};
// Every key of the game window and of the dialogs of a turn, as listed.
const std::vector<TableShortcut>& TableShortcuts();

// What the state accepts from the keyboard: exactly what the buttons offer.
struct TableKeysAccepted {
  bool roll = false;          // the dice pad is up
  bool continueTurn = false;  // the production display is up
  std::array<bool, 3> build{};  // settlement, city, road buttons shown
  bool trade = false, buyCard = false, playCard = false, endTurn = false;
  bool undo = false;

  // From the session's fields while nothing is pending.
  static TableKeysAccepted From(const CSessionFields& fields, bool decisionPending);
};

// What the accepted keys hand over (the same as the buttons' clicks).
struct TableKeyActions {
  std::function<void(int total)> roll;
  std::function<void()> continueTurn;
  std::function<void(PurchaseKind)> build;
  std::function<void()> trade, buyCard, playCard, endTurn;
};

// The keyboard at the table: a roll typed as its total ("2".."9" at once, "1"
// and then "0", "1" or "2" for 10 to 12), Enter or Space to continue after
// production, one letter per button of the turn. A key that the state does
// not accept does nothing, like a click on a disabled button.
class CTableKeys {
 public:
  // `keyCode` as wxKeyEvent::GetKeyCode, `plain` when no Ctrl, Alt or Meta is
  // held. True when the key is one of the table's keys (taken whether or not
  // the state accepted it); false leaves it to the window.
  bool OnKey(int keyCode, bool plain, const TableKeysAccepted& accepted, const TableKeyActions& actions);
  // A "1" was typed and waits for its second digit.
  bool TenPending() const { return tenPending_; }
  // The status-bar line: the keys the state accepts now.
  std::string Hint(const TableKeysAccepted& accepted) const;

 private:
  bool OnDigit(int digit, const TableKeysAccepted& accepted, const TableKeyActions& actions);
  bool tenPending_ = false;
};
