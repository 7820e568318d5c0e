#pragma once

#include <optional>
#include <string>
#include <vector>

#include "records/file_system.h"
#include "stats/luck.h"

class CGame;

// The luck of a game from its replay: the script's inputs run through a
// session whose data directory lives in memory (nothing is written), while a
// luck tracker watches every input. The program's clock is the same
// afterwards. Throws ScriptError when the script does not run.
struct ReplayedLuck {
  std::vector<RollLuck> rolls;
  std::vector<int32_t> totals;  // the replayed game's dice, to check it against the stored game
};
ReplayedLuck LuckOfScript(const std::string& script);

// The replays of the stored games of a data directory.
class CReplayLuck : public IReplayLuck {
 public:
  explicit CReplayLuck(std::string dataDir, IFileSystem& files = RealFileSystem());
  // Nothing when the game has no replay, it does not run, or its dice are
  // not the stored game's.
  std::optional<std::vector<RollLuck>> RollsOf(const CGame& game) override;

 private:
  std::string dataDir_;
  IFileSystem& files_;
};

// A stored game's luck: from its replay when it has one, else its dice only.
GameLuck LuckOfStoredGame(const CGame& game, IReplayLuck& replays);
