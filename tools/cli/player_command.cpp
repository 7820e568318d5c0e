// hexstead-cli player: the page of one person (record, rivals and habits over
// every stored game), the same figures the player page window shows.
#include <ostream>
#include <string>
#include <vector>

#include "cli_command.h"
#include "cli_databases.h"
#include "records/text_encoding.h"
#include "luck_replay.h"
#include "stats/player_page.h"

namespace {

constexpr const char* kUsage = "usage: hexstead-cli player INDEX [--csv]";

int PlayerPage(CliContext& context, const std::vector<std::string>& args) {
  bool csv = false;
  std::vector<std::string> rest;
  for (const std::string& arg : args) {
    if (arg == "--csv") csv = true; else rest.push_back(arg);
  }
  int index = -1;
  if (rest.size() != 1 || !ParseGameIndex(rest[0], index)) {
    *context.err << "hexstead-cli: " << kUsage << '\n';
    return 1;
  }
  return RunGuarded(context, [&] {
    CliDatabases stored(context);
    CPlayerPage page = BuildPlayerPageWithLuck(stored.players, stored.games, index);
    *context.out << Cp1252ToUtf8(csv ? PlayerPageCsv(page) : PlayerPageText(page));
    return 0;
  });
}

}  // namespace

REGISTER_CLI_COMMAND("player", "player INDEX [--csv]       one player's record, rivals and habits over the stored games",
                     PlayerPage);
