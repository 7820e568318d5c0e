#include <gtest/gtest.h>

#include <vector>

#include "board_test_support.h"

namespace {

void EnterHarbours(CBoard& board, TileType first) {
  board.EnterTile(first);
  for (TileType t : board.Constants().harbourTypes) {
    if (board.EnterTile(t) == TileEntryResult::BoardComplete) return;
  }
}

TEST(TileEntry, HarbourFirstPutsOceanOnOddFrameOffsets) {
  CBoard board = BoardWithLand(BoardKind::Standard, {0});
  EXPECT_EQ(board.EntryCursor(), 19);
  EXPECT_EQ(board.EnterTile(TileType::OrePort), TileEntryResult::Entered);
  EXPECT_EQ(board.EntryCursor(), 21);
  for (int p = 20; p < 37; p += 2) EXPECT_EQ(board.Type(p), TileType::Ocean) << p;
  TileEntryResult last = TileEntryResult::Ignored;
  for (int i = 0; i < 8; ++i) last = board.EnterTile(TileType::ThreeForOnePort);
  EXPECT_EQ(last, TileEntryResult::BoardComplete);
  EXPECT_EQ(board.EntryCursor(), 37);
  EXPECT_EQ(board.EnterTile(TileType::Ocean), TileEntryResult::Ignored);
  for (int p = 19; p < 37; p += 2) EXPECT_TRUE(IsHarbour(board.Type(p))) << p;
}

TEST(TileEntry, OceanFirstPutsHarboursOnOddFrameOffsets) {
  CBoard board = BoardWithLand(BoardKind::Large, {3, 20});
  EXPECT_EQ(board.EnterTile(TileType::Ocean), TileEntryResult::Entered);
  EXPECT_EQ(board.EntryCursor(), 31);
  EnterHarbours(board, TileType::SheepPort);
  EXPECT_TRUE(board.EntryComplete());
  for (int i = 0; i < 22; ++i) {
    EXPECT_EQ(board.Type(30 + i) == TileType::Ocean, i % 2 == 0) << 30 + i;
  }
  EXPECT_EQ(board.Harbours().twoForOne[Index(ResourceType::Sheep)], (std::vector<int>{31, 51}));
  EXPECT_EQ(board.Harbours().threeForOne, (std::vector<int>{33, 35, 37, 39, 41}));
}

TEST(TileEntry, UndoRetracesEveryEntry) {
  CBoard board = BoardWithLand(BoardKind::Standard, {9});
  EnterHarbours(board, TileType::Ocean);
  std::vector<int> undone;
  for (int p; (p = board.UndoTileEntry()) >= 0;) undone.push_back(p);
  std::vector<int> expected;
  for (int p = 36; p >= 20; p -= 2) expected.push_back(p);
  expected.push_back(19);
  for (int p = 18; p >= 0; --p) expected.push_back(p);
  EXPECT_EQ(undone, expected);
  for (const CBoardPiece& piece : board.Pieces()) EXPECT_EQ(piece.type, TileType::Unset);
}

// The piece visited i-th gets chip sequence[i] (the Deserts are visited last).
void ExpectLaidInOrder(const CBoard& board, const std::vector<int>& order) {
  const auto sequence = board.Constants().chipSequence;
  ASSERT_EQ(order.size(), sequence.size());
  for (std::size_t i = 0; i < order.size(); ++i) {
    EXPECT_EQ(board.Piece(order[i]).chipOrder, static_cast<int>(i)) << "position " << order[i];
    EXPECT_EQ(board.Piece(order[i]).chip, sequence[i]) << "position " << order[i];
  }
}

// Lays every chip: the first on `first`, going on in the direction of `second`.
void LayChips(CBoard& board, int first, int second) {
  EXPECT_EQ(board.PickChip(first), ChipPickResult::FirstChip);
  EXPECT_EQ(board.PickChip(second), ChipPickResult::SecondChip);
}

TEST(ChipLaying, FirstEighteenSecondSevenGoesForward) {
  CBoard board = BoardWithLand(BoardKind::Standard, {0});
  EXPECT_EQ(board.PickChip(18), ChipPickResult::FirstChip);
  EXPECT_EQ(board.SecondChipCandidates(), (std::array<int, 2>{17, 7}));
  EXPECT_EQ(board.PickChip(7), ChipPickResult::SecondChip);
  ExpectLaidInOrder(board, {18, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 6, 1, 2, 3, 4, 5});
  EXPECT_EQ(board.robberTile, 0);
  EXPECT_EQ(board.Piece(0).desertMark, 1);
  EXPECT_EQ(board.Piece(0).chip, 0);
  EXPECT_TRUE(board.AwaitingFirstChip());
}

TEST(ChipLaying, FirstEightSecondSevenGoesBackward) {
  CBoard board = BoardWithLand(BoardKind::Standard, {0});
  LayChips(board, 8, 7);
  ExpectLaidInOrder(board, {8, 7, 18, 17, 16, 15, 14, 13, 12, 11, 10, 9, 1, 6, 5, 4, 3, 2});
}

TEST(ChipLaying, LargeBoardWrapsFromTheLastRingPosition) {
  CBoard board = BoardWithLand(BoardKind::Large, {1, 2});
  LayChips(board, 29, 14);
  std::vector<int> order{29};
  for (int p = 14; p <= 28; ++p) order.push_back(p);
  order.push_back(13);
  for (int p = 4; p <= 12; ++p) order.push_back(p);
  order.push_back(3);
  order.push_back(0);
  ExpectLaidInOrder(board, order);
  EXPECT_EQ(board.robberTile, 2);  // the Desert visited last
  EXPECT_EQ(board.Piece(1).desertMark, 1);
}

TEST(ChipLaying, DesertOnARingIsSkipped) {
  CBoard board = BoardWithLand(BoardKind::Standard, {9});
  LayChips(board, 8, 9);
  EXPECT_EQ(board.Piece(8).chipOrder, 0);
  EXPECT_EQ(board.Piece(9).chip, 0);
  EXPECT_EQ(board.Piece(10).chipOrder, 1);
  EXPECT_EQ(board.Piece(0).chipOrder, 17);  // the centre takes the last chip
  EXPECT_EQ(board.robberTile, 9);
}

TEST(ChipLaying, ClicksOutsideTheRulesAreIgnored) {
  CBoard board = BoardWithLand(BoardKind::Standard, {0});
  EXPECT_EQ(board.PickChip(7), ChipPickResult::Ignored);
  EXPECT_EQ(board.PickChip(25), ChipPickResult::Ignored);
  EXPECT_EQ(board.PickChip(10), ChipPickResult::FirstChip);
  EXPECT_EQ(board.PickChip(12), ChipPickResult::Ignored);
  EXPECT_EQ(board.PickChip(10), ChipPickResult::Ignored);
  EXPECT_FALSE(board.AwaitingFirstChip());
  EXPECT_EQ(board.Piece(2).chip, 0);  // nothing laid yet
  EXPECT_EQ(board.PickChip(9), ChipPickResult::SecondChip);
  EXPECT_NE(board.Piece(2).chip, 0);
}

TEST(ChipLaying, LayingAgainLeavesNoStaleChipOrMark) {
  // Back from chip selection the tiles may change; the next laying must not
  // leave a chip on the new Desert nor the mark on the old one.
  CBoard board = BoardWithLand(BoardKind::Standard, {0});
  LayChips(board, 18, 7);
  ASSERT_NE(board.Piece(9).chip, 0);
  board.SetTileType(0, TileType::Sheep);
  board.SetTileType(9, TileType::Desert);
  LayChips(board, 18, 7);
  EXPECT_EQ(board.Piece(9).chip, 0);
  EXPECT_EQ(board.Piece(9).desertMark, 1);
  EXPECT_EQ(board.Piece(0).desertMark, 0);
  EXPECT_EQ(board.Piece(0).chip, board.Constants().chipSequence[17]);
  EXPECT_EQ(board.robberTile, 9);
}

TEST(ChipLaying, LandWithoutDesertDoesNotRunPastTheChips) {
  CBoard board = BoardWithLand(BoardKind::Standard, {});
  LayChips(board, 18, 17);
  EXPECT_EQ(board.Piece(0).chip, 0);  // the nineteenth land piece
  EXPECT_EQ(board.robberTile, -1);
  int chips = 0;
  for (int p = 0; p < 19; ++p) chips += board.Piece(p).chip != 0;
  EXPECT_EQ(chips, 18);
}

}  // namespace

// The second chip's choices close the outer ring at both of its ends, on both
// boards; the board view lights exactly these.
TEST(ChipLaying, SecondChipCandidatesWrapAroundTheOuterRing) {
  for (BoardKind kind : {BoardKind::Standard, BoardKind::Large}) {
    const ChipRing& outer = ConstantsOf(kind).chipRings.front();
    EXPECT_EQ(SecondChipCandidates(kind, outer.first), (std::array<int, 2>{outer.last, outer.first + 1}));
    EXPECT_EQ(SecondChipCandidates(kind, outer.last), (std::array<int, 2>{outer.last - 1, outer.first}));
    EXPECT_EQ(SecondChipCandidates(kind, outer.first + 3), (std::array<int, 2>{outer.first + 2, outer.first + 4}));
    EXPECT_EQ(SecondChipCandidates(kind, outer.first - 1), (std::array<int, 2>{-1, -1}));
  }
}
