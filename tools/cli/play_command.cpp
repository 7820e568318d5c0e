// hexstead-cli play [--data DIR] SCRIPT: runs a driver script through a fresh
// game session and prints one line per event.
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "cli_command.h"
#include "play_runner.h"
#include "records/clock.h"

namespace {

bool ReadScript(const std::string& name, std::string& text) {
  if (name == "-") {
    text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    return true;
  }
  std::ifstream in(name, std::ios::binary);
  if (!in) return false;
  text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

// Runs the script line by line, so everything before a faulty line happens
// (as when a journal of inputs is replayed).
int RunScript(CliContext& context, const std::string& text) {
  PlayRunner runner(context.out, context.dataDir);
  std::istringstream lines(text);
  std::string line;
  int number = 0;
  try {
    while (std::getline(lines, line)) {
      ++number;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      runner.Run(line, number);
    }
    runner.Finish();
  } catch (const ScriptError& e) {
    context.out->flush();
    *context.err << "error: line " << (e.line > 0 ? e.line : number) << ": " << e.what() << '\n';
    return 1;
  } catch (const std::exception& e) {
    context.out->flush();
    *context.err << "error: line " << number << ": " << e.what() << '\n';
    return 1;
  }
  return 0;
}

int Play(CliContext& context, const std::vector<std::string>& args) {
  if (args.size() != 1) {
    *context.err << "usage: hexstead-cli [--data DIR] play SCRIPT\n";
    return 1;
  }
  std::string text;
  if (!ReadScript(args[0], text)) {
    *context.err << "error: line 0: cannot read " << args[0] << '\n';
    return 1;
  }
  CClock::UseSystem();
  return RunScript(context, text);
}

}  // namespace

REGISTER_CLI_COMMAND("play", "play [--data DIR] SCRIPT   run a script of inputs through a new game ('-' reads stdin)",
                     Play);
