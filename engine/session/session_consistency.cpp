#include <vector>

#include "engine/board/placement_rules.h"
#include "engine/session/session.h"

namespace {

bool Fail(std::string* why, std::string text) {
  if (why != nullptr) *why = std::move(text);
  return false;
}

}  // namespace

bool CGameSession::IsConsistent(std::string* why) const {
  if (!board_.IsConsistent()) return Fail(why, "shared corner or side copies differ");
  for (const CBoardPiece& piece : board_.Pieces())
    for (int32_t mark : piece.edgeMark)
      if (mark != 0) return Fail(why, "edge mark left at " + std::to_string(piece.position));
  if (f_.playerCount != static_cast<int32_t>(game_.players.size())) return Fail(why, "player count differs");

  // Cards: every card is in a hand or in the bank.
  for (int r = 0; r < kResourceCount; ++r) {
    int32_t total = f_.bank[r];
    for (const CPlayerGame& seat : game_.players) {
      if (seat.hand[r] < 0) return Fail(why, "negative hand");
      total += seat.hand[r];
    }
    if (f_.bank[r] < 0) return Fail(why, "negative bank");
    if (Tracks() && total != board_.Constants().bankStock)
      return Fail(why, "hands and bank hold " + std::to_string(total) + " of resource " + std::to_string(r));
  }

  // Pieces: the board holds exactly what the players have placed.
  std::vector<int32_t> settlements(6), cities(6), roads(6);
  std::vector<std::vector<int32_t>> settlementsAt(6, std::vector<int32_t>(board_.PieceCount())),
      citiesAt(6, std::vector<int32_t>(board_.PieceCount()));
  // Each corner and side counted once, under its canonical id.
  std::vector<bool> cornerSeen(10 * board_.PieceCount()), sideSeen(10 * board_.PieceCount());
  auto firstSight = [](std::vector<bool>& seen, int32_t id) {
    if (seen.at(id)) return false;
    seen.at(id) = true;
    return true;
  };
  for (const CBoardPiece& piece : board_.Pieces()) {
    for (int k = 0; k < 6; ++k) {
      BuildingCode code = piece.building[k];
      if (code != kNoBuilding) {
        int owner = BuildingOwner(code);
        if (owner >= f_.playerCount) return Fail(why, "building of no player");
        (IsCity(code) ? citiesAt : settlementsAt)[owner][piece.position] += 1;
        if (firstSight(cornerSeen, CanonicalCorner(board_, MakeCornerId(piece.position, k))))
          (IsCity(code) ? cities : settlements)[owner] += 1;
      }
      int32_t road = piece.roadOwner[k];
      if (road >= 0 && firstSight(sideSeen, CanonicalEdge(board_, MakeEdgeId(piece.position, k)))) {
        if (road >= f_.playerCount) return Fail(why, "road of no player");
        roads[road] += 1;
      }
    }
  }
  int32_t longestHolders = 0, armyHolders = 0;
  for (int32_t p = 0; p < f_.playerCount; ++p) {
    const CPlayerGame& seat = P(p);
    std::string who = "player " + std::to_string(p) + ": ";
    if (settlements[p] != 5 - seat.settlementsLeft) return Fail(why, who + "settlements left do not match");
    if (cities[p] != 4 - seat.citiesLeft) return Fail(why, who + "cities left do not match");
    if (roads[p] != 15 - seat.roadsLeft) return Fail(why, who + "roads left do not match");
    for (int b = 0; b < board_.PieceCount(); ++b) {
      if (b >= static_cast<int>(seat.settlementsAt.size()) || seat.settlementsAt[b] != settlementsAt[p][b] ||
          seat.citiesAt[b] != citiesAt[p][b])
        return Fail(why, who + "per-position counts do not match at " + std::to_string(b));
    }
    if (seat.cardsHeld < 0 || seat.cardsBoughtThisTurn < 0) return Fail(why, who + "negative card count");
    longestHolders += seat.hasLongestRoad;
    armyHolders += seat.hasLargestArmy;
    // Visible points come from the board, the bonuses and revealed cards.
    int32_t points = settlements[p] + 2 * cities[p] + 2 * seat.hasLongestRoad + 2 * seat.hasLargestArmy +
                     seat.cardsPlayed[0];
    if (f_.gameState != GameOver && seat.victoryPoints != points)
      return Fail(why, who + "victory points " + std::to_string(seat.victoryPoints) + " should be " +
                           std::to_string(points));
  }
  if (longestHolders > 1 || armyHolders > 1) return Fail(why, "a bonus has two holders");
  if (longestHolders == 0 && board_.longestRoadLength != 0) return Fail(why, "a road record without a holder");
  return true;
}
