#pragma once

#include "engine/board/player_colours.h"
#include "tools/texgen/canvas.h"

// Colours of the game's things, shared by textures and interface pictures.
namespace palette {

inline constexpr Rgb kForest = HexRgb(0x3D6837);
inline constexpr Rgb kForestDark = HexRgb(0x1F3F1E);
inline constexpr Rgb kTrunk = HexRgb(0x6B4423);
inline constexpr Rgb kWheat = HexRgb(0xE1BD46);
inline constexpr Rgb kWheatDark = HexRgb(0xB48A1E);
inline constexpr Rgb kOre = HexRgb(0x979797);
inline constexpr Rgb kOreDark = HexRgb(0x55585E);
inline constexpr Rgb kClay = HexRgb(0xB45A32);
inline constexpr Rgb kClayDark = HexRgb(0x7A3318);
inline constexpr Rgb kPasture = HexRgb(0x8DC15D);
inline constexpr Rgb kPastureDark = HexRgb(0x5E8F3A);
inline constexpr Rgb kWool = HexRgb(0xF6F3EA);
inline constexpr Rgb kSand = HexRgb(0xE3C77F);
inline constexpr Rgb kSandDark = HexRgb(0xB8954A);
inline constexpr Rgb kWater = HexRgb(0x2C6FB0);
inline constexpr Rgb kWaterDark = HexRgb(0x1B4C80);
inline constexpr Rgb kFoam = HexRgb(0xD8ECFA);
inline constexpr Rgb kWood = HexRgb(0x8A5A2B);
inline constexpr Rgb kCream = HexRgb(0xF4E7C3);
inline constexpr Rgb kInk = HexRgb(0x231A12);
inline constexpr Rgb kChipRed = HexRgb(0xC0141B);
inline constexpr Rgb kGold = HexRgb(0xF2C230);

// Player colours in the order of every colour-dependent picture set:
// white, blue, green, orange, red, brown.
constexpr Rgb PlayerRgb(int i) {
  const int32_t c = kPlayerColours[static_cast<std::size_t>(i)].colour;
  return {RedOf(c) / 255.0, GreenOf(c) / 255.0, BlueOf(c) / 255.0};
}
inline constexpr Rgb kPlayers[kMaxPlayers] = {PlayerRgb(0), PlayerRgb(1), PlayerRgb(2),
                                              PlayerRgb(3), PlayerRgb(4), PlayerRgb(5)};

}  // namespace palette
