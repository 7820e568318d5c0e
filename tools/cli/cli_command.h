#pragma once

#include <functional>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <vector>

// Shared plumbing of hexstead-cli: every subcommand lives in its own file and
// registers itself with REGISTER_CLI_COMMAND; main() strips the common options
// and dispatches by name.

struct CliContext {
  std::string dataDir = "data";  // --data DIR: where the databases live
  std::ostream* out = nullptr;   // events and results
  std::ostream* err = nullptr;   // one-line errors
};

// A subcommand returns the process exit status (0 success, 1 failure).
using CliHandler = std::function<int(CliContext&, const std::vector<std::string>& args)>;

struct CliCommand {
  std::string name;
  std::string usage;  // one line shown by `hexstead-cli help`
  CliHandler run;
};

// Registers a subcommand; returns true so it can initialise a static.
bool RegisterCliCommand(CliCommand command);
const std::vector<CliCommand>& CliCommands();

// Prints a message box the way every subcommand reports one:
// "message: CAPTION: TEXT".
void PrintMessage(CliContext& context, const std::string& caption, const std::string& text);

// Reads a stored-game index (a whole number >= 0); false for anything else.
bool ParseGameIndex(const std::string& text, int& index);
// True when the game database holds game `index`; otherwise prints
// "error: no game N: the game database holds M games" and returns false.
bool CheckGameIndex(CliContext& context, int index, int gameCount);

// A wrong argument found inside a command body; RunGuarded prints
// "hexstead-cli: TEXT".
struct CliUsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Runs a command body: a usage error, a database failure or a file failure
// is printed (the last two as a message box) and the command exits 1.
int RunGuarded(CliContext& context, const std::function<int()>& body);

#define H3D_CLI_CONCAT2(a, b) a##b
#define H3D_CLI_CONCAT(a, b) H3D_CLI_CONCAT2(a, b)
#define REGISTER_CLI_COMMAND(...) \
  static const bool H3D_CLI_CONCAT(cliCommandRegistered, __LINE__) = RegisterCliCommand(CliCommand{__VA_ARGS__})
