// A stored game's replay is a file in the data folder: whatever it holds,
// looking back through it must end in positions or in a script error, never
// in a crash, and must write nothing.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <string>

#include "replay_positions.h"
#include "engine/session/session.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // A data folder that does not exist: no players known, nothing to write to.
  static const std::string dataDir = (std::filesystem::temp_directory_path() / "h3d-fuzz-replay-none").string();
  try {
    ReplayPositions replay(std::string(reinterpret_cast<const char*>(data), size), dataDir);
    const int last = replay.InputCount();
    for (int position : {last / 2, 0, last, last - 1}) {
      const ReplayPositions::ShownHistory shown =
          replay.HistoryShownWith(replay.SessionAt(position)->History().Log());
      for (std::size_t line = 0; line < shown.log.ItemCount(); ++line)
        replay.PositionAfterShownLine(line, std::max(position, 0), shown);
    }
    replay.NextTurnEnd(0);
    replay.PreviousTurnEnd(last);
  } catch (const std::exception&) {
    // A script error (or an unreadable player file) is reported, not fatal.
  }
  return 0;
}
