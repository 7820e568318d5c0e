// The luck of a recorded game of about 1,000 inputs from its replay, against
// the 50 ms target and against a plain replay of the same script (measured
// in the same run); then the per-player summary over 1,000 stored games with
// replays against the 5 s target, the first time (every replay runs) and
// after (the figures kept beside the replays).
//
// usage: bench_luck [GAMES] [DIR]   (GAMES stored games, default 1000)
#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/board/board.h"
#include "luck_replay.h"
#include "play_runner.h"
#include "random_script.h"
#include "records/game_database.h"
#include "engine/session/history_log.h"
#include "records/memory_file_system.h"
#include "records/replay_store.h"

namespace {

constexpr double kGameTargetMs = 50.0;
constexpr double kSummaryTargetMs = 5000.0;
constexpr int kDistinctGames = 10;

double Millis(const auto& run) {
  auto start = std::chrono::steady_clock::now();
  run();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

template <typename Run>
double BestOf(int repeats, const Run& run) {
  double best = 1e300;
  for (int i = 0; i < repeats; ++i) best = std::min(best, Millis(run));
  return best;
}

// The same script through the driver alone, in memory, without a tracker.
void PlainReplay(const std::string& script) {
  CMemoryFileSystem scratch;
  PlayRunner runner(nullptr, "replay", nullptr, scratch);
  runner.SetCheckConsistency(false);
  for (const ScriptLine& line : ParseScript(script))
    if (line.words[0] != "state" && line.words[0] != "expect") runner.Run(line, std::string());
}

// kDistinctGames finished games, each stored games / kDistinctGames times
// under its own id with a copy of its replay.
void WriteStoredGames(const std::filesystem::path& dir, int games) {
  std::filesystem::remove_all(dir);
  std::vector<std::string> scripts;
  for (unsigned seed = 1; static_cast<int>(scripts.size()) < kDistinctGames && seed < 200; ++seed) {
    RandomScriptOptions options;
    options.seed = seed;
    options.trackTrades = seed % 2 == 0;
    RandomScript written = PlayRandomScript(options, (dir / "source").string());
    if (written.finished) scripts.push_back(written.script);
  }
  CGameDatabase source((dir / "source").string());
  CGameDatabase target((dir / "data").string());
  std::filesystem::create_directories(ReplayDirectory(target.DataDir()));
  for (int i = 0; i < games; ++i) {
    int distinct = i % static_cast<int>(scripts.size());
    CGame game;
    CHistoryLog history;
    CBoard board;
    source.ReadRecord(distinct, game, history, board);
    game.gameId += i;  // its own id, so its own replay name
    target.AppendRecord(game, history, board, target.RecordPath(), target.KeyPath());
    std::ofstream(ReplayPath(target.DataDir(), game)) << scripts[static_cast<std::size_t>(distinct)];
  }
}

}  // namespace

int main(int argc, char** argv) {
  int games = argc > 1 ? std::atoi(argv[1]) : 1000;
  std::filesystem::path dir = argc > 2 ? std::filesystem::path(argv[2])
                                       : std::filesystem::temp_directory_path() / "h3d-bench-luck";

  // One long game: the winner's dialog is answered with Undo, so it runs on.
  RandomScriptOptions longGame;
  longGame.seed = 7;
  longGame.trackTrades = true;
  longGame.acceptWinner = 0.0;
  longGame.maxInputs = 1000;
  std::filesystem::remove_all(dir);
  RandomScript recorded = PlayRandomScript(longGame, (dir / "long").string());
  std::size_t rolls = 0;
  double luckMs = BestOf(5, [&] { rolls = LuckOfScript(recorded.script).rolls.size(); });
  double plainMs = BestOf(5, [&] { PlainReplay(recorded.script); });
  std::printf("luck of one game: %zu inputs, %zu rolls: %.2f ms (target %.0f ms: %.2f of it); "
              "plain replay %.2f ms, luck/replay %.2f\n",
              recorded.inputs, rolls, luckMs, kGameTargetMs, luckMs / kGameTargetMs, plainMs, luckMs / plainMs);

  WriteStoredGames(dir, games);
  CGameDatabase database((dir / "data").string());
  // Cold: every replay runs (and its figures are kept); warm: the kept figures.
  // Processor time beside the wall time: on a shared machine the wall time
  // counts the other programs too.
  double summaryMs[2] = {0, 0}, summaryCpuMs[2] = {0, 0};
  std::size_t people = 0;
  for (int run = 0; run < 2; ++run) {
    CReplayLuck replays(database.DataDir());
    std::clock_t cpu = std::clock();
    summaryMs[run] = Millis([&] { people = LuckByPlayer(database, replays).size(); });
    summaryCpuMs[run] = 1000.0 * static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC;
  }
  std::printf("per-player summary: %d stored games with replays, %zu players: first run (every replay runs) %.0f ms "
              "(processor %.0f ms), %.2f of the %.0f ms target; later runs (kept figures) %.0f ms (processor %.0f ms), "
              "%.3f of it\n",
              database.GameCount(), people, summaryMs[0], summaryCpuMs[0], summaryMs[0] / kSummaryTargetMs,
              kSummaryTargetMs, summaryMs[1], summaryCpuMs[1], summaryMs[1] / kSummaryTargetMs);
  std::filesystem::remove_all(dir);
  return luckMs <= kGameTargetMs && summaryMs[1] <= kSummaryTargetMs ? 0 : 1;
}
