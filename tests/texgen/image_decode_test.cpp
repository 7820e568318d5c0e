#include "render/image_decode.h"

#include <gtest/gtest.h>

#include <IL/il.h>

#include <filesystem>
#include <fstream>

#include "render/image_header_check.h"
#include "tools/texgen/canvas.h"
#include "tools/texgen/image_encode.h"

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 2; ++i) out.push_back(uint8_t(v >> (8 * i)));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

// A 2 x 2 24-bit BMP written by hand: rows are stored bottom row first, each
// padded to four bytes, pixels as blue, green, red.
std::vector<uint8_t> TwoByTwoBmp() {
  std::vector<uint8_t> bmp = {'B', 'M'};
  Put32(bmp, 54 + 16);
  Put32(bmp, 0);
  Put32(bmp, 54);
  Put32(bmp, 40);
  Put32(bmp, 2);
  Put32(bmp, 2);
  Put16(bmp, 1);
  Put16(bmp, 24);
  for (int i = 0; i < 6; ++i) Put32(bmp, 0);
  const uint8_t bottomRow[] = {255, 0, 0, 0, 255, 0, 0, 0};  // blue, green
  const uint8_t topRow[] = {0, 0, 255, 255, 255, 255, 0, 0};  // red, white
  bmp.insert(bmp.end(), bottomRow, bottomRow + 8);
  bmp.insert(bmp.end(), topRow, topRow + 8);
  return bmp;
}

void ExpectPixel(const RgbaImage& image, int x, int y, uint8_t r, uint8_t g, uint8_t b) {
  const uint8_t* p = image.Pixel(x, y);
  EXPECT_EQ(p[0], r) << x << "," << y;
  EXPECT_EQ(p[1], g) << x << "," << y;
  EXPECT_EQ(p[2], b) << x << "," << y;
  EXPECT_EQ(p[3], 255) << x << "," << y;
}

TEST(DecodeImage, BmpRowsComeOutTopFirst) {
  auto image = DecodeImage(TwoByTwoBmp(), ArchiveImageKind::Bmp);
  ASSERT_TRUE(image);
  ASSERT_EQ(image->width, 2);
  ASSERT_EQ(image->height, 2);
  ExpectPixel(*image, 0, 0, 255, 0, 0);
  ExpectPixel(*image, 1, 0, 255, 255, 255);
  ExpectPixel(*image, 0, 1, 0, 0, 255);
  ExpectPixel(*image, 1, 1, 0, 255, 0);
}

TEST(DecodeImage, RejectsWhatIsNotAnImageOfTheKind) {
  EXPECT_FALSE(DecodeImage({}, ArchiveImageKind::Bmp));
  const std::vector<uint8_t> junk(100, 0x5A);
  EXPECT_FALSE(DecodeImage(junk, ArchiveImageKind::Bmp));
  EXPECT_FALSE(DecodeImage(junk, ArchiveImageKind::Jpeg));
  EXPECT_FALSE(DecodeImage(TwoByTwoBmp(), ArchiveImageKind::Jpeg));
  auto truncated = TwoByTwoBmp();
  truncated.resize(30);
  EXPECT_FALSE(DecodeImage(truncated, ArchiveImageKind::Bmp));
}

TEST(DecodeImage, LeavesDevIlOriginSettingAsItWas) {
  ASSERT_TRUE(DecodeImage(TwoByTwoBmp(), ArchiveImageKind::Bmp));
  ilDisable(IL_ORIGIN_SET);
  ilOriginFunc(IL_ORIGIN_LOWER_LEFT);
  ASSERT_TRUE(DecodeImage(TwoByTwoBmp(), ArchiveImageKind::Bmp));
  EXPECT_EQ(ilIsEnabled(IL_ORIGIN_SET), IL_FALSE);
  EXPECT_EQ(ilGetInteger(IL_ORIGIN_MODE), IL_ORIGIN_LOWER_LEFT);
}

// Headers that once crashed the decoder or made it ask for gigabytes are
// refused before it sees them.
TEST(DecodeImage, RefusesDamagedHeaders) {
  auto offsetInHeader = TwoByTwoBmp();
  offsetInHeader[10] = 0;
  EXPECT_FALSE(DecodeImage(offsetInHeader, ArchiveImageKind::Bmp));
  auto hugePalette = TwoByTwoBmp();
  hugePalette[46] = hugePalette[47] = hugePalette[48] = 0x94;
  EXPECT_FALSE(DecodeImage(hugePalette, ArchiveImageKind::Bmp));
  auto tooWide = TwoByTwoBmp();
  tooWide[19] = 0x20;  // 8194 pixels wide
  EXPECT_FALSE(DecodeImage(tooWide, ArchiveImageKind::Bmp));
  auto v5Header = TwoByTwoBmp();
  v5Header[14] = 124;
  EXPECT_FALSE(DecodeImage(v5Header, ArchiveImageKind::Bmp));
  const std::vector<uint8_t> hugeFrame = {0xFF, 0xD8, 0xFF, 0xC0, 0, 11, 8, 0xFF, 0xFF, 0xFF, 0xFF,
                                          1, 1, 0x11, 0, 0xFF, 0xD9};
  EXPECT_FALSE(DecodeImage(hugeFrame, ArchiveImageKind::Jpeg));
}

// A 2 x 2 run-length (RLE8) BMP with a two-colour palette and the given
// pixel data.
std::vector<uint8_t> TwoByTwoRleBmp(const std::vector<uint8_t>& data) {
  std::vector<uint8_t> bmp = {'B', 'M'};
  Put32(bmp, uint32_t(54 + 8 + data.size()));
  Put32(bmp, 0);
  Put32(bmp, 54 + 8);
  Put32(bmp, 40);
  Put32(bmp, 2);
  Put32(bmp, 2);
  Put16(bmp, 1);
  Put16(bmp, 8);
  Put32(bmp, 1);  // RLE8
  Put32(bmp, uint32_t(data.size()));
  Put32(bmp, 0);
  Put32(bmp, 0);
  Put32(bmp, 2);  // colours in the palette
  Put32(bmp, 0);
  Put32(bmp, 0xFF0000);  // red (stored blue, green, red, 0)
  Put32(bmp, 0xFFFFFF);  // white
  bmp.insert(bmp.end(), data.begin(), data.end());
  return bmp;
}

TEST(DecodeImage, RunLengthBmpMustStayInsideThePictureAndEnd) {
  const std::vector<uint8_t> rows = {2, 0, 0, 0, 2, 1, 0, 1};  // red row, end, white row, end of picture
  auto image = DecodeImage(TwoByTwoRleBmp(rows), ArchiveImageKind::Bmp);
  ASSERT_TRUE(image);
  ExpectPixel(*image, 0, 1, 255, 0, 0);
  ExpectPixel(*image, 1, 0, 255, 255, 255);
  // No end-of-picture code: the decoder would run on past the data.
  EXPECT_FALSE(HasSafeImageHeader(TwoByTwoRleBmp({2, 0, 0, 0, 2, 1}), ArchiveImageKind::Bmp));
  // A skip that makes no progress, then the data ends.
  EXPECT_FALSE(HasSafeImageHeader(TwoByTwoRleBmp({0, 2, 0, 0}), ArchiveImageKind::Bmp));
  // Runs wider, and rows more, than the picture.
  EXPECT_FALSE(HasSafeImageHeader(TwoByTwoRleBmp({3, 0, 0, 1}), ArchiveImageKind::Bmp));
  EXPECT_FALSE(HasSafeImageHeader(TwoByTwoRleBmp({0, 0, 0, 0, 0, 0, 1, 1, 0, 1}), ArchiveImageKind::Bmp));
  EXPECT_FALSE(HasSafeImageHeader(TwoByTwoRleBmp({0, 3, 1, 1, 1, 0, 0, 1}), ArchiveImageKind::Bmp));
}

// Top half red, bottom half half-covered blue over transparent.
std::vector<uint8_t> EncodedTestPicture(bool jpeg) {
  Canvas canvas(16, 16);
  cairo_set_source_rgb(canvas.cr(), 1, 0, 0);
  cairo_rectangle(canvas.cr(), 0, 0, 16, 8);
  cairo_fill(canvas.cr());
  cairo_set_source_rgba(canvas.cr(), 0, 0, 1, jpeg ? 1.0 : 0.4);
  cairo_rectangle(canvas.cr(), 0, 8, 8, 8);
  cairo_fill(canvas.cr());
  return jpeg ? EncodeJpeg(canvas.surface()) : EncodeKeyedBmp(canvas.surface());
}

TEST(EncodeImage, KeyedBmpHasTheClassicHeaderAndKeyBackground) {
  const auto bmp = EncodedTestPicture(false);
  ASSERT_GT(bmp.size(), 54u);
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(bmp[14], 40);  // BITMAPINFOHEADER, the only one DevIL reads back
  EXPECT_EQ(bmp[28], 24);  // bits per pixel
  auto image = DecodeImage(bmp, ArchiveImageKind::Bmp);
  ASSERT_TRUE(image);
  ExpectPixel(*image, 3, 3, 255, 0, 0);
  ExpectPixel(*image, 3, 12, 0, 128, 128);   // less than half covered: key
  ExpectPixel(*image, 12, 12, 0, 128, 128);  // empty: key
}

TEST(EncodeImage, JpegKeepsItsOrientation) {
  auto image = DecodeImage(EncodedTestPicture(true), ArchiveImageKind::Jpeg);
  ASSERT_TRUE(image);
  EXPECT_GT(image->Pixel(4, 2)[0], 200);
  EXPECT_LT(image->Pixel(4, 2)[2], 60);
  EXPECT_GT(image->Pixel(3, 13)[2], 200);
  EXPECT_LT(image->Pixel(3, 13)[0], 60);
}

TEST(LoadDecodedArchive, BadEntriesLeaveEmptySlotsWithoutShiftingLaterOnes) {
  const auto good = TwoByTwoBmp();
  const std::vector<uint8_t> bad = {'n', 'o', 'p', 'e'};
  std::vector<uint8_t> archive;
  AppendTextureArchiveEntry(archive, "first", good);
  AppendTextureArchiveEntry(archive, "broken", bad);
  AppendTextureArchiveEntry(archive, "third", good);
  const auto path = std::filesystem::temp_directory_path() / "h3d_decoded_archive_test.tex";
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(archive.data()), std::streamsize(archive.size()));
  const DecodedArchive decoded = LoadDecodedArchive(path.string(), 4, ArchiveImageKind::Bmp);
  std::filesystem::remove(path);
  ASSERT_EQ(decoded.images.size(), 4u);
  EXPECT_EQ(decoded.images[0].width, 2);
  EXPECT_EQ(decoded.images[1].width, 0);
  EXPECT_EQ(decoded.images[2].width, 2);
  EXPECT_EQ(decoded.images[3].width, 0);
  const std::vector<std::string> expected = {
      "Could not read file broken from the file " + path.string() + ".",
      "Could not read file 3 from the file " + path.string() + ".",
  };
  EXPECT_EQ(decoded.messages, expected);
}

}  // namespace
