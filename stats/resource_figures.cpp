// The resource tables (gained, lost, traded), the "From board" shares and
// the detail texts of who took what from whom.
#include <array>
#include <cctype>
#include <cstdint>
#include <string>

#include "engine/board/tile_type.h"
#include "records/game.h"
#include "stats/game_statistics.h"
#include "stats/section_compute.h"
#include "stats/stat_format.h"

namespace {

using Counts = std::array<int64_t, kResourceCount>;

void Add(Counts& sum, const ResourceCounts& values) {
  for (int r = 0; r < kResourceCount; ++r) sum[r] += values[r];
}

// Σk over the game's seats of a seat matrix's rows.
void AddRows(Counts& sum, const SeatMatrix& matrix, int seats) {
  for (int k = 0; k < seats; ++k) Add(sum, matrix[k]);
}

// One seat's five figures of a resource section.
Counts SeatCounts(const CPlayerGame& p, int section, int seats) {
  Counts c{};
  switch (static_cast<StatReport>(section)) {
    case StatReport::TotalGained: Add(c, p.gainedFromBoard); Add(c, p.gainedFromCards); AddRows(c, p.stolenFrom, seats); break;
    case StatReport::FromBoard: Add(c, p.gainedFromBoard); break;
    case StatReport::ByStealing: AddRows(c, p.stolenFrom, seats); break;
    case StatReport::ByDevelopmentCards: Add(c, p.gainedFromCards); break;
    case StatReport::TotalLost: AddRows(c, p.lostToRobber, seats); AddRows(c, p.stolenBy, seats); Add(c, p.lostOnSeven); break;
    case StatReport::FromRobberPlacement: AddRows(c, p.lostToRobber, seats); break;
    case StatReport::StolenByOthers: AddRows(c, p.stolenBy, seats); break;
    case StatReport::FromSevenRoll: Add(c, p.lostOnSeven); break;
    case StatReport::TradedToBank: Add(c, p.givenToBank); break;
    case StatReport::ReceivedFromBank: Add(c, p.receivedFromBank); break;
    case StatReport::TradedToOthers: AddRows(c, p.givenTo, seats); break;
    case StatReport::ReceivedFromOthers: AddRows(c, p.receivedFrom, seats); break;
    default: break;
  }
  return c;
}

int64_t Sum(const Counts& c) {
  int64_t sum = 0;
  for (int64_t v : c) sum += v;
  return sum;
}

std::vector<std::string> CountRow(const Counts& c) {
  std::vector<std::string> row;
  for (int64_t v : c) row.push_back(FormatCount(v));
  row.push_back(FormatCount(Sum(c)));
  return row;
}

// The seat matrix entry a detail text reports: what seat k took from this
// seat (or this seat from seat k) of resource j.
int64_t DetailValue(const CPlayerGame& p, int section, int k, int j) {
  switch (static_cast<StatReport>(section)) {
    case StatReport::ByStealing: return p.stolenFrom[k][j];
    case StatReport::TotalLost: return int64_t{p.lostToRobber[k][j]} + p.stolenBy[k][j];
    case StatReport::FromRobberPlacement: return p.lostToRobber[k][j];
    case StatReport::StolenByOthers: return p.stolenBy[k][j];
    default: return 0;
  }
}

std::string LowerResourceName(int r) {
  std::string name = ResourceName(static_cast<ResourceType>(r));
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return name;
}

// "2 ore, 1 sheep from Ann Lee; 1 clay from Bo Ng": for each other seat in
// order, the resources that moved, then " from " or " to " and its player.
std::string DetailText(const CGame& game, int seat, int section) {
  const char* word = section == Index(StatReport::ByStealing) ? " from " : " to ";
  int seats = StatSeatCount(game);
  std::string text;
  for (int k = 0; k < seats; ++k) {
    std::string part;
    for (int j = 0; j < kResourceCount; ++j) {
      int64_t v = DetailValue(game.players[seat], section, k, j);
      if (v != 0) part += FormatCount(v) + " " + LowerResourceName(j) + ", ";
    }
    if (part.empty()) continue;
    part.resize(part.size() - 2);
    text += part + word + game.players[k].player.DisplayName() + "; ";
  }
  if (!text.empty()) text.resize(text.size() - 2);
  return text;
}

// Each seat's share of the production of each resource and of all of it.
std::vector<std::vector<std::string>> ShareRows(const std::vector<Counts>& seatCounts, const Counts& columnTotals) {
  int64_t grandTotal = Sum(columnTotals);
  std::vector<std::vector<std::string>> rows;
  for (const Counts& c : seatCounts) {
    std::vector<std::string> row;
    for (int r = 0; r < kResourceCount; ++r)
      row.push_back(FormatShare(GuardedRatio(static_cast<double>(c[r]) * 100, static_cast<double>(columnTotals[r]))));
    row.push_back(FormatShare(GuardedRatio(static_cast<double>(Sum(c)) * 100, static_cast<double>(grandTotal))));
    rows.push_back(row);
  }
  return rows;
}

}  // namespace

int64_t SeatResourceTotal(const CGame& game, int seat, int section) {
  return Sum(SeatCounts(game.players[static_cast<std::size_t>(seat)], section, StatSeatCount(game)));
}

SectionFigures ComputeResourceSection(const CGame& game, int section) {
  int seats = StatSeatCount(game);
  SectionFigures figures;
  std::vector<Counts> seatCounts;
  Counts totals{};
  for (int s = 0; s < seats; ++s) {
    seatCounts.push_back(SeatCounts(game.players[s], section, seats));
    for (int r = 0; r < kResourceCount; ++r) totals[r] += seatCounts.back()[r];
    figures.rows.push_back(CountRow(seatCounts.back()));
    if (HasDetailText(section)) figures.details.push_back(DetailText(game, s, section));
  }
  figures.rows.push_back(CountRow(totals));
  if (HasShareTable(section)) figures.shares = ShareRows(seatCounts, totals);
  return figures;
}
