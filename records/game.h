#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "records/date_time.h"
#include "records/player_game.h"

class CArchive;

// Dice totals 2..12 counted per seat: row = seat, column = total - 2.
using RollCounts = std::array<std::array<int32_t, 11>, kMaxPlayers>;

// The header of one game: when it ran, its options, its seats in playing
// order and every dice total. During play it is the live game record.
class CGame {
 public:
  // A new game: started now, identified by the clock's seconds now.
  CGame();
  // A new game started at `startSeconds` (seconds since 1970), its id.
  explicit CGame(int32_t startSeconds);

  // The stored fields, in stored order (seats included).
  void Serialize(CArchive& ar);

  // Stored header without seats, rolls or names: 308 bytes.
  static constexpr std::size_t kMinStoredSize = 308;

  // --- stored -------------------------------------------------------------
  CDateTime startTime;
  CDateTime endTime;  // 0.0 (valid) until the game ends
  int32_t gameId = 0;  // time_t seconds when the record was created
  int32_t trackTrades = 0;     // "Keep track of trades" was on
  int32_t boardGenerated = 0;  // "Have Hexstead3D generate a game board" was on
  std::vector<CPlayerGame> players;  // seats in playing order
  std::vector<int32_t> rolls;        // every dice total, in order
  RollCounts rollCounts{};

  // --- kept in memory only ------------------------------------------------
  CDateTime turnStart;  // when the current turn began; 0.0 before the first
  int32_t gameOn = 1;   // 0 for a finished game opened from storage
};
