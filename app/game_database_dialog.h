#pragma once

#include <optional>

#include <wx/dialog.h>

#include "records/game_list_sort.h"

class CGameDatabase;
class CGameListCtrl;
class CPlayerDatabase;
class wxButton;
class wxListEvent;

// "Game Database" (dialog 187): every stored game in a list that sorts by
// its column headers; Open returns one game for review, Delete removes one,
// Export writes the selected games to an export file and Import appends the
// games of one.
class CGameDatabaseDialog : public wxDialog {
 public:
  CGameDatabaseDialog(wxWindow* parent, CGameDatabase& games, CPlayerDatabase& players);

  // The game chosen with "&Open" (the dialog then ends with wxID_OK).
  std::optional<int> ChosenGame() const { return chosen_; }
  CGameListCtrl* List() const { return list_; }
  const CGameListOrder& Order() const { return order_; }

 private:
  void Rebuild();
  void UpdateButtons();
  void OnColumnClick(wxListEvent& event);
  void OnOpen();
  void OnDelete();
  void OnExport();
  void OnImport();

  CGameDatabase& games_;
  CPlayerDatabase& players_;
  CGameListOrder order_;
  std::optional<int> chosen_;
  CGameListCtrl* list_ = nullptr;
  wxButton* open_ = nullptr;
  wxButton* delete_ = nullptr;
  wxButton* export_ = nullptr;
};
