#pragma once

#include <cstdint>

#include <wx/colour.h>

// The six player colours: the seat boxes of the player selection (top to
// bottom) with their light tints, and the order of the colour-dependent
// picture sets (white, blue, green, orange, red, brown).
struct SeatBoxColour {
  int id;  // control id of the seat box
  unsigned char r, g, b;
  unsigned char lightR, lightG, lightB;
};
extern const SeatBoxColour kSeatBoxColours[6];

// A seat colour as stored (0x00BBGGRR).
uint32_t SeatColourRef(const SeatBoxColour& box);
// The light tint of a player colour; white for a colour that is no seat's.
wxColour LightColourOf(uint32_t colour);
// Index of the colour in the picture sets, -1 for a colour that is no player's.
int PictureSetIndex(uint32_t colour);
