#pragma once

#include <wx/dialog.h>

// A window beside the board that keeps a record of the game (its history,
// statistics or luck): resizable, and closing it only hides it, so that it
// goes on following the game and opens again as it was left.
class CRecordWindow : public wxDialog {
 protected:
  CRecordWindow(wxWindow* parent, wxWindowID id, const wxString& title, const wxSize& size = wxDefaultSize);
};
