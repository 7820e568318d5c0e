// hexstead-cli replay N --to K | --turn T: runs the replay kept with stored
// game N up to a moment of the game and prints the state there, as the game
// window's replay bar shows it. Nothing is written.
#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli_command.h"
#include "play_state_json.h"
#include "records/game.h"
#include "records/game_database.h"
#include "records/replay_store.h"
#include "replay_positions.h"

namespace {

constexpr const char* kUsage = "usage: hexstead-cli [--data DIR] replay N --to K | --turn T\n";

std::optional<std::string> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int Replay(CliContext& context, const std::vector<std::string>& args) {
  int index = -1;
  int moment = -1;
  if (args.size() != 3 || !ParseGameIndex(args[0], index) || (args[1] != "--to" && args[1] != "--turn") ||
      !ParseGameIndex(args[2], moment)) {
    *context.err << kUsage;
    return 1;
  }
  const bool byTurn = args[1] == "--turn";

  CGameDatabase database(context.dataDir);
  if (!CheckGameIndex(context, index, database.GameCount())) return 1;
  CGame game;
  database.ReadHeader(index, game);
  const std::optional<std::string> path = FindReplay(context.dataDir, game);
  if (!path) {
    *context.err << "error: game " << index << " has no replay (an imported game, or one stored before replays): "
                 << ReplayPath(context.dataDir, game) << " does not exist\n";
    return 1;
  }
  const std::optional<std::string> script = ReadFile(*path);
  if (!script) {
    *context.err << "error: cannot read " << *path << '\n';
    return 1;
  }
  try {
    ReplayPositions replay(*script, context.dataDir);
    int position = moment;
    if (byTurn) {
      position = replay.LastPositionOfTurn(moment);
      if (position < 0) {
        *context.err << "error: --turn " << moment << ": game " << index << " has " << replay.At(replay.InputCount()).turn
                     << " turns\n";
        return 1;
      }
    } else if (position > replay.InputCount()) {
      *context.err << "error: --to " << moment << ": the replay of game " << index << " has " << replay.InputCount()
                   << " inputs\n";
      return 1;
    }
    *context.out << "state: " << SessionStateJson(*replay.SessionAt(position)).dump() << '\n';
  } catch (const ScriptError& e) {
    *context.err << "error: " << *path << ": line " << e.line << ": " << e.what() << '\n';
    return 1;
  }
  return 0;
}

REGISTER_CLI_COMMAND("replay", "replay N --to K | --turn T  print stored game N's state after input K or turn T",
                     Replay);

}  // namespace
