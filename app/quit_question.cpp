#include "quit_question.h"

#include <wx/msgdlg.h>

bool AskQuitGame(wxWindow* owner) {
  const long style = wxYES_NO | wxICON_QUESTION | (owner == nullptr ? wxSTAY_ON_TOP : 0);
  wxMessageDialog ask(owner, "Do you really want to quit?", "Quit game?", style);
  return ask.ShowModal() == wxID_YES;
}

