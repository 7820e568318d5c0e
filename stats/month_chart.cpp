#include "stats/month_chart.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>

#include <cairo.h>

namespace {

struct Rgb {
  double r, g, b;
};
constexpr Rgb kBackground{1.0, 1.0, 1.0};
constexpr Rgb kInk{0.2, 0.2, 0.2};
constexpr Rgb kGrid{0.85, 0.85, 0.85};
constexpr Rgb kGames{0.62, 0.74, 0.87};
constexpr Rgb kWins{0.18, 0.55, 0.27};
const char* const kMonthLetters = "JFMAMJJASOND";

void SetColour(cairo_t* cr, Rgb c) { cairo_set_source_rgb(cr, c.r, c.g, c.b); }

void Text(cairo_t* cr, double x, double y, const char* text, double alignX) {
  cairo_text_extents_t extents;
  cairo_text_extents(cr, text, &extents);
  cairo_move_to(cr, x - extents.x_advance * alignX, y);
  cairo_show_text(cr, text);
}

// A step of the scale that gives at most about five lines.
int ScaleStep(int most) {
  for (int step : {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000})
    if (most / step <= 5) return step;
  return most / 5 + 1;
}

void DrawLegend(cairo_t* cr, double right, double y) {
  const struct {
    Rgb colour;
    const char* label;
  } keys[] = {{kGames, "Games"}, {kWins, "Wins"}};
  double x = right;
  for (auto it = std::rbegin(keys); it != std::rend(keys); ++it) {
    cairo_text_extents_t extents;
    cairo_text_extents(cr, it->label, &extents);
    x -= extents.x_advance;
    SetColour(cr, kInk);
    cairo_move_to(cr, x, y);
    cairo_show_text(cr, it->label);
    x -= 14;
    SetColour(cr, it->colour);
    cairo_rectangle(cr, x, y - 9, 10, 10);
    cairo_fill(cr);
    x -= 12;
  }
}

void DrawBars(cairo_t* cr, const std::map<int, CWinTally>& months, double left, double top, double right,
              double bottom) {
  auto first = months.begin();
  if (months.size() > static_cast<std::size_t>(kChartMonths)) std::advance(first, months.size() - kChartMonths);
  const int count = static_cast<int>(std::distance(first, months.end()));
  int most = 1;
  for (auto it = first; it != months.end(); ++it) most = std::max(most, it->second.games);
  const int step = ScaleStep(most);
  const int scaleTop = (most + step - 1) / step * step;
  const double perGame = (bottom - top) / scaleTop;

  char label[32];
  cairo_set_line_width(cr, 1.0);
  for (int v = 0; v <= scaleTop; v += step) {
    const double y = bottom - v * perGame + 0.5;
    SetColour(cr, kGrid);
    cairo_move_to(cr, left, y);
    cairo_line_to(cr, right, y);
    cairo_stroke(cr);
    SetColour(cr, kInk);
    std::snprintf(label, sizeof label, "%d", v);
    Text(cr, left - 4, y + 4, label, 1.0);
  }

  const double slot = (right - left) / count;
  const double bar = std::clamp(slot * 0.7, 2.0, 36.0);
  const int labelEvery = std::max(1, static_cast<int>(std::ceil(28.0 / slot)));
  int i = 0;
  for (auto it = first; it != months.end(); ++it, ++i) {
    const double x = left + i * slot + (slot - bar) / 2;
    SetColour(cr, kGames);
    cairo_rectangle(cr, x, bottom - it->second.games * perGame, bar, it->second.games * perGame);
    cairo_fill(cr);
    SetColour(cr, kWins);
    cairo_rectangle(cr, x + bar * 0.25, bottom - it->second.wins * perGame, bar * 0.5, it->second.wins * perGame);
    cairo_fill(cr);
    const int month = it->first % 12;
    if (i % labelEvery == 0 || month == 0) {
      SetColour(cr, kInk);
      if (month == 0 || i == 0) {
        std::snprintf(label, sizeof label, "%d", it->first / 12);
        Text(cr, x + bar / 2, bottom + 26, label, 0.5);
      }
      const char letter[2] = {kMonthLetters[month], 0};
      Text(cr, x + bar / 2, bottom + 13, letter, 0.5);
    }
  }
}

}  // namespace

CChartImage DrawMonthChart(const std::map<int, CWinTally>& months, int width, int height) {
  CChartImage image;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  cairo_t* cr = cairo_create(surface);
  SetColour(cr, kBackground);
  cairo_paint(cr);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, 11);

  SetColour(cr, kInk);
  const bool cut = months.size() > static_cast<std::size_t>(kChartMonths);
  Text(cr, 8, 16, cut ? "Games and wins per month (latest 36 months)" : "Games and wins per month", 0.0);
  if (months.empty()) {
    Text(cr, width / 2.0, height / 2.0, "No games yet.", 0.5);
  } else {
    DrawLegend(cr, width - 8, 16);
    DrawBars(cr, months, 34, 28, width - 10, height - 32);
  }

  cairo_destroy(cr);
  cairo_surface_flush(surface);
  image.width = width;
  image.height = height;
  image.stride = cairo_image_surface_get_stride(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  image.pixels.assign(data, data + static_cast<std::size_t>(image.stride) * height);
  cairo_surface_destroy(surface);
  return image;
}
