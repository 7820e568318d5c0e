#include "tools/texgen/tile_icons.h"

#include <algorithm>
#include <cmath>

#include "tools/texgen/palette.h"
#include "tools/texgen/resource_symbols.h"
#include "tools/texgen/tile_faces.h"

namespace {

void HarbourBadge(cairo_t* cr, int tileType, double cx, double cy, double r) {
  const double pi = std::acos(-1.0);
  const double badge = r * 0.62;
  SetColor(cr, palette::kCream);
  cairo_arc(cr, cx, cy, badge, 0, 2 * pi);
  cairo_fill_preserve(cr);
  SetColor(cr, palette::kInk);
  cairo_set_line_width(cr, std::max(0.8, r / 14));
  cairo_stroke(cr);
  if (tileType == 7) {
    SetColor(cr, palette::kInk);
    CenteredText(cr, r < 12 ? "3" : "3:1", cx, cy, r < 12 ? badge * 1.5 : badge * 0.95);
  } else {
    DrawResourceSymbol(cr, tileType - 8, cx, cy, badge * 1.45);
  }
}

}  // namespace

void DrawTileIcon(cairo_t* cr, int tileType, double cx, double cy, double r) {
  const double halfHeight = r * kHexHalfHeight;
  cairo_save(cr);
  HexagonPath(cr, cx, cy, r);
  cairo_clip(cr);
  cairo_save(cr);
  cairo_translate(cr, cx - r, cy - halfHeight);
  cairo_scale(cr, 1.0, kHexHalfHeight);
  // Harbours show plain water behind their badge.
  PaintTileFace(cr, tileType >= 7 ? 6 : tileType, 2 * r);
  cairo_restore(cr);
  cairo_restore(cr);
  if (tileType >= 7) HarbourBadge(cr, tileType, cx, cy, r);
  HexagonPath(cr, cx, cy, r - 0.5);
  SetColor(cr, palette::kInk);
  cairo_set_line_width(cr, std::max(1.0, r / 16));
  cairo_stroke(cr);
}
