#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "stats/luck.h"

// The two luck charts, drawn with cairo so that the window and the command
// line show the same pictures: the dice against the 2d6 expectation (bars
// from 0, the p-value in words), and each player's cumulative luck over the
// turns in the player's colour.
enum class LuckChart { Dice, Luck };

constexpr int kChartWidth = 640;
constexpr int kChartHeight = 360;

// Pixels of a drawn chart: width x height, 3 bytes (R, G, B) each, row by row.
struct ChartPixels {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;
};
ChartPixels RenderLuckChart(LuckChart chart, const GameLuck& luck, int width = kChartWidth,
                            int height = kChartHeight);

enum class ChartFormat { Png, Svg };
// Writes the chart to `path`; false with `error` set when the file cannot be written.
bool WriteLuckChart(LuckChart chart, const GameLuck& luck, const std::string& path, ChartFormat format,
                    std::string* error);
// "dice" or "luck": the file name stem of each chart.
const char* LuckChartName(LuckChart chart);
