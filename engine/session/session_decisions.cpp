#include "engine/session/session.h"

// The dialogs are still asked through ISessionUi in this version: nothing is
// ever left pending, so every answer is refused.
bool CGameSession::AnswerDiscards(const SeatMatrix& /*lost*/) { return false; }
bool CGameSession::AnswerSteal(const StealChoice& /*choice*/) { return false; }
bool CGameSession::AnswerBankTradeResource(int32_t /*resource*/) { return false; }
bool CGameSession::AnswerVictoryPointCard(bool /*thisTurn*/) { return false; }
bool CGameSession::AnswerWinner(bool /*accept*/) { return false; }
bool CGameSession::AnswerHiddenPoints(int32_t /*points*/) { return false; }
bool CGameSession::CancelDecision() { return false; }

std::vector<SessionNotice> CGameSession::TakeNotices() {
  std::vector<SessionNotice> out;
  out.swap(notices_);
  return out;
}
