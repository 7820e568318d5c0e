// The Databases menu over 10,000 stored games and 200 players: the time to
// open the Game Database dialog with its list, to sort the list by a column,
// to open the Player Database dialog, and to build the Statistics Database
// report over all games (with its window). Each is printed in milliseconds
// and as a ratio to the reference measured in the same run: loading the
// game index, which reads every stored header once. The page of one person
// (its figures, and its window with the month chart) has 300 ms. Without a
// display only the parts that need no window are timed.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>

#include <wx/app.h>
#include <wx/listctrl.h>

#include "bench_data.h"
#include "game_database_dialog.h"
#include "game_list_ctrl.h"
#include "player_database_dialog.h"
#include "player_page_dialog.h"
#include "player_report_window.h"
#include "records/game_database.h"
#include "records/game_list.h"
#include "records/game_list_sort.h"
#include "records/player_database.h"
#include "records/player_list.h"
#include "stats/player_page.h"
#include "stats/player_report.h"

namespace {

constexpr int kGames = 10000;
constexpr int kPlayers = 200;
constexpr double kTargetMs = 500.0;
constexpr double kPageTargetMs = 300.0;

double reference = 1.0;

void Report(const char* what, double ms, double target = kTargetMs) {
  std::printf("%-44s %9.1f ms  %6.1fx reference  (%s %.0f ms)\n", what, ms, ms / reference,
              ms <= target ? "under" : "OVER", target);
}

CPlayerReportChoice Everything(const CPlayerDatabase& players, CGameDatabase& games) {
  CPlayerReportChoice choice;
  for (int p = 0; p < players.Count(); ++p) choice.players.push_back(p);
  for (int g = 0; g < games.GameCount(); ++g) choice.games.push_back(g);
  return choice;
}

void TimeRecords(CGameDatabase& games, CPlayerDatabase& players) {
  std::vector<CGameListRow> rows;
  Report("game list rows (all headers)", Millis([&] { rows = GameList(games); }));
  CGameListOrder order;
  order.ClickColumn(4);
  Report("sort the rows by \"Players\"", Millis([&] { order.Sort(rows); }));
  Report("player list rows (figures over all games)", Millis([&] { PlayerList(players, games); }));
  Report("report over all games, 13 statistics",
         Millis([&] { BuildPlayerReport(players, games, Everything(players, games)); }));
  // On a shared machine the wall clock also counts other programs' turns:
  // the processor time of this process is printed beside it.
  const std::clock_t cpuStart = std::clock();
  Report("player page figures of one person", Millis([&] { BuildPlayerPage(players, games, 0); }), kPageTargetMs);
  std::printf("%-44s %9.1f ms\n", "  of which processor time of this program",
              (std::clock() - cpuStart) * 1000.0 / CLOCKS_PER_SEC);
}

void TimeDialogs(CGameDatabase& games, CPlayerDatabase& players) {
  CGameDatabaseDialog* gameDialog = nullptr;
  // The first dialog of the process also pays for the toolkit's start-up.
  Report("Game Database dialog, first in the process",
         Millis([&] { gameDialog = new CGameDatabaseDialog(nullptr, games, players); }));
  gameDialog->Destroy();
  Report("Game Database dialog opened with its list",
         Millis([&] { gameDialog = new CGameDatabaseDialog(nullptr, games, players); }));
  wxListCtrl* list = gameDialog->List();
  for (int column : {0, 4}) {
    wxListEvent click(wxEVT_LIST_COL_CLICK, list->GetId());
    click.SetEventObject(list);
    click.m_col = column;
    Report(column == 0 ? "list sorted by clicking \"Date\"" : "list sorted by clicking \"Players\"",
           Millis([&] { list->GetEventHandler()->ProcessEvent(click); }));
  }
  gameDialog->Destroy();
  CPlayerDatabaseDialog* playerDialog = nullptr;
  Report("Player Database dialog opened with its list",
         Millis([&] { playerDialog = new CPlayerDatabaseDialog(nullptr, players, games); }));
  playerDialog->Destroy();
  Report("player page window of one person", Millis([&] {
           (new CPlayerPageDialog(nullptr, BuildPlayerPage(players, games, 0)))->Destroy();
         }), kPageTargetMs);
  Report("report over all games with its window", Millis([&] {
           std::optional<CPlayerReport> report = RunPlayerReport(nullptr, players, games, Everything(players, games));
           (new CPlayerReportWindow(nullptr, std::move(*report), games.GameCount()))->Destroy();
         }));
}

}  // namespace

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("h3d-bench-dialogs-" + std::to_string(getpid()));
  fs::create_directories(dir);
  WriteBenchDatabase(dir, kGames, kPlayers);
  std::printf("database: %d games, %d players, game.db %ju bytes\n", kGames, kPlayers,
              static_cast<uintmax_t>(fs::file_size(dir / "game.db")));

  CGameDatabase games(dir.string());
  CPlayerDatabase players(dir.string());
  players.Load();
  games.LoadIndex();  // warm the file cache
  reference = Millis([&] { games.LoadIndex(); });
  std::printf("%-44s %9.1f ms  (reference)\n", "load the game index (every header once)", reference);

  TimeRecords(games, players);
  const char* display = std::getenv("DISPLAY");
  std::fflush(stdout);
  if (display != nullptr && *display != '\0') wxApp::SetInstance(new wxApp);
  if (wxApp::GetInstance() != nullptr && wxEntryStart(argc, argv) && wxTheApp->CallOnInit()) {
    TimeDialogs(games, players);
    wxEntryCleanup();
  } else {
    std::printf("no display: the dialogs were not timed\n");
  }
  fs::remove_all(dir);
  return 0;
}
