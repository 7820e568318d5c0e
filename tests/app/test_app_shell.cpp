// The shell around a game: menus, toolbar, wizard defaults and cancels, the
// quit confirmations, a generated Large board, and the OpenGL Settings popup.
#include <gtest/gtest.h>

#include <set>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/config.h>
#include <wx/dcclient.h>
#include <wx/dialog.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/radiobut.h>
#include <wx/statusbr.h>
#include <wx/testing.h>
#include <wx/toolbar.h>

#include "board_setup_panel.h"
#include "command_ids.h"
#include "engine/board/tile_type.h"
#include "gl_settings_dialog.h"
#include "gui_driver.h"
#include "hexstead_app.h"
#include "hexstead_view.h"
#include "main_frame.h"
#include "player_select_dialog.h"
#include "program_test.h"
#include "side_panel.h"

namespace {

class AppShell : public gui::ProgramTest {};

// Where the game window's Popups menu and its first item appear in the main
// frame (GTK's default theme under Xvfb: File, Edit, Popups, ...).
const wxPoint kPopupsMenu(111, 12);
const wxPoint kPopupsFirstItem(150, 42);

// Opens Popups with the mouse, reads the check mark of OpenGL Settings as the
// open menu shows it, and closes the menu again (optionally by choosing the
// item).
bool OpenGLSettingsChecked(wxFrame* child, bool choose) {
  const wxPoint frame = TheApp().MainFrame()->GetScreenPosition();
  gui::ClickAt(frame + kPopupsMenu);
  gui::Pump(200);
  const bool checked = child->GetMenuBar()->FindItem(ID_POPUPS_GLSETTINGS)->IsChecked();
  if (choose) {
    gui::ClickAt(frame + kPopupsFirstItem);
  } else {
    gui::PressEscape();
  }
  gui::Pump(200);
  return checked;
}

bool Checked(wxWindow* dialog, int id) { return static_cast<wxRadioButton*>(dialog->FindWindow(id))->GetValue(); }

// Opens a game through the wizard; `options` may click controls of "Game
// Options" before its OK is clicked.
void OpenGame(const std::function<void(wxDialog*)>& options = {}) { gui::OpenNewGame(options); }

TEST_F(AppShell, MainFrameStartsWithMenu128HiddenToolbarAndFourPanes) {
  CMainFrame* frame = TheApp().MainFrame();
  EXPECT_EQ(frame->GetTitle(), "Hexstead3D");
  wxMenuBar* menus = frame->GetMenuBar();
  ASSERT_EQ(menus->GetMenuCount(), 4u);
  EXPECT_EQ(menus->GetMenuLabel(0), "&File");
  EXPECT_EQ(menus->GetMenuLabel(1), "&Databases");
  EXPECT_EQ(menus->GetMenuLabel(2), "&View");
  EXPECT_EQ(menus->GetMenuLabel(3), "&Help");
  EXPECT_EQ(menus->FindItem(ID_FILE_NEW)->GetItemLabel(), "&New\tCtrl+N");
  EXPECT_EQ(menus->FindItem(ID_APP_ABOUT)->GetItemLabel(), "&About Hexstead3D...");
  EXPECT_EQ(menus->FindItem(ID_DATABASES_PLAYER)->GetHelp(), "Open the player database");
  EXPECT_EQ(menus->FindItem(ID_FILE_CLOSE), nullptr);
  EXPECT_FALSE(frame->GetToolBar()->IsShown());
  EXPECT_EQ(frame->GetStatusBar()->GetFieldsCount(), 4);
  EXPECT_EQ(TheApp().OpenView(), nullptr);
}

TEST_F(AppShell, ToolbarShownFromTheViewMenuOffersOnlyNewAndAbout) {
  CMainFrame* frame = TheApp().MainFrame();
  wxToolBar* toolbar = frame->GetToolBar();
  wxCommandEvent toggle(wxEVT_MENU, ID_VIEW_TOOLBAR);
  frame->GetEventHandler()->ProcessEvent(toggle);
  EXPECT_TRUE(toolbar->IsShown());
  toolbar->UpdateWindowUI();
  EXPECT_TRUE(toolbar->GetToolEnabled(ID_FILE_NEW));
  EXPECT_TRUE(toolbar->GetToolEnabled(ID_APP_ABOUT));
  for (int id : {ID_FILE_OPEN, ID_FILE_SAVE, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_FILE_PRINT}) {
    EXPECT_FALSE(toolbar->GetToolEnabled(id)) << id;
  }
  frame->GetEventHandler()->ProcessEvent(toggle);
  EXPECT_FALSE(toolbar->IsShown());
}

TEST_F(AppShell, WizardOffersOnlyTrackingAndCancelEndsNew) {
  bool checked = false;
  gui::WhileModal([] { EXPECT_FALSE(TheApp().NewGame()); },
                  [&] {
                    wxDialog* dialog = gui::ShownDialog(155);
                    if (dialog == nullptr || checked) return;
                    checked = true;
                    EXPECT_EQ(dialog->GetTitle(), "What do you want to do?");
                    EXPECT_TRUE(Checked(dialog, IDC_MODE_TRACK));
                    EXPECT_FALSE(dialog->FindWindow(IDC_MODE_HOTSEAT)->IsEnabled());
                    EXPECT_FALSE(dialog->FindWindow(IDC_MODE_NETWORK)->IsEnabled());
                    gui::ClickWindow(dialog->FindWindow(wxID_CANCEL));
                  });
  EXPECT_TRUE(checked);
  EXPECT_EQ(TheApp().OpenView(), nullptr);
  EXPECT_NE(TheApp().CurrentGame(), nullptr);  // the new game stays current
}

TEST_F(AppShell, GameOptionsDefaultsAndCancel) {
  bool checked = false;
  gui::WhileModal([] { EXPECT_FALSE(TheApp().NewGame()); },
                  [&] {
                    if (wxDialog* mode = gui::ShownDialog(155)) {
                      gui::ClickWindow(mode->FindWindow(wxID_OK));
                      return;
                    }
                    wxDialog* dialog = gui::ShownDialog(156);
                    if (dialog == nullptr || checked) return;
                    checked = true;
                    EXPECT_EQ(dialog->GetTitle(), "Game Options");
                    EXPECT_TRUE(Checked(dialog, IDC_PLAYERS_34));
                    EXPECT_TRUE(Checked(dialog, IDC_LAYOUT_SPIRAL));
                    EXPECT_FALSE(dialog->FindWindow(IDC_LAYOUT_LINES)->IsEnabled());
                    EXPECT_FALSE(static_cast<wxCheckBox*>(dialog->FindWindow(IDC_TRACK_TRADES))->GetValue());
                    EXPECT_FALSE(static_cast<wxCheckBox*>(dialog->FindWindow(IDC_GENERATE_BOARD))->GetValue());
                    gui::ClickWindow(dialog->FindWindow(wxID_CANCEL));
                  });
  EXPECT_TRUE(checked);
  EXPECT_EQ(TheApp().OpenView(), nullptr);
}

TEST_F(AppShell, GeneratedLargeBoardGoesStraightToPlayerSelection) {
  OpenGame([](wxDialog* options) {
    gui::ClickWindow(options->FindWindow(IDC_PLAYERS_56));
    gui::ClickWindow(options->FindWindow(IDC_GENERATE_BOARD));
    gui::ClickWindow(options->FindWindow(IDC_TRACK_TRADES));
  });
  CHexsteadView* view = TheApp().OpenView();
  ASSERT_NE(view, nullptr);
  const CGame& game = view->Session().Game();
  EXPECT_EQ(game.players.size(), 5u);
  EXPECT_EQ(game.trackTrades, 1);
  EXPECT_EQ(game.boardGenerated, 1);
  EXPECT_EQ(view->Session().Board().Kind(), BoardKind::Large);
  EXPECT_EQ(view->Session().GameStateNow(), PlayerInformation);
  EXPECT_TRUE(view->PlayerSelection().IsShown());
  EXPECT_FALSE(view->PlayerSelection().CancelAllowed());
  EXPECT_FALSE(view->CurrentSidePanel().IsShown());
  gui::Screenshot("generated_large_board");
}

TEST_F(AppShell, LargeBoardPaletteCountsAndTheirRoom) {
  OpenGame([](wxDialog* options) { gui::ClickWindow(options->FindWindow(IDC_PLAYERS_56)); });
  CHexsteadView* view = TheApp().OpenView();
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->Session().Board().Kind(), BoardKind::Large);
  const int ocean = static_cast<int>(TileType::Ocean);
  wxWindow* label = view->Palette().RemainingLabel(ocean);
  EXPECT_EQ(label->GetLabel(), "Remaining: 11");
  wxClientDC dc(label);
  dc.SetFont(label->GetFont());
  EXPECT_LE(dc.GetTextExtent(label->GetLabel()).x, label->GetClientSize().x);
  EXPECT_EQ(view->Palette().RemainingLabel(static_cast<int>(TileType::Timber))->GetLabel(), "Remaining: 6");
}

TEST_F(AppShell, QuitQuestionNoKeepsTheGameAndYesClosesIt) {
  OpenGame();
  CHexsteadView* view = TheApp().OpenView();
  ASSERT_NE(view, nullptr);
  CGame* game = TheApp().CurrentGame();
  wxWindow* child = view->GetFrame();
  wxCommandEvent close(wxEVT_MENU, ID_FILE_CLOSE);
  {
    wxTEST_DIALOG(child->GetEventHandler()->ProcessEvent(close),
                  wxExpectModal<wxMessageDialog>(wxID_NO).Describe("Quit game?"));
  }
  EXPECT_EQ(TheApp().OpenView(), view);
  EXPECT_EQ(TheApp().CurrentGame(), game);
  {
    wxTEST_DIALOG(child->GetEventHandler()->ProcessEvent(close),
                  wxExpectModal<wxMessageDialog>(wxID_YES).Describe("Quit game?"));
  }
  gui::Pump(100);
  EXPECT_EQ(TheApp().OpenView(), nullptr);
  EXPECT_EQ(TheApp().CurrentGame(), nullptr);
}

TEST_F(AppShell, MainFrameCloseBoxAsksWhileAGameIsOpen) {
  OpenGame();
  ASSERT_NE(TheApp().OpenView(), nullptr);
  bool closed = true;
  wxTEST_DIALOG(closed = TheApp().MainFrame()->Close(), wxExpectModal<wxMessageDialog>(wxID_NO).Describe("Quit game?"));
  EXPECT_FALSE(closed);
  EXPECT_TRUE(TheApp().MainFrame()->IsShown());
  EXPECT_NE(TheApp().OpenView(), nullptr);
}

TEST_F(AppShell, AboutShowsTheVersion) {
  bool checked = false;
  wxCommandEvent about(wxEVT_MENU, ID_APP_ABOUT);
  gui::WhileModal([&] { TheApp().MainFrame()->GetEventHandler()->ProcessEvent(about); },
                  [&] {
                    wxDialog* dialog = gui::ShownDialog(100);
                    if (dialog == nullptr || checked) return;
                    checked = true;
                    EXPECT_EQ(dialog->GetTitle(), "About Hexstead3D");
                    EXPECT_EQ(dialog->FindWindow(IDC_ABOUT_VERSION)->GetLabel(), "Hexstead 3D Version 0.7.6");
                    gui::ClickWindow(dialog->FindWindow(wxID_OK));
                  });
  EXPECT_TRUE(checked);
}

TEST_F(AppShell, NewWhileAGameIsOpenReplacesItWithoutAsking) {
  OpenGame();
  CHexsteadView* first = TheApp().OpenView();
  ASSERT_NE(first, nullptr);
  OpenGame();  // a question here would fail the wizard's modal script
  ASSERT_NE(TheApp().OpenView(), nullptr);
  EXPECT_EQ(TheApp().DocManager()->GetDocuments().GetCount(), 1u);
}

TEST_F(AppShell, OpenGLSettingsPopupFollowsTheDialogAndStoresTheSize) {
  OpenGame();
  CHexsteadView* view = TheApp().OpenView();
  ASSERT_NE(view, nullptr);
  auto* child = static_cast<wxFrame*>(view->GetFrame());
  CGLSettingsDialog& settings = view->GLSettings();
  EXPECT_FALSE(OpenGLSettingsChecked(child, true));  // and choose it
  ASSERT_TRUE(gui::WaitFor([&] { return settings.IsShown(); }));
  EXPECT_TRUE(OpenGLSettingsChecked(child, false));
  EXPECT_TRUE(Checked(&settings, IDC_TEXTURE_MEDIUM));
  EXPECT_TRUE(static_cast<wxCheckBox*>(settings.FindWindow(IDC_MIPMAPPING))->GetValue());
  gui::Screenshot("opengl_settings");

  gui::ClickWindow(settings.FindWindow(IDC_TEXTURE_TINY));
  ASSERT_TRUE(gui::WaitFor([&] { return view->BoardView().TextureSize() == 3; }));
  long stored = -1;
  wxConfigBase::Get()->Read("/Settings/TextureSize", &stored);
  EXPECT_EQ(stored, 3);
  gui::ClickWindow(settings.FindWindow(IDC_MIPMAPPING));
  ASSERT_TRUE(gui::WaitFor([&] { return !view->BoardView().Mipmapping(); }));

  settings.Close();  // the close box only hides it
  gui::Pump(50);
  EXPECT_FALSE(settings.IsShown());
  EXPECT_FALSE(OpenGLSettingsChecked(child, false));
  // Back to the defaults for the other tests.
  view->BoardView().SetTextureSize(1);
  view->BoardView().SetMipmapping(true);
}

}  // namespace
