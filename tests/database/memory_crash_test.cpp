// Cuts the power in the middle of each writing operation at every single
// step (every byte written, every truncate, sync, rename and removal), over
// the in-memory file layer, then restarts on what was left: every game and
// player committed before the operation must still be there and readable.
// (crash_test.cpp does the same on the disk, one process per crash point.)
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

#include "database_fixture.h"
#include "engine/board/board.h"
#include "engine/session/history_log.h"
#include "records/game.h"
#include "records/game_database.h"
#include "records/game_exchange.h"
#include "records/memory_file_system.h"
#include "records/player_database.h"

namespace {

using IdList = std::vector<int32_t>;
using Operation = std::function<void(IFileSystem&)>;
using Check = std::function<void(IFileSystem&)>;

const char* const kDir = "data";

// Every step in the release build; under the sanitizers (ten times slower)
// every 13th, which still cuts each write in many places.
#if defined(__SANITIZE_ADDRESS__)
constexpr uint64_t kStride = 13;
#else
constexpr uint64_t kStride = 1;
#endif

class QuietUi : public IDatabaseUi {
 public:
  void ShowMessage(const std::string&, const std::string&) override {}
  bool AskYesNo(const std::string&, const std::string&) override { return true; }
};

void Append(IFileSystem& files, int32_t id) {
  CGameDatabase db(kDir, files);
  SampleGame g = MakeGame(id, {{1, "Ann", "Lee", 10}, {2, "Bob", "Stone", 3}, {90 + id, "Cy", "Day", 5}});
  db.AppendRecord(g.game, g.history, g.board, db.RecordPath(), db.KeyPath());
}

IdList ReadableGames(IFileSystem& files) { return ReadableGames(kDir, files); }

void ExpectOneOf(const IdList& ids, const std::vector<IdList>& allowed) {
  EXPECT_NE(std::find(allowed.begin(), allowed.end(), ids), allowed.end());
}

CMemoryFileSystem::FileMap Base(int games) {
  CMemoryFileSystem files;
  for (int i = 0; i < games; ++i) Append(files, 100 + i);
  CPlayerDatabase players(kDir, files);
  players.AddPlayer(CPlayer("Ann", "Lee", 1));
  players.AddPlayer(CPlayer("Bob", "Stone", 2));
  return files.Files();
}

// Runs `op` from `base` cut after every step count, restarts and checks.
void CutEverywhere(const CMemoryFileSystem::FileMap& base, const Operation& op, const Check& check) {
  CMemoryFileSystem whole(base);
  op(whole);
  uint64_t total = whole.StepsTaken();
  ASSERT_GT(total, 0u);
  check(whole);
  for (uint64_t k = 0; k < total; k += kStride) {
    CMemoryFileSystem cut(base);
    cut.CutPowerAfter(k);
    EXPECT_THROW(op(cut), CPowerCut) << "cut after step " << k;
    SCOPED_TRACE("cut after step " + std::to_string(k) + " of " + std::to_string(total));
    CMemoryFileSystem restarted(cut.Files());
    check(restarted);
    EXPECT_FALSE(restarted.IsFile("data/temp.db"));
    EXPECT_FALSE(restarted.IsFile("data/tempkey.db"));
    IdList before = ReadableGames(restarted);
    Append(restarted, 777);
    before.push_back(777);
    EXPECT_EQ(ReadableGames(restarted), before);
    if (::testing::Test::HasFailure()) return;  // one broken cut says enough
  }
}

}  // namespace

TEST(MemoryCrash, AppendNeverLosesStoredGames) {
  CutEverywhere(Base(2), [](IFileSystem& f) { Append(f, 5); },
                [](IFileSystem& f) { ExpectOneOf(ReadableGames(f), {{100, 101}, {100, 101, 5}}); });
  CutEverywhere(Base(0), [](IFileSystem& f) { Append(f, 5); },
                [](IFileSystem& f) { ExpectOneOf(ReadableGames(f), {{}, {5}}); });
}

TEST(MemoryCrash, DeleteKeepsEveryOtherGame) {
  CutEverywhere(Base(3), [](IFileSystem& f) { CGameDatabase(kDir, f).DeleteGame(1); },
                [](IFileSystem& f) { ExpectOneOf(ReadableGames(f), {{100, 101, 102}, {100, 102}}); });
  CutEverywhere(Base(1), [](IFileSystem& f) { CGameDatabase(kDir, f).DeleteGame(0); },
                [](IFileSystem& f) { ExpectOneOf(ReadableGames(f), {{100}, {}}); });
}

TEST(MemoryCrash, RenameInGamesRenamesAllOrNone) {
  CutEverywhere(
      Base(3),
      [](IFileSystem& f) {
        CPlayerDatabase players(kDir, f);
        players.Load();
        players.SetNames(0, "Anna", "Lee-Park");
        players.Save();
        CGameDatabase games(kDir, f);
        QuietUi ui;
        players.RenameInGames(0, games, ui);
      },
      [](IFileSystem& f) {
        EXPECT_EQ(ReadableGames(f), (IdList{100, 101, 102}));
        CGameDatabase games(kDir, f);
        std::set<std::string> names;
        for (int i = 0; i < games.GameCount(); ++i) {
          CGame header;
          games.ReadHeader(i, header);
          names.insert(header.players[0].player.firstName);
        }
        EXPECT_EQ(names.size(), 1u);
        CPlayerDatabase players(kDir, f);
        players.Load();
        EXPECT_EQ(players.Count(), 2);
      });
}

TEST(MemoryCrash, ImportAndPlayerSaveKeepWhatWasCommitted) {
  CMemoryFileSystem::FileMap base = Base(2);
  {
    CMemoryFileSystem source;
    for (int32_t id : {101, 8, 9}) Append(source, id);
    CGameDatabase db(kDir, source);
    QuietUi ui;
    ExportGames(db, "in.h3d", {0, 1, 2}, ui);
    base["in.h3d"] = source.Files().at("in.h3d");
  }
  CutEverywhere(
      base,
      [](IFileSystem& f) {
        CGameDatabase games(kDir, f);
        CPlayerDatabase players(kDir, f);
        players.Load();
        QuietUi ui;
        ImportGames(games, players, "in.h3d", ui);
      },
      [](IFileSystem& f) {
        ExpectOneOf(ReadableGames(f), {{100, 101}, {100, 101, 8}, {100, 101, 8, 9}});
        CPlayerDatabase players(kDir, f);
        players.Load();
        EXPECT_GE(players.Count(), 2);
        EXPECT_EQ(players.GetPlayer(1).playerId, 2);
      });
  CutEverywhere(
      Base(0),
      [](IFileSystem& f) {
        CPlayerDatabase players(kDir, f);
        players.Load();
        players.AddPlayer(CPlayer("Cy", "Day", 3));
      },
      [](IFileSystem& f) {
        CPlayerDatabase players(kDir, f);
        players.Load();
        ASSERT_TRUE(players.Count() == 2 || players.Count() == 3);
        EXPECT_EQ(players.GetPlayer(0).DisplayName(), "Ann Lee");
        EXPECT_EQ(players.GetPlayer(1).DisplayName(), "Bob Stone");
      });
}
