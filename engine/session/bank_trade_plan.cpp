#include "engine/session/bank_trade_plan.h"

CBankTradeChain::CBankTradeChain(const ResourceCounts& hand, const ResourceCounts& cost,
                                 const std::array<int32_t, kResourceCount>& ratios, const ResourceCounts& bank)
    : ratios_(ratios) {
  int32_t totalUnits = 0;
  for (int r = 0; r < kResourceCount; ++r) {
    int32_t surplus = hand[r];
    if (cost[r] > 0) {
      surplus = hand[r] >= cost[r] ? hand[r] - cost[r] : 0;
      missing_[r] = hand[r] < cost[r] ? cost[r] - hand[r] : 0;
    }
    units_[r] = ratios[r] > 0 ? surplus / ratios[r] : 0;
    totalMissing_ += missing_[r];
    totalUnits += units_[r];
    if (missing_[r] > bank[r]) {
      totalMissing_ = 0;  // not affordable: nothing to ask, nothing to trade
      return;
    }
  }
  if (totalMissing_ == 0) {
    plan_.affordable = true;
    return;
  }
  if (totalUnits < totalMissing_) {
    totalMissing_ = 0;
    return;
  }
  plan_.affordable = true;
  plan_.tradesNeeded = true;
  choices_ = totalUnits;
}

std::optional<BankTradeQuestion> CBankTradeChain::Question() const {
  if (choices_ <= 1 || totalMissing_ <= 0) return std::nullopt;
  BankTradeQuestion q;
  while (missing_[q.wanted] == 0) ++q.wanted;
  for (int r = 0; r < kResourceCount; ++r) q.tradeable[r] = units_[r] > 0;
  return q;
}

bool CBankTradeChain::Choose(int32_t resource) {
  std::optional<BankTradeQuestion> q = Question();
  if (!q || !IsResource(resource) || !q->tradeable[resource]) return false;
  TradeUnit(resource, q->wanted);
  --missing_[q->wanted];
  --totalMissing_;
  if (units_[resource] == 0) --choices_;
  return true;
}

void CBankTradeChain::Finish() {
  if (!plan_.tradesNeeded) return;
  for (int n = 0; n < 5; ++n) {
    for (; missing_[n] > 0; --missing_[n]) {
      for (int s = 0; s < 5; ++s) {
        if (units_[s] > 0) {
          TradeUnit(s, n);
          break;
        }
      }
    }
  }
  totalMissing_ = 0;
}

void CBankTradeChain::TradeUnit(int32_t give, int32_t wanted) {
  plan_.given[give] += ratios_[give];
  --units_[give];
  ++plan_.received[wanted];
  int32_t ratio = ratios_[give];
  if (ratio >= 2 && ratio <= 4) ++plan_.ratioCounts[ratio - 2];
}

BankTradePlan PlanBankTrade(const ResourceCounts& hand, const ResourceCounts& cost,
                            const std::array<int32_t, kResourceCount>& ratios, const ResourceCounts& bank,
                            const BankTradeChooser* chooser) {
  CBankTradeChain chain(hand, cost, ratios, bank);
  if (chooser == nullptr) return chain.Plan();
  while (std::optional<BankTradeQuestion> q = chain.Question()) {
    if (!chain.Choose((*chooser)(q->wanted, q->tradeable))) {
      int32_t s = 0;
      while (!q->tradeable[s]) ++s;
      chain.Choose(s);
    }
  }
  chain.Finish();
  return chain.Plan();
}
