#include "render/texture_archive.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "render/texture_archive_files.h"

namespace {

std::vector<uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

std::vector<uint8_t> ArchiveOf(const std::vector<std::pair<std::string, std::string>>& entries) {
  std::vector<uint8_t> archive;
  for (const auto& [name, image] : entries) AppendTextureArchiveEntry(archive, name, Bytes(image));
  return archive;
}

TEST(TextureArchive, StoredFormIsNameLengthImage) {
  const auto archive = ArchiveOf({{"ab", "xyz"}});
  const std::vector<uint8_t> expected = {2, 'a', 'b', 3, 0, 0, 0, 'x', 'y', 'z'};
  EXPECT_EQ(archive, expected);
}

TEST(TextureArchive, LongNamesUseTheWidePrefixes) {
  std::vector<uint8_t> archive;
  AppendTextureArchiveEntry(archive, std::string(255, 'n'), {});
  EXPECT_EQ((std::vector<uint8_t>(archive.begin(), archive.begin() + 3)), (std::vector<uint8_t>{0xFF, 0xFF, 0x00}));
  archive.clear();
  AppendTextureArchiveEntry(archive, std::string(65534, 'n'), {});
  EXPECT_EQ((std::vector<uint8_t>(archive.begin(), archive.begin() + 7)),
            (std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}));
  const TextureArchive read = ParseTextureArchive(archive, 1, ArchiveImageKind::Bmp, "p");
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.entries[0].name.size(), 65534u);
}

TEST(TextureArchive, ReadsTheExpectedCountAndIgnoresTheRest) {
  auto archive = ArchiveOf({{"one", "1111"}, {"two", "22"}, {"three", "3"}});
  archive.push_back(0xFF);  // trailing garbage is never looked at
  const TextureArchive read = ParseTextureArchive(archive, 2, ArchiveImageKind::Jpeg, "data/x.tex");
  ASSERT_TRUE(read.ok()) << read.error;
  ASSERT_EQ(read.entries.size(), 2u);
  EXPECT_EQ(read.entries[0].name, "one");
  EXPECT_EQ(read.entries[0].bytes, Bytes("1111"));
  EXPECT_EQ(read.entries[1].bytes, Bytes("22"));
}

TEST(TextureArchive, TooFewEntriesKeepsTheCompleteOnesAndReportsTheBreak) {
  const auto archive = ArchiveOf({{"a", "x"}, {"b", "y"}});
  const TextureArchive jpeg = ParseTextureArchive(archive, 3, ArchiveImageKind::Jpeg, "data/512.tex");
  EXPECT_EQ(jpeg.entries.size(), 2u);
  EXPECT_EQ(jpeg.error, "Could not read texture 2 from the file data/512.tex.");
  const TextureArchive bmp = ParseTextureArchive(archive, 3, ArchiveImageKind::Bmp, "data/res.tex");
  EXPECT_EQ(bmp.error, "Could not read file 2 from the file data/res.tex.");
}

TEST(TextureArchive, TruncatedImageIsNamedAndNotRead) {
  auto archive = ArchiveOf({{"good", "abc"}, {"cut", "defgh"}});
  archive.erase(archive.end() - 2, archive.end());
  const TextureArchive read = ParseTextureArchive(archive, 2, ArchiveImageKind::Bmp, "data/tiny.tex");
  EXPECT_EQ(read.entries.size(), 1u);
  EXPECT_EQ(read.error, "Could not read file cut from the file data/tiny.tex.");
}

TEST(TextureArchive, HugeLengthsAreRejectedBeforeAllocating) {
  // A length of 4 GB in front of four bytes, and a 4 GB name length.
  const std::vector<uint8_t> hugeImage = {1, 'h', 0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3, 4};
  EXPECT_FALSE(ParseTextureArchive(hugeImage, 1, ArchiveImageKind::Jpeg, "p").ok());
  const std::vector<uint8_t> hugeName = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'n'};
  const TextureArchive read = ParseTextureArchive(hugeName, 1, ArchiveImageKind::Jpeg, "p");
  EXPECT_EQ(read.error, "Could not read texture 0 from the file p.");
  const std::vector<uint8_t> hugeWideName = {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'n', 0};
  EXPECT_FALSE(ParseTextureArchive(hugeWideName, 1, ArchiveImageKind::Jpeg, "p").ok());
}

TEST(TextureArchive, AcceptsUtf16Names) {
  const std::vector<uint8_t> archive = {0xFF, 0xFE, 0xFF, 3, 'a', 0, 'b', 0, 0x3A, 0x04, 1, 0, 0, 0, 'z'};
  const TextureArchive read = ParseTextureArchive(archive, 1, ArchiveImageKind::Bmp, "p");
  ASSERT_TRUE(read.ok()) << read.error;
  EXPECT_EQ(read.entries[0].name, "ab?");
  EXPECT_EQ(read.entries[0].bytes, Bytes("z"));
}

TEST(TextureArchive, MissingFileGivesTheOpenMessage) {
  const TextureArchive read = ReadTextureArchive("data/no-such.tex", 13, ArchiveImageKind::Jpeg);
  EXPECT_TRUE(read.entries.empty());
  EXPECT_EQ(read.error, "Could not open data/no-such.tex.  Check to see if this file exists.");
}

TEST(TextureArchive, ReadsFromAFile) {
  const auto path = std::filesystem::temp_directory_path() / "h3d_texture_archive_test.tex";
  const auto archive = ArchiveOf({{"a", "12"}, {"b", "345"}});
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(archive.data()), std::streamsize(archive.size()));
  const TextureArchive read = ReadTextureArchive(path.string(), 2, ArchiveImageKind::Bmp);
  std::filesystem::remove(path);
  ASSERT_TRUE(read.ok()) << read.error;
  EXPECT_EQ(read.entries[1].bytes, Bytes("345"));
}

TEST(TextureArchiveFiles, TextureSizeChoosesTheTileArchive) {
  EXPECT_STREQ(TileArchiveForTextureSize(0).fileName, "512.tex");
  EXPECT_STREQ(TileArchiveForTextureSize(1).fileName, "256.tex");
  EXPECT_STREQ(TileArchiveForTextureSize(2).fileName, "128.tex");
  EXPECT_STREQ(TileArchiveForTextureSize(3).fileName, "64.tex");
  EXPECT_STREQ(TileArchiveForTextureSize(9).fileName, "64.tex");
  EXPECT_STREQ(TileArchiveForTextureSize(-1).fileName, "64.tex");
  EXPECT_EQ(TextureArchivePath(kHistoryArchive), "data/history.tex");
}

}  // namespace
