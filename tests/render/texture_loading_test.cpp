#include <gtest/gtest.h>

#include <GL/gl.h>
#include <IL/il.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <vector>

#include "offscreen_context.h"
#include "render/board_textures.h"
#include "render/texture_archive.h"

namespace {

namespace fs = std::filesystem;

// A small JPEG of one flat colour.
std::vector<uint8_t> FlatJpeg(uint8_t r, uint8_t g, uint8_t b) {
  ilInit();
  std::vector<uint8_t> pixels;
  for (int i = 0; i < 16 * 16; ++i) pixels.insert(pixels.end(), {r, g, b});
  ILuint image = 0;
  ilGenImages(1, &image);
  ilBindImage(image);
  ilTexImage(16, 16, 1, 3, IL_RGB, IL_UNSIGNED_BYTE, pixels.data());
  std::vector<uint8_t> jpeg(ilSaveL(IL_JPG, nullptr, 0));
  jpeg.resize(ilSaveL(IL_JPG, jpeg.data(), ILuint(jpeg.size())));
  ilDeleteImages(1, &image);
  return jpeg;
}

void WriteArchive(const fs::path& path, const std::vector<std::vector<uint8_t>>& images) {
  std::vector<uint8_t> archive;
  for (size_t k = 0; k < images.size(); ++k) {
    AppendTextureArchiveEntry(archive, "entry" + std::to_string(k), images[k]);
  }
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(archive.data()), std::streamsize(archive.size()));
}

// Red channel of the first texel of a texture.
int TexelRed(GLuint texture) {
  glBindTexture(GL_TEXTURE_2D, texture);
  GLint width = 0, height = 0;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
  if (width <= 0 || height <= 0) return -1;
  std::vector<uint8_t> texels(size_t(width) * size_t(height) * 4);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
  return texels[0];
}

GLint MinFilter(GLuint texture) {
  glBindTexture(GL_TEXTURE_2D, texture);
  GLint filter = 0;
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
  return filter;
}

}  // namespace

class TextureLoadingTest : public ::testing::Test {
 protected:
  TextureLoadingTest() : dir_(fs::temp_directory_path() / ("h3d_textures_" + std::to_string(::getpid()))) {
    fs::create_directories(dir_);
    textures_.SetDataDirectory(dir_.string());
    textures_.SetMessageSink([this](const std::string& m) { messages_.push_back(m); });
  }
  ~TextureLoadingTest() override {
    textures_.DeleteAll();
    fs::remove_all(dir_);
  }
  // n images whose red channel is 20 * k, so slots can be told apart.
  std::vector<std::vector<uint8_t>> Images(int n) {
    std::vector<std::vector<uint8_t>> images;
    for (int k = 0; k < n; ++k) images.push_back(FlatJpeg(uint8_t(20 * k), 100, 100));
    return images;
  }

  COffscreenContext context_{64, 64};
  fs::path dir_;
  CBoardTextures textures_;
  std::vector<std::string> messages_;
};

TEST_F(TextureLoadingTest, LoadsTheFirstEntriesInOrderAndIgnoresTheRest) {
  WriteArchive(dir_ / "a.tex", Images(4));
  std::array<GLuint, 3> names{};
  textures_.LoadTextureArchive(3, names.data(), (dir_ / "a.tex").string(), true);
  EXPECT_TRUE(messages_.empty());
  for (int k = 0; k < 3; ++k) {
    EXPECT_TRUE(glIsTexture(names[size_t(k)]));
    EXPECT_NEAR(TexelRed(names[size_t(k)]), 20 * k, 6) << "slot " << k;
  }
  glDeleteTextures(3, names.data());
}

TEST_F(TextureLoadingTest, MissingArchiveIsReportedAndLeavesEmptyNames) {
  std::array<GLuint, 2> names{};
  const std::string path = (dir_ / "none.tex").string();
  textures_.LoadTextureArchive(2, names.data(), path, true);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0], "Could not open " + path + ".  Check to see if this file exists.");
  EXPECT_NE(names[0], 0u);
  EXPECT_NE(names[1], 0u);
  glDeleteTextures(2, names.data());
}

TEST_F(TextureLoadingTest, AnUndecodableEntryKeepsItsSlotAndLaterSlotsStayInPlace) {
  auto images = Images(13);
  images[5] = {'n', 'o', 't', ' ', 'j', 'p', 'e', 'g'};
  WriteArchive(dir_ / "256.tex", images);
  textures_.LoadTileTextures();
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0], "Could not read texture entry5 from the file " + (dir_ / "256.tex").string() + ".");
  EXPECT_NEAR(TexelRed(textures_.TileTexture(6)), 120, 6);  // the Ocean face
  EXPECT_NEAR(TexelRed(textures_.TileTexture(12)), 240, 6);
  EXPECT_EQ(textures_.TileTexture(-1), 0u);
  EXPECT_EQ(textures_.TileTexture(13), 0u);
}

TEST_F(TextureLoadingTest, AJpegClaimingAHugePictureIsRefusedBeforeDecoding) {
  auto images = Images(13);
  std::vector<uint8_t>& jpeg = images[7];
  for (size_t i = 0; i + 8 < jpeg.size(); ++i) {
    if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {  // frame header: height, width
      jpeg[i + 5] = jpeg[i + 7] = 0xEA;
      jpeg[i + 6] = jpeg[i + 8] = 0x60;
      break;
    }
  }
  WriteArchive(dir_ / "256.tex", images);
  textures_.LoadTileTextures();
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_NE(messages_[0].find("entry7"), std::string::npos);
  EXPECT_TRUE(glIsTexture(textures_.TileTexture(7)));
  EXPECT_NEAR(TexelRed(textures_.TileTexture(8)), 160, 6);
}

TEST_F(TextureLoadingTest, AShortArchiveLoadsWhatItHoldsAndSaysSo) {
  WriteArchive(dir_ / "chip34.tex", Images(10));
  textures_.LoadChipTextures(BoardKind::Standard);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_NEAR(TexelRed(textures_.ChipTexture(9)), 180, 6);
  EXPECT_EQ(textures_.ChipTexture(18), 0u);
}

TEST_F(TextureLoadingTest, TextureSizeChoosesTheArchive) {
  WriteArchive(dir_ / "64.tex", Images(13));
  for (int size : {3, 7}) {
    messages_.clear();
    textures_.SetTextureSize(size);
    EXPECT_TRUE(messages_.empty()) << size;
  }
  textures_.SetTextureSize(0);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_NE(messages_[0].find("512.tex"), std::string::npos);
}

TEST_F(TextureLoadingTest, MipmappingRebuildsTileTexturesButNotChips) {
  WriteArchive(dir_ / "256.tex", Images(13));
  WriteArchive(dir_ / "chip56.tex", Images(28));
  textures_.SetMipmapping(false);
  textures_.LoadChipTextures(BoardKind::Large);
  for (int t = 0; t < 13; ++t) EXPECT_EQ(MinFilter(textures_.TileTexture(t)), GL_LINEAR);
  EXPECT_EQ(MinFilter(textures_.ChipTexture(27)), GL_LINEAR);
  textures_.SetMipmapping(true);
  for (int t = 0; t < 13; ++t) {
    EXPECT_EQ(MinFilter(textures_.TileTexture(t)), GL_LINEAR_MIPMAP_NEAREST);
  }
  EXPECT_EQ(MinFilter(textures_.ChipTexture(27)), GL_LINEAR);
  EXPECT_TRUE(messages_.empty());
}
