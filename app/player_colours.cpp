#include "player_colours.h"

#include <algorithm>
#include <iterator>

const SeatBoxColour kSeatBoxColours[6] = {
    {1021, 235, 235, 235, 235, 235, 235},  // white
    {1022, 223, 32, 32, 255, 200, 200},    // red
    {1026, 255, 131, 6, 255, 225, 185},    // orange
    {1024, 32, 32, 223, 200, 225, 255},    // blue
    {1025, 100, 50, 0, 215, 190, 168},     // brown
    {1023, 0, 128, 0, 200, 255, 200},      // green
};

namespace {

constexpr uint32_t Ref(unsigned char r, unsigned char g, unsigned char b) {
  return static_cast<uint32_t>(r) | static_cast<uint32_t>(g) << 8 | static_cast<uint32_t>(b) << 16;
}

// Player colours in the order of the colour-dependent picture sets.
constexpr uint32_t kPictureSetColours[6] = {
    Ref(235, 235, 235), Ref(32, 32, 223), Ref(0, 128, 0), Ref(255, 131, 6), Ref(223, 32, 32), Ref(100, 50, 0),
};

}  // namespace

uint32_t SeatColourRef(const SeatBoxColour& box) { return Ref(box.r, box.g, box.b); }

wxColour LightColourOf(uint32_t colour) {
  for (const SeatBoxColour& box : kSeatBoxColours) {
    if (SeatColourRef(box) == colour) return wxColour(box.lightR, box.lightG, box.lightB);
  }
  return wxColour(255, 255, 255);
}

int PictureSetIndex(uint32_t colour) {
  const auto* found = std::find(std::begin(kPictureSetColours), std::end(kPictureSetColours), colour);
  return found == std::end(kPictureSetColours) ? -1 : static_cast<int>(found - std::begin(kPictureSetColours));
}
