// The luck tracker and the replays against the engine: random whole games
// followed input by input (with Undo now and then), their scripts replayed,
// and the per-player summary over stored games against the games' own sums.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "luck_replay.h"
#include "play_runner.h"
#include "random_script.h"
#include "records/clock.h"
#include "records/game_database.h"
#include "records/player_database.h"
#include "records/replay_store.h"

namespace {

struct PlayedGame {
  std::string script;
  std::vector<RollLuck> liveRolls;  // the tracker's, followed input by input
  bool finished = false;
  std::string fault;  // a roll whose received cards are not the engine's production
};

ResourceCounts FromBoard(const CGameSession& session, int seat) {
  return session.Game().players.at(static_cast<std::size_t>(seat)).gainedFromBoard;
}

// A random legal game, stored in `dataDir` when it ends, followed by a tracker.
PlayedGame PlayRandomGame(unsigned seed, int players, bool track, const std::string& dataDir, double undoChance) {
  PlayedGame game;
  CLuckTracker tracker;
  std::vector<ResourceCounts> before(6);
  std::size_t rollsBefore = 0;
  auto follow = [&](const CGameSession& session) {
    tracker.Observe(session);
    // A new roll received exactly what the board gave on that input.
    if (session.Game().rolls.size() == rollsBefore + 1 && game.fault.empty()) {
      const RollLuck& roll = tracker.Rolls().back();
      for (int p = 0; p < session.Fields().playerCount; ++p) {
        ResourceCounts gained = FromBoard(session, p);
        for (int r = 0; r < 5; ++r) gained[r] -= before[p][r];
        if (gained != roll.received[p]) game.fault = "roll " + std::to_string(rollsBefore + 1) + ": seat " + std::to_string(p);
      }
    }
    rollsBefore = session.Game().rolls.size();
    for (int p = 0; p < session.Fields().playerCount; ++p) before[p] = FromBoard(session, p);
  };
  RandomScriptOptions options;
  options.seed = seed;
  options.players = players;
  options.trackTrades = track;
  options.undoChance = undoChance;
  RandomScript written = PlayRandomScript(options, dataDir, follow);
  game.script = written.script;
  game.finished = written.finished;
  game.liveRolls = tracker.Rolls();
  return game;
}

void ExpectSameRolls(const std::vector<RollLuck>& a, const std::vector<RollLuck>& b) {
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t i = 0; i < a.size(); ++i) {
    EXPECT_EQ(a[i].total, b[i].total) << "roll " << i;
    EXPECT_EQ(a[i].roller, b[i].roller) << "roll " << i;
    EXPECT_EQ(a[i].received, b[i].received) << "roll " << i;
    EXPECT_EQ(a[i].expected, b[i].expected) << "roll " << i;
  }
}

class LuckReplay : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("h3d-luck-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string Data() const { return (dir_ / "data").string(); }
  std::filesystem::path dir_;
};

TEST_F(LuckReplay, TheTrackerReceivesWhatTheEngineProducesAndTheReplayAgrees) {
  struct Game {
    unsigned seed;
    int players;
    bool track;
  };
  for (const Game& g : {Game{11, 3, true}, Game{12, 5, false}, Game{13, 3, false}, Game{14, 5, true}}) {
    PlayedGame game = PlayRandomGame(g.seed, g.players, g.track, Data(), 0.05);
    EXPECT_EQ(game.fault, "") << "seed " << g.seed;
    ASSERT_FALSE(game.liveRolls.empty());
    for (const RollLuck& roll : game.liveRolls) ASSERT_GE(roll.roller, 0) << "a roll without its outlook";
    ReplayedLuck replayed = LuckOfScript(game.script);
    ExpectSameRolls(game.liveRolls, replayed.rolls);
  }
}

TEST_F(LuckReplay, ThePerPlayerSummaryIsTheSumOfTheGames) {
  // Four finished games; the last keeps no replay.
  int finished = 0;
  for (unsigned seed = 21; finished < 4 && seed < 40; ++seed) {
    PlayedGame game = PlayRandomGame(seed, 3, seed % 2 == 0, Data(), 0.0);
    if (!game.finished) continue;
    ++finished;
    CGameDatabase database(Data());
    CGame stored;
    database.ReadHeader(database.GameCount() - 1, stored);
    if (finished == 4) continue;
    std::filesystem::create_directories(ReplayDirectory(Data()));
    std::ofstream(ReplayPath(Data(), stored)) << game.script;
  }
  ASSERT_EQ(finished, 4);

  CGameDatabase database(Data());
  CReplayLuck replays(Data());
  std::vector<PlayerLuck> people = LuckByPlayer(database, replays);
  CPlayerDatabase players(Data());
  players.Load();
  std::vector<CPlayerFigures> listed = players.Figures(database);
  ASSERT_GE(people.size(), 3u);
  // The second summary reads the figures kept beside the replays; a torn
  // line in that file only costs a replay.
  std::string cachePath = ReplayDirectory(Data()) + "/luck-cache.txt";
  ASSERT_TRUE(std::filesystem::exists(cachePath));
  std::ofstream(cachePath, std::ios::app) << "1-2.script 10 00";
  CReplayLuck again(Data());
  std::vector<PlayerLuck> kept = LuckByPlayer(database, again);
  ASSERT_EQ(kept.size(), people.size());
  for (std::size_t i = 0; i < people.size(); ++i) {
    EXPECT_EQ(kept[i].totalLuck, people[i].totalLuck);
    EXPECT_EQ(kept[i].gamesWithReplay, people[i].gamesWithReplay);
  }
  for (const PlayerLuck& person : people) {
    double total = 0.0;
    int withReplay = 0;
    for (int i = 0; i < database.GameCount(); ++i) {
      CGame game;
      database.ReadHeader(i, game);
      GameLuck luck = LuckOfStoredGame(game, replays);
      EXPECT_EQ(luck.hasProduction, i < 3);
      for (std::size_t s = 0; s < game.players.size(); ++s) {
        if (game.players[s].player.playerId != person.playerId || !luck.hasProduction) continue;
        total += luck.seats[s].Luck();
        ++withReplay;
      }
    }
    EXPECT_EQ(person.gamesWithReplay, withReplay);
    EXPECT_NEAR(person.totalLuck, total, 1e-9);
    EXPECT_EQ(person.AverageLuck().has_value(), withReplay > 0);
    if (withReplay > 0) {
      EXPECT_NEAR(*person.AverageLuck(), total / withReplay, 1e-9);
    }
    EXPECT_EQ(LuckOfPlayer(person.playerId, database, replays).totalLuck, person.totalLuck);
    // Games and wins as the player list counts them.
    for (int p = 0; p < players.Count(); ++p) {
      if (players.Players()[p].playerId != person.playerId) continue;
      EXPECT_EQ(person.games, listed[p].games);
      EXPECT_EQ(person.wins, listed[p].wins);
    }
  }
}

TEST_F(LuckReplay, AReplayThatIsNotTheStoredGameIsLeftOut) {
  PlayedGame game;
  for (unsigned seed = 31; !game.finished && seed < 50; ++seed) game = PlayRandomGame(seed, 3, false, Data(), 0.0);
  ASSERT_TRUE(game.finished);
  CGameDatabase database(Data());
  CGame stored;
  database.ReadHeader(0, stored);
  std::filesystem::create_directories(ReplayDirectory(Data()));
  CReplayLuck replays(Data());
  // A script that breaks off, and one of another game: dice only.
  std::ofstream(ReplayPath(Data(), stored)) << game.script.substr(0, game.script.size() / 2) << "roll 99\n";
  EXPECT_FALSE(replays.RollsOf(stored).has_value());
  std::ofstream(ReplayPath(Data(), stored)) << "clock 1700000000\nnew players=3 track=0 generate=1\n";
  EXPECT_FALSE(replays.RollsOf(stored).has_value());
  EXPECT_FALSE(LuckOfStoredGame(stored, replays).hasProduction);
  EXPECT_EQ(LuckOfStoredGame(stored, replays).dice.rolls, static_cast<int32_t>(stored.rolls.size()));
  // The replay leaves the program's clock as it found it.
  CClock::SetFixed(1234.0);
  std::ofstream(ReplayPath(Data(), stored)) << game.script;
  EXPECT_TRUE(replays.RollsOf(stored).has_value());
  EXPECT_EQ(CClock::FixedSeconds(), std::optional<double>(1234.0));
  CClock::UseSystem();
}

}  // namespace
