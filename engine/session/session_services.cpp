#include "engine/session/session_services.h"

#include "records/clock.h"
#include "records/game_database.h"

CDateTime CProgramClock::Now() { return CClock::Now(); }

void CGameDatabaseStore::StoreFinishedGame(CGame& game, CHistoryLog& history, CBoard& board) {
  database_.AppendRecord(game, history, board, database_.RecordPath(), database_.KeyPath());
}
