// Players at the table, driven with the mouse from a first start (no player
// database): new players from the selection dialog, seating by drag and drop
// and double-click, the seat range of the board, the playing order by dice
// rolls and by hand, and the status rows of the first turn.
#include <gtest/gtest.h>

#include <set>

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/listctrl.h>
#include <wx/menu.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "colour_label.h"
#include "command_ids.h"
#include "dice_pad_dialog.h"
#include "gui_driver.h"
#include "gui_test.h"
#include "hexstead_app.h"
#include "hexstead_view.h"
#include "main_frame.h"
#include "player_box.h"
#include "player_colours.h"
#include "player_edit_dialog.h"
#include "player_order_dialog.h"
#include "player_select_dialog.h"
#include "player_status_row.h"
#include "player_status_rows.h"
#include "records/player_database.h"
#include "side_panel.h"
#include "turn_panel.h"

namespace {

class Players : public GuiTest {
 protected:
  void BeforeStart() override { gui::RemoveStoredData(); }
  void AfterStart() override {
    // Several tests in one process: read the emptied directory again.
    CPlayerDatabase::Instance().Load();
    ASSERT_EQ(CPlayerDatabase::Instance().Count(), 0);
  }

  // File > New with a generated board ("3 or 4" unless `fiveOrSix`), up to
  // the player selection shown; view_ is the game's view.
  void OpenGeneratedGame(bool fiveOrSix, bool trackTrades = false) {
    gui::OpenNewGame([&](wxDialog* options) {
      if (fiveOrSix) gui::ClickWindow(options->FindWindow(IDC_PLAYERS_56));
      if (trackTrades) gui::ClickWindow(options->FindWindow(IDC_TRACK_TRADES));
      gui::ClickWindow(options->FindWindow(IDC_GENERATE_BOARD));
    });
    view_ = TheApp().OpenView();
    ASSERT_NE(view_, nullptr);
    ASSERT_TRUE(gui::WaitFor([&] { return view_->PlayerSelection().IsShown(); }));
  }

  CHexsteadView* view_ = nullptr;
};

constexpr uint32_t kWhite = 0xEBEBEB;
constexpr uint32_t kOrange = 0x0683FF;
constexpr uint32_t kBlue = 0xDF2020;

// "New player..." with the mouse; the names are typed into the Add/Edit
// player dialog (last name first, where the focus starts).
void AddPlayer(CPlayerSelectDialog& select, const char* last, const char* first) {
  bool answered = false;
  gui::WhileModal([&] { gui::ClickWindow(select.FindWindow(IDC_NEW_PLAYER)); },
                  [&] {
                    wxDialog* edit = gui::ShownDialog(151);
                    if (edit == nullptr || answered) return;
                    answered = true;
                    EXPECT_EQ(edit->GetTitle(), "Add a player");
                    gui::TypeText(last);
                    gui::ClickWindow(edit->FindWindow(IDC_EDIT_FIRST_NAME));
                    gui::TypeText(first);
                    gui::ClickWindow(edit->FindWindow(wxID_OK));
                  });
  EXPECT_TRUE(answered);
  gui::Pump(100);
}

wxPoint RowCentre(wxListCtrl* list, int row) {
  wxRect rect;
  EXPECT_TRUE(list->GetItemRect(row, rect));
  return list->ClientToScreen(rect.GetPosition() + wxSize(rect.width / 3, rect.height / 2));
}

wxPoint Centre(wxWindow* window) {
  const wxRect rect = window->GetScreenRect();
  return rect.GetPosition() + wxSize(rect.width / 2, rect.height / 2);
}

// The list row showing a player ("Last, First").
int RowNamed(wxListCtrl* list, const wxString& text) { return static_cast<int>(list->FindItem(-1, text)); }

void DragRowToSeat(CPlayerSelectDialog& select, const wxString& row, int box) {
  const int index = RowNamed(select.PlayerList(), row);
  ASSERT_GE(index, 0) << row;
  gui::Drag(RowCentre(select.PlayerList(), index), Centre(select.Seat(box)));
  gui::Pump(100);
}

void DoubleClickRow(CPlayerSelectDialog& select, const wxString& row) {
  const int index = RowNamed(select.PlayerList(), row);
  ASSERT_GE(index, 0) << row;
  gui::DoubleClickAt(RowCentre(select.PlayerList(), index));
  gui::Pump(100);
}

void ClickPad(CPlayerOrderDialog& order, int total) {
  ASSERT_TRUE(order.DicePad()->IsShown());
  gui::ClickWindow(order.DicePad()->Button(total));
  gui::Pump(50);
}

TEST_F(Players, FirstStartToTheFirstSettlementByDiceOrder) {
  ASSERT_NO_FATAL_FAILURE(OpenGeneratedGame(false));
  CGameSession& session = view_->Session();
  CPlayerSelectDialog& select = view_->PlayerSelection();
  // A generated board has no step to go back to.
  EXPECT_FALSE(select.CancelAllowed());
  EXPECT_FALSE(select.OkEnabled());
  EXPECT_EQ(select.PlayerList()->GetItemCount(), 0);

  AddPlayer(select, "Lee", "Ann");
  ASSERT_EQ(CPlayerDatabase::Instance().Count(), 1);
  EXPECT_EQ(CPlayerDatabase::Instance().GetPlayer(0).lastName, "Lee");
  EXPECT_EQ(CPlayerDatabase::Instance().GetPlayer(0).firstName, "Ann");
  // The new row is in the list and selected, with its (empty) record shown.
  ASSERT_EQ(select.PlayerList()->GetItemCount(), 1);
  EXPECT_EQ(select.PlayerList()->GetItemText(0), "Lee, Ann");
  EXPECT_EQ(select.PlayerList()->GetItemState(0, wxLIST_STATE_SELECTED), wxLIST_STATE_SELECTED);
  EXPECT_TRUE(select.FindWindow(IDC_PLAYER_STATISTICS)->GetLabel().Contains("Games: 0"));
  AddPlayer(select, "fox", "Bob");
  AddPlayer(select, "Diaz", "Cleo");
  AddPlayer(select, "Brandt", "Dora");
  AddPlayer(select, "Evans", "Ed");
  ASSERT_EQ(CPlayerDatabase::Instance().Count(), 5);
  // Sorted without regard to case, whatever the order of addition.
  EXPECT_EQ(select.PlayerList()->GetItemText(0), "Brandt, Dora");
  EXPECT_EQ(select.PlayerList()->GetItemText(2), "Evans, Ed");
  EXPECT_EQ(select.PlayerList()->GetItemText(3), "fox, Bob");
  EXPECT_EQ(select.PlayerList()->GetItemText(4), "Lee, Ann");

  // Seats 1, 3 and 4 by drag and drop, then two more by double-click, which
  // take the first empty seats (2 and 5).
  DragRowToSeat(select, "Lee, Ann", 0);
  DragRowToSeat(select, "fox, Bob", 2);
  DragRowToSeat(select, "Diaz, Cleo", 3);
  EXPECT_EQ(select.Seat(0)->GetLabel(), "Ann Lee");
  EXPECT_EQ(select.Seat(2)->GetLabel(), "Bob fox");
  EXPECT_EQ(select.Seat(3)->GetLabel(), "Cleo Diaz");
  EXPECT_TRUE(select.OkEnabled());
  DoubleClickRow(select, "Brandt, Dora");
  EXPECT_EQ(select.Seat(1)->GetLabel(), "Dora Brandt");
  EXPECT_TRUE(select.OkEnabled());  // four
  DoubleClickRow(select, "Evans, Ed");
  EXPECT_EQ(select.Seat(4)->GetLabel(), "Ed Evans");
  EXPECT_EQ(select.SeatedCount(), 5);
  EXPECT_FALSE(select.OkEnabled());  // five on the Standard board
  // A seated player double-clicked again is not seated twice.
  DoubleClickRow(select, "Lee, Ann");
  EXPECT_EQ(select.SeatedCount(), 5);
  gui::Screenshot("players_01_selection_five_seated");

  // Dropping seats back on the list frees them.
  gui::Drag(Centre(select.Seat(4)), RowCentre(select.PlayerList(), 1));
  gui::Pump(100);
  EXPECT_TRUE(select.Seat(4)->IsEmpty());
  EXPECT_TRUE(select.OkEnabled());
  gui::Drag(Centre(select.Seat(1)), Centre(select.PlayerList()));
  gui::Pump(100);
  EXPECT_TRUE(select.Seat(1)->IsEmpty());
  EXPECT_EQ(select.SeatedCount(), 3);
  EXPECT_TRUE(select.OkEnabled());
  gui::Screenshot("players_02_selection_seated");

  gui::ClickWindow(select.FindWindow(wxID_OK));
  CPlayerOrderDialog& order = view_->PlayerOrder();
  ASSERT_TRUE(gui::WaitFor([&] { return order.IsShown(); }));
  EXPECT_FALSE(select.IsShown());
  // Seats 1, 3 and 4 give white, orange and blue.
  const CGame& game = session.Game();
  ASSERT_EQ(game.players.size(), 3u);
  EXPECT_EQ(static_cast<uint32_t>(game.players[0].color), kWhite);
  EXPECT_EQ(static_cast<uint32_t>(game.players[1].color), kOrange);
  EXPECT_EQ(static_cast<uint32_t>(game.players[2].color), kBlue);
  EXPECT_EQ(game.players[2].player.lastName, "Diaz");
  EXPECT_EQ(order.PlayerBox(1)->GetLabel(), "Bob fox");
  EXPECT_FALSE(order.PlayerBox(3)->IsShown());
  EXPECT_FALSE(order.OkEnabled());
  EXPECT_FALSE(order.DicePad()->IsShown());

  // Dice: 8, 8 and 11. The third is placed first; only the other two roll again.
  gui::ClickWindow(order.FindWindow(IDC_USE_DICE_ROLLS));
  ASSERT_TRUE(gui::WaitFor([&] { return order.DicePad()->IsShown(); }));
  // The pad stands left of the order dialog.
  EXPECT_LE(order.DicePad()->GetScreenRect().GetRight(), order.GetScreenRect().GetLeft() + 130);
  EXPECT_EQ(order.ExpectedRoller(), 0);
  ClickPad(order, 8);
  EXPECT_EQ(order.RollBox(0)->GetLabel(), "8");
  EXPECT_EQ(order.ExpectedRoller(), 1);
  ClickPad(order, 8);
  gui::Screenshot("players_03_order_mid_roll");
  ClickPad(order, 11);
  EXPECT_EQ(order.PlaceBox(0)->GetLabel(), "Cleo Diaz");
  EXPECT_EQ(order.PlaceBox(0)->Player(), 2);
  EXPECT_TRUE(order.PlayerBox(2)->IsEmpty());
  EXPECT_FALSE(order.RollBox(2)->IsShown());
  EXPECT_TRUE(order.RollBox(0)->IsShown());
  EXPECT_EQ(order.RollBox(0)->GetLabel(), "");
  EXPECT_EQ(order.RollBox(1)->GetLabel(), "");
  EXPECT_TRUE(order.PlaceBox(1)->IsEmpty());
  EXPECT_TRUE(order.StatusText().Contains("roll again"));
  EXPECT_FALSE(order.OkEnabled());
  // A click on the second player's box makes them roll first this time.
  gui::ClickWindow(order.PlayerBox(1));
  EXPECT_EQ(order.ExpectedRoller(), 1);
  ClickPad(order, 4);
  EXPECT_EQ(order.ExpectedRoller(), 0);
  ClickPad(order, 6);
  EXPECT_EQ(order.PlaceBox(1)->GetLabel(), "Ann Lee");
  EXPECT_EQ(order.PlaceBox(2)->GetLabel(), "Bob fox");
  EXPECT_FALSE(order.DicePad()->IsShown());
  EXPECT_TRUE(order.OkEnabled());
  EXPECT_EQ(session.GameStateNow(), PlayerInformation);

  gui::ClickWindow(order.FindWindow(wxID_OK));
  ASSERT_TRUE(gui::WaitFor([&] { return session.GameStateNow() == InitialPlacement; }));
  EXPECT_FALSE(order.IsShown());
  ASSERT_EQ(game.players.size(), 3u);
  EXPECT_EQ(game.players[0].player.lastName, "Diaz");
  EXPECT_EQ(static_cast<uint32_t>(game.players[0].color), kBlue);  // colours travel with players
  EXPECT_EQ(game.players[1].player.lastName, "Lee");
  EXPECT_EQ(game.players[2].player.lastName, "fox");
  EXPECT_EQ(session.Prompt(), "Place a settlement for Cleo Diaz.");
  EXPECT_TRUE(view_->TurnPanel().IsShown());
  EXPECT_EQ(view_->TurnPanel().Text(), "Place a settlement for Cleo Diaz.");

  // The status rows: names on their light colours, nothing in hand yet, no
  // bank row without tracked trades.
  CPlayerStatusRows& rows = view_->StatusRows();
  ASSERT_EQ(rows.Count(), 3);
  EXPECT_EQ(rows.Row(-1), nullptr);
  const char* names[] = {"Player: Cleo Diaz", "Player: Ann Lee", "Player: Bob fox"};
  for (int p = 0; p < 3; ++p) {
    CPlayerStatusRow* row = rows.Row(p);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->NameLabel()->GetLabel(), names[p]);
    EXPECT_EQ(row->GetBackgroundColour(), LightColourOf(static_cast<uint32_t>(game.players[p].color)));
    EXPECT_EQ(row->GetPosition(), wxPoint(0, 72 * p));
    EXPECT_EQ(row->GetSize(), wxSize(175, 72));
    EXPECT_EQ(row->PointsLabel()->GetLabel(), "Points: 0");
    EXPECT_FALSE(row->LargestArmyBadge()->IsShown());
    EXPECT_EQ(row->LargestArmyBadge()->GetToolTipText(), "Largest Army");
    EXPECT_EQ(row->LongestRoadBadge()->GetToolTipText(), "Longest Road");
    for (int r = 0; r < 5; ++r) EXPECT_FALSE(row->ResourcePicture(r)->IsShown());
  }
  EXPECT_GE(TheApp().MainFrame()->GetMinSize().y, 70 + 72 * 3);
  gui::Screenshot("players_04_status_rows");
}

TEST_F(Players, ManualOrderCancelAndTheLargeBoardRange) {
  ASSERT_NO_FATAL_FAILURE(OpenGeneratedGame(true));
  CGameSession& session = view_->Session();
  CPlayerSelectDialog& select = view_->PlayerSelection();
  EXPECT_FALSE(select.CancelAllowed());
  const char* last[] = {"Ames", "Baker", "Cole", "Dunn", "Eddy", "Ford"};
  for (const char* name : last) AddPlayer(select, name, "X");
  for (int row = 0; row < 4; ++row) DoubleClickRow(select, select.PlayerList()->GetItemText(row));
  EXPECT_FALSE(select.OkEnabled());  // four on the Large board
  DoubleClickRow(select, "Eddy, X");
  EXPECT_TRUE(select.OkEnabled());
  // A seated player dragged onto another seat moves there.
  gui::Drag(Centre(select.Seat(0)), Centre(select.Seat(5)));
  gui::Pump(100);
  EXPECT_TRUE(select.Seat(0)->IsEmpty());
  EXPECT_EQ(select.Seat(5)->GetLabel(), "X Ames");
  EXPECT_EQ(select.SeatedCount(), 5);
  DoubleClickRow(select, "Ford, X");
  EXPECT_EQ(select.Seat(0)->GetLabel(), "X Ford");
  EXPECT_TRUE(select.OkEnabled());  // six
  // A double-click on a seat frees it; the player can sit down again.
  gui::DoubleClickAt(Centre(select.Seat(1)));
  gui::Pump(100);
  EXPECT_TRUE(select.Seat(1)->IsEmpty());
  EXPECT_EQ(select.SeatedCount(), 5);
  DoubleClickRow(select, "Baker, X");
  EXPECT_EQ(select.Seat(1)->GetLabel(), "X Baker");
  gui::ClickWindow(select.FindWindow(wxID_OK));

  CPlayerOrderDialog& order = view_->PlayerOrder();
  ASSERT_TRUE(gui::WaitFor([&] { return order.IsShown(); }));
  ASSERT_EQ(session.Game().players.size(), 6u);
  // By hand: seat 3 dragged into the first place, seat 0 double-clicked
  // into the next empty one, then given back with a double-click.
  gui::Drag(Centre(order.PlayerBox(3)), Centre(order.PlaceBox(0)));
  gui::Pump(100);
  EXPECT_EQ(order.PlaceBox(0)->Player(), 3);
  EXPECT_TRUE(order.PlayerBox(3)->IsEmpty());
  gui::DoubleClickAt(Centre(order.PlayerBox(0)));
  gui::Pump(100);
  EXPECT_EQ(order.PlaceBox(1)->Player(), 0);
  gui::DoubleClickAt(Centre(order.PlaceBox(1)));
  gui::Pump(100);
  EXPECT_TRUE(order.PlaceBox(1)->IsEmpty());
  EXPECT_FALSE(order.PlayerBox(0)->IsEmpty());
  // The rest by dice, for the places still free: 5 players roll 2..6.
  gui::ClickWindow(order.FindWindow(IDC_USE_DICE_ROLLS));
  ASSERT_TRUE(gui::WaitFor([&] { return order.DicePad()->IsShown(); }));
  for (int total : {2, 3, 4, 5, 6}) ClickPad(order, total);
  EXPECT_TRUE(order.OkEnabled());
  EXPECT_EQ(order.PlaceBox(0)->Player(), 3);
  EXPECT_EQ(order.PlaceBox(1)->Player(), 5);  // rolled 6
  EXPECT_EQ(order.PlaceBox(5)->Player(), 0);  // rolled 2

  // Cancel takes the selection back: the selection dialog returns with its seats.
  gui::ClickWindow(order.FindWindow(wxID_CANCEL));
  ASSERT_TRUE(gui::WaitFor([&] { return select.IsShown(); }));
  EXPECT_FALSE(order.IsShown());
  EXPECT_FALSE(order.DicePad()->IsShown());
  EXPECT_FALSE(session.Fields().playersSelected);
  EXPECT_EQ(select.SeatedCount(), 6);
  EXPECT_TRUE(select.OkEnabled());
}

TEST_F(Players, EditDialogShowsStoredNamesAndStoresWhatIsTyped) {
  // Stored names are Windows-1252: 0xFC is u-umlaut, 0x80 the euro sign.
  CPlayerEditDialog edit(TheApp().MainFrame(), "Edit a player", "M\xFCller", "\x80va");
  auto* last = static_cast<wxTextCtrl*>(edit.FindWindow(IDC_EDIT_LAST_NAME));
  auto* first = static_cast<wxTextCtrl*>(edit.FindWindow(IDC_EDIT_FIRST_NAME));
  ASSERT_NE(last, nullptr);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(edit.GetTitle(), "Edit a player");
  EXPECT_EQ(last->GetValue(), wxString::FromUTF8("M\xC3\xBCller"));
  EXPECT_EQ(first->GetValue(), wxString::FromUTF8("\xE2\x82\xACva"));
  EXPECT_EQ(edit.LastName(), "M\xFCller");
  // "Last Name:" comes first in the dialog.
  EXPECT_LT(last->GetPosition().y, first->GetPosition().y);
  edit.Show();
  gui::Pump(100);
  gui::Screenshot("players_06_edit_dialog");
  // A character without a Windows-1252 byte is stored as '?'; empty stays empty.
  first->ChangeValue(wxString::FromUTF8("J\xC5\x8Dn"));
  last->ChangeValue(wxString());
  EXPECT_EQ(edit.FirstName(), "J?n");
  EXPECT_EQ(edit.LastName(), "");
  edit.Hide();
}

TEST_F(Players, StatusRowsWithTheBankShowOnlyWhatIsHeld) {
  ASSERT_NO_FATAL_FAILURE(OpenGeneratedGame(false, true));
  CGameSession& session = view_->Session();
  CPlayerSelectDialog& select = view_->PlayerSelection();
  for (const char* name : {"Ames", "Baker", "Cole"}) AddPlayer(select, name, "Y");
  for (int row = 0; row < 3; ++row) DoubleClickRow(select, select.PlayerList()->GetItemText(row));
  gui::ClickWindow(select.FindWindow(wxID_OK));
  CPlayerOrderDialog& order = view_->PlayerOrder();
  ASSERT_TRUE(gui::WaitFor([&] { return order.IsShown(); }));
  for (int seat = 0; seat < 3; ++seat) gui::DoubleClickAt(Centre(order.PlayerBox(seat)));
  gui::Pump(100);
  ASSERT_TRUE(order.OkEnabled());
  gui::ClickWindow(order.FindWindow(wxID_OK));
  ASSERT_TRUE(gui::WaitFor([&] { return session.GameStateNow() == InitialPlacement; }));

  CPlayerStatusRows& rows = view_->StatusRows();
  ASSERT_EQ(rows.Count(), 4);
  CPlayerStatusRow* bank = rows.Row(-1);
  ASSERT_NE(bank, nullptr);
  EXPECT_EQ(bank->GetPosition(), wxPoint(0, 72 * 3));
  EXPECT_EQ(bank->NameLabel()->GetLabel(), "Bank");
  EXPECT_EQ(bank->GetBackgroundColour(), *wxWHITE);
  EXPECT_EQ(bank->PointsLabel(), nullptr);
  EXPECT_EQ(bank->LargestArmyBadge(), nullptr);
  for (int r = 0; r < 5; ++r) {
    EXPECT_TRUE(bank->ResourcePicture(r)->IsShown());
    EXPECT_EQ(bank->ResourceCount(r)->GetLabel(), wxString::Format("%d", session.Bank()[r]));
  }
  EXPECT_GE(TheApp().MainFrame()->GetMinSize().y, 70 + 72 * 4);

  // A hand of two Wheat and one Sheep, 3 points and the Largest Army; then
  // nothing again: only held cards and held titles show.
  CPlayerStatusRow* first = rows.Row(0);
  ASSERT_NE(first, nullptr);
  CPlayerStatusRow::Shown held;
  held.counts = {0, 2, 0, 0, 1};
  held.points = 3;
  held.largestArmy = true;
  first->Update(held);
  EXPECT_FALSE(first->ResourcePicture(0)->IsShown());
  EXPECT_TRUE(first->ResourcePicture(1)->IsShown());
  EXPECT_EQ(first->ResourceCount(1)->GetLabel(), "2");
  EXPECT_TRUE(first->ResourceCount(4)->IsShown());
  EXPECT_EQ(first->PointsLabel()->GetLabel(), "Points: 3");
  EXPECT_TRUE(first->LargestArmyBadge()->IsShown());
  EXPECT_FALSE(first->LongestRoadBadge()->IsShown());
  gui::Screenshot("players_05_status_rows_with_bank");
  // A refresh brings the row back to the session's state.
  rows.Refresh(session);
  EXPECT_FALSE(first->ResourcePicture(1)->IsShown());
  EXPECT_FALSE(first->ResourceCount(4)->IsShown());
  EXPECT_EQ(first->PointsLabel()->GetLabel(), "Points: 0");
  EXPECT_FALSE(first->LargestArmyBadge()->IsShown());

  // Undo back into the playing order removes the rows with the turn panel.
  gui::ClickWindow(view_->TurnPanel().FindWindow(IDC_UNDO_BUTTON));
  ASSERT_TRUE(gui::WaitFor([&] { return order.IsShown(); }));
  EXPECT_EQ(rows.Count(), 0);
}

}  // namespace
