#pragma once

#include <wx/docmdi.h>

// The MDI child frame of a game window: no system menu, minimise or maximise
// box; shown maximised. Closing it asks before the game is discarded.
class CChildFrame : public wxDocMDIChildFrame {
 public:
  CChildFrame(wxDocument* doc, wxView* view, wxMDIParentFrame* parent);

 private:
  void OnClose(wxCloseEvent& event);
};
