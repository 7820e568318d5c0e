#include "tools/texgen/resource_symbols.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "tools/texgen/palette.h"

namespace {

const double kPi = std::acos(-1.0);

void FillAndOutline(cairo_t* cr, Rgb fill, double lineWidth) {
  SetColor(cr, fill);
  cairo_fill_preserve(cr);
  SetColor(cr, palette::kInk);
  cairo_set_line_width(cr, lineWidth);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

// All emblems are drawn in a box from -1 to 1; `lw` is the outline width.
void PineTree(cairo_t* cr, double lw) {
  cairo_rectangle(cr, -0.14, 0.55, 0.28, 0.4);
  FillAndOutline(cr, palette::kTrunk, lw);
  const double tiers[3][3] = {{0.62, 0.72, 0.05}, {0.5, 0.3, -0.35}, {0.36, -0.08, -0.92}};
  for (const auto& tier : tiers) {
    cairo_move_to(cr, -tier[0] - 0.1, tier[1]);
    cairo_line_to(cr, tier[0] + 0.1, tier[1]);
    cairo_line_to(cr, 0, tier[2]);
    cairo_close_path(cr);
    FillAndOutline(cr, HexRgb(0x2F7A35), lw);
  }
}

void WheatSheaf(cairo_t* cr, double lw) {
  for (int stalk = -1; stalk <= 1; ++stalk) {
    cairo_save(cr);
    cairo_rotate(cr, stalk * 0.32);
    cairo_move_to(cr, 0, 0.95);
    cairo_line_to(cr, 0, -0.2);
    cairo_set_line_width(cr, lw * 1.6);
    SetColor(cr, palette::kInk);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, lw * 0.8);
    SetColor(cr, palette::kWheatDark);
    cairo_stroke(cr);
    for (int grain = 0; grain < 4; ++grain) {
      for (int side = -1; side <= 1; side += 2) {
        cairo_save(cr);
        cairo_translate(cr, side * 0.13, -0.22 - grain * 0.2);
        cairo_rotate(cr, side * 0.5);
        cairo_scale(cr, 0.11, 0.2);
        cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
        cairo_restore(cr);
        FillAndOutline(cr, palette::kWheat, lw * 0.7);
      }
    }
    cairo_restore(cr);
  }
}

void OreRock(cairo_t* cr, double lw) {
  const double outline[][2] = {{-0.95, 0.75}, {-0.7, -0.1}, {-0.2, -0.75}, {0.35, -0.55},
                               {0.9, 0.05},   {0.95, 0.75}};
  cairo_move_to(cr, outline[0][0], outline[0][1]);
  for (const auto& p : outline) cairo_line_to(cr, p[0], p[1]);
  cairo_close_path(cr);
  FillAndOutline(cr, HexRgb(0x8E96A0), lw);
  // Facets: a lit face and a shadowed face.
  cairo_move_to(cr, -0.2, -0.75);
  cairo_line_to(cr, 0.05, 0.1);
  cairo_line_to(cr, -0.7, -0.1);
  cairo_close_path(cr);
  FillAndOutline(cr, HexRgb(0xC9CFD6), lw * 0.6);
  cairo_move_to(cr, 0.05, 0.1);
  cairo_line_to(cr, 0.9, 0.05);
  cairo_line_to(cr, 0.95, 0.75);
  cairo_line_to(cr, 0.1, 0.75);
  cairo_close_path(cr);
  FillAndOutline(cr, HexRgb(0x5E656E), lw * 0.6);
}

void BrickStack(cairo_t* cr, double lw) {
  // A pyramid of bricks: two, two, one.
  const double bricks[][2] = {{-0.92, 0.48}, {0.02, 0.48}, {-0.92, 0.0}, {0.02, 0.0}, {-0.45, -0.48}};
  for (size_t i = 0; i < std::size(bricks); ++i) {
    cairo_rectangle(cr, bricks[i][0], bricks[i][1], 0.9, 0.44);
    FillAndOutline(cr, i % 2 ? HexRgb(0xB9532B) : HexRgb(0xCF6A3F), lw);
  }
}

}  // namespace

void DrawSheep(cairo_t* cr, double cx, double cy, double r, double lw) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, r, r);
  lw /= r;
  SetColor(cr, palette::kInk);
  cairo_set_line_width(cr, 0.2);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (double legX : {-0.55, -0.25, 0.3, 0.55}) {
    cairo_move_to(cr, legX, 0.2);
    cairo_line_to(cr, legX, 0.9);
  }
  cairo_stroke(cr);
  // Fleece: a ring of puffs around the body.
  cairo_new_path(cr);
  const double puffs[][3] = {{-0.6, -0.05, 0.38}, {-0.25, -0.3, 0.4}, {0.2, -0.3, 0.4},
                             {0.5, -0.05, 0.36}, {0.2, 0.22, 0.38},  {-0.3, 0.22, 0.38}};
  for (const auto& p : puffs) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, p[0], p[1], p[2], 0, 2 * kPi);
  }
  SetColor(cr, palette::kInk);
  cairo_set_line_width(cr, lw * 1.5);
  cairo_stroke_preserve(cr);
  SetColor(cr, palette::kWool);
  cairo_fill(cr);
  // Head.
  cairo_save(cr);
  cairo_translate(cr, 0.95, -0.25);
  cairo_rotate(cr, 0.35);
  cairo_scale(cr, 0.36, 0.26);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
  SetColor(cr, HexRgb(0x2A2420));
  cairo_fill(cr);
  cairo_restore(cr);
}

void DrawResourceSymbol(cairo_t* cr, int resource, double cx, double cy, double size) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  const double scale = size / 2.0;
  cairo_scale(cr, scale, scale);
  // Outlines stay at least 0.9 device pixels wide whatever the drawing scale.
  double unitX = 1.0, unitY = 0.0;
  cairo_user_to_device_distance(cr, &unitX, &unitY);
  const double pixelsPerUnit = std::hypot(unitX, unitY);
  const double lw = std::max(0.9 / pixelsPerUnit, size / 18.0 / scale);
  switch (resource) {
    case 0: PineTree(cr, lw); break;
    case 1: WheatSheaf(cr, lw); break;
    case 2: OreRock(cr, lw); break;
    case 3: BrickStack(cr, lw); break;
    case 4: DrawSheep(cr, -0.2, -0.1, 0.7, lw); break;
    default: break;
  }
  cairo_restore(cr);
}
