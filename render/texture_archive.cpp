#include "render/texture_archive.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>

namespace {

// Reads the stored form of an archive over a byte span. Every read checks the
// bytes left first, so a damaged archive can neither run past its end nor ask
// for more memory than it holds.
class EntryCursor {
 public:
  explicit EntryCursor(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  size_t Left() const { return bytes_.size() - pos_; }

  std::optional<uint32_t> ReadLittleEndian(size_t width) {
    if (Left() < width) return std::nullopt;
    uint32_t value = 0;
    for (size_t i = 0; i < width; ++i) value |= uint32_t(bytes_[pos_ + i]) << (8 * i);
    pos_ += width;
    return value;
  }

  std::optional<std::span<const uint8_t>> Take(size_t n) {
    if (Left() < n) return std::nullopt;
    auto part = bytes_.subspan(pos_, n);
    pos_ += n;
    return part;
  }

  // Archive string: a one-byte length below 0xFF, else 0xFF and a word, or
  // 0xFF, 0xFFFF and a dword; 0xFF 0xFFFE marks UTF-16 text whose own length
  // prefix follows.
  std::optional<std::string> ReadString() {
    bool wide = false;
    std::optional<uint32_t> length;
    for (;;) {
      auto first = ReadLittleEndian(1);
      if (!first) return std::nullopt;
      if (*first < 0xFF) {
        length = *first;
        break;
      }
      auto word = ReadLittleEndian(2);
      if (!word) return std::nullopt;
      if (*word == 0xFFFE && !wide) {
        wide = true;
        continue;
      }
      length = (*word == 0xFFFF) ? ReadLittleEndian(4) : word;
      if (!length) return std::nullopt;
      break;
    }
    return wide ? ReadWideBody(*length) : ReadNarrowBody(*length);
  }

 private:
  std::optional<std::string> ReadNarrowBody(uint32_t length) {
    auto body = Take(length);
    if (!body) return std::nullopt;
    return std::string(body->begin(), body->end());
  }

  // Names are shown in 8-bit messages: code units beyond one byte become '?'.
  std::optional<std::string> ReadWideBody(uint32_t length) {
    if (Left() / 2 < length) return std::nullopt;
    std::string text;
    text.reserve(length);
    for (uint32_t i = 0; i < length; ++i) {
      uint32_t unit = *ReadLittleEndian(2);
      text.push_back(unit < 0x100 ? char(unit) : '?');
    }
    return text;
  }

  std::span<const uint8_t> bytes_;
  size_t pos_ = 0;
};

void AppendLittleEndian(std::vector<uint8_t>& out, uint32_t value, size_t width) {
  for (size_t i = 0; i < width; ++i) out.push_back(uint8_t(value >> (8 * i)));
}

void AppendArchiveString(std::vector<uint8_t>& out, std::string_view text) {
  const size_t length = text.size();
  if (length < 0xFF) {
    AppendLittleEndian(out, uint32_t(length), 1);
  } else {
    out.push_back(0xFF);
    if (length < 0xFFFE) {
      AppendLittleEndian(out, uint32_t(length), 2);
    } else {
      AppendLittleEndian(out, 0xFFFF, 2);
      AppendLittleEndian(out, uint32_t(length), 4);
    }
  }
  out.insert(out.end(), text.begin(), text.end());
}

std::string Format(const char* pattern, const std::string& a, const std::string& b = {}) {
  const int size = std::snprintf(nullptr, 0, pattern, a.c_str(), b.c_str());
  std::string text(size_t(size) + 1, '\0');
  std::snprintf(text.data(), text.size(), pattern, a.c_str(), b.c_str());
  text.resize(size_t(size));
  return text;
}

}  // namespace

std::string CouldNotOpenArchiveMessage(const std::string& path) {
  return Format("Could not open %s.  Check to see if this file exists.", path);
}

std::string CouldNotReadEntryMessage(ArchiveImageKind kind, const std::string& entryName,
                                     const std::string& path) {
  const char* pattern = kind == ArchiveImageKind::Jpeg ? "Could not read texture %s from the file %s."
                                                       : "Could not read file %s from the file %s.";
  return Format(pattern, entryName, path);
}

TextureArchive ParseTextureArchive(std::span<const uint8_t> bytes, size_t expectedCount,
                                   ArchiveImageKind kind, const std::string& path) {
  TextureArchive archive;
  EntryCursor cursor(bytes);
  for (size_t slot = 0; slot < expectedCount; ++slot) {
    auto name = cursor.ReadString();
    auto length = name ? cursor.ReadLittleEndian(4) : std::nullopt;
    auto image = length ? cursor.Take(*length) : std::nullopt;
    if (!image) {
      // The entry broke off: name it if its name survived, else by its slot.
      archive.error = CouldNotReadEntryMessage(kind, name ? *name : std::to_string(slot), path);
      break;
    }
    archive.entries.push_back({std::move(*name), std::vector<uint8_t>(image->begin(), image->end())});
  }
  return archive;
}

TextureArchive ReadTextureArchive(const std::string& path, size_t expectedCount,
                                  ArchiveImageKind kind) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    TextureArchive archive;
    archive.error = CouldNotOpenArchiveMessage(path);
    return archive;
  }
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                   std::istreambuf_iterator<char>());
  return ParseTextureArchive(bytes, expectedCount, kind, path);
}

void AppendTextureArchiveEntry(std::vector<uint8_t>& archive, std::string_view name,
                               std::span<const uint8_t> image) {
  AppendArchiveString(archive, name);
  AppendLittleEndian(archive, uint32_t(image.size()), 4);
  archive.insert(archive.end(), image.begin(), image.end());
}
