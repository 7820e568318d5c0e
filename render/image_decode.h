#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "render/texture_archive.h"

// A decoded picture: rows from the top, four bytes per pixel (R, G, B, A).
struct RgbaImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgba;

  // Pixel (x, y) counted from the top-left corner.
  const uint8_t* Pixel(int x, int y) const { return &rgba[(size_t(y) * size_t(width) + size_t(x)) * 4]; }
};

// Decodes one archive entry with DevIL (JPEG or BMP by the archive's kind).
// Returns nothing when the bytes are not a readable image of that kind.
// Initialises DevIL on first use and leaves its origin setting as it found it.
std::optional<RgbaImage> DecodeImage(std::span<const uint8_t> bytes, ArchiveImageKind kind);

// An interface archive decoded slot by slot. A slot whose entry did not decode
// (or was never read) holds an empty image; every failure adds its message.
struct DecodedArchive {
  std::vector<RgbaImage> images;  // always the expected count
  std::vector<std::string> messages;
};

DecodedArchive LoadDecodedArchive(const std::string& path, size_t expectedCount,
                                  ArchiveImageKind kind);
