// hexstead-cli player: the page of one person (record, rivals and habits over
// every stored game), the same figures the player page window shows.
#include <ostream>
#include <string>
#include <vector>

#include "cli_command.h"
#include "records/database_ui.h"
#include "records/game_database.h"
#include "records/player_database.h"
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
  try {
    CGameDatabase games(context.dataDir);
    CPlayerDatabase players(context.dataDir);
    players.Load();
    CPlayerPage page = BuildPlayerPageWithLuck(players, games, index);
    *context.out << Cp1252ToUtf8(csv ? PlayerPageCsv(page) : PlayerPageText(page));
    return 0;
  } catch (const CDatabaseError& e) {
    PrintMessage(context, kDatabaseErrorCaption, e.what());
  } catch (const CFileError& e) {
    PrintMessage(context, kDatabaseErrorCaption, e.what());
  }
  return 1;
}

}  // namespace

REGISTER_CLI_COMMAND("player", "player INDEX [--csv]       one player's record, rivals and habits over the stored games",
                     PlayerPage);
