#include <algorithm>
#include <exception>

#include "engine/session/session.h"
#include "records/clock.h"

// Runs after every action that can raise a score: the first player in
// playing order with 10 points wins, once the user confirms it.
void CGameSession::CheckVictory() {
  if (f_.gameState == GameOver || game_.gameOn == 0) return;
  int32_t winner = -1;
  for (int32_t i = 0; i < f_.playerCount && winner < 0; ++i)
    if (P(i).victoryPoints >= 10) winner = i;
  if (winner < 0) return;
  if (!ui_.ConfirmWinner(winner)) {
    // "&Undo": the action that raised the score is taken back.
    while (TakeBackNewest() && !undo_.empty()) {
    }
    ui_.HistoryChanged();
    ui_.BoardChanged();
    Refresh();
    return;
  }
  CUndoNode won;
  won.kind = Won;
  won.value = winner;
  RecordAction(std::move(won));
  CountHiddenPoints(winner);
  CDateTime now = clock_.Now();
  game_.endTime = now;
  P(f_.currentPlayer).turnSeconds.push_back(SpanSeconds(now.days - game_.turnStart.days));
  game_.turnStart = now;
  ui_.StatisticsChanged(Report(4));
  StoreFinishedGame();
  f_.gameState = GameOver;
  f_.pickEnabled = false;
  f_.lastPick = -1;
  Refresh();
}

// The victory point cards still in the players' hands.
void CGameSession::CountHiddenPoints(int32_t winner) {
  for (int32_t j = 0; j < f_.playerCount; ++j) {
    CPlayerGame& seat = P(j);
    int32_t unplayed = seat.cardsBoughtThisTurn + seat.cardsHeld;
    if (unplayed <= 0) continue;
    int32_t most = std::min(unplayed, 5);
    int32_t v = std::clamp(ui_.AskHiddenPoints(j, most), 0, most);
    AddVictoryPoints(j, v);
    // The winner's cards come from this turn first; anybody else's from
    // earlier turns first (the player whose turn it is may hold both).
    int32_t& first = j == winner ? seat.cardsBoughtThisTurn : seat.cardsHeld;
    int32_t& second = j == winner ? seat.cardsHeld : seat.cardsBoughtThisTurn;
    int32_t fromFirst = std::min(first, v);
    first -= fromFirst;
    second -= v - fromFirst;
    if (j != winner) {
      CUndoNode node;
      node.kind = WastedPoints;
      node.value = v + 10 * j;
      RecordAction(std::move(node));
    }
  }
}

void CGameSession::StoreFinishedGame() {
  try {
    CHistoryLog log = history_.Log();
    store_.StoreFinishedGame(game_, log, board_);
  } catch (const std::exception& e) {
    ui_.ShowMessage("Hexstead3D", std::string("The game could not be stored: ") + e.what());
  }
}
