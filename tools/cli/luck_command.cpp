// hexstead-cli luck N [--csv] [--png DIR | --svg DIR]: the dice and the
// production luck of stored game N, and its two charts.
// hexstead-cli luck --players [--csv]: each person's luck over all stored games.
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "cli_command.h"
#include "luck_replay.h"
#include "records/game.h"
#include "records/game_database.h"
#include "records/text_encoding.h"
#include "stats/luck_charts.h"
#include "stats/luck_tables.h"

namespace {

constexpr const char* kUsage =
    "usage: hexstead-cli [--data DIR] luck N [--csv] [--png DIR | --svg DIR]\n"
    "       hexstead-cli [--data DIR] luck --players [--csv]\n";

struct LuckOptions {
  int index = -1;
  bool players = false;
  bool csv = false;
  std::string chartDir;
  ChartFormat chartFormat = ChartFormat::Png;
};

bool ParseOptions(const std::vector<std::string>& args, LuckOptions& options) {
  bool haveIndex = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--csv") {
      options.csv = true;
    } else if (arg == "--players") {
      options.players = true;
    } else if ((arg == "--png" || arg == "--svg") && i + 1 < args.size() && options.chartDir.empty()) {
      options.chartFormat = arg == "--png" ? ChartFormat::Png : ChartFormat::Svg;
      options.chartDir = args[++i];
    } else if (!haveIndex && ParseGameIndex(arg, options.index)) {
      haveIndex = true;
    } else {
      return false;
    }
  }
  // A game, or the players (which draw no charts).
  return options.players ? !haveIndex && options.chartDir.empty() : haveIndex;
}

void PrintTable(CliContext& context, const LuckTable& table, bool csv) {
  *context.out << Cp1252ToUtf8(csv ? TableAsCsv(table) : TableAsText(table));
}

bool WriteCharts(CliContext& context, const GameLuck& luck, const LuckOptions& options) {
  std::error_code failed;
  std::filesystem::create_directories(options.chartDir, failed);
  const char* extension = options.chartFormat == ChartFormat::Png ? ".png" : ".svg";
  for (LuckChart chart : {LuckChart::Dice, LuckChart::Luck}) {
    std::string path = options.chartDir + "/" + LuckChartName(chart) + extension;
    std::string error;
    if (!WriteLuckChart(chart, luck, path, options.chartFormat, &error)) {
      *context.err << "error: cannot write the chart " << error << '\n';
      return false;
    }
    *context.out << "chart: " << path << '\n';
  }
  return true;
}

int Luck(CliContext& context, const std::vector<std::string>& args) {
  LuckOptions options;
  if (!ParseOptions(args, options)) {
    *context.err << kUsage;
    return 1;
  }
  CGameDatabase database(context.dataDir);
  CReplayLuck replays(context.dataDir);
  if (options.players) {
    PrintTable(context, PlayerLuckTable(LuckByPlayer(database, replays)), options.csv);
    return 0;
  }
  if (!CheckGameIndex(context, options.index, database.GameCount())) return 1;
  CGame game;
  database.ReadHeader(options.index, game);
  GameLuck luck = LuckOfStoredGame(game, replays);
  for (const std::string& note : LuckNotes(luck)) *context.out << (options.csv ? "# " : "") << note << '\n';
  for (const LuckTable& table : LuckTables(luck)) {
    *context.out << '\n';
    PrintTable(context, table, options.csv);
  }
  return options.chartDir.empty() || WriteCharts(context, luck, options) ? 0 : 1;
}

}  // namespace

REGISTER_CLI_COMMAND("luck",
                     "luck N [--csv] [--png DIR | --svg DIR]  the dice and luck of stored game N; "
                     "luck --players: each player's luck over all stored games",
                     Luck);
