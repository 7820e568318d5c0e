#include "cli_command.h"

#include <ostream>

namespace {

std::vector<CliCommand>& Registry() {
  static std::vector<CliCommand> commands;
  return commands;
}

}  // namespace

bool RegisterCliCommand(CliCommand command) {
  Registry().push_back(std::move(command));
  return true;
}

const std::vector<CliCommand>& CliCommands() { return Registry(); }

void PrintMessage(CliContext& context, const std::string& caption, const std::string& text) {
  *context.out << "message: " << caption << ": " << text << '\n';
}
