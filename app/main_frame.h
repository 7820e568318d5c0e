#pragma once

#include <wx/docmdi.h>

// The main MDI frame: menu 128 while no game window is open, a toolbar that
// starts hidden, and a status bar with the message, caps, num and scroll-lock
// panes. It routes the game commands to the open game view.
class CMainFrame : public wxDocMDIParentFrame {
 public:
  explicit CMainFrame(wxDocManager* manager);

  // Width 300; height 70 plus what the open game view needs beside the board.
  void ApplyMinimumSize();

 private:
  void OnClose(wxCloseEvent& event);
  void OnExit(wxCommandEvent& event);
  void OnToggleToolBar(wxCommandEvent& event);
  void OnToggleStatusBar(wxCommandEvent& event);
  void OnUpdateToolBar(wxUpdateUIEvent& event);
  void OnUpdateStatusBar(wxUpdateUIEvent& event);
  void OnIdle(wxIdleEvent& event);
  void ShowKeyState(int pane, int key, const char* text);
};
