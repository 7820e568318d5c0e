#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/session/session_ui.h"

// What the session waits for the user to decide before a step can go on. The
// session holds at most one; the window shows the matching dialog and hands
// the answer back as the next input. A pending decision is session state
// only: it is never stored with a game.
enum class DecisionKind {
  None,
  Discards,           // "Lose cards because of a 7"
  Steal,              // "Steal a card from a player"
  BankTradeResource,  // "Trade to the bank": what to give for one missing card
  VictoryPointCard,   // was the revealed card bought in this turn?
  Winner,             // "The game is over!"
  HiddenPoints,       // "Victory Point totals"
};

// One question of the automatic bank trade: which resource to give for one
// card of `wanted`; only the tradeable ones may be chosen.
struct BankTradeQuestion {
  int32_t wanted = 0;
  std::array<bool, kResourceCount> tradeable{};

  bool operator==(const BankTradeQuestion&) const = default;
};

struct PendingDecision {
  DecisionKind kind = DecisionKind::None;
  int32_t player = -1;          // VictoryPointCard: the card's player; Winner: the winner; HiddenPoints: whose hand
  DiscardOffer discards;        // Discards
  StealOffer steal;             // Steal
  BankTradeQuestion bankTrade;  // BankTradeResource
  int32_t maxPoints = 0;        // HiddenPoints: 0..maxPoints may be chosen
  std::string caption, text;    // VictoryPointCard: the yes/no question as shown

  // Only the discard and steal dialogs have a Cancel button.
  bool Cancellable() const { return kind == DecisionKind::Discards || kind == DecisionKind::Steal; }
  bool operator==(const PendingDecision&) const = default;
};

// A message box to show once the input that raised it has returned.
struct SessionNotice {
  std::string caption, text;

  bool operator==(const SessionNotice&) const = default;
};
