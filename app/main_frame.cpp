#include "main_frame.h"

#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>
#include <wx/utils.h>

#include "app_icon.h"
#include "command_ids.h"
#include "hexstead_app.h"
#include "hexstead_view.h"
#include "menus.h"
#include "quit_question.h"

namespace {

enum StatusPane { MessagePane, CapsPane, NumPane, ScrollPane, PaneCount };

}  // namespace

CMainFrame::CMainFrame(wxDocManager* manager)
    : wxDocMDIParentFrame(manager, nullptr, wxID_ANY, "Hexstead3D", wxDefaultPosition, wxSize(1024, 768),
                          wxDEFAULT_FRAME_STYLE | wxFRAME_NO_WINDOW_MENU) {
  SetIcons(AppIcons());
  SetMenuBar(CreateMenu128());

  wxToolBar* toolbar = CreateToolBar(wxTB_FLAT | wxTB_HORIZONTAL | wxTB_TOP);
  FillToolBar128(toolbar);
  toolbar->Hide();

  wxStatusBar* status = CreateStatusBar(PaneCount);
  const int widths[PaneCount] = {-1, 40, 40, 40};
  status->SetStatusWidths(PaneCount, widths);
  SetStatusBarPane(MessagePane);
  SetStatusText("Ready");

  SetMinSize(wxSize(300, 70));

  Bind(wxEVT_CLOSE_WINDOW, &CMainFrame::OnClose, this);
  Bind(wxEVT_MENU, &CMainFrame::OnExit, this, ID_APP_EXIT);
  Bind(wxEVT_MENU, &CMainFrame::OnToggleToolBar, this, ID_VIEW_TOOLBAR);
  Bind(wxEVT_MENU, &CMainFrame::OnToggleStatusBar, this, ID_VIEW_STATUS_BAR);
  Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateToolBar, this, ID_VIEW_TOOLBAR);
  Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateStatusBar, this, ID_VIEW_STATUS_BAR);
  // Toolbar buttons without a handler are shown disabled.
  for (int id : {ID_FILE_OPEN, ID_FILE_SAVE, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_FILE_PRINT}) {
    Bind(wxEVT_UPDATE_UI, [](wxUpdateUIEvent& event) { event.Enable(false); }, id);
  }
  Bind(wxEVT_IDLE, &CMainFrame::OnIdle, this);
}

void CMainFrame::ApplyMinimumSize() {
  int height = 70;
  if (CHexsteadView* view = TheApp().OpenView()) height += view->SidePanelsMinimumHeight();
  SetMinSize(wxSize(300, height));
  wxSize now = GetSize();
  if (now.y < GetMinSize().y || now.x < GetMinSize().x) {
    now.IncTo(GetMinSize());
    SetSize(now);
  }
}

void CMainFrame::OnClose(wxCloseEvent& event) {
  if (event.CanVeto() && TheApp().OpenView() != nullptr) {
    if (!AskQuitGame(this)) {
      event.Veto();
      return;
    }
  }
  event.Skip();
}

void CMainFrame::OnExit(wxCommandEvent&) {
  if (CHexsteadView* view = TheApp().OpenView()) {
    view->OnExitCommand();
    return;
  }
  Close(true);
}

void CMainFrame::OnToggleToolBar(wxCommandEvent&) {
  wxToolBar* toolbar = GetToolBar();
  toolbar->Show(!toolbar->IsShown());
  SendSizeEvent();
}

void CMainFrame::OnToggleStatusBar(wxCommandEvent&) {
  wxStatusBar* status = GetStatusBar();
  status->Show(!status->IsShown());
  SendSizeEvent();
}

void CMainFrame::OnUpdateToolBar(wxUpdateUIEvent& event) { event.Check(GetToolBar()->IsShown()); }
void CMainFrame::OnUpdateStatusBar(wxUpdateUIEvent& event) { event.Check(GetStatusBar()->IsShown()); }

void CMainFrame::ShowKeyState(int pane, int key, const char* text) {
  const wxString shown = wxGetKeyState(static_cast<wxKeyCode>(key)) ? text : "";
  if (GetStatusBar()->GetStatusText(pane) != shown) GetStatusBar()->SetStatusText(shown, pane);
}

void CMainFrame::OnIdle(wxIdleEvent& event) {
  ShowKeyState(CapsPane, WXK_CAPITAL, "CAP");
  ShowKeyState(NumPane, WXK_NUMLOCK, "NUM");
  ShowKeyState(ScrollPane, WXK_SCROLL, "SCRL");
  event.Skip();
}
