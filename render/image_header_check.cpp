#include "render/image_header_check.h"

#include <cstdlib>

namespace {

uint32_t LittleEndian(std::span<const uint8_t> b, size_t at, size_t width) {
  uint32_t value = 0;
  for (size_t i = 0; i < width; ++i) value |= uint32_t(b[at + i]) << (8 * i);
  return value;
}

uint32_t BigEndian16(std::span<const uint8_t> b, size_t at) { return (uint32_t(b[at]) << 8) | b[at + 1]; }

bool SideInRange(int64_t side) { return side >= 1 && side <= kMaxImageSide; }

// Walks run-length pixel data (RLE8, or RLE4 with `nibbles`) from `at`: every
// run and every skip must stay inside the picture and the data, and the data
// must close with the end-of-picture code. The decoder trusts these codes and
// loops on data that ends without that code, so nothing else goes to it.
bool RleDataIsSafe(std::span<const uint8_t> b, size_t at, int64_t width, int64_t height, bool nibbles) {
  int64_t x = 0, y = 0;
  while (at + 2 <= b.size()) {
    const uint8_t count = b[at], code = b[at + 1];
    at += 2;
    if (count > 0) {  // a run of one value (or two alternating nibbles)
      x += count;
      if (x > width || y >= height) return false;
      continue;
    }
    switch (code) {
      case 0:  // end of row
        x = 0;
        if (++y > height) return false;
        break;
      case 1:  // end of picture
        return true;
      case 2:  // skip right and up
        if (at + 2 > b.size()) return false;
        x += b[at];
        y += b[at + 1];
        at += 2;
        if (x > width || y > height) return false;
        break;
      default: {  // `code` literal pixels, padded to a whole 16-bit word
        x += code;
        if (x > width || y >= height) return false;
        const size_t bytes = nibbles ? (code + 1u) / 2u : code;
        at += (bytes + 1u) / 2u * 2u;
      }
    }
  }
  return false;
}

// BITMAPFILEHEADER (14 bytes) then BITMAPINFOHEADER (40 bytes).
bool BmpHeaderIsSafe(std::span<const uint8_t> b) {
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return false;
  const uint32_t pixelOffset = LittleEndian(b, 10, 4);
  const uint32_t infoSize = LittleEndian(b, 14, 4);
  const int64_t width = int32_t(LittleEndian(b, 18, 4));
  const int64_t height = std::llabs(int64_t(int32_t(LittleEndian(b, 22, 4))));
  const uint32_t bitsPerPixel = LittleEndian(b, 28, 2);
  const uint32_t compression = LittleEndian(b, 30, 4);
  const uint32_t imageSize = LittleEndian(b, 34, 4);
  const uint32_t paletteColors = LittleEndian(b, 46, 4);
  if (infoSize != 40 || !SideInRange(width) || !SideInRange(height)) return false;
  // The decoder sizes buffers by these two as well.
  if (paletteColors > 256 || imageSize > b.size()) return false;
  if (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8 && bitsPerPixel != 16 &&
      bitsPerPixel != 24 && bitsPerPixel != 32)
    return false;
  if (pixelOffset < 54 || pixelOffset > b.size()) return false;
  if (compression == 1 && bitsPerPixel == 8) return RleDataIsSafe(b, pixelOffset, width, height, false);
  if (compression == 2 && bitsPerPixel == 4) return RleDataIsSafe(b, pixelOffset, width, height, true);
  // Plain rows, or 16/32-bit rows with colour masks after the header.
  const bool masked = compression == 3 && (bitsPerPixel == 16 || bitsPerPixel == 32);
  if (compression != 0 && !masked) return false;
  if (masked && pixelOffset < 54 + 12) return false;
  const uint64_t stride = (uint64_t(width) * bitsPerPixel + 31) / 32 * 4;
  return stride * uint64_t(height) <= b.size() - pixelOffset;
}

// Walks the marker segments up to the frame header (SOFn) and checks the
// picture size it declares.
bool JpegHeaderIsSafe(std::span<const uint8_t> b) {
  if (b.size() < 4 || b[0] != 0xFF || b[1] != 0xD8) return false;
  size_t at = 2;
  while (at + 4 <= b.size()) {
    if (b[at] != 0xFF) return false;
    const uint8_t marker = b[at + 1];
    if (marker == 0xFF) {  // fill byte
      ++at;
      continue;
    }
    const size_t length = BigEndian16(b, at + 2);
    if (length < 2 || at + 2 + length > b.size()) return false;
    const bool frameHeader = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (frameHeader) {
      if (length < 7) return false;
      return SideInRange(BigEndian16(b, at + 5)) && SideInRange(BigEndian16(b, at + 7));
    }
    if (marker == 0xDA || marker == 0xD9) return false;  // scan or end before any frame header
    at += 2 + length;
  }
  return false;
}

}  // namespace

bool HasSafeImageHeader(std::span<const uint8_t> bytes, ArchiveImageKind kind) {
  return kind == ArchiveImageKind::Bmp ? BmpHeaderIsSafe(bytes) : JpegHeaderIsSafe(bytes);
}
