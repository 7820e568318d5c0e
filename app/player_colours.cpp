#include "player_colours.h"

wxColour WxColourOf(uint32_t colour) {
  const auto c = static_cast<int32_t>(colour);
  return wxColour(static_cast<unsigned char>(RedOf(c)), static_cast<unsigned char>(GreenOf(c)),
                  static_cast<unsigned char>(BlueOf(c)));
}

wxColour LightColourOf(uint32_t colour) {
  const int set = PictureSetIndex(static_cast<int32_t>(colour));
  return set < 0 ? wxColour(255, 255, 255) : WxColourOf(static_cast<uint32_t>(kPlayerColours[static_cast<std::size_t>(set)].light));
}
