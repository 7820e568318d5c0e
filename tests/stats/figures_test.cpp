// The figures of every table section, computed from hand-built records.
#include <gtest/gtest.h>

#include "stats/game_statistics.h"
#include "stats_test_game.h"

namespace {

using Row = std::vector<std::string>;

SectionFigures Compute(const CGame& game, int section) { return CGameStatistics(game).Compute(section); }

TEST(DiceFigures, CountsPercentagesAndAverages) {
  CGame game = ThreeSeats();
  AddRoll(game, 0, 7);
  AddRoll(game, 0, 7);
  AddRoll(game, 0, 6);
  SectionFigures f = Compute(game, 1);
  ASSERT_EQ(f.rows.size(), 12u);
  EXPECT_EQ(f.rows[5], (Row{"2", "66.67%"}));  // total 7
  EXPECT_EQ(f.rows[4], (Row{"1", "33.33%"}));  // total 6
  EXPECT_EQ(f.rows[0], (Row{"0", "0.00%"}));
  EXPECT_EQ(f.rows[11], (Row{"6.67"}));

  SectionFigures byPlayer = Compute(game, 2);
  EXPECT_EQ(byPlayer.rows[5], (Row{"2", "0", "0"}));
  EXPECT_EQ(byPlayer.rows[11], (Row{"6.67", "0.00", "0.00"}));
}

TEST(DiceFigures, NoRollsGiveTheInitialTexts) {
  SectionFigures f = Compute(ThreeSeats(), 1);
  for (int i = 0; i < 11; ++i) EXPECT_EQ(f.rows[i], (Row{"0", "0.00%"}));
  EXPECT_EQ(f.rows[11], (Row{"0.00"}));
}

TEST(DiceFigures, CountsOnlyTheGamesSeats) {
  CGame game = ThreeSeats();
  AddRoll(game, 1, 8);
  game.rollCounts[4][0] = 9;  // a row no seat of this game owns
  SectionFigures f = Compute(game, 1);
  EXPECT_EQ(f.rows[0][0], "0");
  EXPECT_EQ(f.rows[6], (Row{"1", "100.00%"}));
  EXPECT_EQ(Compute(game, 2).rows[0].size(), 3u);
}

TEST(TimeFigures, TurnLengthsPerSeatAndTogether) {
  CGame game = ThreeSeats();
  game.players[0].turnSeconds = {30, 90};
  game.players[2].turnSeconds = {3725};
  SectionFigures f = Compute(game, 4);
  ASSERT_EQ(f.rows.size(), 4u);
  EXPECT_EQ(f.rows[0], (Row{"2", "2:00", "1:00", "1:30", ":30"}));
  // No finished turn: the average reads "0:00", everything else ":00".
  EXPECT_EQ(f.rows[1], (Row{"0", ":00", "0:00", ":00", ":00"}));
  EXPECT_EQ(f.rows[2], (Row{"1", "1:02:05", "1:02:05", "1:02:05", "1:02:05"}));
  EXPECT_EQ(f.rows[3], (Row{"3", "1:04:05", "21:21", "1:02:05", ":30"}));
}

TEST(TimeFigures, NoTurnsAtAll) {
  SectionFigures f = Compute(ThreeSeats(), 4);
  EXPECT_EQ(f.rows[3], (Row{"0", ":00", "0:00", ":00", "0:00"}));
}

TEST(TimeFigures, LongGamesDoNotOverflow) {
  CGame game = ThreeSeats();
  game.players[0].turnSeconds = {2000000000, 2000000000};
  SectionFigures f = Compute(game, 4);
  EXPECT_EQ(f.rows[0][1], "1111111:06:40");
  EXPECT_EQ(f.rows[0][2], "555555:33:20");
}

TEST(ResourceFigures, GainedTablesAndTheirTotals) {
  CGame game = ThreeSeats();
  game.players[0].gainedFromBoard = {1, 2, 0, 0, 3};
  game.players[1].gainedFromBoard = {1, 0, 0, 4, 0};
  game.players[0].gainedFromCards = {0, 0, 2, 0, 0};
  game.players[0].stolenFrom[1] = {0, 0, 1, 0, 0};
  game.players[0].stolenFrom[2] = {0, 1, 0, 0, 0};
  game.players[0].stolenFrom[5] = {7, 7, 7, 7, 7};  // no such seat: never read

  EXPECT_EQ(Compute(game, 7).rows[0], (Row{"1", "2", "0", "0", "3", "6"}));
  EXPECT_EQ(Compute(game, 7).rows[3], (Row{"2", "2", "0", "4", "3", "11"}));
  EXPECT_EQ(Compute(game, 8).rows[0], (Row{"0", "1", "1", "0", "0", "2"}));
  EXPECT_EQ(Compute(game, 9).rows[3], (Row{"0", "0", "2", "0", "0", "2"}));
  SectionFigures total = Compute(game, 6);
  EXPECT_EQ(total.rows[0], (Row{"1", "3", "3", "0", "3", "10"}));
  EXPECT_EQ(total.rows[1], (Row{"1", "0", "0", "4", "0", "5"}));
  EXPECT_EQ(total.rows[2], (Row{"0", "0", "0", "0", "0", "0"}));
  EXPECT_EQ(total.rows[3], (Row{"2", "3", "3", "4", "3", "15"}));
}

TEST(ResourceFigures, BoardSharesGuardEmptyColumns) {
  CGame game = ThreeSeats();
  game.players[0].gainedFromBoard = {1, 2, 0, 0, 0};
  game.players[1].gainedFromBoard = {2, 0, 0, 1, 0};
  SectionFigures f = Compute(game, 7);
  ASSERT_EQ(f.shares.size(), 3u);
  // Nobody produced Ore or Sheep: every share of them is "0.0".
  EXPECT_EQ(f.shares[0], (Row{"33.3", "100.0", "0.0", "0.0", "0.0", "50.0"}));
  EXPECT_EQ(f.shares[1], (Row{"66.7", "0.0", "0.0", "100.0", "0.0", "50.0"}));
  EXPECT_EQ(f.shares[2], (Row{"0.0", "0.0", "0.0", "0.0", "0.0", "0.0"}));
  EXPECT_EQ(Compute(ThreeSeats(), 7).shares[0], (Row{"0.0", "0.0", "0.0", "0.0", "0.0", "0.0"}));
  EXPECT_TRUE(Compute(game, 6).shares.empty());
}

TEST(ResourceFigures, LossTablesAndTheirTotal) {
  CGame game = ThreeSeats();
  CPlayerGame& bo = game.players[1];
  bo.lostToRobber[0] = {2, 0, 0, 0, 0};
  bo.lostToRobber[2] = {0, 0, 0, 1, 0};
  bo.stolenBy[0] = {0, 0, 1, 0, 1};
  bo.lostOnSeven = {0, 3, 0, 0, 1};
  EXPECT_EQ(Compute(game, 12).rows[1], (Row{"2", "0", "0", "1", "0", "3"}));
  EXPECT_EQ(Compute(game, 13).rows[1], (Row{"0", "0", "1", "0", "1", "2"}));
  EXPECT_EQ(Compute(game, 14).rows[1], (Row{"0", "3", "0", "0", "1", "4"}));
  EXPECT_EQ(Compute(game, 11).rows[1], (Row{"2", "3", "1", "1", "2", "9"}));
  EXPECT_EQ(Compute(game, 11).rows[3], (Row{"2", "3", "1", "1", "2", "9"}));
}

TEST(ResourceFigures, DetailTextsNameWhoTookWhat) {
  CGame game = ThreeSeats();
  CPlayerGame& cy = game.players[2];
  cy.stolenFrom[0] = {0, 0, 2, 0, 1};
  cy.stolenFrom[1] = {0, 0, 0, 1, 0};
  cy.lostToRobber[0] = {0, 1, 0, 0, 0};
  cy.stolenBy[0] = {1, 0, 0, 0, 0};
  cy.stolenBy[1] = {0, 0, 0, 0, 2};

  SectionFigures stolen = Compute(game, 8);
  ASSERT_EQ(stolen.details.size(), 3u);
  EXPECT_EQ(stolen.details[2], "2 ore, 1 sheep from Ann Lee; 1 clay from Bo Ng");
  EXPECT_EQ(stolen.details[0], "");
  EXPECT_EQ(Compute(game, 12).details[2], "1 wheat to Ann Lee");
  EXPECT_EQ(Compute(game, 13).details[2], "1 timber to Ann Lee; 2 sheep to Bo Ng");
  // Robber losses and thefts by the same seat go into one part.
  EXPECT_EQ(Compute(game, 11).details[2], "1 timber, 1 wheat to Ann Lee; 2 sheep to Bo Ng");
  EXPECT_TRUE(Compute(game, 14).details.empty());
}

TEST(ResourceFigures, TradedTables) {
  CGame game = ThreeSeats();
  game.players[0].givenToBank = {4, 0, 0, 0, 4};
  game.players[0].receivedFromBank = {0, 0, 2, 0, 0};
  game.players[0].givenTo[1] = {1, 0, 0, 0, 0};
  game.players[0].givenTo[2] = {0, 1, 0, 0, 0};
  game.players[0].receivedFrom[2] = {0, 0, 0, 3, 0};
  EXPECT_EQ(Compute(game, 19).rows[0], (Row{"4", "0", "0", "0", "4", "8"}));
  EXPECT_EQ(Compute(game, 20).rows[0], (Row{"0", "0", "2", "0", "0", "2"}));
  EXPECT_EQ(Compute(game, 21).rows[0], (Row{"1", "1", "0", "0", "0", "2"}));
  EXPECT_EQ(Compute(game, 22).rows[3], (Row{"0", "0", "0", "3", "0", "3"}));
}

TEST(TradeFigures, NumberOfTradesWithColumnSums) {
  CGame game = ThreeSeats();
  game.players[0].tradesWith = {0, 2, 1, 0, 0, 0};
  game.players[1].tradesWith = {2, 0, 0, 0, 0, 0};
  game.players[2].tradesWith = {1, 0, 0, 0, 0, 0};
  game.players[1].bankTrades = {1, 0, 3};
  SectionFigures f = Compute(game, 16);
  ASSERT_EQ(f.rows.size(), 4u);
  EXPECT_EQ(f.rows[0], (Row{"3", "0", "0", "0", "3"}));
  EXPECT_EQ(f.rows[1], (Row{"2", "1", "0", "3", "6"}));
  EXPECT_EQ(f.rows[3], (Row{"6", "1", "0", "3", "10"}));
}

TEST(TradeFigures, PartnersShowDashesOnTheDiagonal) {
  CGame game = ThreeSeats();
  game.players[0].tradesWith = {0, 2, 1, 0, 0, 0};
  game.players[2].tradesWith = {1, 0, 0, 0, 0, 0};
  SectionFigures f = Compute(game, 17);
  ASSERT_EQ(f.rows.size(), 3u);
  EXPECT_EQ(f.rows[0], (Row{"--", "2", "1"}));
  EXPECT_EQ(f.rows[1], (Row{"0", "--", "0"}));
  EXPECT_EQ(f.rows[2], (Row{"1", "0", "--"}));
}

TEST(TradeFigures, RatiosAreGuarded) {
  CGame game = ThreeSeats();
  game.players[0].givenToBank = {8, 0, 0, 0, 0};
  game.players[0].receivedFromBank = {0, 2, 0, 0, 0};
  game.players[0].givenTo[1] = {1, 1, 0, 0, 0};
  game.players[0].receivedFrom[1] = {0, 0, 3, 0, 0};
  game.players[1].receivedFrom[0] = {1, 0, 0, 0, 0};
  SectionFigures f = Compute(game, 18);
  ASSERT_EQ(f.rows.size(), 3u);
  EXPECT_EQ(f.rows[0], (Row{"8", "2", "0.25", "2", "3", "1.50", "10", "5", "0.50"}));
  // Never traded with the bank or gave nothing: ratios of 0.00.
  EXPECT_EQ(f.rows[1], (Row{"0", "0", "0.00", "0", "1", "0.00", "0", "1", "0.00"}));
  EXPECT_EQ(f.rows[2], (Row{"0", "0", "0.00", "0", "0", "0.00", "0", "0", "0.00"}));
}

TEST(GameStatistics, HeadingsHaveNoFiguresAndEverySectionIsComputed) {
  CGame game = ThreeSeats();
  auto all = CGameStatistics(game).ComputeAll();
  for (int s = 0; s < kStatSectionCount; ++s) {
    EXPECT_EQ(all[s].rows.empty(), IsStatHeading(s)) << s;
    EXPECT_EQ(all[s].details.size(), HasDetailText(s) ? 3u : 0u) << s;
  }
  EXPECT_TRUE(CGameStatistics(game).Compute(-1).rows.empty());
  EXPECT_TRUE(CGameStatistics(game).Compute(kStatReportCount).rows.empty());
}

TEST(GameStatistics, ReadsAtMostSixSeats) {
  // A damaged record may hold more seats than any seat matrix has rows.
  CGame game = GameWithSeats({"A A", "B B", "C C", "D D", "E E", "F F", "G G", "H H"});
  EXPECT_EQ(StatSeatCount(game), 6);
  game.players[0].stolenFrom[5] = {1, 0, 0, 0, 0};
  auto all = CGameStatistics(game).ComputeAll();
  EXPECT_EQ(all[8].rows.size(), 7u);
  EXPECT_EQ(all[8].details[0], "1 timber from F F");
  EXPECT_EQ(all[17].rows[0].size(), 6u);
}

}  // namespace
