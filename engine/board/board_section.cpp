#include "engine/board/board_section.h"

#include <utility>
#include <vector>

#include "engine/board/board.h"
#include "records/archive.h"

namespace {

// No road is longer than a player's fifteen roads; this leaves ample room.
constexpr std::size_t kMaxStoredPathLength = kDirections * kMaxPositions;

[[noreturn]] void Corrupt() { throw CArchiveException(CArchiveException::badIndex); }

BoardKind KindOfPieceCount(std::int32_t count) {
  for (BoardKind kind : {BoardKind::Standard, BoardKind::Large}) {
    if (ConstantsOf(kind).tileCount == count) return kind;
  }
  Corrupt();
}

// A loaded piece must be the table's piece of its index and hold only values
// the rules and the drawing can index with; anything else is a damaged file.
bool PieceFits(const CBoardPiece& piece, int index, const BoardConstants& c) {
  if (piece.position != index || piece.neighbor != PositionTableRow(index).neighbor) return false;
  if (Index(piece.type) < Index(TileType::Unset) || Index(piece.type) > Index(TileType::SheepPort)) {
    return false;
  }
  if (piece.chipOrder < 0 || piece.chipOrder >= c.chipCount) return false;
  for (int k = 0; k < kDirections; ++k) {
    if (piece.roadOwner[k] < -1 || piece.roadOwner[k] >= kMaxPlayers) return false;
    if (!IsValidBuildingCode(piece.building[k])) return false;
  }
  return true;
}

}  // namespace

void SerializeBoardSection(CArchive& ar, CBoard& board) {
  if (ar.IsStoring()) {
    ar << static_cast<std::int32_t>(board.PieceCount());
    for (CBoardPiece& piece : board.pieces_) piece.Serialize(ar);
    ar << static_cast<std::int32_t>(board.LandCount()) << board.longestRoadLength;
    ar.WriteInt32List(board.longestRoadPath);
    ar << board.robberTile;
    return;
  }

  std::int32_t count = 0;
  ar >> count;
  const BoardConstants& c = ConstantsOf(KindOfPieceCount(count));
  std::vector<CBoardPiece> pieces(count);
  for (int i = 0; i < count; ++i) {
    pieces[i].Serialize(ar);
    if (!PieceFits(pieces[i], i, c)) Corrupt();
  }
  std::int32_t landCount = 0;
  std::int32_t longestRoadLength = 0;
  ar >> landCount >> longestRoadLength;
  if (landCount != c.landCount) Corrupt();
  const std::size_t pathLength = ar.ReadCount(sizeof(std::int32_t));
  if (pathLength > kMaxStoredPathLength) Corrupt();
  std::vector<EdgeId> path(pathLength);
  for (EdgeId& edge : path) ar >> edge;
  std::int32_t robberTile = 0;
  ar >> robberTile;
  if (robberTile < -1 || robberTile >= count) Corrupt();

  // Everything read: assemble the board aside, so a damaged section
  // leaves the caller's board untouched.
  CBoard loaded;
  loaded.constants_ = &c;
  loaded.pieces_ = std::move(pieces);
  loaded.Revise();
  // Copies of a shared corner or side that disagree come from no real game.
  if (!loaded.IsConsistent()) Corrupt();
  loaded.entryCursor_ = c.tileCount;
  loaded.robberTile = robberTile;
  loaded.longestRoadLength = longestRoadLength;
  loaded.longestRoadPath = std::move(path);
  loaded.RebuildHarbourIndex();
  board = std::move(loaded);
}
