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

// A list with the game columns "Date", "Time", "# Players", "Length", "Players".
wxListCtrl* CreateGameList(wxWindow* parent, int id, const wxSize& size, bool singleSelection);
// Replaces the rows; the item data of each row is its game index.
void FillGameList(wxListCtrl* list, const std::vector<CGameListRow>& rows);

// A list with the player columns "Players", "Games", "Wins", "Average".
wxListCtrl* CreatePlayerList(wxWindow* parent, int id, const wxSize& size, bool singleSelection);
void FillPlayerList(wxListCtrl* list, const std::vector<CPlayerListRow>& rows);

// The database indices of the selected rows, top to bottom.
std::vector<int> SelectedIndices(const wxListCtrl* list);
// Selects (or clears) the row showing database index `index`; false when none does.
bool SelectIndex(wxListCtrl* list, int index, bool select = true);
void ClearSelection(wxListCtrl* list);
