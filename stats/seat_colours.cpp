#include "stats/seat_colours.h"

#include "engine/board/player_colours.h"

uint32_t PaleSeatColour(int32_t seatColour) { return static_cast<uint32_t>(LightTint(seatColour)); }
