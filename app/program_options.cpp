#include "program_options.h"

#include <filesystem>
#include <ostream>
#include <system_error>

#include "records/installation.h"

namespace fs = std::filesystem;

ProgramOptions ParseProgramOptions(const std::vector<std::string>& args) {
  ProgramOptions options;
  bool optionsEnded = false;
  for (const std::string& arg : args) {
    if (!optionsEnded && arg == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && (arg == "--help" || arg == "-h")) {
      options.action = ProgramOptions::Action::Help;
      return options;
    } else if (!optionsEnded && arg == "--version") {
      options.action = ProgramOptions::Action::Version;
      return options;
    } else if (!optionsEnded && arg == "--user-dir") {
      options.userDirectory = true;
    } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
      options.action = ProgramOptions::Action::UsageError;
      options.error = "unknown option '" + arg + "'";
      return options;
    } else if (options.importFile.empty()) {
      options.importFile = arg;
    } else {
      options.action = ProgramOptions::Action::UsageError;
      options.error = "only one file can be imported at a time";
      return options;
    }
  }
  return options;
}

void PrintProgramUsage(std::ostream& out, const std::string& program) {
  out << "usage: " << program << " [--user-dir] [FILE.h3d]\n"
      << "Hexstead3D follows a real game of the hex-tile board game played at a table.\n"
      << "It keeps its game and player databases in data/ under the working directory.\n"
      << "\n"
      << "  --user-dir   work in ${XDG_DATA_HOME:-~/.local/share}/" << kUserDirectoryName
      << ", created when missing\n"
      << "               (the desktop menu starts the program this way)\n"
      << "  FILE.h3d     import the games of an export file once the window is open\n"
      << "  --help       show this text and exit\n"
      << "  --version    show the version and exit\n";
}

int PrepareProgramStart(ProgramOptions& options, const std::string& program, std::ostream& out, std::ostream& err) {
  switch (options.action) {
    case ProgramOptions::Action::Help:
      PrintProgramUsage(out, program);
      return 0;
    case ProgramOptions::Action::Version:
      out << kVersionText << '\n';
      return 0;
    case ProgramOptions::Action::UsageError:
      err << program << ": " << options.error << '\n';
      PrintProgramUsage(err, program);
      return kUsageExitStatus;
    case ProgramOptions::Action::Run:
      break;
  }
  std::error_code error;
  if (!options.importFile.empty()) options.importFile = fs::absolute(options.importFile, error).string();
  if (options.userDirectory) {
    const fs::path work = UserWorkDirectory();
    if (work.empty()) {
      err << program << ": no home directory is known (set HOME)\n";
      return 1;
    }
    fs::create_directories(work, error);
    if (!error) fs::current_path(work, error);
    if (error) {
      err << program << ": cannot work in " << work.string() << ": " << error.message() << '\n';
      return 1;
    }
  }
  // The databases are written into data/ as soon as a game is stored.
  fs::create_directories("data", error);
  if (error) {
    err << program << ": cannot create data/ in the working directory: " << error.message() << '\n';
    return 1;
  }
  return -1;
}
