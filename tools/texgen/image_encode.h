#pragma once

#include <cairo.h>

#include <cstdint>
#include <vector>

// Turns a painted cairo picture into the image files stored in the archives.

// Baseline JPEG of an opaque picture (board textures). Alpha is flattened
// onto black, which a tile or chip face never shows: they paint every pixel.
std::vector<uint8_t> EncodeJpeg(cairo_surface_t* surface);

// 24-bit BMP with the classic 40-byte header (interface pictures). Pixels
// that are less than half covered become the key colour (0, 128, 128) that
// buttons draw as transparent; the others keep their own colour at full
// strength, so no key-tinted fringe shows around a shape.
std::vector<uint8_t> EncodeKeyedBmp(cairo_surface_t* surface);

// Top-down RGB bytes of a picture, as EncodeKeyedBmp or EncodeJpeg see them.
std::vector<uint8_t> FlattenRgb(cairo_surface_t* surface, bool keyed);
