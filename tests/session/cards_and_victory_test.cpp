// Development cards bought with bank trades, the end of the game and the
// history texts.
#include <filesystem>
#include <fstream>
#include <numeric>

#include <gtest/gtest.h>

#include "session_test.h"

namespace {

class CardsAndVictory : public SessionTest {};

TEST_F(CardsAndVictory, ACardBoughtWithABankTradeIsTakenBackByOneUndoAndNothingOlder) {
  StartPlaying(true);
  ASSERT_TRUE(h.RollUntilACardNeedsABankTrade());
  SessionSnapshot beforeBuy = SessionSnapshot::Of(s);
  ASSERT_TRUE(s.OnBuyCard());
  ASSERT_FALSE(ui.messages.empty());
  EXPECT_EQ(ui.messages.back().rfind("Trade to the bank: Traded", 0), 0u);
  EXPECT_EQ(Seat(0).cardsBoughtThisTurn, 1);
  EXPECT_EQ(s.History().Log().Items().back().text, "Bought a development card.");
  ASSERT_TRUE(s.UndoLast());
  EXPECT_TRUE(SessionSnapshot::Of(s) == beforeBuy) << SessionSnapshot::Of(s).Differences(beforeBuy);
  // The next Undo takes back the Continue before the purchase, and only that.
  ASSERT_TRUE(s.UndoLast());
  EXPECT_EQ(s.GameStateNow(), GoodsReceived);
}

TEST_F(CardsAndVictory, TheWinnerIsConfirmedHiddenPointsCountedAndTheGameStored) {
  namespace fs = std::filesystem;
  fs::path dir = fs::temp_directory_path() / ("h3d_session_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  h.services.store.dataDir = dir.string();
  StartPlaying(false);
  // Ann buys nine cards; Bob buys two and keeps them.
  RollAndContinue(2);
  for (int i = 0; i < 9; ++i) ASSERT_TRUE(s.OnBuyCard());
  ASSERT_TRUE(s.OnEndTurn());
  RollAndContinue(2);
  ASSERT_TRUE(s.OnBuyCard());
  ASSERT_TRUE(s.OnBuyCard());
  ASSERT_TRUE(s.OnEndTurn());
  RollAndContinue(2);
  ASSERT_TRUE(s.OnEndTurn());
  ASSERT_EQ(s.CurrentPlayer(), 0);
  RollAndContinue(2);
  ASSERT_TRUE(s.OnBuyCard());  // Ann now holds 9 from earlier and 1 from this turn
  for (int i = 0; i < 7; ++i) {
    ui.yesNoAnswers.push_back(false);
    ASSERT_TRUE(s.PlayVictoryPoint(0));
  }
  EXPECT_EQ(Seat(0).victoryPoints, 9);
  EXPECT_EQ(ui.winnerDialogs, 0);
  // The winner dialog's Undo takes the revealed card back.
  ui.yesNoAnswers.push_back(false);
  ui.winnerAnswers.push_back(false);
  ASSERT_TRUE(s.PlayVictoryPoint(0));
  EXPECT_EQ(ui.winnerDialogs, 1);
  EXPECT_EQ(Seat(0).victoryPoints, 9);
  EXPECT_EQ(Seat(0).cardsHeld, 2);
  EXPECT_EQ(s.GameStateNow(), Turn);

  ui.yesNoAnswers.push_back(false);
  ui.winnerAnswers.push_back(true);
  ui.hiddenAnswers = {2, 1};  // Ann: 2 of her 2 unplayed cards; Bob: 1 of 2
  ASSERT_TRUE(s.PlayVictoryPoint(0));
  EXPECT_EQ(s.GameStateNow(), GameOver);
  EXPECT_EQ(s.Prompt(), "This game has ended.");
  EXPECT_EQ(Seat(0).victoryPoints, 12);
  // The winner's cards go from this turn first, then from earlier turns.
  EXPECT_EQ(Seat(0).cardsBoughtThisTurn, 0);
  EXPECT_EQ(Seat(0).cardsHeld, 0);
  EXPECT_EQ(Seat(1).cardsHeld, 1);
  EXPECT_EQ(Seat(1).victoryPoints, 3);
  const auto& items = s.History().Log().Items();
  EXPECT_EQ(items[items.size() - 2].text, "Ann Lee won the game!");
  EXPECT_EQ(items.back().text, "Bob Lee wasted 1 victory point.");
  EXPECT_EQ(Seat(0).turnSeconds.size(), 2u);
  EXPECT_FALSE(s.CanUndo());
  EXPECT_FALSE(s.UndoLast());
  EXPECT_FALSE(s.OnEndTurn());

  ASSERT_TRUE(fs::exists(dir / "game.db"));
  ASSERT_EQ(fs::file_size(dir / "keys.db"), 4u);
  std::ifstream keys(dir / "keys.db", std::ios::binary);
  char offset[4];
  keys.read(offset, 4);
  EXPECT_EQ(std::string(offset, 4), std::string(4, '\0'));
  std::ifstream record(dir / "game.db", std::ios::binary);
  char version[4];
  record.read(version, 4);
  EXPECT_EQ(std::string(version, 4), std::string("\x00\x00\x80\x3f", 4));
  fs::remove_all(dir);
}

TEST_F(CardsAndVictory, UndoOfEndTurnRestoresTenOrMoreCardsBoughtInTheTurn) {
  StartPlaying(false);
  RollAndContinue(2);
  for (int i = 0; i < 12; ++i) ASSERT_TRUE(s.OnBuyCard());
  CClock::Advance(95);
  ASSERT_TRUE(s.OnEndTurn());
  EXPECT_EQ(Seat(0).cardsHeld, 12);
  EXPECT_EQ(Seat(0).turnSeconds, (std::vector<int32_t>{95}));
  EXPECT_EQ(s.Prompt(), "Roll for Bob Lee.");
  CClock::Advance(30);
  ASSERT_TRUE(s.UndoLast());
  EXPECT_EQ(Seat(0).cardsBoughtThisTurn, 12);
  EXPECT_EQ(Seat(0).cardsHeld, 0);
  EXPECT_TRUE(Seat(0).turnSeconds.empty());
  EXPECT_EQ(s.Prompt(), "Ann Lee 's turn.");
  // The resumed turn goes on from its length at End Turn.
  CClock::Advance(5);
  ASSERT_TRUE(s.OnEndTurn());
  EXPECT_EQ(Seat(0).turnSeconds, (std::vector<int32_t>{100}));
}

TEST_F(CardsAndVictory, TheWinnersUndoTakesTheWinningSettlementBackWithoutTrace) {
  StartPlaying(false);
  RollAndContinue(2);
  for (int i = 0; i < 7; ++i) ASSERT_TRUE(s.OnBuyCard());
  for (int i = 0; i < 7; ++i) ASSERT_TRUE(s.PlayVictoryPoint(0));
  ASSERT_EQ(Seat(0).victoryPoints, 9);
  // Roads until a settlement site opens up.
  for (int i = 0; i < 12 && s.Fields().settlementOptions.empty(); ++i) {
    ASSERT_TRUE(s.OnBuild(PurchaseRoad));
    std::vector<int32_t> edges = s.PickableIds();
    int32_t edge = edges[(i * 7) % edges.size()];
    ASSERT_TRUE(s.PickRoadSide(IdPosition(edge), IdIndex(edge)));
  }
  ASSERT_FALSE(s.Fields().settlementOptions.empty());
  ASSERT_TRUE(s.OnBuild(PurchaseSettlement));
  SessionSnapshot before = SessionSnapshot::Of(s);
  ui.winnerAnswers.push_back(false);
  int32_t corner = s.PickableIds().front();
  s.Pick(corner);
  EXPECT_EQ(ui.winnerDialogs, 1);
  EXPECT_TRUE(SessionSnapshot::Of(s) == before) << SessionSnapshot::Of(s).Differences(before);
  EXPECT_EQ(s.GameStateNow(), PlaceSettlement);
  EXPECT_EQ(s.Board().Building(corner), kNoBuilding);
}

TEST_F(CardsAndVictory, HistoryTextsAndTurnGroups) {
  StartPlaying(true);
  const auto& items = s.History().Log().Items();
  EXPECT_EQ(items[0].text, "Board Setup");
  EXPECT_EQ(items[0].picture, 13);
  EXPECT_EQ(items[1].text, "Placed a timber.");
  EXPECT_EQ(items[1].picture, 0);
  auto has = [&](const std::string& text) {
    return std::any_of(items.begin(), items.end(), [&](const CHistoryItem& i) { return i.text == text; });
  };
  EXPECT_TRUE(has("Placed an ore."));
  EXPECT_TRUE(has("Placed the first chip."));
  EXPECT_TRUE(has("Placed the second chip."));
  EXPECT_TRUE(has("Selected 3 players."));
  EXPECT_TRUE(has("Sorted 3 players."));
  EXPECT_TRUE(has("Placed a settlement for Ann Lee"));
  std::size_t before = items.size();
  ASSERT_TRUE(s.OnRoll(8));
  EXPECT_EQ(items[before].text, "Turn 1 - Ann Lee");
  EXPECT_EQ(items[before].picture, 38);  // white
  EXPECT_EQ(items.back().text, "Rolled an 8.");
  ASSERT_TRUE(s.UndoLast());
  EXPECT_EQ(items.size(), before);
  ASSERT_TRUE(s.OnRoll(11));
  EXPECT_EQ(items[before].text, "Turn 1 - Ann Lee");
  EXPECT_EQ(items.back().text, "Rolled an 11.");
  ASSERT_TRUE(s.OnContinue());
  ASSERT_TRUE(s.OnEndTurn());
  ASSERT_TRUE(s.OnRoll(4));
  EXPECT_EQ(items[items.size() - 2].text, "Turn 2 - Bob Lee");
  EXPECT_EQ(items.back().text, "Rolled a 4.");
  EXPECT_EQ(items[items.size() - 2].picture, 42);  // red
}

// A trade before the roll goes into the last turn's group; taking it back must
// leave the next turn's group still due, or the next roll would join the
// previous player's turn.
TEST_F(CardsAndVictory, UndoneTradeBeforeTheRollKeepsTheNewTurnDue) {
  StartPlaying(false);
  RollAndContinue(2);
  ASSERT_TRUE(s.OnEndTurn());
  const auto& items = s.History().Log().Items();
  ASSERT_TRUE(s.TradeWithPlayer(2, {1, 0, 0, 0, 0}, {0, 1, 0, 0, 0}));
  EXPECT_EQ(items.back().text, "Traded 1 timber to " + s.PlayerName(2) + " for 1 wheat.");
  EXPECT_EQ(items[s.History().Log().LastGroup()].text, "Turn 1 - Ann Lee");
  ASSERT_TRUE(s.UndoLast());
  EXPECT_TRUE(s.History().NewTurnDue());
  ASSERT_TRUE(s.OnRoll(4));
  EXPECT_EQ(items[items.size() - 2].text, "Turn 2 - Bob Lee");
  EXPECT_EQ(s.History().TurnCount(), 2);
}

TEST_F(CardsAndVictory, CardsPlayOncePerTurnAndMoveNothingWithoutTrackedTrades) {
  StartPlaying(false);
  RollAndContinue(2);
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(s.OnBuyCard());
  EXPECT_FALSE(s.PlayMonopoly(2));  // bought this turn
  ASSERT_TRUE(s.OnEndTurn());
  for (int p = 1; p < 3; ++p) {
    RollAndContinue(2);
    ASSERT_TRUE(s.OnEndTurn());
  }
  EXPECT_FALSE(s.PlayMonopoly(2));  // Monopoly waits for the roll
  RollAndContinue(2);
  std::vector<ResourceCounts> hands;
  for (int p = 0; p < 3; ++p) hands.push_back(Seat(p).hand);
  ASSERT_TRUE(s.PlayMonopoly(2));
  for (int p = 0; p < 3; ++p) EXPECT_EQ(Seat(p).hand, hands[p]);
  EXPECT_EQ(s.History().Log().Items().back().text, "Played a Monopoly card on ore.");
  EXPECT_EQ(Seat(0).cardsPlayed[MonopolyCard], 1);
  EXPECT_EQ(Seat(0).cardsHeld, 3);
  // One card besides Victory Points per turn.
  EXPECT_FALSE(s.PlayRoadBuilding());
  EXPECT_FALSE(s.PlayYearOfPlenty({0, 0, 2, 0, 0}));
  EXPECT_TRUE(s.PlayCardOfferFor(0).kinds[VictoryPointCard]);
  ASSERT_TRUE(s.UndoLast());
  ASSERT_TRUE(s.PlayYearOfPlenty({0, 0, 0, 0, 0}));
  EXPECT_EQ(s.History().Log().Items().back().text, "Played a Year of Plenty Card.");
  EXPECT_EQ(Seat(0).hand, hands[0]);
  // Another player may reveal a victory point in Ann's turn; it is logged with the name.
  ASSERT_TRUE(s.OnEndTurn());
  RollAndContinue(2);
  ASSERT_TRUE(s.OnBuyCard());
  ASSERT_TRUE(s.OnEndTurn());
  ASSERT_TRUE(s.PlayVictoryPoint(1));
  EXPECT_EQ(s.History().Log().Items().back().text, "Bob Lee played a Victory Point.");
}

}  // namespace

namespace {

TEST(StoredGame, AStoredGameIsShownEndedWithItsHistoryAndBank) {
  CSessionHarness h;
  h.StartGame(3, true);
  while (h.session.GameStateNow() == InitialPlacement) h.PlaceFirstOffered();
  ASSERT_TRUE(h.session.OnRoll(6));
  CGame stored = h.session.Game();
  CTestUi ui;
  CTestServices services;
  CGameSession review(stored, ui, services.Services());
  review.ShowStoredGame(h.session.Board(), h.session.History().Log());
  EXPECT_EQ(review.GameStateNow(), GameOver);
  EXPECT_EQ(review.Game().gameOn, 0);
  EXPECT_EQ(review.Prompt(), "This game has ended.");
  EXPECT_FALSE(review.CanUndo());
  EXPECT_FALSE(review.OnContinue());
  EXPECT_EQ(review.Bank(), h.session.Bank());
  EXPECT_EQ(review.History().Log(), h.session.History().Log());
  EXPECT_EQ(review.History().TurnCount(), 1);
  std::string why;
  EXPECT_TRUE(review.IsConsistent(&why)) << why;
}

}  // namespace
