#include "message_box_database_ui.h"

#include <wx/msgdlg.h>
#include <wx/utils.h>

#include "records/text_encoding.h"

namespace {

// Messages carry file paths (UTF-8) and may carry stored names
// (Windows-1252): take UTF-8 when it is valid, else convert.
wxString ToWx(const std::string& text) {
  wxString converted = wxString::FromUTF8(text);
  if (converted.empty() && !text.empty()) converted = wxString::FromUTF8(Cp1252ToUtf8(text));
  return converted;
}

}  // namespace

void CMessageBoxDatabaseUi::ShowMessage(const std::string& caption, const std::string& text) {
  wxMessageBox(ToWx(text), ToWx(caption), wxOK, parent_);
}

bool CMessageBoxDatabaseUi::AskYesNo(const std::string& caption, const std::string& text) {
  return wxMessageBox(ToWx(text), ToWx(caption), wxYES_NO | wxICON_QUESTION, parent_) == wxYES;
}

void CMessageBoxDatabaseUi::BeginWait() { wxBeginBusyCursor(); }

void CMessageBoxDatabaseUi::EndWait() { wxEndBusyCursor(); }
