#pragma once

#include <GL/osmesa.h>

#include <cstdint>
#include <string>
#include <vector>

// A Mesa off-screen GL context with its own RGBA colour buffer, current from
// construction to destruction. Stands in for the window's context in tests
// and benchmarks; no X server is needed.
class COffscreenContext {
 public:
  COffscreenContext(int width, int height);
  ~COffscreenContext();
  COffscreenContext(const COffscreenContext&) = delete;
  COffscreenContext& operator=(const COffscreenContext&) = delete;

  bool Ok() const { return ok_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

  // Saves the colour buffer as a PNG picture (top row first).
  bool SavePng(const std::string& path) const;
  // RGBA of client pixel (x, y), y growing downwards.
  const uint8_t* Pixel(int x, int y) const;

 private:
  int width_, height_;
  std::vector<uint8_t> pixels_;
  OSMesaContext context_ = nullptr;
  bool ok_ = false;
};
