// Turns entered with the mouse: the dice pad, the production lines, the
// action buttons and their enabling, the build buttons and the dialogs of a
// turn, each checked against the session it shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/grid.h>
#include <wx/menu.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>

#include "bank_trade_dialog.h"
#include "build_button.h"
#include "card_select_dialog.h"
#include "command_ids.h"
#include "engine/board/location_ids.h"
#include "flat_bitmap_button.h"
#include "game_steps.h"
#include "gui_driver.h"
#include "hexstead_app.h"
#include "hexstead_view.h"
#include "interface_images.h"
#include "luck_window.h"
#include "main_frame.h"
#include "monopoly_dialog.h"
#include "player_buttons.h"
#include "program_test.h"
#include "resource_card.h"
#include "resource_card_row.h"
#include "trade_dialog.h"
#include "turn_panel.h"
#include "victory_points_dialog.h"

namespace {

class Turns : public gui::ProgramTest {
 protected:
  // A new game with three players seated, the board entered from the palette
  // and both chips clicked; stops at the first initial settlement.
  CHexsteadView& NewGame(bool trackTrades) {
    steps::RunWizard(false, trackTrades);
    CHexsteadView* view = TheApp().OpenView();
    EXPECT_NE(view, nullptr);
    EXPECT_TRUE(gui::WaitFor([&] { return view->BoardView().IsGLReady(); }));
    steps::EnterAllTiles(*view);
    steps::PlaceChips(*view);
    // The seating dialogs come with their own tests; here the session seats the players.
    CGameSession& session = view->Session();
    EXPECT_TRUE(session.SelectPlayers({{0, CPlayer("Ann", "Abel", 1001)},
                                       {1, CPlayer("Bob", "Baker", 1002)},
                                       {2, CPlayer("Cid", "Cole", 1003)}}));
    EXPECT_TRUE(session.SortPlayers({0, 1, 2}));
    gui::Pump(100);
    EXPECT_EQ(session.GameStateNow(), InitialPlacement);
    return *view;
  }

  // The snake of initial settlements and roads, each on the first offered site.
  void PlaceInitialPieces(CHexsteadView& view) {
    CGameSession& session = view.Session();
    for (int step = 0; step < 40 && session.GameStateNow() == InitialPlacement; ++step) {
      const std::vector<int32_t> offered = session.PickableIds();
      ASSERT_FALSE(offered.empty());
      const size_t depth = session.UndoDepth();
      // Spread the players out: each takes a site further down the list.
      const int32_t site = offered[(static_cast<size_t>(step) * 7) % offered.size()];
      if (session.Fields().placingSettlement) {
        steps::ClickCorner(view, site);
      } else {
        steps::ClickEdge(view, site);
      }
      ASSERT_TRUE(gui::WaitFor([&] { return session.UndoDepth() > depth; }))
          << "site " << site << " was not taken at step " << step;
    }
    ASSERT_EQ(session.GameStateNow(), Turn);
  }

  // A total other than 7 that gives some player goods.
  static int ProducingTotal(const CGameSession& session, int skip = 0) {
    const CBoard& board = session.Board();
    std::vector<int> totals;
    for (int t = 0; t < board.LandCount(); ++t) {
      const CBoardPiece& piece = board.Piece(t);
      if (piece.chip == 0 || piece.chip == 7 || t == board.robberTile) continue;
      for (BuildingCode code : piece.building) {
        if (code != 0) totals.push_back(piece.chip);
      }
    }
    return totals.empty() ? 6 : totals[static_cast<size_t>(skip) % totals.size()];
  }

  // One turn: a producing roll, Continue by a click on the status line, End Turn.
  void PlainTurn(CHexsteadView& view, int turn) {
    CGameSession& session = view.Session();
    const int player = session.CurrentPlayer();
    steps::Roll(view, ProducingTotal(session, turn));
    ASSERT_TRUE(gui::WaitFor([&] { return session.GameStateNow() == GoodsReceived; }));
    gui::ClickWindow(view.TurnPanel().FindWindow(IDC_PANEL_TEXT));
    ASSERT_TRUE(gui::WaitFor([&] { return session.GameStateNow() == Turn; }));
    steps::ClickAction(view, IDC_END_TURN);
    ASSERT_TRUE(gui::WaitFor([&] { return session.CurrentPlayer() != player; }));
  }

  // Plain turns until `done` holds (at most `limit` turns).
  void PlayUntil(CHexsteadView& view, const std::function<bool()>& done, int limit = 40) {
    for (int turn = 0; turn < limit && !done(); ++turn) {
      PlainTurn(view, turn);
      if (HasFatalFailure()) return;
    }
    ASSERT_TRUE(done()) << "not reached in " << limit << " turns";
  }

  static int32_t Cards(const CGameSession& session, int player) {
    const ResourceCounts& hand = session.Game().players.at(static_cast<size_t>(player)).hand;
    return std::accumulate(hand.begin(), hand.end(), 0);
  }
};

bool Enabled(CHexsteadView& view, int command) { return view.TurnPanel().ActionButton(command)->IsEnabled(); }

TEST_F(Turns, RollProductionContinueBuildAndEndTurn) {
  CHexsteadView& view = NewGame(true);
  CGameSession& session = view.Session();
  EXPECT_EQ(view.TurnPanel().Text(), "Place a settlement for Ann Abel.");
  EXPECT_FALSE(view.TurnPanel().DiceButton(2)->IsShown());
  PlaceInitialPieces(view);

  // Waiting for the roll: the dice pad, no build buttons, End Turn disabled.
  EXPECT_EQ(view.TurnPanel().Text(), "Roll for Ann Abel.");
  for (int total = 2; total <= 12; ++total) EXPECT_TRUE(view.TurnPanel().DiceButton(total)->IsShown());
  EXPECT_FALSE(Enabled(view, IDC_END_TURN));
  EXPECT_FALSE(Enabled(view, IDC_PLAY_CARD));
  EXPECT_FALSE(view.BuildButton(PurchaseRoad).IsShown());

  const int total = ProducingTotal(session);
  steps::Roll(view, total);
  ASSERT_TRUE(gui::WaitFor([&] { return session.GameStateNow() == GoodsReceived; }));
  EXPECT_EQ(view.TurnPanel().Text(), wxString::Format("Goods received on a %d. (Click to continue)", total));
  EXPECT_FALSE(view.TurnPanel().DiceButton(total)->IsShown());
  int shownLines = 0;
  for (int p = 0; p < 3; ++p) {
    wxWindow* line = view.TurnPanel().ProductionLine(p);
    EXPECT_EQ(line->IsShown(), session.TurnPanel().productionLineShown[p]);
    if (line->IsShown()) {
      ++shownLines;
      EXPECT_EQ(line->GetLabel(), wxString::FromUTF8(session.TurnPanel().productionLines[p]));
    }
  }
  EXPECT_GT(shownLines, 0);
  // While the goods are shown Play D.C. stays disabled, even with a card in a hand.
  EXPECT_FALSE(Enabled(view, IDC_PLAY_CARD));
  gui::Screenshot("turn_production_lines");

  // A click on a production line continues the turn.
  for (int p = 0; p < 3; ++p) {
    if (!view.TurnPanel().ProductionLine(p)->IsShown()) continue;
    gui::ClickWindow(view.TurnPanel().ProductionLine(p));
    break;
  }
  ASSERT_TRUE(gui::WaitFor([&] { return session.GameStateNow() == Turn; }));
  EXPECT_EQ(view.TurnPanel().Text(), "Ann Abel 's turn.");
  EXPECT_FALSE(view.TurnPanel().ProductionLine(0)->IsShown());
  EXPECT_TRUE(Enabled(view, IDC_END_TURN));
  EXPECT_EQ(Enabled(view, IDC_BUY_CARD), session.TurnPanel().buyCardEnabled);
  EXPECT_EQ(Enabled(view, IDC_TRADE), session.TurnPanel().tradeEnabled);
  for (PurchaseKind kind : {PurchaseSettlement, PurchaseCity, PurchaseRoad}) {
    EXPECT_EQ(view.BuildButton(kind).IsShown(), session.Fields().buildButtons[kind - PurchaseSettlement]);
  }

  // Undo takes back the Continue: the lines come back.
  steps::ClickUndo(view);
  ASSERT_TRUE(gui::WaitFor([&] { return session.GameStateNow() == GoodsReceived; }));
  EXPECT_TRUE(view.TurnPanel().ProductionShown());
  // A click on the status line continues as well.
  gui::ClickWindow(view.TurnPanel().FindWindow(IDC_PANEL_TEXT));
  ASSERT_TRUE(gui::WaitFor([&] { return session.GameStateNow() == Turn; }));

  steps::ClickAction(view, IDC_END_TURN);
  ASSERT_TRUE(gui::WaitFor([&] { return session.CurrentPlayer() == 1; }));
  EXPECT_EQ(view.TurnPanel().Text(), "Roll for Bob Baker.");
  EXPECT_TRUE(view.TurnPanel().DiceButton(7)->IsShown());
  std::string why;
  EXPECT_TRUE(session.IsConsistent(&why)) << why;
}

// Clicks cards of the upper row until `count` are chosen for the selected player.
void ChooseCards(CCardSelectDialog& dialog, int count) {
  for (int click = 0; click < count; ++click) {
    int resource = 0;
    while (resource < 5 && !dialog.Available().Card(resource)->IsShown()) ++resource;
    ASSERT_LT(resource, 5) << "no card left to choose";
    gui::ClickWindow(dialog.Available().Card(resource));
  }
}

TEST_F(Turns, SevenWithDiscardsStealAndUndo) {
  CHexsteadView& view = NewGame(true);
  CGameSession& session = view.Session();
  PlaceInitialPieces(view);
  // Cards pile up until two players hold more than seven.
  PlayUntil(view, [&] {
    int over = 0;
    for (int p = 0; p < 3; ++p) over += Cards(session, p) > 7 ? 1 : 0;
    return over >= 2;
  });
  ASSERT_FALSE(HasFatalFailure());
  const CGame before = session.Game();
  const size_t depth = session.UndoDepth();

  // The 7: the discard dialog lists the players over seven cards.
  bool shot = false;
  auto discard = [&](wxDialog& shown) {
    auto& dialog = static_cast<CCardSelectDialog&>(shown);
    EXPECT_EQ(dialog.GetTitle(), "Lose cards because of a 7");
    EXPECT_FALSE(dialog.OkEnabled());
    const DiscardOffer offer = session.DiscardRequirements();
    int listed = 0;
    for (int p = 0; p < 3; ++p) {
      EXPECT_EQ(dialog.Players()->Button(p)->IsShown(), offer.required[p] > 0);
      if (offer.required[p] == 0) continue;
      ++listed;
      gui::ClickWindow(dialog.Players()->Button(p));
      EXPECT_EQ(dialog.SelectedPlayer(), p);
      ChooseCards(dialog, offer.required[p] - 1);
      EXPECT_FALSE(dialog.OkEnabled()) << "one card short";
      ChooseCards(dialog, 2);
      EXPECT_FALSE(dialog.OkEnabled()) << "one card too many";
      int back = 0;
      while (back < 5 && !dialog.Chosen().Card(back)->IsShown()) ++back;
      gui::ClickWindow(dialog.Chosen().Card(back));
    }
    EXPECT_GE(listed, 2);
    std::string chosen;
    for (int p = 0; p < 3; ++p) {
      const ResourceCounts& lost = dialog.Discards()[p];
      chosen += " " + std::to_string(std::accumulate(lost.begin(), lost.end(), 0)) + "/" +
                std::to_string(offer.required[p]);
    }
    EXPECT_TRUE(dialog.OkEnabled()) << "chosen/required:" << chosen;
    if (!shot) gui::Screenshot("discard_dialog");
    shot = true;
    // A failed answer must not leave the modal dialog waiting.
    gui::ClickWindow(dialog.FindWindow(dialog.OkEnabled() ? wxID_OK : wxID_CANCEL));
    return true;
  };
  steps::Answering([&] { steps::Roll(view, 7); }, {IDD_CARD_SELECT}, discard);
  ASSERT_EQ(session.GameStateNow(), PlaceRobber);
  // A 7 never shows production; the dice pad is gone and the robber is asked for.
  EXPECT_FALSE(view.TurnPanel().ProductionShown());
  EXPECT_FALSE(view.TurnPanel().DiceButton(7)->IsShown());
  EXPECT_EQ(view.TurnPanel().Text(), "Choose a location for the robber.");
  for (int p = 0; p < 3; ++p) EXPECT_LE(Cards(session, p), std::max(7, Cards(session, p)));

  // One Undo takes back the discards and the roll.
  steps::ClickUndo(view);
  ASSERT_TRUE(gui::WaitFor([&] { return session.UndoDepth() == depth; }));
  for (int p = 0; p < 3; ++p) EXPECT_EQ(session.Game().players[p].hand, before.players[p].hand);
  EXPECT_TRUE(view.TurnPanel().DiceButton(7)->IsShown());

  // The 7 again, then the robber on a tile of another player and the steal.
  steps::Answering([&] { steps::Roll(view, 7); }, {IDD_CARD_SELECT}, discard);
  ASSERT_EQ(session.GameStateNow(), PlaceRobber);
  const int thief = session.CurrentPlayer();
  int target = -1;
  for (int t = 0; t < session.Board().LandCount() && target < 0; ++t) {
    if (t == session.Board().robberTile) continue;
    for (BuildingCode code : session.Board().Piece(t).building) {
      const int owner = BuildingOwner(code);
      if (code != 0 && owner != thief && Cards(session, owner) > 0) target = t;
    }
  }
  ASSERT_GE(target, 0);
  StealChoice taken;
  auto steal = [&](wxDialog& shown) {
    auto& dialog = static_cast<CCardSelectDialog&>(shown);
    EXPECT_EQ(dialog.GetTitle(), "Steal a card from a player");
    int victim = 0;
    while (victim < 6 && !dialog.Players()->Button(victim)->IsShown()) ++victim;
    EXPECT_LT(victim, 6);
    gui::ClickWindow(dialog.Players()->Button(victim));
    ChooseCards(dialog, 1);
    taken = dialog.Steal();
    EXPECT_EQ(taken.victim, victim);
    EXPECT_LT(taken.resource, 5);
    gui::ClickWindow(dialog.FindWindow(wxID_OK));
    return true;
  };
  const int32_t thiefCards = Cards(session, thief);
  steps::Answering([&] { steps::ClickTile(view, target); }, {IDD_CARD_SELECT}, steal);
  ASSERT_EQ(session.GameStateNow(), Turn);
  EXPECT_EQ(session.Board().robberTile, target);
  EXPECT_EQ(Cards(session, thief), thiefCards + 1);

  // Undo after the steal: the steal dialog comes back, and its Cancel takes back the robber.
  auto cancel = [&](wxDialog& shown) {
    EXPECT_EQ(shown.GetTitle(), "Steal a card from a player");
    gui::ClickWindow(shown.FindWindow(wxID_CANCEL));
    return true;
  };
  steps::Answering([&] { steps::ClickUndo(view); }, {IDD_CARD_SELECT}, cancel);
  ASSERT_TRUE(gui::WaitFor([&] { return session.GameStateNow() == PlaceRobber; }));
  EXPECT_EQ(Cards(session, thief), thiefCards);
  EXPECT_EQ(view.TurnPanel().Text(), "Choose a location for the robber.");
  std::string why;
  EXPECT_TRUE(session.IsConsistent(&why)) << why;
}

int Kinds(const ResourceCounts& hand) {
  return static_cast<int>(std::count_if(hand.begin(), hand.end(), [](int32_t n) { return n > 0; }));
}

int FirstShown(const CResourceCardRow& row) {
  int resource = 0;
  while (resource < 5 && !row.Card(resource)->IsShown()) ++resource;
  return resource;
}

TEST_F(Turns, TradeWithAPlayerAndDragToTheBank) {
  CHexsteadView& view = NewGame(true);
  CGameSession& session = view.Session();
  PlaceInitialPieces(view);
  // Until a player starts a turn able to complete the five kinds with 4:1 bank trades.
  auto canCompleteKinds = [&](const ResourceCounts& hand) {
    int spare = 0;
    for (int32_t n : hand) spare += n > 0 ? (n - 1) / 4 : 0;
    return spare >= 5 - Kinds(hand) && Kinds(hand) >= 2;
  };
  PlayUntil(view, [&] { return canCompleteKinds(session.Game().players[session.CurrentPlayer()].hand); }, 60);
  ASSERT_FALSE(HasFatalFailure());
  const int me = session.CurrentPlayer();
  steps::Roll(view, ProducingTotal(session, 1));
  gui::ClickWindow(view.TurnPanel().FindWindow(IDC_PANEL_TEXT));
  ASSERT_TRUE(gui::WaitFor([&] { return session.GameStateNow() == Turn; }));
  ASSERT_TRUE(Enabled(view, IDC_TRADE));

  auto trade = [&](wxDialog& shown) {
    auto& dialog = static_cast<CTradeDialog&>(shown);
    EXPECT_EQ(dialog.GetTitle(), "Trade");
    EXPECT_FALSE(dialog.Partners().Button(me)->IsShown());
    // A partner with cards.
    int partner = -1;
    for (int p = 0; p < 3 && partner < 0; ++p) {
      if (p != me && Cards(session, p) > 0) partner = p;
    }
    EXPECT_GE(partner, 0);
    gui::ClickWindow(dialog.Partners().Button(partner));
    EXPECT_EQ(dialog.Partner(), partner);
    // Cards dragged onto the bank pictures fill the missing kinds, each at the player's best ratio.
    for (int wanted = 0; wanted < 5; ++wanted) {
      const ResourceCounts now = session.Game().players[me].hand;
      if (now[wanted] > 0) continue;
      const std::array<bool, 5> draggable = session.BankDraggable();
      int drag = 0;
      while (drag < 5 && !(draggable[drag] && now[drag] > session.TradeRatio(me, drag))) ++drag;
      EXPECT_LT(drag, 5);
      if (drag == 5) break;
      const int ratio = session.TradeRatio(me, drag);
      const int32_t bankWanted = session.Bank()[wanted];
      gui::Drag(dialog.Cards(CTradeDialog::Current).Card(drag)->GetScreenRect().GetPosition() + wxPoint(18, 20),
                dialog.BankRow().Card(wanted)->GetScreenRect().GetPosition() + wxPoint(18, 20));
      gui::Pump(100);
      EXPECT_EQ(session.Game().players[me].hand[drag], now[drag] - ratio);
      EXPECT_EQ(session.Game().players[me].hand[wanted], 1);
      EXPECT_EQ(session.Bank()[wanted], bankWanted - 1);
      EXPECT_EQ(dialog.BankRow().Card(wanted)->Count(), bankWanted - 1);
      EXPECT_EQ(dialog.Cards(CTradeDialog::Current).Card(wanted)->Count(), 1);
    }
    EXPECT_EQ(Kinds(session.Game().players[me].hand), 5);

    const ResourceCounts mine = session.Game().players[me].hand;
    const ResourceCounts theirs = session.Game().players[partner].hand;
    // A kind of which the player keeps one after the trade.
    int give = 0;
    while (give < 5 && mine[give] < 2) ++give;
    EXPECT_LT(give, 5);
    gui::ClickWindow(dialog.Cards(CTradeDialog::Current).Card(give));
    EXPECT_EQ(dialog.SlotCard(CTradeDialog::Current, 0)->Resource(), give);
    EXPECT_EQ(dialog.SlotCard(CTradeDialog::Current, 0)->Count(), 1);
    EXPECT_EQ(dialog.Cards(CTradeDialog::Current).Card(give)->Count(), mine[give] - 1);
    // The kind offered on one side is disabled on the other.
    EXPECT_FALSE(dialog.Cards(CTradeDialog::Other).Card(give)->IsEnabled());
    EXPECT_FALSE(dialog.TradeEnabled());
    int get = 0;
    while (get < 5 && (get == give || !dialog.Cards(CTradeDialog::Other).Card(get)->IsShown())) ++get;
    EXPECT_LT(get, 5);
    gui::ClickWindow(dialog.Cards(CTradeDialog::Other).Card(get));
    EXPECT_TRUE(dialog.TradeEnabled());
    gui::Screenshot("trade_dialog");
    gui::ClickWindow(dialog.FindWindow(wxID_APPLY));
    EXPECT_EQ(session.Game().players[me].hand[give], mine[give] - 1);
    EXPECT_EQ(session.Game().players[me].hand[get], mine[get] + 1);
    EXPECT_EQ(session.Game().players[partner].hand[get], theirs[get] - 1);
    EXPECT_EQ(dialog.SlotCard(CTradeDialog::Current, 0)->Resource(), -1) << "offers are cleared after a trade";

    // Four kinds fill the four slots; a fifth is refused.
    const ResourceCounts now = session.Game().players[me].hand;
    int offeredKinds = 0;
    for (int r = 0; r < 5; ++r) {
      if (now[r] == 0) continue;
      gui::ClickWindow(dialog.Cards(CTradeDialog::Current).Card(r));
      ++offeredKinds;
    }
    EXPECT_EQ(offeredKinds, 5);
    {
      int filled = 0;
      for (int slot = 0; slot < CTradeDialog::kSlots; ++slot) {
        filled += dialog.SlotCard(CTradeDialog::Current, slot)->Resource() >= 0 ? 1 : 0;
      }
      EXPECT_EQ(filled, 4);
      const int last = dialog.Offers(CTradeDialog::Current)[3].resource;
      EXPECT_NE(last, 4) << "the fifth kind, Sheep, found no slot";
      EXPECT_EQ(dialog.Cards(CTradeDialog::Current).Card(4)->Count(), now[4]);
    }
    // A click on a slot takes its card back.
    for (int slot = 0; slot < CTradeDialog::kSlots; ++slot) {
      while (dialog.SlotCard(CTradeDialog::Current, slot)->Resource() >= 0) {
        gui::ClickWindow(dialog.SlotCard(CTradeDialog::Current, slot));
      }
    }
    EXPECT_EQ(dialog.Cards(CTradeDialog::Current).Card(FirstShown(dialog.Cards(CTradeDialog::Current)))->Count(),
              now[FirstShown(dialog.Cards(CTradeDialog::Current))]);

    gui::ClickWindow(dialog.FindWindow(wxID_OK));
    return true;
  };
  steps::Answering([&] { steps::ClickAction(view, IDC_TRADE); }, {IDD_TRADE}, trade);
  EXPECT_EQ(session.GameStateNow(), Turn);
  std::string why;
  EXPECT_TRUE(session.IsConsistent(&why)) << why;
}

}  // namespace

// Popups > Luck during a game entered with the mouse: the window follows
// every roll and the Undo of one, and what it shows received is what the
// board gave.
TEST_F(Turns, LuckWindowFollowsTheRollsAndTheirUndo) {
  CHexsteadView& view = NewGame(false);
  PlaceInitialPieces(view);
  if (HasFatalFailure()) return;
  CGameSession& session = view.Session();
  std::vector<ResourceCounts> startingCards;
  for (const CPlayerGame& seat : session.Game().players) startingCards.push_back(seat.gainedFromBoard);

  wxFrame* child = static_cast<wxFrame*>(view.GetFrame());
  wxMenuBar* menus = child->GetMenuBar();
  ASSERT_NE(menus->FindItem(ID_POPUPS_LUCK), nullptr);
  wxCommandEvent toggle(wxEVT_MENU, ID_POPUPS_LUCK);
  TheApp().MainFrame()->GetEventHandler()->ProcessEvent(toggle);
  CLuckWindow& luck = view.LuckWindow();
  ASSERT_TRUE(gui::WaitFor([&] { return luck.IsShown(); }));
  menus->UpdateMenus();
  EXPECT_TRUE(menus->FindItem(ID_POPUPS_LUCK)->IsChecked());
  EXPECT_EQ(luck.GetTitle(), "Luck");

  for (int turn = 0; turn < 4; ++turn) PlainTurn(view, turn);
  if (HasFatalFailure()) return;
  ASSERT_EQ(luck.Shown().rolls.size(), 4u);
  for (std::size_t s = 0; s < luck.Shown().seats.size(); ++s) {
    int32_t fromBoard = 0;
    for (int r = 0; r < 5; ++r) fromBoard += session.Game().players[s].gainedFromBoard[r] - startingCards[s][r];
    EXPECT_EQ(luck.Shown().seats[s].ReceivedTotal(), fromBoard) << "seat " << s;
  }
  // A fifth roll, then its Undo: the window goes back to four.
  steps::Roll(view, 6);
  ASSERT_TRUE(gui::WaitFor([&] { return luck.Shown().rolls.size() == 5; }));
  steps::ClickUndo(view);
  ASSERT_TRUE(gui::WaitFor([&] { return luck.Shown().rolls.size() == 4; }));
  EXPECT_EQ(luck.Table().GetCellValue(0, 0), wxString::FromUTF8(DiceVerdict(luck.Shown().dice)));
  gui::Pump(100);
  gui::Screenshot("luck_window");
  luck.Close();
  menus->UpdateMenus();
  EXPECT_FALSE(menus->FindItem(ID_POPUPS_LUCK)->IsChecked());
}
namespace {

// Year of Plenty with a bank holding a single Ore: the Ore can be taken once,
// its card leaves the bank group, and comes back when the choice is undone.
TEST_F(Turns, YearOfPlentyWithTheBanksLastOre) {
  CInterfaceImages images;
  images.Load("data", [](const std::string& text) { ADD_FAILURE() << text; });
  CCardSelectDialog dialog(TheApp().MainFrame(), images, ResourceCounts{3, 2, 1, 0, 4});
  auto choose = [&](wxDialog&) {
    EXPECT_EQ(dialog.GetTitle(), "Select two cards from the bank");
    const CResourceCardRow& bank = dialog.Available();
    EXPECT_TRUE(bank.Card(2)->IsShown());
    EXPECT_FALSE(bank.Card(3)->IsShown()) << "the bank holds no Clay";
    gui::ClickWindow(bank.Card(2));
    EXPECT_FALSE(bank.Card(2)->IsShown()) << "the only Ore is chosen";
    EXPECT_EQ(dialog.Chosen().Card(2)->Count(), 1);
    EXPECT_FALSE(dialog.OkEnabled());
    gui::ClickWindow(bank.Card(1));
    EXPECT_TRUE(dialog.OkEnabled());
    // Two chosen: the bank's cards take no more.
    for (int r : {0, 1, 4}) EXPECT_FALSE(bank.Card(r)->IsEnabled()) << r;
    gui::ClickWindow(dialog.Chosen().Card(2));
    EXPECT_TRUE(bank.Card(2)->IsShown());
    EXPECT_EQ(bank.Card(2)->Count(), 1);
    EXPECT_FALSE(dialog.OkEnabled());
    gui::ClickWindow(bank.Card(2));
    gui::ClickWindow(dialog.FindWindow(dialog.OkEnabled() ? wxID_OK : wxID_CANCEL));
    return true;
  };
  int result = wxID_NONE;
  steps::Answering([&] { result = dialog.ShowModal(); }, {IDD_CARD_SELECT}, choose);
  EXPECT_EQ(result, wxID_OK);
  EXPECT_EQ(dialog.YearOfPlentyCounts(), (ResourceCounts{0, 1, 1, 0, 0}));
}

}  // namespace

namespace {

// Every group box of a dialog shows its whole caption.
void ExpectCaptionsFit(wxDialog& dialog) {
  for (wxWindow* child : dialog.GetChildren()) {
    auto* box = dynamic_cast<wxStaticBox*>(child);
    if (box == nullptr) continue;
    EXPECT_GE(box->GetSize().x, box->GetTextExtent(box->GetLabel()).x + 16)
        << dialog.GetTitle() << ": \"" << box->GetLabel() << "\" is cut off";
  }
}

// The questions of the automatic bank trade and of the hidden points are
// longer than their choices.
TEST_F(Turns, QuestionsFitTheirDialogs) {
  CBankTradeDialog trade(TheApp().MainFrame(), 2, {false, false, false, true, true});
  ExpectCaptionsFit(trade);
  CVictoryPointsDialog points(TheApp().MainFrame(), "Bartholomew Longname", 1);
  ExpectCaptionsFit(points);
  CMonopolyDialog monopoly(TheApp().MainFrame());
  ExpectCaptionsFit(monopoly);
}

}  // namespace
