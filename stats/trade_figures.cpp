// "Number of trades", "Trading partners" and "Trading ratios".
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "records/game.h"
#include "stats/game_statistics.h"
#include "stats/section_compute.h"
#include "stats/stat_format.h"

namespace {

// Shown where a seat's row meets its own column in "Trading partners".
constexpr const char* kSameSeat = "--";

int64_t SumResources(const ResourceCounts& values) {
  int64_t sum = 0;
  for (int32_t v : values) sum += v;
  return sum;
}

int64_t SumMatrix(const SeatMatrix& matrix, int seats) {
  int64_t sum = 0;
  for (int k = 0; k < seats; ++k) sum += SumResources(matrix[k]);
  return sum;
}

std::string Ratio(int64_t from, int64_t to) {
  return FormatAverage(GuardedRatio(static_cast<double>(from), static_cast<double>(to)));
}

std::vector<std::string> CountTexts(const std::array<int64_t, 5>& counts) {
  std::vector<std::string> texts;
  for (int64_t count : counts) texts.push_back(FormatCount(count));
  return texts;
}

// A table with one row per seat: `row(seat, seatCount)` gives its texts.
template <typename RowTexts>
SectionFigures RowPerSeat(const CGame& game, RowTexts row) {
  const int seats = StatSeatCount(game);
  SectionFigures figures;
  for (int s = 0; s < seats; ++s) figures.rows.push_back(row(s, seats));
  return figures;
}

}  // namespace

SectionFigures ComputeNumberOfTrades(const CGame& game) {
  std::array<int64_t, 5> totals{};  // to others, 2-1, 3-1, 4-1, all
  SectionFigures figures = RowPerSeat(game, [&](int s, int seats) {
    const CPlayerGame& p = game.players[s];
    std::array<int64_t, 5> row{};
    for (int k = 0; k < seats; ++k) row[0] += p.tradesWith[k];
    for (int ratio = 0; ratio < 3; ++ratio) row[1 + ratio] = p.bankTrades[ratio];
    row[4] = row[0] + row[1] + row[2] + row[3];
    for (int c = 0; c < 5; ++c) totals[c] += row[c];
    return CountTexts(row);
  });
  figures.rows.push_back(CountTexts(totals));
  return figures;
}

SectionFigures ComputeTradingPartners(const CGame& game) {
  return RowPerSeat(game, [&](int s, int seats) {
    std::vector<std::string> row;
    for (int k = 0; k < seats; ++k) row.push_back(k == s ? kSameSeat : FormatCount(game.players[s].tradesWith[k]));
    return row;
  });
}

SectionFigures ComputeTradingRatios(const CGame& game) {
  return RowPerSeat(game, [&](int s, int seats) -> std::vector<std::string> {
    const CPlayerGame& p = game.players[s];
    int64_t toBank = SumResources(p.givenToBank);
    int64_t fromBank = SumResources(p.receivedFromBank);
    int64_t toOthers = SumMatrix(p.givenTo, seats);
    int64_t fromOthers = SumMatrix(p.receivedFrom, seats);
    int64_t toTotal = toBank + toOthers;
    int64_t fromTotal = fromBank + fromOthers;
    return {FormatCount(toBank),   FormatCount(fromBank),   Ratio(fromBank, toBank),
            FormatCount(toOthers), FormatCount(fromOthers), Ratio(fromOthers, toOthers),
            FormatCount(toTotal),  FormatCount(fromTotal),  Ratio(fromTotal, toTotal)};
  });
}
