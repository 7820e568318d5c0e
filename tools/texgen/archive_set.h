#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "render/texture_archive.h"

// Every texture archive of the program, painted and encoded in memory.
struct GeneratedArchive {
  std::string fileName;
  ArchiveImageKind kind;
  std::vector<TextureArchiveEntry> entries;
};

std::vector<GeneratedArchive> GenerateAllArchives();

// The stored bytes of one archive.
std::vector<uint8_t> ArchiveBytes(const GeneratedArchive& archive);
