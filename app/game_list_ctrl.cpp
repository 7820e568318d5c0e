#include "game_list_ctrl.h"

#include <algorithm>

#include "database_lists.h"

CGameListCtrl::CGameListCtrl(wxWindow* parent, int id, const wxSize& size, bool singleSelection)
    : wxListCtrl(parent, id, wxDefaultPosition, size,
                 wxLC_REPORT | wxLC_VIRTUAL | wxBORDER_SUNKEN | (singleSelection ? wxLC_SINGLE_SEL : 0)) {
  SetUpGameColumns(this);
}

void CGameListCtrl::SetRows(std::vector<CGameListRow> rows) {
  ClearSelection(this);
  rows_ = std::move(rows);
  SetItemCount(static_cast<long>(rows_.size()));
  Refresh();
}

std::vector<int> CGameListCtrl::SelectedGames() const {
  std::vector<int> games;
  for (long row = GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED); row != -1;
       row = GetNextItem(row, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED)) {
    games.push_back(GameIndex(row));
  }
  return games;
}

void CGameListCtrl::Sort(const CGameListOrder& order) {
  std::vector<int> selected = SelectedGames();
  std::sort(selected.begin(), selected.end());
  ClearSelection(this);
  order.Sort(rows_);
  for (long row = 0; row < static_cast<long>(rows_.size()); ++row) {
    if (std::binary_search(selected.begin(), selected.end(), GameIndex(row)))
      SetItemState(row, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
  }
  Refresh();
}

void CGameListCtrl::RemoveGame(int deleted) {
  ClearSelection(this);
  RemoveDeletedGame(rows_, deleted);
  SetItemCount(static_cast<long>(rows_.size()));
  Refresh();
}

wxString CGameListCtrl::OnGetItemText(long item, long column) const {
  if (item < 0 || item >= static_cast<long>(rows_.size())) return wxString();
  return FromStored(GameListColumnText(rows_[static_cast<std::size_t>(item)], static_cast<int>(column)));
}
