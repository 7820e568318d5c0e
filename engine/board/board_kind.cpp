#include "engine/board/board_kind.h"

namespace {

using T = TileType;

// Land tiles: 4 Timber, 4 Wheat, 3 Ore, 3 Clay, 4 Sheep, 1 Desert.
constexpr TileType kStandardLand[] = {
    T::Timber, T::Timber, T::Timber, T::Timber, T::Wheat, T::Wheat, T::Wheat,
    T::Wheat,  T::Ore,    T::Ore,    T::Ore,    T::Clay,  T::Clay,  T::Clay,
    T::Sheep,  T::Sheep,  T::Sheep,  T::Sheep,  T::Desert};
// Land tiles: 6 Timber, 6 Wheat, 5 Ore, 5 Clay, 6 Sheep, 2 Desert.
constexpr TileType kLargeLand[] = {
    T::Timber, T::Timber, T::Timber, T::Timber, T::Timber, T::Timber, T::Wheat, T::Wheat,
    T::Wheat,  T::Wheat,  T::Wheat,  T::Wheat,  T::Ore,    T::Ore,    T::Ore,   T::Ore,
    T::Ore,    T::Clay,   T::Clay,   T::Clay,   T::Clay,   T::Clay,   T::Sheep, T::Sheep,
    T::Sheep,  T::Sheep,  T::Sheep,  T::Sheep,  T::Desert, T::Desert};

// Harbours: four (five) 3 for 1, one 2:1 of each resource (two Sheep on the large board).
constexpr TileType kStandardHarbours[] = {
    T::ThreeForOnePort, T::ThreeForOnePort, T::ThreeForOnePort,
    T::ThreeForOnePort, T::TimberPort,      T::WheatPort,
    T::OrePort,         T::ClayPort,        T::SheepPort};
constexpr TileType kLargeHarbours[] = {
    T::ThreeForOnePort, T::ThreeForOnePort, T::ThreeForOnePort, T::ThreeForOnePort,
    T::ThreeForOnePort, T::TimberPort,      T::WheatPort,       T::OrePort,
    T::ClayPort,        T::SheepPort,       T::SheepPort};

// Number chips in laying order; the index is the chip's face (chipOrder).
constexpr std::int32_t kStandardChips[] = {5, 2, 6, 3, 8, 10, 9, 12, 11,
                                           4, 8, 10, 9, 4, 5, 6, 3, 11};
constexpr std::int32_t kLargeChips[] = {2, 5, 4, 6, 3,  9,  8, 11, 11, 10, 6, 3, 8, 4,
                                        8, 10, 11, 12, 10, 5, 4, 9, 5, 9, 12, 3, 2, 6};

constexpr ChipRing kStandardRings[] = {{7, 18}, {1, 6}, {0, 0}};
constexpr ChipRing kLargeRings[] = {{14, 29}, {4, 13}, {0, 3}};

const BoardConstants kStandard = {
    BoardKind::Standard, 19, 18, 37, 9, 18, 7, 19,
    {8, 10, 12, 14, 16, 18},
    kStandardRings, kStandardLand, kStandardHarbours, kStandardChips};

const BoardConstants kLarge = {
    BoardKind::Large, 30, 22, 52, 11, 28, 9, 24,
    {16, 19, 21, 24, 27, 29},
    kLargeRings, kLargeLand, kLargeHarbours, kLargeChips};

}  // namespace

BoardKind BoardKindForPlayers(int playerCount) {
  return playerCount < FewestPlayers(BoardKind::Large) ? BoardKind::Standard : BoardKind::Large;
}

const BoardConstants& ConstantsOf(BoardKind kind) {
  return kind == BoardKind::Large ? kLarge : kStandard;
}
