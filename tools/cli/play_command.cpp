// hexstead-cli play [--data DIR] SCRIPT: runs a driver script through a fresh
// game session and prints one line per event.
#include <fstream>
#include <iostream>
#include <iterator>

#include "cli_command.h"
#include "journal_replay.h"
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
// (as when a journal of inputs is replayed); a journal's torn last line is
// left out.
int RunScript(CliContext& context, const std::string& text) {
  PlayRunner runner(context.out, context.dataDir);
  ScriptRun run = RunScriptText(ReplayableText(text), runner);
  if (run.errorLine == 0) return 0;
  context.out->flush();
  *context.err << "error: line " << run.errorLine << ": " << run.error << '\n';
  return 1;
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
