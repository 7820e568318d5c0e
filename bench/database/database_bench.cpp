// Times the game list and the player-list figures over 1,000 generated games
// seating 50 players, and the per-player reference method in the same run.
// Prints milliseconds and the ratio of the reference to the one-pass figures.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "literal_figures.h"
#include "records/game_list.h"
#include "records/player_list.h"
#include "records/record_io.h"
#include "sample_game.h"

namespace {

constexpr int kGames = 1000;
constexpr int kPlayers = 50;

double Millis(const auto& run) {
  auto start = std::chrono::steady_clock::now();
  run();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Writes game.db and keys.db in one go: four seats per game drawn from the
// 50 players, points spread so that some games are wins.
void WriteDatabase(const std::filesystem::path& dir) {
  SampleGame sample = MakeSampleGame();
  std::vector<uint8_t> records, keys;
  for (int g = 0; g < kGames; ++g) {
    sample.game.gameId = 1600000000 + g;
    sample.game.players.resize(4, sample.game.players[0]);
    for (int s = 0; s < 4; ++s) {
      int p = (g * 7 + s * 13) % kPlayers;
      sample.game.players[s].player = CPlayer("First" + std::to_string(p), "Last" + std::to_string(p), 1000 + p);
      sample.game.players[s].victoryPoints = (g + s * 3) % 13;
    }
    AppendInt32(keys, static_cast<int32_t>(records.size()));
    std::vector<uint8_t> r = EncodeGameRecord(sample.game, sample.history, sample.board);
    records.insert(records.end(), r.begin(), r.end());
  }
  std::ofstream(dir / "game.db", std::ios::binary).write(reinterpret_cast<const char*>(records.data()),
                                                        static_cast<std::streamsize>(records.size()));
  std::ofstream(dir / "keys.db", std::ios::binary).write(reinterpret_cast<const char*>(keys.data()),
                                                        static_cast<std::streamsize>(keys.size()));
  CPlayerDatabase players(dir.string());
  for (int p = 0; p < kPlayers; ++p) {
    players.AddPlayer(CPlayer("First" + std::to_string(p), "Last" + std::to_string(p), 1000 + p));
  }
}

}  // namespace

int main() {
  std::filesystem::path dir = std::filesystem::temp_directory_path() / ("h3d-bench-db-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  WriteDatabase(dir);
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
