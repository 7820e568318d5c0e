#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The dice of one game against two fair dice: how often each total came up
// against the 2d6 expectation, Pearson's chi-square test of the counts, the
// sevens, and for each total the longest run of rolls without it.

constexpr int kDiceTotals = 11;  // totals 2..12, at index total - 2
using TotalCounts = std::array<int32_t, kDiceTotals>;

// The chance of a total with two fair dice: its ways out of 36 (0 off 2..12).
double TotalChance(int32_t total);

struct DiceFigures {
  TotalCounts counts{};
  int32_t rolls = 0;
  double chiSquare = 0.0;  // Pearson's statistic, 10 degrees of freedom
  double pValue = 1.0;     // chance of a statistic at least this large from fair dice
  // The longest runs need the rolls in order; a stored game read only as
  // counts does not have them.
  bool orderKnown = false;
  TotalCounts longestGap{};

  double Expected(int32_t total) const { return rolls * TotalChance(total); }
  int32_t Sevens() const { return counts[5]; }
};

// From the totals in the order they were rolled (values off 2..12 are ignored).
DiceFigures DiceFiguresOf(const std::vector<int32_t>& rolls);
// From the counts alone.
DiceFigures DiceFiguresOfCounts(const TotalCounts& counts);

// The p-value in words: "These dice look fair (p = 0.62).", ...
std::string DiceVerdict(const DiceFigures& dice);
