#include "message_box.h"

#include <wx/msgdlg.h>
#include <wx/generic/msgdlgg.h>

#include "command_ids.h"

namespace {

int ShowBox(wxWindow* owner, const wxString& caption, const wxString& text, long style) {
  wxGenericMessageDialog dialog(owner, text, caption, style | wxCENTRE);
  dialog.SetId(IDD_MESSAGE);
  return dialog.ShowModal();
}

}  // namespace

void ShowMessageBox(wxWindow* owner, const wxString& caption, const wxString& text) {
  ShowBox(owner, caption, text, wxOK);
}

bool AskYesNoBox(wxWindow* owner, const wxString& caption, const wxString& text) {
  return ShowBox(owner, caption, text, wxYES_NO) == wxID_YES;
}
