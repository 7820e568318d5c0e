#include "engine/board/location_ids.h"

#include <cmath>

#include "engine/board/board_geometry.h"

CitySiteCode CitySiteCodeOf(int position, int corner) {
  return MakeCitySiteCode({position, TableNeighbor(position, corner),
                           TableNeighbor(position, corner - 1), Wrap6(corner)});
}

int LogicalSideOfDrawnSide(int drawnSide, double rotation) {
  // Whole turns of 60 degrees; a stored rotation that is not a finite number
  // counts as unturned rather than feeding an undefined conversion.
  int turns = 0;
  if (std::isfinite(rotation)) turns = static_cast<int>(std::lround(std::fmod(rotation / 60.0, 6.0)));
  return Wrap6(1 - drawnSide + turns);
}

EdgeId EdgeIdFromRoadPick(std::int32_t pickedId, double rotation) {
  return MakeEdgeId(IdPosition(pickedId), LogicalSideOfDrawnSide(IdIndex(pickedId), rotation));
}
