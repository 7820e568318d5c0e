#include "engine/session/session.h"

// --- the pending decision ---------------------------------------------------------
// Each step that needs the user's word stops at a pending decision and ends
// there; the answer input resumes it with what the step kept in decision_.

void CGameSession::OpenDecision(PendingDecision decision) {
  pending_ = std::move(decision);
  ui_.DecisionChanged();
}

void CGameSession::CloseDecision() {
  pending_ = PendingDecision{};
  ui_.DecisionChanged();
}

void CGameSession::Notify(std::string caption, std::string text) {
  notices_.push_back(SessionNotice{std::move(caption), std::move(text)});
}

std::vector<SessionNotice> CGameSession::TakeNotices() {
  std::vector<SessionNotice> out;
  out.swap(notices_);
  return out;
}

bool CGameSession::DoCancelDecision() {
  if (!pending_.Cancellable()) return false;
  DecisionKind kind = pending_.kind;
  CloseDecision();
  if (kind == DecisionKind::Steal) {
    // The robber move is the newest action (the steal was never recorded, or
    // its Undo has just taken it back): the robber returns.
    TakeBackNewest();
    ui_.HistoryChanged();
    ui_.BoardChanged();
  }
  // Cancelled discards drop the roll: nothing of it was done.
  Refresh();
  return true;
}

bool CGameSession::DoAnswerDiscards(const SeatMatrix& lost) {
  if (pending_.kind != DecisionKind::Discards) return false;
  const DiscardOffer& offer = pending_.discards;
  // Exactly the required number per player, and only cards the player holds.
  for (int32_t p = 0; p < kMaxPlayers; ++p) {
    int32_t sum = 0;
    for (int r = 0; r < kResourceCount; ++r) {
      int32_t n = lost[p][r];
      if (n < 0 || (p < f_.playerCount && n > P(p).hand[r]) || (p >= f_.playerCount && n > 0)) return false;
      sum += n;
    }
    if (sum != offer.required[p]) return false;
  }
  std::vector<CUndoNode> discards;
  for (int32_t p = 0; p < f_.playerCount; ++p) {
    if (offer.required[p] == 0) continue;
    for (int r = 0; r < kResourceCount; ++r) LoseResources(Discard, p, r, lost[p][r], -1);
    discards.emplace_back(Discarded, ExchangeUndo{p, lost[p], {}, {}}, true);
  }
  CloseDecision();
  FinishRoll(7, std::move(discards));
  return true;
}

bool CGameSession::DoAnswerSteal(const StealChoice& choice) {
  if (pending_.kind != DecisionKind::Steal) return false;
  const StealOffer& offer = pending_.steal;
  if (choice.victim < 0 || choice.victim > 5 || !offer.candidates[choice.victim] || choice.resource < 0 ||
      choice.resource > 5 || (choice.resource < 5 && P(choice.victim).hand[choice.resource] <= 0))
    return false;
  CloseDecision();
  Steal(choice);
  Refresh();
  ui_.BoardChanged();
  return true;
}

bool CGameSession::DoAnswerBankTradeResource(int32_t resource) {
  if (pending_.kind != DecisionKind::BankTradeResource || !decision_.bankTrade.Choose(resource)) return false;
  CloseDecision();
  ContinueAutoTrade();
  Refresh();
  return true;
}

bool CGameSession::DoAnswerVictoryPointCard(bool thisTurn) {
  if (pending_.kind != DecisionKind::VictoryPointCard) return false;
  int32_t player = pending_.player;
  CloseDecision();
  RevealVictoryPoint(player, thisTurn);
  return true;
}

bool CGameSession::DoAnswerWinner(bool accept) {
  if (pending_.kind != DecisionKind::Winner) return false;
  int32_t winner = pending_.player;
  CloseDecision();
  if (!accept) {
    // "&Undo": the action that raised the score is taken back.
    while (TakeBackNewest() && !undo_.empty()) {
    }
    ui_.HistoryChanged();
    ui_.BoardChanged();
    Refresh();
    return true;
  }
  RecordAction(CUndoNode(Won, WinnerUndo{winner}));
  decision_.winner = winner;
  decision_.nextHidden = 0;
  AskNextHiddenPoints();
  return true;
}

bool CGameSession::DoAnswerHiddenPoints(int32_t points) {
  if (pending_.kind != DecisionKind::HiddenPoints || points < 0 || points > pending_.maxPoints) return false;
  int32_t j = pending_.player;
  CloseDecision();
  CountHiddenPoints(j, points);
  decision_.nextHidden = j + 1;
  AskNextHiddenPoints();
  return true;
}
