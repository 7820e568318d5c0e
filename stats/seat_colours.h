#pragma once

#include <cstdint>

// Backgrounds of the statistics tables, as 0x00BBGGRR values.

// The pale cell background of a seat row or seat column header, for the
// seat's stored colour; black for a colour that is not one of the six.
uint32_t PaleSeatColour(int32_t seatColour);

inline constexpr uint32_t kTotalRowColour = 0xFFFFFF;
