#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>

// How the owner of a stored file opens it for an archive.
enum class ArchiveFileMode {
  read,          // an existing file, for loading; a missing file fails to open
  createWrite,   // created, or truncated to empty, and written from its start
  createAppend,  // created if missing, never truncated, positioned at its end
};

struct ArchiveFileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using ArchiveFile = std::unique_ptr<std::FILE, ArchiveFileCloser>;

// Opens `path` in binary mode; empty when the file cannot be opened. With
// createAppend, ftell() then gives the offset where the new data will start.
ArchiveFile OpenArchiveFile(const std::filesystem::path& path, ArchiveFileMode mode);
