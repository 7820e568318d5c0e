#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "records/player.h"

class CGame;
class CGameDatabase;
class CPlayerGame;
class CPlayerDatabase;

// The page of one person over every stored game they sat in: record, rivals
// and habits. A game counts once, with the person's first seat in it, and is
// won when that seat has 10 or more points, as in the player lists; when two
// seats pass 9 points (hidden points counted) the game is a win for both.

// Games and wins of one group (a seat, a number of players, a month).
struct CWinTally {
  int games = 0;
  int wins = 0;
  double RatePercent() const { return games > 0 ? wins * 100.0 / games : 0.0; }
};

// Another person and how often something happened with them.
struct CPersonCount {
  int32_t playerId = 0;
  std::string name;  // display name, 8-bit
  int count = 0;
};

// One of the person's games, for the list of recent games.
struct CPageGame {
  int index = 0;  // game database index
  double startDays = 0.0;
  int seat = 0;  // the person's place in the playing order, from 0
  int seats = 0;
  int points = 0;
  bool won = false;
  std::string players;  // display names in seat order, joined with ", "
};

// Per-game habits, summed over the person's games.
struct CHabitSums {
  int64_t fromBoard = 0;          // resources produced by dice rolls
  int64_t lostOnSeven = 0;        // cards discarded on a 7
  int64_t robbed = 0;             // cards others took from the person (robber, Monopoly)
  int64_t robbing = 0;            // cards the person took from others
  int64_t tradesWithPlayers = 0;
  int64_t tradesWithBank = 0;
  int64_t cardsBought = 0;        // development cards
  int64_t cardsPlayed = 0;        // development cards played (victory points revealed included)
  int64_t longestRoad = 0;        // games ended holding the Longest Road
  int64_t largestArmy = 0;        // games ended holding the Largest Army
};

struct CPlayerPage {
  CPlayer player;
  int games = 0;
  int wins = 0;
  int sharedWins = 0;             // wins in which another seat also passed 9 points
  int64_t pointSum = 0;
  int64_t lengthSeconds = 0;      // summed game lengths (a game without an end counts 0)
  // Everyone tied at the top, ordered by name; empty when the count is 0.
  std::vector<CPersonCount> rivals;   // most games won by the person with them at the table
  std::vector<CPersonCount> nemeses;  // most games they won with the person at the table
  std::vector<CPersonCount> partners; // the three most frequent opponents, ties by name
  std::map<int, CWinTally> bySeat;          // key: place in the playing order, from 0
  std::map<int, CWinTally> byPlayerCount;   // key: number of seats
  CHabitSums habits;
  // Every month from the first game's to the last game's, months without games
  // included; key: ListMonth (year * 12 + month - 1).
  std::map<int, CWinTally> months;
  std::vector<CPageGame> recentGames;  // newest start first, at most kRecentGames
  // The average luck per game over the games with a replay, as the luck
  // figures write it; empty when none has one (or it was not asked for).
  std::string averageLuck;

  static constexpr int kRecentGames = 10;

  double WinRatePercent() const { return games > 0 ? wins * 100.0 / games : 0.0; }
  double AveragePoints() const { return games > 0 ? static_cast<double>(pointSum) / games : 0.0; }
  int64_t AverageLengthSeconds() const { return games > 0 ? lengthSeconds / games : 0; }
  double PerGame(int64_t sum) const { return games > 0 ? static_cast<double>(sum) / games : 0.0; }
};

// Gathers the page of one person game by game; Finish names the other people
// (by the player database where it knows them, otherwise by their seats).
class CPlayerPageBuilder {
 public:
  explicit CPlayerPageBuilder(CPlayer player);
  void AddGame(int index, const CGame& game);
  CPlayerPage Finish(const CPlayerDatabase* players);

 private:
  struct Opponent {
    std::string seatName;  // as seated in the latest game read
    int beaten = 0;        // games the person won with them at the table
    int wonAgainst = 0;    // games they won with the person at the table
    int met = 0;
  };
  CPlayerPage page_;
  std::unordered_map<int32_t, Opponent> opponents_;
};

// The page of player `index` of `players`, reading each stored header once.
// Raises CDatabaseError for an index out of range or an unreadable database.
CPlayerPage BuildPlayerPage(const CPlayerDatabase& players, CGameDatabase& games, int index);

// The page as lines of "label<TAB>value" text, or as CSV ("section,label,
// value" rows), 8-bit; the command line and the window show the same texts.
struct CPageLine {
  std::string section;
  std::string label;
  std::string value;
};
std::vector<CPageLine> PlayerPageLines(const CPlayerPage& page);
std::string PlayerPageText(const CPlayerPage& page);
std::string PlayerPageCsv(const CPlayerPage& page);

// How a tie for rival or nemesis is shown, for the page's note.
inline constexpr const char* kTieNote =
    "A tie for rival or nemesis lists everyone tied, by name. A game in which two seats passed 9 points "
    "(hidden points counted) is a win for both.";

// A place in the playing order as the page names it: "First" .. "Sixth".
std::string SeatLabel(int seat);

// Hidden victory point cards counted at the end, from the seat's final state:
// points not explained by buildings, Longest Road, Largest Army and revealed
// victory points.
int32_t HiddenPointsOf(const CPlayerGame& seat);
