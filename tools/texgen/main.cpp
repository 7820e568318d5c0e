// texgen: paints every texture archive of Hexstead3D and writes them into a
// data directory, with a contact sheet of all pictures beside them.
//   texgen <data directory>
#include <cairo.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "tools/texgen/archive_set.h"
#include "tools/texgen/contact_sheet.h"

namespace {

// Writes through a temporary file so that an interrupted run never leaves a
// half-written archive that looks complete.
bool WriteFileAtomically(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::filesystem::path temporary = path;
  temporary += ".part";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out.flush()) return false;
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  return !error;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: texgen <data directory>\n");
    return 2;
  }
  const std::filesystem::path directory = argv[1];
  std::error_code error;
  std::filesystem::create_directories(directory, error);
  if (error) {
    std::fprintf(stderr, "texgen: cannot create %s: %s\n", directory.c_str(), error.message().c_str());
    return 1;
  }
  const std::vector<GeneratedArchive> archives = GenerateAllArchives();
  for (const GeneratedArchive& archive : archives) {
    if (!WriteFileAtomically(directory / archive.fileName, ArchiveBytes(archive))) {
      std::fprintf(stderr, "texgen: cannot write %s\n", (directory / archive.fileName).c_str());
      return 1;
    }
  }
  const std::filesystem::path sheet = directory / "contact-sheet.png";
  const bool sheetWritten = WriteContactSheet(archives, sheet.string());
  cairo_debug_reset_static_data();  // lets leak checkers see a clean exit
  if (!sheetWritten) {
    std::fprintf(stderr, "texgen: cannot write %s\n", sheet.c_str());
    return 1;
  }
  return 0;
}
