// The Game Database list order (three keys, header clicks, text order) and
// the index fix-up after a delete.
#include <gtest/gtest.h>

#include "records/game_list_sort.h"

namespace {

CGameListRow Row(int index, std::string date, std::string time, std::string players = "") {
  CGameListRow row;
  row.index = index;
  row.date = std::move(date);
  row.time = std::move(time);
  row.players = std::move(players);
  return row;
}

std::vector<int> Indices(const std::vector<CGameListRow>& rows) {
  std::vector<int> out;
  for (const CGameListRow& row : rows) out.push_back(row.index);
  return out;
}

TEST(GameListOrder, HeaderClicksShiftTheKeysAndFlipTheFirst) {
  CGameListOrder order;
  EXPECT_FALSE(order.Sorted());
  order.ClickColumn(0);  // the first click sorts the unsorted list ascending
  EXPECT_TRUE(order.Sorted());
  EXPECT_FALSE(order.Keys()[0].descending);
  order.ClickColumn(0);  // the second flips
  EXPECT_TRUE(order.Keys()[0].descending);
  order.ClickColumn(3);
  order.ClickColumn(1);
  order.ClickColumn(1);
  EXPECT_EQ(order.Keys()[0].column, 1);
  EXPECT_TRUE(order.Keys()[0].descending);
  EXPECT_EQ(order.Keys()[1].column, 3);
  EXPECT_FALSE(order.Keys()[1].descending);
  EXPECT_EQ(order.Keys()[2].column, 0);
  EXPECT_TRUE(order.Keys()[2].descending);  // keeps its direction as it moves down
}

TEST(GameListOrder, RowsSortByTextWithTheLaterKeysBreakingTies) {
  std::vector<CGameListRow> rows = {Row(0, "9.13.2020", "1:00 PM"), Row(1, "11.14.2023", "9:00 AM"),
                                    Row(2, "9.13.2020", "10:05 AM"), Row(3, "4.15.2022", "1:00 PM")};
  CGameListOrder order;
  order.ClickColumn(1);  // Time, then Date
  order.ClickColumn(0);
  order.Sort(rows);
  // Dates as text: "11..." < "4..." < "9..."; the two 9.13.2020 by time text.
  EXPECT_EQ(Indices(rows), (std::vector<int>{1, 3, 2, 0}));
  order.ClickColumn(0);
  order.Sort(rows);
  EXPECT_EQ(Indices(rows), (std::vector<int>{2, 0, 3, 1}));  // date descending, time still ascending
}

TEST(GameListOrder, EightBitLettersSortAfterAscii) {
  std::vector<CGameListRow> rows = {Row(0, "", "", "\xC9mile Roy"), Row(1, "", "", "Zoe Ng")};
  CGameListOrder order;
  order.ClickColumn(4);
  order.Sort(rows);
  EXPECT_EQ(Indices(rows), (std::vector<int>{1, 0}));
}

TEST(GameListOrder, ADeletedGameLeavesEveryOtherRowOnItsGame) {
  std::vector<CGameListRow> rows = {Row(3, "a", ""), Row(0, "b", ""), Row(2, "c", ""), Row(1, "d", "")};
  RemoveDeletedGame(rows, 1);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(Indices(rows), (std::vector<int>{2, 0, 1}));
  EXPECT_EQ(rows[0].date, "a");
  EXPECT_EQ(rows[2].date, "c");
}

}  // namespace
