#include "engine/session/bank_trade_plan.h"

namespace {

void CountAtRatio(BankTradePlan& plan, int32_t ratio) {
  if (ratio >= 2 && ratio <= 4) ++plan.ratioCounts[ratio - 2];
}

// Gives one trade unit of `s` for one card of `n`.
void TradeUnit(BankTradePlan& plan, std::array<int32_t, 5>& units, const std::array<int32_t, 5>& ratios,
               int32_t s, int32_t n) {
  plan.given[s] += ratios[s];
  --units[s];
  ++plan.received[n];
  CountAtRatio(plan, ratios[s]);
}

}  // namespace

BankTradePlan PlanBankTrade(const ResourceCounts& hand, const ResourceCounts& cost,
                            const std::array<int32_t, 5>& ratios, const ResourceCounts& bank,
                            const BankTradeChooser* chooser) {
  BankTradePlan plan;
  std::array<int32_t, 5> missing{}, units{};
  int32_t totalMissing = 0, totalUnits = 0;
  for (int r = 0; r < 5; ++r) {
    int32_t surplus = hand[r];
    if (cost[r] > 0) {
      surplus = hand[r] >= cost[r] ? hand[r] - cost[r] : 0;
      missing[r] = hand[r] < cost[r] ? cost[r] - hand[r] : 0;
    }
    units[r] = ratios[r] > 0 ? surplus / ratios[r] : 0;
    totalMissing += missing[r];
    totalUnits += units[r];
    if (missing[r] > bank[r]) return plan;
  }
  if (totalMissing == 0) {
    plan.affordable = true;
    return plan;
  }
  if (totalUnits < totalMissing) return plan;
  plan.affordable = true;
  plan.tradesNeeded = true;
  if (chooser == nullptr) return plan;

  // One choice per missing card while more than one unit is left to choose from.
  int32_t c = totalUnits;
  while (c > 1 && totalMissing > 0) {
    int32_t n = 0;
    while (missing[n] == 0) ++n;
    std::array<bool, 5> tradeable{};
    for (int r = 0; r < 5; ++r) tradeable[r] = units[r] > 0;
    int32_t s = (*chooser)(n, tradeable);
    if (s < 0 || s > 4 || !tradeable[s]) {  // a closed dialog still yields an enabled choice
      s = 0;
      while (!tradeable[s]) ++s;
    }
    TradeUnit(plan, units, ratios, s, n);
    --missing[n];
    --totalMissing;
    if (units[s] == 0) --c;
  }
  // The rest needs no choice: at most one resource still has units.
  for (int n = 0; n < 5; ++n) {
    for (; missing[n] > 0; --missing[n]) {
      for (int s = 0; s < 5; ++s) {
        if (units[s] > 0) {
          TradeUnit(plan, units, ratios, s, n);
          break;
        }
      }
    }
  }
  return plan;
}
