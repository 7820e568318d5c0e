#include "victory_points_dialog.h"

#include <algorithm>

#include <wx/radiobut.h>
#include <wx/sizer.h>

#include "command_ids.h"
#include "radio_choice.h"

CVictoryPointsDialog::CVictoryPointsDialog(wxWindow* parent, const wxString& playerName, int maxPoints)
    : wxDialog(parent, IDD_VICTORY_POINTS, "Victory Point totals", wxDefaultPosition, wxDefaultSize, wxCAPTION) {
  choice_ = std::make_unique<CRadioChoice>(this, wxString::Format("How many Victory Points in %s's hand?", playerName),
                                           std::vector<wxString>{"None", "One", "Two", "Three", "Four", "Five"});
  for (int n = 0; n <= 5; ++n) choice_->Enable(n, n <= maxPoints);
  choice_->Check(0);
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(choice_->Sizer(), 0, wxEXPAND | wxALL, 10);
  top->Add(CreateStdDialogButtonSizer(wxOK), 0, wxEXPAND | wxALL, 10);
  SetSizerAndFit(top);
  SetEscapeId(wxID_NONE);
  // The digits 0 to 5 choose that many points, where the choice is offered.
  Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    const int digit = key >= '0' && key <= '9' ? key - '0' : key >= WXK_NUMPAD0 && key <= WXK_NUMPAD9 ? key - WXK_NUMPAD0 : -1;
    if (digit < 0 || digit > 5 || event.HasAnyModifiers()) {
      event.Skip();
      return;
    }
    if (choice_->IsEnabled(digit)) {
      choice_->Check(digit);
      choice_->Button(digit)->SetFocus();
    }
  });
  CentreOnParent();
}

CVictoryPointsDialog::~CVictoryPointsDialog() = default;

int CVictoryPointsDialog::Points() const { return std::max(0, choice_->Checked()); }
bool CVictoryPointsDialog::IsOffered(int points) const { return choice_->IsEnabled(points); }

int CVictoryPointsDialog::Ask(wxWindow* parent, const wxString& playerName, int maxPoints) {
  CVictoryPointsDialog dialog(parent, playerName, maxPoints);
  dialog.ShowModal();
  return dialog.Points();
}
