// Faces of the bare land: mountains of ore, clay hills and the desert.
#include <cmath>

#include "tools/texgen/palette.h"
#include "tools/texgen/tile_faces.h"

namespace {

const double kPi = std::acos(-1.0);

void Speckles(cairo_t* cr, Rng& rng, int count, Rgb dark, Rgb light, double size) {
  for (int i = 0; i < count; ++i) {
    SetColor(cr, rng.Uniform() < 0.5 ? dark : light, 0.7);
    const double x = rng.Range(-1.05, 1.05), y = rng.Range(-0.95, 0.95);
    const double r = rng.Range(size * 0.4, size);
    cairo_move_to(cr, x - r, y);
    cairo_line_to(cr, x, y - r * 0.8);
    cairo_line_to(cr, x + r, y + r * 0.2);
    cairo_line_to(cr, x + r * 0.1, y + r * 0.7);
    cairo_close_path(cr);
    cairo_fill(cr);
  }
}

// A peak with a lit left face, a shadowed right face and a snow cap.
void Mountain(cairo_t* cr, double cx, double baseY, double halfWidth, double height, double ridge) {
  const double peakX = cx + ridge, peakY = baseY - height;
  SetColor(cr, HexRgb(0xAEB3BB));
  cairo_move_to(cr, cx - halfWidth, baseY);
  cairo_line_to(cr, peakX, peakY);
  cairo_line_to(cr, cx + ridge * 0.4, baseY);
  cairo_close_path(cr);
  cairo_fill(cr);
  SetColor(cr, HexRgb(0x5D626B));
  cairo_move_to(cr, cx + ridge * 0.4, baseY);
  cairo_line_to(cr, peakX, peakY);
  cairo_line_to(cr, cx + halfWidth, baseY);
  cairo_close_path(cr);
  cairo_fill(cr);
  // Snow: the top third of the peak with a ragged lower edge.
  const double snow = 0.34;
  const double lx = peakX + (cx - halfWidth - peakX) * snow, rx = peakX + (cx + halfWidth - peakX) * snow;
  const double sy = peakY + height * snow;
  SetColor(cr, HexRgb(0xF4F6FA));
  cairo_move_to(cr, peakX, peakY);
  cairo_line_to(cr, lx, sy);
  cairo_line_to(cr, lx + (peakX - lx) * 0.35, sy - height * 0.06);
  cairo_line_to(cr, peakX - (peakX - lx) * 0.1, sy + height * 0.03);
  cairo_line_to(cr, peakX + (rx - peakX) * 0.4, sy - height * 0.05);
  cairo_line_to(cr, rx, sy);
  cairo_close_path(cr);
  cairo_fill(cr);
  SetColor(cr, HexRgb(0x2B2E33));
  cairo_set_line_width(cr, 0.02);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_move_to(cr, cx - halfWidth, baseY);
  cairo_line_to(cr, peakX, peakY);
  cairo_line_to(cr, cx + halfWidth, baseY);
  cairo_stroke(cr);
}

void Boulder(cairo_t* cr, double x, double y, double r, Rgb color) {
  SetColor(cr, Shade(color, 0.55));
  cairo_arc(cr, x + r * 0.15, y + r * 0.15, r, 0, 2 * kPi);
  cairo_fill(cr);
  SetColor(cr, color);
  cairo_arc(cr, x, y, r, 0, 2 * kPi);
  cairo_fill(cr);
  SetColor(cr, Shade(color, 1.3));
  cairo_arc(cr, x - r * 0.3, y - r * 0.3, r * 0.4, 0, 2 * kPi);
  cairo_fill(cr);
}

// A rounded hill with stripes of exposed clay along its flank.
void ClayHill(cairo_t* cr, double cx, double baseY, double halfWidth, double height, Rgb color) {
  cairo_save(cr);
  cairo_move_to(cr, cx - halfWidth, baseY);
  cairo_curve_to(cr, cx - halfWidth * 0.6, baseY - height * 1.3, cx + halfWidth * 0.6,
                 baseY - height * 1.3, cx + halfWidth, baseY);
  cairo_close_path(cr);
  SetColor(cr, color);
  cairo_fill_preserve(cr);
  cairo_save(cr);
  SetColor(cr, Shade(color, 0.5));
  cairo_set_line_width(cr, 0.025);
  cairo_stroke_preserve(cr);
  cairo_restore(cr);
  cairo_clip(cr);
  SetColor(cr, Shade(color, 0.72));  // the shadowed right flank
  cairo_arc(cr, cx + halfWidth * 0.75, baseY, halfWidth * 0.8, 0, 2 * kPi);
  cairo_fill(cr);
  SetColor(cr, Shade(color, 1.25), 0.8);
  cairo_set_line_width(cr, height * 0.06);
  for (int i = 1; i <= 3; ++i) {
    const double y = baseY - height * 0.22 * i;
    cairo_move_to(cr, cx - halfWidth, y + height * 0.1);
    cairo_curve_to(cr, cx - halfWidth * 0.3, y - height * 0.1, cx + halfWidth * 0.3, y + height * 0.05,
                   cx + halfWidth, y - height * 0.05);
  }
  cairo_stroke(cr);
  cairo_restore(cr);
}

void BrickPile(cairo_t* cr, double x, double y, double w) {
  const double h = w * 0.45;
  const int rows[] = {4, 3, 2};
  for (int row = 0; row < 3; ++row) {
    for (int i = 0; i < rows[row]; ++i) {
      const double bx = x + (i + row * 0.5) * w, by = y - row * h;
      cairo_rectangle(cr, bx, by, w * 0.96, h * 0.92);
      SetColor(cr, (i + row) % 2 ? HexRgb(0xC85A2E) : HexRgb(0xD9703F));
      cairo_fill_preserve(cr);
      SetColor(cr, HexRgb(0x4A1D0C));
      cairo_set_line_width(cr, w * 0.07);
      cairo_stroke(cr);
    }
  }
}

// A dune: a wavy crest, sunlit above, shaded below.
void Dune(cairo_t* cr, double y, double amplitude, double phase, Rgb color) {
  auto crest = [&](double x) { return y + amplitude * std::sin(x * 2.4 + phase); };
  cairo_move_to(cr, -1.1, crest(-1.1));
  for (double x = -1.1; x <= 1.11; x += 0.05) cairo_line_to(cr, x, crest(x));
  cairo_line_to(cr, 1.1, 1.0);
  cairo_line_to(cr, -1.1, 1.0);
  cairo_close_path(cr);
  SetColor(cr, color);
  cairo_fill(cr);
  // Shade the lee side just under the crest.
  cairo_move_to(cr, -1.1, crest(-1.1));
  for (double x = -1.1; x <= 1.11; x += 0.05) cairo_line_to(cr, x, crest(x));
  for (double x = 1.1; x >= -1.11; x -= 0.05) cairo_line_to(cr, x, crest(x) + 0.07 + 0.04 * std::cos(x * 2.4 + phase));
  cairo_close_path(cr);
  SetColor(cr, Shade(color, 0.82));
  cairo_fill(cr);
  SetColor(cr, Shade(color, 1.3));
  cairo_set_line_width(cr, 0.018);
  cairo_move_to(cr, -1.1, crest(-1.1));
  for (double x = -1.1; x <= 1.11; x += 0.05) cairo_line_to(cr, x, crest(x));
  cairo_stroke(cr);
}

void Cactus(cairo_t* cr, double x, double y, double h) {
  SetColor(cr, HexRgb(0x2F6B2A));
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, h * 0.2);
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, x, y - h);
  cairo_move_to(cr, x, y - h * 0.45);
  cairo_line_to(cr, x - h * 0.3, y - h * 0.45);
  cairo_line_to(cr, x - h * 0.3, y - h * 0.75);
  cairo_move_to(cr, x, y - h * 0.55);
  cairo_line_to(cr, x + h * 0.3, y - h * 0.55);
  cairo_line_to(cr, x + h * 0.3, y - h * 0.85);
  cairo_stroke(cr);
}

}  // namespace

void PaintOre(cairo_t* cr) {
  Rng rng(303);
  FillFace(cr, HexRgb(0x7B7E84));
  Speckles(cr, rng, 140, HexRgb(0x55585E), HexRgb(0x9EA2A8), 0.06);
  Mountain(cr, -0.05, 0.15, 0.75, 0.95, 0.05);
  Mountain(cr, -0.55, 0.45, 0.5, 0.6, -0.04);
  Mountain(cr, 0.5, 0.5, 0.55, 0.7, 0.06);
  const double boulders[][3] = {{-0.3, 0.72, 0.1}, {-0.12, 0.78, 0.07}, {0.2, 0.75, 0.09}, {0.0, 0.62, 0.06}};
  for (const auto& b : boulders) Boulder(cr, b[0], b[1], b[2], HexRgb(0x8C9098));
}

void PaintClay(cairo_t* cr) {
  Rng rng(505);
  FillFace(cr, HexRgb(0xA4532C));
  Speckles(cr, rng, 120, HexRgb(0x7C3A1C), HexRgb(0xC26B3E), 0.05);
  ClayHill(cr, -0.35, -0.15, 0.7, 0.55, HexRgb(0xB65B32));
  ClayHill(cr, 0.45, 0.05, 0.65, 0.5, HexRgb(0xA24B26));
  ClayHill(cr, -0.5, 0.55, 0.55, 0.35, HexRgb(0xBE6538));
  BrickPile(cr, -0.12, 0.58, 0.2);
}

void PaintDesert(cairo_t* cr) {
  Rng rng(606);
  FillFace(cr, palette::kSand);
  const double dunes[][3] = {{-0.75, 0.08, 0.3}, {-0.4, 0.1, 1.9}, {-0.02, 0.09, 3.6}, {0.38, 0.1, 0.9}, {0.72, 0.08, 2.6}};
  for (int i = 0; i < 5; ++i) {
    Dune(cr, dunes[i][0], dunes[i][1], dunes[i][2], i % 2 ? HexRgb(0xE8CE8A) : HexRgb(0xDDBE72));
  }
  Speckles(cr, rng, 50, palette::kSandDark, HexRgb(0xF3E1AE), 0.025);
  Cactus(cr, 0.35, 0.3, 0.3);
  Cactus(cr, -0.45, 0.65, 0.22);
}
