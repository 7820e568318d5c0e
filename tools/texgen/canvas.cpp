#include "tools/texgen/canvas.h"

#include <algorithm>
#include <cmath>

Rgb Mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Shade(Rgb color, double factor) {
  if (factor <= 1.0) return {color.r * factor, color.g * factor, color.b * factor};
  return Mix(color, {1, 1, 1}, std::min(1.0, factor - 1.0));
}

void SetColor(cairo_t* cr, Rgb color, double alpha) {
  cairo_set_source_rgba(cr, color.r, color.g, color.b, alpha);
}

void FillFace(cairo_t* cr, Rgb color) {
  SetColor(cr, color);
  cairo_rectangle(cr, -1.1, -1.0, 2.2, 2.0);
  cairo_fill(cr);
}

uint64_t Rng::Next() {
  uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

double Rng::Uniform() { return double(Next() >> 11) / double(1ull << 53); }

double Rng::Range(double lo, double hi) { return lo + (hi - lo) * Uniform(); }

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {}

Canvas::~Canvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

void HexagonPath(cairo_t* cr, double cx, double cy, double r, double squash) {
  const double h = r * std::sqrt(3.0) / 2.0 * squash;
  cairo_move_to(cr, cx + r, cy);
  cairo_line_to(cr, cx + r / 2, cy + h);
  cairo_line_to(cr, cx - r / 2, cy + h);
  cairo_line_to(cr, cx - r, cy);
  cairo_line_to(cr, cx - r / 2, cy - h);
  cairo_line_to(cr, cx + r / 2, cy - h);
  cairo_close_path(cr);
}

void PolygonPath(cairo_t* cr, std::initializer_list<std::array<double, 2>> corners) {
  cairo_new_sub_path(cr);  // the first corner starts the path
  for (const auto& [x, y] : corners) cairo_line_to(cr, x, y);
  cairo_close_path(cr);
}

void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius) {
  const double pi = std::acos(-1.0);
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - radius, y + radius, radius, -pi / 2, 0);
  cairo_arc(cr, x + w - radius, y + h - radius, radius, 0, pi / 2);
  cairo_arc(cr, x + radius, y + h - radius, radius, pi / 2, pi);
  cairo_arc(cr, x + radius, y + radius, radius, pi, 3 * pi / 2);
  cairo_close_path(cr);
}

namespace {

void CenteredTextPath(cairo_t* cr, const std::string& text, double cx, double cy, double size,
                      bool bold) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                         bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
  cairo_text_extents_t ext;
  cairo_text_extents(cr, text.c_str(), &ext);
  cairo_move_to(cr, cx - ext.width / 2 - ext.x_bearing, cy - ext.height / 2 - ext.y_bearing);
  cairo_text_path(cr, text.c_str());
}

}  // namespace

void CenteredText(cairo_t* cr, const std::string& text, double cx, double cy, double size, bool bold) {
  cairo_new_path(cr);
  CenteredTextPath(cr, text, cx, cy, size, bold);
  cairo_fill(cr);
}
