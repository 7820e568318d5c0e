// hexstead-cli stats N [--csv]: the 23 statistics sections of stored game N,
// as the statistics window's grid shows them.
#include <ostream>
#include <string>
#include <vector>

#include "cli_command.h"
#include "records/game.h"
#include "records/game_database.h"
#include "records/text_encoding.h"
#include "stats/grid_text.h"

namespace {

constexpr const char* kUsage = "usage: hexstead-cli [--data DIR] stats N [--csv]\n";

int Stats(CliContext& context, const std::vector<std::string>& args) {
  bool csv = false;
  int index = -1;
  bool haveIndex = false;
  for (const std::string& arg : args) {
    if (arg == "--csv") {
      csv = true;
    } else if (!haveIndex && ParseGameIndex(arg, index)) {
      haveIndex = true;
    } else {
      *context.err << kUsage;
      return 1;
    }
  }
  if (!haveIndex) {
    *context.err << kUsage;
    return 1;
  }

  CGameDatabase database(context.dataDir);
  if (!CheckGameIndex(context, index, database.GameCount())) return 1;
  CGame game;
  database.ReadHeader(index, game);

  // The same layout and figures as the statistics window.
  *context.out << Cp1252ToUtf8(csv ? GameStatisticsAsCsv(game) : GameStatisticsAsTabbedText(game));
  return 0;
}

}  // namespace

REGISTER_CLI_COMMAND("stats", "stats [--data DIR] N [--csv]  print the statistics of stored game N (0 = first)",
                     Stats);
