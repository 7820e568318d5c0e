#pragma once

#include <array>

#include "engine/board/board_kind.h"
#include "engine/board/location_ids.h"

// Geometry of the road-step markers of the initial placement: the lines along
// the sides that meet at the settlement just placed, without the one at sea.

// A coast corner whose other two pieces are both frame: its third side runs
// between two sea tiles and takes no road.
bool TouchesSingleLandTile(BoardKind kind, CornerId corner);

// The turns about y (degrees) of the lines drawn from the settlement corner
// along its sides; a line of length 5 along +x turned by each reaches the
// next corner. The sea side is left out (count 2) at a single-land corner.
struct RoadStepLines {
  std::array<double, 3> angles{};
  int count = 0;
};
RoadStepLines InitialRoadLines(BoardKind kind, CornerId corner);
