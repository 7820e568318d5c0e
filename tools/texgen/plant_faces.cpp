// Faces of the growing land: forest, wheat fields and sheep pasture.
#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/texgen/palette.h"
#include "tools/texgen/resource_symbols.h"
#include "tools/texgen/tile_faces.h"

namespace {

const double kPi = std::acos(-1.0);

struct Spot {
  double x, y, r;
};

// Points spread over the square on a jittered grid, sorted back to front.
std::vector<Spot> ScatteredSpots(Rng& rng, double spacing, double jitter, double rMin, double rMax) {
  std::vector<Spot> spots;
  int row = 0;
  for (double y = -0.95; y < 0.98; y += spacing * 0.87, ++row) {
    const double shift = (row % 2) * spacing / 2;
    for (double x = -1.05 + shift; x < 1.08; x += spacing) {
      spots.push_back({x + rng.Range(-jitter, jitter), y + rng.Range(-jitter, jitter), rng.Range(rMin, rMax)});
    }
  }
  std::sort(spots.begin(), spots.end(), [](const Spot& a, const Spot& b) { return a.y < b.y; });
  return spots;
}

void TreeCrown(cairo_t* cr, Rng& rng, const Spot& s) {
  SetColor(cr, HexRgb(0x0E200F), 0.55);  // shadow falls down-right
  cairo_arc(cr, s.x + s.r * 0.3, s.y + s.r * 0.35, s.r, 0, 2 * kPi);
  cairo_fill(cr);
  const Rgb base = Mix(HexRgb(0x2E6A2C), HexRgb(0x4C8C34), rng.Uniform());
  SetColor(cr, base);
  cairo_arc(cr, s.x, s.y, s.r, 0, 2 * kPi);
  cairo_fill(cr);
  SetColor(cr, Shade(base, 1.25), 0.9);
  cairo_arc(cr, s.x - s.r * 0.28, s.y - s.r * 0.3, s.r * 0.5, 0, 2 * kPi);
  cairo_fill(cr);
  SetColor(cr, Shade(base, 0.6));
  cairo_set_line_width(cr, s.r * 0.12);
  cairo_arc(cr, s.x, s.y, s.r, 0, 2 * kPi);
  cairo_stroke(cr);
}

// One parcel of a field: ploughed rows across the clip, then ripe ears.
void FieldRows(cairo_t* cr, Rng& rng, double angle, Rgb ground, Rgb row) {
  SetColor(cr, ground);
  cairo_paint(cr);
  cairo_save(cr);
  cairo_rotate(cr, angle);
  cairo_set_line_width(cr, 0.045);
  SetColor(cr, row);
  for (double d = -1.6; d < 1.6; d += 0.11) {
    cairo_move_to(cr, -1.6, d);
    cairo_line_to(cr, 1.6, d);
  }
  cairo_stroke(cr);
  SetColor(cr, Shade(ground, 1.35));
  for (double d = -1.6 + 0.055; d < 1.6; d += 0.11) {
    for (double t = -1.6 + rng.Range(0, 0.05); t < 1.6; t += 0.05 + rng.Range(0, 0.03)) {
      cairo_arc(cr, t, d, 0.016, 0, 2 * kPi);
      cairo_fill(cr);
    }
  }
  cairo_restore(cr);
}

void GrassTufts(cairo_t* cr, Rng& rng, int count) {
  cairo_set_line_width(cr, 0.014);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < count; ++i) {
    const double x = rng.Range(-1.05, 1.05), y = rng.Range(-0.95, 0.95);
    SetColor(cr, rng.Uniform() < 0.5 ? palette::kPastureDark : Shade(palette::kPasture, 1.2));
    for (int blade = -1; blade <= 1; ++blade) {
      cairo_move_to(cr, x, y);
      cairo_line_to(cr, x + blade * 0.025, y - 0.045);
    }
    cairo_stroke(cr);
  }
}

}  // namespace

void PaintTimber(cairo_t* cr) {
  Rng rng(101);
  FillFace(cr, HexRgb(0x1E3B1A));
  for (const Spot& s : ScatteredSpots(rng, 0.2, 0.06, 0.1, 0.15)) TreeCrown(cr, rng, s);
}

void PaintWheat(cairo_t* cr) {
  Rng rng(202);
  FillFace(cr, palette::kWheat);
  // Three parcels with rows in different directions, split by hedges.
  struct Parcel {
    double corners[4][2];
    double angle;
    uint32_t ground, row;
  };
  const Parcel parcels[] = {
      {{{-1.2, -1.0}, {1.2, -1.0}, {1.2, -0.12}, {-1.2, -0.32}}, 0.0, 0xE8C24A, 0xB98F22},
      {{{-1.2, -0.32}, {0.12, -0.2}, {-0.2, 1.0}, {-1.2, 1.0}}, 1.05, 0xF0D36A, 0xC49A2C},
      {{{0.12, -0.2}, {1.2, -0.12}, {1.2, 1.0}, {-0.2, 1.0}}, -0.6, 0xDDB23C, 0xAA7E1A},
  };
  for (const Parcel& p : parcels) {
    cairo_save(cr);
    cairo_move_to(cr, p.corners[0][0], p.corners[0][1]);
    for (const auto& c : p.corners) cairo_line_to(cr, c[0], c[1]);
    cairo_close_path(cr);
    cairo_clip(cr);
    FieldRows(cr, rng, p.angle, HexRgb(p.ground), HexRgb(p.row));
    cairo_restore(cr);
  }
  SetColor(cr, HexRgb(0x5C7A2A));
  cairo_set_line_width(cr, 0.05);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_move_to(cr, -1.2, -0.32);
  cairo_line_to(cr, 0.12, -0.2);
  cairo_line_to(cr, 1.2, -0.12);
  cairo_move_to(cr, 0.12, -0.2);
  cairo_line_to(cr, -0.2, 1.0);
  cairo_stroke(cr);
}

void PaintSheep(cairo_t* cr) {
  Rng rng(404);
  FillFace(cr, palette::kPasture);
  // Lighter and darker patches of grass.
  for (int i = 0; i < 14; ++i) {
    SetColor(cr, i % 2 ? Shade(palette::kPasture, 1.12) : Shade(palette::kPasture, 0.9), 0.6);
    cairo_save(cr);
    cairo_translate(cr, rng.Range(-1, 1), rng.Range(-0.9, 0.9));
    cairo_scale(cr, rng.Range(0.15, 0.3), rng.Range(0.1, 0.2));
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    cairo_fill(cr);
  }
  GrassTufts(cr, rng, 160);
  // A fence across the top.
  SetColor(cr, palette::kWood);
  cairo_set_line_width(cr, 0.03);
  for (double rail : {-0.55, -0.47}) {
    cairo_move_to(cr, -1.1, rail + 0.12);
    cairo_curve_to(cr, -0.4, rail - 0.08, 0.4, rail - 0.08, 1.1, rail + 0.12);
  }
  cairo_stroke(cr);
  for (double x = -0.95; x < 1.0; x += 0.19) {
    const double y = -0.43 + 0.12 * x * x;
    cairo_rectangle(cr, x - 0.018, y - 0.2, 0.036, 0.22);
  }
  cairo_fill(cr);
  const double flock[][3] = {{-0.45, -0.12, 0.17}, {0.3, -0.15, 0.16}, {-0.05, 0.25, 0.19},
                             {-0.55, 0.5, 0.16},   {0.5, 0.45, 0.17}};
  for (const auto& s : flock) DrawSheep(cr, s[0], s[1], s[2], 0.018);
}
