// The month chart: bars where the months have games, wins in their own
// colour, nothing but the note when there is no game.
#include <gtest/gtest.h>

#include "stats/month_chart.h"

namespace {

// Pixels whose red, green and blue are those of the colour (ARGB32 words).
int CountColour(const CChartImage& image, uint8_t r, uint8_t g, uint8_t b) {
  int count = 0;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const uint8_t* p = &image.pixels[static_cast<std::size_t>(y) * image.stride + 4 * x];
      const uint32_t word = p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
      count += ((word >> 16) & 0xFF) == r && ((word >> 8) & 0xFF) == g && (word & 0xFF) == b;
    }
  }
  return count;
}

// Without the legend's 10 x 10 square of each colour (a chart with months has one).
int WinPixels(const CChartImage& image) { return CountColour(image, 46, 140, 69) - 100; }
int GamePixels(const CChartImage& image) { return CountColour(image, 158, 189, 222) - 100; }

TEST(MonthChart, BarsShowGamesAndWins) {
  const CChartImage empty = DrawMonthChart({}, 300, 150);
  ASSERT_EQ(empty.width, 300);
  ASSERT_EQ(empty.height, 150);
  ASSERT_GE(empty.stride, 4 * 300);
  ASSERT_EQ(empty.pixels.size(), static_cast<std::size_t>(empty.stride) * 150);
  EXPECT_EQ(GamePixels(empty), -100);  // no legend either
  EXPECT_EQ(WinPixels(empty), -100);

  const CChartImage noWins = DrawMonthChart({{24277, {2, 0}}, {24278, {0, 0}}}, 300, 150);
  EXPECT_GT(GamePixels(noWins), 100);
  EXPECT_EQ(WinPixels(noWins), 0);

  // Twice the games in the second month: about twice the games bar.
  const CChartImage twoMonths = DrawMonthChart({{24277, {1, 1}}, {24278, {2, 0}}}, 300, 150);
  EXPECT_GT(WinPixels(twoMonths), 100);
  EXPECT_GT(GamePixels(twoMonths), 2 * WinPixels(twoMonths));
}

TEST(MonthChart, ManyMonthsKeepOnlyTheLatest) {
  std::map<int, CWinTally> months;
  for (int m = 0; m < 120; ++m) months[24000 + m] = {1, m >= 120 - kChartMonths ? 0 : 1};
  // The wins are all in months older than the latest 36, which are not drawn.
  EXPECT_EQ(WinPixels(DrawMonthChart(months, 400, 150)), 0);
}

}  // namespace
