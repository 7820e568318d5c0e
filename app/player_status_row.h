#pragma once

#include <array>
#include <cstdint>

#include <wx/panel.h>

#include "records/player_game.h"

class CColourLabel;
class CFlatBitmapButton;
class CInterfaceImages;
class wxStaticBitmap;

// One status row at the left edge of the board, 175 x 72: a player's name,
// badge, points, Largest Army and Longest Road badges and hand, or the bank's
// stock. Only what changed since the last refresh is redrawn.
class CPlayerStatusRow : public wxPanel {
 public:
  static constexpr int kWidth = 175;
  static constexpr int kHeight = 72;

  // `player` is the seat index, -1 for the bank row. `colour` (0x00BBGGRR)
  // picks the light background and the badge; `name` is shown as stored.
  CPlayerStatusRow(wxWindow* parent, wxWindowID id, wxPoint pos, int32_t player, uint32_t colour,
                   const std::string& name, const CInterfaceImages& images);

  int32_t Player() const { return player_; }
  // The shown values: the hand (or the bank's stock), points and titles.
  struct Shown {
    ResourceCounts counts{};
    int32_t points = 0;
    bool largestArmy = false;
    bool longestRoad = false;
  };
  void Update(const Shown& now);
  const Shown& Current() const { return shown_; }

  // For tests: the parts of the row.
  wxWindow* NameLabel() const;
  wxWindow* PointsLabel() const;
  wxWindow* LargestArmyBadge() const;
  wxWindow* LongestRoadBadge() const;
  wxWindow* ResourcePicture(int resource) const;
  wxWindow* ResourceCount(int resource) const;

 private:
  void ShowCount(int resource, int32_t count);

  int32_t player_;
  CColourLabel* name_ = nullptr;
  CColourLabel* points_ = nullptr;
  CFlatBitmapButton* largestArmy_ = nullptr;
  CFlatBitmapButton* longestRoad_ = nullptr;
  std::array<wxStaticBitmap*, 5> pictures_{};
  std::array<CColourLabel*, 5> counts_{};
  Shown shown_;
};
