// The player page from made-up headers: shared wins, ties, first seats only,
// habits summed per game, hidden points, months and the recent games.
#include <gtest/gtest.h>

#include "records/game.h"
#include "records/game_list.h"
#include "stats/player_page.h"

namespace {

constexpr int32_t kAnn = 1, kBob = 2, kCara = 3, kDan = 4;

CPlayerGame Seat(int32_t id, const char* first, int32_t points) {
  CPlayerGame seat;
  seat.player = CPlayer(first, "X", id);
  seat.victoryPoints = points;
  seat.settlementsLeft = 3;  // two settlements on the board: 2 points shown
  return seat;
}

CGame Game(double startDays, std::vector<CPlayerGame> seats) {
  CGame game;
  game.startTime.days = startDays;
  game.endTime.days = startDays + 600.0 / 86400;  // ten minutes
  game.players = std::move(seats);
  return game;
}

CPlayerPage PageOf(int32_t id, const std::vector<CGame>& games) {
  CPlayerPageBuilder builder(CPlayer("Ann", "X", id));
  for (std::size_t i = 0; i < games.size(); ++i) builder.AddGame(static_cast<int>(i), games[i]);
  return builder.Finish(nullptr);
}

std::vector<std::string> Names(const std::vector<CPersonCount>& people) {
  std::vector<std::string> names;
  for (const CPersonCount& p : people) names.push_back(p.name + ":" + std::to_string(p.count));
  return names;
}

// 45000 is 15.03.2023; a month later is 45031.
TEST(PlayerPage, TwoSeatsPastNineAreBothWinnersAndTiesListEveryone) {
  std::vector<CGame> games = {
      Game(45000, {Seat(kAnn, "Ann", 10), Seat(kBob, "Bob", 11), Seat(kCara, "Cara", 4)}),  // shared win
      Game(45001, {Seat(kCara, "Cara", 10), Seat(kAnn, "Ann", 9), Seat(kDan, "Dan", 3)}),
      Game(45002, {Seat(kDan, "Dan", 5), Seat(kBob, "Bob", 2), Seat(kAnn, "Ann", 12)}),
  };
  CPlayerPage ann = PageOf(kAnn, games);
  EXPECT_EQ(ann.games, 3);
  EXPECT_EQ(ann.wins, 2);
  EXPECT_EQ(ann.sharedWins, 1);
  EXPECT_EQ(ann.pointSum, 31);
  // Beaten with: Bob 2 (games 0 and 2; he won game 0 too), Cara 1, Dan 1.
  EXPECT_EQ(Names(ann.rivals), std::vector<std::string>{"Bob X:2"});
  // Won with Ann at the table: Bob once, Cara once: a tie, by name.
  EXPECT_EQ(Names(ann.nemeses), (std::vector<std::string>{"Bob X:1", "Cara X:1"}));
  // Met: Bob 2, Cara 2, Dan 2: three tied, by name.
  EXPECT_EQ(Names(ann.partners), (std::vector<std::string>{"Bob X:2", "Cara X:2", "Dan X:2"}));
  EXPECT_EQ(ann.bySeat.at(0).wins, 1);
  EXPECT_EQ(ann.bySeat.at(1).wins, 0);
  EXPECT_EQ(ann.bySeat.at(2).wins, 1);
  EXPECT_EQ(ann.AverageLengthSeconds(), 600);

  CPlayerPage bob = PageOf(kBob, games);
  EXPECT_EQ(bob.wins, 1);
  EXPECT_EQ(bob.sharedWins, 1);
  EXPECT_EQ(Names(bob.nemeses), std::vector<std::string>{"Ann X:2"});
}

TEST(PlayerPage, OnlyTheFirstSeatOfAPersonCounts) {
  CGame twice = Game(45000, {Seat(kBob, "Bob", 4), Seat(kAnn, "Ann", 5), Seat(kAnn, "Ann", 10)});
  CPlayerPage ann = PageOf(kAnn, {twice});
  EXPECT_EQ(ann.games, 1);
  EXPECT_EQ(ann.wins, 0);
  EXPECT_EQ(ann.pointSum, 5);
  EXPECT_EQ(ann.bySeat.count(2), 0u);
  EXPECT_EQ(Names(ann.partners), std::vector<std::string>{"Bob X:1"});  // not herself
  EXPECT_TRUE(ann.nemeses.empty());  // her own second seat is not a nemesis
}

TEST(PlayerPage, HabitsAreSummedOverTheGames) {
  CPlayerGame a = Seat(kAnn, "Ann", 10);
  a.gainedFromBoard = {1, 2, 3, 4, 5};
  a.lostOnSeven = {0, 4, 0, 0, 0};
  a.stolenBy[1] = {1, 0, 0, 0, 1};     // Bob robbed 2
  a.stolenFrom[2] = {0, 0, 3, 0, 0};   // she robbed Cara of 3
  a.tradesWith = {0, 2, 1, 0, 0, 0};
  a.bankTrades = {1, 0, 2};
  a.cardsPlayed = {2, 0, 0, 0, 3};     // 2 victory points revealed, 3 soldiers
  a.cardsHeld = 1;
  a.hasLargestArmy = 1;
  a.hasLongestRoad = 1;
  // 2 settlements + 2 + 2 + 2 revealed = 8 shown: 2 hidden points, so two
  // more cards were bought than are held or played.
  CPlayerGame b = Seat(kAnn, "Ann", 3);
  b.gainedFromBoard = {0, 0, 0, 0, 1};
  b.cardsBoughtThisTurn = 1;
  CPlayerPage ann = PageOf(kAnn, {Game(45000, {a, Seat(kBob, "Bob", 2), Seat(kCara, "Cara", 2)}),
                                  Game(45031, {Seat(kBob, "Bob", 10), b, Seat(kCara, "Cara", 2)})});
  EXPECT_EQ(HiddenPointsOf(a), 2);
  EXPECT_EQ(HiddenPointsOf(b), 1);  // 3 points with two settlements: one hidden
  const CHabitSums& h = ann.habits;
  EXPECT_EQ(h.fromBoard, 16);
  EXPECT_EQ(h.lostOnSeven, 4);
  EXPECT_EQ(h.robbed, 2);
  EXPECT_EQ(h.robbing, 3);
  EXPECT_EQ(h.tradesWithPlayers, 3);
  EXPECT_EQ(h.tradesWithBank, 3);
  EXPECT_EQ(h.cardsPlayed, 5);
  EXPECT_EQ(h.cardsBought, (1 + 5 + 2) + (1 + 1));
  EXPECT_EQ(h.longestRoad, 1);
  EXPECT_EQ(h.largestArmy, 1);
  EXPECT_DOUBLE_EQ(ann.PerGame(h.fromBoard), 8.0);
}

TEST(PlayerPage, MonthsRunFromTheFirstGameToTheLastAndRecentGamesAreNewestFirst) {
  std::vector<CGame> games;
  // Stored in the order they ended; the starts go back and forth.
  for (int i = 0; i < 12; ++i) {
    games.push_back(Game(45000 + (i % 2 == 0 ? i : 100 - i),
                         {Seat(kAnn, "Ann", 10), Seat(kBob, "Bob", 2), Seat(kCara, "Cara", 2)}));
  }
  games.push_back(Game(45000 + 70, {Seat(kBob, "Bob", 2), Seat(kCara, "Cara", 2), Seat(kDan, "Dan", 10)}));
  CPlayerPage ann = PageOf(kAnn, games);
  ASSERT_EQ(ann.months.size(), 4u);  // March to June 2023, May without games
  EXPECT_EQ(ann.months.begin()->first, ListMonth(45000));
  int gamesInMonths = 0;
  for (const auto& [month, tally] : ann.months) gamesInMonths += tally.games;
  EXPECT_EQ(gamesInMonths, 12);
  EXPECT_EQ(ann.months.at(ListMonth(45000) + 2).games, 0);
  ASSERT_EQ(ann.recentGames.size(), 10u);
  EXPECT_EQ(ann.recentGames.front().index, 1);  // started on day 45099
  for (std::size_t i = 1; i < ann.recentGames.size(); ++i)
    EXPECT_GE(ann.recentGames[i - 1].startDays, ann.recentGames[i].startDays);
  // Starts 99, 97, ..., 89, then 10, 8, 6, 4: days 2 and 0 are dropped.
  EXPECT_EQ(ann.recentGames.back().startDays, 45000 + 4);
}

TEST(PlayerPage, NobodyWithoutGamesGetsZerosAndNoDivisionByZero) {
  CPlayerPage eve = PageOf(99, {Game(45000, {Seat(kBob, "Bob", 10), Seat(kCara, "Cara", 2), Seat(kDan, "Dan", 2)})});
  EXPECT_EQ(eve.games, 0);
  EXPECT_EQ(eve.WinRatePercent(), 0.0);
  EXPECT_EQ(eve.AveragePoints(), 0.0);
  EXPECT_EQ(eve.PerGame(eve.habits.fromBoard), 0.0);
  EXPECT_TRUE(eve.rivals.empty() && eve.nemeses.empty() && eve.partners.empty() && eve.months.empty());
  const std::string text = PlayerPageText(eve);
  EXPECT_NE(text.find("Rival\tnone"), std::string::npos);
  EXPECT_NE(text.find("Win rate\t0.0%"), std::string::npos);
}

TEST(PlayerPage, CsvQuotesFieldsWithCommasAndQuotes) {
  CPlayerPageBuilder builder(CPlayer("Ann \"Q\"", "Lee, Jr", 1));
  const std::string csv = PlayerPageCsv(builder.Finish(nullptr));
  EXPECT_NE(csv.find("Record,Player,\"Ann \"\"Q\"\" Lee, Jr\"\n"), std::string::npos);
}

}  // namespace
