// The player page opened from the Player Database dialog with the mouse shows
// the figures `hexstead-cli player` prints for the same stored games, and a
// game of its list opens for review.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include <wx/dialog.h>
#include <wx/listctrl.h>

#include "cli_output.h"
#include "command_ids.h"
#include "gui_driver.h"
#include "hexstead_app.h"
#include "records/game_database.h"
#include "records/player_database.h"

namespace fs = std::filesystem;

namespace {

const fs::path kData = fs::path(H3D_TEST_WORK_DIR) / "data";

std::string Cli(const std::string& args) { return cli::Output(kData, args); }

// Two games of the development-card script: Ann Lee wins the first from the
// first seat; in the second (a month later) the order is Bob, Cleo, Ann and
// Bob wins.
void StoreGames() {
  const std::string script = std::string(H3D_CLI_SCRIPTS) + "/cards_and_victory.script";
  Cli("play '" + script + "'");
  cli::ShellOutput("grep -v '^expect' '" + script +
                   "' | sed 's/^clock .*/clock 1702000000/; s/^order 0 1 2/order 1 2 0/' | " + cli::CommandLine(kData) +
                   "play -");
}

// "Section,Figure,Value" lines of the command line's page, outside the
// month and last-game sections, as "Figure=Value" (CSV quotes dropped).
std::vector<std::string> CliFigures(int player) {
  std::vector<std::string> figures;
  std::istringstream csv(Cli("player " + std::to_string(player) + " --csv"));
  std::string line;
  std::getline(csv, line);  // header
  while (std::getline(csv, line)) {
    if (line.rfind("Games per month,", 0) == 0 || line.rfind("Last games,", 0) == 0) continue;
    std::string rest = line.substr(line.find(',') + 1);
    const size_t comma = rest.find(',');
    std::string value = rest.substr(comma + 1);
    if (value.size() >= 2 && value.front() == '"') value = value.substr(1, value.size() - 2);
    figures.push_back(rest.substr(0, comma) + "=" + value);
  }
  return figures;
}

// The page's figure rows (section rows have no value) as "Figure=Value".
std::vector<std::string> PageFigures(wxListCtrl* list) {
  std::vector<std::string> figures;
  for (long row = 0; row < list->GetItemCount(); ++row) {
    const std::string value = list->GetItemText(row, 1).utf8_string();
    if (value.empty()) continue;
    std::string label = list->GetItemText(row, 0).utf8_string();
    label.erase(0, label.find_first_not_of(' '));
    figures.push_back(label + "=" + value);
  }
  return figures;
}

wxPoint RowPoint(wxListCtrl* list, long row) {
  wxRect rect;
  list->GetItemRect(row, rect);
  return list->GetScreenPosition() + list->GetClientAreaOrigin() + wxPoint(rect.x + 30, rect.y + rect.height / 2);
}

TEST(PlayerPage, OpenedFromThePlayerDatabaseShowsTheFiguresOfTheCommandLine) {
  gui::RemoveStoredData();
  fs::create_directories(kData);
  StoreGames();
  ASSERT_EQ(Cli("games | wc -l"), "2\n") << Cli("games");
  const std::vector<std::string> expected = CliFigures(0);  // Ann Lee
  ASSERT_GT(expected.size(), 20u);
  std::string why;
  if (!gui::Start(&why)) GTEST_SKIP() << why;
  CGameDatabase::Instance().LoadIndex();
  CPlayerDatabase::Instance().Load();

  // Each modal level gets its own timer: a timer's handler is not entered
  // again while it runs a nested modal loop.
  bool pageDriven = false;
  std::vector<std::string> shown;
  int gameRows = 0;
  auto drivePage = [&] {
    wxDialog* page = gui::ShownDialog(IDD_PLAYER_PAGE);
    if (page == nullptr || pageDriven) return;
    pageDriven = true;
    gui::Pump(200);
    shown = PageFigures(dynamic_cast<wxListCtrl*>(page->FindWindow(IDC_PAGE_FIGURES)));
    auto* games = dynamic_cast<wxListCtrl*>(page->FindWindow(IDC_PAGE_GAMES));
    gameRows = games->GetItemCount();
    gui::Screenshot("player_page");
    // The newest game (the second, Bob's win) opens for review.
    gui::DoubleClickAt(RowPoint(games, 0));
  };
  bool detailsClicked = false;
  gui::WhileModal([] { TheApp().ShowPlayerDatabase(); }, [&] {
    wxDialog* database = gui::ShownDialog(IDD_PLAYER_DATABASE);
    if (database == nullptr || detailsClicked) return;
    detailsClicked = true;
    auto* list = dynamic_cast<wxListCtrl*>(database->FindWindow(IDC_PLAYER_LIST));
    gui::ClickAt(RowPoint(list, 0));  // "Lee, Ann" sorts first
    EXPECT_TRUE(database->FindWindow(IDC_PLAYER_DETAILS)->IsEnabled());
    gui::WhileModal([&] { gui::ClickWindow(database->FindWindow(IDC_PLAYER_DETAILS)); }, drivePage);
  });
  ASSERT_TRUE(pageDriven);
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(gameRows, 2);
  ASSERT_NE(TheApp().CurrentGame(), nullptr);
  EXPECT_EQ(TheApp().CurrentGame()->players.at(0).player.firstName, "Bob");
  EXPECT_NE(TheApp().OpenView(), nullptr);
  TheApp().CloseAllGames();
}

}  // namespace
