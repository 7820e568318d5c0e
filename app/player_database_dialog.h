#pragma once

#include <optional>

#include <wx/dialog.h>

class CGameDatabase;
class CPlayerDatabase;
class wxButton;
class wxListCtrl;

// "Player Database" (dialog 188): every player with Games, Wins and Average,
// sorted by name; players are added, renamed (and renamed in the stored
// games on request), deleted, and imported from the stored games; "Details..."
// shows a player's page.
class CPlayerDatabaseDialog : public wxDialog {
 public:
  CPlayerDatabaseDialog(wxWindow* parent, CPlayerDatabase& players, CGameDatabase& games);

  wxListCtrl* List() const { return list_; }
  // A stored game chosen for review on a player's page (the dialog then ends).
  std::optional<int> ChosenGame() const { return chosenGame_; }

 private:
  void Rebuild();
  void UpdateButtons();
  int SelectedPlayer() const;  // database index, -1 when none
  void OnAdd();
  void OnEdit();
  void OnDelete();
  void OnImportFromGames();
  void OnDetails();

  CPlayerDatabase& players_;
  CGameDatabase& games_;
  wxListCtrl* list_ = nullptr;
  wxButton* edit_ = nullptr;
  wxButton* delete_ = nullptr;
  wxButton* details_ = nullptr;
  std::optional<int> chosenGame_;
};
