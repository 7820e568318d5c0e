#include "engine/board/longest_road.h"

#include <algorithm>

namespace {

class CRoadSearch {
 public:
  CRoadSearch(CBoard& board, int player) : board_(board), player_(player) {}

  // Starts at side l of land piece j; returns whether a record was found.
  bool From(int j, int l) {
    record_ = false;
    path_.clear();
    PieceSide start{j, l};
    board_.SetEdgeMark(start, 1);
    path_.push_back(LowerForm(start));
    length_ = 1;
    for (int corner : {Wrap6(l + 1), l}) {
      if (PassesThrough(j, corner)) ExtendFromCorner(start, {j, corner});
    }
    board_.SetEdgeMark(start, 0);
    return record_;
  }

 private:
  // The smallest CornerId among the corner's forms on this board.
  int CanonicalCorner(PieceCorner c) const {
    int best = MakeCornerId(c.position, c.corner);
    for (const PieceCorner& f : CornerForms(c.position, c.corner)) {
      if (board_.OnBoard(f.position)) best = std::min(best, MakeCornerId(f.position, f.corner));
    }
    return best;
  }

  EdgeId LowerForm(PieceSide s) const {
    PieceSide other = OtherSideForm(s.position, s.side);
    if (board_.OnBoard(other.position) && other.position < s.position) return MakeEdgeId(other.position, other.side);
    return MakeEdgeId(s.position, s.side);
  }

  bool SameSide(PieceSide a, PieceSide b) const { return LowerForm(a) == LowerForm(b); }

  // A road continues through an empty corner or one of the player's own.
  bool PassesThrough(int position, int corner) const {
    BuildingCode code = board_.Piece(position).building[corner];
    return code == kNoBuilding || BuildingOwner(code) == player_;
  }

  // Tries both other sides meeting at `corner`, which `arrived` touches.
  void ExtendFromCorner(PieceSide arrived, PieceCorner corner) {
    for (const PieceSide& s : CornerSides(corner.position, corner.corner)) {
      if (!board_.OnBoard(s.position) || SameSide(s, arrived)) continue;
      Extend(s, CanonicalCorner(corner));
    }
  }

  void Extend(PieceSide side, int fromCorner) {
    if (board_.RoadOwner(side) != player_ || board_.EdgeMark(side) != 0) return;
    board_.SetEdgeMark(side, 1);
    path_.push_back(LowerForm(side));
    ++length_;
    PieceCorner far{side.position, side.side};
    if (CanonicalCorner(far) == fromCorner) far.corner = Wrap6(side.side + 1);
    if (PassesThrough(far.position, far.corner)) ExtendFromCorner(side, far);
    if (length_ > board_.longestRoadLength && length_ > 4) {
      board_.longestRoadLength = length_;
      board_.longestRoadPath = path_;
      record_ = true;
    }
    board_.SetEdgeMark(side, 0);
    path_.pop_back();
    --length_;
  }

  CBoard& board_;
  int player_;
  std::vector<EdgeId> path_;
  int length_ = 0;
  bool record_ = false;
};

}  // namespace

int LongestRoadSearch(CBoard& board, int player, int roadsBuilt, int holder) {
  if (roadsBuilt < 5) return -3;
  CRoadSearch search(board, player);
  bool record = false;
  for (int j = 0; j < board.LandCount(); ++j) {
    for (int l = 0; l < kDirections; ++l) {
      int n = board.Piece(j).neighbor[l];
      if (n < j || !board.OnBoard(n) || board.Piece(j).roadOwner[l] != player) continue;
      if (search.From(j, l)) record = true;
    }
  }
  if (!record) return -3;
  return player == holder ? -2 : holder;
}

RoadCutResult ReexamineLongestRoad(CBoard& board, int builder, int holder, const std::vector<int>& roadsBuilt) {
  RoadCutResult result;
  if (holder < 0 || holder == builder || holder >= static_cast<int>(roadsBuilt.size())) return result;
  int old = board.longestRoadLength;
  board.longestRoadLength = 0;
  LongestRoadSearch(board, holder, roadsBuilt[holder], holder);
  if (board.longestRoadLength >= old) return result;
  result.lost = holder;
  int best = 0, bestPlayer = -1, bestCount = 0;
  for (int i = 0; i < static_cast<int>(roadsBuilt.size()); ++i) {
    board.longestRoadLength = 0;
    board.longestRoadPath.clear();
    LongestRoadSearch(board, i, roadsBuilt[i], -1);
    int length = board.longestRoadLength;
    if (length > best) {
      best = length;
      bestPlayer = i;
      bestCount = 1;
    } else if (length == best && length > 0) {
      ++bestCount;
    }
  }
  board.longestRoadLength = 0;
  board.longestRoadPath.clear();
  if (bestCount == 1 && best >= 5) {
    result.gained = bestPlayer;
    LongestRoadSearch(board, bestPlayer, roadsBuilt[bestPlayer], -1);
  }
  return result;
}
