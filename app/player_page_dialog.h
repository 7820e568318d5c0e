#pragma once

#include <optional>

#include <wx/dialog.h>

#include "stats/player_page.h"

class CGameDatabase;
class CPlayerDatabase;
class wxButton;
class wxListCtrl;
class wxStaticBitmap;

// The page of one person: their record, rivals and habits over every stored
// game in a list of figures, a chart of games and wins per month, and their
// last games, each of which "&Open"s (or a double-click) for review: the page
// then ends with wxID_OK and ChosenGame() says which.
class CPlayerPageDialog : public wxDialog {
 public:
  CPlayerPageDialog(wxWindow* parent, const CPlayerPage& page);

  std::optional<int> ChosenGame() const { return chosen_; }
  wxListCtrl* Figures() const { return figures_; }
  wxListCtrl* Games() const { return games_; }

 private:
  void FillFigures(const CPlayerPage& page);
  void FillGames(const CPlayerPage& page);
  void OnOpen();

  wxListCtrl* figures_ = nullptr;
  wxListCtrl* games_ = nullptr;
  wxButton* open_ = nullptr;
  std::optional<int> chosen_;
};

// Builds the page of player `index` (wait cursor while the stored games are
// read) and shows it. Returns the stored game chosen for review, if any;
// nothing, after a message, when the stored games cannot be read.
std::optional<int> ShowPlayerPage(wxWindow* parent, const CPlayerDatabase& players, CGameDatabase& games, int index);
