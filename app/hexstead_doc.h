#pragma once

#include <wx/docview.h>

// The document of a game window. It holds no data: the application owns the
// game record and games are stored through the game database, never saved
// through the document.
class CHexsteadDoc : public wxDocument {
 public:
  bool OnNewDocument() override;
  bool IsModified() const override { return false; }

 private:
  wxDECLARE_DYNAMIC_CLASS(CHexsteadDoc);
};
