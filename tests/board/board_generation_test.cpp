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

// The draw r that makes "an index below n" come out as e.
int DrawForIndex(int e, int n) { return (2 * e + 1) * CRandomSource::kMax / (2 * n); }

TEST(BoardGeneration, DrawsAreTakenInTheirOrder) {
  // 19 land pieces each reseed and draw a rotation, then generation draws:
  // the reseed, 19 land swaps, 9 harbour swaps, the harbour offset, the first
  // chip and the direction of the second.
  std::vector<int> draws(38, 0);
  draws.push_back(CRandomSource::kMax);  // reseed with the clock itself
  for (int i = 0; i < 19; ++i) draws.push_back(DrawForIndex(i == 2 ? 5 : i, 19));
  for (int i = 0; i < 9; ++i) draws.push_back(DrawForIndex(i == 0 ? 8 : i, 9));
  draws.insert(draws.end(), {0, DrawForIndex(3, 6), 0});
  CFixedRandom source(draws);
  CBoardRandom random(source, [] { return std::int64_t{1700000000}; });
  CBoard board(BoardKind::Standard, random);
  board.Generate(random);
  EXPECT_EQ(source.DrawCount(), draws.size());
  std::vector<unsigned> seeds(19, 0);
  seeds.push_back(1700000000u);
  EXPECT_EQ(source.Seeds(), seeds);

  // Land in table order but for the one swap of entries 2 and 5.
  const auto& c = board.Constants();
  for (int p = 0; p < 19; ++p) {
    const int entry = p == 2 ? 5 : p == 5 ? 2 : p;
    EXPECT_EQ(board.Type(p), c.landTypes[entry]) << p;
  }
  // Harbours on the even frame offsets, the first and last swapped.
  for (int i = 0; i < 9; ++i) {
    const int entry = i == 0 ? 8 : i == 8 ? 0 : i;
    EXPECT_EQ(board.Type(19 + 2 * i), c.harbourTypes[entry]) << 19 + 2 * i;
    EXPECT_EQ(board.Type(20 + 2 * i), TileType::Ocean) << 20 + 2 * i;
  }
  // First chip 14, second 15: forward round the rings, the Desert 18 skipped.
  EXPECT_EQ(board.FirstChipPosition(), 14);
  EXPECT_EQ(board.SecondChipPosition(), 15);
  const int order[] = {14, 15, 16, 17, 7, 8, 9, 10, 11, 12, 13, 4, 5, 6, 1, 2, 3, 0};
  for (int k = 0; k < 18; ++k) {
    EXPECT_EQ(board.Piece(order[k]).chipOrder, k) << order[k];
    EXPECT_EQ(board.Piece(order[k]).chip, c.chipSequence[k]) << order[k];
  }
  EXPECT_EQ(board.robberTile, 18);
  EXPECT_EQ(board.Piece(18).desertMark, 1);

  // The large board: 19 turned pieces, then 1 + 30 + 11 + 3 draws.
  CFixedRandom zeros({0});
  CBoardRandom zeroRandom(zeros, [] { return std::int64_t{1}; });
  CBoard large(BoardKind::Large, zeroRandom);
  large.Generate(zeroRandom);
  EXPECT_EQ(zeros.DrawCount(), 38u + 1 + 30 + 11 + 3);
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
