#include "player_edit_dialog.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "command_ids.h"
#include "records/text_encoding.h"

namespace {

wxString FromStored(const std::string& cp1252) { return wxString::FromUTF8(Cp1252ToUtf8(cp1252)); }
std::string ToStored(const wxString& text) { return Utf8ToCp1252(text.utf8_string()); }

}  // namespace

CPlayerEditDialog::CPlayerEditDialog(wxWindow* parent, const wxString& caption, const std::string& lastName,
                                     const std::string& firstName)
    : wxDialog(parent, 151, caption) {
  lastName_ = new wxTextCtrl(this, IDC_EDIT_LAST_NAME, FromStored(lastName), wxDefaultPosition, wxSize(220, -1));
  firstName_ = new wxTextCtrl(this, IDC_EDIT_FIRST_NAME, FromStored(firstName), wxDefaultPosition, wxSize(220, -1));

  auto* fields = new wxFlexGridSizer(2, wxSize(8, 8));
  fields->AddGrowableCol(1);
  fields->Add(new wxStaticText(this, wxID_ANY, "Last Name:"), 0, wxALIGN_CENTER_VERTICAL);
  fields->Add(lastName_, 1, wxEXPAND);
  fields->Add(new wxStaticText(this, wxID_ANY, "First Name:"), 0, wxALIGN_CENTER_VERTICAL);
  fields->Add(firstName_, 1, wxEXPAND);

  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(fields, 0, wxEXPAND | wxALL, 10);
  top->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 10);
  SetSizerAndFit(top);
  CentreOnParent();
}

int CPlayerEditDialog::ShowModal() {
  // Typing starts in "Last Name:", with its text selected for replacing.
  lastName_->SetFocus();
  lastName_->SelectAll();
  return wxDialog::ShowModal();
}

std::string CPlayerEditDialog::LastName() const { return ToStored(lastName_->GetValue()); }
std::string CPlayerEditDialog::FirstName() const { return ToStored(firstName_->GetValue()); }
