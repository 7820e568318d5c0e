// A key index and record file pair: the first two bytes give the length of
// the key file, the rest after it is the record file. Whatever the pair
// holds, every indexed game has a readable header; a game whose body is
// damaged stays listed and is refused when opened, and never hides the games
// after it (the last indexed game always reads). A game appended afterwards
// comes back after the others, a rewrite keeps every game (the damaged ones
// byte for byte, so still listed and still refused), and deleting a damaged
// game leaves all the others.
#include <algorithm>
#include <cstdlib>

#include "engine/board/board.h"
#include "engine/session/history_log.h"
#include "fuzz_files.h"
#include "records/game.h"
#include "records/game_database.h"

namespace {

// Per indexed game: does its whole record read? Also checks the headers.
std::vector<bool> Readable(CGameDatabase& games, CGame* lastReadable, CHistoryLog* history, CBoard* board) {
  std::vector<bool> readable;
  games.ForEachHeader([](int, const CGame&) {});  // every listed header reads
  for (int i = 0; i < games.GameCount(); ++i) {
    CGame game;
    CHistoryLog h;
    CBoard b;
    try {
      games.ReadRecord(i, game, h, b);
    } catch (const CDatabaseError&) {
      readable.push_back(false);
      continue;
    }
    readable.push_back(true);
    if (lastReadable != nullptr) {
      *lastReadable = std::move(game);
      *history = std::move(h);
      *board = std::move(b);
    }
  }
  if (!readable.empty() && !readable.back()) std::abort();
  return readable;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  std::size_t keyLength = std::min<std::size_t>(data[0] | (data[1] << 8), size - 2);
  CMemoryFileSystem files;
  WriteFuzzFile(files, "keys.db", data + 2, keyLength);
  WriteFuzzFile(files, "game.db", data + 2 + keyLength, size - 2 - keyLength);
  CGameDatabase games(kFuzzDataDir, files);
  std::vector<int32_t> ids = games.GameIds();
  CGame last;
  CHistoryLog history;
  CBoard board;
  std::vector<bool> readable = Readable(games, &last, &history, &board);
  if (ids.empty()) return 0;

  // Store the last game again: it must land after the others.
  games.AppendRecord(last, history, board, games.RecordPath(), games.KeyPath());
  ids.push_back(last.gameId);
  readable.push_back(true);
  CGameDatabase appended(kFuzzDataDir, files);
  if (appended.GameIds() != ids || Readable(appended, nullptr, nullptr, nullptr) != readable) std::abort();

  // A rewrite keeps every game, readable or not, in order.
  appended.RewriteGames(nullptr);
  CGameDatabase rewritten(kFuzzDataDir, files);
  if (rewritten.GameIds() != ids || Readable(rewritten, nullptr, nullptr, nullptr) != readable) std::abort();

  // Deleting the first damaged game keeps all the others.
  auto damaged = std::find(readable.begin(), readable.end(), false);
  if (damaged == readable.end()) return 0;
  auto index = damaged - readable.begin();
  rewritten.DeleteGame(static_cast<int>(index));
  ids.erase(ids.begin() + index);
  readable.erase(damaged);
  CGameDatabase deleted(kFuzzDataDir, files);
  if (deleted.GameIds() != ids || Readable(deleted, nullptr, nullptr, nullptr) != readable) std::abort();
  return 0;
}
