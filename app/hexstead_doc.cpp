#include "hexstead_doc.h"

wxIMPLEMENT_DYNAMIC_CLASS(CHexsteadDoc, wxDocument);

bool CHexsteadDoc::OnNewDocument() {
  if (!wxDocument::OnNewDocument()) return false;
  // Game windows are titled after the document type, numbered from 1.
  static int created = 0;
  SetTitle(wxString::Format("Hexst%d", ++created));
  for (wxView* view : GetViewsVector()) view->OnChangeFilename();
  return true;
}
