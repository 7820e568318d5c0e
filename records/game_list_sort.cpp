#include "records/game_list_sort.h"

#include <algorithm>

const std::string& GameListColumnText(const CGameListRow& row, int column) {
  switch (column) {
    case 0: return row.date;
    case 1: return row.time;
    case 2: return row.playerCount;
    case 3: return row.length;
    default: return row.players;
  }
}

void CGameListOrder::ClickColumn(int column) {
  const bool firstClick = !sorted_;
  sorted_ = true;
  if (keys_[0].column == column) {
    if (!firstClick) keys_[0].descending = !keys_[0].descending;
    return;
  }
  keys_[2] = keys_[1];
  keys_[1] = keys_[0];
  keys_[0] = Key{column, false};
}

bool CGameListOrder::Before(const CGameListRow& a, const CGameListRow& b) const {
  for (const Key& key : keys_) {
    const std::string& x = GameListColumnText(a, key.column);
    const std::string& y = GameListColumnText(b, key.column);
    // Byte-wise as unsigned characters, so 8-bit letters sort after ASCII.
    const int order = x.compare(y);
    if (order != 0) return key.descending ? order > 0 : order < 0;
  }
  return false;
}

void CGameListOrder::Sort(std::vector<CGameListRow>& rows) const {
  std::stable_sort(rows.begin(), rows.end(),
                   [this](const CGameListRow& a, const CGameListRow& b) { return Before(a, b); });
}

void RemoveDeletedGame(std::vector<CGameListRow>& rows, int deleted) {
  std::erase_if(rows, [deleted](const CGameListRow& row) { return row.index == deleted; });
  for (CGameListRow& row : rows) {
    if (row.index > deleted) --row.index;
  }
}
