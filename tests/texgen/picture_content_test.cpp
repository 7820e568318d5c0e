// Checks that each slot shows what the program will take it for: slot order
// mistakes (a Wheat face in the Ore slot, a chip face off by one) are the
// faults a size check cannot see.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <span>
#include <stdexcept>

#include "render/image_decode.h"
#include "tools/texgen/archive_set.h"
#include "tools/texgen/chip_faces.h"

namespace {

const std::vector<GeneratedArchive>& Archives() {
  static const std::vector<GeneratedArchive> archives = GenerateAllArchives();
  return archives;
}

const GeneratedArchive& ArchiveNamed(const std::string& name) {
  for (const auto& archive : Archives())
    if (archive.fileName == name) return archive;
  throw std::runtime_error("no archive " + name);
}

// Mean colour of the middle quarter of a picture.
std::array<double, 3> MeanCentreColour(const GeneratedArchive& archive, size_t slot) {
  auto image = DecodeImage(archive.entries.at(slot).bytes, archive.kind);
  std::array<double, 3> sum{};
  int n = 0;
  for (int y = image->height / 4; y < image->height * 3 / 4; ++y) {
    for (int x = image->width / 4; x < image->width * 3 / 4; ++x, ++n) {
      for (int c = 0; c < 3; ++c) sum[c] += image->Pixel(x, y)[c];
    }
  }
  for (double& v : sum) v /= n;
  return sum;
}

int RedInkPixels(const GeneratedArchive& archive, size_t slot) {
  auto image = DecodeImage(archive.entries.at(slot).bytes, archive.kind);
  int count = 0;
  for (int y = 0; y < image->height; ++y)
    for (int x = 0; x < image->width; ++x) {
      const uint8_t* p = image->Pixel(x, y);
      count += p[0] > 150 && p[1] < 80 && p[2] < 80;
    }
  return count;
}

TEST(PictureContent, TileFacesCarryTheirLandscapeColours) {
  for (const char* name : {"512.tex", "64.tex"}) {
    SCOPED_TRACE(name);
    const GeneratedArchive& tiles = ArchiveNamed(name);
    const auto timber = MeanCentreColour(tiles, 0), wheat = MeanCentreColour(tiles, 1);
    const auto ore = MeanCentreColour(tiles, 2), clay = MeanCentreColour(tiles, 3);
    const auto sheep = MeanCentreColour(tiles, 4), ocean = MeanCentreColour(tiles, 6);
    EXPECT_GT(timber[1], timber[0]);                     // forest is green
    EXPECT_LT(timber[1], sheep[1]);                      // and darker than the pasture
    EXPECT_GT(wheat[0] + wheat[1], 2 * wheat[2] + 150);  // golden
    EXPECT_LT(std::abs(ore[0] - ore[2]), 25);            // grey
    EXPECT_GT(clay[0], clay[1] + 50);                    // red-brown
    EXPECT_GT(ocean[2], ocean[0] + 60);                  // blue
  }
}

TEST(PictureContent, ChipFacesFollowTheChipSequences) {
  const struct {
    const char* name;
    std::span<const int> sequence;
  } sets[] = {{"chip34.tex", kStandardChipSequence}, {"chip56.tex", kLargeChipSequence}};
  for (const auto& set : sets) {
    const GeneratedArchive& chips = ArchiveNamed(set.name);
    ASSERT_EQ(chips.entries.size(), set.sequence.size());
    for (size_t order = 0; order < set.sequence.size(); ++order) {
      const int number = set.sequence[order];
      EXPECT_EQ(chips.entries[order].name, "chip" + std::to_string(order) + "_" + std::to_string(number) + ".jpg");
      // Only the likeliest numbers, 6 and 8, are printed in red.
      const bool hot = number == 6 || number == 8;
      EXPECT_EQ(RedInkPixels(chips, order) > 100, hot) << set.name << " slot " << order;
    }
  }
}

TEST(PictureContent, ChanceDotsCountTheWaysToRoll) {
  const int expected[13] = {0, 0, 1, 2, 3, 4, 5, 0, 5, 4, 3, 2, 1};
  for (int n : {2, 3, 4, 5, 6, 8, 9, 10, 11, 12}) EXPECT_EQ(ChanceDots(n), expected[n]) << n;
}

}  // namespace
