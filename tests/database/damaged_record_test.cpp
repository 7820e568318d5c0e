// A stored game whose header reads but whose body is damaged: it stays
// listed, opening it is refused with a message, the games after it stay
// usable, and rewrites carry it byte for byte.
#include <gtest/gtest.h>

#include "database_fixture.h"
#include "engine/board/board.h"
#include "engine/session/history_log.h"
#include "records/game.h"
#include "records/game_database.h"
#include "records/game_exchange.h"
#include "records/memory_file_system.h"
#include "records/player_database.h"
#include "records/record_io.h"

namespace {

class DamagedRecordTest : public ::testing::Test {
 protected:
  // Four games; the body of game 1 is damaged: its history count is -1.
  void SetUp() override {
    CGameDatabase db("data", files);
    for (int i = 0; i < 4; ++i) {
      SampleGame g = MakeGame(1000 + i, {{1, "Ann", "Lee", 10}, {2 + i, "Bob", "Stone", 7}});
      db.AppendRecord(g.game, g.history, g.board, db.RecordPath(), db.KeyPath());
    }
    std::vector<uint8_t> records = files.Files().at("data/game.db");
    std::unique_ptr<IReadableFile> file = files.OpenRead("data/game.db");
    CGame header;
    std::optional<uint64_t> headerEnd = ReadHeaderAt(*file, static_cast<uint64_t>(db.Offsets()[1]), header);
    ASSERT_TRUE(headerEnd);
    for (int k = 0; k < 4; ++k) records[*headerEnd + k] = 0xFF;
    damagedBytes.assign(records.begin() + db.Offsets()[1], records.begin() + db.Offsets()[2]);
    files.Write("data/game.db", records);
  }

  std::vector<uint8_t> RecordSlice(int index) {
    CGameDatabase db("data", files);
    std::vector<uint8_t> records = files.Files().at("data/game.db");
    std::size_t end = index + 1 < db.GameCount() ? static_cast<std::size_t>(db.Offsets()[index + 1]) : records.size();
    return {records.begin() + db.Offsets()[index], records.begin() + static_cast<std::ptrdiff_t>(end)};
  }

  static bool Opens(CGameDatabase& db, int index) {
    CGame game;
    CHistoryLog history;
    CBoard board;
    try {
      db.ReadRecord(index, game, history, board);
    } catch (const CDatabaseError&) {
      return false;
    }
    return true;
  }

  CMemoryFileSystem files;
  std::vector<uint8_t> damagedBytes;
};

}  // namespace

TEST_F(DamagedRecordTest, StaysListedAndIsRefusedWithAMessage) {
  CGameDatabase db("data", files);
  EXPECT_EQ(db.GameIds(), (std::vector<int32_t>{1000, 1001, 1002, 1003}));
  CGame game;
  CHistoryLog history;
  CBoard board;
  try {
    db.ReadRecord(1, game, history, board);
    FAIL() << "a damaged game opened";
  } catch (const CDatabaseError& e) {
    EXPECT_STREQ(e.what(), "Game 1 in the game database cannot be read (the file holds an impossible element count).");
  }
  EXPECT_TRUE(Opens(db, 0));
  EXPECT_TRUE(Opens(db, 2));
  EXPECT_TRUE(Opens(db, 3));
  CGame header;
  db.ReadHeader(1, header);
  EXPECT_EQ(header.gameId, 1001);
}

TEST_F(DamagedRecordTest, RewritesCarryItByteForByte) {
  CGameDatabase db("data", files);
  db.DeleteGame(0);
  EXPECT_EQ(db.GameIds(), (std::vector<int32_t>{1001, 1002, 1003}));
  EXPECT_EQ(RecordSlice(0), damagedBytes);
  EXPECT_FALSE(Opens(db, 0));
  EXPECT_TRUE(Opens(db, 1));

  // A rename edits every readable game and carries the damaged one as it is.
  CPlayerDatabase players("data", files);
  players.AddPlayer(CPlayer("Anna", "Lee-Park", 1));
  RecordingUi ui;
  EXPECT_EQ(players.RenameInGames(0, db, ui), 2);
  EXPECT_EQ(RecordSlice(0), damagedBytes);
  CGame header;
  db.ReadHeader(2, header);
  EXPECT_EQ(header.players[0].player.firstName, "Anna");

  // A new game still lands after all of them, and the damaged one can go.
  SampleGame g = MakeGame(2000, {{1, "Ann", "Lee", 10}});
  db.AppendRecord(g.game, g.history, g.board, db.RecordPath(), db.KeyPath());
  db.DeleteGame(0);
  EXPECT_EQ(CGameDatabase("data", files).GameIds(), (std::vector<int32_t>{1002, 1003, 2000}));
}

TEST_F(DamagedRecordTest, ExportRefusesItAndLeavesNoFile) {
  CGameDatabase db("data", files);
  RecordingUi ui;
  EXPECT_THROW(ExportGames(db, "out.h3d", {0, 1}, ui), CDatabaseError);
  EXPECT_FALSE(files.IsFile("out.h3d"));
  EXPECT_FALSE(files.IsFile("out.h3d.tmp"));
  EXPECT_EQ(ExportGames(db, "out.h3d", {2, 0}, ui), 2);
}
