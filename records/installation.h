#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Where an installation of Hexstead3D keeps its files, and what it is called.
// The window program and hexstead-cli both ask here, so that they agree on
// the user's data and on where the shipped texture archives lie.

// What `--version` prints and the About box shows.
inline constexpr const char* kVersionText = "Hexstead 3D Version 0.7.6";

// Exit status of a command line that is not understood.
inline constexpr int kUsageExitStatus = 2;

// The name of the per-user working directory under the XDG data directory.
inline constexpr const char* kUserDirectoryName = "Hexstead3D";

// The per-user working directory: $XDG_DATA_HOME/Hexstead3D when
// XDG_DATA_HOME is an absolute path (relative ones are ignored, as the XDG
// rules say), else $HOME/.local/share/Hexstead3D. Empty when no home is known.
std::filesystem::path UserWorkDirectory(const char* xdgDataHome, const char* home);
// The same for this process (environment, then the password database).
std::filesystem::path UserWorkDirectory();
// data/ inside it: the user's game and player databases.
std::filesystem::path UserDataDirectory();

// The directory of the running executable; empty when it cannot be found.
std::filesystem::path ExecutableDirectory();

// Where the texture archives shipped with a program in `executableDirectory`
// lie: <dir>/../share/hexstead3d for an installed or unpacked package, and
// <dir>/../data for a program in a build tree (build/app beside build/data).
std::vector<std::filesystem::path> ShippedArchiveDirectories(const std::filesystem::path& executableDirectory);

// The desktop icon of `size` pixels shipped with a program in
// `executableDirectory`: <dir>/../share/icons/hicolor/<n>x<n>/apps/hexstead3d.png
// (a package) or <dir>/../icons/hicolor/... (a build tree); empty when none.
std::string LocateDesktopIcon(const std::filesystem::path& executableDirectory, int size);

// The path to read the archive `fileName` from: <dataDirectory>/<fileName>
// when that file exists (a user's own archives win), else the first shipped
// directory holding it, else <dataDirectory>/<fileName> again so that a
// "could not open" message names the place the user knows.
std::string LocateArchive(const std::string& dataDirectory, const std::string& fileName,
                          const std::vector<std::filesystem::path>& shippedDirectories);
// The same with the shipped directories of the running executable.
std::string LocateArchive(const std::string& dataDirectory, const std::string& fileName);
