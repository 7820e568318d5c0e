#include "game_database_dialog.h"

#include <wx/button.h>
#include <wx/msgdlg.h>
#include <wx/utils.h>

#include "command_ids.h"
#include "database_lists.h"
#include "database_ui.h"
#include "exchange_file_dialogs.h"
#include "game_list_ctrl.h"
#include "long_work.h"
#include "records/game.h"
#include "records/game_database.h"
#include "records/game_exchange.h"

CGameDatabaseDialog::CGameDatabaseDialog(wxWindow* parent, CGameDatabase& games, CPlayerDatabase& players)
    : wxDialog(parent, IDD_GAME_DATABASE, "Game Database", wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      games_(games),
      players_(players) {
  list_ = new CGameListCtrl(this, IDC_DB_GAME_LIST, wxSize(840, 320), false);
  open_ = new wxButton(this, IDC_DB_OPEN, "&Open");
  delete_ = new wxButton(this, IDC_DB_DELETE, "&Delete");
  export_ = new wxButton(this, IDC_DB_EXPORT, "&Export");
  auto* import = new wxButton(this, IDC_DB_IMPORT, "&Import");
  auto* close = new wxButton(this, wxID_CANCEL, "Close");

  LayOutListDialog(this, list_, {open_, delete_, export_, import}, close, wxHORIZONTAL);

  OnSelectionChange(list_, [this] { UpdateButtons(); });
  list_->Bind(wxEVT_LIST_ITEM_ACTIVATED, [this](wxListEvent&) { OnOpen(); });
  list_->Bind(wxEVT_LIST_COL_CLICK, &CGameDatabaseDialog::OnColumnClick, this);
  open_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnOpen(); });
  delete_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnDelete(); });
  export_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnExport(); });
  import->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnImport(); });

  Rebuild();
}

// The games in database order (or in the clicked order once a header was
// clicked), with nothing selected.
void CGameDatabaseDialog::Rebuild() {
  std::vector<CGameListRow> rows;
  CLongWork work(this, "Game Database", "Reading the stored games...");
  RunDatabaseOperation(this, [&] {
    const int count = games_.GameCount();
    rows.reserve(static_cast<std::size_t>(count));
    games_.ForEachHeader([&](int index, const CGame& game) {
      rows.push_back(GameListRow(index, game));
      if (index % 256 == 255) work.Progress(index + 1, count);
    });
  });
  if (order_.Sorted()) order_.Sort(rows);
  list_->SetRows(std::move(rows));
  UpdateButtons();
}

// Open and Delete need exactly one selected row, Export at least one.
void CGameDatabaseDialog::UpdateButtons() {
  const int selected = list_->GetSelectedItemCount();
  open_->Enable(selected == 1);
  delete_->Enable(selected == 1);
  export_->Enable(selected >= 1);
}

void CGameDatabaseDialog::OnColumnClick(wxListEvent& event) {
  const int column = event.GetColumn();
  if (column < 0) return;
  order_.ClickColumn(column);
  list_->Sort(order_);
  UpdateButtons();
}

void CGameDatabaseDialog::OnOpen() {
  const std::vector<int> selected = list_->SelectedGames();
  if (selected.size() != 1) return;
  chosen_ = selected.front();
  EndModal(wxID_OK);
}

void CGameDatabaseDialog::OnDelete() {
  const std::vector<int> selected = list_->SelectedGames();
  if (selected.size() != 1) return;
  if (wxMessageBox("Are you sure you want to delete this game from the database?", "Delete game?", wxYES_NO,
                   this) != wxYES) {
    return;
  }
  const int index = selected.front();
  const bool deleted = RunDatabaseOperation(this, [&] {
    wxBusyCursor wait;
    games_.DeleteGame(index);
  });
  if (!deleted) {
    Rebuild();  // the database is as it was; show what it holds
    return;
  }
  list_->RemoveGame(index);
  UpdateButtons();
}

void CGameDatabaseDialog::OnExport() {
  const std::vector<int> indices = list_->SelectedGames();  // top to bottom as displayed
  if (indices.empty()) return;
  const std::optional<std::string> path = AskExportPath(this);
  if (!path) return;
  CWindowDatabaseUi ui(this);
  RunDatabaseOperation(this, [&] { ExportGames(games_, *path, indices, ui); });
}

void CGameDatabaseDialog::OnImport() {
  const std::optional<std::string> path = AskImportPath(this);
  if (!path) return;
  CWindowDatabaseUi ui(this);
  RunDatabaseOperation(this, [&] { ImportGames(games_, players_, *path, ui); });
  Rebuild();
}
