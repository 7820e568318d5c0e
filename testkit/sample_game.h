#pragma once

#include <cstdint>
#include <vector>

#include "engine/board/board.h"
#include "engine/session/history_log.h"
#include "records/game.h"

// A played-looking game on the standard board: three seats with filled
// counters (Ann Lee first, with 10 finished turns), rolls, a history with
// groups and entries, and a generated board with roads and buildings.
struct SampleGame {
  CGame game;
  CHistoryLog history;
  CBoard board;
};

// The seat of Ann Lee: standard board, 10 finished turns, every counter set.
CPlayerGame AnnLeeSeat();

// Built with a fixed clock and fixed random draws, so it is the same each time.
SampleGame MakeSampleGame();

// The bytes of the sample's game record.
std::vector<uint8_t> SampleRecordBytes(SampleGame& sample);
