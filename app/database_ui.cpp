#include "database_ui.h"

#include <wx/msgdlg.h>
#include <wx/utils.h>

#include "records/atomic_file.h"
#include "records/text_encoding.h"

namespace {

// Messages carry file paths (UTF-8) and may carry stored names
// (Windows-1252): take UTF-8 when it is valid, else convert.
wxString MessageText(const std::string& text) {
  wxString converted = wxString::FromUTF8(text);
  if (converted.empty() && !text.empty()) converted = wxString::FromUTF8(Cp1252ToUtf8(text));
  return converted;
}

}  // namespace

void CWindowDatabaseUi::ShowMessage(const std::string& caption, const std::string& text) {
  wxMessageBox(MessageText(text), MessageText(caption), wxOK, parent_);
}

bool CWindowDatabaseUi::AskYesNo(const std::string& caption, const std::string& text) {
  return wxMessageBox(MessageText(text), MessageText(caption), wxYES_NO, parent_) == wxYES;
}

void CWindowDatabaseUi::BeginWait() { wxBeginBusyCursor(); }
void CWindowDatabaseUi::EndWait() { wxEndBusyCursor(); }

bool RunDatabaseOperation(wxWindow* parent, const std::function<void()>& operation) {
  try {
    operation();
    return true;
  } catch (const CDatabaseError& error) {
    wxMessageBox(MessageText(error.what()), kDatabaseErrorCaption, wxOK | wxICON_ERROR, parent);
  } catch (const CFileError& error) {
    wxMessageBox(MessageText(error.what()), kDatabaseErrorCaption, wxOK | wxICON_ERROR, parent);
  }
  return false;
}
