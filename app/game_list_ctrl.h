#pragma once

#include <vector>

#include <wx/listctrl.h>

#include "records/game_list.h"
#include "records/game_list_sort.h"

// The game list of the database dialogs as a virtual list: the rows live
// here and the control asks for the texts it draws, so ten thousand games
// open and sort at once. Each row stands for its game's database index.
class CGameListCtrl : public wxListCtrl {
 public:
  CGameListCtrl(wxWindow* parent, int id, const wxSize& size, bool singleSelection);

  // Replaces the rows; nothing is selected afterwards.
  void SetRows(std::vector<CGameListRow> rows);
  const std::vector<CGameListRow>& Rows() const { return rows_; }
  // The database index of the game shown in `row`.
  int GameIndex(long row) const { return rows_.at(static_cast<std::size_t>(row)).index; }
  // The database indices of the selected rows, top to bottom.
  std::vector<int> SelectedGames() const;
  // Puts the rows in `order`; the selected games stay selected.
  void Sort(const CGameListOrder& order);
  // Game `deleted` left the database: its row goes, the later games' indices
  // move down, and nothing is selected.
  void RemoveGame(int deleted);

 protected:
  wxString OnGetItemText(long item, long column) const override;

 private:
  std::vector<CGameListRow> rows_;
};
