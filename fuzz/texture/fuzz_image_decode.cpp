// Feeds arbitrary bytes to the picture decoder: the first byte picks JPEG or
// BMP, the rest is the image. Damaged headers must be refused before the
// decoder sees them, never crash it or make it allocate without bound.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "render/image_decode.h"
#include "render/image_header_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const ArchiveImageKind kind = (data[0] & 1) ? ArchiveImageKind::Bmp : ArchiveImageKind::Jpeg;
  auto image = DecodeImage(std::span<const uint8_t>(data + 1, size - 1), kind);
  if (image && (image->width > kMaxImageSide || image->height > kMaxImageSide ||
                image->rgba.size() != size_t(image->width) * size_t(image->height) * 4))
    std::abort();
  return 0;
}
