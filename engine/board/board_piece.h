#pragma once

#include <array>
#include <cstdint>

#include "engine/board/board_geometry.h"
#include "engine/board/building_code.h"
#include "engine/board/tile_type.h"

class CArchive;
class CBoardRandom;

// One board position: what lies there, its chip, its place in the world and
// what has been built on its sides and corners. Corners and sides shared with
// neighbours are stored in every touching piece; change them only through the
// board's shared-site accessors (CBoard) so that the copies stay equal.
class CBoardPiece {
 public:
  static constexpr const char* kClassName = "CBoardPiece";
  static constexpr int kSchema = 1;
  static constexpr std::size_t kStoredSize = 148;  // bytes written by Serialize

  // A blank record (position -1) as created before loading; takes nothing
  // from the position table.
  CBoardPiece();
  // The piece of `position`: neighbours, coordinates and rotation from the
  // position table; land rows 0..18 are turned at random (reseeding `random`
  // from the clock first).
  CBoardPiece(int position, CBoardRandom& random);
  CBoardPiece(const CBoardPiece&) = default;
  CBoardPiece& operator=(const CBoardPiece&) = default;
  virtual ~CBoardPiece() = default;

  // Writes or reads the 148 stored bytes, fields in declaration order.
  virtual void Serialize(CArchive& ar);

  bool operator==(const CBoardPiece&) const = default;

  std::int32_t position = -1;
  TileType type = TileType::Unset;
  std::int32_t chip = 0;       // 2..12 on a land tile, 0 none
  std::int32_t chipOrder = 0;  // index in the chip sequence; selects the face
  std::array<std::int32_t, kDirections> neighbor{};  // -1 none
  std::int32_t desertMark = 0;  // 1 on a Desert once the chips are laid
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
  double rotation = 0.0;  // degrees about the vertical axis
  std::array<std::int32_t, kDirections> roadOwner{};  // per side: player, -1 none
  std::array<std::int32_t, kDirections> edgeMark{};   // per side: longest-road search mark
  std::array<BuildingCode, kDirections> building{};   // per corner
};
