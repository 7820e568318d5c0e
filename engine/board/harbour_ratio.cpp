#include "engine/board/harbour_ratio.h"

#include <algorithm>

bool TouchesHarbourAt(const CBoard& board, int player, int framePosition) {
  if (!board.OnBoard(framePosition)) return false;
  const CBoardPiece& piece = board.Piece(framePosition);
  return std::any_of(piece.building.begin(), piece.building.end(), [&](BuildingCode code) {
    return code >= 10 && BuildingOwner(code) == player;
  });
}

namespace {

bool TouchesAny(const CBoard& board, int player, const std::vector<int>& positions) {
  return std::any_of(positions.begin(), positions.end(),
                     [&](int h) { return TouchesHarbourAt(board, player, h); });
}

}  // namespace

bool HasHarbour(const CBoard& board, int player, TileType harbour) {
  if (harbour == TileType::ThreeForOnePort) return TouchesAny(board, player, board.Harbours().threeForOne);
  if (!IsHarbour(harbour)) return false;
  return TouchesAny(board, player, board.Harbours().twoForOne[Index(harbour) - 8]);
}

int TradeRatio(const CBoard& board, int player, ResourceType resource) {
  if (HasHarbour(board, player, HarbourOf(resource))) return 2;
  if (HasHarbour(board, player, TileType::ThreeForOnePort)) return 3;
  return 4;
}
