#include "bank_trade_dialog.h"

#include <wx/button.h>
#include <wx/sizer.h>

#include "command_ids.h"
#include "radio_choice.h"

CBankTradeDialog::CBankTradeDialog(wxWindow* parent, int wanted, const std::array<bool, kResourceCount>& tradeable)
    : wxDialog(parent, IDD_BANK_TRADE, "Trade to the bank", wxDefaultPosition, wxDefaultSize, wxCAPTION) {
  const std::vector<wxString> names = ResourceLabels();
  const wxString wantedName = IsResource(wanted) ? names[static_cast<size_t>(wanted)] : wxString();
  choice_ = std::make_unique<CRadioChoice>(this, wxString::Format("Which resource will you trade to get a %s?", wantedName), names);
  for (int r = 0; r < kResourceCount; ++r) choice_->Enable(r, tradeable[static_cast<size_t>(r)]);
  choice_->CheckFirstEnabled();
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(choice_->Sizer(), 0, wxEXPAND | wxALL, 10);
  top->Add(CreateStdDialogButtonSizer(wxOK), 0, wxEXPAND | wxALL, 10);
  SetSizerAndFit(top);
  SetEscapeId(wxID_NONE);  // no Cancel: Escape does not close it
  CentreOnParent();
}

CBankTradeDialog::~CBankTradeDialog() = default;

int CBankTradeDialog::Resource() const { return choice_->Checked(); }
bool CBankTradeDialog::IsTradeable(int resource) const { return choice_->IsEnabled(resource); }

int CBankTradeDialog::Ask(wxWindow* parent, int wanted, const std::array<bool, kResourceCount>& tradeable) {
  CBankTradeDialog dialog(parent, wanted, tradeable);
  dialog.ShowModal();
  return std::max(0, dialog.Resource());
}
