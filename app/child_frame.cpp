#include "child_frame.h"

#include "app_icon.h"
#include "menus.h"
#include "quit_question.h"

CChildFrame::CChildFrame(wxDocument* doc, wxView* view, wxMDIParentFrame* parent)
    : wxDocMDIChildFrame(doc, view, parent, wxID_ANY, doc->GetUserReadableName(), wxDefaultPosition,
                         wxDefaultSize, wxCAPTION | wxRESIZE_BORDER | wxCLOSE_BOX) {
  SetIcons(AppIcons());
  SetMenuBar(CreateMenu129());
  Bind(wxEVT_CLOSE_WINDOW, &CChildFrame::OnClose, this);
}

void CChildFrame::OnClose(wxCloseEvent& event) {
  if (event.CanVeto() && !AskQuitGame(nullptr)) {
    event.Veto();
    return;
  }
  // The document/view machinery closes the view, which discards the game.
  event.Skip();
}
