#pragma once

#include <GL/gl.h>

#include <array>
#include <functional>
#include <span>
#include <string>

#include "engine/board/board_kind.h"

// Shows a message to the user (a modal message box in the application).
using MessageSink = std::function<void(const std::string& text)>;

// The OpenGL textures of the board: one tile face per tile type and one chip
// face per chip order, decoded from the JPEG texture archives. All operations
// need the view's GL context to be current.
class CBoardTextures {
 public:
  static constexpr int kTileTextureCount = 13;
  static constexpr int kStandardChipCount = 18;
  static constexpr int kLargeChipCount = 28;

  // Archives are read from <dataDirectory>/<name>.tex.
  void SetDataDirectory(std::string directory) { dataDirectory_ = std::move(directory); }
  void SetMessageSink(MessageSink sink) { messages_ = std::move(sink); }

  // Loads the first count entries of a JPEG archive into names[0..count-1].
  // A missing archive is reported and leaves freshly generated, empty names;
  // an entry that does not decode is reported and keeps its slot.
  void LoadTextureArchive(int count, GLuint* names, const std::string& path, bool allowMipmaps);

  // The tile faces from the archive that the texture size selects.
  void LoadTileTextures();
  // The chip faces of the board kind; they become the active chip set.
  void LoadChipTextures(BoardKind kind);

  // Settings of the OpenGL Settings dialog: each rebuilds the tile textures
  // (the chip textures keep the filtering they were made with). The caller
  // redraws the view.
  void SetTextureSize(int size);
  void SetMipmapping(bool on);
  int TextureSize() const { return textureSize_; }
  bool Mipmapping() const { return mipmapping_; }

  // Deletes the tile textures and the active chip set.
  void DeleteAll();

  // Texture name of a tile type or a chip order; 0 (no texture) out of range.
  GLuint TileTexture(int tileType) const;
  GLuint ChipTexture(int chipOrder) const;

 private:
  void Report(const std::string& text) const;
  void DeleteTileTextures();

  std::string dataDirectory_ = "data";
  MessageSink messages_;
  int textureSize_ = 1;  // Medium
  bool mipmapping_ = true;
  std::array<GLuint, kTileTextureCount> tileTextures_{};
  std::array<GLuint, kStandardChipCount> standardChips_{};
  std::array<GLuint, kLargeChipCount> largeChips_{};
  std::span<GLuint> activeChips_;
};
