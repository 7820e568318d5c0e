#pragma once

#include <optional>
#include <string>
#include <vector>

#include "luck_cache.h"
#include "records/file_system.h"
#include "stats/luck.h"
#include "stats/player_page.h"

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

// The replays of the stored games of a data directory; the per-seat figures
// of each replay run are kept in <dataDir>/replays/luck-cache.txt.
class CReplayLuck : public IReplayLuck {
 public:
  explicit CReplayLuck(std::string dataDir, IFileSystem& files = RealFileSystem());
  // Nothing when the game has no replay, it does not run, or its dice are
  // not the stored game's.
  std::optional<std::vector<RollLuck>> RollsOf(const CGame& game) override;
  std::optional<std::vector<double>> SeatLuckOf(const CGame& game) override;

 private:
  std::optional<std::vector<RollLuck>> Replay(const CGame& game, const std::vector<uint8_t>& script);

  std::string dataDir_;
  IFileSystem& files_;
  CLuckCache cache_;
};

// A stored game's luck: from its replay when it has one, else its dice only.
GameLuck LuckOfStoredGame(const CGame& game, IReplayLuck& replays);

// The page of player `index` of `players` (see BuildPlayerPage) with the
// average luck of their games that have a replay.
CPlayerPage BuildPlayerPageWithLuck(const CPlayerDatabase& players, CGameDatabase& games, int index);
