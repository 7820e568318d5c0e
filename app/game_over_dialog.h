#pragma once

#include <wx/dialog.h>

// "The game is over!": "&Continue" accepts the winner, "&Undo" takes the
// winning action back.
class CGameOverDialog : public wxDialog {
 public:
  CGameOverDialog(wxWindow* parent, const wxString& winnerName);

  // True for "&Continue", false for "&Undo".
  static bool Ask(wxWindow* parent, const wxString& winnerName);
};
