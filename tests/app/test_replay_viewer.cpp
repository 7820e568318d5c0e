// Looking back at a stored game through its replay, with real mouse and key
// events: the replay bar's buttons, its slider, the keys and a click in the
// Game History window each land where they say; at a dozen positions the
// window's session is the state `hexstead-cli play` reaches on the same
// prefix of the replay; the end position draws the board as the plain
// review does; and no position takes an input. The stored game and its
// replay are made by `hexstead-cli play`.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <wx/button.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/grid.h>
#include <wx/slider.h>
#include <wx/treectrl.h>
#include <wx/uiaction.h>

#include "cli_output.h"
#include "command_ids.h"
#include "gui_driver.h"
#include "gui_test.h"
#include "hexstead_app.h"
#include "hexstead_view.h"
#include "history_window.h"
#include "play_state_json.h"
#include "records/game.h"
#include "records/game_database.h"
#include "records/player_database.h"
#include "records/replay_store.h"
#include "replay_viewer.h"
#include "statistics_window.h"
#include "stats/memory_grid.h"
#include "stats/statistics_grid.h"
#include "turn_panel.h"

namespace fs = std::filesystem;

namespace {

const fs::path kWork = H3D_TEST_WORK_DIR;
const fs::path kFixture = kWork / "fixture";
const fs::path kScript = fs::path(H3D_CLI_SCRIPTS) / "cards_and_victory.script";

// The data folder: the texture links the driver made, and a stored game
// played by hexstead-cli with its script kept as its replay.
void PrepareData() {
  const fs::path data = kWork / "data";
  for (const char* name : {"game.db", "keys.db", "player.db"}) fs::remove(data / name);
  fs::remove_all(data / "replays");
  fs::remove_all(kFixture);
  cli::Output(kFixture, "play '" + kScript.string() + "' >/dev/null");
  for (const char* name : {"game.db", "keys.db", "player.db"}) fs::copy_file(kFixture / name, data / name);
  CGameDatabase::Instance().LoadIndex();
  CPlayerDatabase::Instance().Load();
  CGame game;
  CGameDatabase::Instance().ReadHeader(0, game);
  fs::create_directories(ReplayDirectory("data"));
  fs::copy_file(kScript, ReplayPath("data", game));
}

// The state `hexstead-cli play` prints at the end of `script`, run in a
// folder that knows the same players.
std::string PlayedState(const std::string& script) {
  const fs::path scratch = kWork / "scratch";
  fs::remove_all(scratch);
  fs::create_directories(scratch);
  fs::copy_file(kFixture / "player.db", scratch / "player.db");
  std::ofstream(scratch / "prefix.script") << script << "state\n";
  const std::string out = cli::Output(scratch, "play '" + (scratch / "prefix.script").string() + "'");
  const size_t at = out.rfind("state: ");
  return at == std::string::npos ? out : out.substr(at + 7, out.find('\n', at) - at - 7);
}

CHexsteadView* OpenStoredGame() {
  EXPECT_TRUE(TheApp().OpenStoredGame(0));
  CHexsteadView* view = TheApp().OpenView();
  if (view == nullptr || !gui::WaitFor([&] { return view->BoardView().IsGLReady(); })) return nullptr;
  gui::Pump(300);
  return view;
}

// What the board window shows on the screen.
wxImage BoardPicture(CHexsteadView& view) {
  view.BoardView().Refresh(false);
  view.BoardView().Update();
  gui::Pump(300);
  const wxRect rect = view.BoardView().GetScreenRect();
  wxBitmap bitmap(rect.width, rect.height);
  wxMemoryDC memory(bitmap);
  wxScreenDC screen;
  memory.Blit(0, 0, rect.width, rect.height, &screen, rect.x, rect.y);
  memory.SelectObject(wxNullBitmap);
  return bitmap.ConvertToImage();
}

std::string StateJson(CHexsteadView& view) { return SessionStateJson(view.Session()).dump(); }

void PressKey(int key) {
  wxUIActionSimulator sim;
  sim.Char(key);
  gui::Pump(100);
}

class ReplayViewer : public GuiTest {
 protected:
  void AfterStart() override { PrepareData(); }
};

TEST_F(ReplayViewer, EveryWayOfMovingLandsWhereItSaysAndShowsThatMomentReadOnly) {
  // The plain review's board, with the replay put aside.
  const std::string replay = ReplayPath("data", [] {
    CGame game;
    CGameDatabase::Instance().ReadHeader(0, game);
    return game;
  }());
  fs::rename(replay, replay + ".aside");
  CHexsteadView* plain = OpenStoredGame();
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(plain->ReplayViewer(), nullptr);
  const wxImage reviewed = BoardPicture(*plain);
  TheApp().CloseAllGames();
  gui::Pump(100);
  fs::rename(replay + ".aside", replay);

  CHexsteadView* view = OpenStoredGame();
  ASSERT_NE(view, nullptr);
  CReplayViewer* viewer = view->ReplayViewer();
  ASSERT_NE(viewer, nullptr);
  CReplayBar& bar = viewer->Bar();
  const ReplayPositions& positions = viewer->Replay();
  const int last = viewer->InputCount();
  ASSERT_GT(last, 90);
  EXPECT_TRUE(bar.IsShown());
  EXPECT_EQ(viewer->Position(), last);
  EXPECT_EQ(bar.Slider().GetValue(), last);
  EXPECT_EQ(view->Session().GameStateNow(), GameOver);
  EXPECT_EQ(bar.TurnText(), "Turn 10 - Ann Lee");
  gui::Screenshot("replay_end");

  // The end draws the board as the plain review does (at the same size).
  bar.Hide();
  view->GetFrame()->Layout();
  const wxImage replayed = BoardPicture(*view);
  ASSERT_EQ(replayed.GetSize(), reviewed.GetSize());
  EXPECT_TRUE(std::equal(replayed.GetData(), replayed.GetData() + replayed.GetWidth() * replayed.GetHeight() * 3,
                         reviewed.GetData()))
      << "the board at the last input differs from the plain review's";
  bar.Show();
  view->GetFrame()->Layout();
  gui::Pump(100);

  // The buttons.
  gui::ClickWindow(&bar.Button(ReplayStep::FirstInput));
  EXPECT_EQ(viewer->Position(), 1);
  EXPECT_EQ(bar.Slider().GetValue(), 1);
  EXPECT_EQ(bar.TurnText(), "Board Setup");
  EXPECT_EQ(view->Session().History().Log().ItemCount(), 2u);
  EXPECT_FALSE(bar.Button(ReplayStep::PreviousInput).IsEnabled());
  gui::ClickWindow(&bar.Button(ReplayStep::NextInput));
  EXPECT_EQ(viewer->Position(), 2);
  gui::ClickWindow(&bar.Button(ReplayStep::NextTurn));
  const int setUpEnd = positions.LastPositionOfTurn(0);
  EXPECT_EQ(viewer->Position(), setUpEnd);
  EXPECT_EQ(bar.TurnText(), "Initial Placement");
  gui::ClickWindow(&bar.Button(ReplayStep::NextTurn));
  EXPECT_EQ(viewer->Position(), positions.LastPositionOfTurn(1));
  EXPECT_EQ(view->Session().History().TurnCount(), 1);
  EXPECT_EQ(bar.TurnText().Left(9), "Turn 1 - ");
  gui::ClickWindow(&bar.Button(ReplayStep::PreviousInput));
  EXPECT_EQ(viewer->Position(), positions.LastPositionOfTurn(1) - 1);
  gui::ClickWindow(&bar.Button(ReplayStep::PreviousTurn));
  EXPECT_EQ(viewer->Position(), setUpEnd);
  gui::ClickWindow(&bar.Button(ReplayStep::LastInput));
  EXPECT_EQ(viewer->Position(), last);

  // The keys, with the focus in the game window.
  gui::ClickWindow(&view->BoardView());
  PressKey(WXK_HOME);
  EXPECT_EQ(viewer->Position(), 1);
  PressKey(WXK_RIGHT);
  PressKey(WXK_RIGHT);
  EXPECT_EQ(viewer->Position(), 3);
  PressKey(WXK_LEFT);
  EXPECT_EQ(viewer->Position(), 2);
  PressKey(WXK_PAGEDOWN);
  PressKey(WXK_PAGEDOWN);
  PressKey(WXK_PAGEDOWN);
  EXPECT_EQ(viewer->Position(), positions.LastPositionOfTurn(2));
  PressKey(WXK_PAGEUP);
  EXPECT_EQ(viewer->Position(), positions.LastPositionOfTurn(1));
  PressKey(WXK_END);
  EXPECT_EQ(viewer->Position(), last);

  // The slider: a click two fifths along the track.
  const wxRect track = bar.Slider().GetScreenRect();
  gui::ClickAt(track.GetPosition() + wxPoint(track.width * 2 / 5, track.height / 2));
  gui::Pump(200);
  EXPECT_EQ(viewer->Position(), bar.Slider().GetValue());
  EXPECT_NEAR(viewer->Position(), last * 2 / 5, last / 8);

  // Read-only at a position in the middle of a turn: the dice pad and the
  // undo accelerator change nothing, and nothing is stored.
  int waiting = -1;
  for (int k = setUpEnd + 1; k < last && waiting < 0; ++k) {
    viewer->JumpTo(k);
    if (view->Session().TurnPanel().dicePadShown) waiting = k;
  }
  ASSERT_GT(waiting, 0);
  const std::string before = StateJson(*view);
  gui::ClickWindow(view->TurnPanel().DiceButton(8));
  gui::PressCtrl('z');
  gui::Pump(100);
  EXPECT_EQ(StateJson(*view), before);
  EXPECT_EQ(viewer->Position(), waiting);
  gui::Screenshot("replay_dice_pad");

  // A click on a history line jumps right after it; the lines after the
  // position are grey.
  wxCommandEvent show(wxEVT_MENU, ID_POPUPS_HISTORY);
  view->GetFrame()->GetEventHandler()->ProcessEvent(show);
  viewer->JumpTo(last / 2);
  gui::Pump(200);
  CHistoryWindow& history = view->HistoryWindow();
  ASSERT_TRUE(history.IsShown());
  const size_t current = view->Session().History().Log().ItemCount();
  ASSERT_GT(history.Items().size(), current + 3);
  EXPECT_NE(history.Tree().GetItemTextColour(history.Items()[current]),
            history.Tree().GetItemTextColour(history.Items()[current - 1]));
  const size_t line = current + 2;  // a grey line, later in the game
  const wxString text = history.Tree().GetItemText(history.Items()[line]);
  history.Tree().EnsureVisible(history.Items()[line]);
  gui::Pump(100);
  wxRect rect;
  ASSERT_TRUE(history.Tree().GetBoundingRect(history.Items()[line], rect, true));
  gui::ClickAt(history.Tree().ClientToScreen(rect.GetPosition() + wxSize(rect.width / 2, rect.height / 2)));
  gui::Pump(200);
  const CHistoryLog& log = view->Session().History().Log();
  ASSERT_GT(log.ItemCount(), line);
  EXPECT_EQ(log.Items()[line].text, text.utf8_string());
  EXPECT_LE(positions.At(viewer->Position() - 1).historyLines, line) << "not right after the line";
  gui::Screenshot("replay_history_click");

  // The statistics window, once shown, holds the moment's figures.
  wxCommandEvent showStatistics(wxEVT_MENU, ID_POPUPS_STATS);
  view->GetFrame()->GetEventHandler()->ProcessEvent(showStatistics);
  gui::Pump(200);
  PressKey(WXK_RIGHT);
  CMemoryGrid expected;
  CStatisticsGrid report(expected);
  report.BuildLayout(view->Session().Game());
  report.RefreshAll();
  const wxGrid& grid = view->StatisticsWindow().Grid();
  int compared = 0;
  for (int r = 0; r < expected.RowCount() && r < grid.GetNumberRows(); ++r) {
    for (int c = 0; c < expected.ColumnCount() && c < grid.GetNumberCols(); ++c) {
      if (expected.Text(r, c).empty()) continue;
      ++compared;
      EXPECT_EQ(grid.GetCellValue(r, c).utf8_string(), expected.Text(r, c)) << r << "," << c;
    }
  }
  EXPECT_GT(compared, 300);
  view->StatisticsWindow().Hide();

  // A dozen positions across the game: the window's session is what `play`
  // reaches on the same prefix of the replay.
  for (int i = 0; i < 12; ++i) {
    const int k = 1 + i * (last - 1) / 11;
    viewer->JumpTo(k);
    EXPECT_EQ(StateJson(*view), PlayedState(positions.ScriptPrefix(k))) << "position " << k;
  }
  EXPECT_EQ(CGameDatabase::Instance().GameCount(), 1);
}

}  // namespace
