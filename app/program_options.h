#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// The window program's command line, read before the toolkit starts so that
// --help and --version answer without a display:
//   hexstead3d [--user-dir] [FILE.h3d]
struct ProgramOptions {
  enum class Action { Run, Help, Version, UsageError };
  Action action = Action::Run;
  bool userDirectory = false;  // --user-dir: work in the per-user directory
  std::string importFile;      // an export file to import once the window is up
  std::string error;           // for UsageError: what was wrong
};

ProgramOptions ParseProgramOptions(const std::vector<std::string>& args);

// The usage text; `program` is the name the program was started by.
void PrintProgramUsage(std::ostream& out, const std::string& program);

// Does what the options ask before the window opens: prints help or the
// version, or changes into the per-user directory, and makes sure data/
// exists in the working directory. Returns -1 when the program should go on
// and start its window, else the exit status. An import file is made
// absolute first, since the working directory may change.
int PrepareProgramStart(ProgramOptions& options, const std::string& program, std::ostream& out, std::ostream& err);
