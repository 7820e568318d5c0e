// The Databases menu with real mouse clicks: the Game Database list (selection
// rules, header sorting, delete with its index fix-up, export and import
// through the file dialogs), a stored game opened for review, and the
// Statistics Database with its report. The stored games are made by
// `hexstead-cli play`, so the dialogs read what the program itself stores.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/filedlg.h>
#include <wx/grid.h>
#include <wx/listctrl.h>
#include <wx/msgdlg.h>
#include <wx/modalhook.h>
#include <wx/testing.h>
#include <wx/textctrl.h>
#include <wx/timer.h>
#include <wx/treectrl.h>
#include <wx/uiaction.h>

#include "build_button.h"
#include "cli_output.h"
#include "command_ids.h"
#include "database_lists.h"
#include "game_database_dialog.h"
#include "game_list_ctrl.h"
#include "gui_driver.h"
#include "gui_test.h"
#include "hexstead_app.h"
#include "hexstead_view.h"
#include "history_window.h"
#include "statistics_window.h"
#include "turn_panel.h"
#include "stats/memory_grid.h"
#include "stats/statistics_grid.h"
#include "player_report_window.h"
#include "records/game.h"
#include "records/game_database.h"
#include "records/game_list.h"
#include "records/player_database.h"
#include "side_panel.h"
#include "statistics_database_dialog.h"

namespace fs = std::filesystem;

namespace {

const fs::path kWork = H3D_TEST_WORK_DIR;
const fs::path kFixture = kWork / "fixture";

std::string Cli(const std::string& args) { return cli::Output(kFixture, args); }

std::string FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Three stored games on three days, played by hexstead-cli from the driver
// scripts with the clock moved: 9.13.2020, 11.14.2023 and 4.15.2022.
void MakeFixture() {
  if (fs::exists(kFixture / "keys.db")) return;
  fs::create_directories(kFixture);
  const std::string scripts = H3D_CLI_SCRIPTS;
  const struct {
    const char* script;
    const char* clock;
  } games[] = {{"cards_and_victory", "1600000000"}, {"cards_and_victory", "1700000000"},
               {"victory_out_of_turn", "1650000000"}};
  for (const auto& g : games) {
    cli::ShellOutput("sed 's/^clock .*/clock " + std::string(g.clock) + "/' '" + scripts + "/" + g.script +
                     ".script' | " + cli::CommandLine(kFixture) + "play - >/dev/null 2>&1");
  }
}

// The program's data folder: links to the texture archives and fresh copies
// of the fixture's databases for every test.
void PrepareDataFolder() {
  const fs::path data = kWork / "data";
  if (fs::is_symlink(data)) fs::remove(data);
  fs::create_directories(data);
  for (const fs::directory_entry& entry : fs::directory_iterator(H3D_DATA_DIR)) {
    const fs::path link = data / entry.path().filename();
    if (!fs::exists(link)) fs::create_symlink(entry.path(), link);
  }
  for (const char* name : {"game.db", "keys.db", "player.db"}) {
    fs::remove(data / name);
    if (fs::exists(kFixture / name)) fs::copy_file(kFixture / name, data / name);
  }
}

void ReloadDatabases() {
  CGameDatabase::Instance().LoadIndex();
  CPlayerDatabase::Instance().Load();
}

class Databases : public GuiTest {
 protected:
  void BeforeStart() override {
    MakeFixture();
    ASSERT_EQ(Cli("games | wc -l"), "3\n") << Cli("games");
    PrepareDataFolder();
  }
  void AfterStart() override { ReloadDatabases(); }
};

template <typename T>
T* Control(wxWindow* dialog, int id) {
  return dynamic_cast<T*>(dialog->FindWindow(id));
}

// The screen point of a list row (the middle of its first column).
wxPoint RowPoint(wxListCtrl* list, long row) {
  wxRect rect;
  list->GetItemRect(row, rect);
  return list->GetScreenPosition() + wxPoint(rect.x + 30, rect.y + rect.height / 2) +
         (list->GetClientAreaOrigin());
}

void ClickRow(wxListCtrl* list, long row, bool control = false) {
  wxUIActionSimulator sim;
  if (control) sim.KeyDown(WXK_CONTROL);
  gui::ClickAt(RowPoint(list, row));
  if (control) sim.KeyUp(WXK_CONTROL);
  gui::Pump(50);
}

// The header of list column `column` (its middle), above the first row.
void ClickHeader(wxListCtrl* list, int column) {
  int x = 0;
  for (int c = 0; c < column; ++c) x += list->GetColumnWidth(c);
  wxRect first;
  list->GetItemRect(0, first);
  const int headerMiddle = first.y / 2 > 0 ? first.y / 2 : 10;
  gui::ClickAt(list->GetScreenPosition() + wxPoint(x + list->GetColumnWidth(column) / 2, headerMiddle));
  gui::Pump(700);  // two clicks this close would be a double click
}

bool Enabled(wxWindow* dialog, int id) { return dialog->FindWindow(id)->IsEnabled(); }

std::vector<std::string> Column(wxListCtrl* list, int column) {
  std::vector<std::string> texts;
  for (long row = 0; row < list->GetItemCount(); ++row) texts.push_back(list->GetItemText(row, column).utf8_string());
  return texts;
}

// Runs `start` (which shows a modal dialog) and calls `drive` once with the
// dialog `id` as soon as it is shown; `drive` must end it.
void WithDialog(int id, const std::function<void()>& start, const std::function<void(wxDialog*)>& drive) {
  bool driven = false;
  gui::WhileModal(start, [&] {
    if (driven) return;
    if (wxDialog* dialog = gui::ShownDialog(id)) {
      driven = true;
      gui::Pump(200);
      drive(dialog);
    }
  });
  EXPECT_TRUE(driven) << "dialog " << id << " was not shown";
}

// Answers the message boxes of the program without showing them (each
// answer in turn; the texts are kept) and lets file dialogs show for real:
// the path is typed into them and Return pressed, as a person would.
class DialogAnswers : public wxModalDialogHook {
 public:
  DialogAnswers(std::vector<int> answers, std::string typedPath)
      : answers_(std::move(answers)), path_(std::move(typedPath)) {
    Register();
    timer_.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { TypeIntoFileDialog(); });
    timer_.Start(150);
  }
  ~DialogAnswers() override {
    timer_.Stop();
    Unregister();
  }
  std::vector<std::string> messages;  // "CAPTION: TEXT"
  int fileDialogs = 0;

 protected:
  int Enter(wxDialog* dialog) override {
    if (auto* box = dynamic_cast<wxMessageDialog*>(dialog)) {
      messages.push_back((box->GetTitle() + ": " + box->GetMessage()).utf8_string());
      if (answers_.empty()) return wxID_CANCEL;
      const int answer = answers_.front();
      answers_.erase(answers_.begin());
      return answer;
    }
    if (dynamic_cast<wxFileDialog*>(dialog) != nullptr) {
      ++fileDialogs;
      fileOpen_ = true;
      ticks_ = 0;
    }
    return wxID_NONE;
  }
  void Exit(wxDialog* dialog) override {
    if (dynamic_cast<wxFileDialog*>(dialog) != nullptr) fileOpen_ = false;
  }

 private:
  // The chooser is a native window: typing starts a few ticks after it was
  // asked for, once it has come up and taken the focus; Return is pressed
  // until the chooser has closed (an early one can be lost).
  void TypeIntoFileDialog() {
    if (!fileOpen_) return;
    ++ticks_;
    wxUIActionSimulator sim;
    if (ticks_ == 4) sim.Text(path_.c_str());
    if (ticks_ >= 8 && ticks_ % 5 == 3) sim.Char(WXK_RETURN);
  }

  std::vector<int> answers_;
  std::string path_;
  bool fileOpen_ = false;
  int ticks_ = 0;
  wxTimer timer_;
};

// What the database holds at `index`, as its list row shows it.
CGameListRow StoredRow(int index) {
  CGame game;
  CGameDatabase::Instance().ReadHeader(index, game);
  return GameListRow(index, game);
}

TEST_F(Databases, GameListSelectionSortAndDeleteKeepRowsOnTheirGames) {
  WithDialog(IDD_GAME_DATABASE, [] { TheApp().ShowGameDatabase(); }, [](wxDialog* dialog) {
    auto* list = Control<CGameListCtrl>(dialog, IDC_DB_GAME_LIST);
    ASSERT_EQ(list->GetItemCount(), 3);
    EXPECT_EQ(list->GetColumnWidth(4), 500);
    // Database order at first, nothing selected.
    EXPECT_EQ(Column(list, 0), (std::vector<std::string>{"9.13.2020", "11.14.2023", "4.15.2022"}));
    for (int id : {IDC_DB_OPEN, IDC_DB_DELETE, IDC_DB_EXPORT}) EXPECT_FALSE(Enabled(dialog, id));
    EXPECT_TRUE(Enabled(dialog, IDC_DB_IMPORT));

    ClickRow(list, 0);
    EXPECT_TRUE(Enabled(dialog, IDC_DB_OPEN));
    EXPECT_TRUE(Enabled(dialog, IDC_DB_DELETE));
    EXPECT_TRUE(Enabled(dialog, IDC_DB_EXPORT));
    ClickRow(list, 1, true);
    EXPECT_EQ(list->GetSelectedItemCount(), 2);
    EXPECT_FALSE(Enabled(dialog, IDC_DB_OPEN));
    EXPECT_FALSE(Enabled(dialog, IDC_DB_DELETE));
    EXPECT_TRUE(Enabled(dialog, IDC_DB_EXPORT));

    // "Date" once sorts ascending, twice descending, by the date text (text
    // order, not time order).
    ClickHeader(list, 0);
    EXPECT_EQ(Column(list, 0), (std::vector<std::string>{"11.14.2023", "4.15.2022", "9.13.2020"}));
    ClickHeader(list, 0);
    EXPECT_EQ(Column(list, 0), (std::vector<std::string>{"9.13.2020", "4.15.2022", "11.14.2023"}));
    gui::Screenshot("databases_game_list");

    // Delete the middle row: every other row keeps its game, and its item
    // data addresses that game in the rewritten database.
    const std::vector<std::string> before = Column(list, 0);
    ClickRow(list, 1);
    const int deleted = list->GameIndex(1);
    EXPECT_EQ(deleted, 2);
    wxTEST_DIALOG(gui::ClickWindow(dialog->FindWindow(IDC_DB_DELETE)),
                  wxExpectModal<wxMessageDialog>(wxID_YES).Describe("Delete game?"));
    gui::Pump(100);
    EXPECT_EQ(CGameDatabase::Instance().GameCount(), 2);
    ASSERT_EQ(list->GetItemCount(), 2);
    EXPECT_EQ(Column(list, 0), (std::vector<std::string>{before[0], before[2]}));
    for (long row = 0; row < 2; ++row) {
      const CGameListRow stored = StoredRow(list->GameIndex(row));
      EXPECT_EQ(list->GetItemText(row, 0).utf8_string(), stored.date);
      EXPECT_EQ(list->GetItemText(row, 1).utf8_string(), stored.time);
      EXPECT_EQ(list->GetItemText(row, 3).utf8_string(), stored.length);
    }
    EXPECT_EQ(list->GetSelectedItemCount(), 0);
    for (int id : {IDC_DB_OPEN, IDC_DB_DELETE, IDC_DB_EXPORT}) EXPECT_FALSE(Enabled(dialog, id));
    gui::ClickWindow(dialog->FindWindow(wxID_CANCEL));
  });
  EXPECT_EQ(TheApp().OpenView(), nullptr);  // Close opens nothing
}

TEST_F(Databases, ExportThroughTheFileDialogMatchesTheCliAndImportsIntoAnEmptyDatabase) {
  const fs::path exported = kWork / "two.h3d";
  const fs::path reference = kWork / "two-cli.h3d";
  fs::remove(exported);
  WithDialog(IDD_GAME_DATABASE, [] { TheApp().ShowGameDatabase(); }, [&](wxDialog* dialog) {
    auto* list = Control<CGameListCtrl>(dialog, IDC_DB_GAME_LIST);
    ClickHeader(list, 0);  // 11.14.2023 (game 1), 4.15.2022 (game 2), 9.13.2020 (game 0)
    ClickRow(list, 0);
    ClickRow(list, 2, true);
    DialogAnswers answers({wxID_OK}, exported.string());
    gui::ClickWindow(dialog->FindWindow(IDC_DB_EXPORT));
    EXPECT_GE(answers.fileDialogs, 1);  // the hook hears the chooser once or twice
    ASSERT_EQ(answers.messages.size(), 1u);
    EXPECT_EQ(answers.messages[0], "Export games: 2 games were successfully exported to " + exported.string() + ".");
    gui::ClickWindow(dialog->FindWindow(wxID_CANCEL));
  });
  // Top to bottom as displayed: game 1, then game 0.
  Cli("export '" + reference.string() + "' 1 0");
  ASSERT_TRUE(fs::exists(exported));
  EXPECT_EQ(FileBytes(exported), FileBytes(reference));

  // An empty database imports both games and lists them.
  for (const char* name : {"game.db", "keys.db"}) fs::remove(kWork / "data" / name);
  CGameDatabase::Instance().LoadIndex();
  WithDialog(IDD_GAME_DATABASE, [] { TheApp().ShowGameDatabase(); }, [&](wxDialog* dialog) {
    auto* list = Control<CGameListCtrl>(dialog, IDC_DB_GAME_LIST);
    EXPECT_EQ(list->GetItemCount(), 0);
    DialogAnswers answers({wxID_NO}, exported.string());
    gui::ClickWindow(dialog->FindWindow(IDC_DB_IMPORT));
    EXPECT_GE(answers.fileDialogs, 1);  // the hook hears the chooser once or twice
    ASSERT_EQ(answers.messages.size(), 1u);
    EXPECT_EQ(answers.messages[0].substr(0, 52), "Import games: 2 games were successfully imported fro");
    EXPECT_EQ(Column(list, 0), (std::vector<std::string>{"11.14.2023", "9.13.2020"}));
    gui::ClickWindow(dialog->FindWindow(wxID_CANCEL));
  });
  EXPECT_EQ(CGameDatabase::Instance().GameCount(), 2);
}

TEST_F(Databases, AGameOpenedForReviewShowsTheStoredGameAndRefusesInput) {
  WithDialog(IDD_GAME_DATABASE, [] { TheApp().ShowGameDatabase(); }, [](wxDialog* dialog) {
    auto* list = Control<CGameListCtrl>(dialog, IDC_DB_GAME_LIST);
    ClickRow(list, 2);
    gui::ClickWindow(dialog->FindWindow(IDC_DB_OPEN));
  });
  CHexsteadView* view = TheApp().OpenView();
  ASSERT_NE(view, nullptr);
  ASSERT_TRUE(gui::WaitFor([&] { return view->BoardView().IsGLReady(); }));
  CGameSession& session = view->Session();
  CGame stored;
  CHistoryLog history;
  CBoard board;
  CGameDatabase::Instance().ReadRecord(2, stored, history, board);
  EXPECT_EQ(session.Game().gameId, stored.gameId);
  EXPECT_EQ(session.GameStateNow(), GameOver);
  EXPECT_EQ(session.Game().gameOn, 0);
  EXPECT_EQ(session.Board().Kind(), BoardKind::Standard);
  for (int t = 0; t < board.TileCount(); ++t) EXPECT_EQ(session.Board().Piece(t).type, board.Piece(t).type) << t;
  EXPECT_TRUE(session.History().Log() == history);
  EXPECT_EQ(&view->CurrentSidePanel(), &view->TurnPanel());
  EXPECT_TRUE(view->TurnPanel().IsShown());
  EXPECT_EQ(view->TurnPanel().Text(), "This game has ended.");
  EXPECT_FALSE(view->CurrentSidePanel().IsUndoEnabled());
  for (PurchaseKind kind : {PurchaseRoad, PurchaseSettlement, PurchaseCity})
    EXPECT_FALSE(view->BuildButton(kind).IsShown());
  gui::Screenshot("databases_review_board");
  // The history and statistics windows hold the stored game, every report
  // section refreshed, and stay hidden until the Popups menu shows them.
  CHistoryWindow& historyWindow = view->HistoryWindow();
  CStatisticsWindow& statistics = view->StatisticsWindow();
  EXPECT_FALSE(historyWindow.IsShown());
  EXPECT_FALSE(statistics.IsShown());
  EXPECT_EQ(historyWindow.Items().size(), history.ItemCount());
  ASSERT_TRUE(statistics.IsShowingGame());
  CMemoryGrid expected;
  CStatisticsGrid report(expected);
  report.BuildLayout(stored);
  report.RefreshAll();
  int compared = 0;
  for (int r = 0; r < expected.RowCount() && r < statistics.Grid().GetNumberRows(); ++r) {
    for (int c = 0; c < expected.ColumnCount() && c < statistics.Grid().GetNumberCols(); ++c) {
      if (expected.Text(r, c).empty()) continue;
      ++compared;
      EXPECT_EQ(statistics.Grid().GetCellValue(r, c).utf8_string(), expected.Text(r, c)) << r << "," << c;
    }
  }
  EXPECT_GT(compared, 300);
  for (int id : {ID_POPUPS_HISTORY, ID_POPUPS_STATS}) {
    wxCommandEvent show(wxEVT_MENU, id);
    view->GetFrame()->GetEventHandler()->ProcessEvent(show);
  }
  gui::Pump(300);
  EXPECT_TRUE(historyWindow.IsShown());
  EXPECT_TRUE(statistics.IsShown());
  gui::Screenshot("databases_review");

  // Clicks on the board, Undo and its accelerator change nothing.
  const CGame before = session.Game();
  const wxRect rect = view->BoardView().GetScreenRect();
  for (wxPoint p : {rect.GetPosition() + wxPoint(rect.width / 2, rect.height / 2),
                    rect.GetPosition() + wxPoint(rect.width / 3, rect.height / 3)}) {
    gui::ClickAt(p);
  }
  gui::ClickWindow(view->CurrentSidePanel().FindWindow(IDC_UNDO_BUTTON));
  gui::PressCtrl('z');
  gui::Pump(100);
  EXPECT_EQ(session.GameStateNow(), GameOver);
  EXPECT_EQ(session.UndoDepth(), 0u);
  EXPECT_EQ(session.Game().players.size(), before.players.size());
  for (size_t s = 0; s < before.players.size(); ++s) {
    EXPECT_EQ(session.Game().players[s].victoryPoints, before.players[s].victoryPoints);
    EXPECT_EQ(session.Game().players[s].hand, before.players[s].hand);
  }
  // Nothing new was stored.
  EXPECT_EQ(CGameDatabase::Instance().GameCount(), 3);
}

// Runs `action` once, from a timer, when dialog `id` is shown: for dialogs
// that open while the test's own step is still waiting for its click.
class WhenShown {
 public:
  WhenShown(int id, std::function<void(wxDialog*)> action) : id_(id), action_(std::move(action)) {
    timer_.Bind(wxEVT_TIMER, [this](wxTimerEvent&) {
      if (done_) return;
      if (wxDialog* dialog = gui::ShownDialog(id_)) {
        done_ = true;
        gui::Pump(200);
        action_(dialog);
      }
    });
    timer_.Start(100);
  }
  bool Done() const { return done_; }

 private:
  int id_;
  std::function<void(wxDialog*)> action_;
  bool done_ = false;
  wxTimer timer_;
};

long RowOf(wxListCtrl* list, const std::string& text) {
  for (long row = 0; row < list->GetItemCount(); ++row)
    if (list->GetItemText(row, 0).utf8_string() == text) return row;
  return -1;
}

// Types into the Add/Edit player dialog as a person would: the focus starts
// in "Last Name:", Tab moves to "First Name:", OK is clicked.
void TypeNames(wxDialog* edit, const std::string& last, const std::string& first) {
  wxWindow* focus = wxWindow::FindFocus();
  EXPECT_TRUE(focus != nullptr && focus->GetId() == IDC_EDIT_LAST_NAME);
  wxUIActionSimulator sim;
  sim.Char('a', wxMOD_CONTROL);
  sim.Text(last.c_str());
  sim.Char(WXK_TAB);
  sim.Char('a', wxMOD_CONTROL);
  sim.Text(first.c_str());
  gui::Pump(200);
  gui::ClickWindow(edit->FindWindow(wxID_OK));
}

TEST_F(Databases, APlayerIsAddedRenamedInTheStoredGamesAndDeleted) {
  WithDialog(IDD_PLAYER_DATABASE, [] { TheApp().ShowPlayerDatabase(); }, [](wxDialog* dialog) {
    auto* list = Control<wxListCtrl>(dialog, IDC_PLAYER_LIST);
    EXPECT_EQ(Column(list, 0), (std::vector<std::string>{"Lee, Ann", "Ray, Bob", "Stone, Cleo"}));
    EXPECT_EQ(list->GetItemText(0, 1), "3");  // Ann played all three games
    EXPECT_FALSE(Enabled(dialog, IDC_DB_EDIT));
    EXPECT_FALSE(Enabled(dialog, IDC_DB_DELETE));
    EXPECT_EQ(dynamic_cast<wxButton*>(dialog->GetDefaultItem())->GetLabel(), "Close");

    {
      WhenShown add(151, [](wxDialog* edit) {
        EXPECT_EQ(edit->GetTitle(), "Add a player");
        TypeNames(edit, "young", "zed");
      });
      gui::ClickWindow(dialog->FindWindow(IDC_DB_ADD));
      EXPECT_TRUE(add.Done());
    }
    EXPECT_EQ(Column(list, 0), (std::vector<std::string>{"Lee, Ann", "Ray, Bob", "Stone, Cleo", "young, zed"}));
    EXPECT_EQ(list->GetItemText(3, 3), "0.00");
    gui::Screenshot("databases_players");

    ClickRow(list, RowOf(list, "Ray, Bob"));
    EXPECT_TRUE(Enabled(dialog, IDC_DB_EDIT));
    {
      DialogAnswers answers({wxID_YES, wxID_OK}, "");
      WhenShown edit(151, [](wxDialog* edit) {
        EXPECT_EQ(edit->GetTitle(), "Edit a player");
        EXPECT_EQ(dynamic_cast<wxTextCtrl*>(edit->FindWindow(IDC_EDIT_LAST_NAME))->GetValue(), "Ray");
        TypeNames(edit, "rayner", "bob");
      });
      gui::ClickWindow(dialog->FindWindow(IDC_DB_EDIT));
      EXPECT_TRUE(edit.Done());
      EXPECT_EQ(answers.messages, (std::vector<std::string>{
                                      "Update database?: Do you want to update the game database with the new name?",
                                      "Update games: 3 games were updated to bob rayner."}));
    }
    EXPECT_NE(RowOf(list, "rayner, bob"), -1);
    for (int g = 0; g < 3; ++g) EXPECT_NE(StoredRow(g).players.find("bob rayner"), std::string::npos) << g;

    ClickRow(list, RowOf(list, "young, zed"));
    {
      DialogAnswers answers({wxID_YES}, "");
      gui::ClickWindow(dialog->FindWindow(IDC_DB_DELETE));
      EXPECT_EQ(answers.messages,
                (std::vector<std::string>{"Delete player?: Are you sure you want to delete this player?"}));
    }
    EXPECT_EQ(Column(list, 0), (std::vector<std::string>{"Lee, Ann", "rayner, bob", "Stone, Cleo"}));
    gui::ClickWindow(dialog->FindWindow(wxID_OK));
  });
  EXPECT_EQ(CPlayerDatabase::Instance().Count(), 3);
}

TEST_F(Databases, GenerateWithoutAGameAsksForOne) {
  WithDialog(IDD_STATISTICS_DATABASE, [] { TheApp().ShowStatisticsDatabase(); }, [](wxDialog* dialog) {
    auto* allGames = Control<wxCheckBox>(dialog, IDC_DB_ALL_GAMES);
    auto* allPlayers = Control<wxCheckBox>(dialog, IDC_DB_ALL_PLAYERS);
    auto* games = Control<wxListCtrl>(dialog, IDC_DB_GAME_LIST);
    auto* players = Control<wxListCtrl>(dialog, IDC_PLAYER_LIST);
    EXPECT_TRUE(allGames->GetValue());
    EXPECT_TRUE(allPlayers->GetValue());
    EXPECT_EQ(games->GetItemCount(), 3);
    EXPECT_EQ(Column(players, 0), (std::vector<std::string>{"Lee, Ann", "Ray, Bob", "Stone, Cleo"}));
    auto* offered = Control<wxTreeCtrl>(dialog, IDC_DB_STATISTICS_OFFERED);
    EXPECT_EQ(offered->GetCount(), 14u);  // "Player statistics" and its thirteen

    // Selecting a game unchecks "Include all games"; checking it again
    // clears the selection.
    ClickRow(games, 0);
    EXPECT_FALSE(allGames->GetValue());
    gui::ClickWindow(allGames);
    EXPECT_TRUE(allGames->GetValue());
    EXPECT_EQ(games->GetSelectedItemCount(), 0);

    gui::ClickWindow(dialog->FindWindow(IDC_DB_ADD_ALL_STATISTICS));
    gui::ClickWindow(allGames);  // unchecked, no game selected
    EXPECT_FALSE(allGames->GetValue());
    wxTEST_DIALOG(gui::ClickWindow(dialog->FindWindow(wxID_OK)),
                  wxExpectModal<wxMessageDialog>(wxID_OK).Describe("You must select at least one game."));
    EXPECT_TRUE(dialog->IsShown());
    gui::ClickWindow(allPlayers);
    wxTEST_DIALOG(gui::ClickWindow(dialog->FindWindow(wxID_OK)),
                  wxExpectModal<wxMessageDialog>(wxID_OK).Describe("You must select at least one player."));
    gui::ClickWindow(dialog->FindWindow(wxID_CANCEL));
  });
}

// `hexstead-cli stats N --csv` of one game: per table and seat name, the
// figure texts of the seat's row.
using SeatFigures = std::map<std::pair<std::string, std::string>, std::vector<std::string>>;

SeatFigures StatsOfGame(int index) {
  SeatFigures figures;
  std::stringstream csv(Cli("stats " + std::to_string(index) + " --csv"));
  std::string line, table;
  while (std::getline(csv, line)) {
    std::vector<std::string> fields;
    std::stringstream cells(line);
    std::string cell;
    while (std::getline(cells, cell, ',')) fields.push_back(cell);
    if (fields.size() == 2 && fields[0].empty()) table = fields[1];
    if (fields.size() > 2 && fields[0].empty()) {
      figures[{table, fields[1]}] = std::vector<std::string>(fields.begin() + 2, fields.end());
    }
  }
  return figures;
}

int64_t Figure(const SeatFigures& f, const std::string& table, const std::string& seat, size_t column) {
  auto found = f.find({table, seat});
  EXPECT_NE(found, f.end()) << table << " / " << seat;
  return found == f.end() || column >= found->second.size() ? 0 : std::atoll(found->second[column].c_str());
}

TEST_F(Databases, AReportOverThreeGamesAddsUpTheGamesStatistics) {
  WithDialog(IDD_STATISTICS_DATABASE, [] { TheApp().ShowStatisticsDatabase(); }, [](wxDialog* dialog) {
    auto* offered = Control<wxTreeCtrl>(dialog, IDC_DB_STATISTICS_OFFERED);
    auto* chosen = Control<wxTreeCtrl>(dialog, IDC_DB_STATISTICS_CHOSEN);
    gui::ClickWindow(dialog->FindWindow(IDC_DB_ADD_ALL_STATISTICS));
    EXPECT_EQ(chosen->GetCount(), 14u);
    EXPECT_EQ(offered->GetCount(), 1u);
    gui::Screenshot("databases_statistics");
    gui::ClickWindow(dialog->FindWindow(wxID_OK));
  });
  auto* window = dynamic_cast<CPlayerReportWindow*>(gui::ShownDialog(191));
  ASSERT_NE(window, nullptr);
  gui::Pump(200);
  gui::Screenshot("databases_report");

  std::vector<SeatFigures> games;
  for (int g = 0; g < 3; ++g) games.push_back(StatsOfGame(g));
  const CPlayerReport& report = window->Report();
  auto column = [&](const std::string& header) {
    auto found = std::find(report.header.begin(), report.header.end(), header);
    EXPECT_NE(found, report.header.end()) << header;
    return static_cast<size_t>(found - report.header.begin());
  };
  const std::map<std::string, std::string> seatOf = {
      {"Lee, Ann", "Ann Lee"}, {"Ray, Bob", "Bob Ray"}, {"Stone, Cleo", "Cleo Stone"}};
  ASSERT_EQ(report.rows.size(), 3u);
  for (const std::vector<std::string>& row : report.rows) {
    const std::string seat = seatOf.at(row[0]);
    int64_t resources = 0, toOthers = 0, bank = 0, toBank = 0, fromBank = 0, cardsToOthers = 0, cardsFromOthers = 0;
    for (const SeatFigures& f : games) {
      resources += Figure(f, "Total resources gained", seat, 5);
      toOthers += Figure(f, "Number of trades", seat, 0);
      bank += Figure(f, "Number of trades", seat, 4) - Figure(f, "Number of trades", seat, 0);
      toBank += Figure(f, "Resources traded to bank", seat, 5);
      fromBank += Figure(f, "Resources received from bank", seat, 5);
      cardsToOthers += Figure(f, "Resources traded to others", seat, 5);
      cardsFromOthers += Figure(f, "Resources received from others", seat, 5);
    }
    EXPECT_EQ(row[column("Games played")], "3");
    EXPECT_EQ(row[column("Resources gained")], std::to_string(resources)) << seat;
    EXPECT_EQ(row[column("Trades with others")], std::to_string(toOthers)) << seat;
    EXPECT_EQ(row[column("Trades with bank")], std::to_string(bank)) << seat;
    EXPECT_EQ(row[column("Cards traded to bank")], std::to_string(toBank)) << seat;
    EXPECT_EQ(row[column("Cards traded from bank")], std::to_string(fromBank)) << seat;
    EXPECT_EQ(row[column("Cards traded to others")], std::to_string(cardsToOthers)) << seat;
    EXPECT_EQ(row[column("Cards traded from others")], std::to_string(cardsFromOthers)) << seat;
    char average[32];
    std::snprintf(average, sizeof average, "%.2f", static_cast<double>(resources) / 3.0);
    EXPECT_EQ(row[column("Average resources")], average) << seat;
  }
  // The grid shows the same table.
  EXPECT_EQ(window->Grid()->GetNumberRows(), 3);
  EXPECT_EQ(window->Grid()->GetCellValue(0, 0), "Lee, Ann");
  // The command line prints the same report.
  std::stringstream cli(Cli("report --csv"));
  std::string line;
  std::getline(cli, line);
  EXPECT_EQ(line.substr(0, 21), "Players,Games played,");
  window->Close();
  gui::Pump(50);
}

}  // namespace
