// hexstead-cli report: the Statistics Database report on the command line,
// the same table the report window shows.
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli_command.h"
#include "cli_databases.h"
#include "records/atomic_file.h"
#include "records/text_encoding.h"
#include "stats/player_report.h"

namespace {

void PrintHelp(std::ostream& out) {
  out << "usage: hexstead-cli [--data DIR] report [--players all|I,J,...] [--games all|N,M,...]\n"
         "                    [--stats all|S,T,...] [--csv]\n"
         "  --players  player database indices (as `players` lists them); default all\n"
         "  --games    stored game indices (as `games` lists them); default all\n"
         "  --stats    statistics by number; default all:\n";
  for (int s = 0; s < kPlayerStatCount; ++s) out << "     " << s + 1 << "  " << PlayerStatName(s) << '\n';
  out << "  --csv      comma-separated values instead of tab-separated text\n"
         "One row per chosen player (sorted by name) over the chosen games. Counts are\n"
         "summed and also shown per game played; averages and ratios are computed from\n"
         "the summed parts; the ranking is computed over the chosen players and games.\n"
         "Formulas:\n"
      << PlayerReportHelp();
}

// "all" (every index below `count`) or a comma-separated list of numbers;
// `base` is subtracted from each (1 for statistics numbered from 1).
bool ParseList(const std::string& text, int count, int base, std::vector<int>& out) {
  out.clear();
  if (text == "all") {
    for (int i = 0; i < count; ++i) out.push_back(i);
    return true;
  }
  std::stringstream items(text);
  std::string item;
  while (std::getline(items, item, ',')) {
    int value = -1;
    if (!ParseGameIndex(item, value) || value < base) return false;
    out.push_back(value - base);
  }
  return !out.empty();
}

int Report(CliContext& context, const std::vector<std::string>& args) {
  std::string playersText = "all", gamesText = "all", statsText = "all";
  bool csv = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      PrintHelp(*context.out);
      return 0;
    }
    if (arg == "--csv") {
      csv = true;
    } else if ((arg == "--players" || arg == "--games" || arg == "--stats") && i + 1 < args.size()) {
      (arg == "--players" ? playersText : arg == "--games" ? gamesText : statsText) = args[++i];
    } else {
      PrintHelp(*context.err);
      return 1;
    }
  }
  return RunGuarded(context, [&] {
    CliDatabases stored(context);
    CPlayerReportChoice choice;
    std::vector<int> stats;
    if (!ParseList(playersText, stored.players.Count(), 0, choice.players) ||
        !ParseList(gamesText, stored.games.GameCount(), 0, choice.games) ||
        !ParseList(statsText, kPlayerStatCount, 1, stats)) {
      *context.err << "hexstead-cli: report: a list is empty or holds something that is not a number\n";
      return 1;
    }
    choice.stats = 0;
    for (int s : stats) {
      if (s >= kPlayerStatCount) {
        *context.err << "hexstead-cli: report: statistics are numbered 1.." << kPlayerStatCount << '\n';
        return 1;
      }
      choice.stats |= PlayerStatBit(s);
    }
    CPlayerReport report = BuildPlayerReport(stored.players, stored.games, choice);
    *context.out << Cp1252ToUtf8(csv ? PlayerReportCsv(report) : PlayerReportText(report));
    return 0;
  });
}

}  // namespace

REGISTER_CLI_COMMAND("report",
                     "report [--players L] [--games L] [--stats L] [--csv]  player statistics over stored games "
                     "(report --help)",
                     Report);
