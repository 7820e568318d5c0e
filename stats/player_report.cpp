// The Statistics Database report: per-person figures summed over a choice of
// stored games. Counts are summed; averages and ratios are recomputed from
// the summed parts, never averaged; the ranking is recomputed over the
// chosen players and games.
#include "stats/player_report.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <unordered_set>

#include "records/database_ui.h"
#include "records/game.h"
#include "records/game_database.h"
#include "records/player_database.h"
#include "records/player_list.h"
#include "records/stat_report.h"
#include "stats/grid_text.h"
#include "stats/memory_grid.h"
#include "stats/section_compute.h"
#include "stats/stat_format.h"

namespace {

constexpr int kWinningPoints = 10;
// The resource sections whose seat totals feed the tallies.
constexpr int kTotalGainedSection = Index(StatReport::TotalGained);
constexpr int kToBankSection = Index(StatReport::TradedToBank);
constexpr int kFromBankSection = Index(StatReport::ReceivedFromBank);
constexpr int kToOthersSection = Index(StatReport::TradedToOthers);
constexpr int kFromOthersSection = Index(StatReport::ReceivedFromOthers);

struct StatInfo {
  const char* name;
  const char* formula;
};

// Bit order: 1 "Games played" ... 4096 "Trading ration with bank".
constexpr std::array<StatInfo, kPlayerStatCount> kStats = {{
    {"Games played", "the chosen games in which the player had a seat"},
    {"Games Won", "games ending with 10 or more points for the player; also per game played"},
    {"Power ranking",
     "place among the chosen players by power score = opponents with fewer points, summed over the games, "
     "divided by opponents faced, summed (equal scores share a place; no games: --)"},
    {"Average points", "victory points summed over the games, divided by games played"},
    {"Average resources",
     "resources gained (from the board, by development cards and by stealing) summed, divided by games played"},
    {"Average # trades with others", "trades with other players summed, divided by games played"},
    {"Average # trades with bank", "bank trades at 2:1, 3:1 and 4:1 summed, divided by games played"},
    {"Average # cards traded to others", "cards given to other players in trades summed, divided by games played"},
    {"Average # cards traded from others",
     "cards received from other players in trades summed, divided by games played"},
    {"Average # cards traded to bank", "cards given to the bank summed, divided by games played"},
    {"Average # cards traded from bank", "cards received from the bank summed, divided by games played"},
    {"Trading ratio with others", "cards received from others summed, divided by cards given to others summed"},
    {"Trading ration with bank", "cards received from the bank summed, divided by cards given to the bank summed"},
}};

// The statistics shown as a summed count and its average per game played.
struct AveragedCount {
  int stat;
  const char* countHeader;
  int64_t CPlayerTally::*sum;
};
constexpr std::array<AveragedCount, 9> kAveragedCounts = {{
    {1, "Games Won", &CPlayerTally::wins},
    {3, "Points", &CPlayerTally::points},
    {4, "Resources gained", &CPlayerTally::resources},
    {5, "Trades with others", &CPlayerTally::tradesWithOthers},
    {6, "Trades with bank", &CPlayerTally::tradesWithBank},
    {7, "Cards traded to others", &CPlayerTally::cardsToOthers},
    {8, "Cards traded from others", &CPlayerTally::cardsFromOthers},
    {9, "Cards traded to bank", &CPlayerTally::cardsToBank},
    {10, "Cards traded from bank", &CPlayerTally::cardsFromBank},
}};

const AveragedCount* AveragedCountOf(int stat) {
  for (const AveragedCount& c : kAveragedCounts)
    if (c.stat == stat) return &c;
  return nullptr;
}

std::string Quotient(int64_t numerator, int64_t denominator) {
  return FormatAverage(GuardedRatio(static_cast<double>(numerator), static_cast<double>(denominator)));
}

// Power score of a before b, compared exactly on the summed parts.
bool HigherPower(const CPlayerTally& a, const CPlayerTally& b) {
  return a.opponentsBeaten * b.opponentsFaced > b.opponentsBeaten * a.opponentsFaced;
}

// Competition ranks (1, 2, 2, 4) by power score; 0 for a player without games.
std::vector<int> PowerRanks(const std::vector<CPlayerTally>& tallies) {
  std::vector<int> ranks(tallies.size(), 0);
  for (std::size_t i = 0; i < tallies.size(); ++i) {
    if (tallies[i].opponentsFaced == 0) continue;
    int rank = 1;
    for (const CPlayerTally& other : tallies)
      if (other.opponentsFaced > 0 && HigherPower(other, tallies[i])) ++rank;
    ranks[i] = rank;
  }
  return ranks;
}

void CheckIndices(const std::vector<int>& indices, int count, const char* what) {
  for (int index : indices) {
    if (index < 0 || index >= count)
      throw CDatabaseError("There is no " + std::string(what) + " " + std::to_string(index) + " in the database.");
  }
}

void AddSeat(CPlayerTally& t, const CGame& game, int seat) {
  const CPlayerGame& p = game.players[static_cast<std::size_t>(seat)];
  const int seats = static_cast<int>(game.players.size());
  ++t.games;
  if (p.victoryPoints >= kWinningPoints) ++t.wins;
  t.points += p.victoryPoints;
  t.resources += SeatResourceTotal(game, seat, kTotalGainedSection);
  for (int k = 0; k < seats && k < 6; ++k) t.tradesWithOthers += p.tradesWith[static_cast<std::size_t>(k)];
  for (int32_t n : p.bankTrades) t.tradesWithBank += n;
  t.cardsToOthers += SeatResourceTotal(game, seat, kToOthersSection);
  t.cardsFromOthers += SeatResourceTotal(game, seat, kFromOthersSection);
  t.cardsToBank += SeatResourceTotal(game, seat, kToBankSection);
  t.cardsFromBank += SeatResourceTotal(game, seat, kFromBankSection);
  for (int k = 0; k < seats; ++k) {
    if (k == seat) continue;
    ++t.opponentsFaced;
    if (game.players[static_cast<std::size_t>(k)].victoryPoints < p.victoryPoints) ++t.opponentsBeaten;
  }
}

}  // namespace

const char* PlayerStatName(int stat) { return stat >= 0 && stat < kPlayerStatCount ? kStats[stat].name : ""; }
const char* PlayerStatFormula(int stat) {
  return stat >= 0 && stat < kPlayerStatCount ? kStats[stat].formula : "";
}

std::string PlayerReportHelp() {
  std::string help;
  for (const StatInfo& info : kStats) help += std::string(info.name) + ": " + info.formula + ".\n";
  return help;
}

double CPlayerTally::PowerScore() const {
  return GuardedRatio(static_cast<double>(opponentsBeaten), static_cast<double>(opponentsFaced));
}

std::vector<CPlayerTally> TallyPlayers(const CPlayerDatabase& players, CGameDatabase& games,
                                       const CPlayerReportChoice& choice,
                                       const std::function<void(int, int)>& progress) {
  CheckIndices(choice.players, players.Count(), "player");
  const int gameCount = games.GameCount();
  CheckIndices(choice.games, gameCount, "game");
  std::vector<CPlayerTally> tallies(choice.players.size());
  // Several chosen rows may be the same person: each gets the same figures.
  std::unordered_map<int32_t, std::vector<std::size_t>> slots;
  for (std::size_t i = 0; i < choice.players.size(); ++i)
    slots[players.Players()[static_cast<std::size_t>(choice.players[i])].playerId].push_back(i);
  std::vector<bool> chosen(static_cast<std::size_t>(gameCount), false);
  for (int g : choice.games) chosen[static_cast<std::size_t>(g)] = true;
  if (slots.empty() || choice.games.empty()) return tallies;

  const int total = static_cast<int>(choice.games.size());
  int read = 0;
  std::unordered_set<int32_t> seen;
  games.ForEachHeader([&](int index, const CGame& game) {
    if (!chosen[static_cast<std::size_t>(index)]) return;
    seen.clear();
    for (std::size_t s = 0; s < game.players.size(); ++s) {
      const int32_t id = game.players[s].player.playerId;
      if (!seen.insert(id).second) continue;  // only a person's first seat counts
      auto found = slots.find(id);
      if (found == slots.end()) continue;
      for (std::size_t slot : found->second) AddSeat(tallies[slot], game, static_cast<int>(s));
    }
    if (progress && (++read % 256 == 0 || read == total)) progress(read, total);
  });
  return tallies;
}

CPlayerReport BuildPlayerReport(const CPlayerDatabase& players, CGameDatabase& games,
                                const CPlayerReportChoice& choice, const std::function<void(int, int)>& progress) {
  std::vector<CPlayerTally> tallies = TallyPlayers(players, games, choice, progress);
  const std::vector<int> ranks = PowerRanks(tallies);

  CPlayerReport report;
  report.header.push_back("Players");
  for (int stat = 0; stat < kPlayerStatCount; ++stat) {
    if ((choice.stats & PlayerStatBit(stat)) == 0) continue;
    if (const AveragedCount* c = AveragedCountOf(stat)) {
      report.header.push_back(c->countHeader);
      report.header.push_back(stat == 1 ? "Games Won per game" : kStats[stat].name);
    } else if (stat == 2) {
      report.header.push_back("Power ranking");
      report.header.push_back("Power score");
    } else {
      report.header.push_back(kStats[stat].name);
    }
  }

  std::vector<std::size_t> order(tallies.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  auto name = [&](std::size_t i) {
    return players.Players()[static_cast<std::size_t>(choice.players[i])].ListName();
  };
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return PlayerNameLess(name(a), name(b)); });

  for (std::size_t i : order) {
    const CPlayerTally& t = tallies[i];
    std::vector<std::string> row{name(i)};
    for (int stat = 0; stat < kPlayerStatCount; ++stat) {
      if ((choice.stats & PlayerStatBit(stat)) == 0) continue;
      if (const AveragedCount* c = AveragedCountOf(stat)) {
        row.push_back(FormatCount(t.*(c->sum)));
        row.push_back(Quotient(t.*(c->sum), t.games));
      } else if (stat == 0) {
        row.push_back(FormatCount(t.games));
      } else if (stat == 2) {
        row.push_back(ranks[i] > 0 ? FormatCount(ranks[i]) : "--");
        row.push_back(FormatAverage(t.PowerScore()));
      } else if (stat == 11) {
        row.push_back(Quotient(t.cardsFromOthers, t.cardsToOthers));
      } else {
        row.push_back(Quotient(t.cardsFromBank, t.cardsToBank));
      }
    }
    report.rows.push_back(std::move(row));
  }
  return report;
}

void WritePlayerReport(const CPlayerReport& report, IReportGrid& grid) {
  grid.Reset(static_cast<int>(report.rows.size()) + 1, static_cast<int>(report.header.size()));
  for (std::size_t c = 0; c < report.header.size(); ++c) grid.SetCellText(0, static_cast<int>(c), report.header[c]);
  for (std::size_t r = 0; r < report.rows.size(); ++r)
    for (std::size_t c = 0; c < report.rows[r].size(); ++c)
      grid.SetCellText(static_cast<int>(r) + 1, static_cast<int>(c), report.rows[r][c]);
}

std::string PlayerReportCsv(const CPlayerReport& report) {
  CMemoryGrid grid;
  WritePlayerReport(report, grid);
  return GridAsCsv(grid);
}

std::string PlayerReportText(const CPlayerReport& report) {
  CMemoryGrid grid;
  WritePlayerReport(report, grid);
  return GridAsTabbedText(grid);
}
