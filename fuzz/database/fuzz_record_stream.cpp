// A record file without its key index: the index is derived by reading the
// records one after another; every game it lists must read completely, and
// listing, figures and rewriting must never fail on what was indexed.
#include <cstdlib>

#include "engine/board/board.h"
#include "engine/session/history_log.h"
#include "fuzz_files.h"
#include "records/game.h"
#include "records/game_database.h"
#include "records/game_list.h"
#include "records/player_database.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CMemoryFileSystem files;
  WriteFuzzFile(files, "game.db", data, size);
  CGameDatabase games(kFuzzDataDir, files);
  int count = games.GameCount();
  for (int i = 0; i < count; ++i) {
    CGame game;
    CHistoryLog history;
    CBoard board;
    games.ReadRecord(i, game, history, board);  // raises (and aborts the run) if indexed but unreadable
  }
  if (GameList(games).size() != static_cast<std::size_t>(count)) std::abort();
  CPlayerDatabase players(kFuzzDataDir, files);
  SilentUi ui;
  players.ImportFromGames(games, ui);
  if (players.Figures(games).size() != static_cast<std::size_t>(players.Count())) std::abort();
  // A rewrite keeps every indexed game, in order.
  std::vector<int32_t> ids = games.GameIds();
  games.RewriteGames(nullptr);
  if (CGameDatabase(kFuzzDataDir, files).GameIds() != ids) std::abort();
  return 0;
}
