// Times the game list and the player-list figures over 1,000 generated games
// seating 50 players, and the per-player reference method in the same run.
// Prints milliseconds and the ratio of the reference to the one-pass figures.
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "bench_data.h"
#include "literal_figures.h"
#include "records/game_list.h"
#include "records/player_list.h"

namespace {

constexpr int kGames = 1000;
constexpr int kPlayers = 50;

}  // namespace

int main() {
  std::filesystem::path dir = std::filesystem::temp_directory_path() / ("h3d-bench-db-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  WriteBenchDatabase(dir, kGames, kPlayers);
  std::printf("database: %d games, %d players, game.db %ju bytes\n", kGames, kPlayers,
              static_cast<uintmax_t>(std::filesystem::file_size(dir / "game.db")));

  CGameDatabase games(dir.string());
  CPlayerDatabase players(dir.string());
  players.Load();
  double load = Millis([&] { games.LoadIndex(); });
  std::size_t rows = 0;
  double list = Millis([&] { rows = GameList(games).size(); });
  std::vector<CPlayerListRow> playerRows;
  double figures = Millis([&] { playerRows = PlayerList(players, games); });
  std::vector<CPlayerFigures> literal;
  double reference = Millis([&] {
    for (const CPlayer& player : players.Players()) literal.push_back(LiteralFigures(player, games));
  });

  std::vector<CPlayerFigures> fast = players.Figures(games);
  for (int i = 0; i < kPlayers; ++i) {
    if (fast[i].games != literal[i].games || fast[i].wins != literal[i].wins ||
        fast[i].pointSum != literal[i].pointSum) {
      std::printf("MISMATCH for player %d\n", i);
      return 1;
    }
  }
  std::printf("load index:            %8.2f ms\n", load);
  std::printf("game list (%zu rows): %8.2f ms\n", rows, list);
  std::printf("player list figures:   %8.2f ms\n", figures);
  std::printf("per-player reference:  %8.2f ms\n", reference);
  std::printf("reference / figures:   %8.1fx\n", reference / figures);
  std::filesystem::remove_all(dir);
  return 0;
}
