#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include <wx/gdicmn.h>
#include <wx/string.h>

#include "records/game_list.h"
#include "records/player_list.h"
#include "stored_text.h"

class wxButton;
class wxDialog;
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
// Calls `changed` after each change of the list's selection.
void OnSelectionChange(wxListCtrl* list, const std::function<void()>& changed);

// Lays a database dialog out: the list filling it, and its buttons in a row
// below (`orientation` wxHORIZONTAL) or a column beside it (wxVERTICAL),
// `actions` first and `close` at the far end.
void LayOutListDialog(wxDialog* dialog, wxWindow* list, std::initializer_list<wxButton*> actions, wxButton* close,
                      int orientation);
