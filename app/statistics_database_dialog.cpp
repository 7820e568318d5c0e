#include "statistics_database_dialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/listctrl.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/treectrl.h>
#include <wx/utils.h>

#include "command_ids.h"
#include "database_lists.h"
#include "database_ui.h"
#include "game_list_ctrl.h"
#include "records/game_database.h"
#include "records/player_database.h"

namespace {

constexpr const char* kTreeRoot = "Player statistics";

// Item data of a statistic in the trees: its number 0..12.
class StatItem : public wxTreeItemData {
 public:
  explicit StatItem(int stat) : stat(stat) {}
  int stat;
};

// A list's "Include all" box follows its selection: selecting rows unchecks
// it, checking it clears the selection.
void LinkIncludeAll(wxListCtrl* list, wxCheckBox* all) {
  list->Bind(wxEVT_LIST_ITEM_SELECTED, [all](wxListEvent& e) {
    e.Skip();
    all->SetValue(false);
  });
  all->Bind(wxEVT_CHECKBOX, [list, all](wxCommandEvent&) {
    if (all->GetValue()) ClearSelection(list);
  });
}

std::vector<int> AllIndices(int count) {
  std::vector<int> all(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) all[static_cast<std::size_t>(i)] = i;
  return all;
}

}  // namespace

CStatisticsDatabaseDialog::CStatisticsDatabaseDialog(wxWindow* parent, CGameDatabase& games,
                                                     CPlayerDatabase& players)
    : wxDialog(parent, IDD_STATISTICS_DATABASE, "Statistics Database") {
  auto* playerBox = new wxStaticBoxSizer(wxVERTICAL, this, "Players");
  players_ = CreatePlayerList(playerBox->GetStaticBox(), IDC_PLAYER_LIST, wxSize(300, 200), false);
  allPlayers_ = new wxCheckBox(playerBox->GetStaticBox(), IDC_DB_ALL_PLAYERS, "Include all players");
  playerBox->Add(players_, 1, wxEXPAND | wxALL, 6);
  playerBox->Add(allPlayers_, 0, wxLEFT | wxBOTTOM, 6);

  auto* gameBox = new wxStaticBoxSizer(wxVERTICAL, this, "Games");
  games_ = new CGameListCtrl(gameBox->GetStaticBox(), IDC_DB_GAME_LIST, wxSize(560, 200), false);
  allGames_ = new wxCheckBox(gameBox->GetStaticBox(), IDC_DB_ALL_GAMES, "Include all games");
  gameBox->Add(games_, 1, wxEXPAND | wxALL, 6);
  gameBox->Add(allGames_, 0, wxLEFT | wxBOTTOM, 6);

  const long treeStyle = wxTR_DEFAULT_STYLE | wxTR_HIDE_ROOT | wxTR_SINGLE | wxBORDER_SUNKEN;
  offered_ = new wxTreeCtrl(this, IDC_DB_STATISTICS_OFFERED, wxDefaultPosition, wxSize(300, 240), treeStyle);
  chosen_ = new wxTreeCtrl(this, IDC_DB_STATISTICS_CHOSEN, wxDefaultPosition, wxSize(300, 240), treeStyle);
  auto* add = new wxButton(this, IDC_DB_ADD_STATISTIC, "->");
  auto* remove = new wxButton(this, IDC_DB_REMOVE_STATISTIC, "<-");
  auto* removeAll = new wxButton(this, IDC_DB_REMOVE_ALL_STATISTICS, "<- Select all");
  auto* addAll = new wxButton(this, IDC_DB_ADD_ALL_STATISTICS, "Select all ->");
  auto* arrows = new wxBoxSizer(wxVERTICAL);
  arrows->AddStretchSpacer();
  for (wxButton* button : {add, remove, removeAll, addAll}) arrows->Add(button, 0, wxEXPAND | wxBOTTOM, 6);
  arrows->AddStretchSpacer();

  auto* offeredColumn = new wxBoxSizer(wxVERTICAL);
  offeredColumn->Add(new wxStaticText(this, wxID_ANY, "Statistics to choose from:"), 0, wxBOTTOM, 4);
  offeredColumn->Add(offered_, 1, wxEXPAND);
  auto* chosenColumn = new wxBoxSizer(wxVERTICAL);
  chosenColumn->Add(new wxStaticText(this, wxID_ANY, "Statistics in report:"), 0, wxBOTTOM, 4);
  chosenColumn->Add(chosen_, 1, wxEXPAND);
  auto* statistics = new wxBoxSizer(wxHORIZONTAL);
  statistics->Add(offeredColumn, 1, wxEXPAND);
  statistics->Add(arrows, 0, wxEXPAND | wxLEFT | wxRIGHT, 10);
  statistics->Add(chosenColumn, 1, wxEXPAND);

  auto* generate = new wxButton(this, wxID_OK, "Generate!");
  generate->SetDefault();
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->AddStretchSpacer();
  buttons->Add(generate, 0, wxRIGHT, 6);
  buttons->Add(new wxButton(this, wxID_CANCEL, "Close"));

  auto* lists = new wxBoxSizer(wxHORIZONTAL);
  lists->Add(playerBox, 0, wxEXPAND | wxRIGHT, 10);
  lists->Add(gameBox, 1, wxEXPAND);
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(lists, 1, wxEXPAND | wxALL, 10);
  top->Add(statistics, 0, wxEXPAND | wxLEFT | wxRIGHT, 10);
  top->Add(buttons, 0, wxEXPAND | wxALL, 10);
  SetSizerAndFit(top);
  Centre();

  allPlayers_->SetValue(true);
  allGames_->SetValue(true);
  {
    wxBusyCursor wait;
    RunDatabaseOperation(this, [&] {
      gameCount_ = games.GameCount();
      playerCount_ = players.Count();
      FillPlayerList(players_, ::PlayerList(players, games));
      games_->SetRows(::GameList(games));
    });
  }
  LinkIncludeAll(players_, allPlayers_);
  LinkIncludeAll(games_, allGames_);
  ShowStatistics();

  add->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { MoveSelected(offered_, true); });
  remove->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { MoveSelected(chosen_, false); });
  addAll->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { MoveAll(true); });
  removeAll->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { MoveAll(false); });
  offered_->Bind(wxEVT_TREE_ITEM_ACTIVATED, [this](wxTreeEvent&) { MoveSelected(offered_, true); });
  chosen_->Bind(wxEVT_TREE_ITEM_ACTIVATED, [this](wxTreeEvent&) { MoveSelected(chosen_, false); });
  generate->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnGenerate(); });
}

// Both trees show the root "Player statistics" with their statistics as
// children in bit order.
void CStatisticsDatabaseDialog::ShowStatistics() {
  FillTree(offered_, false);
  FillTree(chosen_, true);
}

void CStatisticsDatabaseDialog::FillTree(wxTreeCtrl* tree, bool chosen) {
  tree->Freeze();
  tree->DeleteAllItems();
  const wxTreeItemId hidden = tree->AddRoot(wxEmptyString);
  const wxTreeItemId root = tree->AppendItem(hidden, kTreeRoot);
  for (int stat = 0; stat < kPlayerStatCount; ++stat) {
    if (((inReport_ & PlayerStatBit(stat)) != 0) == chosen)
      tree->AppendItem(root, PlayerStatName(stat), -1, -1, new StatItem(stat));
  }
  tree->Expand(root);
  tree->Thaw();
}

void CStatisticsDatabaseDialog::MoveSelected(wxTreeCtrl* from, bool toReport) {
  const wxTreeItemId item = from->GetSelection();
  if (!item.IsOk()) return;
  auto* data = dynamic_cast<StatItem*>(from->GetItemData(item));
  if (data == nullptr) {
    MoveAll(toReport);  // the root stands for all its statistics
    return;
  }
  if (toReport) inReport_ |= PlayerStatBit(data->stat); else inReport_ &= ~PlayerStatBit(data->stat);
  ShowStatistics();
}

void CStatisticsDatabaseDialog::MoveAll(bool toReport) {
  inReport_ = toReport ? kAllPlayerStats : 0;
  ShowStatistics();
}

CPlayerReportChoice CStatisticsDatabaseDialog::Choice() const {
  CPlayerReportChoice choice;
  choice.players = allPlayers_->GetValue() ? AllIndices(playerCount_) : SelectedIndices(players_);
  choice.games = allGames_->GetValue() ? AllIndices(gameCount_) : games_->SelectedGames();
  choice.stats = inReport_;
  return choice;
}

void CStatisticsDatabaseDialog::OnGenerate() {
  const char* missing = nullptr;
  if (!allPlayers_->GetValue() && players_->GetSelectedItemCount() == 0) {
    missing = "You must select at least one player.";
  } else if (!allGames_->GetValue() && games_->GetSelectedItemCount() == 0) {
    missing = "You must select at least one game.";
  } else if (inReport_ == 0) {
    missing = "You must select at least one statistic.";
  }
  if (missing != nullptr) {
    wxMessageBox(missing, "Hexstead3D", wxOK, this);
    return;
  }
  EndModal(wxID_OK);
}
