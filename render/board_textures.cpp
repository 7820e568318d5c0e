#include "board_textures.h"

#define ILUT_USE_OPENGL
#include <IL/il.h>
#include <IL/ilut.h>

#include "records/installation.h"
#include "render/image_header_check.h"
#include "render/texture_archive.h"
#include "render/texture_archive_files.h"

namespace {

void InitialiseDevil() {
  static const bool initialised = [] {
    ilInit();
    ilutInit();
    return true;
  }();
  (void)initialised;
}

// Decodes one JPEG entry and uploads it as a texture; returns the texture
// name, which ILUT chooses. Undecodable bytes still give a (blank) texture so
// that the slot stays filled. A damaged header never reaches the decoder.
GLuint UploadJpeg(const TextureArchiveEntry& entry, bool buildMipmaps, bool& decoded) {
  ILuint image = 0;
  ilGenImages(1, &image);
  ilBindImage(image);
  decoded = HasSafeImageHeader(entry.bytes, ArchiveImageKind::Jpeg) &&
            ilLoadL(IL_JPG, entry.bytes.data(), ILuint(entry.bytes.size())) == IL_TRUE;
  const GLuint name = buildMipmaps ? ilutGLBindMipmaps() : ilutGLBindTexImage();
  glBindTexture(GL_TEXTURE_2D, name);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                  buildMipmaps ? GL_LINEAR_MIPMAP_NEAREST : GL_LINEAR);
  ilDeleteImages(1, &image);
  return name;
}

void DeleteNames(std::span<GLuint> names) {
  for (GLuint& name : names) {
    if (name != 0) glDeleteTextures(1, &name);
    name = 0;
  }
}

}  // namespace

void CBoardTextures::Report(const std::string& text) const {
  if (messages_) messages_(text);
}

void CBoardTextures::LoadTextureArchive(int count, GLuint* names, const std::string& path,
                                        bool allowMipmaps) {
  InitialiseDevil();
  glGenTextures(count, names);
  ilutRenderer(ILUT_OPENGL);
  const TextureArchive archive = ReadTextureArchive(path, size_t(count), ArchiveImageKind::Jpeg);
  const bool buildMipmaps = allowMipmaps && mipmapping_;
  for (size_t k = 0; k < archive.entries.size(); ++k) {
    const TextureArchiveEntry& entry = archive.entries[k];
    bool decoded = false;
    const GLuint name = UploadJpeg(entry, buildMipmaps, decoded);
    if (!decoded) Report(CouldNotReadEntryMessage(ArchiveImageKind::Jpeg, entry.name, path));
    // ILUT made a texture of its own; the reserved name is not needed.
    glDeleteTextures(1, &names[k]);
    names[k] = name;
  }
  if (!archive.ok()) Report(archive.error);
}

void CBoardTextures::LoadTileTextures() {
  const TextureArchiveFile& file = TileArchiveForTextureSize(textureSize_);
  LoadTextureArchive(kTileTextureCount, tileTextures_.data(),
                     LocateArchive(dataDirectory_, file.fileName), true);
}

void CBoardTextures::LoadChipTextures(BoardKind kind) {
  const bool standard = kind == BoardKind::Standard;
  const TextureArchiveFile& file = standard ? kStandardChipArchive : kLargeChipArchive;
  activeChips_ = standard ? std::span<GLuint>(standardChips_) : std::span<GLuint>(largeChips_);
  DeleteNames(activeChips_);
  LoadTextureArchive(int(activeChips_.size()), activeChips_.data(),
                     LocateArchive(dataDirectory_, file.fileName), true);
}

void CBoardTextures::DeleteTileTextures() { DeleteNames(tileTextures_); }

void CBoardTextures::SetTextureSize(int size) {
  textureSize_ = size;
  DeleteTileTextures();
  LoadTileTextures();
}

void CBoardTextures::SetMipmapping(bool on) {
  mipmapping_ = on;
  DeleteTileTextures();
  LoadTileTextures();
}

void CBoardTextures::DeleteAll() {
  DeleteTileTextures();
  DeleteNames(activeChips_);
}

GLuint CBoardTextures::TileTexture(int tileType) const {
  if (tileType < 0 || tileType >= kTileTextureCount) return 0;
  return tileTextures_[size_t(tileType)];
}

GLuint CBoardTextures::ChipTexture(int chipOrder) const {
  if (chipOrder < 0 || size_t(chipOrder) >= activeChips_.size()) return 0;
  return activeChips_[size_t(chipOrder)];
}
