#include "render/image_decode.h"

#include <IL/il.h>

#include "render/image_header_check.h"

#include <limits>
#include <mutex>

namespace {

void EnsureDevIlStarted() {
  static std::once_flag started;
  std::call_once(started, [] { ilInit(); });
}

// Keeps DevIL's global origin setting for the life of one decode and restores
// it afterwards, so texture uploads elsewhere see what they set themselves.
class UpperLeftOrigin {
 public:
  UpperLeftOrigin()
      : wasEnabled_(ilIsEnabled(IL_ORIGIN_SET) == IL_TRUE), oldMode_(ilGetInteger(IL_ORIGIN_MODE)) {
    ilEnable(IL_ORIGIN_SET);
    ilOriginFunc(IL_ORIGIN_UPPER_LEFT);
  }
  ~UpperLeftOrigin() {
    ilOriginFunc(ILenum(oldMode_));
    if (!wasEnabled_) ilDisable(IL_ORIGIN_SET);
  }
  UpperLeftOrigin(const UpperLeftOrigin&) = delete;
  UpperLeftOrigin& operator=(const UpperLeftOrigin&) = delete;

 private:
  bool wasEnabled_;
  ILint oldMode_;
};

class ScopedIlImage {
 public:
  ScopedIlImage() : name_(ilGenImage()) { ilBindImage(name_); }
  ~ScopedIlImage() { ilDeleteImage(name_); }
  ScopedIlImage(const ScopedIlImage&) = delete;
  ScopedIlImage& operator=(const ScopedIlImage&) = delete;

 private:
  ILuint name_;
};

}  // namespace

std::optional<RgbaImage> DecodeImage(std::span<const uint8_t> bytes, ArchiveImageKind kind) {
  if (bytes.size() > std::numeric_limits<ILuint>::max() || !HasSafeImageHeader(bytes, kind)) return std::nullopt;
  EnsureDevIlStarted();
  UpperLeftOrigin origin;
  ScopedIlImage image;
  const ILenum type = kind == ArchiveImageKind::Jpeg ? IL_JPG : IL_BMP;
  if (!ilLoadL(type, bytes.data(), ILuint(bytes.size()))) {
    while (ilGetError() != IL_NO_ERROR) {
    }
    return std::nullopt;
  }
  RgbaImage decoded;
  decoded.width = ilGetInteger(IL_IMAGE_WIDTH);
  decoded.height = ilGetInteger(IL_IMAGE_HEIGHT);
  if (decoded.width <= 0 || decoded.height <= 0 || decoded.width > kMaxImageSide ||
      decoded.height > kMaxImageSide)
    return std::nullopt;
  decoded.rgba.resize(size_t(decoded.width) * size_t(decoded.height) * 4);
  ilCopyPixels(0, 0, 0, ILuint(decoded.width), ILuint(decoded.height), 1, IL_RGBA, IL_UNSIGNED_BYTE,
               decoded.rgba.data());
  return decoded;
}

DecodedArchive LoadDecodedArchive(const std::string& path, size_t expectedCount,
                                  ArchiveImageKind kind) {
  DecodedArchive decoded;
  decoded.images.resize(expectedCount);
  TextureArchive archive = ReadTextureArchive(path, expectedCount, kind);
  for (size_t slot = 0; slot < archive.entries.size(); ++slot) {
    const TextureArchiveEntry& entry = archive.entries[slot];
    if (auto image = DecodeImage(entry.bytes, kind)) {
      decoded.images[slot] = std::move(*image);
    } else {
      decoded.messages.push_back(CouldNotReadEntryMessage(kind, entry.name, path));
    }
  }
  if (!archive.ok()) decoded.messages.push_back(archive.error);
  return decoded;
}
