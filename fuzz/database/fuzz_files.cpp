#include "fuzz_files.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>

std::string FreshDataDir() {
  static const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("h3d-fuzz-db-" + std::to_string(getpid()));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir.string();
}

void WriteFuzzFile(const std::string& path, const uint8_t* data, std::size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}
