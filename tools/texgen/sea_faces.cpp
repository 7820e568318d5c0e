// Faces of the sea frame: open water and harbours.
#include <cmath>
#include <string>

#include "tools/texgen/palette.h"
#include "tools/texgen/resource_symbols.h"
#include "tools/texgen/tile_faces.h"

namespace {

const double kPi = std::acos(-1.0);

void Water(cairo_t* cr) {
  cairo_pattern_t* depth = cairo_pattern_create_radial(0, 0, 0.1, 0, 0, 1.3);
  cairo_pattern_add_color_stop_rgb(depth, 0, 0.20, 0.48, 0.75);
  cairo_pattern_add_color_stop_rgb(depth, 1, 0.13, 0.35, 0.60);
  cairo_set_source(cr, depth);
  cairo_rectangle(cr, -1.1, -1.0, 2.2, 2.0);
  cairo_fill(cr);
  cairo_pattern_destroy(depth);
}

// A wave crest: a shallow double arc, light on top of a darker trough.
void Wave(cairo_t* cr, double x, double y, double w) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, w * 0.16);
  SetColor(cr, palette::kWaterDark, 0.8);
  cairo_move_to(cr, x - w, y + w * 0.12);
  cairo_curve_to(cr, x - w * 0.5, y - w * 0.3, x, y - w * 0.3, x, y + w * 0.05);
  cairo_curve_to(cr, x + w * 0.15, y - w * 0.2, x + w * 0.6, y - w * 0.25, x + w, y + w * 0.12);
  cairo_stroke(cr);
  SetColor(cr, palette::kFoam, 0.95);
  cairo_set_line_width(cr, w * 0.11);
  cairo_move_to(cr, x - w, y);
  cairo_curve_to(cr, x - w * 0.5, y - w * 0.42, x, y - w * 0.42, x, y - w * 0.07);
  cairo_curve_to(cr, x + w * 0.15, y - w * 0.32, x + w * 0.6, y - w * 0.37, x + w, y);
  cairo_stroke(cr);
}

void Waves(cairo_t* cr, Rng& rng, int count, double maxY) {
  const int columns = 5;
  const int rows = (count + columns - 1) / columns;
  for (int i = 0; i < count; ++i) {
    const int row = i / columns, column = i % columns;
    const double x = -0.85 + (column + 0.5 * (row % 2)) * 0.4 + rng.Range(-0.08, 0.08);
    const double y = -0.75 + row * (maxY + 0.75) / rows + rng.Range(-0.05, 0.05);
    Wave(cr, x, y, rng.Range(0.1, 0.15));
  }
}

// The edge of a band of land across the tile: from side to side at height
// `y`, bowing `bow` up in the middle.
void LandEdge(cairo_t* cr, double y, double bow) {
  cairo_move_to(cr, -1.1, y);
  cairo_curve_to(cr, -0.5, y - bow, 0.5, y - bow + 0.02, 1.1, y);
}

// The band of land from that edge down to the bottom of the tile.
void FillLand(cairo_t* cr, double y, double bow) {
  LandEdge(cr, y, bow);
  cairo_line_to(cr, 1.1, 1.0);
  cairo_line_to(cr, -1.1, 1.0);
  cairo_close_path(cr);
  cairo_fill(cr);
}

// Land along the bottom edge: a sandy shore with grass behind it.
void Shore(cairo_t* cr) {
  SetColor(cr, palette::kSand);
  FillLand(cr, 0.66, 0.1);
  SetColor(cr, palette::kFoam);
  cairo_set_line_width(cr, 0.03);
  LandEdge(cr, 0.66, 0.1);
  cairo_stroke(cr);
  SetColor(cr, palette::kPastureDark);
  FillLand(cr, 0.8, 0.06);
}

// A wooden pier from the shore out into the water, with a post at each corner.
void Pier(cairo_t* cr, double x, double top, double bottom, double w) {
  SetColor(cr, HexRgb(0x3E2A16));
  cairo_rectangle(cr, x - w / 2 - 0.015, top - 0.015, w + 0.03, bottom - top + 0.03);
  cairo_fill(cr);
  SetColor(cr, palette::kWood);
  cairo_rectangle(cr, x - w / 2, top, w, bottom - top);
  cairo_fill(cr);
  SetColor(cr, HexRgb(0x5A3A1C));
  cairo_set_line_width(cr, 0.012);
  for (double y = top + 0.04; y < bottom; y += 0.045) {
    cairo_move_to(cr, x - w / 2, y);
    cairo_line_to(cr, x + w / 2, y);
  }
  cairo_stroke(cr);
  SetColor(cr, HexRgb(0x2A1B0D));
  for (double y = top + 0.03; y < bottom; y += 0.16) {
    for (double side : {-1.0, 1.0}) {
      cairo_arc(cr, x + side * (w / 2 + 0.01), y, 0.028, 0, 2 * kPi);
      cairo_fill(cr);
    }
  }
}

// The trade badge: a cream disc with the ratio, and the resource for 2:1.
void TradeBadge(cairo_t* cr, double cx, double cy, double r, int tradeResource) {
  SetColor(cr, HexRgb(0x10233A), 0.45);
  cairo_arc(cr, cx + r * 0.08, cy + r * 0.1, r, 0, 2 * kPi);
  cairo_fill(cr);
  SetColor(cr, palette::kCream);
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  cairo_fill_preserve(cr);
  SetColor(cr, palette::kInk);
  cairo_set_line_width(cr, r * 0.08);
  cairo_stroke(cr);
  SetColor(cr, palette::kInk);
  if (tradeResource < 0) {
    CenteredText(cr, "3:1", cx, cy - r * 0.02, r * 0.82);
    CenteredText(cr, "?", cx, cy - r * 0.62, r * 0.42);
  } else {
    DrawResourceSymbol(cr, tradeResource, cx, cy - r * 0.33, r * 0.95);
    SetColor(cr, palette::kInk);
    CenteredText(cr, "2:1", cx, cy + r * 0.5, r * 0.6);
  }
}

}  // namespace

void PaintOcean(cairo_t* cr, int waveCount) {
  Rng rng(707);
  Water(cr);
  Waves(cr, rng, waveCount, 0.85);
}

void PaintHarbour(cairo_t* cr, int tradeResource) {
  Rng rng(808 + tradeResource);
  Water(cr);
  Waves(cr, rng, 15, 0.45);
  Shore(cr);
  Pier(cr, 0.0, 0.12, 0.78, 0.16);
  TradeBadge(cr, 0.0, -0.22, 0.48, tradeResource);
}
