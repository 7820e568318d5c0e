// The Statistics Database report over stored games: sums, figures computed
// from summed parts, first seats only, the ranking over the chosen games,
// and the chosen columns.
#include <gtest/gtest.h>

#include <algorithm>

#include "database_fixture.h"
#include "records/game_database.h"
#include "records/player_database.h"
#include "stats/player_report.h"

namespace {

class PlayerReportTest : public DatabaseTest {
 protected:
  void Store(SampleGame g) {
    CGameDatabase db(dir.string());
    db.AppendRecord(g.game, g.history, g.board, db.RecordPath(), db.KeyPath());
  }
  CPlayerReport Report(std::vector<int> players, std::vector<int> games, PlayerStatMask stats) {
    CGameDatabase db(dir.string());
    CPlayerDatabase people(dir.string());
    people.Load();
    return BuildPlayerReport(people, db, {std::move(players), std::move(games), stats});
  }
  void AddPeople() {
    CPlayerDatabase people(dir.string());
    people.AddPlayer(CPlayer("Ann", "Lee", 1));
    people.AddPlayer(CPlayer("Bob", "Stone", 2));
    people.AddPlayer(CPlayer("Cara", "Day", 3));
    people.AddPlayer(CPlayer("Dan", "Absent", 4));
  }
  static std::string Cell(const CPlayerReport& r, const std::string& player, const std::string& header) {
    auto column = std::find(r.header.begin(), r.header.end(), header);
    EXPECT_NE(column, r.header.end()) << header;
    for (const auto& row : r.rows)
      if (row[0] == player && column != r.header.end()) return row[static_cast<size_t>(column - r.header.begin())];
    ADD_FAILURE() << "no row " << player;
    return {};
  }
};

// Ann trades 8 cards for 2 at the bank in the first game and 2 for 2 in the
// second: her bank ratio over both is 4 / 10, not the mean of 0.25 and 1.00.
TEST_F(PlayerReportTest, CountsAreSummedAndRatiosComeFromTheSummedParts) {
  AddPeople();
  SampleGame first = MakeGame(500, {{1, "Ann", "Lee", 10}, {2, "Bob", "Stone", 7}, {3, "Cara", "Day", 4}});
  first.game.players[0].givenToBank = {8, 0, 0, 0, 0};
  first.game.players[0].receivedFromBank = {0, 2, 0, 0, 0};
  first.game.players[0].bankTrades = {0, 0, 2};
  SampleGame second = MakeGame(501, {{2, "Bob", "Stone", 10}, {1, "Ann", "Lee", 6}, {3, "Cara", "Day", 6}});
  second.game.players[1].givenToBank = {0, 0, 2, 0, 0};
  second.game.players[1].receivedFromBank = {1, 0, 0, 0, 1};
  second.game.players[1].bankTrades = {1, 0, 0};
  Store(first);
  Store(second);

  CPlayerReport r = Report({0, 1, 2, 3}, {0, 1}, kAllPlayerStats);
  EXPECT_EQ(r.header.front(), "Players");
  ASSERT_EQ(r.rows.size(), 4u);
  EXPECT_EQ(r.rows[0][0], "Absent, Dan");  // sorted by the list name
  EXPECT_EQ(Cell(r, "Lee, Ann", "Games played"), "2");
  EXPECT_EQ(Cell(r, "Lee, Ann", "Games Won"), "1");
  EXPECT_EQ(Cell(r, "Lee, Ann", "Games Won per game"), "0.50");
  EXPECT_EQ(Cell(r, "Lee, Ann", "Points"), "16");
  EXPECT_EQ(Cell(r, "Lee, Ann", "Average points"), "8.00");
  EXPECT_EQ(Cell(r, "Lee, Ann", "Cards traded to bank"), "10");
  EXPECT_EQ(Cell(r, "Lee, Ann", "Cards traded from bank"), "4");
  EXPECT_EQ(Cell(r, "Lee, Ann", "Trading ration with bank"), "0.40");
  EXPECT_EQ(Cell(r, "Lee, Ann", "Trades with bank"), "3");
  EXPECT_EQ(Cell(r, "Lee, Ann", "Average # trades with bank"), "1.50");
  // Nobody without games divides by zero.
  EXPECT_EQ(Cell(r, "Absent, Dan", "Games played"), "0");
  EXPECT_EQ(Cell(r, "Absent, Dan", "Average points"), "0.00");
  EXPECT_EQ(Cell(r, "Absent, Dan", "Trading ratio with others"), "0.00");
  EXPECT_EQ(Cell(r, "Absent, Dan", "Power ranking"), "--");
}

TEST_F(PlayerReportTest, APersonWithTwoSeatsCountsOnceWithTheFirstSeat) {
  AddPeople();
  Store(MakeGame(500, {{1, "Ann", "Lee", 3}, {1, "Ann", "Lee", 10}, {2, "Bob", "Stone", 5}}));
  CPlayerReport r = Report({0}, {0}, PlayerStatBit(0) | PlayerStatBit(1) | PlayerStatBit(3));
  EXPECT_EQ(Cell(r, "Lee, Ann", "Games played"), "1");
  EXPECT_EQ(Cell(r, "Lee, Ann", "Games Won"), "0");
  EXPECT_EQ(Cell(r, "Lee, Ann", "Points"), "3");
}

// Ann beats both in game 0 and loses to both in game 1; Bob and Cara tie
// for second in game 0. The ranking follows the chosen games only.
TEST_F(PlayerReportTest, PowerRankingIsRecomputedOverTheChosenGames) {
  AddPeople();
  Store(MakeGame(500, {{1, "Ann", "Lee", 10}, {2, "Bob", "Stone", 6}, {3, "Cara", "Day", 6}}));
  Store(MakeGame(501, {{1, "Ann", "Lee", 2}, {2, "Bob", "Stone", 10}, {3, "Cara", "Day", 5}}));
  const PlayerStatMask power = PlayerStatBit(2);

  CPlayerReport first = Report({0, 1, 2}, {0}, power);
  EXPECT_EQ(first.header, (std::vector<std::string>{"Players", "Power ranking", "Power score"}));
  EXPECT_EQ(Cell(first, "Lee, Ann", "Power ranking"), "1");
  EXPECT_EQ(Cell(first, "Stone, Bob", "Power ranking"), "2");
  EXPECT_EQ(Cell(first, "Day, Cara", "Power ranking"), "2");  // equal scores share the place
  EXPECT_EQ(Cell(first, "Lee, Ann", "Power score"), "1.00");

  // Over both games: Ann 2 of 4 beaten, Bob 2 of 4, Cara 1 of 4.
  CPlayerReport both = Report({0, 1, 2}, {0, 1}, power);
  EXPECT_EQ(Cell(both, "Lee, Ann", "Power ranking"), "1");
  EXPECT_EQ(Cell(both, "Stone, Bob", "Power ranking"), "1");
  EXPECT_EQ(Cell(both, "Day, Cara", "Power ranking"), "3");
  EXPECT_EQ(Cell(both, "Day, Cara", "Power score"), "0.25");
}

TEST_F(PlayerReportTest, OnlyTheChosenStatisticsAppearInBitOrderAndBadIndicesAreRefused) {
  AddPeople();
  StoreGames(2);
  CPlayerReport r = Report({1}, {0, 1}, PlayerStatBit(12) | PlayerStatBit(0));
  EXPECT_EQ(r.header, (std::vector<std::string>{"Players", "Games played", "Trading ration with bank"}));
  EXPECT_EQ(PlayerReportCsv(r).substr(0, 46), "Players,Games played,Trading ration with bank\n");
  EXPECT_THROW(Report({9}, {0}, 1), CDatabaseError);
  EXPECT_THROW(Report({0}, {2}, 1), CDatabaseError);
  EXPECT_NE(PlayerReportHelp().find("Power ranking: "), std::string::npos);
}

}  // namespace
