#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "engine/board/tile_type.h"

// The board follows the number of players: fewer than 5 play on the
// standard board, 5 or 6 on the large one.
enum class BoardKind : std::int32_t {
  Standard = 0,
  Large = 1,
};

BoardKind BoardKindForPlayers(int playerCount);
// The player counts a board takes: 3 or 4 on the standard, 5 or 6 on the large.
constexpr int FewestPlayers(BoardKind kind) { return kind == BoardKind::Large ? 5 : 3; }
constexpr int MostPlayers(BoardKind kind) { return kind == BoardKind::Large ? 6 : 4; }

// A run of consecutive land positions that chips are laid along.
struct ChipRing {
  int first;
  int last;
  bool Contains(int position) const { return position >= first && position <= last; }
  int Size() const { return last - first + 1; }
};

// Everything that differs between the two boards.
struct BoardConstants {
  BoardKind kind;
  int landCount;   // land positions 0 .. landCount-1
  int frameCount;  // sea-frame positions landCount .. tileCount-1
  int tileCount;
  int harbourCount;  // every second frame position
  int chipCount;
  int discardLimit;  // a hand above this loses half on a 7
  int bankStock;     // cards of each resource in the bank at the start
  // The outer-ring corner positions that may take the first chip.
  std::array<int, 6> firstChipCandidates;
  // Chip rings, outermost first; the standard board's centre is a ring of one.
  std::span<const ChipRing> chipRings;
  // The tiles of the board in their stored order (random draws index it).
  std::span<const TileType> landTypes;     // landCount entries
  std::span<const TileType> harbourTypes;  // harbourCount entries
  // Chip numbers in laying order; a chip's index here is its chipOrder.
  std::span<const std::int32_t> chipSequence;
};

const BoardConstants& ConstantsOf(BoardKind kind);
