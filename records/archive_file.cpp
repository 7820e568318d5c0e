#include "records/archive_file.h"

ArchiveFile OpenArchiveFile(const std::filesystem::path& path, ArchiveFileMode mode) {
  switch (mode) {
    case ArchiveFileMode::read:
      return ArchiveFile(std::fopen(path.c_str(), "rb"));
    case ArchiveFileMode::createWrite:
      return ArchiveFile(std::fopen(path.c_str(), "wb"));
    case ArchiveFileMode::createAppend: {
      // "ab" would force every write to the end; "r+b" keeps the position
      // the owner chooses, so the file is created first when it is missing.
      ArchiveFile file(std::fopen(path.c_str(), "r+b"));
      if (!file) file.reset(std::fopen(path.c_str(), "w+b"));
      if (file && std::fseek(file.get(), 0, SEEK_END) != 0) file.reset();
      return file;
    }
  }
  return nullptr;
}
