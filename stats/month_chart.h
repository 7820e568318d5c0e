#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "stats/player_page.h"

// A picture drawn off screen: width x height pixels, 4 bytes each in cairo's
// native ARGB32 order (B, G, R, A on little-endian machines), rows `stride`
// bytes apart.
struct CChartImage {
  int width = 0;
  int height = 0;
  int stride = 0;
  std::vector<uint8_t> pixels;
};

// The bar chart of games and wins per month: one pair of bars per month,
// games behind, wins in front, the months under them and a scale of games on
// the left. At most kChartMonths months are drawn (the latest); no month
// gives a chart saying "No games yet.".
inline constexpr int kChartMonths = 36;
CChartImage DrawMonthChart(const std::map<int, CWinTally>& months, int width, int height);
