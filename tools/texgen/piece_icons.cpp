#include "tools/texgen/piece_icons.h"

#include <algorithm>

#include "tools/texgen/palette.h"

namespace {

// Outlines in a box from -1 to 1.
void SettlementPath(cairo_t* cr) {
  cairo_move_to(cr, -0.62, 0.72);
  cairo_line_to(cr, 0.62, 0.72);
  cairo_line_to(cr, 0.62, -0.08);
  cairo_line_to(cr, 0.0, -0.72);
  cairo_line_to(cr, -0.62, -0.08);
  cairo_close_path(cr);
}

void CityPath(cairo_t* cr) {
  cairo_move_to(cr, -0.88, 0.72);
  cairo_line_to(cr, 0.88, 0.72);
  cairo_line_to(cr, 0.88, 0.02);
  cairo_line_to(cr, 0.36, -0.45);
  cairo_line_to(cr, -0.12, -0.02);
  cairo_line_to(cr, -0.12, -0.35);
  cairo_line_to(cr, -0.5, -0.85);
  cairo_line_to(cr, -0.88, -0.35);
  cairo_close_path(cr);
}

void RoadPath(cairo_t* cr) {
  cairo_save(cr);
  cairo_rotate(cr, -0.6);
  cairo_rectangle(cr, -0.92, -0.26, 1.84, 0.52);
  cairo_restore(cr);
}

void PiecePath(cairo_t* cr, PieceKind kind) {
  switch (kind) {
    case PieceKind::Settlement: SettlementPath(cr); break;
    case PieceKind::City: CityPath(cr); break;
    case PieceKind::Road: RoadPath(cr); break;
  }
}

void Windows(cairo_t* cr, PieceKind kind) {
  SetColor(cr, palette::kInk);
  if (kind == PieceKind::Settlement) {
    cairo_rectangle(cr, -0.16, 0.2, 0.32, 0.52);  // door
  } else if (kind == PieceKind::City) {
    cairo_rectangle(cr, -0.64, -0.3, 0.28, 0.28);
    cairo_rectangle(cr, 0.2, 0.2, 0.32, 0.52);
  } else {
    return;
  }
  cairo_fill(cr);
}

}  // namespace

void DrawPieceIcon(cairo_t* cr, PieceKind kind, Rgb color, double cx, double cy, double size) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  const double scale = size / 2.0;
  cairo_scale(cr, scale, scale);
  const double lw = std::max(1.0, size / 22.0) / scale;
  const double depth = 0.12;
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, lw);
  // Side face, drawn as the outline shifted down-right.
  cairo_save(cr);
  cairo_translate(cr, depth * 0.9, depth * 0.7);
  cairo_scale(cr, 0.96, 0.96);
  PiecePath(cr, kind);
  cairo_restore(cr);
  SetColor(cr, Shade(color, 0.62));
  cairo_fill_preserve(cr);
  SetColor(cr, palette::kInk);
  cairo_stroke(cr);
  cairo_save(cr);
  cairo_scale(cr, 0.96, 0.96);
  PiecePath(cr, kind);
  cairo_restore(cr);
  SetColor(cr, color);
  cairo_fill_preserve(cr);
  SetColor(cr, palette::kInk);
  cairo_stroke(cr);
  if (size >= 24) Windows(cr, kind);
  cairo_restore(cr);
}
