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

// What the marker segments of a JPEG have declared so far.
struct JpegTables {
  bool quant[4] = {};
  bool huff[2][4] = {};  // [DC, AC][table]
  int frameComponents = 0;
  uint8_t componentIds[4] = {};
};

// DQT: each table is 64 one-byte or two-byte values behind its id byte.
bool ReadQuantTables(std::span<const uint8_t> s, JpegTables& t) {
  for (size_t at = 0; at < s.size();) {
    const int precision = s[at] >> 4, id = s[at] & 15;
    const size_t size = 1 + (precision == 0 ? 64 : 128);
    if (precision > 1 || id > 3 || at + size > s.size()) return false;
    t.quant[id] = true;
    at += size;
  }
  return true;
}

// DHT: each table is its class and id, 16 code counts and the values; the
// counts must fit the code space of their lengths.
bool ReadHuffmanTables(std::span<const uint8_t> s, JpegTables& t) {
  for (size_t at = 0; at < s.size();) {
    if (at + 17 > s.size()) return false;
    const int tableClass = s[at] >> 4, id = s[at] & 15;
    if (tableClass > 1 || id > 3) return false;
    size_t values = 0;
    uint32_t codes = 0;
    for (int length = 1; length <= 16; ++length) {
      const uint8_t count = s[at + size_t(length)];
      values += count;
      codes = (codes + count) << 1;
      if (codes >= (2u << length)) return false;
    }
    if (values > 256 || at + 17 + values > s.size()) return false;
    // DC symbols are bit counts of a difference: 0 to 15.
    for (size_t v = 0; tableClass == 0 && v < values; ++v)
      if (s[at + 17 + v] > 15) return false;
    t.huff[tableClass][id] = true;
    at += 17 + values;
  }
  return true;
}

// SOF0 or SOF1: 8-bit samples, a size within range, one or three components
// with sampling factors 1 to 4, and no more than ten blocks per unit.
bool ReadFrame(std::span<const uint8_t> s, JpegTables& t) {
  if (t.frameComponents != 0 || s.size() < 6 || s[0] != 8) return false;
  if (!SideInRange(BigEndian16(s, 1)) || !SideInRange(BigEndian16(s, 3))) return false;
  const int count = s[5];
  if ((count != 1 && count != 3) || s.size() != 6 + 3 * size_t(count)) return false;
  int blocks = 0;
  for (int c = 0; c < count; ++c) {
    const uint8_t* component = &s[6 + 3 * size_t(c)];
    const int h = component[1] >> 4, v = component[1] & 15;
    if (h < 1 || h > 4 || v < 1 || v > 4 || component[2] > 3 || !t.quant[component[2]]) return false;
    blocks += h * v;
    t.componentIds[c] = component[0];
  }
  t.frameComponents = count;
  return count == 1 || blocks <= 10;
}

// SOS of a sequential scan: frame components, each once, with their
// Huffman tables defined.
bool ReadScanHeader(std::span<const uint8_t> s, const JpegTables& t) {
  if (t.frameComponents == 0 || s.empty()) return false;
  const int count = s[0];
  if (count < 1 || count > t.frameComponents || s.size() != 1 + 2 * size_t(count) + 3) return false;
  bool used[4] = {};
  for (int c = 0; c < count; ++c) {
    const uint8_t id = s[1 + 2 * size_t(c)], tables = s[2 + 2 * size_t(c)];
    int index = 0;
    while (index < t.frameComponents && t.componentIds[index] != id) ++index;
    if (index == t.frameComponents || used[index]) return false;
    used[index] = true;
    if ((tables >> 4) > 3 || (tables & 15) > 3 || !t.huff[0][tables >> 4] || !t.huff[1][tables & 15]) return false;
  }
  const size_t end = 1 + 2 * size_t(count);
  return s[end] == 0 && s[end + 1] == 63 && s[end + 2] == 0;
}

// Walks every marker segment of a baseline (or extended sequential) JPEG to
// its end-of-picture marker: the tables, the frame and each scan must be ones
// the decoder takes, and between scans only table, restart-interval, comment
// and application segments may stand. The decoder does not stop on an error
// it reports (it goes on, and may loop), so only such files go to it.
bool JpegIsSafe(std::span<const uint8_t> b) {
  if (b.size() < 4 || b[0] != 0xFF || b[1] != 0xD8) return false;
  JpegTables tables;
  size_t at = 2;
  bool scanned = false;
  while (at + 2 <= b.size()) {
    if (b[at] != 0xFF) return false;
    const uint8_t marker = b[at + 1];
    if (marker == 0xFF) {  // fill byte
      ++at;
      continue;
    }
    if (marker == 0xD9) return scanned;
    if (at + 4 > b.size()) return false;
    const size_t length = BigEndian16(b, at + 2);
    if (length < 2 || at + 2 + length > b.size()) return false;
    const std::span<const uint8_t> segment = b.subspan(at + 4, length - 2);
    at += 2 + length;
    bool ok = true;
    if (marker == 0xDB) ok = ReadQuantTables(segment, tables);
    else if (marker == 0xC4) ok = ReadHuffmanTables(segment, tables);
    else if (marker == 0xC0 || marker == 0xC1) ok = ReadFrame(segment, tables);
    else if (marker == 0xDD) ok = length == 4;
    else if (marker == 0xDA) {
      if (!ReadScanHeader(segment, tables)) return false;
      scanned = true;
      // The coded data runs to the next marker that is not a stuffed zero
      // or a restart marker.
      while (at + 1 < b.size() &&
             !(b[at] == 0xFF && b[at + 1] != 0x00 && (b[at + 1] < 0xD0 || b[at + 1] > 0xD7)))
        ++at;
    } else ok = (marker >= 0xE0 && marker <= 0xEF) || marker == 0xFE;
    if (!ok) return false;
  }
  return false;
}

}  // namespace

bool HasSafeImageHeader(std::span<const uint8_t> bytes, ArchiveImageKind kind) {
  return kind == ArchiveImageKind::Bmp ? BmpHeaderIsSafe(bytes) : JpegIsSafe(bytes);
}
