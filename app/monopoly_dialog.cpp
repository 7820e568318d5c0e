#include "monopoly_dialog.h"

#include <wx/sizer.h>

#include "command_ids.h"
#include "radio_choice.h"

CMonopolyDialog::CMonopolyDialog(wxWindow* parent) : wxDialog(parent, IDD_MONOPOLY, "Play a Monopoly Card") {
  choice_ = std::make_unique<CRadioChoice>(this, "Resource", ResourceLabels());
  choice_->Check(0);
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(choice_->Sizer(), 0, wxEXPAND | wxALL, 10);
  top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, 10);
  SetSizerAndFit(top);
  CentreOnParent();
}

CMonopolyDialog::~CMonopolyDialog() = default;

int CMonopolyDialog::Resource() const { return choice_->Checked(); }

std::optional<int> CMonopolyDialog::Ask(wxWindow* parent) {
  CMonopolyDialog dialog(parent);
  if (dialog.ShowModal() != wxID_OK) return std::nullopt;
  return dialog.Resource();
}
