#include "database_ui.h"

#include <wx/msgdlg.h>
#include <wx/utils.h>

#include "records/atomic_file.h"

void CWindowDatabaseUi::ShowMessage(const std::string& caption, const std::string& text) {
  wxMessageBox(wxString::FromUTF8(text), wxString::FromUTF8(caption), wxOK, parent_);
}

bool CWindowDatabaseUi::AskYesNo(const std::string& caption, const std::string& text) {
  return wxMessageBox(wxString::FromUTF8(text), wxString::FromUTF8(caption), wxYES_NO, parent_) == wxYES;
}

void CWindowDatabaseUi::BeginWait() { wxBeginBusyCursor(); }
void CWindowDatabaseUi::EndWait() { wxEndBusyCursor(); }

bool RunDatabaseOperation(wxWindow* parent, const std::function<void()>& operation) {
  try {
    operation();
    return true;
  } catch (const CDatabaseError& error) {
    wxMessageBox(wxString::FromUTF8(error.what()), kDatabaseErrorCaption, wxOK | wxICON_ERROR, parent);
  } catch (const CFileError& error) {
    wxMessageBox(wxString::FromUTF8(error.what()), kDatabaseErrorCaption, wxOK | wxICON_ERROR, parent);
  }
  return false;
}
