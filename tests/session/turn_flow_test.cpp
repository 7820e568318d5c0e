// The turn state machine driven through the session's inputs: initial
// placement, production, sevens, the robber, cards, trades and undo.
#include <algorithm>
#include <filesystem>
#include <numeric>

#include <gtest/gtest.h>

#include "session_test.h"

namespace {

class TurnFlow : public SessionTest {
 protected:
  // The first offered initial corner touching `position`.
  CornerId CornerTouching(int position) {
    for (int32_t id : s.PickableIds()) {
      for (const PieceCorner& c : s.Board().CornerFormsOnBoard(IdPosition(id), IdIndex(id)))
        if (c.position == position) return id;
    }
    return -1;
  }

  // Settlements touching the given positions in snake order, each with its first road.
  void PlaceInitialPieces(const std::vector<int>& positions) {
    for (int position : positions) {
      CornerId corner = CornerTouching(position);
      ASSERT_GE(corner, 0) << "no corner free at " << position;
      ASSERT_TRUE(s.Pick(corner));
      h.PlaceFirstOffered();
    }
  }

  void StandardGame(bool track) {
    h.StartGame(3, track);
    PlaceInitialPieces({8, 12, 16, 4, 10, 14});
    ASSERT_EQ(s.GameStateNow(), Turn);
  }

  // A total that no land piece carries produces nothing.
  int32_t ChipOf(int position) { return s.Board().Piece(position).chip; }
};

TEST_F(TurnFlow, InitialPlacementRunsInSnakeOrderAndPaysOnlyTheSecondSettlements) {
  h.StartGame(3, true);
  std::vector<int32_t> order;
  const int positions[] = {8, 12, 16, 4, 10, 14};
  for (int i = 0; i < 6; ++i) {
    order.push_back(s.CurrentPlayer());
    EXPECT_EQ(s.Prompt(), "Place a settlement for " + s.PlayerName(s.CurrentPlayer()) + ".");
    int32_t before = CardTotal(Seat(s.CurrentPlayer()).hand);
    ASSERT_TRUE(s.Pick(CornerTouching(positions[i])));
    EXPECT_EQ(s.Prompt(), "Place a road for " + s.PlayerName(s.CurrentPlayer()) + ".");
    int32_t gained = CardTotal(Seat(s.CurrentPlayer()).hand) - before;
    if (i < 3) EXPECT_EQ(gained, 0);
    else EXPECT_GT(gained, 0);
    h.PlaceFirstOffered();
  }
  EXPECT_EQ(order, (std::vector<int32_t>{0, 1, 2, 2, 1, 0}));
  EXPECT_EQ(s.GameStateNow(), Turn);
  EXPECT_EQ(s.CurrentPlayer(), 0);
  EXPECT_EQ(s.Prompt(), "Roll for Ann Lee.");
  EXPECT_TRUE(s.TurnPanel().dicePadShown);
  for (int p = 0; p < 3; ++p) {
    EXPECT_EQ(Seat(p).victoryPoints, 2);
    EXPECT_EQ(Seat(p).roadsLeft, 13);
    EXPECT_EQ(Seat(p).settlementsLeft, 3);
  }
  // Undo of the last road: player 0 places that road again.
  ASSERT_TRUE(s.UndoLast());
  EXPECT_EQ(s.GameStateNow(), InitialPlacement);
  EXPECT_EQ(s.CurrentPlayer(), 0);
  EXPECT_FALSE(s.Fields().placingSettlement);
  EXPECT_EQ(Seat(0).roadsLeft, 14);
  EXPECT_EQ(s.Prompt(), "Place a road for Ann Lee.");
}

TEST_F(TurnFlow, ClicksOutsideTheOfferedSitesAreIgnored) {
  StandardGame(false);
  RollAndContinue(ChipOf(0));
  ASSERT_TRUE(s.OnBuild(PurchaseSettlement) || s.OnBuild(PurchaseCity));
  SessionSnapshot before = SessionSnapshot::Of(s);
  // Any corner on the board that is not offered: a corner next to an existing settlement.
  int32_t taken = -1;
  for (const CBoardPiece& p : s.Board().Pieces())
    for (int k = 0; k < 6 && taken < 0; ++k)
      if (p.building[k] != 0 && p.position < s.Board().LandCount()) taken = MakeCornerId(p.position, Wrap6(k + 1));
  EXPECT_FALSE(s.Pick(taken));
  EXPECT_FALSE(s.Pick(CitySiteCodeOf(0, 0)));
  EXPECT_FALSE(s.Pick(99999999));
  EXPECT_TRUE(SessionSnapshot::Of(s) == before);
}

TEST_F(TurnFlow, UndoOnAnEmptyStackDoesNothing) {
  s.NewGame(3, true, false);
  SessionSnapshot before = SessionSnapshot::Of(s);
  EXPECT_FALSE(s.UndoLast());
  EXPECT_TRUE(SessionSnapshot::Of(s) == before);
  EXPECT_FALSE(s.Fields().undoButtonEnabled);
}

TEST_F(TurnFlow, ProductionPaysSettlementsOnceCitiesTwiceAndTheRobberWithholds) {
  StandardGame(true);
  int32_t chip = ChipOf(8);
  std::vector<ResourceCounts> before;
  for (int p = 0; p < 3; ++p) before.push_back(Seat(p).hand);
  ASSERT_TRUE(s.OnRoll(chip));
  EXPECT_EQ(s.GameStateNow(), GoodsReceived);
  EXPECT_EQ(s.Prompt(), "Goods received on a " + std::to_string(chip) + ". (Click to continue)");
  EXPECT_FALSE(s.TurnPanel().playCardEnabled);
  for (int p = 0; p < 3; ++p) {
    ResourceCounts expected = before[p];
    for (int b = 0; b < s.Board().LandCount(); ++b) {
      if (s.Board().Piece(b).chip != chip) continue;
      int r = Index(s.Board().Type(b));
      expected[r] += Seat(p).settlementsAt[b] + 2 * Seat(p).citiesAt[b];
    }
    EXPECT_EQ(Seat(p).hand, expected) << "player " << p;
  }
  ASSERT_TRUE(s.OnContinue());
  EXPECT_EQ(s.Prompt(), "Ann Lee 's turn.");
  ASSERT_TRUE(s.OnEndTurn());

  // Bob rolls 7 and puts the robber on 8; nobody there has to lose cards yet.
  ui.stealAnswers.push_back(StealChoice{0, 5});
  ASSERT_TRUE(s.OnRoll(7));
  EXPECT_EQ(s.GameStateNow(), PlaceRobber);
  EXPECT_EQ(s.Prompt(), "Choose a location for the robber.");
  EXPECT_FALSE(s.Pick(s.Board().robberTile));  // the robber must move
  ASSERT_TRUE(s.Pick(8));
  EXPECT_EQ(s.Prompt(), "Bob Lee 's turn.");
  ASSERT_TRUE(s.OnEndTurn());
  ResourceCounts held = Seat(0).hand;
  ASSERT_TRUE(s.OnRoll(chip));
  int r = Index(s.Board().Type(8));
  EXPECT_EQ(Seat(0).hand[r], held[r] + (s.Board().Piece(8).chip == chip ? 0 : 0));
  EXPECT_EQ(Seat(0).lostToRobber[1][r], Seat(0).settlementsAt[8]);
}

TEST_F(TurnFlow, SevenWithTooManyCardsAsksForDiscardsAndCancelDropsTheRoll) {
  StandardGame(true);
  // Roll Ann's ore chip until she holds more than seven cards.
  for (int turn = 0; CardTotal(Seat(0).hand) <= 7 && turn < 60; ++turn) {
    RollAndContinue(ChipOf(8));
    ASSERT_TRUE(s.OnEndTurn());
  }
  while (s.CurrentPlayer() != 0) {
    RollAndContinue(ChipOf(8));
    ASSERT_TRUE(s.OnEndTurn());
  }
  int32_t cards = CardTotal(Seat(0).hand);
  ASSERT_GT(cards, 7);
  std::size_t rolls = s.Game().rolls.size();
  ui.discardAnswers.push_back(std::nullopt);
  EXPECT_FALSE(s.OnRoll(7));
  EXPECT_EQ(ui.discardDialogs, 1);
  EXPECT_EQ(s.Game().rolls.size(), rolls);
  EXPECT_TRUE(s.TurnPanel().dicePadShown);
  EXPECT_EQ(s.Prompt(), "Roll for Ann Lee.");

  DiscardOffer offer = s.DiscardRequirements();
  EXPECT_EQ(offer.required[0], cards / 2);
  SeatMatrix discards{};
  ResourceCounts hand = Seat(0).hand;
  for (int n = 0, r = 0; n < cards / 2; ++n) {
    while (hand[r] == 0) ++r;
    --hand[r];
    ++discards[0][r];
  }
  for (int p = 1; p < 3; ++p) ASSERT_EQ(offer.required[p], 0);
  ResourceCounts bank = s.Bank();
  ui.discardAnswers.push_back(discards);
  ASSERT_TRUE(s.OnRoll(7));
  EXPECT_EQ(CardTotal(Seat(0).hand), cards - cards / 2);
  EXPECT_EQ(CardTotal(s.Bank()), CardTotal(bank) + cards / 2);
  EXPECT_EQ(CardTotal(Seat(0).lostOnSeven), cards / 2);
  EXPECT_EQ(s.History().Log().Items().back().text.find("Ann Lee lost"), 0u);
  // One Undo takes back the discards and the roll together.
  ASSERT_TRUE(s.UndoLast());
  EXPECT_EQ(CardTotal(Seat(0).hand), cards);
  EXPECT_EQ(s.Game().rolls.size(), rolls);
}

TEST_F(TurnFlow, SoldierBeforeTheRollBringsTheDicePadBackAndLargestArmyMoves) {
  StandardGame(false);
  auto buyCards = [&](int n) {
    for (int i = 0; i < n; ++i) ASSERT_TRUE(s.OnBuyCard());
  };
  auto soldierTurn = [&](int robberAt) {
    ASSERT_TRUE(s.PlaySoldier());
    EXPECT_EQ(s.GameStateNow(), PlaceRobber);
    ASSERT_TRUE(s.Pick(robberAt));
    EXPECT_EQ(s.Prompt(), "Roll for " + s.PlayerName(s.CurrentPlayer()) + ".");
    EXPECT_TRUE(s.TurnPanel().dicePadShown);
  };
  // Everybody buys four cards in the first round.
  for (int p = 0; p < 3; ++p) {
    RollAndContinue(2);
    // A card bought this turn cannot be played yet except as a point.
    buyCards(4);
    EXPECT_FALSE(s.PlayCardOfferFor(s.CurrentPlayer()).kinds[SoldierCard]);
    ASSERT_TRUE(s.OnEndTurn());
  }
  int robber[] = {1, 2};
  for (int round = 0; round < 4; ++round) {
    for (int p = 0; p < 3; ++p) {
      bool plays = p == 0 ? round < 3 : p == 1;
      if (plays) soldierTurn(robber[(round * 3 + p) % 2] == s.Board().robberTile ? 3 : robber[(round * 3 + p) % 2]);
      if (p == 0 && round == 2) {
        EXPECT_EQ(Seat(0).hasLargestArmy, 1);
      }
      if (p == 1 && round == 2) {
        EXPECT_EQ(Seat(1).hasLargestArmy, 0);  // a tie stays with the holder
      }
      if (p == 1 && round == 3) {
        EXPECT_EQ(Seat(1).hasLargestArmy, 1);
        EXPECT_EQ(Seat(0).hasLargestArmy, 0);
        EXPECT_EQ(s.History().Log().Items().back().text, "Placed the robber.");
        int32_t points0 = Seat(0).victoryPoints, points1 = Seat(1).victoryPoints;
        ASSERT_TRUE(s.UndoLast());  // the robber
        ASSERT_TRUE(s.UndoLast());  // the soldier: the army goes back
        EXPECT_EQ(Seat(0).hasLargestArmy, 1);
        EXPECT_EQ(Seat(1).hasLargestArmy, 0);
        EXPECT_EQ(Seat(0).victoryPoints, points0 + 2);
        EXPECT_EQ(Seat(1).victoryPoints, points1 - 2);
        return;
      }
      RollAndContinue(2);
      ASSERT_TRUE(s.OnEndTurn());
    }
  }
}

TEST_F(TurnFlow, UndoOfAStealOffersTheStealAgainAndACancelTakesTheRobberBack) {
  StandardGame(true);
  // Ann rolls a 7 and robs a neighbour of a piece that an opponent holding cards touches.
  int target = -1, victim = -1;
  for (int b = 0; b < s.Board().LandCount() && target < 0; ++b) {
    if (b == s.Board().robberTile) continue;
    for (BuildingCode code : s.Board().Piece(b).building)
      if (code != 0 && BuildingOwner(code) != 0 && CardTotal(Seat(BuildingOwner(code)).hand) > 0) {
        target = b;
        victim = BuildingOwner(code);
      }
  }
  ASSERT_GE(target, 0);
  int card = 0;
  while (Seat(victim).hand[card] == 0) ++card;
  ASSERT_TRUE(s.OnRoll(7));
  ui.stealAnswers.push_back(StealChoice{victim, card});
  ASSERT_TRUE(s.Pick(target));
  EXPECT_EQ(Seat(0).stolenFrom[victim][card], 1);
  EXPECT_EQ(Seat(victim).stolenBy[0][card], 1);
  std::string stoleText = "Stole 1 ";
  EXPECT_EQ(s.History().Log().Items().back().text.rfind(stoleText, 0), 0u);
  // Undo, then choose "no card" in the renewed dialog: the undo stops there.
  ui.stealAnswers.push_back(StealChoice{victim, 5});
  ASSERT_TRUE(s.UndoLast());
  EXPECT_EQ(Seat(0).stolenFrom[victim][card], 0);
  EXPECT_EQ(s.History().Log().Items().back().text, "Chose to not steal a card.");
  EXPECT_EQ(s.GameStateNow(), Turn);
  // Undo again and cancel: the robber goes back and waits for a new place.
  ui.stealAnswers.push_back(std::nullopt);
  ASSERT_TRUE(s.UndoLast());
  EXPECT_EQ(s.GameStateNow(), PlaceRobber);
  EXPECT_NE(s.Board().robberTile, target);
  EXPECT_EQ(s.Prompt(), "Choose a location for the robber.");
  // Cancelling the steal dialog at the robber's new place takes the robber back too.
  ui.stealAnswers.push_back(std::nullopt);
  EXPECT_FALSE(s.Pick(target));
  EXPECT_EQ(s.GameStateNow(), PlaceRobber);
}

}  // namespace
