#pragma once

#include <cairo.h>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>

// Small drawing vocabulary shared by all the painters.

struct Rgb {
  double r, g, b;
};

// 0xRRGGBB.
constexpr Rgb HexRgb(uint32_t value) {
  return {((value >> 16) & 0xFF) / 255.0, ((value >> 8) & 0xFF) / 255.0, (value & 0xFF) / 255.0};
}
Rgb Mix(Rgb a, Rgb b, double t);
Rgb Shade(Rgb color, double factor);  // below 1 darkens, above 1 lightens towards white
void SetColor(cairo_t* cr, Rgb color, double alpha = 1.0);
// Paints the whole square of a tile face (board proportions) in one colour.
void FillFace(cairo_t* cr, Rgb color);

// Deterministic pseudo-random numbers (splitmix64): the same seed paints the
// same picture on every run and every machine.
class Rng {
 public:
  explicit Rng(uint64_t seed) : state_(seed) {}
  uint64_t Next();
  double Uniform();                  // [0, 1)
  double Range(double lo, double hi);  // [lo, hi)

 private:
  uint64_t state_;
};

// An ARGB image surface with its drawing context, cleared to transparent.
class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  cairo_t* cr() const { return cr_; }
  cairo_surface_t* surface() const { return surface_; }
  int width() const { return width_; }
  int height() const { return height_; }

 private:
  int width_, height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

// A hexagon with corners left and right (as tiles lie on the board), centred
// at (cx, cy) with circumradius r; squash scales its height.
void HexagonPath(cairo_t* cr, double cx, double cy, double r, double squash = 1.0);
void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius);
// A closed path through `corners`, each (x, y).
void PolygonPath(cairo_t* cr, std::initializer_list<std::array<double, 2>> corners);

// Text in DejaVu Sans centred on (cx, cy) by its ink extents; size is the
// font size in user units.
void CenteredText(cairo_t* cr, const std::string& text, double cx, double cy, double size,
                  bool bold = true);
