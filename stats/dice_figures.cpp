// "Frequencies" and "Frequencies by player": the dice totals rolled.
#include <cstdint>

#include "records/game.h"
#include "stats/game_statistics.h"
#include "stats/section_compute.h"
#include "stats/stat_format.h"

namespace {

constexpr int kLowestTotal = 2;
constexpr int kTotals = 11;  // 2..12

// Expected share of each total with two dice, 2..12.
constexpr const char* kExpected[kTotals] = {"2.77%",  "5.56%",  "8.33%", "11.11%", "13.89%", "16.67%",
                                            "13.89%", "11.11%", "8.33%", "5.56%",  "2.77%"};

struct RollSums {
  int64_t rolls = 0;     // number of rolls
  int64_t weighted = 0;  // sum of the totals rolled
};

// Totals rolled by one seat, or by all seats when `seat` is -1.
RollSums SumRolls(const CGame& game, int seat, int64_t (&counts)[kTotals]) {
  RollSums sums;
  for (int i = 0; i < kTotals; ++i) {
    counts[i] = 0;
    for (int s = 0; s < StatSeatCount(game); ++s)
      if (seat < 0 || seat == s) counts[i] += game.rollCounts[s][i];
    sums.rolls += counts[i];
    sums.weighted += counts[i] * (kLowestTotal + i);
  }
  return sums;
}

}  // namespace

const char* ExpectedRollPercent(int total) {
  int i = total - kLowestTotal;
  return i >= 0 && i < kTotals ? kExpected[i] : "";
}

SectionFigures ComputeFrequencies(const CGame& game) {
  int64_t counts[kTotals];
  RollSums sums = SumRolls(game, -1, counts);
  SectionFigures figures;
  for (int i = 0; i < kTotals; ++i) {
    // With no rolls the percentages stay at their initial "0.00%".
    double percent = GuardedRatio(static_cast<double>(counts[i]) * 100, static_cast<double>(sums.rolls));
    figures.rows.push_back({FormatCount(counts[i]), FormatRollPercent(percent)});
  }
  figures.rows.push_back(
      {FormatAverage(GuardedRatio(static_cast<double>(sums.weighted), static_cast<double>(sums.rolls)))});
  return figures;
}

SectionFigures ComputeFrequenciesByPlayer(const CGame& game) {
  int seats = StatSeatCount(game);
  SectionFigures figures;
  figures.rows.assign(kTotals + 1, {});
  for (int s = 0; s < seats; ++s) {
    int64_t counts[kTotals];
    RollSums sums = SumRolls(game, s, counts);
    for (int i = 0; i < kTotals; ++i) figures.rows[i].push_back(FormatCount(counts[i]));
    figures.rows[kTotals].push_back(
        FormatAverage(GuardedRatio(static_cast<double>(sums.weighted), static_cast<double>(sums.rolls))));
  }
  return figures;
}
