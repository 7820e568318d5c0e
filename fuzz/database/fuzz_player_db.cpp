// player.db: whatever loads must save and load back to the same players.
#include <cstdlib>

#include "fuzz_files.h"
#include "records/player_database.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CMemoryFileSystem files;
  WriteFuzzFile(files, "player.db", data, size);
  CPlayerDatabase players(kFuzzDataDir, files);
  try {
    players.Load();
  } catch (const CDatabaseError&) {
  }
  std::vector<CPlayer> loaded = players.Players();
  players.Save();
  players.Load();
  if (players.Players().size() != loaded.size()) std::abort();
  for (std::size_t i = 0; i < loaded.size(); ++i) {
    const CPlayer& a = loaded[i];
    const CPlayer& b = players.Players()[i];
    if (a.firstName != b.firstName || a.lastName != b.lastName || a.playerId != b.playerId) std::abort();
  }
  return 0;
}
