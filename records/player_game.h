#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/board/building_code.h"
#include "engine/board/tile_type.h"
#include "records/player.h"

class CArchive;

// Five counts indexed by ResourceType: Timber, Wheat, Ore, Clay, Sheep.
using ResourceCounts = std::array<int32_t, kResourceCount>;
// The number of cards in five counts (a hand, a pile, a trade side).
inline int32_t CardTotal(const ResourceCounts& counts) {
  int32_t total = 0;
  for (int32_t n : counts) total += n;
  return total;
}
// Per other seat k (0..5, seat order of the game), five resource counts.
// Rows of missing seats and of the seat itself stay 0.
using SeatMatrix = std::array<ResourceCounts, kMaxPlayers>;

// One seat of one game: who sat there, the pieces and cards, and every
// statistics counter the session keeps. During play this is the live model
// of the player; a finished game stores it as it is.
class CPlayerGame {
 public:
  // The stored fields, in stored order.
  void Serialize(CArchive& ar);

  // Sizes `settlementsAt` and `citiesAt` to one entry per board position
  // (37 on the standard board, 52 on the large one), all 0.
  void SizePositions(std::size_t tileCount);

  // Smallest stored seat: empty names, no positions, no turns.
  static constexpr std::size_t kMinStoredSize = 834;

  CPlayer player;
  int32_t color = 0;  // 0x00BBGGRR
  std::vector<int32_t> settlementsAt;  // per board position: settlements on its corners
  std::vector<int32_t> citiesAt;       // per board position: cities on its corners
  int32_t victoryPoints = 0;
  ResourceCounts hand{};
  ResourceCounts gainedFromBoard{};  // produced by dice rolls
  SeatMatrix stolenFrom{};           // taken from seat k (robber or Monopoly)
  ResourceCounts gainedFromCards{};  // Year of Plenty
  SeatMatrix lostToRobber{};         // production blocked by the robber seat k placed
  SeatMatrix stolenBy{};             // taken by seat k (robber or Monopoly)
  ResourceCounts lostOnSeven{};      // discarded on rolls of 7
  int32_t roadsLeft = 15;
  int32_t citiesLeft = 4;
  int32_t settlementsLeft = 5;
  int32_t cardsBoughtThisTurn = 0;  // not yet playable
  int32_t cardsHeld = 0;            // held and playable
  // Victory Point, Monopoly, Road Building, Year of Plenty, Soldier.
  std::array<int32_t, 5> cardsPlayed{};
  int32_t cardPlayedThisTurn = 0;
  int32_t hasLargestArmy = 0;
  int32_t hasLongestRoad = 0;
  std::array<int32_t, 3> bankTrades{};  // at 2:1, 3:1, 4:1
  std::array<int32_t, kMaxPlayers> tradesWith{};  // with seat k
  ResourceCounts givenToBank{};
  ResourceCounts receivedFromBank{};
  SeatMatrix givenTo{};       // given to seat k in trades
  SeatMatrix receivedFrom{};  // received from seat k in trades
  std::vector<int32_t> turnSeconds;  // length of each finished turn, in turn order
};
