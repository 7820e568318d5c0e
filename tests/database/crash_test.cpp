// Stops each writing operation at every file step (every write, truncate,
// sync, rename and removal, and in the middle of writes) in a child process,
// as a power cut would, then reopens the database: every game and player
// committed before the operation must still be there and readable.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <set>

#include "database_fixture.h"
#include "engine/board/board.h"
#include "engine/session/history_log.h"
#include "records/atomic_file.h"
#include "records/game.h"
#include "records/game_database.h"
#include "records/game_exchange.h"
#include "records/player_database.h"

namespace fs = std::filesystem;

namespace {

using Operation = std::function<void(const std::string& dataDir)>;
using IdList = std::vector<int32_t>;

class SilentUi : public IDatabaseUi {
 public:
  void ShowMessage(const std::string&, const std::string&) override {}
  bool AskYesNo(const std::string&, const std::string&) override { return true; }
};

SampleGame NewGame(int32_t id) { return MakeGame(id, {{1, "Ann", "Lee", 10}, {2, "Bob", "Stone", 3}, {90 + id, "Cy", "Day", 5}}); }

void Append(const std::string& dataDir, int32_t id) {
  CGameDatabase db(dataDir);
  SampleGame g = NewGame(id);
  db.AppendRecord(g.game, g.history, g.board, db.RecordPath(), db.KeyPath());
}

std::vector<uint64_t> CrashPoints(uint64_t total, const std::vector<uint64_t>& starts) {
  std::set<uint64_t> points;
  for (uint64_t s : starts) {
    for (uint64_t k : {s, s + 1, s + 4}) if (k < total) points.insert(k);
  }
  for (uint64_t k = 0; k < total; k += 331) points.insert(k);
  return {points.begin(), points.end()};
}

class CrashTest : public DatabaseTest {
 protected:
  // Runs `op` on copies of the data directory, stopped at every crash point;
  // after each, `check` judges the reopened copy.
  void RunCrashes(const Operation& op, const std::function<void(const std::string&)>& check) {
    fs::path base = dir / "base";
    fs::path run = dir / "run";
    Fresh(base, run);
    FileFaults::ResetCount();
    op(run.string());
    uint64_t total = FileFaults::StepsTaken();
    std::vector<uint64_t> starts = FileFaults::OperationStarts();
    ASSERT_GT(total, 0u);
    check(run.string());  // the completed operation passes too
    int crashes = 0;
    for (uint64_t k : CrashPoints(total, starts)) {
      Fresh(base, run);
      pid_t pid = fork();
      ASSERT_GE(pid, 0);
      if (pid == 0) {
        FileFaults::CrashAfterSteps(k);
        try {
          op(run.string());
        } catch (...) {
          _exit(3);
        }
        _exit(0);
      }
      int status = 0;
      waitpid(pid, &status, 0);
      ASSERT_TRUE(WIFEXITED(status));
      ASSERT_EQ(WEXITSTATUS(status), FileFaults::kCrashExitCode) << "crash point " << k;
      ++crashes;
      SCOPED_TRACE("crash after step " + std::to_string(k) + " of " + std::to_string(total));
      check(run.string());
      EXPECT_FALSE(fs::exists(run / "temp.db"));
      EXPECT_FALSE(fs::exists(run / "tempkey.db"));
      // The recovered database takes the next game cleanly.
      IdList before = ReadableGames(run.string());
      Append(run.string(), 777);
      before.push_back(777);
      EXPECT_EQ(ReadableGames(run.string()), before);
    }
    EXPECT_GT(crashes, 3);
  }

  void Fresh(const fs::path& base, const fs::path& run) {
    fs::remove_all(run);
    fs::copy(base, run);
  }

  // The committed state every crash copy starts from.
  void MakeBase(int games) {
    fs::create_directories(dir / "base");
    for (int i = 0; i < games; ++i) Append((dir / "base").string(), 100 + i);
    CPlayerDatabase players((dir / "base").string());
    players.AddPlayer(CPlayer("Ann", "Lee", 1));
    players.AddPlayer(CPlayer("Bob", "Stone", 2));
  }

  static void ExpectOneOf(const IdList& ids, const std::vector<IdList>& allowed) {
    EXPECT_NE(std::find(allowed.begin(), allowed.end(), ids), allowed.end());
  }
};

}  // namespace

TEST_F(CrashTest, AppendNeverLosesStoredGames) {
  MakeBase(2);
  RunCrashes([](const std::string& d) { Append(d, 5); },
             [](const std::string& d) { ExpectOneOf(ReadableGames(d), {{100, 101}, {100, 101, 5}}); });
}

TEST_F(CrashTest, AppendToAnEmptyDatabase) {
  fs::create_directories(dir / "base");
  RunCrashes([](const std::string& d) { Append(d, 5); },
             [](const std::string& d) { ExpectOneOf(ReadableGames(d), {{}, {5}}); });
}

TEST_F(CrashTest, DeleteKeepsEveryOtherGame) {
  MakeBase(3);
  RunCrashes([](const std::string& d) { CGameDatabase(d).DeleteGame(1); },
             [](const std::string& d) { ExpectOneOf(ReadableGames(d), {{100, 101, 102}, {100, 102}}); });
}

TEST_F(CrashTest, DeletingTheOnlyGame) {
  MakeBase(1);
  RunCrashes([](const std::string& d) { CGameDatabase(d).DeleteGame(0); },
             [](const std::string& d) { ExpectOneOf(ReadableGames(d), {{100}, {}}); });
}

TEST_F(CrashTest, RenameInGamesKeepsEveryGame) {
  MakeBase(3);
  RunCrashes(
      [](const std::string& d) {
        CPlayerDatabase players(d);
        players.Load();
        players.SetNames(0, "Anna", "Lee-Park");
        players.Save();
        CGameDatabase games(d);
        SilentUi ui;
        players.RenameInGames(0, games, ui);
      },
      [](const std::string& d) {
        EXPECT_EQ(ReadableGames(d), (IdList{100, 101, 102}));
        CGameDatabase games(d);
        std::set<std::string> names;  // all games renamed, or none
        for (int i = 0; i < games.GameCount(); ++i) {
          CGame header;
          games.ReadHeader(i, header);
          names.insert(header.players[0].player.firstName);
        }
        EXPECT_EQ(names.size(), 1u);
        CPlayerDatabase players(d);
        players.Load();
        EXPECT_EQ(players.Count(), 2);
      });
}

TEST_F(CrashTest, ImportKeepsEveryGame) {
  MakeBase(2);
  // The export holds one known game and two new ones.
  {
    fs::path source = dir / "source";
    fs::create_directories(source);
    for (int32_t id : {101, 8, 9}) Append(source.string(), id);
    CGameDatabase db(source.string());
    SilentUi ui;
    ExportGames(db, (dir / "in.h3d").string(), {0, 1, 2}, ui);
  }
  std::string file = (dir / "in.h3d").string();
  RunCrashes(
      [file](const std::string& d) {
        CGameDatabase games(d);
        CPlayerDatabase players(d);
        players.Load();
        SilentUi ui;
        ImportGames(games, players, file, ui);
      },
      [](const std::string& d) {
        ExpectOneOf(ReadableGames(d), {{100, 101}, {100, 101, 8}, {100, 101, 8, 9}});
        CPlayerDatabase players(d);
        players.Load();
        EXPECT_GE(players.Count(), 2);
        EXPECT_EQ(players.GetPlayer(1).playerId, 2);
      });
}

TEST_F(CrashTest, PlayerSaveKeepsTheOldOrTheNewList) {
  MakeBase(0);
  RunCrashes(
      [](const std::string& d) {
        CPlayerDatabase players(d);
        players.Load();
        players.AddPlayer(CPlayer("Cy", "Day", 3));
      },
      [](const std::string& d) {
        CPlayerDatabase players(d);
        players.Load();
        ASSERT_TRUE(players.Count() == 2 || players.Count() == 3);
        EXPECT_EQ(players.GetPlayer(0).DisplayName(), "Ann Lee");
        EXPECT_EQ(players.GetPlayer(1).DisplayName(), "Bob Stone");
      });
}
