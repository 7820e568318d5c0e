// An import file into an empty database: the games reported as added are
// exactly the games the database then holds, each readable.
#include <cstdlib>

#include "engine/board/board.h"
#include "engine/session/history_log.h"
#include "fuzz_files.h"
#include "records/game.h"
#include "records/game_database.h"
#include "records/game_exchange.h"
#include "records/player_database.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CMemoryFileSystem files;
  WriteFuzzFile(files, "in.h3d", data, size);
  CGameDatabase games(kFuzzDataDir, files);
  CPlayerDatabase players(kFuzzDataDir, files);
  SilentUi ui;
  CImportOutcome outcome = ImportGames(games, players, std::string(kFuzzDataDir) + "/in.h3d", ui);
  CGameDatabase reopened(kFuzzDataDir, files);
  if (reopened.GameCount() != outcome.added) std::abort();
  for (int i = 0; i < reopened.GameCount(); ++i) {
    CGame game;
    CHistoryLog history;
    CBoard board;
    reopened.ReadRecord(i, game, history, board);
  }
  return 0;
}
