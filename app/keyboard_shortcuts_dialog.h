#pragma once

#include <wx/dialog.h>

// Help > Keyboard Shortcuts: every key of the game window and of the dialogs
// of a turn, with what it does.
class CKeyboardShortcutsDialog : public wxDialog {
 public:
  explicit CKeyboardShortcutsDialog(wxWindow* parent);
};
