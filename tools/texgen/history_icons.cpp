#include "tools/texgen/history_icons.h"

#include <cmath>
#include <string>

#include "tools/texgen/palette.h"
#include "tools/texgen/piece_icons.h"
#include "tools/texgen/resource_symbols.h"
#include "tools/texgen/tile_icons.h"

namespace {

const double kPi = std::acos(-1.0);

void Outline(cairo_t* cr, double width = 1.0) {
  SetColor(cr, palette::kInk);
  cairo_set_line_width(cr, width);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

void Filled(cairo_t* cr, Rgb color) {
  SetColor(cr, color);
  cairo_fill_preserve(cr);
  Outline(cr);
}

void Chip(cairo_t* cr, const std::string& label) {
  cairo_arc(cr, 8, 8, 6.8, 0, 2 * kPi);
  Filled(cr, palette::kCream);
  SetColor(cr, label.empty() ? palette::kChipRed : palette::kInk);
  if (label.empty()) {
    cairo_arc(cr, 8, 8, 2.2, 0, 2 * kPi);
    cairo_fill(cr);
  } else {
    CenteredText(cr, label, 8, 8, 10);
  }
}

// A development card: an upright card with an emblem drawn by the caller.
void Card(cairo_t* cr, Rgb color) {
  RoundedRectPath(cr, 2.5, 0.5, 11, 15, 1.5);
  Filled(cr, color);
}

void Person(cairo_t* cr, double x, double y, Rgb color) {
  cairo_arc(cr, x, y - 3, 2.3, 0, 2 * kPi);
  Filled(cr, color);
  cairo_arc(cr, x, y + 4.5, 4, kPi, 2 * kPi);
  cairo_close_path(cr);
  Filled(cr, color);
}

void Star(cairo_t* cr, double cx, double cy, double r, Rgb color) {
  for (int i = 0; i < 10; ++i) {
    const double a = -kPi / 2 + i * kPi / 5, rr = i % 2 ? r * 0.45 : r;
    cairo_line_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
  }
  cairo_close_path(cr);
  Filled(cr, color);
}

void Arrow(cairo_t* cr, double x0, double y0, double x1, double y1, Rgb color) {
  const double a = std::atan2(y1 - y0, x1 - x0);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int pass = 0; pass < 2; ++pass) {
    SetColor(cr, pass == 0 ? palette::kInk : color);
    cairo_set_line_width(cr, pass == 0 ? 4.0 : 2.0);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_move_to(cr, x1 - 3.5 * std::cos(a - 0.6), y1 - 3.5 * std::sin(a - 0.6));
    cairo_line_to(cr, x1, y1);
    cairo_line_to(cr, x1 - 3.5 * std::cos(a + 0.6), y1 - 3.5 * std::sin(a + 0.6));
    cairo_stroke(cr);
  }
}

void Flag(cairo_t* cr, Rgb color) {
  cairo_rectangle(cr, 3, 1, 1.6, 14);
  Filled(cr, palette::kWood);
  PolygonPath(cr, {{4.6, 1.5}, {14.5, 4.5}, {4.6, 8.5}});
  Filled(cr, color);
}

void Die(cairo_t* cr) {
  RoundedRectPath(cr, 1.5, 1.5, 13, 13, 2.5);
  Filled(cr, HexRgb(0xFAFAF5));
  SetColor(cr, palette::kInk);
  const double pips[][2] = {{5, 5}, {11, 5}, {8, 8}, {5, 11}, {11, 11}};
  for (const auto& p : pips) {
    cairo_arc(cr, p[0], p[1], 1.3, 0, 2 * kPi);
    cairo_fill(cr);
  }
}

void Robber(cairo_t* cr) {
  cairo_arc(cr, 8, 3.8, 2.8, 0, 2 * kPi);
  Filled(cr, HexRgb(0x4A4A4A));
  PolygonPath(cr, {{5, 6.5}, {11, 6.5}, {13, 14.5}, {3, 14.5}});
  Filled(cr, HexRgb(0x3A3A3A));
}

// A shield or a cup: a straight top edge `halfWidth` either side of the
// icon's middle, its sides curving down (pulled toward (middle ± inner,
// innerY)) to meet at (middle, bottom).
void BowlPath(cairo_t* cr, double halfWidth, double top, double sideY, double inner, double innerY, double bottom) {
  const double middle = 8, left = middle - halfWidth, right = middle + halfWidth;
  cairo_move_to(cr, left, top);
  cairo_line_to(cr, right, top);
  cairo_curve_to(cr, right, sideY, middle + inner, innerY, middle, bottom);
  cairo_curve_to(cr, middle - inner, innerY, left, sideY, left, top);
  cairo_close_path(cr);
}

void Shield(cairo_t* cr) {
  BowlPath(cr, 6, 2, 9, 3, 13, 15);
  Filled(cr, HexRgb(0xC0392B));
  SetColor(cr, HexRgb(0xF2E6C8));
  cairo_rectangle(cr, 7, 3.5, 2, 9.5);
  cairo_rectangle(cr, 4, 6, 8, 2);
  cairo_fill(cr);
}

void Roads(cairo_t* cr) {
  for (double shift : {-3.0, 3.0}) {
    cairo_save(cr);
    cairo_translate(cr, 8 + shift, 8 - shift * 0.3);
    cairo_rotate(cr, -1.0);
    cairo_rectangle(cr, -7, -1.7, 14, 3.4);
    cairo_restore(cr);
    Filled(cr, HexRgb(0xB07A3E));
  }
}

void Magnet(cairo_t* cr) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  for (int pass = 0; pass < 2; ++pass) {
    SetColor(cr, pass == 0 ? palette::kInk : HexRgb(0xD42A2A));
    cairo_set_line_width(cr, pass == 0 ? 6.0 : 4.0);
    cairo_move_to(cr, 3.5, 1);
    cairo_line_to(cr, 3.5, 8.5);
    cairo_arc_negative(cr, 8, 8.5, 4.5, kPi, 0);
    cairo_line_to(cr, 12.5, 1);
    cairo_stroke(cr);
  }
  SetColor(cr, HexRgb(0xE0E0E0));
  cairo_rectangle(cr, 1.5, 1, 4, 2.5);
  cairo_rectangle(cr, 10.5, 1, 4, 2.5);
  cairo_fill(cr);
}

void Hourglass(cairo_t* cr) {
  PolygonPath(cr, {{3, 1.5}, {13, 1.5}, {8.8, 8}, {13, 14.5}, {3, 14.5}, {7.2, 8}});
  Filled(cr, HexRgb(0xDDEEFF));
  PolygonPath(cr, {{5, 14}, {11, 14}, {8, 10}});
  SetColor(cr, palette::kSandDark);
  cairo_fill(cr);
}

void Sack(cairo_t* cr) {
  cairo_move_to(cr, 6, 5);
  cairo_curve_to(cr, 0, 9, 1, 15, 8, 15);
  cairo_curve_to(cr, 15, 15, 16, 9, 10, 5);
  cairo_close_path(cr);
  Filled(cr, HexRgb(0x9C6B3A));
  PolygonPath(cr, {{5, 1.5}, {11, 1.5}, {9.5, 5}, {6.5, 5}});
  Filled(cr, HexRgb(0x9C6B3A));
  SetColor(cr, palette::kInk);
  CenteredText(cr, "?", 8, 10.5, 7);
}

void UndoArrow(cairo_t* cr) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int pass = 0; pass < 2; ++pass) {
    SetColor(cr, pass == 0 ? palette::kInk : HexRgb(0x2F7BD8));
    cairo_set_line_width(cr, pass == 0 ? 4.2 : 2.2);
    cairo_arc(cr, 8.5, 9, 5, -kPi * 0.95, kPi * 0.6);
    cairo_stroke(cr);
  }
  PolygonPath(cr, {{0.5, 8.5}, {7, 8.5}, {2.5, 2}});
  Filled(cr, HexRgb(0x2F7BD8));
}

void Trophy(cairo_t* cr) {
  BowlPath(cr, 4.5, 1.5, 7, 2.5, 9, 9);
  Filled(cr, palette::kGold);
  cairo_rectangle(cr, 7, 9, 2, 3);
  cairo_rectangle(cr, 4.5, 12, 7, 2.5);
  Filled(cr, palette::kGold);
}

void DrawSpecialIcon(cairo_t* cr, int index) {
  switch (index) {
    case 13:
      DrawTileIcon(cr, 0, 5.3, 4.7, 4.6);
      DrawTileIcon(cr, 1, 11.5, 8.0, 4.6);
      DrawTileIcon(cr, 6, 5.3, 11.3, 4.6);
      break;
    case 14: Chip(cr, ""); break;
    case 15: Chip(cr, "1"); break;
    case 16: Chip(cr, "2"); break;
    case 17:
      Person(cr, 5.5, 7, HexRgb(0x8FA9C8));
      Person(cr, 10.5, 8, HexRgb(0x5E86B8));
      break;
    case 18:
      Person(cr, 6, 8, HexRgb(0x5E86B8));
      Arrow(cr, 9.5, 11, 14.5, 5, HexRgb(0x2E9E3E));
      break;
    case 19:
      for (int i = 0; i < 3; ++i) {
        cairo_rectangle(cr, 1.5, 2.5 + i * 4.5, 9 - i * 2.5, 3);
        Filled(cr, HexRgb(0x8FA9C8));
      }
      Arrow(cr, 13.5, 2, 13.5, 14.5, HexRgb(0xE8E8E8));
      break;
    case 44: Die(cr); break;
    case 45:
      PolygonPath(cr, {{4, 2}, {14, 8}, {4, 14}});
      Filled(cr, HexRgb(0x3CB043));
      break;
    case 46:
      cairo_arc(cr, 6.5, 6.5, 4.5, 0, 2 * kPi);
      Filled(cr, HexRgb(0xCFE8FF));
      Arrow(cr, 9.8, 9.8, 14, 14, HexRgb(0x8A5A2B));
      break;
    case 47: Robber(cr); break;
    case 48:
      Card(cr, HexRgb(0xE9D8A6));
      SetColor(cr, HexRgb(0x2E9E3E));
      CenteredText(cr, "+", 8, 8, 14);
      break;
    case 49:
      Card(cr, HexRgb(0xE9D8A6));
      Star(cr, 8, 8.5, 5, palette::kGold);
      break;
    case 50: Shield(cr); break;
    case 51: Roads(cr); break;
    case 52:
      Card(cr, HexRgb(0xE9D8A6));
      DrawResourceSymbol(cr, 1, 8, 8, 11);
      break;
    case 53: Magnet(cr); break;
    case 54: Hourglass(cr); break;
    case 55:
      DrawPieceIcon(cr, PieceKind::Road, HexRgb(0xB0B0B0), 9, 10, 12);
      DrawPieceIcon(cr, PieceKind::Settlement, HexRgb(0xD8D8D8), 5.5, 6, 10);
      break;
    case 56:
      Arrow(cr, 2, 5, 14, 5, HexRgb(0x3CB043));
      Arrow(cr, 14, 11.5, 2, 11.5, HexRgb(0xE0A020));
      break;
    case 57: Sack(cr); break;
    case 58: UndoArrow(cr); break;
    case 59:
      Card(cr, HexRgb(0xF4EEDD));
      SetColor(cr, palette::kChipRed);
      CenteredText(cr, "7", 8, 8, 12);
      break;
    case 60: Trophy(cr); break;
    case 61:
      Star(cr, 8, 8.5, 7, HexRgb(0xB8B8B8));
      SetColor(cr, palette::kChipRed);
      cairo_set_line_width(cr, 2);
      cairo_move_to(cr, 2, 14);
      cairo_line_to(cr, 14, 2);
      cairo_stroke(cr);
      break;
    default: break;
  }
}

}  // namespace

void DrawHistoryIcon(cairo_t* cr, int index) {
  const PieceKind pieceByGroup[] = {PieceKind::Settlement, PieceKind::City, PieceKind::Road};
  if (index >= 0 && index <= 12) {
    DrawTileIcon(cr, index, 8, 8, 7.8);
  } else if (index >= 20 && index <= 37) {
    const int group = (index - 20) / 6;
    DrawPieceIcon(cr, pieceByGroup[group], palette::kPlayers[(index - 20) % kMaxPlayers], 8, 8, 16);
  } else if (index >= 38 && index <= 43) {
    Flag(cr, palette::kPlayers[index - 38]);
  } else {
    DrawSpecialIcon(cr, index);
  }
}
