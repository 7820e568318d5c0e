#include "tools/texgen/image_encode.h"

#include <IL/il.h>

#include <algorithm>
#include <mutex>
#include <stdexcept>

namespace {

constexpr uint8_t kKeyRgb[3] = {0, 128, 128};

void EnsureDevIlStarted() {
  static std::once_flag started;
  std::call_once(started, [] {
    ilInit();
    ilSetInteger(IL_JPG_QUALITY, 92);
  });
}

// Cairo keeps premultiplied ARGB in native 32-bit words.
void UnpremultipliedRgb(uint32_t argb, uint8_t rgb[3]) {
  const uint32_t alpha = argb >> 24;
  for (int c = 0; c < 3; ++c) {
    const uint32_t value = (argb >> (16 - 8 * c)) & 0xFF;
    rgb[c] = alpha == 0 ? 0 : uint8_t(std::min<uint32_t>(255, (value * 255 + alpha / 2) / alpha));
  }
}

std::vector<uint8_t> SaveWithDevIl(std::vector<uint8_t> rgb, int width, int height, ILenum type) {
  EnsureDevIlStarted();
  const ILuint image = ilGenImage();
  ilBindImage(image);
  ilTexImage(ILuint(width), ILuint(height), 1, 3, IL_RGB, IL_UNSIGNED_BYTE, rgb.data());
  // The pixels run from the top row down; the savers turn them as their
  // format needs (BMP stores the bottom row first).
  ilRegisterOrigin(IL_ORIGIN_UPPER_LEFT);
  const ILuint size = ilSaveL(type, nullptr, 0);
  std::vector<uint8_t> bytes(size);
  const ILuint written = size ? ilSaveL(type, bytes.data(), size) : 0;
  ilDeleteImage(image);
  if (written == 0) throw std::runtime_error("DevIL could not encode an image");
  bytes.resize(written);
  return bytes;
}

}  // namespace

std::vector<uint8_t> FlattenRgb(cairo_surface_t* surface, bool keyed) {
  cairo_surface_flush(surface);
  const int width = cairo_image_surface_get_width(surface);
  const int height = cairo_image_surface_get_height(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  std::vector<uint8_t> rgb(size_t(width) * size_t(height) * 3);
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(data + size_t(y) * size_t(stride));
    for (int x = 0; x < width; ++x) {
      uint8_t* out = &rgb[(size_t(y) * size_t(width) + size_t(x)) * 3];
      const uint32_t argb = row[x];
      if (keyed && (argb >> 24) < 128) {
        std::copy(kKeyRgb, kKeyRgb + 3, out);
      } else if (keyed) {
        UnpremultipliedRgb(argb, out);
        // A painted pixel must never read as the key by accident.
        if (std::equal(out, out + 3, kKeyRgb)) out[2] = 129;
      } else {
        for (int c = 0; c < 3; ++c) out[c] = uint8_t((argb >> (16 - 8 * c)) & 0xFF);
      }
    }
  }
  return rgb;
}

std::vector<uint8_t> EncodeJpeg(cairo_surface_t* surface) {
  return SaveWithDevIl(FlattenRgb(surface, false), cairo_image_surface_get_width(surface),
                       cairo_image_surface_get_height(surface), IL_JPG);
}

std::vector<uint8_t> EncodeKeyedBmp(cairo_surface_t* surface) {
  return SaveWithDevIl(FlattenRgb(surface, true), cairo_image_surface_get_width(surface),
                       cairo_image_surface_get_height(surface), IL_BMP);
}
