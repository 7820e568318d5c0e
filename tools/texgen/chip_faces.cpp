#include "tools/texgen/chip_faces.h"

#include <cmath>
#include <string>

#include "tools/texgen/palette.h"

void PaintChipFace(cairo_t* cr, int number, double size) {
  const double pi = std::acos(-1.0);
  const double c = size / 2;
  cairo_save(cr);
  // Cream all over, a darker rim at the edge of the disc and an inner ring.
  SetColor(cr, palette::kCream);
  cairo_paint(cr);
  SetColor(cr, HexRgb(0xC9B27C));
  cairo_set_line_width(cr, size * 0.06);
  cairo_arc(cr, c, c, size * 0.47, 0, 2 * pi);
  cairo_stroke(cr);
  SetColor(cr, HexRgb(0x8C7440));
  cairo_set_line_width(cr, size * 0.015);
  cairo_arc(cr, c, c, size * 0.42, 0, 2 * pi);
  cairo_stroke(cr);

  // The likeliest numbers are red so they stand out on the board.
  const bool hot = number == 6 || number == 8;
  const Rgb ink = hot ? palette::kChipRed : palette::kInk;
  SetColor(cr, ink);
  CenteredText(cr, std::to_string(number), c, c - size * 0.07, size * (number >= 10 ? 0.4 : 0.46));
  const int dots = ChanceDots(number);
  const double gap = size * 0.085, r = size * 0.032;
  for (int i = 0; i < dots; ++i) {
    cairo_arc(cr, c + (i - (dots - 1) / 2.0) * gap, c + size * 0.25, r, 0, 2 * pi);
    cairo_fill(cr);
  }
  // 6 and 9 look alike upside down: underline them.
  if (number == 6 || number == 9) {
    cairo_set_line_width(cr, size * 0.025);
    cairo_move_to(cr, c - size * 0.1, c + size * 0.14);
    cairo_line_to(cr, c + size * 0.1, c + size * 0.14);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}
