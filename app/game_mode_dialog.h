#pragma once

#include <wx/dialog.h>

// "What do you want to do?": the first step of File > New. Only tracking a
// real game is offered; the hotseat and network entries are shown disabled.
class CGameModeDialog : public wxDialog {
 public:
  explicit CGameModeDialog(wxWindow* parent);
};
