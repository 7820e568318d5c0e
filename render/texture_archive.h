#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A texture archive is a plain run of entries with no header, count or
// trailer: archive string name, 32-bit little-endian length, image bytes.
// Entries are known only by position: entry k fills slot k.

// What the images of an archive are; it picks the decoder and the wording of
// the read-failure message.
enum class ArchiveImageKind {
  Jpeg,  // board textures: tile faces and chip faces
  Bmp,   // interface pictures: buttons, badges, history icons
};

struct TextureArchiveEntry {
  std::string name;  // only used in messages
  std::vector<uint8_t> bytes;
};

struct TextureArchive {
  std::vector<TextureArchiveEntry> entries;  // at most the expected count
  std::string error;  // message box text when the archive could not be read whole
  bool ok() const { return error.empty(); }
};

// Reads the first expectedCount entries of the archive at path; anything after
// them is ignored. A missing file yields no entries and the "Could not open"
// message. A file that ends before expectedCount complete entries yields the
// complete entries before the break and the read-failure message for the
// entry that broke off.
TextureArchive ReadTextureArchive(const std::string& path, size_t expectedCount,
                                  ArchiveImageKind kind);

// The same over bytes already in memory; path is used in messages only.
TextureArchive ParseTextureArchive(std::span<const uint8_t> bytes, size_t expectedCount,
                                   ArchiveImageKind kind, const std::string& path);

// Appends one entry in the stored form. The name is stored as 8-bit text.
void AppendTextureArchiveEntry(std::vector<uint8_t>& archive, std::string_view name,
                               std::span<const uint8_t> image);

// Message box texts.
std::string CouldNotOpenArchiveMessage(const std::string& path);
std::string CouldNotReadEntryMessage(ArchiveImageKind kind, const std::string& entryName,
                                     const std::string& path);
