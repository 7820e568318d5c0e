#include "cli_command.h"

#include <charconv>
#include <ostream>

#include "records/database_ui.h"
#include "records/file_system.h"

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

bool ParseGameIndex(const std::string& text, int& index) {
  const char* end = text.data() + text.size();
  auto [at, error] = std::from_chars(text.data(), end, index);
  return error == std::errc() && at == end && index >= 0;
}

bool CheckGameIndex(CliContext& context, int index, int gameCount) {
  if (index < gameCount) return true;
  *context.err << "error: no game " << index << ": the game database holds " << gameCount
               << (gameCount == 1 ? " game" : " games") << '\n';
  return false;
}

int RunGuarded(CliContext& context, const std::function<int()>& body) {
  try {
    return body();
  } catch (const CliUsageError& e) {
    *context.err << "hexstead-cli: " << e.what() << '\n';
  } catch (const CDatabaseError& e) {
    PrintMessage(context, kDatabaseErrorCaption, e.what());
  } catch (const CFileError& e) {
    PrintMessage(context, kDatabaseErrorCaption, e.what());
  }
  return 1;
}
