#include "engine/board/board_geometry.h"

namespace {

constexpr int kNone = kNoPosition;

// The position table: a, b, random rotation, fixed rotation (degrees) and the
// neighbour in each direction. Standard board: 0 centre, 1..6 first ring,
// 7..18 outer land ring, 19..36 frame. Large board: land 0..29, frame 30..51.
// Frame rows are listed in ring order.
const PositionRow kPositions[kMaxPositions] = {
    {0, 0, true, 0, {1, 2, 3, 4, 5, 6}},  // 0
    {-1, -1, true, 0, {8, 9, 2, 0, 6, 7}},  // 1
    {-1, 1, true, 0, {9, 10, 11, 3, 0, 1}},  // 2
    {0, 2, true, 0, {2, 11, 12, 13, 4, 0}},  // 3
    {1, 1, true, 0, {0, 3, 13, 14, 15, 5}},  // 4
    {1, -1, true, 0, {6, 0, 4, 15, 16, 17}},  // 5
    {0, -2, true, 0, {7, 1, 0, 5, 17, 18}},  // 6
    {-1, -3, true, 0, {20, 8, 1, 6, 18, 19}},  // 7
    {-2, -2, true, 0, {21, 22, 9, 1, 7, 20}},  // 8
    {-2, 0, true, 0, {22, 23, 10, 2, 1, 8}},  // 9
    {-2, 2, true, 0, {23, 24, 25, 11, 2, 9}},  // 10
    {-1, 3, true, 0, {10, 25, 26, 12, 3, 2}},  // 11
    {0, 4, true, 0, {11, 26, 27, 28, 13, 3}},  // 12
    {1, 3, true, 0, {3, 12, 28, 29, 14, 4}},  // 13
    {2, 2, true, 0, {4, 13, 29, 30, 31, 15}},  // 14
    {2, 0, true, 0, {5, 4, 14, 31, 32, 16}},  // 15
    {2, -2, true, 0, {17, 5, 15, 32, 33, 34}},  // 16
    {1, -3, true, 0, {18, 6, 5, 16, 34, 35}},  // 17
    {0, -4, true, 0, {19, 7, 6, 17, 35, 36}},  // 18
    {-1, -5, false, 0, {38, 20, 7, 18, 36, 37}},  // 19
    {-2, -4, false, 60, {39, 21, 8, 7, 19, 38}},  // 20
    {-3, -3, false, 60, {40, 41, 22, 8, 20, 39}},  // 21
    {-3, -1, false, 60, {41, 42, 23, 9, 8, 21}},  // 22
    {-3, 1, false, 120, {42, 43, 24, 10, 9, 22}},  // 23
    {-3, 3, false, 120, {43, 44, 45, 25, 10, 23}},  // 24
    {-2, 4, false, 120, {24, 45, 46, 26, 11, 10}},  // 25
    {-1, 5, false, 180, {25, 46, 47, 27, 12, 11}},  // 26
    {0, 6, false, 180, {26, 47, 48, 49, 28, 12}},  // 27
    {1, 5, false, 180, {12, 27, 49, 50, 29, 13}},  // 28
    {2, 4, false, -120, {13, 28, 50, 51, 30, 14}},  // 29
    {3, 3, false, -120, {14, 29, 51, kNone, kNone, 31}},  // 30
    {3, 1, false, -120, {15, 14, 30, kNone, kNone, 32}},  // 31
    {3, -1, false, -60, {16, 15, 31, kNone, kNone, 33}},  // 32
    {3, -3, false, -60, {34, 16, 32, kNone, kNone, kNone}},  // 33
    {2, -4, false, -60, {35, 17, 16, 33, kNone, kNone}},  // 34
    {1, -5, false, 0, {36, 18, 17, 34, kNone, kNone}},  // 35
    {0, -6, false, 0, {37, 19, 18, 35, kNone, kNone}},  // 36
    {-1, -7, false, 0, {kNone, 38, 19, 36, kNone, kNone}},  // 37
    {-2, -6, false, 0, {kNone, 39, 20, 19, 37, kNone}},  // 38
    {-3, -5, false, 60, {kNone, 40, 21, 20, 38, kNone}},  // 39
    {-4, -4, false, 60, {kNone, kNone, 41, 21, 39, kNone}},  // 40
    {-4, -2, false, 60, {kNone, kNone, 42, 22, 21, 40}},  // 41
    {-4, 0, false, 60, {kNone, kNone, 43, 23, 22, 41}},  // 42
    {-4, 2, false, 120, {kNone, kNone, 44, 24, 23, 42}},  // 43
    {-4, 4, false, 120, {kNone, kNone, kNone, 45, 24, 43}},  // 44
    {-3, 5, false, 120, {44, kNone, kNone, 46, 25, 24}},  // 45
    {-2, 6, false, 180, {45, kNone, kNone, 47, 26, 25}},  // 46
    {-1, 7, false, 180, {46, kNone, kNone, 48, 27, 26}},  // 47
    {0, 8, false, 180, {47, kNone, kNone, kNone, 49, 27}},  // 48
    {1, 7, false, 180, {27, 48, kNone, kNone, 50, 28}},  // 49
    {2, 6, false, -120, {28, 49, kNone, kNone, 51, 29}},  // 50
    {3, 5, false, -120, {29, 50, kNone, kNone, kNone, 30}},  // 51
};

}  // namespace

bool IsTablePosition(int position) { return position >= 0 && position < kMaxPositions; }

const PositionRow& PositionTableRow(int position) { return kPositions[position]; }

double PositionX(int position) { return kUnitX * kPositions[position].a; }
double PositionZ(int position) { return kUnitZ * kPositions[position].b; }

int TableNeighbor(int position, int direction) {
  if (!IsTablePosition(position)) return kNoPosition;
  return kPositions[position].neighbor[Wrap6(direction)];
}

std::array<PieceCorner, 3> CornerForms(int position, int corner) {
  const int k = Wrap6(corner);
  return {PieceCorner{position, k},
          PieceCorner{TableNeighbor(position, k), Wrap6(k + 4)},
          PieceCorner{TableNeighbor(position, k - 1), Wrap6(k + 2)}};
}

std::array<PieceCorner, 3> AdjacentCorners(int position, int corner) {
  const int k = Wrap6(corner);
  return {PieceCorner{position, Wrap6(k - 1)}, PieceCorner{position, Wrap6(k + 1)},
          PieceCorner{TableNeighbor(position, k - 1), Wrap6(k + 1)}};
}

std::array<PieceSide, 3> CornerSides(int position, int corner) {
  const int k = Wrap6(corner);
  return {PieceSide{position, Wrap6(k - 1)}, PieceSide{position, k},
          PieceSide{TableNeighbor(position, k - 1), Wrap6(k + 1)}};
}

PieceSide OtherSideForm(int position, int side) {
  return {TableNeighbor(position, side), Opposite(side)};
}
