#include "engine/board/placement_rules.h"

#include <algorithm>

namespace {

bool IsOwnedBy(BuildingCode code, int player) {
  return code != kNoBuilding && BuildingOwner(code) == player;
}

// Corner k of land piece P is listed from P only when N_k has the higher
// position, which names each corner touching land once or twice but never
// from two sides of the same piece pair.
bool ListedFrom(const CBoard& board, int position, int corner) {
  int n = board.Piece(position).neighbor[corner];
  return n > position && board.OnBoard(n);
}

void AddBothForms(const CBoard& board, std::vector<EdgeId>& out, int position, int side) {
  for (const PieceSide& s : board.SideFormsOnBoard(position, side)) out.push_back(MakeEdgeId(s.position, s.side));
}

}  // namespace

// Both walk the forms as CornerFormsOnBoard and SideFormsOnBoard list them,
// without building a list: the consistency check and every click on an
// offered site ask for many of them.
CornerId CanonicalCorner(const CBoard& board, CornerId corner) {
  CornerId best = corner;
  if (!board.OnBoard(IdPosition(corner))) return best;
  for (const PieceCorner& c : CornerForms(IdPosition(corner), IdIndex(corner)))
    if (board.OnBoard(c.position)) best = std::min(best, MakeCornerId(c.position, c.corner));
  return best;
}

EdgeId CanonicalEdge(const CBoard& board, EdgeId edge) {
  const int position = IdPosition(edge), side = IdIndex(edge);
  if (!board.OnBoard(position)) return edge;
  EdgeId best = std::min(edge, MakeEdgeId(position, Wrap6(side)));
  const PieceSide other = OtherSideForm(position, side);
  if (board.OnBoard(other.position)) best = std::min(best, MakeEdgeId(other.position, other.side));
  return best;
}

bool PassesDistanceRule(const CBoard& board, CornerId corner) {
  if (board.Building(corner) != kNoBuilding) return false;
  for (const PieceCorner& c : AdjacentCorners(IdPosition(corner), IdIndex(corner))) {
    if (board.OnBoard(c.position) && board.Building(c) != kNoBuilding) return false;
  }
  return true;
}

bool CornerTouchesRoad(const CBoard& board, CornerId corner, int player) {
  for (const PieceSide& s : CornerSides(IdPosition(corner), IdIndex(corner))) {
    if (board.OnBoard(s.position) && board.RoadOwner(s) == player) return true;
  }
  return false;
}

bool IsSeaSide(const CBoard& board, EdgeId edge) {
  int position = IdPosition(edge);
  if (!board.OnBoard(position)) return true;
  int n = board.Piece(position).neighbor[IdIndex(edge)];
  if (!board.OnBoard(n)) return true;
  return !board.IsLandPosition(position) && !board.IsLandPosition(n);
}

std::vector<CornerId> OfferedInitialSettlements(const CBoard& board) {
  std::vector<CornerId> out;
  for (int p = 0; p < board.LandCount(); ++p) {
    for (int k = 0; k < kDirections; ++k) {
      if (ListedFrom(board, p, k) && PassesDistanceRule(board, MakeCornerId(p, k))) out.push_back(MakeCornerId(p, k));
    }
  }
  return out;
}

std::array<EdgeId, 6> InitialRoadCandidates(const CBoard& board, CornerId settlement) {
  std::array<EdgeId, 6> out{-1, -1, -1, -1, -1, -1};
  std::size_t n = 0;
  for (const PieceSide& s : CornerSides(IdPosition(settlement), IdIndex(settlement))) {
    EdgeId id = MakeEdgeId(s.position, s.side);
    if (IsSeaSide(board, id)) continue;
    for (const PieceSide& form : board.SideFormsOnBoard(s.position, s.side)) {
      if (n < out.size()) out[n++] = MakeEdgeId(form.position, form.side);
    }
  }
  return out;
}

std::vector<EdgeId> OfferedRoads(const CBoard& board, int player) {
  std::vector<EdgeId> out;
  for (int p = 0; p < board.PieceCount(); ++p) {
    const CBoardPiece& piece = board.Piece(p);
    for (int f = 0; f < kDirections; ++f) {
      if (piece.roadOwner[f] != player) continue;
      // The side before f meets it at corner f, the side after at corner f+1.
      const int sides[2] = {Wrap6(f - 1), Wrap6(f + 1)};
      const int corners[2] = {f, Wrap6(f + 1)};
      for (int i = 0; i < 2; ++i) {
        EdgeId id = MakeEdgeId(p, sides[i]);
        if (piece.roadOwner[sides[i]] != -1 || IsSeaSide(board, id)) continue;
        BuildingCode between = piece.building[corners[i]];
        if (between != kNoBuilding && !IsOwnedBy(between, player)) continue;
        AddBothForms(board, out, p, sides[i]);
      }
    }
  }
  return out;
}

std::vector<CornerId> OfferedSettlements(const CBoard& board, int player) {
  std::vector<CornerId> out;
  for (int p = 0; p < board.LandCount(); ++p) {
    for (int k = 0; k < kDirections; ++k) {
      CornerId id = MakeCornerId(p, k);
      if (ListedFrom(board, p, k) && PassesDistanceRule(board, id) && CornerTouchesRoad(board, id, player))
        out.push_back(id);
    }
  }
  return out;
}

std::vector<CitySiteCode> OfferedCities(const CBoard& board, int player) {
  std::vector<CitySiteCode> out;
  for (int p = 0; p < board.LandCount(); ++p) {
    for (int k = 0; k < kDirections; ++k) {
      if (ListedFrom(board, p, k) && board.Piece(p).building[k] == SettlementCode(player))
        out.push_back(CitySiteCodeOf(p, k));
    }
  }
  return out;
}

bool OffersCorner(const CBoard& board, const std::vector<CornerId>& offered, CornerId id) {
  if (!board.OnBoard(IdPosition(id)) || IdIndex(id) >= kDirections || id < 0) return false;
  CornerId canon = CanonicalCorner(board, id);
  return std::any_of(offered.begin(), offered.end(),
                     [&](CornerId o) { return CanonicalCorner(board, o) == canon; });
}

bool OffersEdge(const CBoard& board, const std::vector<EdgeId>& offered, EdgeId id) {
  if (!board.OnBoard(IdPosition(id)) || IdIndex(id) >= kDirections || id < 0) return false;
  return std::find(offered.begin(), offered.end(), id) != offered.end();
}
