// Where each stored field lands, counted from the field tables of the stored
// formats. Writing and reading back cannot see two same-sized fields that
// trade places; these offsets can.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "archive_test_util.h"
#include "records/game.h"
#include "records/player_game.h"

namespace {

int32_t Int32At(const std::vector<uint8_t>& bytes, std::size_t at) {
  int32_t v = 0;
  std::memcpy(&v, bytes.data() + at, 4);
  return v;
}

double DoubleAt(const std::vector<uint8_t>& bytes, std::size_t at) {
  double v = 0;
  std::memcpy(&v, bytes.data() + at, 8);
  return v;
}

// One int32 run of a record: its stored width and where its first and last
// values live in memory.
struct FieldRun {
  const char* name;
  std::size_t bytes;
  int32_t* first;
  int32_t* last;
};

FieldRun Scalar(const char* name, int32_t& v) { return {name, 4, &v, &v}; }
template <std::size_t N>
FieldRun Block(const char* name, std::array<int32_t, N>& a) { return {name, 4 * N, &a.front(), &a.back()}; }
FieldRun Matrix(const char* name, SeatMatrix& m) { return {name, 120, &m.front().front(), &m.back().back()}; }

// Marks the first and last value of every run with its own number and
// expects them at the running offset, starting at `offset`.
void ExpectRunsInOrder(const std::vector<FieldRun>& runs, std::size_t offset,
                       const std::function<std::vector<uint8_t>()>& store) {
  for (std::size_t i = 0; i < runs.size(); ++i) {
    *runs[i].first = static_cast<int32_t>(1000 + i);
    if (runs[i].last != runs[i].first) *runs[i].last = static_cast<int32_t>(2000 + i);
  }
  const std::vector<uint8_t> bytes = store();
  for (std::size_t i = 0; i < runs.size(); ++i) {
    SCOPED_TRACE(runs[i].name);
    ASSERT_LE(offset + runs[i].bytes, bytes.size());
    EXPECT_EQ(Int32At(bytes, offset), static_cast<int32_t>(1000 + i));
    if (runs[i].last != runs[i].first) {
      EXPECT_EQ(Int32At(bytes, offset + runs[i].bytes - 4), static_cast<int32_t>(2000 + i));
    }
    offset += runs[i].bytes;
  }
}

TEST(StoredLayout, PlayerGameFieldsInTheirOrder) {
  CPlayerGame seat;
  seat.player = CPlayer("Ann", "Lee", 77);
  seat.SizePositions(37);
  seat.turnSeconds = {5, 6, 7};
  const std::size_t afterIdentity = 4 + 4 + 4;  // "Ann", "Lee", playerId
  std::vector<FieldRun> runs = {Scalar("color", seat.color)};
  std::vector<FieldRun> afterLists = {
      Scalar("victoryPoints", seat.victoryPoints),
      Block("hand", seat.hand),
      Block("gainedFromBoard", seat.gainedFromBoard),
      Matrix("stolenFrom", seat.stolenFrom),
      Block("gainedFromCards", seat.gainedFromCards),
      Matrix("lostToRobber", seat.lostToRobber),
      Matrix("stolenBy", seat.stolenBy),
      Block("lostOnSeven", seat.lostOnSeven),
      Scalar("roadsLeft", seat.roadsLeft),
      Scalar("citiesLeft", seat.citiesLeft),
      Scalar("settlementsLeft", seat.settlementsLeft),
      Scalar("cardsBoughtThisTurn", seat.cardsBoughtThisTurn),
      Scalar("cardsHeld", seat.cardsHeld),
      Block("cardsPlayed", seat.cardsPlayed),
      Scalar("cardPlayedThisTurn", seat.cardPlayedThisTurn),
      Scalar("hasLargestArmy", seat.hasLargestArmy),
      Scalar("hasLongestRoad", seat.hasLongestRoad),
      Block("bankTrades", seat.bankTrades),
      Block("tradesWith", seat.tradesWith),
      Block("givenToBank", seat.givenToBank),
      Block("receivedFromBank", seat.receivedFromBank),
      Matrix("givenTo", seat.givenTo),
      Matrix("receivedFrom", seat.receivedFrom),
  };
  auto store = [&] { return Stored([&](CArchive& ar) { seat.Serialize(ar); }); };
  ExpectRunsInOrder(runs, afterIdentity, store);

  // settlementsAt before citiesAt, each an int32 count and its 37 values.
  seat.settlementsAt.back() = 31;
  seat.citiesAt.back() = 32;
  std::vector<uint8_t> bytes = store();
  const std::size_t settlements = afterIdentity + 4;
  EXPECT_EQ(Int32At(bytes, settlements), 37);
  EXPECT_EQ(Int32At(bytes, settlements + 4 * 37), 31);
  const std::size_t cities = settlements + 4 + 4 * 37;
  EXPECT_EQ(Int32At(bytes, cities), 37);
  EXPECT_EQ(Int32At(bytes, cities + 4 * 37), 32);

  const std::size_t counters = cities + 4 + 4 * 37;
  ExpectRunsInOrder(afterLists, counters, store);
  bytes = store();
  const std::size_t turns = bytes.size() - 4 * 4;
  EXPECT_EQ(turns, counters + 812);
  EXPECT_EQ(Int32At(bytes, turns), 3);
  EXPECT_EQ(Int32At(bytes, turns + 12), 7);
}

TEST(StoredLayout, GameHeaderFieldsInTheirOrder) {
  CGame game;
  game.startTime = CDateTime{DateTimeValid, 45000.25};
  game.endTime = CDateTime{DateTimeNull, 45000.75};
  game.gameId = 11;
  game.trackTrades = 1;
  game.boardGenerated = 2;
  game.rolls = {6, 8};
  game.rollCounts[0][0] = 3;   // seat 0 rolled a 2
  game.rollCounts[5][10] = 4;  // seat 5 rolled a 12
  const std::vector<uint8_t> bytes = Stored([&](CArchive& ar) { game.Serialize(ar); });
  ASSERT_EQ(bytes.size(), 308u + 8);
  EXPECT_EQ(Int32At(bytes, 0), DateTimeValid);
  EXPECT_EQ(DoubleAt(bytes, 4), 45000.25);
  EXPECT_EQ(Int32At(bytes, 12), DateTimeNull);
  EXPECT_EQ(DoubleAt(bytes, 16), 45000.75);
  EXPECT_EQ(Int32At(bytes, 24), 11);
  EXPECT_EQ(Int32At(bytes, 28), 1);
  EXPECT_EQ(Int32At(bytes, 32), 2);
  EXPECT_EQ(Int32At(bytes, 36), 0);  // no seats
  EXPECT_EQ(Int32At(bytes, 40), 2);  // two rolls
  EXPECT_EQ(Int32At(bytes, 44), 6);
  EXPECT_EQ(Int32At(bytes, 48), 8);
  EXPECT_EQ(Int32At(bytes, 52), 3);              // row 0, column 0
  EXPECT_EQ(Int32At(bytes, 52 + 264 - 4), 4);    // row 5, column 10
}

}  // namespace
