// Drives the real program with the mouse: File > New through both wizard
// dialogs, every tile from the palette, a camera drag, both chips clicked on
// the board, and Undo back to an empty board.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/radiobut.h>
#include <wx/uiaction.h>

#include "board_setup_panel.h"
#include "board_view.h"
#include "chip_panel.h"
#include "command_ids.h"
#include "engine/board/tile_type.h"
#include "flat_bitmap_button.h"
#include "game_steps.h"
#include "gui_driver.h"
#include "hexstead_app.h"
#include "hexstead_view.h"
#include "main_frame.h"
#include "player_select_dialog.h"
#include "program_test.h"
#include "side_panel.h"

namespace {

class AppFlow : public gui::ProgramTest {};

using steps::CentreTile;
using steps::RunWizard;
using steps::ScreenPointOfTile;

// Clicks the first enabled palette item until the board is complete.
void EnterAllTiles(CHexsteadView& view) {
  CGameSession& session = view.Session();
  const int tiles = session.Board().TileCount();
  bool triedUsedUp = false;
  for (int click = 0; click < 2 * tiles && session.GameStateNow() == BoardSetup; ++click) {
    const CPaletteState& palette = session.Palette();
    const int desert = static_cast<int>(TileType::Desert);
    if (!triedUsedUp && palette.remaining[desert] == 0) {
      // An item whose pieces are all placed is disabled: its click is lost.
      triedUsedUp = true;
      const int cursor = session.Board().EntryCursor();
      EXPECT_FALSE(view.Palette().PictureButton(desert)->IsEnabled());
      gui::ClickWindow(view.Palette().PictureButton(desert));
      gui::Pump(50);
      EXPECT_EQ(session.Board().EntryCursor(), cursor);
    }
    int type = -1;
    for (int t = 0; t < CBoardSetupPanel::kItemCount && type < 0; ++t) {
      if (palette.enabled[t] && palette.remaining[t] > 0) type = t;
    }
    ASSERT_GE(type, 0) << "no palette item is offered at cursor " << session.Board().EntryCursor();
    wxWindow* picture = view.Palette().PictureButton(type);
    ASSERT_TRUE(picture->IsEnabled());
    const int cursor = session.Board().EntryCursor();
    const int remaining = palette.remaining[type];
    gui::ClickWindow(picture);
    ASSERT_TRUE(gui::WaitFor([&] { return session.Board().EntryCursor() != cursor; }))
        << "palette item " << type << " was not taken at cursor " << cursor;
    EXPECT_LT(session.Palette().remaining[type], remaining);
    std::string why;
    ASSERT_TRUE(session.IsConsistent(&why)) << why;
  }
  EXPECT_TRUE(triedUsedUp);
}

TEST_F(AppFlow, NewGameBoardEntryCameraChipsAndUndo) {
  gui::Screenshot("01_main_window");
  RunWizard(false);
  CHexsteadView* view = TheApp().OpenView();
  ASSERT_NE(view, nullptr);
  ASSERT_TRUE(gui::WaitFor([&] { return view->BoardView().IsGLReady(); }));
  CGameSession& session = view->Session();
  EXPECT_EQ(session.GameStateNow(), BoardSetup);
  EXPECT_EQ(session.Board().Kind(), BoardKind::Standard);
  EXPECT_EQ(&view->CurrentSidePanel(), static_cast<CSidePanel*>(&view->Palette()));
  EXPECT_TRUE(view->Palette().IsShown());
  EXPECT_FALSE(view->CurrentSidePanel().IsUndoEnabled());
  EXPECT_EQ(view->CurrentSidePanel().FindWindow(IDC_UNDO_BUTTON)->GetToolTipText(), "Undo the last action");
  // The main frame cannot be made shorter than the palette needs.
  EXPECT_GE(TheApp().MainFrame()->GetMinSize().y, 70 + view->Palette().GetSize().y);
  // A palette picture rises under the mouse and falls flat when it leaves.
  auto* timber = static_cast<CFlatBitmapButton*>(view->Palette().PictureButton(0));
  wxUIActionSimulator().MouseMove(timber->GetScreenRect().GetPosition() + wxPoint(18, 18));
  EXPECT_TRUE(gui::WaitFor([&] { return timber->IsHot(); }, 1000)) << "active: " << TheApp().MainFrame()->IsActive();
  wxUIActionSimulator().MouseMove(view->BoardView().GetScreenRect().GetPosition() + wxPoint(40, 40));
  EXPECT_TRUE(gui::WaitFor([&] { return !timber->IsHot(); }, 1000));
  gui::Screenshot("02_board_setup");

  EnterAllTiles(*view);
  ASSERT_EQ(session.GameStateNow(), ChipPlacement);
  EXPECT_TRUE(view->ChipPanel().IsShown());
  EXPECT_FALSE(view->Palette().IsShown());
  EXPECT_EQ(view->ChipPanel().Text(), "Select the tile where the first roll chip will be placed.");
  gui::Screenshot("03_chip_placement");

  // Turn the camera by dragging on empty space in the lower left corner.
  const wxRect board = view->BoardView().GetScreenRect();
  const wxPoint dragStart = board.GetBottomLeft() + wxPoint(30, -30);
  gui::Drag(dragStart, dragStart + wxPoint(-80, -60));
  const CCamera& camera = view->BoardView().Camera();
  EXPECT_LT(camera.tilt, -20.0);
  EXPECT_LT(camera.spin, -10.0);  // dragging left turns the board the other way
  EXPECT_TRUE(session.Board().AwaitingFirstChip());
  gui::Screenshot("04_camera_turned");

  // A click on a tile that is not a first-chip candidate changes nothing.
  const std::array<int, 6> candidates = session.Board().FirstChipCandidates();
  const int centre = CentreTile(session.Board());
  ASSERT_EQ(std::count(candidates.begin(), candidates.end(), centre), 0);
  const size_t depth = session.UndoDepth();
  gui::ClickAt(ScreenPointOfTile(*view, centre));
  gui::Pump(100);
  EXPECT_TRUE(session.Board().AwaitingFirstChip());
  EXPECT_EQ(session.UndoDepth(), depth);

  gui::ClickAt(ScreenPointOfTile(*view, candidates[0]));
  ASSERT_TRUE(gui::WaitFor([&] { return !session.Board().AwaitingFirstChip(); }));
  EXPECT_EQ(session.Board().FirstChipPosition(), candidates[0]);
  EXPECT_TRUE(view->ChipPanel().Text().StartsWith("Select the tile where the second roll chip will be placed."));
  gui::Screenshot("05_first_chip");

  const int second = session.Board().SecondChipCandidates()[0];
  gui::ClickAt(ScreenPointOfTile(*view, second));
  ASSERT_TRUE(gui::WaitFor([&] { return session.GameStateNow() == PlayerInformation; }));
  EXPECT_EQ(session.Board().SecondChipPosition(), second);
  EXPECT_TRUE(view->PlayerSelection().IsShown());
  EXPECT_TRUE(view->PlayerSelection().CancelAllowed());
  EXPECT_FALSE(view->PlayerSelection().OkEnabled());
  gui::Screenshot("06_player_selection");

  // Cancel in the player selection takes the second chip back.
  gui::ClickWindow(view->PlayerSelection().FindWindow(wxID_CANCEL));
  ASSERT_TRUE(gui::WaitFor([&] { return session.GameStateNow() == ChipPlacement; }));
  EXPECT_FALSE(view->PlayerSelection().IsShown());

  // Edit > Undo by its accelerator takes the first chip back.
  gui::PressCtrl('z');
  ASSERT_TRUE(gui::WaitFor([&] { return session.Board().AwaitingFirstChip(); }));
  EXPECT_EQ(view->ChipPanel().Text(), "Select the tile where the first roll chip will be placed.");

  // Undo, clicked on the side panel, back to an empty board.
  for (int click = 0; click < 100 && session.UndoDepth() > 0; ++click) {
    wxWindow* undo = view->CurrentSidePanel().FindWindow(IDC_UNDO_BUTTON);
    ASSERT_TRUE(undo->IsEnabled()) << "Undo is disabled with " << session.UndoDepth() << " steps left";
    const size_t before = session.UndoDepth();
    gui::ClickWindow(undo);
    ASSERT_TRUE(gui::WaitFor([&] { return session.UndoDepth() < before; }));
    std::string why;
    ASSERT_TRUE(session.IsConsistent(&why)) << why;
  }
  EXPECT_EQ(session.GameStateNow(), BoardSetup);
  EXPECT_EQ(session.Board().EntryCursor(), 0);
  EXPECT_TRUE(view->Palette().IsShown());
  EXPECT_FALSE(view->CurrentSidePanel().IsUndoEnabled());
  EXPECT_EQ(session.Palette().remaining[static_cast<int>(TileType::Timber)], 4);
  gui::Screenshot("07_undone_to_empty_board");
}

}  // namespace
