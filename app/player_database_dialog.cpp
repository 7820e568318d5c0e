#include "player_database_dialog.h"

#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/msgdlg.h>

#include "command_ids.h"
#include "database_lists.h"
#include "database_ui.h"
#include "long_work.h"
#include "player_edit_dialog.h"
#include "player_page_dialog.h"
#include "luck_replay.h"
#include "records/game_database.h"
#include "records/player_database.h"

namespace {

constexpr int kAverageLuckColumn = 4;  // after the player list's own four

}  // namespace

CPlayerDatabaseDialog::CPlayerDatabaseDialog(wxWindow* parent, CPlayerDatabase& players, CGameDatabase& games)
    : wxDialog(parent, IDD_PLAYER_DATABASE, "Player Database"), players_(players), games_(games) {
  list_ = CreatePlayerList(this, IDC_PLAYER_LIST, wxSize(390, 300), true);
  list_->AppendColumn("Average luck", wxLIST_FORMAT_CENTRE, 85);
  auto* add = new wxButton(this, IDC_DB_ADD, "&Add");
  edit_ = new wxButton(this, IDC_DB_EDIT, "&Edit");
  delete_ = new wxButton(this, IDC_DB_DELETE, "&Delete");
  auto* import = new wxButton(this, IDC_DB_IMPORT_PLAYERS, "&Import from\ngame data");
  details_ = new wxButton(this, IDC_PLAYER_DETAILS, "&Details...");
  auto* close = new wxButton(this, wxID_OK, "Close");
  close->SetDefault();
  SetEscapeId(wxID_OK);

  LayOutListDialog(this, list_, {add, edit_, delete_, import, details_}, close, wxVERTICAL);

  OnSelectionChange(list_, [this] { UpdateButtons(); });
  list_->Bind(wxEVT_LIST_ITEM_ACTIVATED, [this](wxListEvent&) { OnEdit(); });
  add->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnAdd(); });
  edit_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnEdit(); });
  delete_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnDelete(); });
  import->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnImportFromGames(); });
  details_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnDetails(); });

  Rebuild();
}

// The players sorted by name with their figures; nothing selected.
void CPlayerDatabaseDialog::Rebuild() {
  CLongWork work(this, "Player Database", "Reading the stored games...");
  std::vector<CPlayerListRow> rows;
  std::vector<PlayerLuck> luck;
  RunDatabaseOperation(this, [&] {
    rows = PlayerList(players_, games_);
    CReplayLuck replays(games_.DataDir(), games_.Files());
    luck = LuckByPlayer(games_, replays);
  });
  FillPlayerList(list_, rows);
  // "Average luck" where the player's games have replays.
  for (long item = 0; item < list_->GetItemCount(); ++item) {
    const int32_t id = players_.Players().at(static_cast<std::size_t>(list_->GetItemData(item))).playerId;
    list_->SetItem(item, kAverageLuckColumn, AverageLuckTextOf(luck, id));
  }
  UpdateButtons();
}

void CPlayerDatabaseDialog::UpdateButtons() {
  const bool selected = list_->GetSelectedItemCount() > 0;
  edit_->Enable(selected);
  delete_->Enable(selected);
  details_->Enable(selected);
}

int CPlayerDatabaseDialog::SelectedPlayer() const {
  const std::vector<int> selected = SelectedIndices(list_);
  return selected.empty() ? -1 : selected.front();
}

void CPlayerDatabaseDialog::OnAdd() {
  CPlayerEditDialog dialog(this, "Add a player", std::string(), std::string());
  if (dialog.ShowModal() != wxID_OK) return;
  RunDatabaseOperation(this, [&] { players_.AddPlayer(CPlayer::Create(dialog.FirstName(), dialog.LastName())); });
  Rebuild();
}

void CPlayerDatabaseDialog::OnEdit() {
  const int index = SelectedPlayer();
  if (index < 0) return;
  const CPlayer player = players_.GetPlayer(index);
  CPlayerEditDialog dialog(this, "Edit a player", player.lastName, player.firstName);
  if (dialog.ShowModal() != wxID_OK) return;
  const bool saved = RunDatabaseOperation(this, [&] {
    players_.SetNames(index, dialog.FirstName(), dialog.LastName());
    players_.Save();
  });
  Rebuild();
  if (!saved) return;
  if (wxMessageBox("Do you want to update the game database with the new name?", "Update database?", wxYES_NO,
                   this) != wxYES) {
    return;
  }
  CWindowDatabaseUi ui(this);
  RunDatabaseOperation(this, [&] { players_.RenameInGames(index, games_, ui); });
}

void CPlayerDatabaseDialog::OnDelete() {
  const int index = SelectedPlayer();
  if (index < 0) return;
  if (wxMessageBox("Are you sure you want to delete this player?", "Delete player?", wxYES_NO, this) != wxYES) return;
  RunDatabaseOperation(this, [&] { players_.RemovePlayer(index); });
  Rebuild();
}

void CPlayerDatabaseDialog::OnImportFromGames() {
  CWindowDatabaseUi ui(this);
  RunDatabaseOperation(this, [&] { players_.ImportFromGames(games_, ui); });
  Rebuild();
}

void CPlayerDatabaseDialog::OnDetails() {
  const int index = SelectedPlayer();
  if (index < 0) return;
  chosenGame_ = ShowPlayerPage(this, players_, games_, index);
  if (chosenGame_) EndModal(wxID_OK);
}
