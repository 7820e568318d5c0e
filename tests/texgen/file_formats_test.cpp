// The texture archive tables of docs/file-formats.md against the writer and
// the reader of texture archives.
#include <gtest/gtest.h>

#include "layout_tables.h"
#include "render/texture_archive.h"

TEST(FileFormatsDocument, TextureArchive) {
  std::vector<uint8_t> archive;
  const std::vector<uint8_t> desert = {0xFF, 0xD8, 0xFF, 0xD9};
  const std::vector<uint8_t> sea = {0x42, 0x4D, 0x06, 0x00, 0x00, 0x00};
  AppendTextureArchiveEntry(archive, "desert", desert);
  AppendTextureArchiveEntry(archive, "sea", sea);
  ExpectLayout(ReadDocument(H3D_FILE_FORMATS_DOC), "texture-archive", archive, 0, archive.size());
  TextureArchive read = ParseTextureArchive(archive, 2, ArchiveImageKind::Jpeg, "example.tex");
  ASSERT_EQ(read.entries.size(), 2u);
  EXPECT_EQ(read.entries[0].name, "desert");
  EXPECT_EQ(read.entries[1].bytes, sea);
}
