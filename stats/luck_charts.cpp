#include "stats/luck_charts.h"

#include <cairo-svg.h>
#include <cairo.h>

#include <algorithm>
#include <cmath>

#include "records/formatted.h"
#include "records/text_encoding.h"

namespace {

struct Rgb {
  double r, g, b;
};

constexpr Rgb kInk = {0.15, 0.15, 0.15};
constexpr Rgb kGrid = {0.85, 0.85, 0.85};
constexpr Rgb kBar = {0.36, 0.55, 0.78};
constexpr Rgb kExpected = {0.80, 0.22, 0.12};
constexpr double kFontSize = 13.0;

// The plot area inside the chart's margins.
struct Plot {
  double left, top, right, bottom;
  double Width() const { return right - left; }
  double Height() const { return bottom - top; }
};

void SetColour(cairo_t* cr, Rgb c) { cairo_set_source_rgb(cr, c.r, c.g, c.b); }

// A player's colour value 0x00BBGGRR.
Rgb PlayerColour(int32_t value) {
  return {(value & 0xFF) / 255.0, ((value >> 8) & 0xFF) / 255.0, ((value >> 16) & 0xFF) / 255.0};
}

enum class Align { Left, Centre, Right };

// Text (UTF-8) with its baseline at y.
void Text(cairo_t* cr, const std::string& text, double x, double y, Align align, double size = kFontSize,
          bool bold = false) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                         bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
  cairo_text_extents_t extents;
  cairo_text_extents(cr, text.c_str(), &extents);
  double shift = align == Align::Left ? 0.0 : align == Align::Centre ? extents.x_advance / 2 : extents.x_advance;
  cairo_move_to(cr, x - shift, y);
  cairo_show_text(cr, text.c_str());
}

// A tick step of 1, 2 or 5 times a power of ten giving about `ticks` ticks.
double NiceStep(double span, int ticks) {
  double raw = span / ticks;
  double power = std::pow(10.0, std::floor(std::log10(raw)));
  for (double m : {1.0, 2.0, 5.0})
    if (m * power >= raw) return m * power;
  return 10.0 * power;
}

// Horizontal grid lines and labels from `low` to `high` (multiples of step).
void ValueAxis(cairo_t* cr, const Plot& plot, double low, double high, double step, const char* format) {
  cairo_set_line_width(cr, 1.0);
  for (double v = low; v <= high + step / 2; v += step) {
    double y = plot.bottom - (v - low) / (high - low) * plot.Height();
    SetColour(cr, std::abs(v) < step / 2 ? kInk : kGrid);
    cairo_move_to(cr, plot.left, std::round(y) + 0.5);
    cairo_line_to(cr, plot.right, std::round(y) + 0.5);
    cairo_stroke(cr);
    SetColour(cr, kInk);
    Text(cr, Formatted(format, std::abs(v) < step / 2 ? 0.0 : v), plot.left - 6, y + 4, Align::Right, 11);
  }
}

void Background(cairo_t* cr, int width, int height) {
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_rectangle(cr, 0, 0, width, height);
  cairo_fill(cr);
}

void DrawDice(cairo_t* cr, const DiceFigures& dice, int width, int height) {
  Plot plot{56, 64, width - 20.0, height - 48.0};
  SetColour(cr, kInk);
  Text(cr, "Dice rolled against fair dice (" + std::to_string(dice.rolls) + " rolls)", width / 2.0, 22,
       Align::Centre, 15, true);
  Text(cr, DiceVerdict(dice), width / 2.0, 42, Align::Centre);
  // The scale starts at 0 and reaches the larger of the counts and the expectation.
  double top = 1.0;
  for (int32_t t = 2; t <= 12; ++t) top = std::max({top, static_cast<double>(dice.counts[t - 2]), dice.Expected(t)});
  double step = std::max(1.0, NiceStep(top, 5));
  top = std::ceil(top / step) * step;
  ValueAxis(cr, plot, 0, top, step, "%.0f");
  double slot = plot.Width() / kDiceTotals;
  for (int32_t t = 2; t <= 12; ++t) {
    double x = plot.left + (t - 2) * slot;
    double barHeight = dice.counts[t - 2] / top * plot.Height();
    SetColour(cr, kBar);
    cairo_rectangle(cr, x + slot * 0.18, plot.bottom - barHeight, slot * 0.64, barHeight);
    cairo_fill(cr);
    double expectedY = plot.bottom - dice.Expected(t) / top * plot.Height();
    SetColour(cr, kExpected);
    cairo_set_line_width(cr, 3.0);
    cairo_move_to(cr, x + slot * 0.08, expectedY);
    cairo_line_to(cr, x + slot * 0.92, expectedY);
    cairo_stroke(cr);
    SetColour(cr, kInk);
    Text(cr, std::to_string(t), x + slot / 2, plot.bottom + 18, Align::Centre);
  }
  Text(cr, "Total", width / 2.0, height - 10.0, Align::Centre, 12);
  // Legend.
  SetColour(cr, kBar);
  cairo_rectangle(cr, plot.left, height - 22.0, 14, 12);
  cairo_fill(cr);
  SetColour(cr, kInk);
  Text(cr, "Rolled", plot.left + 20, height - 11.0, Align::Left, 12);
  SetColour(cr, kExpected);
  cairo_set_line_width(cr, 3.0);
  cairo_move_to(cr, plot.right - 110, height - 16.0);
  cairo_line_to(cr, plot.right - 92, height - 16.0);
  cairo_stroke(cr);
  SetColour(cr, kInk);
  Text(cr, "Expected", plot.right - 86, height - 11.0, Align::Left, 12);
}

void DrawLuckLines(cairo_t* cr, const GameLuck& luck, int width, int height) {
  Plot plot{56, 52, width - 190.0, height - 40.0};
  SetColour(cr, kInk);
  Text(cr, "Luck over the turns", width / 2.0, 22, Align::Centre, 15, true);
  Text(cr, "cards received minus cards expected", width / 2.0, 40, Align::Centre, 12);
  std::vector<std::vector<double>> lines;
  double low = -1.0;
  double high = 1.0;
  for (std::size_t s = 0; s < luck.seats.size(); ++s) {
    lines.push_back(luck.CumulativeLuck(static_cast<int32_t>(s)));
    for (double v : lines.back()) {
      low = std::min(low, v);
      high = std::max(high, v);
    }
  }
  double step = NiceStep(high - low, 6);
  low = std::floor(low / step) * step;
  high = std::ceil(high / step) * step;
  ValueAxis(cr, plot, low, high, step, step < 1 ? "%+.1f" : "%+.0f");
  std::size_t turns = luck.rolls.size();
  double xScale = plot.Width() / std::max<std::size_t>(turns, 1);
  auto yOf = [&](double v) { return plot.bottom - (v - low) / (high - low) * plot.Height(); };
  // Turn labels at a readable spacing.
  double turnStep = std::max(1.0, NiceStep(std::max<double>(static_cast<double>(turns), 1.0), 8));
  for (double t = 0; t <= static_cast<double>(turns) + 0.5; t += turnStep)
    Text(cr, Formatted("%.0f", t), plot.left + t * xScale, plot.bottom + 16, Align::Centre, 11);
  Text(cr, "Turn", (plot.left + plot.right) / 2, height - 6.0, Align::Centre, 12);
  if (!luck.hasProduction) {
    Text(cr, "No replay: only the dice are known for this game.", (plot.left + plot.right) / 2,
         (plot.top + plot.bottom) / 2, Align::Centre);
  }
  for (std::size_t s = 0; s < lines.size() && luck.hasProduction; ++s) {
    // A dark casing under the colour keeps a white player's line visible.
    for (int pass = 0; pass < 2; ++pass) {
      if (pass == 0) cairo_set_source_rgb(cr, 0.3, 0.3, 0.3);
      else SetColour(cr, PlayerColour(luck.seats[s].colour));
      cairo_set_line_width(cr, pass == 0 ? 4.5 : 2.5);
      cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
      for (std::size_t i = 0; i < lines[s].size(); ++i) {
        double x = plot.left + static_cast<double>(i) * xScale;
        if (i == 0) cairo_move_to(cr, x, yOf(lines[s][i]));
        else cairo_line_to(cr, x, yOf(lines[s][i]));
      }
      cairo_stroke(cr);
    }
  }
  // Legend: colour, name and the game's luck.
  for (std::size_t s = 0; s < luck.seats.size(); ++s) {
    double y = plot.top + 10 + 24.0 * static_cast<double>(s);
    cairo_rectangle(cr, plot.right + 16, y - 10, 16, 12);
    SetColour(cr, PlayerColour(luck.seats[s].colour));
    cairo_fill_preserve(cr);
    SetColour(cr, kInk);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    std::string label = Cp1252ToUtf8(luck.seats[s].name);
    if (luck.hasProduction) label += " " + LuckText(luck.seats[s].Luck());
    Text(cr, label, plot.right + 38, y, Align::Left, 12);
  }
}

void Draw(cairo_t* cr, LuckChart chart, const GameLuck& luck, int width, int height) {
  Background(cr, width, height);
  if (chart == LuckChart::Dice) DrawDice(cr, luck.dice, width, height);
  else DrawLuckLines(cr, luck, width, height);
}

}  // namespace

const char* LuckChartName(LuckChart chart) { return chart == LuckChart::Dice ? "dice" : "luck"; }

ChartPixels RenderLuckChart(LuckChart chart, const GameLuck& luck, int width, int height) {
  ChartPixels pixels;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  cairo_t* cr = cairo_create(surface);
  Draw(cr, chart, luck, width, height);
  cairo_destroy(cr);
  cairo_surface_flush(surface);
  if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS) {
    pixels.width = width;
    pixels.height = height;
    pixels.rgb.resize(static_cast<std::size_t>(width) * height * 3);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        uint32_t argb = *reinterpret_cast<const uint32_t*>(data + y * stride + x * 4);
        uint8_t* out = &pixels.rgb[(static_cast<std::size_t>(y) * width + x) * 3];
        out[0] = static_cast<uint8_t>(argb >> 16);
        out[1] = static_cast<uint8_t>(argb >> 8);
        out[2] = static_cast<uint8_t>(argb);
      }
    }
  }
  cairo_surface_destroy(surface);
  return pixels;
}

bool WriteLuckChart(LuckChart chart, const GameLuck& luck, const std::string& path, ChartFormat format,
                    std::string* error) {
  cairo_surface_t* surface = format == ChartFormat::Svg
                                 ? cairo_svg_surface_create(path.c_str(), kChartWidth, kChartHeight)
                                 : cairo_image_surface_create(CAIRO_FORMAT_RGB24, kChartWidth, kChartHeight);
  cairo_t* cr = cairo_create(surface);
  Draw(cr, chart, luck, kChartWidth, kChartHeight);
  cairo_destroy(cr);
  cairo_status_t status = cairo_surface_status(surface);
  if (status == CAIRO_STATUS_SUCCESS && format == ChartFormat::Png)
    status = cairo_surface_write_to_png(surface, path.c_str());
  cairo_surface_finish(surface);
  if (status == CAIRO_STATUS_SUCCESS) status = cairo_surface_status(surface);
  cairo_surface_destroy(surface);
  if (status != CAIRO_STATUS_SUCCESS && error) *error = path + ": " + cairo_status_to_string(status);
  return status == CAIRO_STATUS_SUCCESS;
}
