#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

// The small file layer the databases stand on. Every stored file is read,
// appended to, replaced, renamed and removed through an IFileSystem, so the
// same database code runs over the disk (RealFileSystem) or over memory
// (CMemoryFileSystem, for fuzzing and for cutting a write at every byte).

// A file that could not be opened, written, synced, renamed or removed.
class CFileError : public std::runtime_error {
 public:
  CFileError(const std::string& what, const std::string& path, int error);
  std::string path;
};

// A stored file open for reading at any position.
class IReadableFile {
 public:
  virtual ~IReadableFile() = default;
  virtual uint64_t Size() const = 0;
  // Copies up to `n` bytes from `offset` on; fewer only at the end of the
  // file (or when the disk refuses, which a reader treats as the end).
  virtual std::size_t ReadAt(uint64_t offset, void* data, std::size_t n) = 0;
};

// A stored file open for writing at its end.
class IWritableFile {
 public:
  virtual ~IWritableFile() = default;
  virtual uint64_t Size() const = 0;
  // Cuts the file back to `size` bytes (nothing when it is that short).
  virtual void Truncate(uint64_t size) = 0;
  // Writes all of `bytes` at the end of the file.
  virtual void Append(std::span<const uint8_t> bytes) = 0;
  // Forces the contents, and the directory entry of a new file, to the disk.
  virtual void Sync() = 0;
};

class IFileSystem {
 public:
  enum class WriteMode {
    create,  // created, or truncated to empty if it exists
    append,  // created if missing, never truncated
  };

  virtual ~IFileSystem() = default;
  // Empty when the file does not exist or is not a regular file.
  virtual std::unique_ptr<IReadableFile> OpenRead(const std::string& path) = 0;
  // Raises CFileError when the file cannot be opened.
  virtual std::unique_ptr<IWritableFile> OpenWrite(const std::string& path, WriteMode mode) = 0;
  virtual bool IsFile(const std::string& path) = 0;
  // Renames `from` over `to` in one step and makes the change durable.
  virtual void Rename(const std::string& from, const std::string& to) = 0;
  // Removes `path` if it exists, durably; true when it existed.
  virtual bool Remove(const std::string& path) = 0;

  // Replaces the whole file: writes TempPathFor(path), syncs it and renames
  // it over `path`, so a reader sees either the old or the new contents.
  void ReplaceFile(const std::string& path, std::span<const uint8_t> bytes);
  // Reads the whole file; empty when it is missing.
  std::vector<uint8_t> ReadAll(const std::string& path);
};

// The scratch file a replacement is written to first: path + ".tmp".
std::string TempPathFor(const std::string& path);

// The disk, through the durable operations of records/atomic_file.h.
IFileSystem& RealFileSystem();
