#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "board_test_support.h"
#include "engine/board/board_section.h"
#include "records/archive.h"

namespace {

std::vector<uint8_t> Store(CBoard& board) {
  std::vector<uint8_t> bytes;
  CArchive ar(bytes);
  SerializeBoardSection(ar, board);
  ar.Flush();
  return bytes;
}

void Load(const std::vector<uint8_t>& bytes, CBoard& board) {
  CArchive ar(std::span<const uint8_t>(bytes.data(), bytes.size()));
  SerializeBoardSection(ar, board);
}

int32_t Int32At(const std::vector<uint8_t>& bytes, std::size_t at) {
  int32_t v;
  std::memcpy(&v, bytes.data() + at, 4);
  return v;
}

void PutInt32(std::vector<uint8_t>& bytes, std::size_t at, int32_t v) {
  std::memcpy(bytes.data() + at, &v, 4);
}

CBoard PlayedBoard(BoardKind kind) {
  CFixedRandom source({12345, 777, 32767, 4});
  CBoardRandom random(source, [] { return std::int64_t{1700000000}; });
  CBoard board(kind, random);
  board.Generate(random);
  board.SetBuilding(MakeCornerId(0, 0), CityCode(3));
  board.SetRoad(MakeEdgeId(4, 2), 5);
  board.longestRoadLength = 5;
  board.longestRoadPath = {42, 131, 7, 8, 9};
  return board;
}

TEST(BoardSection, SizeAndLayout) {
  CBoard board = MakeBoard(BoardKind::Standard);
  EXPECT_EQ(Store(board).size(), 5496u);
  board = PlayedBoard(BoardKind::Standard);
  const std::vector<uint8_t> bytes = Store(board);
  ASSERT_EQ(bytes.size(), 5496u + 4 * 5);
  EXPECT_EQ(Int32At(bytes, 0), 37);
  // Piece 1 starts at 4 + 148: position, type, chip, chipOrder, neighbours...
  const std::size_t piece = 4 + CBoardPiece::kStoredSize;
  EXPECT_EQ(Int32At(bytes, piece), 1);
  EXPECT_EQ(Int32At(bytes, piece + 4), Index(board.Type(1)));
  EXPECT_EQ(Int32At(bytes, piece + 16), 8);    // neighbor[0]
  double x;
  std::memcpy(&x, bytes.data() + piece + 44, 8);
  EXPECT_EQ(x, -7.5);
  EXPECT_EQ(Int32At(bytes, piece + 76), -1);   // roadOwner[0]
  EXPECT_EQ(Int32At(bytes, piece + 124 + 16), CityCode(3));  // building[4]: corner 0 of 0
  const std::size_t tail = 4 + 37 * CBoardPiece::kStoredSize;
  EXPECT_EQ(Int32At(bytes, tail), 19);
  EXPECT_EQ(Int32At(bytes, tail + 4), 5);
  EXPECT_EQ(Int32At(bytes, tail + 8), 5);
  EXPECT_EQ(Int32At(bytes, tail + 12), 42);
  EXPECT_EQ(Int32At(bytes, tail + 32), board.robberTile);
}

TEST(BoardSection, PieceFieldsInTheirOrder) {
  // Every field marked apart, so two same-sized fields cannot trade places.
  CFixedRandom source({0});
  CBoardRandom random(source, [] { return std::int64_t{0}; });
  CBoardPiece piece(5, random);
  piece.type = TileType::Clay;
  piece.chip = 9;
  piece.chipOrder = 12;
  piece.desertMark = 1;
  piece.y = 0.5;
  piece.rotation = 240.0;
  piece.roadOwner = {0, -1, -1, -1, -1, 2};
  piece.edgeMark = {3, 0, 0, 0, 0, 4};
  piece.building = {21, 0, 0, 0, 0, 13};
  std::vector<uint8_t> bytes;
  {
    CArchive ar(bytes);
    piece.Serialize(ar);
  }
  ASSERT_EQ(bytes.size(), CBoardPiece::kStoredSize);
  EXPECT_EQ(Int32At(bytes, 0), 5);
  EXPECT_EQ(Int32At(bytes, 4), Index(TileType::Clay));
  EXPECT_EQ(Int32At(bytes, 8), 9);
  EXPECT_EQ(Int32At(bytes, 12), 12);
  EXPECT_EQ(Int32At(bytes, 16), 6);   // neighbor[0]
  EXPECT_EQ(Int32At(bytes, 36), 17);  // neighbor[5]
  EXPECT_EQ(Int32At(bytes, 40), 1);   // desertMark
  double centre[3], rotation;
  std::memcpy(centre, bytes.data() + 44, sizeof centre);
  std::memcpy(&rotation, bytes.data() + 68, sizeof rotation);
  EXPECT_EQ(centre[0], 7.5);
  EXPECT_EQ(centre[1], 0.5);
  EXPECT_EQ(centre[2], -4.330127018922194);
  EXPECT_EQ(rotation, 240.0);
  for (std::size_t field : {std::size_t{76}, std::size_t{100}, std::size_t{124}}) {
    const std::size_t k = (field - 76) / 24;
    EXPECT_EQ(Int32At(bytes, field), (std::array<int32_t, 3>{0, 3, 21}[k])) << field;
    EXPECT_EQ(Int32At(bytes, field + 20), (std::array<int32_t, 3>{2, 4, 13}[k])) << field;
  }
}

TEST(BoardSection, WriteReadWriteGivesTheSameBytes) {
  for (BoardKind kind : {BoardKind::Standard, BoardKind::Large}) {
    CBoard board = PlayedBoard(kind);
    const std::vector<uint8_t> first = Store(board);
    CBoard loaded = MakeBoard(kind == BoardKind::Standard ? BoardKind::Large : BoardKind::Standard);
    Load(first, loaded);
    EXPECT_EQ(loaded.Kind(), kind);
    EXPECT_TRUE(std::equal(board.Pieces().begin(), board.Pieces().end(), loaded.Pieces().begin()));
    EXPECT_EQ(loaded.longestRoadPath, board.longestRoadPath);
    EXPECT_EQ(loaded.robberTile, board.robberTile);
    EXPECT_EQ(loaded.Harbours(), board.Harbours());
    EXPECT_TRUE(loaded.IsConsistent());
    EXPECT_EQ(Store(loaded), first);
  }
}

// A damaged section raises and leaves the board as it was.
void ExpectRejected(const std::vector<uint8_t>& bytes) {
  CBoard board = PlayedBoard(BoardKind::Standard);
  const std::vector<uint8_t> before = Store(board);
  EXPECT_THROW(Load(bytes, board), CArchiveException);
  EXPECT_EQ(Store(board), before);
}

TEST(BoardSection, DamagedSectionsAreRejected) {
  CBoard board = PlayedBoard(BoardKind::Large);
  const std::vector<uint8_t> good = Store(board);
  const std::size_t tail = 4 + 52 * CBoardPiece::kStoredSize;
  for (int32_t count : {0, -1, 36, 38, 1 << 30}) {
    std::vector<uint8_t> bad = good;
    PutInt32(bad, 0, count);
    ExpectRejected(bad);
  }
  struct Patch { std::size_t at; int32_t value; };
  const std::size_t piece3 = 4 + 3 * CBoardPiece::kStoredSize;
  for (Patch p : {Patch{piece3, 4},             // position out of place
                  Patch{piece3 + 16, 51},       // neighbour not the table's
                  Patch{piece3 + 4, 13},        // unknown tile type
                  Patch{piece3 + 12, 28},       // chip face beyond the sequence
                  Patch{piece3 + 76, 6},        // road of a seventh player
                  Patch{piece3 + 124, 17},      // building code of no player
                  Patch{4 + CBoardPiece::kStoredSize + 124 + 16, 0},  // one copy of a city lost
                  Patch{tail, 19},              // landCount of the other kind
                  Patch{tail + 8, 100000000}}) {  // path longer than the data
    std::vector<uint8_t> bad = good;
    PutInt32(bad, p.at, p.value);
    ExpectRejected(bad);
  }
  std::vector<uint8_t> badRobber = good;
  PutInt32(badRobber, badRobber.size() - 4, 52);
  ExpectRejected(badRobber);
  for (std::size_t cut : {std::size_t{2}, std::size_t{100}, tail + 6, good.size() - 1}) {
    ExpectRejected(std::vector<uint8_t>(good.begin(), good.begin() + cut));
  }
}

// One copy of a shared corner or side changed alone is found, whichever copy
// it is; a site with no other copy on the board has nothing to differ from.
TEST(BoardSection, EveryLoneChangedCopyIsFound) {
  for (BoardKind kind : {BoardKind::Standard, BoardKind::Large}) {
    CBoard board = FixedBoard(kind);
    const std::vector<uint8_t> good = Store(board);
    for (int p = 0; p < board.PieceCount(); ++p) {
      const std::size_t piece = 4 + p * CBoardPiece::kStoredSize;
      for (int k = 0; k < kDirections; ++k) {
        std::vector<uint8_t> corner = good, side = good;
        PutInt32(corner, piece + 124 + 4 * k, SettlementCode(0));
        PutInt32(side, piece + 76 + 4 * k, 0);
        CBoard loaded;
        if (board.CornerFormsOnBoard(p, k).size() > 1) {
          EXPECT_THROW(Load(corner, loaded), CArchiveException) << "corner " << MakeCornerId(p, k);
        } else {
          EXPECT_NO_THROW(Load(corner, loaded)) << "corner " << MakeCornerId(p, k);
        }
        if (board.SideFormsOnBoard(p, k).size() > 1) {
          EXPECT_THROW(Load(side, loaded), CArchiveException) << "side " << MakeEdgeId(p, k);
        } else {
          EXPECT_NO_THROW(Load(side, loaded)) << "side " << MakeEdgeId(p, k);
        }
      }
    }
  }
}

}  // namespace
