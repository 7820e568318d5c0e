#include "radio_choice.h"

#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>

#include "command_ids.h"
#include "engine/board/tile_type.h"

CRadioChoice::CRadioChoice(wxWindow* parent, const wxString& caption, const std::vector<wxString>& labels) {
  sizer_ = new wxStaticBoxSizer(wxVERTICAL, parent, caption);
  for (size_t i = 0; i < labels.size(); ++i) {
    auto* button = new wxRadioButton(sizer_->GetStaticBox(), IDC_RADIO_FIRST + static_cast<int>(i), labels[i],
                                     wxDefaultPosition, wxDefaultSize, i == 0 ? wxRB_GROUP : 0);
    sizer_->Add(button, 0, wxALL, 4);
    buttons_.push_back(button);
  }
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

void CRadioChoice::SetCaption(const wxString& caption) { sizer_->GetStaticBox()->SetLabel(caption); }

std::vector<wxString> ResourceLabels() {
  std::vector<wxString> labels;
  for (int r = 0; r < kResourceCount; ++r) labels.push_back(TileName(r));
  return labels;
}
