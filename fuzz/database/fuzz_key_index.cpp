// A key index and record file pair: the first two bytes give the length of
// the key file, the rest after it is the record file. Whatever the pair
// holds, the games indexed must read, and a game appended afterwards must
// come back after them.
#include <cstdlib>

#include "engine/board/board.h"
#include "engine/session/history_log.h"
#include "fuzz_files.h"
#include "records/game.h"
#include "records/game_database.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  std::size_t keyLength = std::min<std::size_t>(data[0] | (data[1] << 8), size - 2);
  std::string dir = FreshDataDir();
  WriteFuzzFile(dir + "/keys.db", data + 2, keyLength);
  WriteFuzzFile(dir + "/game.db", data + 2 + keyLength, size - 2 - keyLength);
  CGameDatabase games(dir);
  std::vector<int32_t> ids = games.GameIds();
  CGame last;
  CHistoryLog history;
  CBoard board;
  for (int i = 0; i < games.GameCount(); ++i) games.ReadRecord(i, last, history, board);
  if (ids.empty()) return 0;
  // Store the last game again: it must land after the others.
  games.AppendRecord(last, history, board, games.RecordPath(), games.KeyPath());
  ids.push_back(last.gameId);
  if (CGameDatabase(dir).GameIds() != ids) std::abort();
  return 0;
}
