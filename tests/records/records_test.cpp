#include <gtest/gtest.h>

#include <string>

#include "archive_test_util.h"
#include "engine/session/history_log.h"
#include "records/clock.h"
#include "records/game.h"
#include "records/player.h"
#include "records/player_game.h"
#include "sample_game.h"

namespace {

template <class Record>
std::vector<uint8_t> StoredRecord(Record& record) {
  return Stored([&](CArchive& ar) { record.Serialize(ar); });
}

template <class Record>
void LoadRecord(const std::vector<uint8_t>& bytes, Record& record) {
  CArchive ar{std::span<const uint8_t>(bytes)};
  record.Serialize(ar);
  EXPECT_EQ(ar.BytesLeft(), 0u) << "the record must consume exactly its bytes";
}

TEST(Player, StoresNamesThenIdAndIsIdentifiedByIdAlone) {
  CPlayer nobody;
  EXPECT_EQ(StoredRecord(nobody), Bytes({0, 0, 0, 0, 0, 0}));

  CPlayer ann("Ann", "Lee", 0x01020304);
  EXPECT_EQ(StoredRecord(ann), Bytes({3, 'A', 'n', 'n', 3, 'L', 'e', 'e', 4, 3, 2, 1}));
  EXPECT_EQ(ann.DisplayName(), "Ann Lee");
  EXPECT_EQ(ann.ListName(), "Lee, Ann");
  EXPECT_EQ(ann, CPlayer("Anne", "Smith", 0x01020304));
  EXPECT_FALSE(ann == CPlayer("Ann", "Lee", 5));

  CPlayer loaded;
  LoadRecord(StoredRecord(ann), loaded);
  EXPECT_EQ(loaded.firstName, "Ann");
  EXPECT_EQ(loaded.lastName, "Lee");
  EXPECT_EQ(loaded.playerId, 0x01020304);

  CClock::SetFixed(1234567.9);
  EXPECT_EQ(CPlayer::Create("A", "B").playerId, 1234567);
  CClock::UseSystem();
}

TEST(PlayerGame, NewSeatDefaultsAndStoredSize) {
  CPlayerGame seat;
  EXPECT_EQ(seat.roadsLeft, 15);
  EXPECT_EQ(seat.citiesLeft, 4);
  EXPECT_EQ(seat.settlementsLeft, 5);
  EXPECT_EQ(seat.victoryPoints, 0);
  EXPECT_TRUE(seat.settlementsAt.empty() && seat.turnSeconds.empty());
  EXPECT_EQ(StoredRecord(seat).size(), CPlayerGame::kMinStoredSize);

  // 832 + 8 * 37 + 4 * 10 + (1 + 3) + (1 + 3)
  CPlayerGame ann = AnnLeeSeat();
  auto bytes = StoredRecord(ann);
  EXPECT_EQ(bytes.size(), 1176u);
  // After the identity and colour comes the position count 37.
  EXPECT_EQ(Prefix(bytes, 20), Bytes({3, 'A', 'n', 'n', 3, 'L', 'e', 'e', 0x01, 0xF1, 0x53, 0x65, 0xEB, 0xEB,
                                      0xEB, 0x00, 37, 0, 0, 0}));
}

TEST(PlayerGame, EveryFieldComesBackInPlace) {
  CPlayerGame ann = AnnLeeSeat();
  auto bytes = StoredRecord(ann);
  CPlayerGame loaded;
  loaded.turnSeconds = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};  // replaced, not appended to
  LoadRecord(bytes, loaded);
  EXPECT_EQ(StoredRecord(loaded), bytes);
  EXPECT_EQ(loaded.player.DisplayName(), "Ann Lee");
  EXPECT_EQ(loaded.turnSeconds, ann.turnSeconds);
  EXPECT_EQ(loaded.stolenBy, ann.stolenBy);
  EXPECT_EQ(loaded.receivedFrom, ann.receivedFrom);
  EXPECT_EQ(loaded.tradesWith, ann.tradesWith);
  EXPECT_EQ(loaded.hasLargestArmy, 1);
}

TEST(Game, NewGameTakesTheClock) {
  CClock::SetFixed(1700000000.0);
  CGame game;
  CClock::UseSystem();
  EXPECT_EQ(game.gameId, 1700000000);
  EXPECT_EQ(game.startTime.status, DateTimeValid);
  EXPECT_DOUBLE_EQ(game.startTime.days, OleDaysFromTime(1700000000.0));
  EXPECT_EQ(game.endTime, CDateTime{});
  EXPECT_EQ(game.turnStart, CDateTime{});
  EXPECT_EQ(game.gameOn, 1);
  EXPECT_TRUE(game.players.empty() && game.rolls.empty());

  auto bytes = StoredRecord(game);
  ASSERT_EQ(bytes.size(), CGame::kMinStoredSize);
  // No seats, no rolls: two zero counts, then 264 zero bytes of roll counts.
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 36, bytes.end()), std::vector<uint8_t>(272, 0));
}

TEST(Game, HeaderSizeIsFixedPartPlusSeatsPlusRolls) {
  SampleGame sample = MakeSampleGame();
  std::size_t seats = 0;
  for (CPlayerGame& seat : sample.game.players) seats += StoredRecord(seat).size();
  auto bytes = StoredRecord(sample.game);
  EXPECT_EQ(bytes.size(), 308 + seats + 4 * sample.game.rolls.size());

  CGame loaded;
  loaded.players.resize(5);  // more seats in memory than stored: shrinks to 3
  LoadRecord(bytes, loaded);
  EXPECT_EQ(loaded.players.size(), 3u);
  EXPECT_EQ(loaded.rolls, sample.game.rolls);
  EXPECT_EQ(loaded.rollCounts, sample.game.rollCounts);
  EXPECT_EQ(loaded.gameId, sample.game.gameId);
  EXPECT_EQ(StoredRecord(loaded), bytes);
}

TEST(HistoryLog, SectionLayoutAndSize) {
  CHistoryLog log;
  log.AddGroup("Turn 1 - Ann Lee", 38);
  log.AddEntry("Rolled a 6.", 44);
  auto bytes = StoredRecord(log);
  EXPECT_EQ(bytes.size(), 4 + 2 * 9 + 16 + 11);
  EXPECT_EQ(Prefix(bytes, 13), Bytes({2, 0, 0, 0, 1, 0, 0, 0, 38, 0, 0, 0, 16}));

  SampleGame sample = MakeSampleGame();
  std::size_t expected = 4;
  for (const CHistoryItem& item : sample.history.Items()) expected += 9 + item.text.size();
  auto sampleBytes = StoredRecord(sample.history);
  EXPECT_EQ(sampleBytes.size(), expected);

  CHistoryLog loaded;
  loaded.AddEntry("left over", 1);
  LoadRecord(sampleBytes, loaded);
  EXPECT_EQ(loaded, sample.history);
  EXPECT_EQ(loaded.ParentOf(2), 0);   // "Placed a timber." under "Board Setup"
  EXPECT_EQ(loaded.ParentOf(7), 5);   // the trade under "Turn 1 - Ann Lee"
  EXPECT_EQ(loaded.ParentOf(5), -1);  // a group has no parent
  EXPECT_EQ(loaded.LastGroup(), 5);
}

}  // namespace
