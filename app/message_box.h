#pragma once

#include <wx/string.h>

class wxWindow;

// The message boxes of a turn ("Victory Point", "Trade to the bank", a game
// that could not be stored): the toolkit's generic message dialog, a
// wxDialog with the id IDD_MESSAGE, so that it sits with the other dialogs of
// a turn.
void ShowMessageBox(wxWindow* owner, const wxString& caption, const wxString& text);
// Yes/No; true for Yes.
bool AskYesNoBox(wxWindow* owner, const wxString& caption, const wxString& text);
