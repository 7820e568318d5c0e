#include "radio_choice.h"

#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>

#include "command_ids.h"
#include "engine/board/tile_type.h"

namespace {

// Gives each label a mnemonic: its first letter that no earlier choice took
// and that the dialog's buttons do not use (GTK's OK and Cancel answer to O
// and C). A label with no free letter gets none.
std::vector<wxString> WithMnemonics(const std::vector<wxString>& labels) {
  wxString taken = "oc";
  std::vector<wxString> marked;
  for (const wxString& label : labels) {
    wxString withMnemonic = label;
    for (size_t k = 0; k < label.length(); ++k) {
      const wxUniChar letter = wxTolower(label[k]);
      if (!wxIsalpha(letter) || taken.Find(letter) != wxNOT_FOUND) continue;
      taken += letter;
      withMnemonic = label.Left(k) + "&" + label.Mid(k);
      break;
    }
    marked.push_back(withMnemonic);
  }
  return marked;
}

}  // namespace

CRadioChoice::CRadioChoice(wxWindow* parent, const wxString& caption, const std::vector<wxString>& plainLabels) {
  sizer_ = new wxStaticBoxSizer(wxVERTICAL, parent, caption);
  const std::vector<wxString> labels = WithMnemonics(plainLabels);
  for (size_t i = 0; i < labels.size(); ++i) {
    auto* button = new wxRadioButton(sizer_->GetStaticBox(), IDC_RADIO_FIRST + static_cast<int>(i), labels[i],
                                     wxDefaultPosition, wxDefaultSize, i == 0 ? wxRB_GROUP : 0);
    sizer_->Add(button, 0, wxALL, 4);
    buttons_.push_back(button);
  }
  FitCaption();
}

void CRadioChoice::FitCaption() {
  // A box does not grow for its caption: a question such as "How many
  // Victory Points in %s's hand?" would be cut off above short choices.
  constexpr int kCaptionInset = 16;  // where the caption starts, and as much after it
  wxStaticBox* box = sizer_->GetStaticBox();
  sizer_->SetMinSize(wxSize(box->GetTextExtent(box->GetLabel()).x + 2 * kCaptionInset, -1));
}

void CRadioChoice::Enable(int choice, bool enable) { Button(choice)->Enable(enable); }
bool CRadioChoice::IsEnabled(int choice) const { return Button(choice)->IsEnabled(); }
void CRadioChoice::Check(int choice) { Button(choice)->SetValue(true); }

int CRadioChoice::Checked() const {
  for (size_t i = 0; i < buttons_.size(); ++i) {
    if (buttons_[i]->GetValue()) return static_cast<int>(i);
  }
  return -1;
}

int CRadioChoice::CheckFirstEnabled() {
  for (size_t i = 0; i < buttons_.size(); ++i) {
    if (buttons_[i]->IsEnabled()) {
      buttons_[i]->SetValue(true);
      return static_cast<int>(i);
    }
  }
  return -1;
}

void CRadioChoice::SetCaption(const wxString& caption) {
  sizer_->GetStaticBox()->SetLabel(caption);
  FitCaption();
}

std::vector<wxString> ResourceLabels() {
  std::vector<wxString> labels;
  for (int r = 0; r < kResourceCount; ++r) labels.push_back(TileName(r));
  return labels;
}
