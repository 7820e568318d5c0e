#include "initial_placement.h"

#include <algorithm>

namespace {

// Corners of the outer land ring that touch no other land tile.
constexpr CornerId kStandardSingleLandCorners[] = {70,  80,  81,  91,  101, 102, 112, 122, 123,
                                                   133, 143, 144, 154, 164, 165, 175, 185, 180};
constexpr CornerId kLargeSingleLandCorners[] = {144, 154, 164, 165, 175, 185, 195, 190,
                                                200, 210, 211, 221, 231, 241, 242, 252,
                                                262, 272, 273, 283, 293, 294};

// Index of the line (0..2) that runs out to sea from a single-land corner k.
constexpr int kSeaLine[6] = {1, 1, 2, 2, 0, 0};

}  // namespace

bool TouchesSingleLandTile(BoardKind kind, CornerId corner) {
  const std::span<const CornerId> table = kind == BoardKind::Standard
                                              ? std::span<const CornerId>(kStandardSingleLandCorners)
                                              : std::span<const CornerId>(kLargeSingleLandCorners);
  return std::find(table.begin(), table.end(), corner) != table.end();
}

RoadStepLines InitialRoadLines(BoardKind kind, CornerId corner) {
  RoadStepLines lines;
  const int c = IdIndex(corner);
  const double first = c % 2 == 1 ? 60.0 : 0.0;
  const int skipped = TouchesSingleLandTile(kind, corner) ? kSeaLine[c] : -1;
  for (int i = 0; i < 3; ++i) {
    if (i != skipped) lines.angles[size_t(lines.count++)] = first + 120.0 * i;
  }
  return lines;
}
