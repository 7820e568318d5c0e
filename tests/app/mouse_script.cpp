#include "mouse_script.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include <wx/dialog.h>
#include <wx/listctrl.h>
#include <wx/radiobut.h>

#include "board_setup_panel.h"
#include "build_button.h"
#include "card_select_dialog.h"
#include "command_ids.h"
#include "engine/board/location_ids.h"
#include "engine/board/random_source.h"
#include "flat_bitmap_button.h"
#include "game_steps.h"
#include "gui_driver.h"
#include "hexstead_app.h"
#include "hexstead_view.h"
#include "play_card_dialog.h"
#include "player_box.h"
#include "player_buttons.h"
#include "player_order_dialog.h"
#include "player_select_dialog.h"
#include "radio_choice.h"
#include "records/clock.h"
#include "resource_card.h"
#include "resource_card_row.h"
#include "trade_dialog.h"
#include "turn_panel.h"

namespace {

// Every dialog a turn may open.
const std::vector<int> kTurnDialogs = {IDD_PLAY_CARD, IDD_MONOPOLY,      IDD_CARD_SELECT,      IDD_TRADE,
                                       IDD_BANK_TRADE, IDD_GAME_OVER, IDD_VICTORY_POINTS, IDD_MESSAGE};

wxPoint Centre(wxWindow* window) {
  const wxRect rect = window->GetScreenRect();
  return rect.GetPosition() + wxSize(rect.width / 2, rect.height / 2);
}

void ClickId(wxDialog& dialog, int id) {
  wxWindow* control = dialog.FindWindow(id);
  ASSERT_NE(control, nullptr) << "no control " << id << " in " << dialog.GetTitle();
  ASSERT_TRUE(control->IsEnabled()) << "control " << id << " of " << dialog.GetTitle() << " is disabled";
  gui::ClickWindow(control);
}

// Clicks a card `count` times (each click moves one card).
void ClickCard(CResourceCard* card, int count) {
  for (int i = 0; i < count; ++i) {
    ASSERT_TRUE(card->IsShown() && card->IsEnabled()) << "resource card " << card->Resource() << " cannot be clicked";
    gui::ClickWindow(card);
  }
}

// What the session is at: a taken input or an Undo always changes it.
struct Mark {
  size_t undoDepth = 0;
  int state = 0;
  bool operator==(const Mark&) const = default;
};
Mark MarkOf(CGameSession& session) { return Mark{session.UndoDepth(), static_cast<int>(session.GameStateNow())}; }

}  // namespace

CHexsteadView& CMouseScript::View() const {
  CHexsteadView* view = TheApp().OpenView();
  if (view == nullptr) throw ScriptError(line_ != nullptr ? line_->number : 0, "no game window");
  return *view;
}

void CMouseScript::Play(const std::string& text) {
  const std::vector<ScriptLine> lines = ParseScript(text);
  for (const ScriptLine& line : lines) {
    line_ = &line;
    SCOPED_TRACE("script line " + std::to_string(line.number) + ": " + line.words[0]);
    // H3D_TRACE_SCRIPT=1 prints each line as it is played (to see where a run stalls).
    if (std::getenv("H3D_TRACE_SCRIPT") != nullptr) std::fprintf(stderr, "line %d %s\n", line.number, line.words[0].c_str());
    Run(line);
    if (::testing::Test::HasFatalFailure()) return;
    if (afterLine_) afterLine_(line);
    if (::testing::Test::HasFatalFailure()) return;
  }
  line_ = nullptr;
  answers_.CheckAllUsed();
}

void CMouseScript::Run(const ScriptLine& line) {
  const std::vector<std::string>& w = line.words;
  const std::string& verb = w[0];
  if (verb == "expect" || verb == "state") return;
  if (verb == "answer") {
    answers_.Add(line);
  } else if (verb == "clock") {
    CClock::SetFixed(ParseInt(w.at(1), line.number));
  } else if (verb == "wait") {
    CClock::Advance(ParseInt(w.at(1), line.number));
  } else if (verb == "seed") {
    seed_ = static_cast<unsigned>(ParseInt(w.at(1), line.number));
    seeded_ = true;
    random_.Seed(seed_);
  } else if (verb == "new") {
    ASSERT_EQ(w.size(), 4u);
    ASSERT_EQ(w[3], "generate=0") << "the window game enters its board from the palette";
    // The driver seeds again for every new game: so do we.
    if (seeded_) random_.Seed(seed_);
    steps::RunWizard(w[1] == "players=5", w[2] == "track=1");
    CHexsteadView* view = TheApp().OpenView();
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(gui::WaitFor([&] { return view->BoardView().IsGLReady(); }));
  } else if (verb == "seat") {
    ASSERT_EQ(w.size(), 4u);
    const int box = ParseIntIn(w[1], 1, 6, line.number) - 1;
    std::erase_if(seats_, [box](const Seat& s) { return s.box == box; });
    seats_.push_back(Seat{box, w[2], w[3]});
  } else if (verb == "unseat") {
    const int box = ParseIntIn(w.at(1), 1, 6, line.number) - 1;
    std::erase_if(seats_, [box](const Seat& s) { return s.box == box; });
  } else {
    RunInput(line);
  }
}

void CMouseScript::Step(const ScriptLine& line, const std::function<void()>& act) {
  CGameSession& session = View().Session();
  const Mark before = MarkOf(session);
  bool taken = false;
  steps::Answering(
      [&] {
        act();
        taken = gui::WaitFor([&] { return !(MarkOf(session) == before); }, 5000);
      },
      kTurnDialogs, [this](wxDialog& dialog) {
        Answer(dialog);
        // A failed answer must not leave its modal dialog waiting for ever.
        if (::testing::Test::HasFatalFailure() && dialog.IsModal()) dialog.EndModal(wxID_CANCEL);
        return true;
      });
  ASSERT_TRUE(taken) << "the window did not take line " << line.number;
}

void CMouseScript::RunInput(const ScriptLine& line) {
  CHexsteadView& view = View();
  const std::vector<std::string>& w = line.words;
  const std::string& verb = w[0];
  const int n = line.number;
  if (verb == "tile") {
    const int type = ParseIntIn(w.at(1), 0, 12, n);
    Step(line, [&] { gui::ClickWindow(view.Palette().PictureButton(type)); });
  } else if (verb == "pick") {
    const int32_t location = ParseInt(w.at(1), n);
    Step(line, [&] { Pick(location); });
  } else if (verb == "road") {
    const int edge = MakeEdgeId(ParseIntIn(w.at(1), 0, 51, n), ParseIntIn(w.at(2), 0, 5, n));
    Step(line, [&] { steps::ClickEdge(view, edge); });
  } else if (verb == "select") {
    Step(line, [&] { SeatPlayers(); });
  } else if (verb == "order") {
    std::vector<int> seats;
    for (size_t i = 1; i < w.size(); ++i) seats.push_back(ParseIntIn(w[i], 0, 5, n));
    Step(line, [&] { OrderPlayers(seats); });
  } else if (verb == "cancel") {
    Step(line, [&] { ClickId(view.PlayerOrder(), wxID_CANCEL); });
  } else if (verb == "undo") {
    Step(line, [&] { steps::ClickUndo(view); });
  } else if (verb == "roll") {
    const int total = ParseIntIn(w.at(1), 2, 12, n);
    ASSERT_TRUE(view.TurnPanel().DiceButton(total)->IsShown()) << "the dice pad is not shown";
    Step(line, [&] { gui::ClickWindow(view.TurnPanel().DiceButton(total)); });
  } else if (verb == "continue") {
    Step(line, [&] {
      wxWindow* target = view.TurnPanel().FindWindow(IDC_PANEL_TEXT);
      for (int p = 0; p < 6; ++p) {
        wxWindow* production = view.TurnPanel().ProductionLine(p);
        if (production != nullptr && production->IsShown()) {
          target = production;
          break;
        }
      }
      gui::ClickWindow(target);
    });
  } else if (verb == "build") {
    const PurchaseKind kind = w.at(1) == "road" ? PurchaseRoad : w[1] == "city" ? PurchaseCity : PurchaseSettlement;
    ASSERT_TRUE(view.BuildButton(kind).IsShown()) << "no build button for a " << w[1];
    Step(line, [&] { gui::ClickWindow(&view.BuildButton(kind)); });
  } else if (verb == "endturn" || verb == "buy" || verb == "play" || verb == "trade" || verb == "banktrade") {
    const int command = verb == "endturn" ? IDC_END_TURN
                        : verb == "buy"   ? IDC_BUY_CARD
                        : verb == "play"  ? IDC_PLAY_CARD
                                          : IDC_TRADE;
    ASSERT_TRUE(view.TurnPanel().ActionButton(command)->IsEnabled()) << verb << ": its button is disabled";
    Step(line, [&] { gui::ClickWindow(view.TurnPanel().ActionButton(command)); });
  } else {
    FAIL() << "line " << n << ": no mouse form for '" << verb << "'";
  }
}

void CMouseScript::Pick(int32_t location) {
  CHexsteadView& view = View();
  CGameSession& session = view.Session();
  switch (session.GameStateNow()) {
    case ChipPlacement:
    case PlaceRobber: steps::ClickTile(view, location); break;
    case PlaceCity: steps::ClickCitySite(view, location); break;
    case InitialPlacement:
    case PlaceSettlement: steps::ClickCorner(view, location); break;
    default: ADD_FAILURE() << "a board pick in state " << session.GameStateNow();
  }
}

// --- the player dialogs --------------------------------------------------------

void CMouseScript::SeatPlayers() {
  CPlayerSelectDialog& select = View().PlayerSelection();
  ASSERT_TRUE(gui::WaitFor([&] { return select.IsShown(); }));
  wxListCtrl* list = select.PlayerList();
  for (const Seat& seat : seats_) {
    const long row = list->FindItem(-1, wxString::FromUTF8(seat.last + ", " + seat.first));
    ASSERT_GE(row, 0) << seat.first << " " << seat.last << " is not in the player list";
    wxRect rect;
    ASSERT_TRUE(list->GetItemRect(row, rect));
    gui::Drag(list->ClientToScreen(rect.GetPosition() + wxSize(rect.width / 3, rect.height / 2)),
              Centre(select.Seat(seat.box)));
    ASSERT_TRUE(gui::WaitFor([&] { return !select.Seat(seat.box)->IsEmpty(); }));
  }
  ClickId(select, wxID_OK);
}

void CMouseScript::OrderPlayers(const std::vector<int>& seats) {
  CPlayerOrderDialog& order = View().PlayerOrder();
  ASSERT_TRUE(gui::WaitFor([&] { return order.IsShown(); }));
  // A double-click puts a seated player into the first free place.
  for (int seat : seats) {
    gui::DoubleClickAt(Centre(order.PlayerBox(seat)));
    ASSERT_TRUE(gui::WaitFor([&] { return order.PlayerBox(seat)->IsEmpty(); }));
  }
  ClickId(order, wxID_OK);
}

// --- the dialogs of a turn --------------------------------------------------------

void CMouseScript::Answer(wxDialog& dialog) {
  if (beforeAnswer_) beforeAnswer_(dialog);
  CGameSession& session = View().Session();
  const PendingDecision pending = session.Pending();
  switch (dialog.GetId()) {
    case IDD_PLAY_CARD: AnswerPlayCard(dialog); break;
    case IDD_MONOPOLY: {
      const int resource = ParseResource(line_->words.at(2), line_->number);
      ClickId(dialog, IDC_RADIO_FIRST + resource);
      ClickId(dialog, wxID_OK);
      break;
    }
    case IDD_TRADE: AnswerTrade(dialog); break;
    case IDD_CARD_SELECT: AnswerCardSelect(dialog); break;
    case IDD_BANK_TRADE: {
      const int resource = answers_.BankTrade(pending.bankTrade.wanted, pending.bankTrade.tradeable);
      ClickId(dialog, IDC_RADIO_FIRST + resource);
      ClickId(dialog, wxID_OK);
      break;
    }
    case IDD_GAME_OVER: ClickId(dialog, answers_.Winner(pending.player) ? static_cast<int>(wxID_OK) : static_cast<int>(IDC_GAME_OVER_UNDO)); break;
    case IDD_VICTORY_POINTS: {
      const int points = answers_.Hidden(pending.player, pending.maxPoints);
      ClickId(dialog, IDC_RADIO_FIRST + points);
      ClickId(dialog, wxID_OK);
      break;
    }
    case IDD_MESSAGE:
      if (pending.kind == DecisionKind::VictoryPointCard) {
        ClickId(dialog, answers_.YesNo(pending.caption, pending.text) ? wxID_YES : wxID_NO);
      } else {
        ClickId(dialog, wxID_OK);  // a notice
      }
      break;
    default: break;
  }
}

void CMouseScript::AnswerPlayCard(wxDialog& shown) {
  auto& dialog = static_cast<CPlayCardDialog&>(shown);
  const std::vector<std::string>& w = line_->words;
  static const char* const kKinds[] = {"vp", "monopoly", "roadbuilding", "yop", "soldier"};
  int kind = 0;
  while (kind < 5 && w.at(1) != kKinds[kind]) ++kind;
  ASSERT_LT(kind, 5) << "no card kind " << w[1];
  const int player = kind == VictoryPointCard ? ParseIntIn(w.at(2), 0, 5, line_->number)
                                              : View().Session().CurrentPlayer();
  ASSERT_TRUE(dialog.Players().Button(player)->IsShown()) << "player " << player << " is not offered";
  gui::ClickWindow(dialog.Players().Button(player));
  ASSERT_EQ(dialog.Players().Selected(), player);
  ClickId(dialog, IDC_RADIO_FIRST + kind);
  ClickId(dialog, wxID_OK);
}

void CMouseScript::AnswerTrade(wxDialog& shown) {
  auto& dialog = static_cast<CTradeDialog&>(shown);
  const std::vector<std::string>& w = line_->words;
  const int n = line_->number;
  if (w[0] == "banktrade") {
    const int give = ParseResource(w.at(1), n);
    const int want = ParseResource(w.at(2), n);
    CGameSession& session = View().Session();
    const int32_t had = session.Game().players.at(static_cast<size_t>(session.CurrentPlayer())).hand[want];
    gui::Drag(Centre(dialog.Cards(CTradeDialog::Current).Card(give)), Centre(dialog.BankRow().Card(want)));
    EXPECT_TRUE(gui::WaitFor([&] {
      return session.Game().players.at(static_cast<size_t>(session.CurrentPlayer())).hand[want] == had + 1;
    })) << "the drag of " << w[1] << " onto the bank's " << w[2] << " made no trade";
  } else {
    ASSERT_EQ(w.size(), 14u);
    const int partner = ParseIntIn(w[1], 0, 5, n);
    gui::ClickWindow(dialog.Partners().Button(partner));
    ASSERT_EQ(dialog.Partner(), partner);
    for (int r = 0; r < 5; ++r) {
      ClickCard(dialog.Cards(CTradeDialog::Current).Card(r), ParseInt(w[3 + static_cast<size_t>(r)], n));
      ClickCard(dialog.Cards(CTradeDialog::Other).Card(r), ParseInt(w[9 + static_cast<size_t>(r)], n));
    }
    ASSERT_TRUE(dialog.TradeEnabled());
    ClickId(dialog, wxID_APPLY);
  }
  ClickId(dialog, wxID_OK);  // "&Done"
}

void CMouseScript::AnswerCardSelect(wxDialog& shown) {
  auto& dialog = static_cast<CCardSelectDialog&>(shown);
  CGameSession& session = View().Session();
  bool chosen = true;  // false: the answer is Cancel
  switch (dialog.DialogMode()) {
    case CCardSelectDialog::Mode::YearOfPlenty:
      for (size_t i = 2; i < line_->words.size(); ++i) {
        ClickCard(dialog.Available().Card(ParseResource(line_->words[i], line_->number)), 1);
      }
      break;
    case CCardSelectDialog::Mode::Discards: {
      const std::optional<SeatMatrix> discards = answers_.Discards(session.Pending().discards);
      chosen = discards.has_value();
      for (int p = 0; chosen && p < 6; ++p) {
        const ResourceCounts& lost = (*discards)[static_cast<size_t>(p)];
        if (std::all_of(lost.begin(), lost.end(), [](int32_t c) { return c == 0; })) continue;
        gui::ClickWindow(dialog.Players()->Button(p));
        for (int r = 0; r < 5; ++r) ClickCard(dialog.Available().Card(r), lost[static_cast<size_t>(r)]);
      }
      break;
    }
    case CCardSelectDialog::Mode::Steal: {
      const std::optional<StealChoice> steal = answers_.Steal(session.Pending().steal);
      chosen = steal.has_value();
      if (steal) {
        gui::ClickWindow(dialog.Players()->Button(steal->victim));
        if (steal->resource < 5) ClickCard(dialog.Available().Card(steal->resource), 1);
      }
      break;
    }
  }
  ClickId(dialog, chosen ? wxID_OK : wxID_CANCEL);
}
