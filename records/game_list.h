#pragma once

#include <string>
#include <vector>

class CGame;
class CGameDatabase;

// One row of the game lists: the texts of the columns "Date", "Time",
// "# Players", "Length" and "Players", and the game's database index.
struct CGameListRow {
  int index = 0;
  std::string date;         // "%#m.%d.%Y" of startTime
  std::string time;         // "%#I:%M %p" of startTime
  std::string playerCount;  // "%d"
  std::string length;       // "%#Hh, %#Mm, %#Ss" of endTime - startTime
  std::string players;      // display names in seat order, joined with ", "
};

// Every stored game in database order, reading each header once.
std::vector<CGameListRow> GameList(CGameDatabase& games);
CGameListRow GameListRow(int index, const CGame& game);

// The column formats, from day counts since 30 December 1899.
std::string ListDate(double days);
std::string ListTime(double days);
std::string ListLength(double spanDays);
// The calendar month of a day count as the "Date" column reads it: year * 12
// + month - 1 (month 1-12), so that consecutive months are consecutive numbers.
int ListMonth(double days);
