#pragma once

#include <array>
#include <cstdint>

#include "engine/board/building_code.h"

// The six player colours as stored 0x00BBGGRR values, each with the light
// tint shown behind a seat's name (seat boxes, statistics tables).
struct PlayerColour {
  int32_t colour;
  int32_t light;
  const char* name;
};

// In the order of every colour-dependent picture set: white, blue, green,
// orange, red, brown. A colour's place here is its picture-set index.
inline constexpr std::array<PlayerColour, kMaxPlayers> kPlayerColours = {{
    {0xEBEBEB, 0xEBEBEB, "white"},
    {0xDF2020, 0xFFE1C8, "blue"},
    {0x008000, 0xC8FFC8, "green"},
    {0x0683FF, 0xB9E1FF, "orange"},
    {0x2020DF, 0xC8C8FF, "red"},
    {0x003264, 0xA8BED7, "brown"},
}};

// The seat boxes of the player selection dialog, top to bottom, as places in
// kPlayerColours: white, red, orange, blue, brown, green. A seat's box fixes
// its colour.
inline constexpr std::array<int, kMaxPlayers> kSeatBoxColours = {0, 4, 3, 1, 5, 2};

// The stored colour a player seated in box `box` (0..5) plays with.
constexpr int32_t SeatBoxColour(int box) {
  return kPlayerColours[static_cast<std::size_t>(kSeatBoxColours[static_cast<std::size_t>(box)])].colour;
}

// The picture-set index of a stored colour; -1 when it is none of the six.
constexpr int PictureSetIndex(int32_t colour) {
  for (int i = 0; i < kMaxPlayers; ++i)
    if (kPlayerColours[static_cast<std::size_t>(i)].colour == colour) return i;
  return -1;
}

// The light tint of a stored colour; black for a colour that is none of the six.
constexpr int32_t LightTint(int32_t colour) {
  int i = PictureSetIndex(colour);
  return i < 0 ? 0x000000 : kPlayerColours[static_cast<std::size_t>(i)].light;
}

// Red, green and blue of a stored colour, 0..255 each.
constexpr int RedOf(int32_t colour) { return colour & 0xFF; }
constexpr int GreenOf(int32_t colour) { return (colour >> 8) & 0xFF; }
constexpr int BlueOf(int32_t colour) { return (colour >> 16) & 0xFF; }
