#include "records/installation.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace fs = std::filesystem;

fs::path UserWorkDirectory(const char* xdgDataHome, const char* home) {
  if (xdgDataHome != nullptr && xdgDataHome[0] == '/') return fs::path(xdgDataHome) / kUserDirectoryName;
  if (home == nullptr || home[0] == '\0') return {};
  return fs::path(home) / ".local" / "share" / kUserDirectoryName;
}

fs::path UserWorkDirectory() {
  const char* home = std::getenv("HOME");
  if (home == nullptr || home[0] == '\0') {
    // A program started without HOME (from a service, say) still finds it.
    if (const passwd* entry = getpwuid(getuid())) home = entry->pw_dir;
  }
  return UserWorkDirectory(std::getenv("XDG_DATA_HOME"), home);
}

fs::path UserDataDirectory() {
  const fs::path work = UserWorkDirectory();
  return work.empty() ? fs::path() : work / "data";
}

fs::path ExecutableDirectory() {
  std::error_code error;
  const fs::path executable = fs::read_symlink("/proc/self/exe", error);
  return error ? fs::path() : executable.parent_path();
}

std::vector<fs::path> ShippedArchiveDirectories(const fs::path& executableDirectory) {
  if (executableDirectory.empty()) return {};
  const fs::path parent = executableDirectory.parent_path();
  return {parent / "share" / "hexstead3d", parent / "data"};
}

std::string LocateDesktopIcon(const fs::path& executableDirectory, int size) {
  if (executableDirectory.empty()) return {};
  const std::string folder = std::to_string(size) + "x" + std::to_string(size);
  const fs::path theme = fs::path("hicolor") / folder / "apps" / "hexstead3d.png";
  const fs::path parent = executableDirectory.parent_path();
  std::error_code error;
  for (const fs::path& icons : {parent / "share" / "icons", parent / "icons"}) {
    if (fs::is_regular_file(icons / theme, error)) return (icons / theme).string();
  }
  return {};
}

std::string LocateArchive(const std::string& dataDirectory, const std::string& fileName,
                          const std::vector<fs::path>& shippedDirectories) {
  const std::string own = dataDirectory + "/" + fileName;
  std::error_code error;
  if (fs::is_regular_file(own, error)) return own;
  for (const fs::path& directory : shippedDirectories) {
    const fs::path shipped = directory / fileName;
    if (fs::is_regular_file(shipped, error)) return shipped.string();
  }
  return own;
}

std::string LocateArchive(const std::string& dataDirectory, const std::string& fileName) {
  // The executable does not move while the program runs.
  static const std::vector<fs::path> shipped = ShippedArchiveDirectories(ExecutableDirectory());
  return LocateArchive(dataDirectory, fileName, shipped);
}
