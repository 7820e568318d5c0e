#include "player_status_rows.h"

#include "command_ids.h"
#include "engine/session/session.h"
#include "player_status_row.h"

CPlayerStatusRows::CPlayerStatusRows(wxWindow* parent, const CInterfaceImages& images)
    : parent_(parent), images_(images) {}

void CPlayerStatusRows::Clear() {
  for (CPlayerStatusRow* row : rows_) row->Destroy();
  rows_.clear();
}

void CPlayerStatusRows::Recreate(const CGameSession& session) {
  Clear();
  const CGame& game = session.Game();
  const int players = static_cast<int>(game.players.size());
  for (int p = 0; p < players; ++p) {
    const CPlayerGame& seat = game.players[p];
    rows_.push_back(new CPlayerStatusRow(parent_, IDC_STATUS_ROW_FIRST + p, wxPoint(0, CPlayerStatusRow::kHeight * p),
                                         p, static_cast<uint32_t>(seat.color), seat.player.DisplayName(), images_));
  }
  // The bank's stock is only kept when trades are tracked.
  if (game.trackTrades != 0) {
    rows_.push_back(new CPlayerStatusRow(parent_, IDC_STATUS_ROW_FIRST + players,
                                         wxPoint(0, CPlayerStatusRow::kHeight * players), -1, 0, std::string(),
                                         images_));
  }
  Refresh(session);
}

CPlayerStatusRow* CPlayerStatusRows::Row(int32_t player) const {
  for (CPlayerStatusRow* row : rows_) {
    if (row->Player() == player) return row;
  }
  return nullptr;
}

void CPlayerStatusRows::Refresh(const CGameSession& session) {
  for (CPlayerStatusRow* row : rows_) RefreshRow(session, row->Player());
}

void CPlayerStatusRows::RefreshRow(const CGameSession& session, int32_t player) {
  CPlayerStatusRow* row = Row(player);
  if (row == nullptr) return;
  CPlayerStatusRow::Shown now;
  if (player < 0) {
    now.counts = session.Bank();
  } else {
    const auto& seats = session.Game().players;
    if (static_cast<size_t>(player) >= seats.size()) return;
    const CPlayerGame& seat = seats[player];
    now.counts = seat.hand;
    now.points = seat.victoryPoints;
    now.largestArmy = seat.hasLargestArmy != 0;
    now.longestRoad = seat.hasLongestRoad != 0;
  }
  row->Update(now);
}
