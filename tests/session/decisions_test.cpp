// Decisions the session waits for: while one is pending nothing else is
// taken, its answer resumes the step, and Undo never opens one except the
// steal it takes back.
#include <numeric>

#include <gtest/gtest.h>

#include "session_test.h"

namespace {

class Decisions : public SessionTest {
 protected:
  // The session's own inputs (hiding the answered ones): nothing answers its
  // decisions but the test.
  CGameSession& s = h.session;

  // While a decision is pending, Undo, clicks and the turn's inputs are
  // refused and change nothing.
  void ExpectEverythingElseRefused() {
    SessionSnapshot before = SessionSnapshot::Of(s);
    EXPECT_FALSE(s.CanUndo());
    EXPECT_FALSE(s.Fields().undoButtonEnabled);
    EXPECT_FALSE(s.UndoLast());
    for (int b = 0; b < s.Board().LandCount(); ++b) EXPECT_FALSE(s.Pick(b));
    for (int32_t id : s.PickableIds()) EXPECT_FALSE(s.Pick(id));
    for (int t = 2; t <= 12; ++t) EXPECT_FALSE(s.OnRoll(t));
    EXPECT_FALSE(s.OnContinue());
    EXPECT_FALSE(s.OnEndTurn());
    EXPECT_FALSE(s.OnBuyCard());
    EXPECT_FALSE(s.OnBuild(PurchaseRoad));
    EXPECT_FALSE(s.PlaySoldier());
    EXPECT_FALSE(s.PlayVictoryPoint(s.CurrentPlayer()));
    EXPECT_FALSE(s.TradeWithBank(0, 1));
    EXPECT_TRUE(SessionSnapshot::Of(s) == before) << SessionSnapshot::Of(s).Differences(before);
  }
  // Rolls the players' own numbers until at least two of them must discard
  // on a 7, and it is the turn of a player who has rolled nothing yet.
  void RollUntilTwoMustDiscard() {
    std::vector<int32_t> chips;
    for (int b = 0; b < s.Board().LandCount(); ++b)
      if (s.Board().Piece(b).chip > 0 && s.Board().Piece(b).chip != 7) chips.push_back(s.Board().Piece(b).chip);
    for (int turn = 0; turn < 400; ++turn) {
      int must = 0;
      for (int32_t n : s.DiscardRequirements().required) must += n > 0;
      if (must >= 2) return;
      RollAndContinue(chips[turn % chips.size()]);
      ASSERT_TRUE(s.OnEndTurn());
    }
    FAIL() << "nobody collected enough cards";
  }
};

TEST_F(Decisions, SevenDiscardsRobberAndStealAreTakenBackByUndoCancelUndo) {
  StartPlaying(true);
  RollUntilTwoMustDiscard();
  const int32_t cp = s.CurrentPlayer();
  const std::size_t rolls = s.Game().rolls.size();
  const std::size_t entries = s.History().Log().Items().size();
  const ResourceCounts bankBefore = s.Bank();
  std::vector<ResourceCounts> hands;
  for (int p = 0; p < 3; ++p) hands.push_back(Seat(p).hand);

  // The 7 waits for the discards: nothing of it is recorded or shown yet.
  ASSERT_TRUE(s.OnRoll(7));
  ASSERT_EQ(s.Pending().kind, DecisionKind::Discards);
  EXPECT_TRUE(s.Pending().Cancellable());
  EXPECT_EQ(s.Game().rolls.size(), rolls);
  EXPECT_EQ(s.History().Log().Items().size(), entries);
  EXPECT_TRUE(s.TurnPanel().dicePadShown);
  ExpectEverythingElseRefused();
  // A discard of the wrong size is refused and the decision stays.
  EXPECT_FALSE(s.AnswerDiscards(SeatMatrix{}));
  EXPECT_EQ(s.Pending().kind, DecisionKind::Discards);
  SeatMatrix lost{};
  const DiscardOffer offer = s.Pending().discards;
  for (int p = 0; p < 3; ++p) {
    ResourceCounts hand = Seat(p).hand;
    for (int n = 0, r = 0; n < offer.required[p]; ++n) {
      while (hand[r] == 0) ++r;
      --hand[r];
      ++lost[p][r];
    }
  }
  ASSERT_TRUE(s.AnswerDiscards(lost));
  EXPECT_EQ(s.Pending().kind, DecisionKind::None);
  EXPECT_EQ(s.GameStateNow(), PlaceRobber);
  EXPECT_EQ(s.Game().rolls.size(), rolls + 1);

  // The robber goes where an opponent with cards has a building.
  int target = -1, victim = -1;
  for (int b = 0; b < s.Board().LandCount() && target < 0; ++b) {
    if (b == s.Board().robberTile) continue;
    for (BuildingCode code : s.Board().Piece(b).building)
      if (code != 0 && BuildingOwner(code) != cp && CardTotal(Seat(BuildingOwner(code)).hand) > 0) {
        target = b;
        victim = BuildingOwner(code);
      }
  }
  ASSERT_GE(target, 0);
  const int robberBefore = s.Board().robberTile;
  ASSERT_TRUE(s.Pick(target));
  ASSERT_EQ(s.Pending().kind, DecisionKind::Steal);
  EXPECT_TRUE(s.Pending().steal.candidates[victim]);
  ExpectEverythingElseRefused();
  int card = 0;
  while (Seat(victim).hand[card] == 0) ++card;
  EXPECT_FALSE(s.AnswerSteal(StealChoice{cp, card}));  // not a candidate
  ASSERT_TRUE(s.AnswerSteal(StealChoice{victim, card}));
  const ResourceCounts victimAfterDiscard = Seat(victim).hand;

  // Undo: the card returns and the steal is pending again.
  ASSERT_TRUE(s.UndoLast());
  ASSERT_EQ(s.Pending().kind, DecisionKind::Steal);
  EXPECT_EQ(Seat(victim).hand[card], victimAfterDiscard[card] + 1);
  EXPECT_EQ(s.History().Log().Items().back().text, "Placed the robber.");
  EXPECT_EQ(s.Board().robberTile, target);
  ExpectEverythingElseRefused();
  // Cancel: the robber returns, and robber placement starts again.
  ASSERT_TRUE(s.CancelDecision());
  EXPECT_EQ(s.Pending().kind, DecisionKind::None);
  EXPECT_EQ(s.GameStateNow(), PlaceRobber);
  EXPECT_EQ(s.Board().robberTile, robberBefore);
  EXPECT_EQ(s.Prompt(), "Choose a location for the robber.");
  // Undo: both discards and the roll in one step, back to the dice pad.
  ASSERT_TRUE(s.UndoLast());
  EXPECT_EQ(s.Pending().kind, DecisionKind::None);
  EXPECT_EQ(s.Game().rolls.size(), rolls);
  EXPECT_EQ(s.History().Log().Items().size(), entries);
  EXPECT_EQ(s.Bank(), bankBefore);
  for (int p = 0; p < 3; ++p) EXPECT_EQ(Seat(p).hand, hands[p]) << "player " << p;
  EXPECT_TRUE(s.TurnPanel().dicePadShown);
  EXPECT_EQ(s.Prompt(), "Roll for " + s.PlayerName(cp) + ".");

  // Cancelled discards leave no trace at all.
  SessionSnapshot before = SessionSnapshot::Of(s);
  ASSERT_TRUE(s.OnRoll(7));
  ASSERT_TRUE(s.CancelDecision());
  EXPECT_FALSE(s.CancelDecision());  // nothing is pending any more
  EXPECT_TRUE(SessionSnapshot::Of(s) == before) << SessionSnapshot::Of(s).Differences(before);
}

TEST_F(Decisions, TheWinnerIsConfirmedOrTakenBackFromThePendingDecision) {
  StartPlaying(false);
  RollAndContinue(2);
  for (int i = 0; i < 9; ++i) ASSERT_TRUE(s.OnBuyCard());
  ASSERT_TRUE(s.OnEndTurn());
  RollAndContinue(2);
  ASSERT_TRUE(s.OnBuyCard());  // Bob holds a card of this turn
  ASSERT_TRUE(s.OnEndTurn());
  RollAndContinue(2);
  ASSERT_TRUE(s.OnEndTurn());
  RollAndContinue(2);
  ASSERT_TRUE(s.OnBuyCard());  // Ann: 9 from earlier turns, 1 from this one
  // Which card was played is asked when both kinds are held.
  ASSERT_TRUE(s.PlayVictoryPoint(0));
  ASSERT_EQ(s.Pending().kind, DecisionKind::VictoryPointCard);
  EXPECT_EQ(s.Pending().caption, "Victory Point");
  EXPECT_EQ(s.Pending().text, "Did Ann Lee receive this victory point card on this turn?");
  EXPECT_FALSE(s.Pending().Cancellable());
  EXPECT_FALSE(s.CancelDecision());
  ExpectEverythingElseRefused();
  ASSERT_TRUE(s.AnswerVictoryPointCard(true));
  EXPECT_EQ(Seat(0).cardsBoughtThisTurn, 0);
  for (int i = 0; i < 6; ++i) ASSERT_TRUE(s.PlayVictoryPoint(0));  // no question: only earlier cards left
  ASSERT_EQ(Seat(0).victoryPoints, 9);

  // The tenth point: the winner's Undo takes the card back and nothing else.
  SessionSnapshot before = SessionSnapshot::Of(s);
  ASSERT_TRUE(s.PlayVictoryPoint(0));
  ASSERT_EQ(s.Pending().kind, DecisionKind::Winner);
  EXPECT_EQ(s.Pending().player, 0);
  ExpectEverythingElseRefused();
  ASSERT_TRUE(s.AnswerWinner(false));
  EXPECT_EQ(s.Pending().kind, DecisionKind::None);
  EXPECT_TRUE(SessionSnapshot::Of(s) == before) << SessionSnapshot::Of(s).Differences(before);

  // Continue: the hidden points of every player holding cards are asked in
  // turn, then the game ends and is stored; a failed store is a notice.
  h.services.store.failure = "disk full";
  ASSERT_TRUE(s.PlayVictoryPoint(0));
  ASSERT_TRUE(s.AnswerWinner(true));
  ASSERT_EQ(s.Pending().kind, DecisionKind::HiddenPoints);
  EXPECT_EQ(s.Pending().player, 0);
  EXPECT_EQ(s.Pending().maxPoints, 2);
  EXPECT_FALSE(s.AnswerHiddenPoints(3));  // more than the cards held
  EXPECT_FALSE(s.AnswerHiddenPoints(-1));
  ExpectEverythingElseRefused();
  ASSERT_TRUE(s.AnswerHiddenPoints(2));
  ASSERT_EQ(s.Pending().kind, DecisionKind::HiddenPoints);
  EXPECT_EQ(s.Pending().player, 1);
  EXPECT_EQ(s.GameStateNow(), Turn);  // not over until the last answer
  ASSERT_TRUE(s.AnswerHiddenPoints(0));
  EXPECT_EQ(s.Pending().kind, DecisionKind::None);
  EXPECT_EQ(s.GameStateNow(), GameOver);
  EXPECT_EQ(Seat(0).victoryPoints, 12);
  EXPECT_EQ(s.History().Log().Items().back().text, "Bob Lee wasted 0 victory points.");
  std::vector<SessionNotice> notices = s.TakeNotices();
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].caption, "Hexstead3D");
  EXPECT_EQ(notices[0].text, "The game could not be stored: disk full");
  EXPECT_TRUE(s.TakeNotices().empty());
  EXPECT_FALSE(s.UndoLast());
}

TEST_F(Decisions, AnUndoOverSeveralNodesOpensNothing) {
  StartPlaying(true);
  // A card bought with a bank trade: its Undo runs on into the trade.
  ASSERT_TRUE(h.RollUntilACardNeedsABankTrade());
  SessionSnapshot before = SessionSnapshot::Of(s);
  ASSERT_TRUE(s.OnBuyCard());
  // Answer every question of the trade with the first resource offered.
  while (s.Pending().kind == DecisionKind::BankTradeResource) {
    BankTradeQuestion q = s.Pending().bankTrade;
    int32_t notTradeable = 0;
    while (notTradeable < 5 && q.tradeable[notTradeable]) ++notTradeable;
    if (notTradeable < 5) {
      EXPECT_FALSE(s.AnswerBankTradeResource(notTradeable));
    }
    int32_t r = 0;
    while (!q.tradeable[r]) ++r;
    ASSERT_TRUE(s.AnswerBankTradeResource(r));
  }
  ASSERT_EQ(s.Pending().kind, DecisionKind::None);
  EXPECT_EQ(Seat(0).cardsBoughtThisTurn, 1);
  std::vector<SessionNotice> notices = s.TakeNotices();
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].caption, "Trade to the bank");
  EXPECT_EQ(notices[0].text.rfind("Traded ", 0), 0u);
  ASSERT_TRUE(s.UndoLast());
  EXPECT_EQ(s.Pending().kind, DecisionKind::None);
  EXPECT_TRUE(SessionSnapshot::Of(s) == before) << SessionSnapshot::Of(s).Differences(before);
}

}  // namespace
