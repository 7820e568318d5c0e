#pragma once

#include <string>

#include "engine/board/random_source.h"
#include "records/date_time.h"

class CBoard;
class CGame;
class CGameDatabase;
class CHistoryLog;

// What a game session needs from the world outside the game. The session's
// owner hands these in once; the session reaches no global for them, so a
// test can fix the time, the random draws and where finished games go.

// The local time, for turn lengths and the end of a game.
class ISessionClock {
 public:
  virtual ~ISessionClock() = default;
  virtual CDateTime Now() = 0;
};

// The program's clock (records/clock.h, which tests may freeze).
class CProgramClock final : public ISessionClock {
 public:
  CDateTime Now() override;
};

// Where a finished game is stored. Throws std::exception on failure; the
// session turns that into a notice for the window.
class IFinishedGameStore {
 public:
  virtual ~IFinishedGameStore() = default;
  virtual void StoreFinishedGame(CGame& game, CHistoryLog& history, CBoard& board) = 0;
};

// Appends finished games to a game database (game.db with keys.db). The
// application hands in its one database, so a stored game is listed at once.
class CGameDatabaseStore final : public IFinishedGameStore {
 public:
  explicit CGameDatabaseStore(CGameDatabase& database) : database_(database) {}
  void StoreFinishedGame(CGame& game, CHistoryLog& history, CBoard& board) override;

 private:
  CGameDatabase& database_;
};

// The services of one session; all three must outlive it.
struct SessionServices {
  ISessionClock& clock;
  CBoardRandom& random;  // board generation and piece rotations
  IFinishedGameStore& store;
};
