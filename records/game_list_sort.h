#pragma once

#include <array>
#include <vector>

#include "records/game_list.h"

// The order of the Game Database list: three sort keys (column numbers), each
// with a direction, at first column 0 ascending three times. Clicking a
// header makes its column the first key, or flips the first key's direction
// when it already is. The list starts in database order, so the very first
// click on the first key's column sorts ascending rather than flipping a
// direction nobody has seen: "Date" clicked once sorts ascending, twice
// descending. Rows compare by the displayed texts of the first key column
// whose texts differ, byte by byte, so dates and lengths sort as text.
class CGameListOrder {
 public:
  struct Key {
    int column = 0;
    bool descending = false;
  };

  const std::array<Key, 3>& Keys() const { return keys_; }
  // True once a header was clicked (the list is no longer in database order).
  bool Sorted() const { return sorted_; }
  // A click on the header of `column` (0..4).
  void ClickColumn(int column);
  // True when row `a` goes before row `b`.
  bool Before(const CGameListRow& a, const CGameListRow& b) const;
  // Sorts the rows in this order (rows equal on all keys keep their order).
  void Sort(std::vector<CGameListRow>& rows) const;

 private:
  std::array<Key, 3> keys_{};  // column 0 ascending three times
  bool sorted_ = false;
};

// The displayed text of one column of a row (0 "Date" .. 4 "Players").
const std::string& GameListColumnText(const CGameListRow& row, int column);

// After game `deleted` left the database: removes its row and moves the
// index of every row that addressed a later game down by one, so each row
// still addresses the game it shows.
void RemoveDeletedGame(std::vector<CGameListRow>& rows, int deleted);
