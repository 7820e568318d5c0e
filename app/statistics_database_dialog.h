#pragma once

#include <wx/dialog.h>

#include "stats/player_report.h"

class CGameDatabase;
class CGameListCtrl;
class CPlayerDatabase;
class wxCheckBox;
class wxListCtrl;
class wxTreeCtrl;
class wxTreeItemId;

// "Statistics Database" (dialog 190): the players and games a report covers
// (each list with an "Include all" box) and the player statistics it shows,
// moved between "Statistics to choose from:" and "Statistics in report:".
// "Generate!" ends the dialog with wxID_OK when the choice is complete; the
// caller then builds the report from Choice().
class CStatisticsDatabaseDialog : public wxDialog {
 public:
  CStatisticsDatabaseDialog(wxWindow* parent, CGameDatabase& games, CPlayerDatabase& players);

  // Players, games and statistics chosen (every index for "Include all").
  CPlayerReportChoice Choice() const;
  wxListCtrl* PlayerList() const { return players_; }
  CGameListCtrl* GameList() const { return games_; }

 private:
  void ShowStatistics();
  void FillTree(wxTreeCtrl* tree, bool chosen);
  // Moves the statistic selected in `from` (all of them for its root) across.
  void MoveSelected(wxTreeCtrl* from, bool toReport);
  void MoveAll(bool toReport);
  void OnGenerate();

  int gameCount_ = 0;
  int playerCount_ = 0;
  PlayerStatMask inReport_ = 0;
  wxListCtrl* players_ = nullptr;
  CGameListCtrl* games_ = nullptr;
  wxCheckBox* allPlayers_ = nullptr;
  wxCheckBox* allGames_ = nullptr;
  wxTreeCtrl* offered_ = nullptr;
  wxTreeCtrl* chosen_ = nullptr;
};
