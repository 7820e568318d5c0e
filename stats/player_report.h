#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class CGameDatabase;
class CPlayerDatabase;
class IReportGrid;

// The player statistics of the Statistics Database report: thirteen figures
// of a person over a choice of stored games, each named by a bit (1, 2, 4,
// ... 4096, in the order of kPlayerStatCount).
inline constexpr int kPlayerStatCount = 13;
using PlayerStatMask = uint32_t;
constexpr PlayerStatMask PlayerStatBit(int stat) { return PlayerStatMask{1} << stat; }
inline constexpr PlayerStatMask kAllPlayerStats = (PlayerStatMask{1} << kPlayerStatCount) - 1;

// The statistic's name as the dialog lists it ("Games played", ...).
const char* PlayerStatName(int stat);
// How the statistic is computed over several games, one line per statistic.
const char* PlayerStatFormula(int stat);
// Every formula, one per line ("Name: formula"), for the report's help.
std::string PlayerReportHelp();

// What one person gathered over the chosen games: every seat counts once per
// game (the first seat of that person in it).
struct CPlayerTally {
  int64_t games = 0;
  int64_t wins = 0;              // seats with 10 or more points
  int64_t points = 0;
  int64_t resources = 0;         // gained from the board, by cards and by stealing
  int64_t tradesWithOthers = 0;
  int64_t tradesWithBank = 0;
  int64_t cardsToOthers = 0;
  int64_t cardsFromOthers = 0;
  int64_t cardsToBank = 0;
  int64_t cardsFromBank = 0;
  int64_t opponentsBeaten = 0;   // seats of the game with fewer points
  int64_t opponentsFaced = 0;    // other seats of the game

  // Opponents beaten per opponent faced: the base of the power ranking.
  double PowerScore() const;
};

// The report table: a header row and one row per chosen player, texts in the
// program's 8-bit encoding.
struct CPlayerReport {
  std::vector<std::string> header;
  std::vector<std::vector<std::string>> rows;
};

// Which players, games and statistics the report covers. Empty player or
// game lists mean none; the dialog fills them with every index for
// "Include all ...".
struct CPlayerReportChoice {
  std::vector<int> players;  // player database indices
  std::vector<int> games;    // game database indices
  PlayerStatMask stats = kAllPlayerStats;
};

// Tallies of each chosen player (in `choice.players` order) over the chosen
// games, reading each chosen header once. `progress` (may be empty) hears
// (games read, games to read) now and then.
std::vector<CPlayerTally> TallyPlayers(const CPlayerDatabase& players, CGameDatabase& games,
                                       const CPlayerReportChoice& choice,
                                       const std::function<void(int, int)>& progress = {});

// The table of the chosen statistics for the chosen players, players sorted
// by their list name ("Last, First", case-insensitively) as the lists show
// them. Raises CDatabaseError for an index out of range.
CPlayerReport BuildPlayerReport(const CPlayerDatabase& players, CGameDatabase& games,
                                const CPlayerReportChoice& choice,
                                const std::function<void(int, int)>& progress = {});

// The table on a report grid (header in row 0), and as CSV and tabbed text.
void WritePlayerReport(const CPlayerReport& report, IReportGrid& grid);
std::string PlayerReportCsv(const CPlayerReport& report);
std::string PlayerReportText(const CPlayerReport& report);
