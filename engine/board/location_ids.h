#pragma once

#include <cstdint>

// How a place on the board is named. A bare position (0 .. tileCount-1)
// names a piece; position * 10 + k names corner k (`CornerId`, a settlement
// site) or side k (`EdgeId`, a road site). A corner has up to three such
// forms and a side two, one per touching piece; all name the same site.
using CornerId = std::int32_t;
using EdgeId = std::int32_t;
// Corner k of P with the two other pieces touching it:
// P * 100000 + N_k * 1000 + N_(k-1) * 10 + k. Names a settlement that may
// become a city.
using CitySiteCode = std::int32_t;
// What a click reports: the id plus 1; 0 means nothing was hit.
using PickCode = std::int32_t;

inline constexpr PickCode kNothingPicked = 0;

constexpr CornerId MakeCornerId(int position, int corner) { return position * 10 + corner; }
constexpr EdgeId MakeEdgeId(int position, int side) { return position * 10 + side; }
// The position and the corner or side index of a CornerId or EdgeId.
constexpr int IdPosition(std::int32_t id) { return id / 10; }
constexpr int IdIndex(std::int32_t id) { return id % 10; }

struct CitySite {
  int position;  // P
  int cornerNeighbor;  // N_k
  int previousNeighbor;  // N_(k-1)
  int corner;  // k
  bool operator==(const CitySite&) const = default;
};
constexpr CitySiteCode MakeCitySiteCode(const CitySite& s) {
  return s.position * 100000 + s.cornerNeighbor * 1000 + s.previousNeighbor * 10 + s.corner;
}
constexpr CitySite DecodeCitySiteCode(CitySiteCode code) {
  return {code / 100000, code / 1000 % 100, code / 10 % 100, code % 10};
}
// The city site of corner k of P, neighbours taken from the position table.
CitySiteCode CitySiteCodeOf(int position, int corner);

constexpr PickCode ToPickCode(std::int32_t id) { return id + 1; }
constexpr std::int32_t FromPickCode(PickCode code) { return code - 1; }

// Road sites are drawn, and picked, in the piece's turned frame: the pick
// names drawn side c (0..5). The logical side is (1 - c + rotation / 60) mod 6,
// rotation being a whole multiple of 60 degrees.
int LogicalSideOfDrawnSide(int drawnSide, double rotation);
// A picked road id position * 10 + c turned into the EdgeId of its logical side.
EdgeId EdgeIdFromRoadPick(std::int32_t pickedId, double rotation);
