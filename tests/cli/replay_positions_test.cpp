// Looking back at a game through its replay: every position is the state the
// driver reaches on the same prefix of the script, in whatever order the
// positions are asked for; a shown history line leads right after it; the
// data folder and the program's clock are left as they were.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "play_runner.h"
#include "play_state_json.h"
#include "random_game.h"
#include "records/clock.h"
#include "replay_positions.h"

namespace fs = std::filesystem;

namespace {

// A random game with Undo now and then as an input of its own, so that the
// history loses lines and gains others; its players are in `dataDir`.
std::string RandomScript(unsigned seed, int inputs, const std::string& dataDir) {
  RandomGame game(seed, dataDir);
  game.Inputs().SetUndoChance(0.08);
  std::string script;
  auto note = [&](const std::vector<std::string>& lines) {
    for (const std::string& line : lines) script += line + '\n';
  };
  for (const char* line : {"clock 1700000000", "seed 5", "new players=3 track=1 generate=1"}) {
    game.Runner().Run(line);
    note({line});
  }
  for (int i = 0; i < inputs && game.Session().GameStateNow() != GameOver; ++i) {
    std::vector<std::string> lines = game.NextInput();
    if (lines.empty()) break;
    note(game.Play(lines));
    note({"wait 11"});
  }
  return script;
}

std::string PrefixState(const std::string& prefix, const std::string& dataDir) {
  PlayRunner runner(nullptr, dataDir);
  int number = 0;
  std::string line;
  for (std::istringstream in(prefix); std::getline(in, line);) runner.Run(line, ++number);
  return SessionStateJson(runner.Session()).dump();
}

std::map<std::string, std::uintmax_t> Files(const fs::path& dir) {
  std::map<std::string, std::uintmax_t> files;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(dir))
    files[entry.path().string()] = entry.is_regular_file() ? entry.file_size() : 0;
  return files;
}

class Replay : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::remove_all(dir_);
    script_ = RandomScript(17, 260, (dir_ / "players").string());
  }
  void TearDown() override { fs::remove_all(dir_); }
  const fs::path dir_ = fs::temp_directory_path() / "h3d-replay-positions-test";
  std::string script_;
};

TEST_F(Replay, EveryPositionIsTheStateOfItsPrefixInAnyOrderAndNothingIsWritten) {
  const auto before = Files(dir_ / "players");
  ReplayPositions replay(script_, (dir_ / "players").string());
  const int last = replay.InputCount();
  ASSERT_GT(last, 200);
  // Backwards, forwards, to the end and back: a fresh run and a continued
  // one must agree with the prefix played afresh.
  for (int k : {last, 0, last / 2, last / 3, 2 * last / 3, last - 1, 1, last, last / 5, last / 5 + 1, 7 * last / 8, 3}) {
    fs::remove_all(dir_ / "fresh");
    fs::create_directories(dir_ / "fresh");
    fs::copy_file(dir_ / "players" / "player.db", dir_ / "fresh" / "player.db");
    CClock::SetFixed(1234.0);
    const std::string state = SessionStateJson(*replay.SessionAt(k)).dump();
    EXPECT_EQ(CClock::FixedSeconds(), 1234.0) << "the clock after position " << k;
    EXPECT_EQ(state, PrefixState(replay.ScriptPrefix(k), (dir_ / "fresh").string())) << "position " << k;
  }
  EXPECT_EQ(Files(dir_ / "players"), before) << "the replay wrote to the data folder";
  CClock::UseSystem();
}

TEST_F(Replay, AShownHistoryLineLeadsRightAfterItAndTurnsEndWhereTheyChange) {
  ReplayPositions replay(script_, (dir_ / "players").string());
  const int last = replay.InputCount();
  int futureLines = 0;
  for (int from : {last / 4, last / 2, 3 * last / 4, last}) {
    const ReplayPositions::ShownHistory shown = replay.HistoryShownWith(replay.SessionAt(from)->History().Log());
    ASSERT_EQ(shown.log.ItemCount(), shown.current + replay.FinalHistory().ItemCount() - shown.futureStart);
    for (size_t line = 0; line < shown.log.ItemCount(); line += 3) {
      // Its place in the history of the moment it was added.
      const size_t index = line < shown.current ? line : line - shown.current + shown.futureStart;
      futureLines += line >= shown.current;
      const int at = replay.PositionAfterShownLine(line, from, shown);
      const std::vector<CHistoryItem> after = replay.SessionAt(at)->History().Log().Items();
      ASSERT_GT(after.size(), index) << "line " << line << " from " << from;
      EXPECT_EQ(after[index], shown.log.Items()[line]) << "line " << line << " from " << from;
      EXPECT_LE(replay.At(at - 1).historyLines, index) << "not right after line " << line;
    }
  }
  EXPECT_GT(futureLines, 20);

  for (int32_t turn = 0; turn <= replay.At(last).turn; ++turn) {
    const int end = replay.LastPositionOfTurn(turn);
    if (end < 0) continue;
    EXPECT_EQ(replay.At(end).turn, turn);
    for (int k = end + 1; k <= last; ++k) ASSERT_NE(replay.At(k).turn, turn) << k;
    if (end > 1 && end < last) {
      EXPECT_EQ(replay.NextTurnEnd(replay.PreviousTurnEnd(end)), end);
    }
  }
  EXPECT_EQ(replay.LastPositionOfTurn(replay.At(last).turn + 1), -1);
}

TEST_F(Replay, AScriptThatIsNotOneRunnableGameIsRefusedWithItsLine) {
  const std::string dataDir = (dir_ / "players").string();
  auto lineOf = [&](const std::string& text) {
    try {
      ReplayPositions replay(text, dataDir);
    } catch (const ScriptError& e) {
      return e.line;
    }
    return -1;
  };
  EXPECT_EQ(lineOf("clock 1\nnew players=3 track=0 generate=0\ntile 5\nnew players=3 track=0 generate=0\n"), 4);
  EXPECT_EQ(lineOf("tile 5\n"), 0);
  EXPECT_EQ(lineOf("new players=3 track=0 generate=0\ntile 5\nroll \"7\n"), 3);
  EXPECT_EQ(lineOf("new players=3 track=0 generate=0\nfly away\n"), 2);
  EXPECT_EQ(lineOf(script_.substr(0, script_.find('\n', script_.size() / 2) + 1)), -1)
      << "a replay cut after a line runs as far as it goes";
}

}  // namespace
