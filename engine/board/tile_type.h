#pragma once

#include <cstdint>
#include <string>

// What lies on a board position. Land types 0..4 produce the resource of the
// same number; 8 + r is the 2:1 harbour of resource r.
enum class TileType : std::int32_t {
  Unset = -1,  // before the board is built
  Timber = 0,
  Wheat = 1,
  Ore = 2,
  Clay = 3,
  Sheep = 4,
  Desert = 5,
  Ocean = 6,
  ThreeForOnePort = 7,
  TimberPort = 8,
  WheatPort = 9,
  OrePort = 10,
  ClayPort = 11,
  SheepPort = 12,
};

// The five resources. Every array of five resource counts in the program is
// indexed by this number, in this order.
enum class ResourceType : std::int32_t {
  Timber = 0,
  Wheat = 1,
  Ore = 2,
  Clay = 3,
  Sheep = 4,
};

inline constexpr int kResourceCount = 5;
inline constexpr ResourceType kAllResources[kResourceCount] = {
    ResourceType::Timber, ResourceType::Wheat, ResourceType::Ore, ResourceType::Clay,
    ResourceType::Sheep};

constexpr int Index(ResourceType r) { return static_cast<int>(r); }
constexpr int Index(TileType t) { return static_cast<int>(t); }

// A resource number 0..4.
constexpr bool IsResource(int r) { return r >= 0 && r < kResourceCount; }
// A land tile that yields a resource when its chip is rolled.
constexpr bool IsProducingLand(TileType t) { return Index(t) >= 0 && Index(t) < kResourceCount; }
constexpr bool IsHarbour(TileType t) {
  return Index(t) >= Index(TileType::ThreeForOnePort) && Index(t) <= Index(TileType::SheepPort);
}
constexpr TileType HarbourOf(ResourceType r) { return static_cast<TileType>(8 + Index(r)); }

// Display name of a tile type ("Timber", "3 for 1 Port", ...), in capitals
// when `upperCase` is set ("TIMBER"); empty for Unset and unknown values.
// Resource numbers 0..4 name their resource, so this also gives resource words.
std::string TileName(TileType type, bool upperCase = false);
std::string TileName(int type, bool upperCase = false);
// The lower-case form history texts and play scripts use ("ore", "3 for 1 port").
std::string LowerTileName(int type);
inline std::string ResourceName(ResourceType r, bool upperCase = false) {
  return TileName(Index(r), upperCase);
}
