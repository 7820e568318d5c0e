#include "player_select_dialog.h"

#include <algorithm>
#include <exception>

#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "close_box.h"
#include "command_ids.h"
#include "engine/session/session.h"
#include "hexstead_app.h"
#include "panel_font.h"
#include "player_box.h"
#include "player_colours.h"
#include "player_edit_dialog.h"
#include "player_page_dialog.h"
#include "quit_question.h"
#include "records/game_database.h"
#include "records/game_list.h"
#include "records/player_list.h"
#include "records/text_encoding.h"

namespace {

wxString Shown(const std::string& cp1252) { return wxString::FromUTF8(Cp1252ToUtf8(cp1252)); }

const wxColour kSeatedRowText(150, 150, 150);
// Control ids of the seat boxes, top to bottom.
constexpr int kSeatBoxIds[kMaxPlayers] = {1021, 1022, 1026, 1024, 1025, 1023};

}  // namespace

CPlayerSelectDialog::CPlayerSelectDialog(wxWindow* parent, OkHandler onOk, std::function<void()> onCancel)
    : wxDialog(parent, 150, "Select the players in your Hexstead game"), onOk_(std::move(onOk)) {
  auto* hint = new wxStaticText(this, wxID_ANY,
                                "Drag a player onto a coloured seat, or double-click a player to seat them.\n"
                                "Drag a seated player back onto the list, or double-click the seat, to free it.");

  players_ = new wxListCtrl(this, IDC_PLAYER_LIST, wxDefaultPosition, wxSize(220, 228),
                            wxLC_REPORT | wxLC_SINGLE_SEL);
  players_->SetFont(PanelFont(13));
  players_->AppendColumn("Players", wxLIST_FORMAT_LEFT, 200);
  auto* newPlayer = new wxButton(this, IDC_NEW_PLAYER, "New player...");
  auto* list = new wxBoxSizer(wxVERTICAL);
  list->Add(players_, 1, wxEXPAND);
  list->Add(newPlayer, 0, wxTOP, 6);

  auto* seats = new wxBoxSizer(wxVERTICAL);
  for (size_t i = 0; i < seats_.size(); ++i) {
    const auto colour = static_cast<uint32_t>(SeatBoxColour(static_cast<int>(i)));
    seats_[i] = new CPlayerBox(this, kSeatBoxIds[i], wxSize(200, 32), LightColourOf(colour));
    seats_[i]->SetColour(colour);
    seats->Add(seats_[i], 0, i + 1 < seats_.size() ? wxBOTTOM : 0, 6);
    const int seat = static_cast<int>(i);
    seats_[i]->OnDragStart([this, seat] { drag_.Start(this, PlayerDragText(seats_[seat]->Player(), -1)); });
    // A double-click frees the seat again.
    seats_[i]->OnDoubleClick([this, seat] {
      seats_[seat]->Clear();
      SeatingChanged();
    });
    drag_.AddTarget(seats_[i], [this, seat](const wxString& text) { DropOnSeat(seat, text); });
  }
  drag_.AddTarget(players_, [this](const wxString& text) { DropOnList(text); });

  auto* statisticsBox = new wxStaticBoxSizer(wxHORIZONTAL, this, "Player Statistics");
  statistics_ = new wxStaticText(statisticsBox->GetStaticBox(), IDC_PLAYER_STATISTICS, wxString());
  details_ = new wxButton(statisticsBox->GetStaticBox(), IDC_PLAYER_DETAILS, "Details...");
  statisticsBox->Add(statistics_, 1, wxEXPAND | wxALL, 6);
  statisticsBox->Add(details_, 0, wxALIGN_BOTTOM | wxALL, 6);
  statisticsBox->SetMinSize(wxSize(-1, 84));

  auto* columns = new wxBoxSizer(wxHORIZONTAL);
  columns->Add(list, 0, wxEXPAND | wxRIGHT, 12);
  columns->Add(seats, 0);

  ok_ = new wxButton(this, wxID_OK, "OK");
  cancel_ = new wxButton(this, wxID_CANCEL, "Cancel");
  ok_->Disable();
  seatCount_ = new wxStaticText(this, wxID_ANY, wxString());
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->Add(seatCount_, 0, wxALIGN_CENTER_VERTICAL);
  buttons->AddStretchSpacer();
  buttons->Add(ok_, 0, wxRIGHT, 6);
  buttons->Add(cancel_);

  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(hint, 0, wxALL, 10);
  top->Add(columns, 0, wxLEFT | wxRIGHT, 10);
  top->Add(statisticsBox, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 10);
  top->Add(buttons, 0, wxEXPAND | wxALL, 10);
  SetSizerAndFit(top);
  Centre();
  ShowStatistics(-1);
  // One column over the whole width of the list.
  players_->SetColumnWidth(0, players_->GetClientSize().x);

  newPlayer->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { AddNewPlayer(); });
  details_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnDetails(); });
  players_->Bind(wxEVT_LIST_ITEM_SELECTED, [this](wxListEvent& event) {
    ShowStatistics(static_cast<int>(event.GetData()));
  });
  players_->Bind(wxEVT_LIST_ITEM_DESELECTED, [this](wxListEvent&) { ShowStatistics(-1); });
  players_->Bind(wxEVT_LIST_ITEM_ACTIVATED, [this](wxListEvent& event) {
    SeatInFirstEmptyBox(static_cast<int>(event.GetIndex()));
  });
  players_->Bind(wxEVT_LIST_BEGIN_DRAG, &CPlayerSelectDialog::OnBeginDrag, this);
  ok_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
    if (ok_->IsEnabled() && onOk_) onOk_(Seating());
  });
  cancel_->Bind(wxEVT_BUTTON, [onCancel = std::move(onCancel)](wxCommandEvent&) {
    if (onCancel) onCancel();
  });
  CloseBoxPressesCancel(this, cancel_);
}

void CPlayerSelectDialog::Prepare(bool largeBoard, bool allowCancel) {
  largeBoard_ = largeBoard;
  AllowCancel(allowCancel);
  SeatingChanged();
}

void CPlayerSelectDialog::AllowCancel(bool allow) { cancel_->Enable(allow); }
bool CPlayerSelectDialog::CancelAllowed() const { return cancel_->IsEnabled(); }
bool CPlayerSelectDialog::OkEnabled() const { return ok_->IsEnabled(); }

bool CPlayerSelectDialog::Show(bool show) {
  if (show && !IsShown()) ReloadPlayers();
  return wxDialog::Show(show);
}

// --- the list of players ------------------------------------------------------

void CPlayerSelectDialog::ReloadPlayers() {
  CPlayerDatabase& database = CPlayerDatabase::Instance();
  known_ = database.Players();
  try {
    figures_ = database.Figures(CGameDatabase::Instance());
  } catch (const std::exception&) {
    // Unreadable stored games show no figures; seating still works.
    figures_.assign(known_.size(), CPlayerFigures{});
  }

  // Seats keep their people; one who left the database frees the seat.
  for (size_t box = 0; box < seats_.size(); ++box) {
    if (seats_[box]->IsEmpty()) continue;
    const auto found = std::find(known_.begin(), known_.end(), seated_[box]);
    if (found == known_.end()) {
      seats_[box]->Clear();
    } else {
      seated_[box] = *found;
      seats_[box]->SetPlayer(static_cast<int>(found - known_.begin()), Shown(found->DisplayName()));
    }
  }

  std::vector<int> order(known_.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  std::stable_sort(order.begin(), order.end(),
                   [this](int a, int b) { return PlayerNameLess(known_[a].ListName(), known_[b].ListName()); });
  players_->DeleteAllItems();
  for (int index : order) {
    const long row = players_->InsertItem(players_->GetItemCount(), Shown(known_[index].ListName()));
    players_->SetItemData(row, index);
  }
  ShowStatistics(-1);
  SeatingChanged();
}

int CPlayerSelectDialog::RowOfPlayer(int databaseIndex) const {
  return static_cast<int>(players_->FindItem(-1, static_cast<wxUIntPtr>(databaseIndex)));
}

void CPlayerSelectDialog::AddNewPlayer() {
  CPlayerEditDialog edit(this, "Add a player", std::string(), std::string());
  if (edit.ShowModal() != wxID_OK) return;
  CPlayerDatabase& database = CPlayerDatabase::Instance();
  CPlayer added;
  try {
    added = database.AddPlayer(CPlayer::Create(edit.FirstName(), edit.LastName()));
  } catch (const std::exception& error) {
    wxMessageBox(wxString::FromUTF8(error.what()), "Hexstead3D", wxOK | wxICON_ERROR, this);
    return;
  }
  ReloadPlayers();
  const auto& players = database.Players();
  const auto found = std::find(players.begin(), players.end(), added);
  if (found == players.end()) return;
  const int row = RowOfPlayer(static_cast<int>(found - players.begin()));
  if (row < 0) return;
  players_->SetItemState(row, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                         wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
  players_->EnsureVisible(row);
  players_->SetFocus();
}

void CPlayerSelectDialog::ShowStatistics(int databaseIndex) {
  const bool known = databaseIndex >= 0 && static_cast<size_t>(databaseIndex) < known_.size();
  shownPlayer_ = known ? databaseIndex : -1;
  details_->Enable(known);
  if (!known) {
    statistics_->SetLabel(known_.empty() ? "No players yet: add them with \"New player...\"."
                                         : "Select a player to see their games.");
    return;
  }
  const CPlayerFigures& figures = figures_[databaseIndex];
  const std::string lastGame = figures.games > 0 ? ListDate(figures.lastGameStart) : std::string("none");
  statistics_->SetLabel(wxString::Format("%s\nGames: %s    Wins: %s    Average: %s\nLast game: %s",
                                         Shown(known_[databaseIndex].DisplayName()),
                                         figures.GamesText(), figures.WinsText(), figures.AverageText(),
                                         wxString::FromUTF8(lastGame)));
}

// The page of the selected player. A game chosen there for review replaces
// the game being set up, once the user agrees to quit it.
void CPlayerSelectDialog::OnDetails() {
  if (shownPlayer_ < 0) return;
  const std::optional<int> chosen =
      ShowPlayerPage(this, CPlayerDatabase::Instance(), CGameDatabase::Instance(), shownPlayer_);
  if (!chosen || !AskQuitGame(this)) return;
  // Opening closes the game window that owns this dialog: after this handler.
  const int index = *chosen;
  wxTheApp->CallAfter([index] { TheApp().OpenStoredGame(index); });
}

// --- seating -----------------------------------------------------------------------

void CPlayerSelectDialog::SeatPlayer(int databaseIndex, int box) {
  if (databaseIndex < 0 || static_cast<size_t>(databaseIndex) >= known_.size()) return;
  if (box < 0 || static_cast<size_t>(box) >= seats_.size()) return;
  // A person sits in one seat: seating them elsewhere moves them.
  for (size_t other = 0; other < seats_.size(); ++other) {
    if (seats_[other]->Player() == databaseIndex) seats_[other]->Clear();
  }
  seated_[box] = known_[databaseIndex];
  seats_[box]->SetPlayer(databaseIndex, Shown(known_[databaseIndex].DisplayName()));
  SeatingChanged();
}

void CPlayerSelectDialog::SeatInFirstEmptyBox(int row) {
  if (row < 0 || row >= players_->GetItemCount()) return;
  const int databaseIndex = static_cast<int>(players_->GetItemData(row));
  for (CPlayerBox* seat : seats_) {
    if (seat->Player() == databaseIndex) return;  // already seated
  }
  for (size_t box = 0; box < seats_.size(); ++box) {
    if (seats_[box]->IsEmpty()) {
      SeatPlayer(databaseIndex, static_cast<int>(box));
      return;
    }
  }
}

void CPlayerSelectDialog::OnBeginDrag(wxListEvent& event) {
  const long row = event.GetIndex();
  if (row < 0) return;
  drag_.Start(this, PlayerDragText(static_cast<int>(players_->GetItemData(row)), static_cast<int>(row)));
}

void CPlayerSelectDialog::DropOnSeat(int box, const wxString& text) {
  int databaseIndex = -1;
  int from = -1;
  if (!ParsePlayerDragText(text, &databaseIndex, &from)) return;
  SeatPlayer(databaseIndex, box);
}

void CPlayerSelectDialog::DropOnList(const wxString& text) {
  int databaseIndex = -1;
  int from = -1;
  if (!ParsePlayerDragText(text, &databaseIndex, &from)) return;
  // A row dropped back on the list changes nothing; a seat dropped there is freed.
  if (from >= 0) return;
  for (CPlayerBox* seat : seats_) {
    if (seat->Player() == databaseIndex) seat->Clear();
  }
  SeatingChanged();
}

int CPlayerSelectDialog::SeatedCount() const {
  return static_cast<int>(std::count_if(seats_.begin(), seats_.end(), [](CPlayerBox* s) { return !s->IsEmpty(); }));
}

std::vector<SeatChoice> CPlayerSelectDialog::Seating() const {
  std::vector<SeatChoice> seating;
  for (size_t box = 0; box < seats_.size(); ++box) {
    if (!seats_[box]->IsEmpty()) seating.push_back(SeatChoice{static_cast<int32_t>(box), seated_[box]});
  }
  return seating;
}

void CPlayerSelectDialog::SeatingChanged() {
  const int seated = SeatedCount();
  const BoardKind board = largeBoard_ ? BoardKind::Large : BoardKind::Standard;
  const int low = FewestPlayers(board);
  const int high = MostPlayers(board);
  ok_->Enable(seated >= low && seated <= high);
  // Say why OK is not offered yet.
  const wxString range = wxString::Format("%d or %d players", low, high);
  if (seated == 0) {
    seatCount_->SetLabel("Seat " + range + ".");
  } else {
    seatCount_->SetLabel(wxString::Format("%d %s seated; this board takes %s.", seated,
                                          seated == 1 ? "player" : "players", range));
  }
  // Seated people are greyed in the list.
  for (int row = 0; row < players_->GetItemCount(); ++row) {
    const int databaseIndex = static_cast<int>(players_->GetItemData(row));
    const bool isSeated = std::any_of(seats_.begin(), seats_.end(),
                                      [databaseIndex](CPlayerBox* s) { return s->Player() == databaseIndex; });
    const wxColour colour = isSeated ? kSeatedRowText : players_->GetTextColour();
    if (players_->GetItemTextColour(row) != colour) players_->SetItemTextColour(row, colour);
  }
}
