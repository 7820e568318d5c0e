#pragma once

#include <array>
#include <cstdint>

// The fixed table of the 52 board positions shared by both boards (the
// standard board uses rows 0..36), and the rules by which corners and sides
// are shared between neighbouring pieces.
//
// Directions 0..5 go round the piece; in (a, b) units the step to the
// neighbour in direction k is 0 (-1,-1), 1 (-1,+1), 2 (0,+2), 3 (+1,+1),
// 4 (+1,-1), 5 (0,-2).
// - Side k of P is shared with neighbour N_k, where it is side (k+3)%6.
// - Corner k of P lies between sides k-1 and k; it touches P, N_(k-1) and N_k
//   and is corner (k+4)%6 of N_k and corner (k+2)%6 of N_(k-1).
// - Side k runs from corner k to corner k+1.

inline constexpr int kMaxPositions = 52;
inline constexpr int kNoPosition = -1;
inline constexpr int kDirections = 6;

// A position's world coordinates: x = 7.5 a, z = 2.5 sqrt(3) b, y = 0.
inline constexpr double kUnitX = 7.5;
inline constexpr double kUnitZ = 4.330127018922194;
// Distance between the centres of neighbouring pieces (circumradius 5).
inline constexpr double kNeighbourDistance = 8.660254037844387;

struct PositionRow {
  int a;
  int b;
  bool randomRotation;  // land of the standard board: turned at random
  int rotation;         // fixed turn in degrees when not random
  std::array<int, kDirections> neighbor;  // kNoPosition where there is none
};

// Row `position` of the table; `position` must be 0..51.
const PositionRow& PositionTableRow(int position);
bool IsTablePosition(int position);
double PositionX(int position);
double PositionZ(int position);

constexpr int Wrap6(int k) { return ((k % 6) + 6) % 6; }
constexpr int Opposite(int direction) { return Wrap6(direction + 3); }

// The table neighbour of `position` in `direction`, kNoPosition if none.
int TableNeighbor(int position, int direction);

// A corner or side of one piece.
struct PieceCorner {
  int position;
  int corner;
  bool operator==(const PieceCorner&) const = default;
};
struct PieceSide {
  int position;
  int side;
  bool operator==(const PieceSide&) const = default;
};

// Corner k of P as seen from each piece touching it: P, N_k and N_(k-1)
// (position kNoPosition where the table has none).
std::array<PieceCorner, 3> CornerForms(int position, int corner);
// The three corners one side away from corner k of P: corners k-1 and k+1
// of P and corner k+1 of N_(k-1). The last has position kNoPosition when
// N_(k-1) does not exist.
std::array<PieceCorner, 3> AdjacentCorners(int position, int corner);
// The three sides meeting at corner k of P: sides k-1 and k of P and side
// k+1 of N_(k-1) (the side between N_(k-1) and N_k).
std::array<PieceSide, 3> CornerSides(int position, int corner);
// Side k of P as seen from N_k: side (k+3)%6 of N_k.
PieceSide OtherSideForm(int position, int side);
