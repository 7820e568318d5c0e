#pragma once

#include <cstdint>

// Why a hand changes; selects the statistics counter that moves with it and
// whether the bank takes part.
enum LedgerKind : int32_t {
  Production = 0,     // dice production, starting resources
  Stolen = 1,         // card stolen from `other`
  YearOfPlenty = 2,   // cards taken with Year of Plenty
  MonopolyGain = 3,   // cards taken with Monopoly from `other`
  Discard = 4,        // cards given up on a 7
  TakenBy = 5,        // cards taken by `other` (steal or Monopoly)
  RobberBlocked = 6,  // production withheld by the robber `other` placed
  BankTrade = 7,      // trade with the bank (other -1; -2 while undoing)
  Purchase = 8,       // paying for a piece or a development card
  PlayerTrade = 9,    // trade between two players
};

// The kinds that move cards between a hand and the bank when trades are tracked.
constexpr bool LedgerUsesBank(LedgerKind kind) {
  return kind == Production || kind == YearOfPlenty || kind == Discard || kind == BankTrade ||
         kind == Purchase;
}
