#include "player_box.h"

#include <cstdlib>

#include "panel_font.h"

namespace {

const wxColour kEmptyGrey(192, 192, 192);
constexpr int kDragThreshold = 4;

}  // namespace

CPlayerBox::CPlayerBox(wxWindow* parent, wxWindowID id, const wxSize& size, const wxColour& light)
    : CColourLabel(parent, id, wxString(), wxDefaultPosition, size, PanelFont(13), *wxBLACK, light),
      light_(light) {
  SetTextPlacement(wxALIGN_LEFT | wxALIGN_CENTER_VERTICAL, 8);
  SetFrame(wxColour(160, 160, 160));
  Bind(wxEVT_MOTION, [this](wxMouseEvent& event) {
    if (!event.LeftIsDown() || IsEmpty()) {
      pressedAt_ = wxDefaultPosition;
      return;
    }
    // The first motion with the button down marks where the drag begins.
    if (pressedAt_ == wxDefaultPosition) pressedAt_ = event.GetPosition();
    const wxPoint moved = event.GetPosition() - pressedAt_;
    if (std::abs(moved.x) + std::abs(moved.y) >= kDragThreshold && onDragStart_) {
      pressedAt_ = wxDefaultPosition;
      onDragStart_();
    }
  });
  Bind(wxEVT_LEFT_DCLICK, [this](wxMouseEvent&) {
    if (onDoubleClick_) onDoubleClick_();
  });
}

void CPlayerBox::SetPlayer(int player, const wxString& name) {
  player_ = player;
  SetLabel(name);
  UpdateBackground();
}

void CPlayerBox::Clear() { SetPlayer(-1, wxString()); }

void CPlayerBox::SetLight(const wxColour& light) {
  light_ = light;
  UpdateBackground();
}

void CPlayerBox::ShowEmptyAsGrey(bool grey) {
  greyWhenEmpty_ = grey;
  UpdateBackground();
}

void CPlayerBox::UpdateBackground() {
  wxColour back = light_;
  if (IsEmpty() && greyWhenEmpty_) back = kEmptyGrey;
  if (back != GetBackgroundColour()) SetColours(*wxBLACK, back);
}
