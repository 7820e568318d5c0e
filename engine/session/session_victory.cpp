#include <algorithm>
#include <exception>

#include "engine/session/session.h"
#include "records/clock.h"

// Runs after every action that can raise a score: the first player in
// playing order with 10 points wins, once the user confirms it
// (AnswerWinner, which also takes the action back on "&Undo").
void CGameSession::CheckVictory() {
  if (f_.gameState == GameOver || game_.gameOn == 0) return;
  int32_t winner = -1;
  for (int32_t i = 0; i < f_.playerCount && winner < 0; ++i)
    if (P(i).victoryPoints >= 10) winner = i;
  if (winner < 0) return;
  PendingDecision decision;
  decision.kind = DecisionKind::Winner;
  decision.player = winner;
  OpenDecision(std::move(decision));
  Refresh();
}

// The victory point cards still in the players' hands, asked for in playing
// order from decision_.nextHidden on; the game ends after the last one.
void CGameSession::AskNextHiddenPoints() {
  for (int32_t j = decision_.nextHidden; j < f_.playerCount; ++j) {
    int32_t unplayed = P(j).cardsBoughtThisTurn + P(j).cardsHeld;
    if (unplayed <= 0) continue;
    PendingDecision decision;
    decision.kind = DecisionKind::HiddenPoints;
    decision.player = j;
    decision.maxPoints = std::min(unplayed, 5);
    OpenDecision(std::move(decision));
    Refresh();
    return;
  }
  FinishGame();
}

void CGameSession::CountHiddenPoints(int32_t j, int32_t v) {
  CPlayerGame& seat = P(j);
  int32_t winner = decision_.winner;
  AddVictoryPoints(j, v);
  // The winner's cards come from this turn first; anybody else's from
  // earlier turns first (the player whose turn it is may hold both).
  int32_t& first = j == winner ? seat.cardsBoughtThisTurn : seat.cardsHeld;
  int32_t& second = j == winner ? seat.cardsHeld : seat.cardsBoughtThisTurn;
  int32_t fromFirst = std::min(first, v);
  first -= fromFirst;
  second -= v - fromFirst;
  if (j != winner) RecordAction(CUndoNode(WastedPoints, WastedPointsUndo{j, v}));
}

void CGameSession::FinishGame() {
  CDateTime now = clock_.Now();
  game_.endTime = now;
  P(f_.currentPlayer).turnSeconds.push_back(SpanSeconds(now.days - game_.turnStart.days));
  game_.turnStart = now;
  ui_.StatisticsChanged(Report(StatReport::TimePerTurn));
  StoreFinishedGame();
  f_.gameState = GameOver;
  f_.pickEnabled = false;
  f_.lastPick = -1;
  Refresh();
}

void CGameSession::StoreFinishedGame() {
  try {
    CHistoryLog log = history_.Log();
    store_.StoreFinishedGame(game_, log, board_);
  } catch (const std::exception& e) {
    Notify("Hexstead3D", std::string("The game could not be stored: ") + e.what());
  }
}
