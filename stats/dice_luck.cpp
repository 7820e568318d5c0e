#include "stats/dice_luck.h"

#include <algorithm>
#include <boost/math/distributions/chi_squared.hpp>

#include "records/formatted.h"

namespace {

// Ways of throwing each total 2..12 with two dice, out of 36.
constexpr std::array<int32_t, kDiceTotals> kWays = {1, 2, 3, 4, 5, 6, 5, 4, 3, 2, 1};
constexpr double kDegreesOfFreedom = kDiceTotals - 1;

void TestCounts(DiceFigures& dice) {
  dice.rolls = 0;
  for (int32_t c : dice.counts) dice.rolls += c;
  dice.chiSquare = 0.0;
  dice.pValue = 1.0;
  if (dice.rolls == 0) return;
  for (int32_t t = 2; t <= 12; ++t) {
    double expected = dice.Expected(t);
    double off = dice.counts[t - 2] - expected;
    dice.chiSquare += off * off / expected;
  }
  boost::math::chi_squared distribution(kDegreesOfFreedom);
  dice.pValue = boost::math::cdf(boost::math::complement(distribution, dice.chiSquare));
}

}  // namespace

double TotalChance(int32_t total) {
  if (total < 2 || total > 12) return 0.0;
  return kWays[total - 2] / 36.0;
}

DiceFigures DiceFiguresOf(const std::vector<int32_t>& rolls) {
  DiceFigures dice;
  dice.orderKnown = true;
  TotalCounts run{};  // rolls since each total last came up
  for (int32_t total : rolls) {
    if (total < 2 || total > 12) continue;
    dice.counts[total - 2] += 1;
    for (int i = 0; i < kDiceTotals; ++i) {
      run[i] = i == total - 2 ? 0 : run[i] + 1;
      dice.longestGap[i] = std::max(dice.longestGap[i], run[i]);
    }
  }
  TestCounts(dice);
  return dice;
}

DiceFigures DiceFiguresOfCounts(const TotalCounts& counts) {
  DiceFigures dice;
  // A damaged record may hold negative counts: they count as none.
  for (int i = 0; i < kDiceTotals; ++i) dice.counts[i] = std::max(counts[i], 0);
  TestCounts(dice);
  return dice;
}

std::string DiceVerdict(const DiceFigures& dice) {
  if (dice.rolls == 0) return "No dice have been rolled yet.";
  if (dice.pValue >= 0.05) return Formatted("These dice look fair (p = %.2f).", dice.pValue);
  if (dice.pValue >= 0.01) return Formatted("These dice look a little odd (p = %.3f).", dice.pValue);
  return Formatted("These dice look unfair (p = %.4f).", dice.pValue);
}
