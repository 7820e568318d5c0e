// A random board: tiles, harbours, the two chip positions and the chips.
#include <numeric>
#include <utility>
#include <vector>

#include "engine/board/board.h"

namespace {

std::vector<int> Identity(int n) {
  std::vector<int> list(n);
  std::iota(list.begin(), list.end(), 0);
  return list;
}

// Each step may swap with any element, earlier ones included.
void Shuffle(std::vector<int>& list, CBoardRandom& random) {
  const int n = static_cast<int>(list.size());
  for (int i = 0; i < n; ++i) {
    const int e = random.IndexBelow(n);
    if (e != i) std::swap(list[i], list[e]);
  }
}

}  // namespace

void CBoard::Generate(CBoardRandom& random) {
  const BoardConstants& c = Constants();
  std::vector<int> land = Identity(c.landCount);
  std::vector<int> harbours = Identity(c.harbourCount);
  random.Reseed();
  Shuffle(land, random);
  Shuffle(harbours, random);

  for (int i = 0; i < c.landCount; ++i) MutablePiece(i).type = c.landTypes[land[i]];

  // Harbours on the even frame offsets, or on the odd ones for the draw 32767.
  const int s = static_cast<int>(random.Unit());
  for (int i = 0; i < c.harbourCount; ++i) {
    MutablePiece(c.landCount + 2 * i + s).type = c.harbourTypes[harbours[i]];
    MutablePiece(c.landCount + 2 * i + (1 - s)).type = TileType::Ocean;
  }
  entryCursor_ = c.tileCount;

  firstChip_ = c.firstChipCandidates[random.IndexBelow(6)];
  // Backwards along the ring only for the draw 32767.
  const int d = static_cast<int>(random.Unit());
  int second = d != 0 ? firstChip_ - 1 : firstChip_ + 1;
  if (second >= c.landCount) second = second - c.frameCount + 6;  // wraps to the ring's start
  secondChip_ = second;
  awaitingFirstChip_ = true;

  LayChips();
  RebuildHarbourIndex();
}
