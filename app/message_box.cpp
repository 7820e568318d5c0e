#include "message_box.h"

#include <wx/msgdlg.h>
#include <wx/generic/msgdlgg.h>

#include "command_ids.h"

namespace {

// The generic message dialog creates its window, with a new id, only when it
// is shown; the first hook it calls after that gives it its id back.
class CMessageBox : public wxGenericMessageDialog {
 public:
  using wxGenericMessageDialog::wxGenericMessageDialog;

 protected:
  void AddMessageDialogCheckBox(wxSizer* sizer) override {
    SetId(IDD_MESSAGE);
    wxGenericMessageDialog::AddMessageDialogCheckBox(sizer);
  }
};

int ShowBox(wxWindow* owner, const wxString& caption, const wxString& text, long style) {
  CMessageBox dialog(owner, text, caption, style | wxCENTRE);
  return dialog.ShowModal();
}

}  // namespace

void ShowMessageBox(wxWindow* owner, const wxString& caption, const wxString& text) {
  ShowBox(owner, caption, text, wxOK);
}

bool AskYesNoBox(wxWindow* owner, const wxString& caption, const wxString& text) {
  return ShowBox(owner, caption, text, wxYES_NO) == wxID_YES;
}
