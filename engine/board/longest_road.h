#pragma once

#include "engine/board/board.h"

// The Longest Road search for `player`: the longest trail of the player's
// road sides in which no side is used twice (corners may be passed more than
// once), broken at corners holding another player's building. Only trails
// of 5 or more count, and only one strictly longer than the board's
// `longestRoadLength` is a new record; a record sets `longestRoadLength` and
// `longestRoadPath`.
//
// `roadsBuilt` is 15 minus the player's roads left; `holder` the player
// holding the Longest Road (-1 none). Returns -3 when no record was found,
// -2 when `player` already held it, -1 when nobody held it, else `holder`.
// The edge marks are used during the search and are all 0 afterwards.
int LongestRoadSearch(CBoard& board, int player, int roadsBuilt, int holder);

// A settlement of `builder` may cut the road of `holder` (the player holding
// the Longest Road, -1 none). When the holder's road is re-measured shorter
// than the record, the holder loses the bonus and it goes to the one player
// whose road is longest at 5 or more; with a tie, or nobody at 5, nobody
// holds it and `longestRoadLength` is 0. `roadsBuilt` gives 15 minus the
// roads left of each player (its size is the player count).
struct RoadCutResult {
  int lost = -1;    // the holder who lost the bonus, -1 none
  int gained = -1;  // the player who got it, -1 none
};
RoadCutResult ReexamineLongestRoad(CBoard& board, int builder, int holder, const std::vector<int>& roadsBuilt);
