// hexstead-cli: the headless front end of Hexstead3D. It drives game sessions
// from scripts and reaches the game and player databases from the shell.
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "cli_command.h"

namespace {

void PrintUsage(std::ostream& out) {
  out << "usage: hexstead-cli [--data DIR] COMMAND [ARGS...]\n";
  std::vector<CliCommand> commands = CliCommands();
  std::sort(commands.begin(), commands.end(),
            [](const CliCommand& a, const CliCommand& b) { return a.name < b.name; });
  for (const CliCommand& command : commands) out << "  " << command.usage << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  CliContext context;
  context.out = &std::cout;
  context.err = &std::cerr;

  // --data DIR may stand anywhere on the line; everything else is positional.
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--data") {
      if (i + 1 >= argc) {
        std::cerr << "hexstead-cli: --data needs a directory\n";
        return 1;
      }
      context.dataDir = argv[++i];
    } else if (arg.rfind("--data=", 0) == 0) {
      context.dataDir = arg.substr(7);
    } else {
      args.push_back(arg);
    }
  }

  if (args.empty() || args[0] == "help" || args[0] == "--help") {
    PrintUsage(args.empty() ? std::cerr : std::cout);
    return args.empty() ? 1 : 0;
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
  std::cerr << "hexstead-cli: unknown command '" << args[0] << "'\n";
  PrintUsage(std::cerr);
  return 1;
}
