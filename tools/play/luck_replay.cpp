#include "luck_replay.h"

#include "play_runner.h"
#include "records/clock.h"
#include "records/memory_file_system.h"
#include "records/replay_store.h"

namespace {

// Lines that only look at the game.
bool PassedOver(const std::string& verb) { return verb == "expect" || verb == "state"; }

// The replay sets the clock as the game had it (a generated board draws
// from it); the program's clock is put back afterwards.
class CClockKept {
 public:
  CClockKept() : kept_(CClock::FixedSeconds()) {}
  ~CClockKept() {
    if (kept_) CClock::SetFixed(*kept_);
    else CClock::UseSystem();
  }
  CClockKept(const CClockKept&) = delete;
  CClockKept& operator=(const CClockKept&) = delete;

 private:
  std::optional<double> kept_;
};

}  // namespace

ReplayedLuck LuckOfScript(const std::string& script) {
  CClockKept clock;
  CMemoryFileSystem scratch;
  PlayRunner runner(nullptr, "replay", nullptr, scratch);
  runner.SetCheckConsistency(false);
  CLuckTracker tracker;
  for (const ScriptLine& line : ParseScript(script)) {
    if (PassedOver(line.words.at(0))) continue;
    runner.Run(line, std::string());
    if (runner.HasSession()) tracker.Observe(runner.Session());
  }
  runner.Finish();
  ReplayedLuck replayed;
  replayed.rolls = tracker.Rolls();
  if (runner.HasSession()) replayed.totals = runner.Session().Game().rolls;
  return replayed;
}

CReplayLuck::CReplayLuck(std::string dataDir, IFileSystem& files)
    : dataDir_(std::move(dataDir)), files_(files), cache_(ReplayDirectory(dataDir_) + "/luck-cache.txt", files) {}

std::optional<std::vector<RollLuck>> CReplayLuck::Replay(const CGame& game, const std::vector<uint8_t>& script) {
  try {
    ReplayedLuck replayed = LuckOfScript(std::string(script.begin(), script.end()));
    if (replayed.totals != game.rolls) return std::nullopt;
    return std::move(replayed.rolls);
  } catch (const std::exception&) {
    return std::nullopt;  // a damaged replay leaves the game with its dice only
  }
}

std::optional<std::vector<RollLuck>> CReplayLuck::RollsOf(const CGame& game) {
  std::optional<std::string> path = FindReplay(dataDir_, game, files_);
  if (!path) return std::nullopt;
  try {
    return Replay(game, files_.ReadAll(*path));
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

std::optional<std::vector<double>> CReplayLuck::SeatLuckOf(const CGame& game) {
  std::optional<std::string> path = FindReplay(dataDir_, game, files_);
  if (!path) return std::nullopt;
  std::vector<uint8_t> script;
  try {
    script = files_.ReadAll(*path);
  } catch (const std::exception&) {
    return std::nullopt;
  }
  // The key holds the stored game's dice too: a replay of another game under
  // this name is checked again.
  std::string key = CLuckCache::KeyOf(ReplayFileName(game), script);
  key += "-" + std::to_string(game.rolls.size());
  if (std::optional<std::vector<double>> kept = cache_.Find(key)) return kept;
  std::optional<std::vector<RollLuck>> rolls = Replay(game, script);
  if (!rolls) return std::nullopt;
  std::vector<double> seats = LuckOfGame(game, *rolls).SeatLuckTotals();
  cache_.Add(key, seats);
  return seats;
}

GameLuck LuckOfStoredGame(const CGame& game, IReplayLuck& replays) {
  if (std::optional<std::vector<RollLuck>> rolls = replays.RollsOf(game)) {
    // The losses come from the stored seats' counters.
    return LuckOfGame(game, *rolls);
  }
  return DiceLuckOfGame(game);
}

CPlayerPage BuildPlayerPageWithLuck(const CPlayerDatabase& players, CGameDatabase& games, int index) {
  CPlayerPage page = BuildPlayerPage(players, games, index);
  CReplayLuck replays(games.DataDir(), games.Files());
  page.averageLuck = AverageLuckText(LuckOfPlayer(page.player.playerId, games, replays));
  return page;
}
