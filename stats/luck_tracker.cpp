#include "engine/session/production.h"
#include "engine/session/session.h"
#include "stats/luck.h"

namespace {

// The position takes a dice total now.
bool AwaitsRoll(const CGameSession& session) {
  return session.GameStateNow() == Turn && !session.TurnPanel().rolled &&
         session.Pending().kind == DecisionKind::None && session.Game().gameOn != 0;
}

}  // namespace

ProductionOutlook ProductionOutlookOf(const CGameSession& session) {
  const CGame& game = session.Game();
  return ProductionOutlookOf(session.Board(), game.players, session.Fields().playerCount, session.CurrentPlayer(),
                             game.trackTrades != 0 ? &session.Bank() : nullptr);
}

ProductionOutlook ProductionOutlookOf(const CBoard& board, const std::vector<CPlayerGame>& players, int32_t seats,
                                      int32_t roller, const ResourceCounts* bank) {
  ProductionOutlook outlook;
  for (int32_t total = 2; total <= 12; ++total) {
    SeatMatrix& gains = outlook.gains[total - 2];
    gains = ProductionOf(board, players, seats, roller, total, bank).gains;
    for (int32_t p = 0; p < seats; ++p)
      for (int r = 0; r < 5; ++r) outlook.expected[p][r] += TotalChance(total) * gains[p][r];
  }
  return outlook;
}

void CLuckTracker::Observe(const CGameSession& session) {
  const std::vector<int32_t>& rolls = session.Game().rolls;
  if (rolls_.size() > rolls.size()) rolls_.resize(rolls.size());  // undone rolls
  while (rolls_.size() < rolls.size()) {
    RollLuck roll;
    roll.total = rolls[rolls_.size()];
    // Only the roll made from the last position seen has a known outlook.
    if (rolls_.size() + 1 == rolls.size() && outlook_ && roll.total >= 2 && roll.total <= 12) {
      roll.roller = outlookRoller_;
      roll.expected = outlook_->expected;
      roll.received = outlook_->gains[roll.total - 2];
    }
    rolls_.push_back(roll);
  }
  if (AwaitsRoll(session)) {
    outlook_ = ProductionOutlookOf(session);
    outlookRoller_ = session.CurrentPlayer();
  }
}

void CLuckTracker::Clear() {
  outlook_.reset();
  outlookRoller_ = -1;
  rolls_.clear();
}
