#include <filesystem>

#include "database_fixture.h"
#include "records/game_database.h"
#include "records/game_exchange.h"
#include "records/player_database.h"

namespace {

std::vector<uint8_t> ExportFile(std::initializer_list<std::vector<uint8_t>> records, int32_t count) {
  std::vector<uint8_t> bytes = {3, 'H', '3', 'D'};
  for (int s = 0; s < 32; s += 8) bytes.push_back(static_cast<uint8_t>(static_cast<uint32_t>(count) >> s));
  for (const auto& r : records) bytes.insert(bytes.end(), r.begin(), r.end());
  return bytes;
}

}  // namespace

TEST_F(DatabaseTest, ExportOfOneGameHoldsItsExactRecord) {
  StoreGames(3);
  CGameDatabase db(dir.string());
  std::vector<uint8_t> file = ReadBytes(db.RecordPath());
  std::vector<uint8_t> record(file.begin() + db.Offsets()[1], file.begin() + db.Offsets()[2]);
  EXPECT_EQ(ExportGames(db, Path("one.h3d"), {1}, ui), 1);
  EXPECT_EQ(ReadBytes(Path("one.h3d")), ExportFile({record}, 1));
  EXPECT_EQ(ui.messages.back(), "Export games: 1 game was successfully exported to " + Path("one.h3d") + ".");

  ExportGames(db, Path("two.h3d"), {2, 0}, ui);
  EXPECT_EQ(ui.messages.back(), "Export games: 2 games were successfully exported to " + Path("two.h3d") + ".");
  EXPECT_THROW(ExportGames(db, Path("one.h3d"), {0, 3}, ui), CDatabaseError);
  EXPECT_EQ(ReadBytes(Path("one.h3d")), ExportFile({record}, 1));  // a failed export leaves the old file
  EXPECT_FALSE(std::filesystem::exists(Path("one.h3d.tmp")));
}

TEST_F(DatabaseTest, ImportRecognisesOnlyGamesPresentBefore) {
  StoreGames(2);
  CGameDatabase db(dir.string());
  CPlayerDatabase players(dir.string());
  ExportGames(db, Path("mine.h3d"), {0, 1}, ui);
  CImportOutcome again = ImportGames(db, players, Path("mine.h3d"), ui);
  EXPECT_TRUE(again.accepted);
  EXPECT_EQ(again.added, 0);
  EXPECT_EQ(ui.messages.back(), "Import games: There were no new games in " + Path("mine.h3d") + ".");

  SampleGame fresh = MakeGame(4242, {{50, "New", "Comer", 10}, {1, "Ann", "Lee", 3}, {51, "Al", "Bo", 2}});
  std::vector<uint8_t> record = RecordBytes(fresh);
  WriteBytes(Path("twice.h3d"), ExportFile({record, record}, 2));
  ui.answers = {true};
  CImportOutcome twice = ImportGames(db, players, Path("twice.h3d"), ui);
  EXPECT_EQ(twice.added, 2);
  EXPECT_EQ(db.GameIds(), (std::vector<int32_t>{1000, 1001, 4242, 4242}));
  ASSERT_GE(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[ui.messages.size() - 2],
            "Import games: 2 games were successfully imported from " + Path("twice.h3d") +
                ".\nDo you want to scan the imported games for new players\nnot currently in the database?");
  EXPECT_EQ(ui.messages.back(), "Import players: 6 players were added from the game database.");
  std::vector<uint8_t> file = ReadBytes(db.RecordPath());
  EXPECT_EQ(std::vector<uint8_t>(file.begin() + db.Offsets()[3], file.end()), record);
}

TEST_F(DatabaseTest, ImportRejectsWhatIsNotAnExportFile) {
  CGameDatabase db(dir.string());
  CPlayerDatabase players(dir.string());
  EXPECT_FALSE(ImportGames(db, players, Path("none.h3d"), ui).accepted);
  EXPECT_EQ(ui.messages.back(), "Import error: " + Path("none.h3d") + " cannot be found.");

  std::vector<uint8_t> lower = ExportFile({}, 0);
  lower[1] = 'h';
  WriteBytes(Path("lower.h3d"), lower);
  EXPECT_FALSE(ImportGames(db, players, Path("lower.h3d"), ui).accepted);
  EXPECT_EQ(ui.messages.back(), "Import error: " + Path("lower.h3d") + " is not a valid Hexstead3D import file.");

  WriteBytes(Path("huge.h3d"), {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F});  // a 2 GB magic
  EXPECT_FALSE(ImportGames(db, players, Path("huge.h3d"), ui).accepted);

  WriteBytes(Path("empty.h3d"), ExportFile({}, 0));
  EXPECT_TRUE(ImportGames(db, players, Path("empty.h3d"), ui).accepted);
  EXPECT_EQ(ui.messages.back(), "Import games: There were no new games in " + Path("empty.h3d") + ".");
}

TEST_F(DatabaseTest, DamagedImportKeepsTheGamesBeforeTheDamage) {
  CGameDatabase db(dir.string());
  CPlayerDatabase players(dir.string());
  SampleGame a = MakeGame(1, {{1, "Ann", "Lee", 10}, {2, "Bob", "Stone", 3}, {3, "Cy", "Day", 5}});
  SampleGame b = MakeGame(2, {{1, "Ann", "Lee", 10}, {2, "Bob", "Stone", 3}, {3, "Cy", "Day", 5}});
  std::vector<uint8_t> rb = RecordBytes(b);
  rb.resize(rb.size() / 2);
  WriteBytes(Path("cut.h3d"), ExportFile({RecordBytes(a), rb}, 1000000000));
  CImportOutcome outcome = ImportGames(db, players, Path("cut.h3d"), ui);
  EXPECT_FALSE(outcome.accepted);
  EXPECT_EQ(outcome.added, 1);
  EXPECT_EQ(CGameDatabase(dir.string()).GameIds(), (std::vector<int32_t>{1}));
  EXPECT_NE(ui.messages.back().find("game 2 cannot be read"), std::string::npos);
  EXPECT_NE(ui.messages.back().find("1 game was imported before the damage."), std::string::npos);
}
