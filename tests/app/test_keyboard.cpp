// The turn entered from the keyboard (real key events), and "Undo to here"
// in the Game History's context menu (real mouse and key events).
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>

#include <wx/dialog.h>
#include <wx/statusbr.h>
#include <wx/timer.h>
#include <wx/treectrl.h>
#include <wx/uiaction.h>

#include "testkit/session_test_support.h"
#include "command_ids.h"
#include "engine/board/location_ids.h"
#include "game_steps.h"
#include "gui_driver.h"
#include "gui_test.h"
#include "hexstead_app.h"
#include "hexstead_view.h"
#include "history_window.h"
#include "main_frame.h"
#include "turn_panel.h"

namespace {

void Key(int code) {
  wxUIActionSimulator sim;
  sim.Char(code);
  gui::Pump(60);
}

void TypeRoll(int total) {
  if (total >= 10) Key('1');
  Key('0' + total % 10);
}

// A still clock: undone turns give back exactly the times they took.
class KeyboardGame : public GuiTest {
 protected:
  KeyboardGame() : GuiTest(Clock::Still) {}

  // A game of three entered through the session up to the first roll (the
  // set-up has tests of its own); the view follows the session.
  CHexsteadView& StartGame(bool trackTrades) {
    steps::RunWizard(false, trackTrades);
    CHexsteadView* view = TheApp().OpenView();
    EXPECT_NE(view, nullptr);
    EXPECT_TRUE(gui::WaitFor([&] { return view->BoardView().IsGLReady(); }));
    CGameSession& s = view->Session();
    for (int32_t tile : StandardTiles()) s.ChooseTile(tile);
    s.Pick(s.Board().FirstChipCandidates()[0]);
    s.Pick(s.Board().SecondChipCandidates()[1]);
    s.SelectPlayers({{0, CPlayer("Ann", "Abel", 1001)}, {1, CPlayer("Bob", "Baker", 1002)},
                     {2, CPlayer("Cid", "Cole", 1003)}});
    s.SortPlayers({0, 1, 2});
    for (size_t step = 0; step < 40 && s.GameStateNow() == InitialPlacement; ++step) {
      const std::vector<int32_t> offered = s.PickableIds();
      const int32_t site = offered[(step * 7) % offered.size()];
      if (s.Fields().placingSettlement) {
        s.Pick(site);
      } else {
        s.PickRoadSide(IdPosition(site), IdIndex(site));
      }
    }
    EXPECT_EQ(s.GameStateNow(), Turn);
    gui::Pump(100);
    return *view;
  }

  // A land tile with no building at its corners: the robber robs nobody there.
  static int EmptyTile(const CGameSession& s) {
    const CBoard& board = s.Board();
    for (int t = 0; t < board.LandCount(); ++t) {
      const CBoardPiece& piece = board.Piece(t);
      if (t != board.robberTile && std::all_of(std::begin(piece.building), std::end(piece.building),
                                               [](BuildingCode code) { return code == 0; }))
        return t;
    }
    return -1;
  }
};

// The test suites, named as the tests are known.
using keyboard_turns = KeyboardGame;
using keyboard_help = KeyboardGame;
using undo_to_here = KeyboardGame;

// Everything a key could change.
bool SameState(const SessionSnapshot& a, const CGameSession& s) { return a == SessionSnapshot::Of(s); }

TEST_F(keyboard_turns, EnteredWithKeysOnly) {
  CHexsteadView& view = StartGame(false);
  CGameSession& s = view.Session();
  // A click on the board, beside the tiles, brings the keys to the game window.
  gui::ClickAt(view.BoardView().GetScreenPosition() + wxPoint(200, 40));

  // Waiting for the roll: the status bar names the keys; the keys of other
  // states change nothing.
  wxStatusBar* status = TheApp().MainFrame()->GetStatusBar();
  EXPECT_EQ(status->GetStatusText(0).ToStdString(), "Roll for Ann Abel.  Type the roll (2-12) - T trade - Ctrl+Z undo");
  SessionSnapshot before = SessionSnapshot::Of(s);
  for (int code : {int{'e'}, int{'b'}, int{'p'}, int{'r'}, int{'s'}, int{'c'}, int{'0'}, int{WXK_RETURN}, int{' '}}) Key(code);
  EXPECT_TRUE(SameState(before, s));

  // A typed "1" waits for its second digit; Backspace drops it.
  Key('1');
  EXPECT_EQ(status->GetStatusText(0).ToStdString(),
            "Roll for Ann Abel.  Type 0, 1 or 2 for 10, 11 or 12 (Backspace clears the 1) - T trade - Ctrl+Z undo");
  Key(WXK_BACK);
  Key('2');
  ASSERT_TRUE(gui::WaitFor([&] { return s.TurnPanel().lastRoll == 2; }));

  const int totals[] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  for (int turn = 0; turn < 11; ++turn) {
    SCOPED_TRACE("roll " + std::to_string(totals[turn]));
    const int player = s.CurrentPlayer();
    if (turn > 0) TypeRoll(totals[turn]);
    ASSERT_TRUE(gui::WaitFor([&] { return s.TurnPanel().lastRoll == totals[turn] && !s.TurnPanel().dicePadShown; }));
    if (s.GameStateNow() == PlaceRobber) {
      steps::ClickTile(view, EmptyTile(s));
      ASSERT_TRUE(gui::WaitFor([&] { return s.GameStateNow() == Turn; }));
    }
    if (s.GameStateNow() == GoodsReceived) {
      before = SessionSnapshot::Of(s);
      for (int code : {'5', 'e', 'r'}) Key(code);
      EXPECT_TRUE(SameState(before, s));
      Key(turn % 2 == 0 ? int{WXK_RETURN} : int{' '});
      ASSERT_TRUE(gui::WaitFor([&] { return s.GameStateNow() == Turn; }));
    }
    if (turn == 1) {
      // Buy a card and play it from the keyboard: Enter plays the checked
      // Victory Point, Enter answers the question that follows.
      const int points = s.Game().players[player].victoryPoints;
      Key('b');
      ASSERT_EQ(s.Game().players[player].cardsBoughtThisTurn, 1);
      steps::Answering([] { Key('p'); }, {IDD_PLAY_CARD, IDD_MESSAGE}, [](wxDialog&) {
        Key(WXK_RETURN);
        return true;
      });
      EXPECT_EQ(s.Game().players[player].victoryPoints, points + 1);
      // A road started by its letter and placed with a board click.
      Key('r');
      ASSERT_EQ(s.GameStateNow(), PlaceRoad);
      const int roads = s.Game().players[player].roadsLeft;
      steps::ClickEdge(view, s.Fields().roadOptions.front());
      ASSERT_TRUE(gui::WaitFor([&] { return s.Game().players[player].roadsLeft == roads - 1; }));
      // The Trade dialog opened by T and closed by Escape.
      bool traded = false;
      steps::Answering([] { Key('t'); }, {IDD_TRADE}, [&](wxDialog&) {
        traded = true;
        Key(WXK_ESCAPE);
        return true;
      });
      EXPECT_TRUE(traded);
    }
    Key('e');
    ASSERT_TRUE(gui::WaitFor([&] { return s.CurrentPlayer() != player; }));
  }
  EXPECT_EQ(s.Game().rolls.size(), 11u);
}

// The snapshot of the session after each input, by undo depth.
class ScriptedInputs {
 public:
  explicit ScriptedInputs(CGameSession& s) : s_(s) {}
  void Input(bool accepted) {
    ASSERT_TRUE(accepted) << "input " << count_ << " in state " << s_.GameStateNow() << " " << s_.Prompt();
    ++count_;
    if (s_.Pending().kind == DecisionKind::None) seen_.insert_or_assign(s_.UndoDepth(), SessionSnapshot::Of(s_));
  }
  int Count() const { return count_; }
  const SessionSnapshot& At(size_t depth) const { return seen_.at(depth); }

  // A roll of a number that produces, its Continue and End Turn.
  void PlainTurn(int total) {
    Input(s_.OnRoll(total));
    if (s_.GameStateNow() == GoodsReceived) Input(s_.OnContinue());
    Input(s_.OnEndTurn());
  }

 private:
  CGameSession& s_;
  int count_ = 0;
  std::map<size_t, SessionSnapshot> seen_;
};

// The chip of a tile with a building on it: a roll that produces.
int ProducingTotal(const CGameSession& s) {
  const CBoard& board = s.Board();
  for (int t = 0; t < board.LandCount(); ++t) {
    const CBoardPiece& piece = board.Piece(t);
    if (piece.chip == 0 || piece.chip == 7 || t == board.robberTile) continue;
    if (std::any_of(std::begin(piece.building), std::end(piece.building), [](BuildingCode c) { return c != 0; }))
      return piece.chip;
  }
  return 6;
}

// Discards of the cards first in each hand, as many as required.
SeatMatrix FirstCards(const DiscardOffer& offer) {
  SeatMatrix lost{};
  for (int p = 0; p < 6; ++p) {
    ResourceCounts hand = offer.hands[p];
    for (int n = 0, r = 0; n < offer.required[p] && r < 5;) {
      if (hand[r] > 0) {
        --hand[r];
        ++lost[p][r];
        ++n;
      } else {
        ++r;
      }
    }
  }
  return lost;
}

TEST_F(undo_to_here, TwentyFiveInputsBack) {
  CHexsteadView& view = StartGame(true);
  CGameSession& s = view.Session();
  ScriptedInputs inputs(s);
  // Plain turns until someone holds eight cards (at least 15 inputs): the
  // place to come back to.
  const int total = ProducingTotal(s);
  for (int turn = 0; turn < 40; ++turn) {
    bool rich = false;
    for (const CPlayerGame& seat : s.Game().players)
      rich = rich || std::accumulate(seat.hand.begin(), seat.hand.end(), 0) >= 8;
    if (rich && inputs.Count() >= 15) break;
    inputs.PlainTurn(total);
  }
  const int back = inputs.Count();
  const size_t depth = s.UndoDepth();
  // A 7 with discards, the robber and a steal.
  inputs.Input(s.OnRoll(7));
  ASSERT_EQ(s.Pending().kind, DecisionKind::Discards);
  inputs.Input(s.AnswerDiscards(FirstCards(s.Pending().discards)));
  for (int32_t tile : s.PickableIds()) {
    ASSERT_TRUE(s.Pick(tile));
    if (s.Pending().kind == DecisionKind::Steal) break;
    ASSERT_TRUE(s.UndoLast());
  }
  ASSERT_EQ(s.Pending().kind, DecisionKind::Steal);
  inputs.Input(true);
  const StealOffer offer = s.Pending().steal;
  const int victim = static_cast<int>(std::find(offer.candidates.begin(), offer.candidates.end(), true) -
                                      offer.candidates.begin());
  int resource = 0;
  while (resource < 5 && offer.hands[victim][resource] == 0) ++resource;
  inputs.Input(s.AnswerSteal(StealChoice{victim, resource}));
  inputs.Input(s.OnEndTurn());
  while (inputs.Count() < back + 25) inputs.PlainTurn(total);
  ASSERT_GE(inputs.Count(), 40);
  gui::Pump(100);

  // The line of the entry the game is taken back to.
  const std::vector<CHistoryItem>& items = s.History().Log().Items();
  size_t line = 0;
  for (size_t entries = 0; line < items.size(); ++line) {
    if (!items[line].isTopLevel && ++entries == depth) break;
  }
  CHistoryWindow& history = view.HistoryWindow();
  history.Show();
  history.Raise();
  ASSERT_TRUE(gui::WaitFor([&] { return history.IsShownOnScreen(); }));
  const wxTreeItemId item = history.Items().at(line);
  history.Tree().EnsureVisible(item);
  history.Tree().ScrollTo(item);
  gui::Pump(200);
  wxRect rect;
  ASSERT_TRUE(history.Tree().GetBoundingRect(item, rect, true));
  const wxPoint point = history.Tree().ClientToScreen(rect.GetPosition() + wxSize(rect.width / 2, rect.height / 2));

  // Right click, "Undo to here" (the first item), Yes; no other dialog. What
  // opens a nested loop (the menu's choice, the Yes) runs from a timer of its
  // own, so that the ticks keep watching.
  int tick = 0;
  bool asked = false, otherDialog = false;
  wxTimer later;
  std::function<void()> laterAction;
  later.Bind(wxEVT_TIMER, [&](wxTimerEvent&) { laterAction(); });
  auto soon = [&](std::function<void()> action) {
    laterAction = std::move(action);
    later.StartOnce(10);
  };
  gui::WhileModal(
      [&] {
        wxUIActionSimulator sim;
        sim.MouseMove(point);
        gui::Pump(50);
        sim.MouseClick(wxMOUSE_BTN_RIGHT);
        gui::WaitFor([&] { return s.UndoDepth() == depth; }, 10000);
      },
      [&] {
        ++tick;
        if (tick == 4) gui::Screenshot("history_undo_to_here_menu");
        if (tick == 5) wxUIActionSimulator().Char(WXK_DOWN);
        if (tick == 6) soon([] { wxUIActionSimulator().Char(WXK_RETURN); });
        if (wxDialog* cards = gui::ShownDialog(IDD_CARD_SELECT)) {
          otherDialog = true;
          cards->EndModal(wxID_CANCEL);
        }
        // The message box takes its id only when it is shown: found by its caption.
        if (wxWindow* box = steps::ShownWindowTitled("Undo to here"); box != nullptr && !asked) {
          asked = true;
          wxWindow* yes = box->FindWindow(wxID_YES);
          ASSERT_NE(yes, nullptr);
          soon([yes] { gui::ClickWindow(yes); });
        }
      });
  EXPECT_TRUE(asked);
  EXPECT_FALSE(otherDialog);
  ASSERT_EQ(s.UndoDepth(), depth);
  EXPECT_EQ(s.Pending().kind, DecisionKind::None);
  EXPECT_TRUE(SessionSnapshot::Of(s) == inputs.At(depth)) << SessionSnapshot::Of(s).Differences(inputs.At(depth));
  EXPECT_EQ(s.History().Log().ItemCount(), line + 1);
  EXPECT_EQ(history.Items().size(), line + 1);
  history.Hide();
}

TEST_F(keyboard_help, ShortcutsListed) {
  bool shown = false;
  gui::WhileModal(
      [] {
        wxCommandEvent command(wxEVT_MENU, ID_HELP_KEYBOARD);
        TheApp().MainFrame()->GetEventHandler()->ProcessEvent(command);
      },
      [&] {
        wxDialog* dialog = gui::ShownDialog(IDD_KEYBOARD_SHORTCUTS);
        if (dialog == nullptr || shown) return;
        shown = true;
        gui::Screenshot("keyboard_shortcuts");
        gui::ClickWindow(dialog->FindWindow(wxID_OK));
      });
  EXPECT_TRUE(shown);
}

}  // namespace
