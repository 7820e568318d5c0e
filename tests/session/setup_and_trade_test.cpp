// Board set-up palette, chip picks, player selection, and trades.
#include <cctype>
#include <numeric>

#include <gtest/gtest.h>

#include "session_test.h"

namespace {

class SetupAndTrade : public SessionTest {};

TEST_F(SetupAndTrade, PaletteCountsDownAndOffersOnlyWhatFitsThePosition) {
  s.NewGame(3, true, false);
  const CPaletteState& pal = s.Palette();
  EXPECT_EQ(pal.remaining, (std::array<int32_t, 13>{4, 4, 3, 3, 4, 1, 9, 4, 1, 1, 1, 1, 1}));
  EXPECT_FALSE(pal.enabled[6]);
  EXPECT_FALSE(pal.enabled[7]);
  EXPECT_FALSE(s.ChooseTile(7));  // no harbour on land
  EXPECT_TRUE(s.ChooseTile(5));
  EXPECT_EQ(pal.remaining[5], 0);
  EXPECT_FALSE(pal.enabled[5]);
  EXPECT_FALSE(s.ChooseTile(5));  // a second Desert is not in the palette
  EXPECT_TRUE(s.Fields().undoButtonEnabled);
  ASSERT_TRUE(s.UndoLast());
  EXPECT_EQ(pal.remaining[5], 1);
  EXPECT_FALSE(s.Fields().undoButtonEnabled);
  for (int i = 0; i < 19; ++i) ASSERT_TRUE(s.ChooseTile(StandardTiles()[i]));
  EXPECT_TRUE(pal.frameStage);
  EXPECT_TRUE(pal.enabled[6]);
  EXPECT_FALSE(pal.enabled[0]);
  EXPECT_EQ(pal.frameLeft, 18);
  ASSERT_TRUE(s.ChooseTile(7));
  EXPECT_FALSE(pal.enabled[6]);  // Ocean only as the first frame piece
  EXPECT_EQ(pal.remaining[6], 8);
  EXPECT_EQ(pal.frameLeft, 16);
  EXPECT_EQ(s.History().Log().Items().back().text, "Placed a 3 for 1 port.");
}

TEST_F(SetupAndTrade, ChipPicksAcceptOnlyTheCandidates) {
  s.NewGame(3, true, false);
  for (int32_t t : StandardTiles()) ASSERT_TRUE(s.ChooseTile(t));
  EXPECT_EQ(s.GameStateNow(), ChipPlacement);
  EXPECT_EQ(s.Prompt(), "Select the tile where the first roll chip will be placed.");
  EXPECT_FALSE(s.Pick(0));
  EXPECT_TRUE(s.Pick(18));
  EXPECT_EQ(s.Prompt(), s.ChipPanelText());
  EXPECT_NE(s.Prompt().find("second roll chip"), std::string::npos);
  EXPECT_FALSE(s.Pick(10));  // not next to 18 on the outer ring
  EXPECT_TRUE(s.Pick(7));    // 18 + 1 wraps round to 7
  EXPECT_EQ(s.GameStateNow(), PlayerInformation);
  EXPECT_TRUE(s.Fields().playerSelectionShown);
  EXPECT_EQ(s.Board().Piece(18).chipOrder, 0);
  // Undo goes back to the second chip; again to the first.
  ASSERT_TRUE(s.UndoLast());
  EXPECT_EQ(s.GameStateNow(), ChipPlacement);
  EXPECT_FALSE(s.Fields().firstChipAwaited);
  ASSERT_TRUE(s.UndoLast());
  EXPECT_TRUE(s.Fields().firstChipAwaited);
  ASSERT_TRUE(s.UndoLast());
  EXPECT_EQ(s.GameStateNow(), BoardSetup);
}

TEST_F(SetupAndTrade, SeatBoxesGiveColoursAndTheBoardKindLimitsThePlayers) {
  s.NewGame(3, false, true);
  EXPECT_EQ(s.GameStateNow(), PlayerInformation);
  EXPECT_FALSE(s.CanUndo());
  std::vector<SeatChoice> five;
  for (int i = 0; i < 5; ++i) five.push_back({i, CPlayer("P", std::to_string(i), i + 1)});
  EXPECT_FALSE(s.SelectPlayers(five));
  std::vector<SeatChoice> three = {{0, CPlayer("Ann", "Lee", 1)}, {3, CPlayer("Cid", "Lee", 3)},
                                   {2, CPlayer("Bob", "Lee", 2)}};
  ASSERT_TRUE(s.SelectPlayers(three));
  EXPECT_EQ(Seat(0).color, 0xEBEBEB);  // white
  EXPECT_EQ(Seat(1).player.firstName, "Bob");
  EXPECT_EQ(Seat(1).color, 0x0683FF);  // orange
  EXPECT_EQ(Seat(2).color, 0xDF2020);  // blue
  EXPECT_EQ(Seat(0).settlementsAt.size(), 37u);
  EXPECT_TRUE(s.Fields().playerOrderShown);
  // Cancel in the order dialog goes back to the selection.
  ASSERT_TRUE(s.CancelPlayerOrder());
  EXPECT_TRUE(s.Fields().playerSelectionShown);
  EXPECT_EQ(s.Game().players.size(), 3u);
  ASSERT_TRUE(s.SelectPlayers(three));
  EXPECT_FALSE(s.SortPlayers({0, 0, 1}));
  ASSERT_TRUE(s.SortPlayers({2, 0, 1}));
  EXPECT_EQ(Seat(0).player.firstName, "Cid");
  EXPECT_EQ(Seat(0).color, 0xDF2020);  // colours travel with the players
  EXPECT_EQ(s.Prompt(), "Place a settlement for Cid Lee.");
}

TEST_F(SetupAndTrade, PlayerTradesMoveCardsAndCountBothSides) {
  h.StartGame(3, true);
  while (s.GameStateNow() == InitialPlacement) h.PlaceFirstOffered();
  EXPECT_FALSE(s.TurnPanel().tradeEnabled);  // tracked trades wait for the roll
  RollAndContinue(2);
  int give = 0, get = 0;
  while (Seat(0).hand[give] == 0) ++give;
  while (get == give || Seat(1).hand[get] == 0) ++get;
  ResourceCounts g{}, r{};
  g[give] = 1;
  r[get] = 1;
  ResourceCounts ann = Seat(0).hand, bob = Seat(1).hand, bank = s.Bank();
  ResourceCounts tooMany{};
  tooMany[give] = ann[give] + 1;
  EXPECT_FALSE(s.TradeWithPlayer(1, tooMany, r));
  EXPECT_FALSE(s.TradeWithPlayer(0, g, r));  // not with oneself
  ASSERT_TRUE(s.TradeWithPlayer(1, g, r));
  EXPECT_EQ(Seat(0).hand[give], ann[give] - 1);
  EXPECT_EQ(Seat(0).hand[get], ann[get] + 1);
  EXPECT_EQ(Seat(1).hand[give], bob[give] + 1);
  EXPECT_EQ(Seat(1).hand[get], bob[get] - 1);
  EXPECT_EQ(s.Bank(), bank);
  EXPECT_EQ(Seat(0).givenTo[1][give], 1);
  EXPECT_EQ(Seat(1).receivedFrom[0][give], 1);
  EXPECT_EQ(Seat(0).tradesWith[1], 1);
  EXPECT_EQ(Seat(1).tradesWith[0], 1);
  auto lower = [](std::string name) {
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
  };
  EXPECT_EQ(s.History().Log().Items().back().text,
            "Traded 1 " + lower(TileName(give)) + " to Bob Lee for 1 " + lower(TileName(get)) + ".");
}

TEST_F(SetupAndTrade, BankTradesUseTheBestRatioAndNeedTheWantedCardInTheBank) {
  h.StartGame(3, true);
  while (s.GameStateNow() == InitialPlacement) h.PlaceFirstOffered();
  // Roll Ann's totals until she holds four of something.
  std::vector<int32_t> chips;
  for (int b = 0; b < s.Board().LandCount(); ++b)
    if (Seat(0).settlementsAt[b] > 0 && s.Board().Piece(b).chip > 0) chips.push_back(s.Board().Piece(b).chip);
  int rich = -1;
  for (int turn = 0; turn < 200 && rich < 0; ++turn) {
    RollAndContinue(chips[turn % chips.size()]);
    if (s.CurrentPlayer() == 0)
      for (int r = 0; r < 5; ++r)
        if (s.BankDraggable()[r]) rich = r;
    if (rich < 0) {
      ASSERT_TRUE(s.OnEndTurn());
    }
  }
  ASSERT_GE(rich, 0);
  int32_t ratio = s.TradeRatio(0, rich);
  int wanted = rich == 0 ? 1 : 0;
  ResourceCounts hand = Seat(0).hand;
  EXPECT_FALSE(s.TradeWithBank(rich, rich));
  ASSERT_TRUE(s.TradeWithBank(rich, wanted));
  EXPECT_EQ(Seat(0).hand[rich], hand[rich] - ratio);
  EXPECT_EQ(Seat(0).hand[wanted], hand[wanted] + 1);
  EXPECT_EQ(Seat(0).bankTrades[ratio - 2], 1);
  EXPECT_EQ(Seat(0).givenToBank[rich], ratio);
  EXPECT_EQ(Seat(0).receivedFromBank[wanted], 1);
  ASSERT_TRUE(s.UndoLast());
  EXPECT_EQ(Seat(0).hand, hand);
  EXPECT_EQ(Seat(0).bankTrades[ratio - 2], 0);
  EXPECT_EQ(Seat(0).givenToBank[rich], 0);
  EXPECT_EQ(Seat(0).receivedFromBank[wanted], 0);
  EXPECT_EQ(CardTotal(Seat(0).hand), CardTotal(hand));
}

}  // namespace
