#include "records/replay_store.h"

#include "records/clock.h"
#include "records/game.h"

std::string CurrentJournalPath(const std::string& dataDir) { return dataDir + "/current-game.script"; }

std::string ReplayDirectory(const std::string& dataDir) { return dataDir + "/replays"; }

std::string ReplayFileName(const CGame& game) {
  return std::to_string(game.gameId) + "-" + std::to_string(TimeFromOleDays(game.startTime.days)) + ".script";
}

std::string ReplayPath(const std::string& dataDir, const CGame& game) {
  return ReplayDirectory(dataDir) + "/" + ReplayFileName(game);
}

std::optional<std::string> FindReplay(const std::string& dataDir, const CGame& game, IFileSystem& files) {
  std::string path = ReplayPath(dataDir, game);
  if (files.IsFile(path)) return path;
  return std::nullopt;
}
