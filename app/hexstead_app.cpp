#include "hexstead_app.h"

#include <optional>

#include <IL/il.h>
#include <wx/config.h>
#include <wx/docview.h>
#include <wx/msgdlg.h>
#include <wx/utils.h>

#include "about_dialog.h"
#include "board_view.h"
#include "child_frame.h"
#include "command_ids.h"
#include "game_mode_dialog.h"
#include "game_options_dialog.h"
#include "dialog_keys.h"
#include "hexstead_doc.h"
#include "hexstead_view.h"
#include "keyboard_shortcuts_dialog.h"
#include "main_frame.h"
#include "database_ui.h"
#include "game_database_dialog.h"
#include "player_database_dialog.h"
#include "player_report_window.h"
#include "records/game_database.h"
#include "records/game_exchange.h"
#include "records/player_database.h"
#include "statistics_database_dialog.h"
#include "unfinished_game.h"

CHexsteadApp& TheApp() { return *static_cast<CHexsteadApp*>(wxApp::GetInstance()); }

bool CHexsteadApp::OnInit() {
  if (!wxApp::OnInit()) return false;
  SetAppName("Hexstead3D");
  SetAppDisplayName("Hexstead3D");
  // The profile settings (OpenGL Settings among them) live under "Hexstead3D".
  wxConfigBase::Set(new wxConfig("Hexstead3D"));

  docManager_ = new wxDocManager;
  new wxDocTemplate(docManager_, "Hexst", "*.h3d", "", "h3d", "Hexstead3D.Document", "Hexstead3D Import File",
                    CLASSINFO(CHexsteadDoc), CLASSINFO(CHexsteadView));

  mainFrame_ = new CMainFrame(docManager_);
  SetTopWindow(mainFrame_);
  mainFrame_->Show();

  ilInit();
  OpenDatabases();
  if (!StartupImport().empty()) CallAfter(&CHexsteadApp::ImportStartupFile);
  CallAfter([this] { OfferUnfinishedGame(); });

  Bind(wxEVT_MENU, &CHexsteadApp::OnFileNew, this, ID_FILE_NEW);
  Bind(wxEVT_MENU, &CHexsteadApp::OnAbout, this, ID_APP_ABOUT);
  Bind(wxEVT_MENU, [this](wxCommandEvent&) { CKeyboardShortcutsDialog(mainFrame_).ShowModal(); }, ID_HELP_KEYBOARD);
  Bind(wxEVT_MENU, [this](wxCommandEvent&) { ShowPlayerDatabase(); }, ID_DATABASES_PLAYER);
  Bind(wxEVT_MENU, [this](wxCommandEvent&) { ShowGameDatabase(); }, ID_DATABASES_GAME);
  Bind(wxEVT_MENU, [this](wxCommandEvent&) { ShowStatisticsDatabase(); }, ID_DATABASES_STATISTICS);
  return true;
}

void CHexsteadApp::OpenDatabases() {
  // The process-wide databases read their files from data/ now, so that a
  // damaged file is reported at start rather than in the middle of a game.
  try {
    CGameDatabase::Instance().LoadIndex();
  } catch (const std::exception& error) {
    wxMessageBox(wxString::FromUTF8(error.what()), "Hexstead3D", wxOK | wxICON_ERROR, mainFrame_);
  }
  try {
    CPlayerDatabase::Instance().Load();
  } catch (const std::exception& error) {
    wxMessageBox(wxString::FromUTF8(error.what()), "Hexstead3D", wxOK | wxICON_ERROR, mainFrame_);
  }
}

std::string& CHexsteadApp::StartupImport() {
  static std::string path;
  return path;
}

void CHexsteadApp::ImportStartupFile() {
  // The import reports its own result ("Import games" or "Import error").
  CWindowDatabaseUi ui(mainFrame_);
  RunDatabaseOperation(mainFrame_, [&] {
    ImportGames(CGameDatabase::Instance(), CPlayerDatabase::Instance(), StartupImport(), ui);
  });
  StartupImport().clear();
}

int CHexsteadApp::OnExit() {
  openView_ = nullptr;
  currentGame_.reset();
  delete docManager_;
  docManager_ = nullptr;
  CBoardView::ReleaseSharedContext();
  delete wxConfigBase::Set(nullptr);
  return wxApp::OnExit();
}

void CHexsteadApp::ForgetGame() {
  currentGame_.reset();
  openView_ = nullptr;
}

void CHexsteadApp::CloseAllGames() {
  if (docManager_ != nullptr) docManager_->CloseDocuments(true);
  ForgetGame();
}

bool CHexsteadApp::NewGame() {
  CloseAllGames();
  if (OfferUnfinishedGame()) return openView_ != nullptr;
  currentGame_ = std::make_unique<CGame>();
  if (!RunWizard()) return false;
  OpenGameWindow();
  return openView_ != nullptr;
}

bool CHexsteadApp::RunWizard() {
  CGameModeDialog mode(mainFrame_);
  if (mode.ShowModal() != wxID_OK) return false;
  CGameOptionsDialog options(mainFrame_);
  if (options.ShowModal() != wxID_OK) return false;
  newGameChoice_.players = FewestPlayers(options.FiveOrSixPlayers() ? BoardKind::Large : BoardKind::Standard);
  newGameChoice_.trackTrades = options.TrackTrades();
  newGameChoice_.generateBoard = options.GenerateBoard();
  ApplyNewGameChoice();
  return true;
}

void CHexsteadApp::ApplyNewGameChoice() {
  // The seat list is sized by the board kind; the session fills the seats.
  currentGame_->players.resize(newGameChoice_.players);
  currentGame_->trackTrades = newGameChoice_.trackTrades ? 1 : 0;
  currentGame_->boardGenerated = newGameChoice_.generateBoard ? 1 : 0;
}

bool CHexsteadApp::OfferUnfinishedGame() {
  std::optional<CUnfinishedGame> game = AskAboutUnfinishedGame(mainFrame_, CGameDatabase::Instance().DataDir());
  if (!game) return false;
  CloseAllGames();
  // The record as the journal's first input made it; the replay makes it again.
  currentGame_ = std::make_unique<CGame>(game->summary.startSeconds);
  newGameChoice_ = NewGameChoice{game->summary.players, game->summary.trackTrades, game->summary.generateBoard};
  ApplyNewGameChoice();
  journalToResume_ = std::move(game->text);
  OpenGameWindow();
  journalToResume_.reset();
  return openView_ != nullptr;
}

void CHexsteadApp::OpenGameWindow() {
  wxBusyCursor wait;
  // The view creates its child frame, shows it maximised and sets itself up.
  docManager_->CreateDocument(wxEmptyString, wxDOC_NEW);
}

void CHexsteadApp::OnFileNew(wxCommandEvent&) { NewGame(); }

void CHexsteadApp::OnAbout(wxCommandEvent&) {
  CAboutDialog about(mainFrame_);
  about.ShowModal();
}

// --- the Databases menu --------------------------------------------------------

void CHexsteadApp::ShowGameDatabase() {
  std::optional<int> chosen;
  {
    CGameDatabaseDialog dialog(mainFrame_, CGameDatabase::Instance(), CPlayerDatabase::Instance());
    if (dialog.ShowModal() == wxID_OK) chosen = dialog.ChosenGame();
  }
  if (chosen) OpenStoredGame(*chosen);
}

void CHexsteadApp::ShowPlayerDatabase() {
  std::optional<int> chosen;
  {
    CPlayerDatabaseDialog dialog(mainFrame_, CPlayerDatabase::Instance(), CGameDatabase::Instance());
    dialog.ShowModal();
    chosen = dialog.ChosenGame();
  }
  if (chosen) OpenStoredGame(*chosen);
}

void CHexsteadApp::ShowStatisticsDatabase() {
  CGameDatabase& games = CGameDatabase::Instance();
  CPlayerDatabase& players = CPlayerDatabase::Instance();
  CPlayerReportChoice choice;
  {
    CStatisticsDatabaseDialog dialog(mainFrame_, games, players);
    if (dialog.ShowModal() != wxID_OK) return;
    choice = dialog.Choice();
  }
  std::optional<CPlayerReport> report = RunPlayerReport(mainFrame_, players, games, choice);
  if (!report) return;
  auto* window = new CPlayerReportWindow(mainFrame_, std::move(*report), static_cast<int>(choice.games.size()));
  window->Show();
}

bool CHexsteadApp::OpenStoredGame(int index) {
  CloseAllGames();
  currentGame_ = std::make_unique<CGame>();
  auto parts = std::make_unique<StoredGameParts>();
  wxBusyCursor wait;
  // The record gives the seat count first, which decides the board kind of
  // the window about to open; its board section brings the board itself.
  const bool read = RunDatabaseOperation(mainFrame_, [&] {
    CGameDatabase::Instance().ReadRecord(index, *currentGame_, parts->history, parts->board);
  });
  if (!read) {
    currentGame_.reset();
    return false;
  }
  storedGameParts_ = std::move(parts);
  OpenGameWindow();
  storedGameParts_.reset();
  return openView_ != nullptr;
}

int CHexsteadApp::FilterEvent(wxEvent& event) {
  // Enter in the dialogs of a turn goes to their default button.
  return HandleTurnDialogKey(event) ? Event_Processed : Event_Skip;
}
