// hexstead-cli commands for the game and player databases, import and
// export. Message boxes print as "message: CAPTION: TEXT"; a question prints
// the same way followed by "answer: yes" or "answer: no".
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <system_error>
#include <vector>

#include "cli_command.h"
#include "cli_databases.h"
#include "luck_replay.h"
#include "records/atomic_file.h"
#include "records/database_ui.h"
#include "records/game_database.h"
#include "records/game_exchange.h"
#include "records/game_list.h"
#include "records/player_database.h"
#include "records/player_list.h"
#include "records/text_encoding.h"

namespace {

class CliDatabaseUi : public IDatabaseUi {
 public:
  CliDatabaseUi(CliContext& context, bool answer) : context_(context), answer_(answer) {}
  void ShowMessage(const std::string& caption, const std::string& text) override {
    PrintMessage(context_, caption, text);
  }
  bool AskYesNo(const std::string& caption, const std::string& text) override {
    PrintMessage(context_, caption, text);
    *context_.out << "answer: " << (answer_ ? "yes" : "no") << '\n';
    return answer_;
  }

 private:
  CliContext& context_;
  bool answer_;
};

int ParseIndex(const std::string& text) {
  int value = -1;
  if (!ParseGameIndex(text, value)) throw CliUsageError("not an index: '" + text + "'");
  return value;
}

void RequireArgs(const std::vector<std::string>& args, std::size_t least, std::size_t most, const char* usage) {
  if (args.size() < least || args.size() > most) throw CliUsageError(std::string("usage: hexstead-cli ") + usage);
}

// Writing commands create the data directory the way the program would.
void EnsureDataDir(const CliContext& context) {
  std::error_code error;
  std::filesystem::create_directories(context.dataDir, error);
}

// ---------------------------------------------------------------- games

int ListGames(CliContext& context, const std::vector<std::string>& args) {
  return RunGuarded(context, [&] {
    RequireArgs(args, 0, 0, "games");
    CGameDatabase games(context.dataDir);
    for (const CGameListRow& row : GameList(games)) {
      *context.out << row.index << '\t' << row.date << '\t' << row.time << '\t' << row.playerCount << '\t'
                   << row.length << '\t' << Cp1252ToUtf8(row.players) << '\n';
    }
    return 0;
  });
}

int DeleteGame(CliContext& context, const std::vector<std::string>& args) {
  return RunGuarded(context, [&] {
    RequireArgs(args, 1, 1, "delete N");
    CGameDatabase games(context.dataDir);
    games.DeleteGame(ParseIndex(args[0]));
    return 0;
  });
}

int Export(CliContext& context, const std::vector<std::string>& args) {
  return RunGuarded(context, [&] {
    RequireArgs(args, 2, SIZE_MAX, "export FILE N [N...]");
    std::vector<int> indices;
    for (std::size_t i = 1; i < args.size(); ++i) indices.push_back(ParseIndex(args[i]));
    CGameDatabase games(context.dataDir);
    CliDatabaseUi ui(context, false);
    ExportGames(games, args[0], indices, ui);
    return 0;
  });
}

int Import(CliContext& context, const std::vector<std::string>& args) {
  return RunGuarded(context, [&] {
    std::vector<std::string> rest;
    bool scan = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
      if (args[i] == "--scan-players" && i + 1 < args.size() && (args[i + 1] == "yes" || args[i + 1] == "no")) {
        scan = args[++i] == "yes";
      } else {
        rest.push_back(args[i]);
      }
    }
    RequireArgs(rest, 1, 1, "import FILE [--scan-players yes|no]");
    EnsureDataDir(context);
    CliDatabases stored(context);
    CliDatabaseUi ui(context, scan);
    std::error_code error;
    std::filesystem::path full = std::filesystem::absolute(rest[0], error).lexically_normal();
    CImportOutcome outcome = ImportGames(stored.games, stored.players, error ? rest[0] : full.string(), ui);
    return outcome.accepted ? 0 : 1;
  });
}

// ---------------------------------------------------------------- players

int ListPlayers(CliContext& context, const std::vector<std::string>& args) {
  return RunGuarded(context, [&] {
    RequireArgs(args, 0, 0, "players");
    CliDatabases stored(context);
    CReplayLuck replays(context.dataDir);
    std::vector<PlayerLuck> luck = LuckByPlayer(stored.games, replays);
    for (const CPlayerListRow& row : PlayerList(stored.players, stored.games)) {
      *context.out << row.index << '\t' << Cp1252ToUtf8(row.name) << '\t' << row.games << '\t' << row.wins << '\t'
                   << row.average << '\t'
                   << AverageLuckTextOf(luck, stored.players.Players()[row.index].playerId) << '\n';
    }
    return 0;
  });
}

int AddPlayer(CliContext& context, const std::vector<std::string>& args) {
  return RunGuarded(context, [&] {
    RequireArgs(args, 2, 2, "player-add FIRST LAST");
    EnsureDataDir(context);
    CPlayerDatabase players(context.dataDir);
    players.Load();
    players.AddPlayer(CPlayer::Create(Utf8ToCp1252(args[0]), Utf8ToCp1252(args[1])));
    *context.out << players.Count() - 1 << '\t' << Cp1252ToUtf8(players.Players().back().ListName()) << '\n';
    return 0;
  });
}

int RenamePlayer(CliContext& context, const std::vector<std::string>& args) {
  return RunGuarded(context, [&] {
    std::vector<std::string> rest;
    bool updateGames = false;
    for (const std::string& arg : args) {
      if (arg == "--update-games") updateGames = true; else rest.push_back(arg);
    }
    RequireArgs(rest, 3, 3, "player-rename INDEX FIRST LAST [--update-games]");
    CPlayerDatabase players(context.dataDir);
    players.Load();
    int index = ParseIndex(rest[0]);
    players.SetNames(index, Utf8ToCp1252(rest[1]), Utf8ToCp1252(rest[2]));
    players.Save();
    CliDatabaseUi ui(context, updateGames);
    if (ui.AskYesNo("Update database?", "Do you want to update the game database with the new name?")) {
      CGameDatabase games(context.dataDir);
      players.RenameInGames(index, games, ui);
    }
    return 0;
  });
}

int DeletePlayer(CliContext& context, const std::vector<std::string>& args) {
  return RunGuarded(context, [&] {
    RequireArgs(args, 1, 1, "player-delete INDEX");
    CPlayerDatabase players(context.dataDir);
    players.Load();
    players.RemovePlayer(ParseIndex(args[0]));
    return 0;
  });
}

int ImportPlayers(CliContext& context, const std::vector<std::string>& args) {
  return RunGuarded(context, [&] {
    RequireArgs(args, 0, 0, "players-import");
    EnsureDataDir(context);
    CliDatabases stored(context);
    CliDatabaseUi ui(context, false);
    stored.players.ImportFromGames(stored.games, ui);
    return 0;
  });
}

}  // namespace

REGISTER_CLI_COMMAND("games", "games                      list the stored games (index first)", ListGames);
REGISTER_CLI_COMMAND("delete", "delete N                   delete stored game N", DeleteGame);
REGISTER_CLI_COMMAND("export", "export FILE N [N...]       export stored games to FILE", Export);
REGISTER_CLI_COMMAND("import", "import FILE [--scan-players yes|no]  import the games of an export file", Import);
REGISTER_CLI_COMMAND("players", "players                    list the players with Games, Wins, Average", ListPlayers);
REGISTER_CLI_COMMAND("player-add", "player-add FIRST LAST      add a player", AddPlayer);
REGISTER_CLI_COMMAND("player-rename",
                     "player-rename INDEX FIRST LAST [--update-games]  rename a player (and in stored games)",
                     RenamePlayer);
REGISTER_CLI_COMMAND("player-delete", "player-delete INDEX        delete a player", DeletePlayer);
REGISTER_CLI_COMMAND("players-import", "players-import             add the players of stored games", ImportPlayers);
