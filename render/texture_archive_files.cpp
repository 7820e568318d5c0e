#include "render/texture_archive_files.h"

const TextureArchiveFile& TileArchiveForTextureSize(int textureSize) {
  if (textureSize >= 0 && textureSize <= 2) return kTileArchives[textureSize];
  return kTileArchives[3];
}

std::string TextureArchivePath(const TextureArchiveFile& file) {
  return std::string("data/") + file.fileName;
}
