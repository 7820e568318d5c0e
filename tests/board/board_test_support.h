#pragma once

#include <vector>

#include "engine/board/board.h"

// A board whose land rotations come from a fixed draw, so tests never touch
// the C library generator or the clock.
inline CBoard MakeBoard(BoardKind kind) {
  CFixedRandom source({0});
  CBoardRandom random(source, [] { return 0; });
  return CBoard(kind, random);
}

// Enters the kind's land types in their table order but with the Deserts
// moved to the given positions, then harbours at the even frame offsets.
inline void EnterLand(CBoard& board, const std::vector<int>& desertPositions) {
  const BoardConstants& c = board.Constants();
  std::vector<TileType> land;
  for (TileType t : c.landTypes) {
    if (t != TileType::Desert) land.push_back(t);
  }
  std::size_t next = 0;
  for (int p = 0; p < c.landCount; ++p) {
    bool desert = false;
    for (int d : desertPositions) desert = desert || d == p;
    board.EnterTile(desert ? TileType::Desert : land.at(next++ % land.size()));
  }
}

// A board of `kind` with its land entered, the Deserts at `desertPositions`.
inline CBoard BoardWithLand(BoardKind kind, const std::vector<int>& desertPositions) {
  CBoard board = MakeBoard(kind);
  EnterLand(board, desertPositions);
  return board;
}
