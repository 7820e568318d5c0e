#pragma once

#include <cstddef>
#include <string>

#include "render/texture_archive.h"

// The eleven archives the program reads, with the number of entries it takes
// from each. Paths are relative to the working directory.
struct TextureArchiveFile {
  const char* fileName;  // inside the data directory
  size_t count;
  ArchiveImageKind kind;
};

inline constexpr TextureArchiveFile kTileArchives[] = {
    {"512.tex", 13, ArchiveImageKind::Jpeg},
    {"256.tex", 13, ArchiveImageKind::Jpeg},
    {"128.tex", 13, ArchiveImageKind::Jpeg},
    {"64.tex", 13, ArchiveImageKind::Jpeg},
};
inline constexpr TextureArchiveFile kStandardChipArchive = {"chip34.tex", 18, ArchiveImageKind::Jpeg};
inline constexpr TextureArchiveFile kLargeChipArchive = {"chip56.tex", 28, ArchiveImageKind::Jpeg};

// Interface archives in the order the program loads them.
inline constexpr TextureArchiveFile kTinyArchive = {"tiny.tex", 18, ArchiveImageKind::Bmp};
inline constexpr TextureArchiveFile kBuildArchive = {"build.tex", 13, ArchiveImageKind::Bmp};
inline constexpr TextureArchiveFile kResArchive = {"res.tex", 11, ArchiveImageKind::Bmp};
inline constexpr TextureArchiveFile kHistoryArchive = {"history.tex", 62, ArchiveImageKind::Bmp};
inline constexpr TextureArchiveFile kControlArchive = {"control.tex", 8, ArchiveImageKind::Bmp};
inline constexpr TextureArchiveFile kInterfaceArchives[] = {
    kTinyArchive, kBuildArchive, kResArchive, kHistoryArchive, kControlArchive,
};

// The tile archive for a TextureSize setting: 0 Large (512), 1 Medium (256),
// 2 Small (128), any other value Tiny (64).
const TextureArchiveFile& TileArchiveForTextureSize(int textureSize);

// "data/<fileName>".
std::string TextureArchivePath(const TextureArchiveFile& file);
