#include "engine/board/board_piece.h"

#include <span>

#include "engine/board/random_source.h"
#include "records/archive.h"

namespace {

// Land rows are turned by a whole number of sixths: 0..240 degrees, and 300
// only for the single draw 32767.
double RandomRotation(CBoardRandom& random) {
  random.Reseed();
  return 60.0 * static_cast<int>(5.0 * random.Unit());
}

}  // namespace

CBoardPiece::CBoardPiece() {
  neighbor.fill(kNoPosition);
  roadOwner.fill(-1);
}

CBoardPiece::CBoardPiece(int position_, CBoardRandom& random) : CBoardPiece() {
  position = position_;
  if (!IsTablePosition(position)) return;
  const PositionRow& row = PositionTableRow(position);
  neighbor = row.neighbor;
  x = PositionX(position);
  z = PositionZ(position);
  rotation = row.randomRotation ? RandomRotation(random) : row.rotation;
}

CBoardPiece::CBoardPiece(int position_) : CBoardPiece(position_, CBoardRandom::Default()) {}

void CBoardPiece::Serialize(CArchive& ar) {
  std::array<double, 3> centre{x, y, z};
  if (ar.IsStoring()) {
    ar << position << static_cast<std::int32_t>(type) << chip << chipOrder;
    ar.WriteBlock(std::span<const std::int32_t>(neighbor));
    ar << desertMark;
    ar.WriteBlock(std::span<const double>(centre));
    ar << rotation;
    ar.WriteBlock(std::span<const std::int32_t>(roadOwner));
    ar.WriteBlock(std::span<const std::int32_t>(edgeMark));
    ar.WriteBlock(std::span<const std::int32_t>(building));
    return;
  }
  std::int32_t storedType = 0;
  ar >> position >> storedType >> chip >> chipOrder;
  type = static_cast<TileType>(storedType);
  ar.ReadBlock(std::span<std::int32_t>(neighbor));
  ar >> desertMark;
  ar.ReadBlock(std::span<double>(centre));
  x = centre[0];
  y = centre[1];
  z = centre[2];
  ar >> rotation;
  ar.ReadBlock(std::span<std::int32_t>(roadOwner));
  ar.ReadBlock(std::span<std::int32_t>(edgeMark));
  ar.ReadBlock(std::span<std::int32_t>(building));
}
