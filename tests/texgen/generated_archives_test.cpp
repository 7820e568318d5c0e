#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>

#include "render/image_decode.h"
#include "render/texture_archive_files.h"
#include "tools/texgen/archive_set.h"

namespace {

const std::vector<GeneratedArchive>& Archives() {
  static const std::vector<GeneratedArchive> archives = GenerateAllArchives();
  return archives;
}

struct Expected {
  TextureArchiveFile file;
  int width, height;  // of every entry, except where a slot says otherwise
};

// res.tex: slots 5..9 are the small status-row pictures.
std::pair<int, int> SizeOf(const Expected& expected, size_t slot) {
  if (std::string(expected.file.fileName) == "res.tex" && slot >= 5 && slot <= 9) return {20, 20};
  return {expected.width, expected.height};
}

const Expected kExpected[] = {
    {kTileArchives[0], 512, 512}, {kTileArchives[1], 256, 256}, {kTileArchives[2], 128, 128},
    {kTileArchives[3], 64, 64},   {kStandardChipArchive, 128, 128}, {kLargeChipArchive, 128, 128},
    {kTinyArchive, 52, 52},       {kBuildArchive, 36, 36},      {kResArchive, 36, 48},
    {kHistoryArchive, 16, 16},    {kControlArchive, 128, 32},
};

TEST(GeneratedArchives, EveryArchiveHasItsSlotsAtTheirSizes) {
  std::map<std::string, const GeneratedArchive*> byName;
  for (const auto& archive : Archives()) byName[archive.fileName] = &archive;
  ASSERT_EQ(byName.size(), std::size(kExpected));
  for (const Expected& expected : kExpected) {
    SCOPED_TRACE(expected.file.fileName);
    ASSERT_TRUE(byName.count(expected.file.fileName));
    const GeneratedArchive& archive = *byName[expected.file.fileName];
    ASSERT_EQ(archive.kind, expected.file.kind);
    // Read back through the program's own reader from the stored bytes.
    const TextureArchive read = ParseTextureArchive(ArchiveBytes(archive), expected.file.count + 1,
                                                    archive.kind, archive.fileName);
    ASSERT_EQ(read.entries.size(), expected.file.count) << "the archive holds exactly its slots";
    for (size_t slot = 0; slot < read.entries.size(); ++slot) {
      auto image = DecodeImage(read.entries[slot].bytes, archive.kind);
      ASSERT_TRUE(image) << "slot " << slot;
      EXPECT_EQ(std::make_pair(image->width, image->height), SizeOf(expected, slot)) << "slot " << slot;
    }
  }
}

TEST(GeneratedArchives, InterfacePicturesHaveTransparentCorners) {
  for (const auto& archive : Archives()) {
    if (archive.kind != ArchiveImageKind::Bmp) continue;
    for (size_t slot = 0; slot < archive.entries.size(); ++slot) {
      auto image = DecodeImage(archive.entries[slot].bytes, archive.kind);
      ASSERT_TRUE(image);
      const uint8_t* corner = image->Pixel(0, 0);
      EXPECT_TRUE(corner[0] == 0 && corner[1] == 128 && corner[2] == 128)
          << archive.fileName << " slot " << slot;
    }
  }
}

TEST(GeneratedArchives, SecondRunGivesTheSameBytes) {
  const std::vector<GeneratedArchive> again = GenerateAllArchives();
  ASSERT_EQ(again.size(), Archives().size());
  for (size_t i = 0; i < again.size(); ++i) {
    EXPECT_TRUE(ArchiveBytes(again[i]) == ArchiveBytes(Archives()[i])) << again[i].fileName;
  }
}

TEST(GeneratedArchives, BuiltDataDirectoryIsCurrent) {
  for (const auto& archive : Archives()) {
    std::ifstream file(std::string(H3D_DATA_DIR) + "/" + archive.fileName, std::ios::binary);
    if (!file) GTEST_SKIP() << "the build has not generated " << archive.fileName;
    const std::vector<uint8_t> stored((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_TRUE(stored == ArchiveBytes(archive)) << archive.fileName;
  }
}

}  // namespace
