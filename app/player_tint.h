#pragma once

#include <cstdint>

#include <wx/colour.h>

// The light tint of a player colour (0x00BBGGRR), as the seat boxes of the
// player selection show it; white for a colour outside the six.
wxColour PlayerTint(int32_t color);

// The index of a player colour in the colour-dependent picture sets (white 0,
// blue 1, green 2, orange 3, red 4, brown 5); -1 for any other colour.
int PictureSetIndex(int32_t color);
