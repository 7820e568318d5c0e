#include "dice_pad_dialog.h"

#include <wx/button.h>
#include <wx/sizer.h>

CDicePadDialog::CDicePadDialog(wxWindow* parent, std::function<void(int total)> onRoll)
    : wxDialog(parent, 153, "Dice", wxDefaultPosition, wxDefaultSize, wxCAPTION) {
  auto* grid = new wxGridSizer(4, wxSize(4, 4));
  for (int total = 2; total <= 12; ++total) {
    auto* button = new wxButton(this, kFirstButtonId + total - 2, wxString::Format("%d", total), wxDefaultPosition,
                                wxSize(44, 36));
    button->Bind(wxEVT_BUTTON, [onRoll, total](wxCommandEvent&) {
      if (onRoll) onRoll(total);
    });
    grid->Add(button);
  }
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(grid, 0, wxALL, 8);
  SetSizerAndFit(top);
  // The pad goes away with the dialog it belongs to, not by itself.
  Bind(wxEVT_CLOSE_WINDOW, [](wxCloseEvent& event) {
    if (event.CanVeto()) {
      event.Veto();
    } else {
      event.Skip();
    }
  });
}
