#include "tools/texgen/interface_pictures.h"

#include <cmath>

#include "tools/texgen/palette.h"
#include "tools/texgen/resource_symbols.h"

namespace {

const double kPi = std::acos(-1.0);

// The colour behind each resource's emblem, Timber to Sheep.
constexpr Rgb kCardColors[5] = {HexRgb(0x9BCB8A), HexRgb(0xF5DE8C), HexRgb(0xC4C9D0),
                                HexRgb(0xE7A47F), HexRgb(0xCDE9A8)};

constexpr const char* kButtonWords[4] = {"Trade", "Play D.C.", "End Turn", "Buy D.C."};

void CardFrame(cairo_t* cr, Rgb face) {
  RoundedRectPath(cr, 0.5, 0.5, kCardWidth - 1, kCardHeight - 1, 4);
  SetColor(cr, palette::kCream);
  cairo_fill_preserve(cr);
  SetColor(cr, palette::kInk);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  RoundedRectPath(cr, 3.5, 3.5, kCardWidth - 7, kCardHeight - 7, 2.5);
  SetColor(cr, face);
  cairo_fill(cr);
}

// Small emblem at the left of a turn-panel button.
void ButtonEmblem(cairo_t* cr, int button, Rgb ink, Rgb fill) {
  const double cx = 17, cy = kControlHeight / 2.0;
  cairo_set_line_width(cr, 1.5);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  switch (button) {
    case 0:  // two arrows passing each other
      for (int dir = -1; dir <= 1; dir += 2) {
        const double y = cy + dir * 4;
        cairo_move_to(cr, cx - 8 * dir, y);
        cairo_line_to(cr, cx + 8 * dir, y);
        cairo_move_to(cr, cx + 4 * dir, y - 3.5);
        cairo_line_to(cr, cx + 8 * dir, y);
        cairo_line_to(cr, cx + 4 * dir, y + 3.5);
      }
      SetColor(cr, ink);
      cairo_set_line_width(cr, 2.2);
      cairo_stroke(cr);
      break;
    case 1:  // a card being played, with a star
    case 3:  // a card bought, with a plus
      RoundedRectPath(cr, cx - 6, cy - 9, 12, 18, 2);
      SetColor(cr, fill);
      cairo_fill_preserve(cr);
      SetColor(cr, ink);
      cairo_stroke(cr);
      CenteredText(cr, button == 1 ? "\xE2\x98\x85" : "+", cx, cy, 12);
      break;
    case 2:  // an hourglass
      cairo_move_to(cr, cx - 6, cy - 9);
      cairo_line_to(cr, cx + 6, cy - 9);
      cairo_line_to(cr, cx + 1, cy);
      cairo_line_to(cr, cx + 6, cy + 9);
      cairo_line_to(cr, cx - 6, cy + 9);
      cairo_line_to(cr, cx - 1, cy);
      cairo_close_path(cr);
      SetColor(cr, fill);
      cairo_fill_preserve(cr);
      SetColor(cr, ink);
      cairo_stroke(cr);
      break;
    default: break;
  }
}

}  // namespace

void DrawResourceCard(cairo_t* cr, int resource) {
  CardFrame(cr, kCardColors[resource]);
  DrawResourceSymbol(cr, resource, kCardWidth / 2.0, kCardHeight / 2.0, 28);
}

void DrawCardBack(cairo_t* cr) {
  CardFrame(cr, HexRgb(0x2B4C7E));
  SetColor(cr, palette::kGold);
  cairo_set_line_width(cr, 1.5);
  HexagonPath(cr, kCardWidth / 2.0, kCardHeight / 2.0, 10);
  cairo_stroke(cr);
  cairo_arc(cr, kCardWidth / 2.0, kCardHeight / 2.0, 3, 0, 2 * kPi);
  cairo_fill(cr);
}

void DrawControlButton(cairo_t* cr, int button, bool enabled) {
  const double w = kControlWidth, h = kControlHeight;
  cairo_pattern_t* face = cairo_pattern_create_linear(0, 0, 0, h);
  if (enabled) {
    cairo_pattern_add_color_stop_rgb(face, 0, 0.99, 0.93, 0.74);
    cairo_pattern_add_color_stop_rgb(face, 1, 0.86, 0.69, 0.36);
  } else {
    cairo_pattern_add_color_stop_rgb(face, 0, 0.55, 0.55, 0.55);
    cairo_pattern_add_color_stop_rgb(face, 1, 0.42, 0.42, 0.42);
  }
  RoundedRectPath(cr, 1, 1, w - 2, h - 2, 6);
  cairo_set_source(cr, face);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(face);
  const Rgb ink = enabled ? palette::kInk : HexRgb(0x2E2E2E);
  SetColor(cr, enabled ? HexRgb(0x5A3A12) : HexRgb(0x303030));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  ButtonEmblem(cr, button, ink, enabled ? HexRgb(0xFFF8E0) : HexRgb(0x8A8A8A));
  SetColor(cr, enabled ? palette::kInk : HexRgb(0x333333));
  CenteredText(cr, kButtonWords[button], 34 + (w - 34) / 2.0, h / 2.0, 15);
}
