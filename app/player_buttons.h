#pragma once

#include <array>
#include <functional>

#include <wx/colour.h>
#include <wx/string.h>

#include "engine/board/building_code.h"

class CColourLabel;
class wxSizer;
class wxWindow;

// The six player buttons of the Play a Development Card and Trade dialogs
// (ids 1030 .. 1035): each player's name on the player's tint, the selected
// one highlighted. Hidden buttons belong to players not offered.
class CPlayerButtons {
 public:
  static const wxColour kHighlight;

  CPlayerButtons(wxWindow* parent, const std::array<wxString, kMaxPlayers>& names, const std::array<wxColour, kMaxPlayers>& tints,
                 std::function<void(int player)> onSelect);

  wxSizer* Sizer() const { return sizer_; }
  void Show(int player, bool shown);
  void Select(int player);
  int Selected() const { return selected_; }
  wxWindow* Button(int player) const;

 private:
  wxSizer* sizer_ = nullptr;
  std::array<CColourLabel*, 6> buttons_{};
  std::array<wxColour, kMaxPlayers> tints_;
  int selected_ = -1;
};
