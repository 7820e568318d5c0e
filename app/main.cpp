// Hexstead3D: the desktop companion for a real game of the hex-tile board game.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "hexstead_app.h"
#include "program_options.h"

wxIMPLEMENT_APP_NO_MAIN(CHexsteadApp);

int main(int argc, char** argv) {
  const std::string program = argc > 0 ? std::filesystem::path(argv[0]).filename().string() : "hexstead3d";
  ProgramOptions options = ParseProgramOptions(std::vector<std::string>(argv + 1, argv + argc));
  const int status = PrepareProgramStart(options, program, std::cout, std::cerr);
  if (status >= 0) return status;
  CHexsteadApp::SetStartupImport(options.importFile);
  // The toolkit sees only the program name: every option was handled above.
  char programName[] = "hexstead3d";
  int toolkitArgc = 1;
  char* toolkitArgv[] = {argc > 0 ? argv[0] : programName, nullptr};
  return wxEntry(toolkitArgc, toolkitArgv);
}
