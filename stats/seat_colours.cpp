#include "stats/seat_colours.h"

namespace {

struct ColourPair {
  int32_t seat;
  uint32_t pale;
};

// The six seat colours and their pale report versions.
constexpr ColourPair kPaleColours[] = {
    {0xEBEBEB, 0xEBEBEB},  // white
    {0x2020DF, 0xC8C8FF},  // red
    {0x0683FF, 0xB9E1FF},  // orange
    {0xDF2020, 0xFFE1C8},  // blue
    {0x003264, 0xA8BED7},  // brown
    {0x008000, 0xC8FFC8},  // green
};

}  // namespace

uint32_t PaleSeatColour(int32_t seatColour) {
  for (const ColourPair& pair : kPaleColours)
    if (pair.seat == seatColour) return pair.pale;
  return 0x000000;
}
