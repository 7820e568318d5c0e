#include "records/replay_store.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>

#include "records/atomic_file.h"
#include "records/clock.h"
#include "records/game.h"

namespace {

// FNV-1a over the bytes of the values that make a stored game itself and
// never change once it is stored (a renamed player keeps the id).
class Fingerprint {
 public:
  template <typename T>
  void Add(const T& value) {
    unsigned char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    for (unsigned char b : bytes) hash_ = (hash_ ^ b) * 1099511628211ULL;
  }
  uint64_t Value() const { return hash_; }

 private:
  uint64_t hash_ = 14695981039346656037ULL;
};

}  // namespace

std::string CurrentJournalPath(const std::string& dataDir) { return dataDir + "/current-game.script"; }

std::string SetJournalAside(const std::string& dataDir, bool copy) {
  std::time_t now = static_cast<std::time_t>(CClock::NowSeconds());
  std::tm local{};
  localtime_r(&now, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  std::string base = dataDir + "/unfinished-" + stamp;
  std::string aside = base + ".script";
  for (int n = 2; std::filesystem::exists(aside); ++n) aside = base + "-" + std::to_string(n) + ".script";
  if (copy) {
    std::filesystem::copy_file(CurrentJournalPath(dataDir), aside);
  } else {
    DurableRename(CurrentJournalPath(dataDir), aside);
  }
  return aside;
}

std::string LastClosedJournalPath(const std::string& dataDir) { return dataDir + "/last-closed-game.script"; }

void KeepClosedJournal(const std::string& dataDir) {
  DurableRename(CurrentJournalPath(dataDir), LastClosedJournalPath(dataDir));
}

std::string ReplayDirectory(const std::string& dataDir) { return dataDir + "/replays"; }

std::string ReplayFileName(const CGame& game) {
  Fingerprint print;
  print.Add(game.startTime.days);
  print.Add(game.endTime.days);
  for (const CPlayerGame& seat : game.players) print.Add(seat.player.playerId);
  for (int32_t roll : game.rolls) print.Add(roll);
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(print.Value()));
  return std::to_string(game.gameId) + "-" + hex + ".script";
}

std::string ReplayPath(const std::string& dataDir, const CGame& game) {
  return ReplayDirectory(dataDir) + "/" + ReplayFileName(game);
}

std::optional<std::string> FindReplay(const std::string& dataDir, const CGame& game, IFileSystem& files) {
  std::string path = ReplayPath(dataDir, game);
  if (files.IsFile(path)) return path;
  return std::nullopt;
}
