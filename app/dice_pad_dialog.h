#pragma once

#include <functional>

#include <wx/dialog.h>

// The dice pad: eleven buttons "2" to "12" (ids 1044 to 1054) for entering a
// dice total rolled at the table. Modeless; it never closes itself.
class CDicePadDialog : public wxDialog {
 public:
  CDicePadDialog(wxWindow* parent, std::function<void(int total)> onRoll);

  static constexpr int kFirstButtonId = 1044;
  wxWindow* Button(int total) const { return FindWindow(kFirstButtonId + total - 2); }
};
