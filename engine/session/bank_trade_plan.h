#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "engine/session/pending_decision.h"
#include "engine/session/session_ui.h"

// The automatic bank trade that makes a purchase affordable: which cards the
// player gives to the bank at its best ratios, and which missing cards it gets.
struct BankTradePlan {
  bool affordable = false;   // the purchase can be paid, directly or with trades
  bool tradesNeeded = false; // at least one card is missing
  ResourceCounts given{};
  ResourceCounts received{};
  std::array<int32_t, 3> ratioCounts{};  // trades made at 2:1, 3:1 and 4:1
};

// The trade worked out one missing card at a time. Works on a copy of the
// hand. Cost resources are never traded away: only the surplus over a
// resource's own cost buys cards. The bank must hold every card that is
// missing, or the purchase is not affordable (a trade the bank cannot serve
// would leave the hand short of the cost).
class CBankTradeChain {
 public:
  CBankTradeChain() = default;
  CBankTradeChain(const ResourceCounts& hand, const ResourceCounts& cost, const std::array<int32_t, kResourceCount>& ratios,
                  const ResourceCounts& bank);

  // The plan so far; complete once Question() is empty and Finish() ran.
  const BankTradePlan& Plan() const { return plan_; }
  // What the player is asked next: one question per missing card while more
  // than one trade unit is left to choose from. Empty when the rest needs no
  // choice (or no trade is needed).
  std::optional<BankTradeQuestion> Question() const;
  // Gives one unit of `resource` for the card asked about. False (nothing
  // changes) when there is no question or the resource is not tradeable.
  bool Choose(int32_t resource);
  // Trades for what is still missing; no choice is left by then, since at
  // most one resource still has units.
  void Finish();

 private:
  void TradeUnit(int32_t give, int32_t wanted);

  BankTradePlan plan_;
  std::array<int32_t, kResourceCount> ratios_{};
  std::array<int32_t, kResourceCount> missing_{};
  std::array<int32_t, kResourceCount> units_{};
  int32_t totalMissing_ = 0;
  int32_t choices_ = 0;  // resources with units left while choosing
};

// Asked once per missing card while more than one trade unit is left:
// (wanted resource, resources with units left) -> resource to give.
using BankTradeChooser = std::function<int32_t(int32_t, const std::array<bool, kResourceCount>&)>;

// The whole plan at once. Without a chooser the plan only answers whether
// the purchase is affordable; a chooser's answer that is not tradeable is
// taken as the first tradeable resource (the dialog has no Cancel).
BankTradePlan PlanBankTrade(const ResourceCounts& hand, const ResourceCounts& cost,
                            const std::array<int32_t, kResourceCount>& ratios, const ResourceCounts& bank,
                            const BankTradeChooser* chooser);
