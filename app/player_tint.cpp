#include "player_tint.h"

#include <algorithm>
#include <iterator>

#include "player_select_dialog.h"

namespace {

constexpr int32_t ColourValue(unsigned char r, unsigned char g, unsigned char b) {
  return static_cast<int32_t>(r) | (static_cast<int32_t>(g) << 8) | (static_cast<int32_t>(b) << 16);
}

// Player colours in the order of the colour-dependent picture sets: white,
// blue, green, orange, red, brown.
constexpr int32_t kPictureSetColours[6] = {
    ColourValue(235, 235, 235), ColourValue(32, 32, 223), ColourValue(0, 128, 0),
    ColourValue(255, 131, 6),   ColourValue(223, 32, 32), ColourValue(100, 50, 0),
};

}  // namespace

wxColour PlayerTint(int32_t color) {
  for (const CPlayerSelectDialog::SeatBox& box : CPlayerSelectDialog::kSeatBoxes) {
    if (ColourValue(box.r, box.g, box.b) == color) return wxColour(box.lightR, box.lightG, box.lightB);
  }
  return *wxWHITE;
}

int PictureSetIndex(int32_t color) {
  const auto* found = std::find(std::begin(kPictureSetColours), std::end(kPictureSetColours), color);
  return found == std::end(kPictureSetColours) ? -1 : static_cast<int>(found - std::begin(kPictureSetColours));
}
