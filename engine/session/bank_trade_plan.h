#pragma once

#include <array>
#include <cstdint>
#include <functional>

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

// Asked once per missing card while more than one trade unit is left:
// (wanted resource, resources with units left) -> resource to give.
using BankTradeChooser = std::function<int32_t(int32_t, const std::array<bool, 5>&)>;

// Works on a copy of `hand`. Cost resources are never traded away: only the
// surplus over a resource's own cost buys cards. The bank must hold every
// card that is missing, or the purchase is not affordable (a trade the bank
// cannot serve would leave the hand short of the cost). Without a chooser the
// plan only answers whether the purchase is affordable.
BankTradePlan PlanBankTrade(const ResourceCounts& hand, const ResourceCounts& cost,
                            const std::array<int32_t, 5>& ratios, const ResourceCounts& bank,
                            const BankTradeChooser* chooser);
