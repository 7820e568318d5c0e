#pragma once

#include <string>
#include <vector>

#include <wx/gdicmn.h>
#include <wx/string.h>

#include "records/game_list.h"
#include "records/player_list.h"
#include "stored_text.h"

class wxListCtrl;
class wxWindow;

// The report-style lists of the database dialogs: full-row selection, texts
// in "Tahoma" (or the installed sans-serif face) with 13-unit rows, and every
// row's item data its game's or player's database index.

// Gives a list the game columns "Date", "Time", "# Players", "Length",
// "Players" and the list font (the game list itself is CGameListCtrl).
void SetUpGameColumns(wxListCtrl* list);

// A list with the player columns "Players", "Games", "Wins", "Average".
wxListCtrl* CreatePlayerList(wxWindow* parent, int id, const wxSize& size, bool singleSelection);
void FillPlayerList(wxListCtrl* list, const std::vector<CPlayerListRow>& rows);

// The database indices (item data) of the selected rows, top to bottom.
std::vector<int> SelectedIndices(const wxListCtrl* list);
void ClearSelection(wxListCtrl* list);
