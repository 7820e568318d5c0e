#include "tools/texgen/desktop_icon.h"

#include <cmath>
#include <filesystem>
#include <system_error>

#include "tools/texgen/canvas.h"
#include "tools/texgen/palette.h"
#include "tools/texgen/piece_icons.h"

namespace {

// A tile lit from the upper left: lighter in the middle, darker at the rim.
void PaintTile(cairo_t* cr, double cx, double cy, double r, Rgb color) {
  HexagonPath(cr, cx, cy, r);
  cairo_pattern_t* light = cairo_pattern_create_radial(cx - r * 0.3, cy - r * 0.35, r * 0.1, cx, cy, r * 1.1);
  const Rgb bright = Shade(color, 1.25);
  const Rgb dark = Shade(color, 0.78);
  cairo_pattern_add_color_stop_rgb(light, 0.0, bright.r, bright.g, bright.b);
  cairo_pattern_add_color_stop_rgb(light, 1.0, dark.r, dark.g, dark.b);
  cairo_set_source(cr, light);
  cairo_fill(cr);
  cairo_pattern_destroy(light);
}

// A number chip as on the board: a cream disc with a red number.
void PaintChip(cairo_t* cr, double cx, double cy, double radius) {
  cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
  SetColor(cr, palette::kCream);
  cairo_fill_preserve(cr);
  SetColor(cr, palette::kInk);
  cairo_set_line_width(cr, radius * 0.12);
  cairo_stroke(cr);
  SetColor(cr, palette::kChipRed);
  CenteredText(cr, "8", cx, cy, radius * 1.25);
}

// A fir: a dark green triangle over a short trunk, `height` tall from its foot.
void PaintFir(cairo_t* cr, double x, double foot, double height) {
  SetColor(cr, palette::kTrunk);
  cairo_rectangle(cr, x - height * 0.06, foot - height * 0.22, height * 0.12, height * 0.22);
  cairo_fill(cr);
  cairo_move_to(cr, x, foot - height);
  cairo_line_to(cr, x + height * 0.32, foot - height * 0.18);
  cairo_line_to(cr, x - height * 0.32, foot - height * 0.18);
  cairo_close_path(cr);
  SetColor(cr, palette::kForestDark);
  cairo_fill(cr);
}

// Two light wave crests across a sea tile.
void PaintWaves(cairo_t* cr, double cx, double cy, double r) {
  SetColor(cr, palette::kFoam, 0.8);
  cairo_set_line_width(cr, r * 0.05);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (const double dy : {-0.12, 0.28}) {
    const double y = cy + r * dy;
    cairo_move_to(cr, cx - r * 0.3, y);
    cairo_curve_to(cr, cx - r * 0.1, y - r * 0.14, cx + r * 0.1, y + r * 0.14, cx + r * 0.45, y);
    cairo_stroke(cr);
  }
}

}  // namespace

void PaintDesktopIcon(cairo_t* cr, double size) {
  // Three tiles share the corner P: one to its left, two to its right. Their
  // outline spans 3.5 r across and 2 sqrt(3) r down.
  const double r = size * 0.96 / 3.5;
  const double h = r * std::sqrt(3.0) / 2.0;
  const double px = size / 2.0 + r * 0.25;
  const double py = size / 2.0;
  struct Tile {
    double cx, cy;
    Rgb color;
  };
  const Tile tiles[] = {
      {px - r, py, palette::kForest},
      {px + r / 2, py - h, palette::kWheat},
      {px + r / 2, py + h, palette::kWater},
  };

  cairo_save(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  // The outer rim in ink, then the tiles, then the light seams between them.
  const double rim = std::max(1.0, size / 40.0);
  for (const Tile& tile : tiles) HexagonPath(cr, tile.cx, tile.cy, r);
  SetColor(cr, palette::kInk);
  cairo_set_line_width(cr, rim * 2.0);
  cairo_stroke(cr);
  for (const Tile& tile : tiles) PaintTile(cr, tile.cx, tile.cy, r, tile.color);
  for (const Tile& tile : tiles) HexagonPath(cr, tile.cx, tile.cy, r);
  SetColor(cr, palette::kSand);
  cairo_set_line_width(cr, rim);
  cairo_stroke(cr);

  // Details only where they can be seen: firs in the forest, waves on the
  // sea, a number chip on the field.
  if (size >= 64) {
    PaintFir(cr, tiles[0].cx - r * 0.45, tiles[0].cy + r * 0.1, r * 0.5);
    PaintFir(cr, tiles[0].cx - r * 0.05, tiles[0].cy - r * 0.25, r * 0.45);
    PaintFir(cr, tiles[0].cx - r * 0.1, tiles[0].cy + r * 0.6, r * 0.42);
    PaintWaves(cr, tiles[2].cx + r * 0.05, tiles[2].cy + r * 0.05, r);
    PaintChip(cr, tiles[1].cx + r * 0.2, tiles[1].cy - r * 0.12, r * 0.32);
  }

  // The settlement stands on the shared corner, a little above it so that its
  // foot covers the corner.
  const double piece = size * (size < 32 ? 0.50 : size <= 48 ? 0.46 : 0.40);
  DrawPieceIcon(cr, PieceKind::Settlement, palette::kPlayers[4], px, py - piece * 0.12, piece);
  cairo_restore(cr);
}

bool WriteDesktopIcons(const std::string& themeDirectory, const std::string& name, std::string& error) {
  for (const int size : kDesktopIconSizes) {
    const std::string folder = std::to_string(size) + "x" + std::to_string(size);
    const std::filesystem::path directory = std::filesystem::path(themeDirectory) / folder / "apps";
    std::error_code failure;
    std::filesystem::create_directories(directory, failure);
    const std::filesystem::path file = directory / (name + ".png");
    Canvas canvas(size, size);
    PaintDesktopIcon(canvas.cr(), size);
    cairo_surface_flush(canvas.surface());
    if (failure || cairo_surface_write_to_png(canvas.surface(), file.c_str()) != CAIRO_STATUS_SUCCESS) {
      error = "cannot write " + file.string();
      return false;
    }
  }
  return true;
}
