#include "engine/board/tile_type.h"

namespace {

// Display names by TileType value 0..12.
constexpr const char* kTileNames[] = {
    "Timber",       "Wheat",       "Ore",        "Clay",      "Sheep",
    "Desert",       "Ocean",       "3 for 1 Port", "Timber Port", "Wheat Port",
    "Ore Port",     "Clay Port",   "Sheep Port"};
constexpr int kNamedTypes = sizeof(kTileNames) / sizeof(kTileNames[0]);

}  // namespace

std::string TileName(int type, bool upperCase) {
  if (type < 0 || type >= kNamedTypes) return {};
  std::string name = kTileNames[type];
  if (upperCase) {
    for (char& c : name) {
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
  }
  return name;
}

std::string LowerTileName(int type) {
  std::string name = TileName(type);
  for (char& c : name) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return name;
}

std::string TileName(TileType type, bool upperCase) { return TileName(Index(type), upperCase); }
