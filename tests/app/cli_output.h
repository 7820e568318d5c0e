#pragma once

// For the GUI test programs that also run hexstead-cli (declared with CLI):
// the command line's output, to compare with what the windows show.
#include <cstdio>
#include <filesystem>
#include <string>

namespace cli {

// What a shell command prints on its standard output ("" when it cannot start).
inline std::string ShellOutput(const std::string& command) {
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    for (size_t got; (got = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, got);
    pclose(pipe);
  }
  return out;
}

// "'hexstead-cli' --data 'DATA' ", for shell lines that run it.
inline std::string CommandLine(const std::filesystem::path& data) {
  return std::string("'") + H3D_CLI + "' --data '" + data.string() + "' ";
}

// hexstead-cli ARGS on the data folder `data`, its errors included.
inline std::string Output(const std::filesystem::path& data, const std::string& args) {
  return ShellOutput(CommandLine(data) + args + " 2>&1");
}

}  // namespace cli
