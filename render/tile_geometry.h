#pragma once

// Where pieces sit on a tile, in board units relative to the tile centre and
// not turned with the tile. Side k runs from corner k to corner (k + 1) mod 6.

inline constexpr double kHexHalfHeight = 4.330127018922194;  // 2.5 * sqrt(3)

struct BoardOffset {
  double x, z;
};

// Corner k of a tile.
inline constexpr BoardOffset kCornerOffset[6] = {
    {-2.5, -kHexHalfHeight}, {-5.0, 0.0}, {-2.5, kHexHalfHeight},
    {2.5, kHexHalfHeight},   {5.0, 0.0},  {2.5, -kHexHalfHeight}};

// Midpoint of side k of a tile.
inline constexpr BoardOffset kSideMidpoint[6] = {
    {-3.75, -2.165063509461097}, {-3.75, 2.165063509461097}, {0.0, kHexHalfHeight},
    {3.75, 2.165063509461097},   {3.75, -2.165063509461097}, {0.0, -kHexHalfHeight}};

// Turn about y (degrees) that lays the road box, which runs along z, on side k.
inline constexpr double kRoadAngle[6] = {-30, 30, 90, -30, 30, 90};

// Turn about y (degrees) that lays the skirt strip, which runs along x, on side k.
inline constexpr double kSkirtAngle[6] = {60, 120, 0, 60, 120, 0};
