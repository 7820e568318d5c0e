// hexstead-cli: the headless front end of Hexstead3D. It drives game sessions
// from scripts and reaches the game and player databases from the shell.
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "cli_command.h"
#include "records/installation.h"

namespace {

void PrintUsage(std::ostream& out) {
  out << "usage: hexstead-cli [--data DIR] COMMAND [ARGS...]\n"
      << "       hexstead-cli --help | --version\n"
      << "Reaches the games and players of Hexstead3D from the shell.\n"
      << "\n"
      << "  --data DIR   the data directory of the databases (default: data/ in\n"
      << "               ${XDG_DATA_HOME:-~/.local/share}/" << kUserDirectoryName
      << ", where the program keeps them)\n"
      << "  --help       show this text and exit\n"
      << "  --version    show the version and exit\n"
      << "\n"
      << "commands:\n";
  std::vector<CliCommand> commands = CliCommands();
  std::sort(commands.begin(), commands.end(),
            [](const CliCommand& a, const CliCommand& b) { return a.name < b.name; });
  for (const CliCommand& command : commands) out << "  " << command.usage << '\n';
}

int UsageError(const std::string& message) {
  std::cerr << "hexstead-cli: " << message << '\n';
  PrintUsage(std::cerr);
  return kUsageExitStatus;
}

}  // namespace

int main(int argc, char** argv) {
  CliContext context;
  context.out = &std::cout;
  context.err = &std::cerr;
  bool dataGiven = false;

  // --data DIR may stand anywhere on the line; everything else is positional.
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--data") {
      if (i + 1 >= argc) return UsageError("--data needs a directory");
      context.dataDir = argv[++i];
      dataGiven = true;
    } else if (arg.rfind("--data=", 0) == 0) {
      context.dataDir = arg.substr(7);
      dataGiven = true;
    } else {
      args.push_back(arg);
    }
  }

  if (args.empty()) return UsageError("a command is needed");
  if (args[0] == "help" || args[0] == "--help" || args[0] == "-h") {
    PrintUsage(std::cout);
    return 0;
  }
  if (args[0] == "--version") {
    std::cout << kVersionText << '\n';
    return 0;
  }
  // Options after the command belong to the command (stats N --csv).
  if (args[0].size() > 1 && args[0][0] == '-') return UsageError("unknown option '" + args[0] + "'");

  // Without --data the databases are the user's, wherever this runs from.
  if (!dataGiven) {
    const std::string userData = UserDataDirectory().string();
    if (!userData.empty()) context.dataDir = userData;
  }
  for (const CliCommand& command : CliCommands()) {
    if (command.name == args[0]) {
      std::vector<std::string> rest(args.begin() + 1, args.end());
      try {
        return command.run(context, rest);
      } catch (const std::exception& e) {
        std::cerr << "hexstead-cli: " << e.what() << '\n';
        return 1;
      }
    }
  }
  return UsageError("unknown command '" + args[0] + "'");
}
