#pragma once

#include <vector>

#include <wx/string.h>

class wxRadioButton;
class wxSizer;
class wxStaticBoxSizer;
class wxWindow;

// A group box of radio buttons, one choice each (ids IDC_RADIO_FIRST +
// choice), as the small dialogs of a turn ask for one resource, one card
// kind or a number of points.
class CRadioChoice {
 public:
  CRadioChoice(wxWindow* parent, const wxString& caption, const std::vector<wxString>& labels);

  wxStaticBoxSizer* Sizer() const { return sizer_; }
  void Enable(int choice, bool enable);
  bool IsEnabled(int choice) const;
  void Check(int choice);
  // The checked choice; -1 when none is.
  int Checked() const;
  // Checks the first enabled choice; -1 when none is enabled.
  int CheckFirstEnabled();
  wxRadioButton* Button(int choice) const { return buttons_.at(static_cast<size_t>(choice)); }
  void SetCaption(const wxString& caption);

 private:
  void FitCaption();

  wxStaticBoxSizer* sizer_ = nullptr;
  std::vector<wxRadioButton*> buttons_;
};

// The resource names of the dialogs, Timber .. Sheep.
std::vector<wxString> ResourceLabels();
