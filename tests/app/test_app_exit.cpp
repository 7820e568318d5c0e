// File > Exit with a game open: No keeps everything, Yes closes the game and
// the main frame. Linked last: the program is gone afterwards.
#include <gtest/gtest.h>

#include <set>

#include <wx/dialog.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>

#include "command_ids.h"
#include "gui_driver.h"
#include "hexstead_app.h"
#include "hexstead_view.h"
#include "main_frame.h"

namespace {

TEST(AppExit, ExitAsksWhileAGameIsOpenAndClosesEverythingOnYes) {
  std::string why;
  if (!gui::Start(&why)) GTEST_SKIP() << why;
  gui::OpenNewGame();
  CHexsteadView* view = TheApp().OpenView();
  ASSERT_NE(view, nullptr);
  CMainFrame* main = TheApp().MainFrame();
  wxCommandEvent exit(wxEVT_MENU, ID_APP_EXIT);
  {
    wxTEST_DIALOG(main->GetEventHandler()->ProcessEvent(exit),
                  wxExpectModal<wxMessageDialog>(wxID_NO).Describe("Quit game?"));
  }
  gui::Pump(50);
  EXPECT_EQ(TheApp().OpenView(), view);
  EXPECT_TRUE(main->IsShown());
  {
    // One question only: the frame closes without asking again.
    wxTEST_DIALOG(main->GetEventHandler()->ProcessEvent(exit),
                  wxExpectModal<wxMessageDialog>(wxID_YES).Describe("Quit game?"));
  }
  gui::Pump(200);
  EXPECT_EQ(TheApp().OpenView(), nullptr);
  EXPECT_EQ(TheApp().CurrentGame(), nullptr);
  EXPECT_TRUE(wxTopLevelWindows.IsEmpty());
}

}  // namespace
