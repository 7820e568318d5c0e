// The report layout on a recording grid: rows, texts, fonts, colours, merges
// and boxes of every section, refreshing and navigation.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/session/session_ui.h"
#include "stats/memory_grid.h"
#include "stats/statistics_grid.h"
#include "stats_test_game.h"

namespace {

using Box = CMemoryGrid::Box;
using Merge = CMemoryGrid::Merge;

const GridFont kBody{"Verdana", 7, false};
const GridFont kTableTitle{"Verdana", 8, false};
const GridFont kHeadingTitle{"Verdana", 9, true};
constexpr int64_t kWhite = 0xFFFFFF;
constexpr int64_t kPaleWhite = 0xEBEBEB, kPaleRed = 0xC8C8FF, kPaleOrange = 0xB9E1FF;

struct LaidOut {
  explicit LaidOut(CGame g) : game(std::move(g)), report(grid) { report.BuildLayout(game); }
  int Row(int section) const { return report.SectionRow(section); }
  std::string At(int section, int offset, int column) const { return grid.Text(Row(section) + offset, column); }
  bool HasBox(const Box& box) const {
    return std::find(grid.Boxes().begin(), grid.Boxes().end(), box) != grid.Boxes().end();
  }
  bool HasMerge(const Merge& merge) const {
    return std::find(grid.Merges().begin(), grid.Merges().end(), merge) != grid.Merges().end();
  }

  CGame game;
  CMemoryGrid grid;
  CStatisticsGrid report;
};

TEST(ReportLayout, SectionRowsFollowTheSeatCount) {
  LaidOut three(ThreeSeats());
  EXPECT_TRUE(three.report.IsBuilt());
  EXPECT_EQ(three.grid.RowCount(), 400);
  EXPECT_GE(three.grid.ColumnCount(), 21);
  EXPECT_EQ(three.grid.BaseFont().face, "Verdana");
  EXPECT_EQ(three.grid.RowHeight(), 12);
  // Headings take 2 rows, the dice tables 16, seat tables n + 5 (with a
  // total row) or n + 4 (without).
  const int expected3[kStatSectionCount] = {2,   4,   20,  36,  38,  46,  48,  56,  64,  72,  80, 82,
                                            90,  98,  106, 114, 116, 124, 131, 138, 146, 154, 162};
  for (int s = 0; s < kStatSectionCount; ++s) EXPECT_EQ(three.Row(s), expected3[s]) << s;

  LaidOut six(GameWithSeats({"A A", "B B", "C C", "D D", "E E", "F F"}));
  EXPECT_EQ(six.Row(4), 38);
  EXPECT_EQ(six.Row(5), 49);
  EXPECT_EQ(six.Row(22), 38 + 11 + 2 + 4 * 11 + 2 + 4 * 11 + 2 + 11 + 10 + 10 + 3 * 11);
  EXPECT_LT(six.Row(22) + 11, 400);
  EXPECT_EQ(six.grid.OutOfRangeWrites(), 0);
}

TEST(ReportLayout, HeadingsAndTitles) {
  LaidOut l(ThreeSeats());
  EXPECT_EQ(l.At(0, 0, 2), "Dice rolls");
  EXPECT_EQ(l.grid.Font(l.Row(0), 2), kHeadingTitle);
  EXPECT_TRUE(l.HasMerge({l.Row(0), 2, 4}));
  EXPECT_TRUE(l.grid.RowTexts(l.Row(0) + 1).empty());
  EXPECT_EQ(l.At(15, 0, 2), "Trading");
  EXPECT_EQ(l.At(7, 0, 3), "From board");
  EXPECT_EQ(l.grid.Font(l.Row(7), 3), kTableTitle);
  EXPECT_TRUE(l.HasMerge({l.Row(7), 3, 4}));
  EXPECT_TRUE(l.grid.RowTexts(l.Row(7) + 1).empty());
}

TEST(ReportLayout, FrequencyTables) {
  LaidOut l(ThreeSeats());
  EXPECT_EQ(l.grid.RowTexts(l.Row(1) + 2),
            (std::vector<std::pair<int, std::string>>{{3, "Die Roll"}, {4, "# Rolled"}, {5, "% Rolled"}, {6, "% Expect"}}));
  EXPECT_EQ(l.At(1, 3, 3), "2");
  EXPECT_EQ(l.At(1, 3, 6), "2.77%");
  EXPECT_EQ(l.At(1, 8, 6), "16.67%");
  EXPECT_EQ(l.At(1, 13, 3), "12");
  EXPECT_EQ(l.At(1, 13, 6), "2.77%");
  EXPECT_EQ(l.At(1, 9, 4), "0");
  EXPECT_EQ(l.At(1, 9, 5), "0.00%");
  EXPECT_EQ(l.At(1, 14, 3), "Average:");
  EXPECT_EQ(l.At(1, 14, 4), "0.00");
  EXPECT_EQ(l.grid.Font(l.Row(1) + 5, 4), kBody);
  EXPECT_TRUE(l.HasBox({l.Row(1) + 2, 3, l.Row(1) + 14, 6}));

  EXPECT_EQ(l.At(2, 2, 3), "Die Roll");
  EXPECT_EQ(l.At(2, 2, 4), "Ann Lee");
  EXPECT_EQ(l.At(2, 2, 6), "Cy Roe");
  EXPECT_EQ(l.grid.Background(l.Row(2) + 2, 5), kPaleRed);
  EXPECT_EQ(l.At(2, 13, 6), "0");
  EXPECT_EQ(l.At(2, 14, 5), "0.00");
  EXPECT_EQ(l.At(2, 13, 7), "");
}

TEST(ReportLayout, SeatRowsTotalsAndBoxes) {
  LaidOut l(ThreeSeats());
  int r = l.Row(4);
  EXPECT_EQ(l.grid.RowTexts(r + 3), (std::vector<std::pair<int, std::string>>{
                                        {3, "Ann Lee"}, {4, "0"}, {5, "0:00"}, {6, "0:00"}, {7, "0:00"}, {8, "0:00"}}));
  EXPECT_EQ(l.grid.Background(r + 3, 3), kPaleWhite);
  EXPECT_EQ(l.grid.Background(r + 4, 8), kPaleRed);
  EXPECT_EQ(l.grid.Background(r + 5, 3), kPaleOrange);
  EXPECT_EQ(l.At(4, 6, 3), "Total");
  EXPECT_EQ(l.grid.Background(r + 6, 8), kWhite);
  EXPECT_TRUE(l.HasBox({r + 2, 3, r + 6, 8}));

  r = l.Row(11);
  EXPECT_EQ(l.grid.RowTexts(r + 2), (std::vector<std::pair<int, std::string>>{
                                        {3, "Player"}, {4, "Timber"}, {5, "Wheat"}, {6, "Ore"}, {7, "Clay"},
                                        {8, "Sheep"}, {9, "Total"}}));
  EXPECT_EQ(l.At(11, 6, 9), "0");
  EXPECT_TRUE(l.HasBox({r + 2, 3, r + 6, 9}));
  EXPECT_TRUE(l.HasMerge({r + 3, 11, 10}));
  EXPECT_TRUE(l.HasMerge({r + 5, 11, 10}));

  r = l.Row(16);
  EXPECT_EQ(l.At(16, 2, 5), "Bank: 2-1");
  EXPECT_EQ(l.At(16, 6, 3), "Total");
  EXPECT_EQ(l.grid.Background(r + 6, 4), kWhite);
  r = l.Row(18);
  EXPECT_EQ(l.At(18, 2, 12), "Total Ratio");
  EXPECT_EQ(l.At(18, 3, 6), "0.00");
  EXPECT_EQ(l.At(18, 3, 7), "0");
  EXPECT_EQ(l.grid.RowTexts(r + 6).size(), 0u);  // no total row
}

TEST(ReportLayout, BoardShareBlock) {
  LaidOut l(ThreeSeats());
  int r = l.Row(7);
  EXPECT_EQ(l.At(7, 3, 11), "Ann Lee");
  EXPECT_EQ(l.At(7, 5, 17), "0.0");
  EXPECT_EQ(l.grid.Background(r + 4, 14), kPaleRed);
  EXPECT_TRUE(l.HasBox({r + 3, 11, r + 5, 17}));
  EXPECT_EQ(l.At(7, 6, 11), "");
}

TEST(ReportLayout, TradingPartnersWithThreeSeats) {
  LaidOut l(ThreeSeats());
  int r = l.Row(17);
  EXPECT_EQ(l.At(17, 2, 3), "Player");
  EXPECT_EQ(l.At(17, 2, 4), "Ann Lee");
  EXPECT_EQ(l.At(17, 2, 7), "");
  for (int s = 0; s < 3; ++s)
    for (int k = 0; k < 3; ++k) EXPECT_EQ(l.grid.Text(r + 3 + s, 4 + k), s == k ? "--" : "0") << s << k;
  EXPECT_EQ(l.At(17, 6, 3), "");  // no total row
  EXPECT_EQ(l.Row(18), r + 7);
}

TEST(ReportRefresh, WritesFiguresIntoTheirCells) {
  LaidOut l(ThreeSeats());
  AddRoll(l.game, 0, 7);
  AddRoll(l.game, 0, 7);
  AddRoll(l.game, 0, 6);
  l.game.players[1].turnSeconds = {30, 90};
  l.game.players[2].stolenFrom[0] = {0, 0, 2, 0, 1};
  l.game.players[0].gainedFromBoard = {0, 1, 0, 0, 0};
  l.game.players[0].givenToBank = {8, 0, 0, 0, 0};
  l.game.players[0].receivedFromBank = {0, 2, 0, 0, 0};
  l.report.RefreshAll();
  EXPECT_EQ(l.At(1, 8, 4), "2");
  EXPECT_EQ(l.At(1, 8, 5), "66.67%");
  EXPECT_EQ(l.At(1, 7, 5), "33.33%");
  EXPECT_EQ(l.At(1, 14, 4), "6.67");
  EXPECT_EQ(l.At(2, 14, 4), "6.67");
  EXPECT_EQ(l.At(2, 14, 5), "0.00");
  EXPECT_EQ(l.grid.RowTexts(l.Row(4) + 4), (std::vector<std::pair<int, std::string>>{
                                               {3, "Bo Ng"}, {4, "2"}, {5, "2:00"}, {6, "1:00"}, {7, "1:30"}, {8, ":30"}}));
  EXPECT_EQ(l.At(4, 3, 6), "0:00");
  EXPECT_EQ(l.At(4, 3, 5), ":00");
  EXPECT_EQ(l.At(8, 5, 11), "2 ore, 1 sheep from Ann Lee");
  EXPECT_EQ(l.At(8, 5, 9), "3");
  EXPECT_EQ(l.At(6, 5, 9), "3");
  EXPECT_EQ(l.At(7, 3, 13), "100.0");
  EXPECT_EQ(l.At(7, 3, 14), "0.0");  // nobody produced Ore
  EXPECT_EQ(l.At(18, 3, 6), "0.25");
  EXPECT_EQ(l.At(18, 4, 6), "0.00");
  EXPECT_EQ(l.grid.OutOfRangeWrites(), 0);
}

TEST(ReportRefresh, ReplacesTextsAndTwiceGivesTheSameGrid) {
  LaidOut l(ThreeSeats());
  AddRoll(l.game, 1, 8);
  l.game.players[1].stolenBy[0] = {1, 0, 0, 0, 0};
  l.report.RefreshAll();
  CMemoryGrid once = l.grid;
  l.report.RefreshAll();
  EXPECT_TRUE(l.grid.SameCells(once));

  // Undo takes the roll and the theft back: the cells show no trace of them.
  l.game.rolls.clear();
  l.game.rollCounts[1][6] = 0;
  l.game.players[1].stolenBy[0] = {};
  l.report.RefreshSections(Report(StatReport::Frequencies) | Report(StatReport::ByStealing) | Report(StatReport::StolenByOthers));
  LaidOut fresh(ThreeSeats());
  fresh.report.RefreshAll();
  EXPECT_TRUE(l.grid.SameCells(fresh.grid));
  EXPECT_EQ(l.At(1, 9, 5), "0.00%");
  EXPECT_EQ(l.At(13, 4, 11), "");
}

TEST(ReportRefresh, SessionNotificationsReachTheDependentSections) {
  LaidOut l(ThreeSeats());
  l.game.players[0].gainedFromBoard = {2, 0, 0, 0, 0};
  l.game.players[2].lostToRobber[0] = {0, 1, 0, 0, 0};
  l.game.players[1].givenTo[0] = {0, 0, 0, 0, 3};
  int redraws = l.grid.RedrawCount();
  l.report.RefreshSections(Report(StatReport::FromBoard) | Report(StatReport::FromRobberPlacement));
  EXPECT_EQ(l.grid.RedrawCount(), redraws + 1);
  EXPECT_FALSE(l.grid.RedrawHeld());
  EXPECT_EQ(l.At(7, 3, 4), "2");
  EXPECT_EQ(l.At(6, 3, 4), "2");   // "Total resources gained"
  EXPECT_EQ(l.At(11, 5, 5), "1");  // "Total resources lost"
  EXPECT_EQ(l.At(11, 5, 11), "1 wheat to Ann Lee");
  EXPECT_EQ(l.At(21, 4, 8), "0");  // trades not reported yet
  l.report.Refresh(16);
  EXPECT_EQ(l.At(21, 4, 8), "3");
  EXPECT_EQ(l.At(18, 4, 7), "3");
  // Headings carry no figures and cause no redraw.
  redraws = l.grid.RedrawCount();
  l.report.Refresh(0);
  l.report.Refresh(99);
  EXPECT_EQ(l.grid.RedrawCount(), redraws);
}

TEST(ReportRefresh, NewSeatsLayTheGridOutAgain) {
  LaidOut l(ThreeSeats());
  l.game = GameWithSeats({"A A", "B B", "C C", "D D", "E E"});
  l.report.Refresh(16);
  EXPECT_EQ(l.report.SeatCount(), 5);
  EXPECT_EQ(l.At(17, 7, 8), "--");
  LaidOut fresh(GameWithSeats({"A A", "B B", "C C", "D D", "E E"}));
  fresh.report.RefreshAll();
  EXPECT_TRUE(l.grid.SameCells(fresh.grid));
}

// A new or undone playing order keeps the seat count but moves the names
// and colours: the next refresh, or a layout check, lays the grid out anew.
TEST(ReportRefresh, ReorderedSeatsLayTheGridOutAgain) {
  LaidOut l(ThreeSeats());
  AddRoll(l.game, 0, 6);
  EXPECT_FALSE(l.report.SyncLayout(l.game));  // same record, same seats
  std::swap(l.game.players[0], l.game.players[2]);
  l.report.Refresh(1);
  EXPECT_EQ(l.At(4, 3, 3), "Cy Roe");  // "Time per turn", first seat row
  EXPECT_EQ(l.grid.Background(l.Row(4) + 3, 3), kPaleOrange);
  EXPECT_EQ(l.At(2, 2, 4), "Cy Roe");  // "Frequencies by player" header
  LaidOut fresh(l.game);
  fresh.report.RefreshAll();
  EXPECT_TRUE(l.grid.SameCells(fresh.grid));

  // Undone: the order goes back, with no refresh reported; the check alone
  // brings the grid back in step.
  std::swap(l.game.players[0], l.game.players[2]);
  EXPECT_TRUE(l.report.SyncLayout(l.game));
  EXPECT_EQ(l.At(4, 3, 3), "Ann Lee");
  EXPECT_EQ(l.grid.Background(l.Row(4) + 3, 3), kPaleWhite);
  LaidOut original(l.game);
  original.report.RefreshAll();
  EXPECT_TRUE(l.grid.SameCells(original.grid));

  // A changed colour alone, and another game record, also lay out again.
  l.game.players[1].color = 0x008000;
  EXPECT_TRUE(l.report.SyncLayout(l.game));
  CGame other = l.game;
  EXPECT_TRUE(l.report.SyncLayout(other));
  EXPECT_FALSE(l.report.SyncLayout(other));

  l.report.Clear();
  EXPECT_FALSE(l.report.IsBuilt());
  EXPECT_EQ(l.grid.RowCount(), 0);
  l.report.Refresh(1);  // nothing to write into
  EXPECT_EQ(l.grid.OutOfRangeWrites(), 0);
}

TEST(ReportNavigation, ShowSectionScrollsOnlyOnceBuilt) {
  CMemoryGrid grid;
  CStatisticsGrid report(grid);
  grid.Reset(400, 21);
  grid.SetTopRow(5);
  report.ShowSection(4);
  report.Refresh(1);
  EXPECT_EQ(grid.TopRow(), 5);
  EXPECT_EQ(report.SectionRow(4), -1);
  EXPECT_TRUE(grid.RowTexts(4).empty());

  CGame game = ThreeSeats();
  report.BuildLayout(game);
  report.ShowSection(4);
  EXPECT_EQ(grid.TopRow(), report.SectionRow(4) - 1);
  report.ShowSection(0);
  EXPECT_EQ(grid.TopRow(), 1);
  report.ShowSection(kStatReportCount);
  EXPECT_EQ(grid.TopRow(), 1);
}

}  // namespace
