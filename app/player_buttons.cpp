#include "player_buttons.h"

#include <wx/sizer.h>

#include "colour_label.h"
#include "command_ids.h"
#include "panel_font.h"

const wxColour CPlayerButtons::kHighlight(255, 227, 100);

CPlayerButtons::CPlayerButtons(wxWindow* parent, const std::array<wxString, kMaxPlayers>& names,
                               const std::array<wxColour, kMaxPlayers>& tints, std::function<void(int)> onSelect)
    : tints_(tints) {
  sizer_ = new wxBoxSizer(wxVERTICAL);
  for (int p = 0; p < kMaxPlayers; ++p) {
    buttons_[p] = new CColourLabel(parent, IDC_PLAYER_BUTTON_FIRST + p, names[p], wxDefaultPosition,
                                   wxSize(150, 22), PanelFont(13), *wxBLACK, tints[p]);
    buttons_[p]->SetCursor(wxCursor(wxCURSOR_HAND));
    sizer_->Add(buttons_[p], 0, wxEXPAND | wxBOTTOM, 3);
    buttons_[p]->Hide();
  }
  // A click on a label arrives as a command with the label's id.
  parent->Bind(wxEVT_BUTTON, [this, onSelect = std::move(onSelect)](wxCommandEvent& event) {
    const int player = event.GetId() - IDC_PLAYER_BUTTON_FIRST;
    if (!buttons_[player]->IsShown()) return;
    Select(player);
    if (onSelect) onSelect(player);
  }, IDC_PLAYER_BUTTON_FIRST, IDC_PLAYER_BUTTON_FIRST + 5);
}

void CPlayerButtons::Show(int player, bool shown) { buttons_.at(static_cast<size_t>(player))->Show(shown); }

void CPlayerButtons::Select(int player) {
  selected_ = player;
  for (int p = 0; p < kMaxPlayers; ++p) {
    buttons_[p]->SetColours(*wxBLACK, p == player ? kHighlight : tints_[p]);
  }
}

wxWindow* CPlayerButtons::Button(int player) const { return buttons_.at(static_cast<size_t>(player)); }
