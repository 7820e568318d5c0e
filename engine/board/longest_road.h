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
