#include "engine/board/board.h"

#include <atomic>
#include <stdexcept>

namespace {

void RequireSiteIndex(int k) {
  if (k < 0 || k >= kDirections) throw std::out_of_range("corner or side index outside 0..5");
}

}  // namespace

CBoard::CBoard() : constants_(&ConstantsOf(BoardKind::Standard)) { Revise(); }

void CBoard::Revise() {
  // Shared by every board, so that no two boards that differ share a number.
  static std::atomic<std::uint64_t> lastRevision{0};
  revision_ = lastRevision.fetch_add(1, std::memory_order_relaxed) + 1;
}

CBoard::CBoard(BoardKind kind, CBoardRandom& random) : CBoard() { Reset(kind, random); }

CBoard FixedBoard(BoardKind kind) {
  CFixedRandom fixed({0});
  CBoardRandom random(fixed, [] { return std::int64_t{0}; });
  return CBoard(kind, random);
}

void CBoard::Reset(BoardKind kind, CBoardRandom& random) {
  constants_ = &ConstantsOf(kind);
  Revise();
  pieces_.clear();
  pieces_.reserve(TileCount());
  for (int position = 0; position < TileCount(); ++position) {
    pieces_.emplace_back(position, random);
  }
  entryCursor_ = 0;
  awaitingFirstChip_ = true;
  firstChip_ = -1;
  secondChip_ = -1;
  harbourIndex_ = {};
  robberTile = -1;
  robberPlacer = -1;
  longestRoadLength = 0;
  longestRoadPath.clear();
}

bool CBoard::IsFrameSide(int position, int side) const {
  // A missing neighbour counts as sea: no land touches the side either way.
  const int neighbour = TableNeighbor(position, side);
  return position >= LandCount() && !IsLandPosition(neighbour);
}

std::vector<PieceCorner> CBoard::CornerFormsOnBoard(int position, int corner) const {
  std::vector<PieceCorner> forms;
  ForEachCornerForm(position, corner, [&](PieceCorner form) { forms.push_back(form); });
  return forms;
}

std::vector<PieceSide> CBoard::SideFormsOnBoard(int position, int side) const {
  std::vector<PieceSide> forms;
  ForEachSideForm(position, side, [&](PieceSide form) { forms.push_back(form); });
  return forms;
}

void CBoard::SetBuilding(PieceCorner c, BuildingCode code) {
  Revise();
  static_cast<void>(Piece(c.position));  // throws for a position off the board
  RequireSiteIndex(c.corner);
  ForEachCornerForm(c.position, c.corner,
                    [&](PieceCorner form) { pieces_[form.position].building[form.corner] = code; });
}

void CBoard::UpgradeBuilding(PieceCorner c) { SetBuilding(c, Building(c) + 10); }

void CBoard::DowngradeBuilding(PieceCorner c) { SetBuilding(c, Building(c) - 10); }

void CBoard::SetRoad(PieceSide s, int player) {
  Revise();
  static_cast<void>(Piece(s.position));  // throws for a position off the board
  RequireSiteIndex(s.side);
  ForEachSideForm(s.position, s.side,
                  [&](PieceSide form) { pieces_[form.position].roadOwner[form.side] = player; });
}

void CBoard::SetEdgeMark(PieceSide s, std::int32_t mark) {
  Revise();
  static_cast<void>(Piece(s.position));  // throws for a position off the board
  RequireSiteIndex(s.side);
  ForEachSideForm(s.position, s.side,
                  [&](PieceSide form) { pieces_[form.position].edgeMark[form.side] = mark; });
}

void CBoard::ClearEdgeMarks() {
  Revise();
  for (CBoardPiece& piece : pieces_) piece.edgeMark.fill(0);
}

// Each copy is compared with the next one round the site: corner k of P with
// corner k+4 of N_k, which is compared with corner k+2 of N_(k-1), which is
// compared with corner k of P again; side k of P with side k+3 of N_k. A
// missing piece only drops the comparisons it takes part in, so every pair of
// copies on the board is still compared.
bool CBoard::IsConsistent() const {
  for (int p = 0; p < PieceCount(); ++p) {
    const CBoardPiece& piece = pieces_[p];
    if (piece.position != p) return false;
    for (int k = 0; k < kDirections; ++k) {
      const PieceCorner corner = CornerForms(p, k)[1];
      if (OnBoard(corner.position) && pieces_[corner.position].building[corner.corner] != piece.building[k])
        return false;
      const PieceSide side = OtherSideForm(p, k);
      if (!OnBoard(side.position)) continue;
      const CBoardPiece& other = pieces_[side.position];
      if (other.roadOwner[side.side] != piece.roadOwner[k] || other.edgeMark[side.side] != piece.edgeMark[k])
        return false;
    }
  }
  return true;
}
