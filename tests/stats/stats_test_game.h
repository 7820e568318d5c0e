#pragma once

#include <string>
#include <vector>

#include "engine/board/player_colours.h"
#include "records/game.h"

// A game record with seats and nothing else, as the statistics tests build it.
inline CGame GameWithSeats(const std::vector<std::string>& names) {
  CGame game;
  for (size_t i = 0; i < names.size(); ++i) {
    CPlayerGame seat;
    size_t space = names[i].find(' ');
    seat.player = CPlayer(names[i].substr(0, space), space == std::string::npos ? "" : names[i].substr(space + 1),
                          static_cast<int32_t>(1000 + i));
    seat.color = SeatBoxColour(static_cast<int>(i) % kMaxPlayers);
    seat.SizePositions(37);
    game.players.push_back(seat);
  }
  return game;
}

inline CGame ThreeSeats() { return GameWithSeats({"Ann Lee", "Bo Ng", "Cy Roe"}); }

// Rolls a total for a seat the way the session records it.
inline void AddRoll(CGame& game, int seat, int total) {
  game.rolls.push_back(total);
  ++game.rollCounts[seat][total - 2];
}
