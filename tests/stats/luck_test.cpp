// Luck figures computed by hand: the production outlook of small positions,
// the dice test against published chi-square values, the sevens and gaps.
#include <gtest/gtest.h>

#include "engine/board/board.h"
#include "stats/luck.h"
#include "stats/luck_tables.h"

namespace {

constexpr int kOre = 2;
constexpr int kWheat = 1;

// A standard board whose land has no chips but the ones a test lays.
struct HandBoard {
  CFixedRandom draws{{0}};
  CBoardRandom random{draws, [] { return int64_t{0}; }};
  CBoard board{BoardKind::Standard, random};
  std::vector<CPlayerGame> players;

  explicit HandBoard(int seats) : players(static_cast<std::size_t>(seats)) {
    for (int b = 0; b < board.LandCount(); ++b) board.SetChip(b, 0, 0);
    board.robberTile = -1;
    for (CPlayerGame& p : players) p.SizePositions(static_cast<std::size_t>(board.TileCount()));
  }
  void Tile(int position, TileType type, int chip) {
    board.SetTileType(position, type);
    board.SetChip(position, chip, 0);
  }
  ProductionOutlook Outlook(int roller, const ResourceCounts* bank = nullptr) const {
    return ProductionOutlookOf(board, players, static_cast<int32_t>(players.size()), roller, bank);
  }
};

double SeatExpected(const ProductionOutlook& outlook, int seat) {
  double sum = 0;
  for (double v : outlook.expected[seat]) sum += v;
  return sum;
}

TEST(LuckOutlook, SettlementsOnASixAndAnEightExpectTenThirtySixthsPerRoll) {
  HandBoard hand(3);
  hand.Tile(1, TileType::Ore, 6);
  hand.Tile(2, TileType::Wheat, 8);
  hand.players[0].settlementsAt[1] = 1;
  hand.players[0].settlementsAt[2] = 1;
  ProductionOutlook outlook = hand.Outlook(0);
  EXPECT_NEAR(SeatExpected(outlook, 0), 10.0 / 36, 1e-12);
  EXPECT_NEAR(outlook.expected[0][kOre], 5.0 / 36, 1e-12);
  EXPECT_NEAR(outlook.expected[0][kWheat], 5.0 / 36, 1e-12);
  EXPECT_EQ(SeatExpected(outlook, 1), 0.0);
  EXPECT_EQ(outlook.gains[6 - 2][0][kOre], 1);
  EXPECT_EQ(outlook.gains[7 - 2][0], (ResourceCounts{}));

  // The robber on the 6 withholds it; a city on the 8 doubles that one.
  hand.board.robberTile = 1;
  EXPECT_NEAR(SeatExpected(hand.Outlook(0), 0), 5.0 / 36, 1e-12);
  hand.board.robberTile = -1;
  hand.players[0].settlementsAt[2] = 0;
  hand.players[0].citiesAt[2] = 1;
  EXPECT_NEAR(SeatExpected(hand.Outlook(0), 0), 5.0 / 36 + 10.0 / 36, 1e-12);
}

TEST(LuckOutlook, ABankShortOfOreServesTheRollerFirst) {
  HandBoard hand(3);
  hand.Tile(4, TileType::Ore, 8);
  hand.players[0].settlementsAt[4] = 1;
  hand.players[2].settlementsAt[4] = 1;
  ResourceCounts bank = {19, 19, 1, 19, 19};
  ProductionOutlook fromSeat2 = hand.Outlook(2, &bank);
  EXPECT_NEAR(fromSeat2.expected[2][kOre], 5.0 / 36, 1e-12);
  EXPECT_EQ(fromSeat2.expected[0][kOre], 0.0);
  // When seat 1 rolls the order is 1, 2, 0: seat 2 is still served first.
  ProductionOutlook fromSeat1 = hand.Outlook(1, &bank);
  EXPECT_NEAR(fromSeat1.expected[2][kOre], 5.0 / 36, 1e-12);
  ProductionOutlook fromSeat0 = hand.Outlook(0, &bank);
  EXPECT_NEAR(fromSeat0.expected[0][kOre], 5.0 / 36, 1e-12);
  EXPECT_EQ(fromSeat0.expected[2][kOre], 0.0);
  // Untracked, the bank plays no part.
  EXPECT_NEAR(hand.Outlook(0).expected[2][kOre], 5.0 / 36, 1e-12);
}

// 36 rolls in exactly the 2d6 proportions give exactly the expected cards.
TEST(LuckOfGame, RollsInTheExpectedProportionsAreLuckZero) {
  HandBoard hand(3);
  hand.Tile(1, TileType::Ore, 6);
  hand.Tile(2, TileType::Wheat, 8);
  hand.Tile(3, TileType::Clay, 11);
  hand.players[0].settlementsAt[1] = 1;
  hand.players[0].settlementsAt[2] = 1;
  hand.players[1].citiesAt[3] = 1;
  ProductionOutlook outlook = hand.Outlook(0);
  std::vector<RollLuck> rolls;
  for (int32_t total = 2; total <= 12; ++total) {
    for (int i = 0; i < (total <= 7 ? total - 1 : 13 - total); ++i) {
      RollLuck roll;
      roll.roller = static_cast<int32_t>(rolls.size() % 3);
      roll.total = total;
      roll.expected = outlook.expected;
      roll.received = outlook.gains[total - 2];
      rolls.push_back(roll);
    }
  }
  CGame game;
  game.players = hand.players;
  GameLuck luck = LuckOfGame(game, rolls);
  ASSERT_EQ(luck.rolls.size(), 36u);
  EXPECT_EQ(luck.seats[0].ReceivedTotal(), 10);
  EXPECT_NEAR(luck.seats[0].Luck(), 0.0, 1e-9);
  EXPECT_NEAR(luck.seats[1].Luck(), 0.0, 1e-9);
  EXPECT_EQ(luck.seats[1].received[3], 4);
  EXPECT_NEAR(luck.CumulativeLuck(0).back(), 0.0, 1e-9);
  EXPECT_EQ(luck.CumulativeLuck(0).size(), 37u);
  EXPECT_NEAR(luck.dice.chiSquare, 0.0, 1e-12);
  EXPECT_NEAR(luck.dice.pValue, 1.0, 1e-12);
  // One 6 fewer and one 8 more: still even for seat 0, who holds both.
  rolls.front().received = outlook.gains[8 - 2];
  EXPECT_NEAR(LuckOfGame(game, rolls).seats[0].Luck(), 1.0, 1e-9);
}

// Survival values of the chi-square distribution with 10 degrees of freedom
// at 2, 12 and 42 (tables: 0.9963, 0.2851, 7.50e-6).
TEST(DiceFigures, ChiSquareAndPValueAgreeWithPublishedValues) {
  struct Case {
    TotalCounts counts;
    double chiSquare;
    double pValue;
  };
  const Case cases[] = {
      {{2, 2, 3, 4, 5, 6, 5, 4, 3, 2, 0}, 2.0, 0.996340},
      {{0, 0, 3, 4, 5, 6, 5, 4, 3, 2, 4}, 12.0, 0.285057},
      {{7, 2, 3, 4, 5, 0, 5, 4, 3, 2, 1}, 42.0, 7.4987e-6},
      {{1, 2, 3, 4, 5, 6, 5, 4, 3, 2, 1}, 0.0, 1.0},
  };
  for (const Case& c : cases) {
    DiceFigures dice = DiceFiguresOfCounts(c.counts);
    EXPECT_EQ(dice.rolls, 36);
    EXPECT_NEAR(dice.chiSquare, c.chiSquare, 1e-9);
    EXPECT_NEAR(dice.pValue, c.pValue, c.pValue * 1e-4);
    EXPECT_FALSE(dice.orderKnown);
  }
  EXPECT_EQ(DiceVerdict(DiceFiguresOfCounts({1, 2, 3, 4, 5, 6, 5, 4, 3, 2, 1})), "These dice look fair (p = 1.00).");
  EXPECT_EQ(DiceVerdict(DiceFiguresOfCounts({7, 2, 3, 4, 5, 0, 5, 4, 3, 2, 1})), "These dice look unfair (p = 0.0000).");
  EXPECT_EQ(DiceVerdict(DiceFiguresOfCounts({})), "No dice have been rolled yet.");
  // A damaged record's negative counts count as none.
  EXPECT_EQ(DiceFiguresOfCounts({-5, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0}).rolls, 1);
}

TEST(DiceFigures, SevensAndLongestGapsFromTheOrderOfRolls) {
  DiceFigures dice = DiceFiguresOf({7, 7, 6, 8, 8, 8, 7});
  EXPECT_TRUE(dice.orderKnown);
  EXPECT_EQ(dice.rolls, 7);
  EXPECT_EQ(dice.Sevens(), 3);
  EXPECT_NEAR(dice.Expected(7), 7.0 / 6, 1e-12);
  EXPECT_EQ(dice.longestGap[7 - 2], 4);  // 6, 8, 8, 8 between the second and third 7
  EXPECT_EQ(dice.longestGap[6 - 2], 4);  // the four after it
  EXPECT_EQ(dice.longestGap[8 - 2], 3);  // the three before it
  EXPECT_EQ(dice.longestGap[2 - 2], 7);  // never rolled
  // Totals off 2..12 are not rolls.
  EXPECT_EQ(DiceFiguresOf({0, 13, 7}).rolls, 1);
}

TEST(LuckTables, TextAndCsvForms) {
  LuckTable table{"Dice, and more", {"Total", "Rolled"}, {{"2", "10"}, {"12", "3"}}};
  EXPECT_EQ(TableAsText(table), "Dice, and more\nTotal  Rolled\n2      10\n12     3\n");
  EXPECT_EQ(TableAsCsv(table), "\"Dice, and more\"\nTotal,Rolled\n2,10\n12,3\n");
  GameLuck diceOnly;
  diceOnly.dice = DiceFiguresOf({7});
  EXPECT_EQ(LuckTables(diceOnly).size(), 1u);
  EXPECT_EQ(LuckNotes(diceOnly).back(), "This game has no replay: only its dice are known.");
}

}  // namespace
