#pragma once

#include <cstdint>

#include <wx/colour.h>

#include "engine/board/player_colours.h"

// A stored 0x00BBGGRR colour as a wx colour.
wxColour WxColourOf(uint32_t colour);
// The light tint of a player colour; white for a colour that is no seat's.
wxColour LightColourOf(uint32_t colour);
