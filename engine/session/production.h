#pragma once

#include <cstdint>
#include <vector>

#include "engine/board/board.h"
#include "records/player_game.h"

// What one dice total produces, per player and resource: the cards received
// and the cards the robber withholds (counted against its placer).
struct RollProduction {
  SeatMatrix gains{};
  SeatMatrix withheld{};
};

// The production rule: every land position whose chip shows `total` gives 1
// card per settlement and 2 per city on its corners, except the robber's
// position, which withholds them. Players are served in seat order from the
// roller; with `bank` (trades tracked) each card comes out of that stock as
// far as it lasts, so earlier players are served first. A 7 produces nothing.
RollProduction ProductionOf(const CBoard& board, const std::vector<CPlayerGame>& seats, int32_t playerCount,
                            int32_t roller, int32_t total, const ResourceCounts* bank);
