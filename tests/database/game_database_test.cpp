#include <filesystem>
#include <fstream>

#include "database_fixture.h"
#include "engine/board/board.h"
#include "engine/session/history_log.h"
#include "records/game.h"
#include "records/game_database.h"
#include "records/game_list.h"
#include "records/replay_store.h"

namespace fs = std::filesystem;

namespace {

std::vector<uint8_t> Slice(const std::vector<uint8_t>& bytes, std::size_t from, std::size_t to) {
  return std::vector<uint8_t>(bytes.begin() + static_cast<long>(from), bytes.begin() + static_cast<long>(to));
}

std::vector<uint8_t> Keys(std::initializer_list<int32_t> offsets) {
  std::vector<uint8_t> bytes;
  for (int32_t o : offsets)
    for (int s = 0; s < 32; s += 8) bytes.push_back(static_cast<uint8_t>(static_cast<uint32_t>(o) >> s));
  return bytes;
}

}  // namespace

TEST_F(DatabaseTest, MissingFilesAreAnEmptyDatabase) {
  CGameDatabase db(dir.string());
  EXPECT_EQ(db.GameCount(), 0);
  EXPECT_TRUE(GameList(db).empty());
  EXPECT_FALSE(fs::exists(db.RecordPath()));
  EXPECT_FALSE(fs::exists(db.KeyPath()));
}

TEST_F(DatabaseTest, AppendWritesRecordsBackToBackWithTheirOffsets) {
  StoreGames(3);
  CGameDatabase db(dir.string());
  ASSERT_EQ(db.GameCount(), 3);
  EXPECT_EQ(db.GameIds(), (std::vector<int32_t>{1000, 1001, 1002}));
  std::vector<uint8_t> file = ReadBytes(db.RecordPath());
  std::vector<uint8_t> expected;
  std::vector<int32_t> offsets;
  for (int i = 0; i < 3; ++i) {
    SampleGame g = MakeGame(1000 + i, {{1, "Ann", "Lee", 10}, {2, "Bob", "Stone", 8 + i % 3}, {3 + i, "Cara", "Day", 5}});
    offsets.push_back(static_cast<int32_t>(expected.size()));
    std::vector<uint8_t> r = RecordBytes(g);
    expected.insert(expected.end(), r.begin(), r.end());
  }
  EXPECT_EQ(file, expected);
  EXPECT_EQ(db.Offsets(), offsets);
  EXPECT_EQ(ReadBytes(db.KeyPath()).size(), 12u);

  CGame game;
  CHistoryLog history;
  CBoard board;
  db.ReadRecord(1, game, history, board);
  EXPECT_EQ(game.gameId, 1001);
  EXPECT_EQ(game.gameOn, 0);  // opened from storage: a game under review
  EXPECT_EQ(game.players[1].victoryPoints, 9);
  EXPECT_THROW(db.ReadHeader(3, game), CDatabaseError);
}

TEST_F(DatabaseTest, DeletingTheOnlyGameLeavesNoFiles) {
  StoreGames(1);
  CGameDatabase db(dir.string());
  db.DeleteGame(0);
  EXPECT_EQ(db.GameCount(), 0);
  EXPECT_FALSE(fs::exists(db.RecordPath()));
  EXPECT_FALSE(fs::exists(db.KeyPath()));
  EXPECT_THROW(db.DeleteGame(0), CDatabaseError);
}

TEST_F(DatabaseTest, DeletingGameZeroKeepsTheOthersByteIdentical) {
  StoreGames(3);
  CGameDatabase db(dir.string());
  std::vector<uint8_t> before = ReadBytes(db.RecordPath());
  std::vector<int32_t> offsets = db.Offsets();
  db.DeleteGame(0);
  ASSERT_EQ(db.GameCount(), 2);
  EXPECT_EQ(db.GameIds(), (std::vector<int32_t>{1001, 1002}));
  EXPECT_EQ(ReadBytes(db.RecordPath()), Slice(before, offsets[1], before.size()));
  EXPECT_EQ(db.Offsets(), (std::vector<int32_t>{0, offsets[2] - offsets[1]}));
  EXPECT_EQ(ReadBytes(db.KeyPath()), Keys({0, offsets[2] - offsets[1]}));
  EXPECT_FALSE(fs::exists(db.TempRecordPath()));
  EXPECT_FALSE(fs::exists(db.TempKeyPath()));
}

TEST_F(DatabaseTest, KeyIndexIsDerivedFromTheRecordFile) {
  StoreGames(3);
  CGameDatabase original(dir.string());
  std::vector<int32_t> offsets = original.Offsets();
  std::vector<uint8_t> keys = ReadBytes(original.KeyPath());

  // Ten bytes: two keys and a torn third; the third record is taken back in.
  WriteBytes(Path("keys.db"), Slice(keys, 0, 10));
  EXPECT_EQ(CGameDatabase(dir.string()).GameCount(), 3);
  EXPECT_EQ(ReadBytes(Path("keys.db")), keys);

  fs::remove(Path("keys.db"));  // missing
  EXPECT_EQ(CGameDatabase(dir.string()).Offsets(), offsets);
  EXPECT_EQ(ReadBytes(Path("keys.db")), keys);

  WriteBytes(Path("keys.db"), Keys({0, offsets[1] + 4, offsets[2]}));  // points inside a record
  EXPECT_EQ(CGameDatabase(dir.string()).Offsets(), offsets);

  WriteBytes(Path("keys.db"), Keys({offsets[1], 0, offsets[2]}));  // out of order
  EXPECT_EQ(CGameDatabase(dir.string()).Offsets(), offsets);
}

TEST_F(DatabaseTest, TenByteKeyFileOfTwoGamesIndexesTwo) {
  StoreGames(2);
  std::vector<uint8_t> keys = ReadBytes(Path("keys.db"));
  keys.push_back(0x55);
  keys.push_back(0x66);
  WriteBytes(Path("keys.db"), keys);
  CGameDatabase db(dir.string());
  EXPECT_EQ(db.GameCount(), 2);
  // The torn bytes never shift the key of the next game.
  SampleGame g = MakeGame(7, {{1, "Ann", "Lee", 10}, {2, "Bob", "Stone", 3}, {3, "Cara", "Day", 5}});
  db.AppendRecord(g.game, g.history, g.board, db.RecordPath(), db.KeyPath());
  EXPECT_EQ(ReadBytes(Path("keys.db")).size(), 12u);
  EXPECT_EQ(CGameDatabase(dir.string()).GameIds(), (std::vector<int32_t>{1000, 1001, 7}));
}

TEST_F(DatabaseTest, TornRecordAtTheEndIsLeftOutAndCutOffByTheNextAppend) {
  StoreGames(2);
  std::vector<uint8_t> clean = ReadBytes(Path("game.db"));
  std::vector<uint8_t> torn = clean;
  SampleGame extra = MakeGame(55, {{1, "Ann", "Lee", 10}, {2, "Bob", "Stone", 3}, {3, "Cara", "Day", 5}});
  std::vector<uint8_t> record = RecordBytes(extra);
  torn.insert(torn.end(), record.begin(), record.begin() + 700);
  WriteBytes(Path("game.db"), torn);

  CGameDatabase db(dir.string());
  EXPECT_EQ(db.GameCount(), 2);
  db.AppendRecord(extra.game, extra.history, extra.board, db.RecordPath(), db.KeyPath());
  clean.insert(clean.end(), record.begin(), record.end());
  EXPECT_EQ(ReadBytes(Path("game.db")), clean);
  EXPECT_EQ(CGameDatabase(dir.string()).GameIds(), (std::vector<int32_t>{1000, 1001, 55}));
}

TEST_F(DatabaseTest, LeftoverTemporaryPairIsClearedAtStart) {
  StoreGames(1);
  WriteBytes(Path("temp.db"), {1, 2, 3});
  WriteBytes(Path("tempkey.db"), {0, 0, 0, 0});
  CGameDatabase db(dir.string());
  EXPECT_EQ(db.GameCount(), 1);
  EXPECT_FALSE(fs::exists(Path("temp.db")));
  EXPECT_FALSE(fs::exists(Path("tempkey.db")));
}

TEST_F(DatabaseTest, HostileCountsEndReadingAndKeepEarlierGames) {
  StoreGames(1);
  std::vector<uint8_t> file = ReadBytes(Path("game.db"));
  std::size_t first = file.size();
  SampleGame g = MakeGame(77, {{1, "Ann", "Lee", 10}, {2, "Bob", "Stone", 3}, {3, "Cara", "Day", 5}});
  std::vector<uint8_t> bad = RecordBytes(g);
  // Seat count (after version, two date-times and three int32) of a billion.
  const std::size_t seatCount = 4 + 12 + 12 + 12;
  bad[seatCount] = 0x00; bad[seatCount + 1] = 0xCA; bad[seatCount + 2] = 0x9A; bad[seatCount + 3] = 0x3B;
  file.insert(file.end(), bad.begin(), bad.end());
  WriteBytes(Path("game.db"), file);
  WriteBytes(Path("keys.db"), Keys({0, static_cast<int32_t>(first)}));
  CGameDatabase db(dir.string());
  EXPECT_EQ(db.GameIds(), (std::vector<int32_t>{1000}));

  // A first name announcing 4 GB, and a key file far longer than records allow.
  std::vector<uint8_t> name = RecordBytes(g);
  const std::size_t firstName = seatCount + 4;
  name.erase(name.begin() + static_cast<long>(firstName), name.begin() + static_cast<long>(firstName) + 4);
  name.insert(name.begin() + static_cast<long>(firstName), {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
  WriteBytes(Path("game.db"), name);
  WriteBytes(Path("keys.db"), std::vector<uint8_t>(4096, 0));
  EXPECT_EQ(CGameDatabase(dir.string()).GameCount(), 0);
}

TEST_F(DatabaseTest, AppendingToAnotherFileWritesNoKey) {
  StoreGames(1);
  std::vector<uint8_t> keys = ReadBytes(Path("keys.db"));
  CGameDatabase db(dir.string());
  SampleGame g = MakeGame(9, {{1, "Ann", "Lee", 10}, {2, "Bob", "Stone", 3}, {3, "Cara", "Day", 5}});
  db.AppendRecord(g.game, g.history, g.board, Path("out.h3d"), "");
  EXPECT_EQ(ReadBytes(Path("out.h3d")), RecordBytes(g));
  EXPECT_EQ(ReadBytes(Path("keys.db")), keys);
  EXPECT_EQ(db.GameCount(), 1);
}

TEST(GameListFormat, ColumnsFollowTheListFormats) {
  EXPECT_EQ(ListDate(1.5), "12.31.1899");
  EXPECT_EQ(ListDate(45000.0), "3.15.2023");
  EXPECT_EQ(ListTime(45000.0), "12:00 AM");
  EXPECT_EQ(ListTime(45000.5), "12:00 PM");
  EXPECT_EQ(ListTime(45000.0 + (13 * 3600 + 5 * 60) / 86400.0), "1:05 PM");
  EXPECT_EQ(ListTime(45000.0 + (9 * 3600 + 59 * 60 + 59.6) / 86400.0), "10:00 AM");  // nearest second
  EXPECT_EQ(ListLength((2 * 3600 + 3 * 60 + 4) / 86400.0), "2h, 3m, 4s");
  EXPECT_EQ(ListLength(1.0 + 61 / 86400.0), "0h, 1m, 1s");  // hours of the day part only
  EXPECT_EQ(ListLength(-3.0), "0h, 0m, 0s");
  EXPECT_EQ(ListDate(1e300), ListDate(2958465.0));  // damaged values stay printable
}

TEST_F(DatabaseTest, GameListRowsInDatabaseOrder) {
  StoreGames(2);
  CGameDatabase db(dir.string());
  std::vector<CGameListRow> rows = GameList(db);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1].index, 1);
  EXPECT_EQ(rows[1].playerCount, "3");
  EXPECT_EQ(rows[1].players, "Ann Lee, Bob Stone, Cara Day");
  EXPECT_EQ(rows[1].length, "1h, 30m, 0s");  // the sample ends 0.0625 days after its start
}

// A replay goes with its game: two games of the same second (one imported)
// have replays of their own names, and deleting one takes only its own.
TEST_F(DatabaseTest, DeletingAGameDeletesItsReplayOnly) {
  CGameDatabase db(dir.string());
  SampleGame local = MakeGame(1000, {{1, "Ann", "Lee", 10}, {2, "Bob", "Stone", 8}, {3, "Cara", "Day", 5}});
  SampleGame imported = MakeGame(1000, {{4, "Dee", "Moor", 10}, {5, "Eli", "Ross", 8}, {6, "Fay", "Hart", 5}});
  imported.game.startTime = local.game.startTime;
  ASSERT_NE(ReplayFileName(local.game), ReplayFileName(imported.game));
  db.AppendRecord(local.game, local.history, local.board, db.RecordPath(), db.KeyPath());
  db.AppendRecord(imported.game, imported.history, imported.board, db.RecordPath(), db.KeyPath());
  fs::create_directories(ReplayDirectory(dir.string()));
  std::ofstream(ReplayPath(dir.string(), local.game)) << "journal\n";
  EXPECT_FALSE(FindReplay(dir.string(), imported.game));  // an imported game has none

  db.DeleteGame(1);
  EXPECT_TRUE(FindReplay(dir.string(), local.game));
  db.DeleteGame(0);
  EXPECT_FALSE(FindReplay(dir.string(), local.game));
}
