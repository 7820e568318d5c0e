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

// One field in the archive's direction, so Serialize lists each field once.
template <typename T>
void Field(CArchive& ar, T& value) {
  if (ar.IsStoring()) {
    ar << value;
  } else {
    ar >> value;
  }
}

// A raw block; a short read leaves the rest of the field as it was.
template <typename T>
void Block(CArchive& ar, std::span<T> values) {
  if (ar.IsStoring()) {
    ar.WriteBlock(std::span<const T>(values));
  } else {
    ar.ReadBlock(values);
  }
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


void CBoardPiece::Serialize(CArchive& ar) {
  std::int32_t storedType = Index(type);
  std::array<double, 3> centre{x, y, z};
  Field(ar, position);
  Field(ar, storedType);
  Field(ar, chip);
  Field(ar, chipOrder);
  Block(ar, std::span<std::int32_t>(neighbor));
  Field(ar, desertMark);
  Block(ar, std::span<double>(centre));
  Field(ar, rotation);
  Block(ar, std::span<std::int32_t>(roadOwner));
  Block(ar, std::span<std::int32_t>(edgeMark));
  Block(ar, std::span<std::int32_t>(building));
  if (ar.IsLoading()) {
    type = static_cast<TileType>(storedType);
    x = centre[0];
    y = centre[1];
    z = centre[2];
  }
}
