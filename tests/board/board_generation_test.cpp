#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "board_test_support.h"

namespace {

CBoard Generated(BoardKind kind, std::vector<int> draws, std::int64_t now = 1700000000) {
  CFixedRandom source(std::move(draws));
  CBoardRandom random(source, [now] { return now; });
  CBoard board(kind, random);
  board.Generate(random);
  return board;
}

std::vector<int> PseudoRandomDraws(unsigned seed) {
  std::mt19937 gen(seed);
  std::vector<int> draws(500);
  for (int& d : draws) d = static_cast<int>(gen() % 32768);
  return draws;
}

template <typename T>
std::map<T, int> Count(std::span<const T> values) {
  std::map<T, int> counts;
  for (const T& v : values) ++counts[v];
  return counts;
}

void ExpectCompleteBoard(const CBoard& board) {
  const BoardConstants& c = board.Constants();
  std::vector<TileType> land, harbours;
  std::vector<std::int32_t> chips;
  for (int p = 0; p < c.landCount; ++p) {
    const CBoardPiece& piece = board.Piece(p);
    land.push_back(piece.type);
    if (piece.type == TileType::Desert) {
      EXPECT_EQ(piece.chip, 0);
      EXPECT_EQ(piece.desertMark, 1);
    } else {
      chips.push_back(piece.chip);
      EXPECT_EQ(piece.chip, c.chipSequence[piece.chipOrder]);
    }
  }
  // Harbours alternate with Ocean round the frame.
  const int offset = IsHarbour(board.Type(c.landCount)) ? 0 : 1;
  for (int i = 0; i < c.frameCount; ++i) {
    const TileType t = board.Type(c.landCount + i);
    if (i % 2 == offset) harbours.push_back(t); else EXPECT_EQ(t, TileType::Ocean);
  }
  EXPECT_EQ(Count<TileType>(land), Count(c.landTypes));
  EXPECT_EQ(Count<TileType>(harbours), Count(c.harbourTypes));
  EXPECT_EQ(Count<std::int32_t>(chips), Count(c.chipSequence));
  EXPECT_EQ(board.Type(board.robberTile), TileType::Desert);
  const auto& candidates = c.firstChipCandidates;
  EXPECT_NE(std::find(candidates.begin(), candidates.end(), board.FirstChipPosition()),
            candidates.end());
  EXPECT_TRUE(board.EntryComplete());
  EXPECT_TRUE(board.IsConsistent());
}

TEST(BoardGeneration, SameDrawsGiveTheSameBoard) {
  const auto draws = PseudoRandomDraws(1);
  const CBoard a = Generated(BoardKind::Standard, draws);
  const CBoard b = Generated(BoardKind::Standard, draws);
  EXPECT_TRUE(std::equal(a.Pieces().begin(), a.Pieces().end(), b.Pieces().begin()));
  const CBoard c = Generated(BoardKind::Standard, PseudoRandomDraws(2));
  EXPECT_FALSE(std::equal(a.Pieces().begin(), a.Pieces().end(), c.Pieces().begin()));
}

TEST(BoardGeneration, EveryBoardHoldsTheKindsTilesAndChips) {
  for (BoardKind kind : {BoardKind::Standard, BoardKind::Large}) {
    for (unsigned seed = 0; seed < 100; ++seed) {
      SCOPED_TRACE(seed);
      ExpectCompleteBoard(Generated(kind, PseudoRandomDraws(seed)));
    }
  }
}

TEST(BoardGeneration, TopDrawStaysInsideEveryTable) {
  // r = 32767 gives u = 1: indices must still stay below n; harbours move to
  // the odd offsets and the second chip goes backwards.
  for (BoardKind kind : {BoardKind::Standard, BoardKind::Large}) {
    const CBoard board = Generated(kind, {32767});
    ExpectCompleteBoard(board);
    const BoardConstants& c = board.Constants();
    EXPECT_EQ(board.Type(c.landCount), TileType::Ocean);
    EXPECT_EQ(board.FirstChipPosition(), c.firstChipCandidates[5]);
    EXPECT_EQ(board.SecondChipPosition(), c.firstChipCandidates[5] - 1);
    EXPECT_EQ(board.Piece(0).rotation, 300.0);
  }
}

TEST(BoardGeneration, BottomDrawWrapsTheSecondChip) {
  const CBoard board = Generated(BoardKind::Large, {0});
  EXPECT_EQ(board.FirstChipPosition(), 16);
  EXPECT_EQ(board.SecondChipPosition(), 17);
  const CBoard last = Generated(BoardKind::Standard, {32000, 32000, 32000});
  EXPECT_EQ(last.FirstChipPosition(), 18);
  EXPECT_EQ(last.SecondChipPosition(), 7);
}

TEST(BoardRandom, ReseedsFromClockTimesDraw) {
  CFixedRandom source({16383, 32767, 0});
  CBoardRandom random(source, [] { return std::int64_t{1000}; });
  random.Reseed();
  random.Reseed();
  EXPECT_EQ(source.Seeds(), (std::vector<unsigned>{499, 1000}));
  EXPECT_EQ(random.IndexBelow(6), 0);
  EXPECT_EQ(random.IndexBelow(6), 2);  // 16383 / 32767 * 6 = 2.99
  EXPECT_EQ(random.IndexBelow(6), 5);  // 32767 clamped from 6
}

TEST(BoardPieces, LandIsTurnedAtRandomAndFrameIsFixed) {
  CFixedRandom source({0, 13107});  // reseed draw, then 13107 / 32767 * 5 = 2.0
  CBoardRandom random(source, [] { return std::int64_t{5}; });
  const CBoard board(BoardKind::Standard, random);
  for (int p = 0; p < 19; ++p) EXPECT_EQ(board.Piece(p).rotation, 120.0);
  EXPECT_EQ(source.Seeds().size(), 19u);
  EXPECT_EQ(board.Piece(29).rotation, -120.0);
  EXPECT_EQ(board.Piece(20).rotation, 60.0);
  EXPECT_EQ(board.Piece(5).x, 7.5);
  const CBoardPiece blank;
  EXPECT_EQ(blank.position, -1);
  EXPECT_EQ(blank.neighbor[0], -1);
  EXPECT_EQ(blank.roadOwner[5], -1);
}

}  // namespace
